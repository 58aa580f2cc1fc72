// PNG encoder speed against libpng with identical settings and against zlib alone deflating
// the same filtered rows (the floor: no encoder can deflate the same bytes faster).
//
// Images: a banner-like picture (flat background, coloured strokes, as the export makes) and
// a photo-like one (smooth colour fields with noise), at 800 x 65, 1920 x 1080 and
// 4096 x 4096. Settings: the export's (Adam7, filter None), non-interlaced filter None, and
// the adaptive filter against libpng's default adaptive encode.
#include "platform/Bitmap.h"
#include "png/Adam7.h"
#include "png/PngGraphic.h"

#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <tuple>
#include <vector>

using namespace tintlace;

namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Kind { Banner, Photo };

Bitmap makeImage(int w, int h, Kind kind) {
    Bitmap b(w, h, PixelFormat::pf24bit);
    std::mt19937 random(static_cast<unsigned>(w * 7 + h));
    if (kind == Kind::Photo) {
        for (int y = 0; y < h; ++y) {
            std::uint8_t* row = b.scanLine(y);
            for (int x = 0; x < w; ++x) {
                const double fx = x * 800.0 / w, fy = y * 600.0 / h;
                const int noise = static_cast<int>(random() % 17) - 8;
                const auto channel = [&](double v) {
                    return static_cast<std::uint8_t>(
                        std::clamp(static_cast<int>(v) + noise, 0, 255));
                };
                row[3 * x] = channel(128 + 100 * std::sin(fx / 37 + fy / 53));
                row[3 * x + 1] = channel(128 + 90 * std::cos(fx / 71 - fy / 29));
                row[3 * x + 2] = channel(128 + 110 * std::sin((fx + fy) / 97));
            }
        }
        return b;
    }
    // Banner: lines of anti-aliased glyph-like strokes on a plain background, each glyph in
    // a colour running through three stops along the line, with a soft drop shadow, as the
    // preview draws text.
    const double bg[3] = {250, 245, 235};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                b.scanLine(y)[3 * x + c] = static_cast<std::uint8_t>(bg[c]);
    const auto blend = [&](int x, int y, const double color[3], double cover) {
        if (x < 0 || y < 0 || x >= w || y >= h || cover <= 0)
            return;
        std::uint8_t* p = b.scanLine(y) + 3 * x;
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<std::uint8_t>(std::lround(p[c] * (1 - cover) + color[c] * cover));
    };
    const int line = std::min(h, 65);
    const int glyph = line * 6 / 10;
    const double thick = std::max(2.0, glyph / 7.0);
    for (int top = 0; top + line <= h; top += line) {
        for (int left = 6; left + glyph <= w; left += glyph + glyph / 6) {
            struct Stroke {
                double x0, y0, x1, y1;
            };
            std::vector<Stroke> strokes;
            const int count = 2 + static_cast<int>(random() % 4);
            const auto coord = [&](int base) {
                return base + static_cast<double>(random() % static_cast<unsigned>(glyph));
            };
            for (int i = 0; i < count; ++i)
                strokes.push_back({coord(left), coord(top + 8), coord(left), coord(top + 8)});
            const double t = static_cast<double>(left) / w; // gradient left to centre to right
            const double color[3] = {t < 0.5 ? 255 * 2 * t : 255.0,
                                     t < 0.5 ? 255.0 : 255 * (2 - 2 * t),
                                     t < 0.5 ? 255 * (1 - 2 * t) : 255 * (2 * t - 1)};
            const double shadow[3] = {90, 90, 90};
            const auto coverage = [&](double px, double py) {
                double best = 1e9;
                for (const Stroke& s : strokes) {
                    const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
                    const double len2 = dx * dx + dy * dy;
                    const double u =
                        len2 > 0
                            ? std::clamp(((px - s.x0) * dx + (py - s.y0) * dy) / len2, 0.0, 1.0)
                            : 0;
                    best = std::min(best, std::hypot(px - s.x0 - u * dx, py - s.y0 - u * dy));
                }
                return std::clamp(thick / 2 + 0.5 - best, 0.0, 1.0);
            };
            for (int pass = 0; pass < 2; ++pass) { // shadow first, then the glyph
                const int offset = pass == 0 ? 3 : 0;
                for (int y = top + 8 - 4; y < top + 8 + glyph + 4; ++y)
                    for (int x = left - 4; x < left + glyph + 4; ++x) {
                        const double cover = coverage(x - offset + 0.5, y - offset + 0.5);
                        blend(x, y, pass == 0 ? shadow : color, pass == 0 ? cover * 0.5 : cover);
                    }
            }
        }
    }
    return b;
}

