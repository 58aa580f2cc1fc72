#include "png/Sfunc.h"

#include <gtest/gtest.h>

namespace tintlace {
namespace {

PaletteEntry rgb(int r, int g, int b) {
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
            static_cast<std::uint8_t>(b), 0};
}

TEST(Sfunc, LineSizeRoundsUpToFourBytes) {
    struct Case {
        int width, bits, bytes;
    };
    const Case cases[] = {{1, 1, 4},   {9, 1, 4},  {33, 1, 8}, {4, 8, 4},       {5, 8, 8},
                          {5, 24, 16}, {0, 24, 0}, {3, 4, 4},  {800, 24, 2400}, {7, 16, 16}};
    for (const Case& c : cases)
        EXPECT_EQ(GetLineSize(c.width, c.bits), c.bytes) << c.width << " x " << c.bits;
}

TEST(Sfunc, AbsoluteDifferenceTable) {
    EXPECT_EQ(abs256tbl[0], 0);
    EXPECT_EQ(abs256tbl[255], 255);
    EXPECT_EQ(abs256tbl[256], 0);
    for (int d = -255; d <= 255; ++d)
        ASSERT_EQ(abs256tbl[d & 511], d < 0 ? -d : d) << d;
}

TEST(Sfunc, NearestPaletteIndex) {
    struct Case {
        const char* name;
        Palette palette;
        TColor color;
        int index;
    };
    const Case cases[] = {
        {"grey 128 is nearer white", {rgb(0, 0, 0), rgb(255, 255, 255)}, 0x808080, 1},
        {"grey 127 is nearer black", {rgb(0, 0, 0), rgb(255, 255, 255)}, 0x7F7F7F, 0},
        {"equal distances: the lower index", {rgb(10, 0, 0), rgb(0, 10, 0)}, 0, 0},
        {"two exact matches: the lower index",
         {rgb(1, 2, 3), rgb(9, 9, 9), rgb(1, 2, 3)},
         0x030201,
         0},
        {"components compared red, green, blue", {rgb(0, 0, 255), rgb(255, 0, 0)}, 0x0000F0, 1},
        {"no entries", {}, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetNearestPaletteIndex(c.palette, c.color), c.index) << c.name;
    EXPECT_EQ(GetNearestPaletteEntryIndex(nullptr, 0, 0), 0);
}

TEST(Sfunc, ColorTableAndEntries) {
    const Palette palette = {rgb(1, 2, 3), rgb(250, 251, 252)};
    TPalRGBTable table;
    table[2].rgbRed = 77;
    EXPECT_EQ(GetPaletteColorTable(palette, table), 2);
    EXPECT_EQ(table[1].rgbRed, 250);
    EXPECT_EQ(table[1].rgbGreen, 251);
    EXPECT_EQ(table[1].rgbBlue, 252);
    EXPECT_EQ(table[1].rgbReserved, 0);
    EXPECT_EQ(table[2].rgbRed, 77); // beyond the palette: untouched
    EXPECT_EQ(GetPaletteColor(palette, 1), 0xFCFBFA);
    EXPECT_EQ(GetPaletteColor(palette, 2), -1);
    TPalRGBTable empty;
    EXPECT_EQ(GetPaletteColorTable({}, empty), 0);
}

} // namespace
} // namespace tintlace
