// The image data: pass and row order, the deflate stream against zlib alone, progress, the
// stop flag and destination errors.
#include "PngTestSupport.h"

#include "png/Adam7.h"
#include "png/PngStream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <stdexcept>

namespace tintlace {
namespace {

using namespace pngtest;

// The raw rows of a 24-bit bitmap as the PNG stream holds them, each behind filter type 0,
// in pass order.
Bytes unfilteredRows(const Bitmap& b, bool adam7) {
    Bytes rows;
    const Adam7Pass whole{0, 1, 0, 1};
    for (int pass = 0; pass < (adam7 ? 7 : 1); ++pass) {
        const Adam7Pass p = adam7 ? Adam7Passes[pass] : whole;
        if (adam7Count(b.width(), p.startCol, p.colStep) == 0)
            continue;
        for (int y = p.startRow; y < b.height(); y += p.rowStep) {
            rows.push_back(0);
            for (int x = p.startCol; x < b.width(); x += p.colStep) {
                const std::uint8_t* px = b.scanLine(y) + 3 * x;
                rows.insert(rows.end(), {px[2], px[1], px[0]});
            }
        }
    }
    return rows;
}

Bytes zlibAlone(const Bytes& data, int level) {
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY), Z_OK);
    Bytes out(deflateBound(&z, data.size()));
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

Bytes encode(const Bitmap& bitmap, TPNGInterlaceType interlace, TPNGFilterType filter,
             int level = -1, int idatSize = 32768) {
    TPNGWriteStream writer;
    writer.Interlace = interlace;
    writer.Filter = filter;
    writer.CompressLevel = level;
    writer.SetIDATSize(idatSize);
    MemorySink sink;
    writer.SaveToStream(&bitmap, &sink);
    return sink.bytes();
}

TEST(PngImageData, FilterNoneStreamEqualsZlibAlone) {
    std::mt19937 random(5);
    Bitmap noise = randomBitmap(97, 41, PixelFormat::pf24bit, random);
    Bitmap flat(120, 30, PixelFormat::pf24bit);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120 * 3; ++x)
            flat.scanLine(y)[x] = static_cast<std::uint8_t>(x / 30 + y);
    for (const Bitmap* b : {&noise, &flat}) {
        for (TPNGInterlaceType interlace : {gptNone, gptAdam7}) {
            for (int level : {-1, 1, 9}) {
                SCOPED_TRACE(std::to_string(b->width()) + (interlace ? " Adam7" : "") + " level " +
                             std::to_string(level));
                const Bytes file = encode(*b, interlace, gpfNone, level, 256);
                EXPECT_EQ(idatStream(parseChunks(file)),
                          zlibAlone(unfilteredRows(*b, interlace == gptAdam7), level));
            }
        }
    }
}

TEST(PngImageData, CompressLevelOutsideZeroToNineMeansTheDefault) {
    std::mt19937 random(6);
    const Bitmap b = randomBitmap(30, 20, PixelFormat::pf24bit, random);
    const Bytes standard = encode(b, gptNone, gpfNone, -1);
    EXPECT_EQ(encode(b, gptNone, gpfNone, 10), standard);
    EXPECT_EQ(encode(b, gptNone, gpfNone, -5), standard);
    EXPECT_EQ(encode(b, gptNone, gpfNone, 6), standard);
    EXPECT_NE(encode(b, gptNone, gpfNone, 0), standard);
}

