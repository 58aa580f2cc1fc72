// Every file the encoder writes is read back by libpng and compared pixel by pixel with what
// the source bitmap says it must hold.
#include "PngTestSupport.h"

#include "png/PngStream.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tintlace {
namespace {

using namespace pngtest;

struct Settings {
    bool grayScale = false;
    const Bitmap* alpha = nullptr;
    TPNGFilterType filter = gpfNone;
    TPNGInterlaceType interlace = gptNone;
    int idatSize = 32768;
};

Bytes encode(const Bitmap& bitmap, const Settings& s) {
    TPNGWriteStream writer;
    writer.GrayScale = s.grayScale;
    writer.AlphaSource = s.alpha;
    writer.Filter = s.filter;
    writer.Interlace = s.interlace;
    writer.SetIDATSize(s.idatSize);
    MemorySink sink;
    writer.SaveToStream(&bitmap, &sink);
    return sink.bytes();
}

// Decodes `file` and checks header and samples against the model of `bitmap`.
void expectRoundTrip(const Bytes& file, const Bitmap& bitmap, const Settings& s) {
    const Decoded d = decodeWithLibpng(file);
    const Expected e = expectedImage(bitmap, s.alpha, s.grayScale);
    EXPECT_TRUE(d.warnings.empty()) << d.warnings.front();
    ASSERT_EQ(d.width, bitmap.width());
    ASSERT_EQ(d.height, bitmap.height());
    EXPECT_EQ(d.bitDepth, e.bitDepth);
    EXPECT_EQ(d.colorType, e.colorType);
    EXPECT_EQ(d.interlace, s.interlace == gptAdam7 ? 1 : 0);
    ASSERT_EQ(d.channels, e.channels);
    for (int y = 0; y < bitmap.height(); ++y)
        ASSERT_EQ(d.rows[y], e.rows[y]) << "row " << y;
}

const PixelFormat allFormats[] = {PixelFormat::pf1bit,  PixelFormat::pf4bit,  PixelFormat::pf8bit,
                                  PixelFormat::pf15bit, PixelFormat::pf16bit, PixelFormat::pf24bit,
                                  PixelFormat::pf32bit};
const TPNGFilterType allFilters[] = {gpfJust, gpfNone, gpfSub, gpfUp, gpfAvg, gpfPaeth};
const char* filterName(TPNGFilterType f) {
    static const char* names[] = {"Adaptive", "None", "Sub", "Up", "Average", "Paeth"};
    return names[f];
}

// Every source format, as colour and as grey, with and without an alpha bitmap, both
// interlace modes and every filter, on an odd size.
using FormatCase = std::tuple<PixelFormat, bool, bool, TPNGInterlaceType, TPNGFilterType>;
class PngFormatRoundTrip : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PngFormatRoundTrip, DecodesToTheSourcePixels) {
    const auto [format, gray, withAlpha, interlace, filter] = GetParam();
    std::mt19937 random(static_cast<unsigned>(static_cast<int>(format) * 131 + filter));
    const Bitmap bitmap = randomBitmap(13, 11, format, random);
    const Bitmap alpha = randomBitmap(13, 11, PixelFormat::pf8bit, random);
    Settings s;
    s.grayScale = gray;
    s.alpha = withAlpha ? &alpha : nullptr;
    s.filter = filter;
    s.interlace = interlace;
    expectRoundTrip(encode(bitmap, s), bitmap, s);
}

std::string formatCaseName(const ::testing::TestParamInfo<FormatCase>& info) {
    const auto [format, gray, withAlpha, interlace, filter] = info.param;
    return std::string(formatName(format)) + (gray ? "_Gray" : "_Color") +
           (withAlpha ? "_Alpha" : "") + (interlace == gptAdam7 ? "_Adam7" : "_Plain") + "_" +
           filterName(filter);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, PngFormatRoundTrip,
                         ::testing::Combine(::testing::ValuesIn(allFormats), ::testing::Bool(),
                                            ::testing::Bool(), ::testing::Values(gptNone, gptAdam7),
                                            ::testing::ValuesIn(allFilters)),
                         formatCaseName);

// Every width and height from 1 to 17 covers every shape of the Adam7 passes, including the
// passes that are left out; packed 1- and 4-bit rows end inside a byte at most widths.
TEST(PngShapes, EverySizeUpTo17RoundTripsWithAdam7) {
    std::mt19937 random(17);
    for (PixelFormat format : {PixelFormat::pf1bit, PixelFormat::pf4bit, PixelFormat::pf24bit}) {
        for (int w = 1; w <= 17; ++w) {
            for (int h = 1; h <= 17; ++h) {
                SCOPED_TRACE(std::string(formatName(format)) + " " + std::to_string(w) + "x" +
                             std::to_string(h));
                const Bitmap bitmap = randomBitmap(w, h, format, random);
                Settings s;
                s.interlace = gptAdam7;
                s.filter = (w + h) % 2 ? gpfJust : gpfPaeth;
                s.grayScale = format == PixelFormat::pf4bit && h % 3 == 0;
                expectRoundTrip(encode(bitmap, s), bitmap, s);
            }
        }
    }
}

