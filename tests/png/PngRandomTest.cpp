// Randomized differential test: random bitmaps and settings, each file read back by libpng.
// The normal run uses fixed seeds; set TINTLACE_PNG_RANDOM_RUNS to a larger number (and
// TINTLACE_PNG_RANDOM_SEED to start elsewhere) for a longer search.
#include "PngTestSupport.h"

#include "png/PngStream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace tintlace {
namespace {

using namespace pngtest;

int envNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

int pick(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

TColor randomColor(std::mt19937& random, int paletteSize) {
    switch (pick(random, 0, 3)) {
    case 0:
        return NoColor;
    case 1:
        if (paletteSize > 0)
            return 0x01000000 | pick(random, 0, paletteSize - 1);
        [[fallthrough]];
    default:
        return static_cast<TColor>(random() & 0xFFFFFF);
    }
}

TEST(PngRandom, RandomBitmapsAndSettingsRoundTrip) {
    const int runs = envNumber("TINTLACE_PNG_RANDOM_RUNS", 1000);
    const int first = envNumber("TINTLACE_PNG_RANDOM_SEED", 1);
    const PixelFormat formats[] = {PixelFormat::pf1bit,  PixelFormat::pf4bit,  PixelFormat::pf8bit,
                                   PixelFormat::pf15bit, PixelFormat::pf16bit, PixelFormat::pf24bit,
                                   PixelFormat::pf32bit};
    for (int seed = first; seed < first + runs; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        const PixelFormat format = formats[pick(random, 0, 6)];
        const int bits = storageBits(format);
        const bool large = pick(random, 0, 9) == 0;
        const int w = pick(random, 1, large ? 300 : 40);
        const int h = pick(random, 1, large ? 120 : 40);
        const bool gray = pick(random, 0, 2) == 0;
        int paletteSize = 0;
        if (bits <= 8)
            paletteSize =
                pick(random, 0, 3) == 0 ? pick(random, 1, 256) : pick(random, 1, 1 << bits);
        Bitmap bitmap = randomBitmap(w, h, format, random, paletteSize);
        if (bits <= 8 && gray && pick(random, 0, 3) == 0)
            bitmap.setPalette({});

        // The alpha bitmap is used only when it matches the image: sometimes it does not.
        const int alphaKind = pick(random, 0, 3);
        Bitmap alpha;
        if (alphaKind == 1)
            alpha = randomBitmap(w, h, PixelFormat::pf8bit, random);
        else if (alphaKind == 2)
            alpha = randomBitmap(w + 1, h, PixelFormat::pf8bit, random);
        else if (alphaKind == 3)
            alpha = randomBitmap(w, h, PixelFormat::pf24bit, random);

        TPNGWriteStream writer;
        writer.GrayScale = gray;
        writer.AlphaSource = alphaKind != 0 ? &alpha : nullptr;
        writer.Filter = static_cast<TPNGFilterType>(pick(random, 0, 7));
        writer.Interlace = pick(random, 0, 1) ? gptAdam7 : gptNone;
        writer.SetIDATSize(pick(random, 0, 1) ? pick(random, 256, 2000)
                                              : pick(random, 256, 100000));
        writer.CompressLevel = pick(random, -2, 11);
        writer.BGColor = randomColor(random, static_cast<int>(bitmap.palette().size()));
        writer.TransColor = randomColor(random, static_cast<int>(bitmap.palette().size()));
        writer.Gamma = pick(random, 0, 1) ? 0.45455 : 0;
        writer.Comment = pick(random, 0, 1) ? "random" : "";

        std::ostringstream what;
        what << "seed " << seed << ": " << formatName(format) << " " << w << "x" << h
             << (gray ? " grey" : "") << " alpha kind " << alphaKind << " filter "
             << int{writer.Filter} << (writer.Interlace ? " Adam7" : "") << " IDAT "
             << writer.GetIDATSize() << " level " << writer.CompressLevel << " palette "
             << bitmap.palette().size();
        SCOPED_TRACE(what.str());

        MemorySink sink;
        writer.SaveToStream(&bitmap, &sink);
        const Decoded d = decodeWithLibpng(sink.bytes());
        const Expected e = expectedImage(bitmap, alphaKind == 1 ? &alpha : nullptr, gray);
        ASSERT_TRUE(d.warnings.empty()) << d.warnings.front();
        ASSERT_EQ(d.colorType, e.colorType);
        ASSERT_EQ(d.bitDepth, e.bitDepth);
        ASSERT_EQ(d.rows, e.rows);
        const auto chunks = parseChunks(sink.bytes());
        ASSERT_EQ(chunks.back().type, "IEND");
        for (const Chunk& c : chunks) {
            if (c.type == "IDAT" && &c != &chunks[chunks.size() - 2]) {
                ASSERT_EQ(c.data.size(), static_cast<std::size_t>(writer.GetIDATSize()));
            }
        }
    }
}

} // namespace
} // namespace tintlace
