#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace tintlace {
namespace {

TEST(Bitmap, RowsArePaddedToFourBytes) {
    struct Case {
        PixelFormat format;
        int width;
        int stride;
    };
    const Case cases[] = {
        {PixelFormat::pf1bit, 1, 4},   {PixelFormat::pf1bit, 33, 8},
        {PixelFormat::pf4bit, 9, 8},   {PixelFormat::pf8bit, 5, 8},
        {PixelFormat::pf15bit, 3, 8},  {PixelFormat::pf16bit, 2, 4},
        {PixelFormat::pf24bit, 5, 16}, {PixelFormat::pf24bit, 800, 2400},
        {PixelFormat::pf32bit, 3, 12},
    };
    for (const Case& c : cases) {
        Bitmap b(c.width, 3, c.format);
        EXPECT_EQ(b.bytesPerLine(), c.stride) << c.width;
        EXPECT_EQ(b.scanLine(1) - b.scanLine(0), c.stride);
        EXPECT_EQ(b.scanLine(2)[c.stride - 1], 0); // new pixels are zero
    }
}

TEST(Bitmap, EmptyAndInvalidSizes) {
    EXPECT_TRUE(Bitmap().isEmpty());
    EXPECT_TRUE(Bitmap(0, 4, PixelFormat::pf24bit).isEmpty());
    EXPECT_TRUE(Bitmap(4, 0, PixelFormat::pf24bit).isEmpty());
    EXPECT_FALSE(Bitmap(1, 1, PixelFormat::pf1bit).isEmpty());
    EXPECT_THROW(Bitmap(-1, 4, PixelFormat::pf24bit), std::invalid_argument);
    EXPECT_THROW(Bitmap(std::numeric_limits<int>::max(), 1, PixelFormat::pf32bit),
                 std::length_error);
    Bitmap b(2, 2, PixelFormat::pf8bit);
    EXPECT_THROW(b.scanLine(2), std::out_of_range);
    EXPECT_THROW(b.scanLine(-1), std::out_of_range);
}

TEST(Bitmap, PaletteHoldsAtMost256Entries) {
    Bitmap b(1, 1, PixelFormat::pf8bit);
    b.setPalette(Palette(256));
    EXPECT_EQ(b.palette().size(), 256u);
    EXPECT_THROW(b.setPalette(Palette(257)), std::invalid_argument);
    EXPECT_EQ(b.palette().size(), 256u);
}

TEST(Bitmap, ResizeKeepsTheSharedArea) {
    Bitmap rgb(3, 2, PixelFormat::pf24bit);
    for (int y = 0; y < 2; ++y)
        for (int i = 0; i < 9; ++i)
            rgb.scanLine(y)[i] = static_cast<std::uint8_t>(10 * y + i + 1);
    rgb.setPalette({PaletteEntry{1, 2, 3, 0}});
    rgb.setSize(2, 3);
    EXPECT_EQ(rgb.width(), 2);
    EXPECT_EQ(rgb.scanLine(1)[5], 16);
    EXPECT_EQ(rgb.scanLine(1)[6], 0); // padding, not the old third pixel
    EXPECT_EQ(rgb.scanLine(2)[0], 0);
    EXPECT_EQ(rgb.palette().size(), 1u);

    Bitmap bits(10, 1, PixelFormat::pf1bit);
    bits.scanLine(0)[0] = 0xFF;
    bits.scanLine(0)[1] = 0xC0;
    bits.setSize(3, 1); // the pixels past the new width are cleared
    EXPECT_EQ(bits.scanLine(0)[0], 0xE0);
    bits.setSize(10, 1);
    EXPECT_EQ(bits.scanLine(0)[1], 0);
}

TEST(Bitmap, FormatChangeClearsThePixels) {
    Bitmap b(2, 2, PixelFormat::pf8bit);
    b.scanLine(0)[0] = 5;
    b.setPixelFormat(PixelFormat::pf32bit);
    EXPECT_EQ(b.bytesPerLine(), 8);
    EXPECT_EQ(b.scanLine(0)[0], 0);
}

TEST(Bitmap, CopiesLeaveTheProgressHandlerBehind) {
    Bitmap b(2, 2, PixelFormat::pf24bit);
    b.scanLine(1)[2] = 9;
    b.setTransparent(true);
    b.setTransparentColor(0x00FF00);
    b.onProgress = [](const Bitmap&, ProgressStage, int, bool, const ProgressRect&,
                      const std::string&) {};
    const Bitmap copy(b);
    Bitmap assigned;
    assigned = b;
    for (const Bitmap* c : {&copy, static_cast<const Bitmap*>(&assigned)}) {
        EXPECT_EQ(c->scanLine(1)[2], 9);
        EXPECT_TRUE(c->transparent());
        EXPECT_EQ(c->transparentColor(), 0x00FF00);
        EXPECT_FALSE(c->onProgress);
    }
}

} // namespace
} // namespace tintlace