const Bitmap& image(int w, int h, Kind kind) {
    static std::map<std::tuple<int, int, Kind>, Bitmap> cache;
    auto [it, added] = cache.try_emplace({w, h, kind});
    if (added)
        it->second = makeImage(w, h, kind);
    return it->second;
}

// The rows as the PNG stream holds them with filter None, in pass order.
Bytes filteredRows(const Bitmap& b, bool adam7) {
    Bytes rows;
    const Adam7Pass whole{0, 1, 0, 1};
    for (int pass = 0; pass < (adam7 ? 7 : 1); ++pass) {
        const Adam7Pass p = adam7 ? Adam7Passes[pass] : whole;
        if (adam7Count(b.width(), p.startCol, p.colStep) == 0)
            continue;
        for (int y = p.startRow; y < b.height(); y += p.rowStep) {
            rows.push_back(0);
            const std::uint8_t* src = b.scanLine(y);
            for (int x = p.startCol; x < b.width(); x += p.colStep)
                rows.insert(rows.end(), {src[3 * x + 2], src[3 * x + 1], src[3 * x]});
        }
    }
    return rows;
}

class CountingSink : public ByteSink {
public:
    void write(const void*, std::size_t count) override { size += count; }
    std::size_t size = 0;
};

std::size_t encodeOurs(const Bitmap& b, TPNGFilterType filter, TPNGInterlaceType interlace,
                       ByteSink* into = nullptr) {
    TPNGGraphic png;
    png.SetImage(const_cast<Bitmap*>(&b));
    png.Filter = filter;
    png.Interlace = interlace;
    png.Comment = "Generated By TINTLACE";
    CountingSink counter;
    png.SaveToStream(into ? *into : counter);
    return counter.size;
}

void countPng(png_structp png, png_bytep, png_size_t count) {
    *static_cast<std::size_t*>(png_get_io_ptr(png)) += count;
}
void flushNothing(png_structp) {}

// libpng with the same settings; `adaptive` leaves filter choice and strategy at its defaults.
std::size_t encodeLibpng(const Bitmap& b, bool adaptive, bool adam7) {
    std::size_t size = 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::abort();
    }
    png_set_write_fn(png, &size, countPng, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(b.width()),
                 static_cast<png_uint_32>(b.height()), 8, PNG_COLOR_TYPE_RGB,
                 adam7 ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, Z_DEFAULT_COMPRESSION);
    png_set_compression_window_bits(png, 15);
    png_set_compression_mem_level(png, 8);
    if (!adaptive) {
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
        png_set_compression_strategy(png, Z_DEFAULT_STRATEGY);
    }
    png_set_gAMA_fixed(png, info, 45455);
    png_write_info(png, info);
    png_set_bgr(png);
    std::vector<png_bytep> rows(static_cast<std::size_t>(b.height()));
    for (int y = 0; y < b.height(); ++y)
        rows[y] = const_cast<png_bytep>(b.scanLine(y));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return size;
}

Bytes deflateAlone(const Bytes& data, Bytes& out) {
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        std::abort();
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    if (deflate(&z, Z_FINISH) != Z_STREAM_END)
        std::abort();
    const std::size_t size = z.total_out;
    deflateEnd(&z);
    return Bytes(out.begin(), out.begin() + static_cast<long>(size));
}

