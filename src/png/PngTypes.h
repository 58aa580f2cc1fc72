#pragma once
// Settings types, records and the error class of the PNG encoder.
#include "platform/UserError.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tintlace {

// A platform colour value: red in the low byte, then green, then blue. A top byte of 0x01
// names a palette entry (the low byte is its index); -1 means "none".
using TColor = std::int32_t;
constexpr TColor NoColor = -1;
constexpr bool isPaletteIndexColor(TColor c) {
    return (static_cast<std::uint32_t>(c) >> 24) == 0x01;
}
constexpr int tcolorRed(TColor c) {
    return c & 0xFF;
}
constexpr int tcolorGreen(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int tcolorBlue(TColor c) {
    return (c >> 16) & 0xFF;
}

// Row filter choice: gpfJust picks per row; the others select PNG filter types 0..4.
// Any value above gpfPaeth acts as gpfNone.
enum TPNGFilterType : std::uint8_t { gpfJust, gpfNone, gpfSub, gpfUp, gpfAvg, gpfPaeth };
enum TPNGInterlaceType : std::uint8_t { gptNone, gptAdam7 };
enum TPNGUnitSpecifier : std::uint8_t { gpuAspect, gpuMeter, gpuInch };

struct TPNGTime {
    std::uint16_t Year = 0;
    std::uint8_t Month = 0;
    std::uint8_t Day = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Minute = 0;
    std::uint8_t Second = 0;
    friend bool operator==(const TPNGTime&, const TPNGTime&) = default;
};

// The current time of the system clock in UTC.
TPNGTime SystemPNGTime();
TPNGTime PNGTime(int year, int month, int day, int hour, int minute, int second);

// cHRM values in chunk order, each a chromaticity times 100000.
struct TPNGChromaticities {
    std::int32_t WhitePointX = 0;
    std::int32_t WhitePointY = 0;
    std::int32_t RedX = 0;
    std::int32_t RedY = 0;
    std::int32_t GreenX = 0;
    std::int32_t GreenY = 0;
    std::int32_t BlueX = 0;
    std::int32_t BlueY = 0;
    friend bool operator==(const TPNGChromaticities&, const TPNGChromaticities&) = default;
};

// gIFg values; the delay time is kept most significant byte first, as the file stores it.
struct TPNGGIFExtension {
    std::uint8_t DisposalMethod = 0;
    std::uint8_t UserInputFlag = 0;
    std::uint8_t DelayTime[2] = {0, 0};
    friend bool operator==(const TPNGGIFExtension&, const TPNGGIFExtension&) = default;
};

// A failure of the PNG encoder; the message is one of its fixed English texts.
class EPNGError : public UserError {
public:
    using UserError::UserError;
};

class TPNGWriteStream;
// Called with each raw row before it is filtered; may change the row in place.
using TPNGCodeEvent = std::function<void(TPNGWriteStream& sender, std::uint8_t* pbuf, int buflen,
                                         int lineno, const std::string& password)>;

} // namespace tintlace
