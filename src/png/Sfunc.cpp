#include "png/Sfunc.h"

#include <algorithm>

namespace tintlace {

namespace {
constexpr std::array<std::uint8_t, 512> makeAbsTable() {
    std::array<std::uint8_t, 512> table{};
    for (int i = 0; i < 512; ++i)
        table[i] = static_cast<std::uint8_t>(i < 256 ? i : (i == 256 ? 0 : 512 - i));
    return table;
}
} // namespace

const std::array<std::uint8_t, 512> abs256tbl = makeAbsTable();

int GetLineSize(int width, int bits) {
    const std::int64_t bytes = (static_cast<std::int64_t>(width) * bits + 7) >> 3;
    return static_cast<int>((bytes + 3) & ~std::int64_t{3});
}

int GetPaletteColorTable(const Palette& palette, TPalRGBTable& table) {
    const int count = static_cast<int>(std::min<std::size_t>(palette.size(), table.size()));
    for (int i = 0; i < count; ++i) {
        table[i].rgbBlue = palette[i].blue;
        table[i].rgbGreen = palette[i].green;
        table[i].rgbRed = palette[i].red;
        table[i].rgbReserved = 0;
    }
    return count;
}

TColor GetPaletteColor(const Palette& palette, int index) {
    if (index < 0 || index >= static_cast<int>(palette.size()) || index >= 256)
        return NoColor;
    const PaletteEntry& e = palette[index];
    return (static_cast<TColor>(e.blue) << 16) + (static_cast<TColor>(e.green) << 8) + e.red;
}

int GetNearestPaletteIndex(const Palette& palette, TColor color) {
    const int count = static_cast<int>(std::min<std::size_t>(palette.size(), 256));
    if (count <= 0)
        return -1;
    return GetNearestPaletteEntryIndex(palette.data(), color, count);
}

int GetNearestPaletteEntryIndex(const PaletteEntry* entries, TColor color, int count) {
    const int red = tcolorRed(color);
    const int green = tcolorGreen(color);
    const int blue = tcolorBlue(color);
    int best = 16777216;
    int bestIndex = 0;
    for (int i = 0; i < count; ++i) {
        const int distance = abs256tbl[(entries[i].blue - blue) & 511] +
                             abs256tbl[(entries[i].red - red) & 511] +
                             abs256tbl[(entries[i].green - green) & 511];
        if (distance == 0)
            return i;
        if (distance < best) {
            best = distance;
            bestIndex = i;
        }
    }
    return bestIndex;
}

} // namespace tintlace
