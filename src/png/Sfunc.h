#pragma once
// Row sizes and colour-table look-ups over a bitmap's palette.
#include "platform/Bitmap.h"
#include "png/PngTypes.h"

#include <array>
#include <cstdint>

namespace tintlace {

// One colour-table record: blue, green, red, and a reserved byte written as 0.
struct TPalRGB {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
};
using TPalRGBTable = std::array<TPalRGB, 256>;

// |d| for a difference d of two bytes, indexed with d modulo 512.
extern const std::array<std::uint8_t, 512> abs256tbl;

// Bytes of one bitmap row of `width` pixels of `bits` each, rounded up to a multiple of 4.
int GetLineSize(int width, int bits);

// Copies the palette's entries (at most 256) into `table` in index order; entries beyond the
// palette are left alone. Returns the number copied (0 for a bitmap without a palette).
int GetPaletteColorTable(const Palette& palette, TPalRGBTable& table);

// Entry `index` as a colour value (red in the low byte), or -1 when there is no such entry.
TColor GetPaletteColor(const Palette& palette, int index);

// Index of the entry nearest to `color` (sum of absolute component differences; the lowest
// index wins a tie), or -1 when the palette is empty.
int GetNearestPaletteIndex(const Palette& palette, TColor color);

// The same over `count` entries; 0 when count is 0 or less.
int GetNearestPaletteEntryIndex(const PaletteEntry* entries, TColor color, int count);

} // namespace tintlace