TEST(PngImageData, SmallAdam7ImagesWriteOnlyTheirPasses) {
    struct Case {
        const char* name;
        int width, height;
        std::vector<std::size_t> rowSizes; // filter byte included
    };
    const Case cases[] = {
        {"1 x 1: pass 1 only", 1, 1, {4}},
        {"2 x 2: passes 1, 6 and 7", 2, 2, {4, 4, 7}},
        {"3 x 1: passes 1, 4 and 6", 3, 1, {4, 4, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap b(c.width, c.height, PixelFormat::pf24bit);
        const Bytes raw = inflateAll(idatStream(parseChunks(encode(b, gptAdam7, gpfNone))));
        std::size_t total = 0;
        for (std::size_t s : c.rowSizes)
            total += s;
        EXPECT_EQ(raw.size(), total);
    }
}

TEST(PngImageData, UpFilterStartsEveryPassAgainstZeros) {
    std::mt19937 random(7);
    const Bitmap b = randomBitmap(9, 9, PixelFormat::pf24bit, random);
    const Bytes raw = inflateAll(idatStream(parseChunks(encode(b, gptAdam7, gpfUp))));
    const Bytes rows = unfilteredRows(b, true);
    ASSERT_EQ(raw.size(), rows.size());
    std::size_t pos = 0;
    for (const Adam7Pass& p : Adam7Passes) {
        const std::size_t rowBytes =
            1 + 3 * static_cast<std::size_t>(adam7Count(9, p.startCol, p.colStep));
        for (int y = p.startRow; y < 9; y += p.rowStep) {
            EXPECT_EQ(raw[pos], 2);
            const bool first = y == p.startRow;
            const bool same = std::equal(raw.begin() + pos + 1, raw.begin() + pos + rowBytes,
                                         rows.begin() + pos + 1);
            EXPECT_EQ(same, first) << "pass row at " << y;
            pos += rowBytes;
        }
    }
}

TEST(PngImageData, ProgressOfTheImageStage) {
    struct Case {
        const char* name;
        int height;
        TPNGInterlaceType interlace;
        std::vector<int> reported;
    };
    const Case cases[] = {
        {"2 x 2 Adam7: five steps, every row reported", 2, gptAdam7, {0, 29, 43, 57, 71, 100}},
        {"10 rows: rows 2, 6 and 10 reported", 10, gptNone, {0, 29, 43, 71, 99, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap b(2, c.height, PixelFormat::pf24bit);
        std::vector<int> reported;
        b.onProgress = [&](const Bitmap&, ProgressStage, int percent, bool, const ProgressRect&,
                           const std::string&) { reported.push_back(percent); };
        encode(b, c.interlace, gpfNone);
        EXPECT_EQ(reported, c.reported);
    }
}

// A writer whose progress callback stops it at a chosen percent.
class StoppingWriter : public TPNGWriteStream {
public:
    explicit StoppingWriter(int stopAt) : m_stopAt(stopAt) {}
    bool CallBackProc(int percent) override { return percent >= m_stopAt; }

private:
    int m_stopAt;
};

TEST(PngImageData, StopFlagEndsTheFileWithoutIEND) {
    std::mt19937 random(9);
    const Bitmap b = randomBitmap(400, 400, PixelFormat::pf24bit, random);
    struct Case {
        const char* name;
        int stopAt;
        bool idat;
    };
    const Case cases[] = {{"after the header", 29, false}, {"inside the image", 60, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StoppingWriter writer(c.stopAt);
        writer.SetIDATSize(256);
        MemorySink sink;
        writer.SaveToStream(&b, &sink);
        const auto chunks = parseChunks(sink.bytes()); // whole chunks only
        EXPECT_EQ(findChunk(chunks, "IEND"), nullptr);
        EXPECT_EQ(findChunk(chunks, "IDAT") != nullptr, c.idat);
        EXPECT_EQ(chunks[0].type, "IHDR");
    }
}

TEST(PngImageData, DestinationErrorsComeThrough) {
    class FailingSink : public ByteSink {
    public:
        explicit FailingSink(std::size_t limit) : m_limit(limit) {}
        void write(const void*, std::size_t count) override {
            if (m_written + count > m_limit)
                throw std::runtime_error("device full");
            m_written += count;
        }

    private:
        std::size_t m_limit;
        std::size_t m_written = 0;
    };
    std::mt19937 random(10);
    const Bitmap b = randomBitmap(300, 300, PixelFormat::pf24bit, random);
    for (std::size_t limit : {std::size_t{0}, std::size_t{70000}, std::size_t{250000}}) {
        SCOPED_TRACE(limit);
        FailingSink sink(limit);
        TPNGWriteStream writer;
        writer.SetIDATSize(100000);
        EXPECT_THROW(writer.SaveToStream(&b, &sink), std::runtime_error);
    }
}

TEST(PngImageData, LargeChunksGoStraightToTheDestination) {
    std::mt19937 random(12);
    const Bitmap b = randomBitmap(300, 200, PixelFormat::pf24bit, random);
    const Bytes file = encode(b, gptAdam7, gpfJust, -1, 100000);
    const auto chunks = parseChunks(file);
    EXPECT_EQ(findChunk(chunks, "IDAT")->data.size(), 100000u);
    EXPECT_EQ(decodeWithLibpng(file).rows, expectedImage(b, nullptr, false).rows);
}

} // namespace
} // namespace tintlace
