#include "png/PngTypes.h"

#include <ctime>

namespace tintlace {

TPNGTime SystemPNGTime() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return PNGTime(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min,
                   utc.tm_sec);
}

TPNGTime PNGTime(int year, int month, int day, int hour, int minute, int second) {
    TPNGTime t;
    t.Year = static_cast<std::uint16_t>(year);
    t.Month = static_cast<std::uint8_t>(month);
    t.Day = static_cast<std::uint8_t>(day);
    t.Hour = static_cast<std::uint8_t>(hour);
    t.Minute = static_cast<std::uint8_t>(minute);
    t.Second = static_cast<std::uint8_t>(second);
    return t;
}

} // namespace tintlace