// Grey output of palette bitmaps maps each index through the grey level of its entry.
TEST(PngGrayPalettes, IndexedSourcesWrittenAsGrey) {
    const auto entry = [](int r, int g, int b) {
        return PaletteEntry{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                            static_cast<std::uint8_t>(b), 0};
    };
    struct Case {
        const char* name;
        PixelFormat format;
        Palette palette;
    };
    const Case cases[] = {
        {"1 bit, black first", PixelFormat::pf1bit, {entry(0, 0, 0), entry(255, 255, 255)}},
        {"1 bit, white first: bits inverted",
         PixelFormat::pf1bit,
         {entry(255, 255, 255), entry(0, 0, 0)}},
        {"1 bit, no palette", PixelFormat::pf1bit, {}},
        {"4 bit, colours",
         PixelFormat::pf4bit,
         {entry(255, 0, 0), entry(0, 255, 0), entry(0, 0, 255), entry(200, 100, 50),
          entry(255, 255, 255)}},
        {"4 bit, no palette: nibbles map to themselves", PixelFormat::pf4bit, {}},
        {"8 bit, short palette",
         PixelFormat::pf8bit,
         {entry(10, 20, 30), entry(128, 128, 128), entry(255, 255, 255)}},
        {"8 bit, no palette", PixelFormat::pf8bit, {}},
    };
    std::mt19937 random(4);
    for (const Case& c : cases) {
        for (TPNGInterlaceType interlace : {gptNone, gptAdam7}) {
            SCOPED_TRACE(std::string(c.name) + (interlace == gptAdam7 ? ", Adam7" : ""));
            Bitmap bitmap(19, 7, c.format);
            const int indices =
                c.palette.empty() ? 1 << storageBits(c.format) : static_cast<int>(c.palette.size());
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 19; ++x)
                    setIndex(bitmap, x, y, static_cast<int>(random() % indices));
            bitmap.setPalette(c.palette);
            Settings s;
            s.grayScale = true;
            s.interlace = interlace;
            s.filter = gpfJust;
            expectRoundTrip(encode(bitmap, s), bitmap, s);
        }
    }
}

// Hand-picked source pixels and the PNG pixels they must give.
TEST(PngPixels, KnownSourceValues) {
    struct Case {
        const char* name;
        PixelFormat format;
        Bytes source; // the first bytes of the only row
        bool gray;
        Bytes expected;
    };
    const Case cases[] = {
        {"24 bit blue-green-red to RGB", PixelFormat::pf24bit, {10, 20, 30}, false, {30, 20, 10}},
        {"24 bit to grey", PixelFormat::pf24bit, {10, 20, 30}, true, {21}},
        {"32 bit ignores the fourth byte",
         PixelFormat::pf32bit,
         {10, 20, 30, 99},
         false,
         {30, 20, 10}},
        {"15 bit white", PixelFormat::pf15bit, {0xFF, 0x7F}, false, {255, 255, 255}},
        {"15 bit green", PixelFormat::pf15bit, {0xE0, 0x03}, false, {0, 255, 0}},
        {"16 bit green", PixelFormat::pf16bit, {0xE0, 0x07}, false, {0, 255, 0}},
        {"16 bit red", PixelFormat::pf16bit, {0x00, 0xF8}, false, {255, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap bitmap(1, 1, c.format);
        std::copy(c.source.begin(), c.source.end(), bitmap.scanLine(0));
        Settings s;
        s.grayScale = c.gray;
        const Decoded d = decodeWithLibpng(encode(bitmap, s));
        EXPECT_EQ(d.rows[0], c.expected);
    }
}

TEST(PngPixels, AlphaBitmapHoldsTransparency) {
    Bitmap bitmap(3, 1, PixelFormat::pf24bit);
    Bitmap alpha(3, 1, PixelFormat::pf8bit);
    alpha.scanLine(0)[0] = 0;
    alpha.scanLine(0)[1] = 255;
    alpha.scanLine(0)[2] = 64;
    Settings s;
    s.alpha = &alpha;
    const Decoded d = decodeWithLibpng(encode(bitmap, s));
    ASSERT_EQ(d.colorType, 6);
    EXPECT_EQ(d.rows[0][3], 255);
    EXPECT_EQ(d.rows[0][7], 0);
    EXPECT_EQ(d.rows[0][11], 191);
}

} // namespace
} // namespace tintlace