// The IDAT payloads of a file, joined.
Bytes idatOf(const Bytes& file) {
    Bytes stream;
    for (std::size_t pos = 8; pos + 12 <= file.size();) {
        const std::size_t length = static_cast<std::size_t>(file[pos]) << 24 | file[pos + 1] << 16 |
                                   file[pos + 2] << 8 | file[pos + 3];
        if (std::memcmp(&file[pos + 4], "IDAT", 4) == 0)
            stream.insert(stream.end(), file.begin() + static_cast<long>(pos + 8),
                          file.begin() + static_cast<long>(pos + 8 + length));
        pos += 12 + length;
    }
    return stream;
}

// With filter None our image data must be zlib's own output for the same rows.
void checkAgainstFloor(const Bitmap& b, bool adam7) {
    MemorySink file;
    encodeOurs(b, gpfNone, adam7 ? gptAdam7 : gptNone, &file);
    const Bytes rows = filteredRows(b, adam7);
    Bytes out(deflateBound(nullptr, rows.size()) + 1024);
    if (idatOf(file.bytes()) != deflateAlone(rows, out)) {
        std::fprintf(stderr, "image data differs from zlib's output for %dx%d\n", b.width(),
                     b.height());
        std::abort();
    }
}

struct Size {
    int w, h;
};
const Size sizes[] = {{800, 65}, {1920, 1080}, {4096, 4096}};

void BM_Ours(benchmark::State& state, Kind kind, TPNGFilterType filter, bool adam7) {
    const Size s = sizes[state.range(0)];
    const Bitmap& b = image(s.w, s.h, kind);
    if (filter == gpfNone)
        checkAgainstFloor(b, adam7);
    std::size_t size = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(size = encodeOurs(b, filter, adam7 ? gptAdam7 : gptNone));
    state.counters["bytes"] = static_cast<double>(size);
}

void BM_Libpng(benchmark::State& state, Kind kind, bool adaptive, bool adam7) {
    const Size s = sizes[state.range(0)];
    const Bitmap& b = image(s.w, s.h, kind);
    std::size_t size = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(size = encodeLibpng(b, adaptive, adam7));
    state.counters["bytes"] = static_cast<double>(size);
}

void BM_ZlibFloor(benchmark::State& state, Kind kind, bool adam7) {
    const Size s = sizes[state.range(0)];
    const Bytes rows = filteredRows(image(s.w, s.h, kind), adam7);
    Bytes out(deflateBound(nullptr, rows.size()) + 1024);
    std::size_t size = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(size = deflateAlone(rows, out).size());
    state.counters["bytes"] = static_cast<double>(size);
}

void sizesOf(benchmark::internal::Benchmark* b) {
    b->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(1.0);
}

} // namespace

#define PNG_BENCH_KIND(KIND)                                                                       \
    BENCHMARK_CAPTURE(BM_ZlibFloor, KIND##_Export, Kind::KIND, true)->Apply(sizesOf);              \
    BENCHMARK_CAPTURE(BM_Ours, KIND##_Export, Kind::KIND, gpfNone, true)->Apply(sizesOf);          \
    BENCHMARK_CAPTURE(BM_Libpng, KIND##_Export, Kind::KIND, false, true)->Apply(sizesOf);          \
    BENCHMARK_CAPTURE(BM_ZlibFloor, KIND##_PlainNone, Kind::KIND, false)->Apply(sizesOf);          \
    BENCHMARK_CAPTURE(BM_Ours, KIND##_PlainNone, Kind::KIND, gpfNone, false)->Apply(sizesOf);      \
    BENCHMARK_CAPTURE(BM_Libpng, KIND##_PlainNone, Kind::KIND, false, false)->Apply(sizesOf);      \
    BENCHMARK_CAPTURE(BM_Ours, KIND##_Adaptive, Kind::KIND, gpfJust, false)->Apply(sizesOf);       \
    BENCHMARK_CAPTURE(BM_Libpng, KIND##_Adaptive, Kind::KIND, true, false)->Apply(sizesOf);

PNG_BENCH_KIND(Banner)
PNG_BENCH_KIND(Photo)

BENCHMARK_MAIN();
