#include "PngTestSupport.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstring>
#include <stdexcept>

namespace tintlace::pngtest {

namespace {
std::uint32_t readBE32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}
} // namespace

std::vector<Chunk> parseChunks(const Bytes& file) {
    static const std::uint8_t signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    if (file.size() < 8 || std::memcmp(file.data(), signature, 8) != 0)
        throw std::runtime_error("no PNG signature");
    std::vector<Chunk> chunks;
    std::size_t pos = 8;
    while (pos < file.size()) {
        if (file.size() - pos < 12)
            throw std::runtime_error("truncated chunk header");
        const std::uint32_t length = readBE32(&file[pos]);
        if (length > 0x7FFFFFFF || file.size() - pos - 12 < length)
            throw std::runtime_error("chunk length runs past the end");
        Chunk chunk;
        chunk.type.assign(reinterpret_cast<const char*>(&file[pos + 4]), 4);
        chunk.data.assign(file.begin() + static_cast<long>(pos + 8),
                          file.begin() + static_cast<long>(pos + 8 + length));
        const uLong crc = crc32(0L, &file[pos + 4], 4 + length);
        if (readBE32(&file[pos + 8 + length]) != crc)
            throw std::runtime_error("bad CRC in " + chunk.type);
        chunks.push_back(std::move(chunk));
        pos += 12 + length;
    }
    return chunks;
}

std::vector<std::string> chunkTypes(const std::vector<Chunk>& chunks) {
    std::vector<std::string> types;
    for (const Chunk& c : chunks)
        types.push_back(c.type);
    return types;
}

const Chunk* findChunk(const std::vector<Chunk>& chunks, const std::string& type) {
    for (const Chunk& c : chunks)
        if (c.type == type)
            return &c;
    return nullptr;
}

Bytes idatStream(const std::vector<Chunk>& chunks) {
    Bytes stream;
    for (const Chunk& c : chunks)
        if (c.type == "IDAT")
            stream.insert(stream.end(), c.data.begin(), c.data.end());
    return stream;
}

Bytes inflateAll(const Bytes& stream) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        throw std::runtime_error("inflateInit failed");
    Bytes out;
    std::uint8_t buffer[16384];
    z.next_in = const_cast<Bytef*>(stream.data());
    z.avail_in = static_cast<uInt>(stream.size());
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        result = inflate(&z, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END) {
            inflateEnd(&z);
            throw std::runtime_error("inflate failed");
        }
        out.insert(out.end(), buffer, buffer + (sizeof buffer - z.avail_out));
    }
    const bool trailing = z.avail_in != 0;
    inflateEnd(&z);
    if (trailing)
        throw std::runtime_error("bytes after the end of the zlib stream");
    return out;
}

namespace {

struct ReadState {
    const Bytes* file;
    std::size_t pos;
    std::string error;
    std::vector<std::string> warnings;
};

void readData(png_structp png, png_bytep out, png_size_t count) {
    auto* state = static_cast<ReadState*>(png_get_io_ptr(png));
    if (state->file->size() - state->pos < count)
        png_error(png, "read past the end of the file");
    std::memcpy(out, state->file->data() + state->pos, count);
    state->pos += count;
}

void onError(png_structp png, png_const_charp message) {
    static_cast<ReadState*>(png_get_error_ptr(png))->error = message;
    png_longjmp(png, 1);
}

void onWarning(png_structp png, png_const_charp message) {
    static_cast<ReadState*>(png_get_error_ptr(png))->warnings.emplace_back(message);
}

} // namespace

Decoded decodeWithLibpng(const Bytes& file) {
    ReadState state{&file, 0, {}, {}};
    Decoded out;
    std::vector<png_bytep> rowPointers;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, onError, onWarning);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng: " + state.error);
    }
    png_set_read_fn(png, &state, readData);
    png_read_info(png, info);
    out.width = static_cast<int>(png_get_image_width(png, info));
    out.height = static_cast<int>(png_get_image_height(png, info));
    out.bitDepth = png_get_bit_depth(png, info);
    out.colorType = png_get_color_type(png, info);
    out.interlace = png_get_interlace_type(png, info);
    if (out.bitDepth < 8)
        png_set_packing(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    out.channels = png_get_channels(png, info);
    out.rows.assign(
        static_cast<std::size_t>(out.height),
        Bytes(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.channels)));
    rowPointers.resize(out.rows.size());
    for (std::size_t i = 0; i < out.rows.size(); ++i)
        rowPointers[i] = out.rows[i].data();
    png_read_image(png, rowPointers.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    out.warnings = state.warnings;
    return out;
}

namespace {

struct Rgb {
    int red, green, blue;
};

int widen5(int v) {
    return (v << 3) | (v >> 2);
}
int widen6(int v) {
    return (v << 2) | (v >> 4);
}

int indexAt(const Bitmap& b, int x, int y) {
    const std::uint8_t* row = b.scanLine(y);
    switch (b.pixelFormat()) {
    case PixelFormat::pf1bit:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case PixelFormat::pf4bit:
        return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 15;
    default:
        return row[x];
    }
}

Rgb colorAt(const Bitmap& b, int x, int y) {
    const std::uint8_t* row = b.scanLine(y);
    switch (b.pixelFormat()) {
    case PixelFormat::pf15bit: {
        const int w = row[2 * x] | row[2 * x + 1] << 8;
        return {widen5(w >> 10 & 31), widen5(w >> 5 & 31), widen5(w & 31)};
    }
    case PixelFormat::pf16bit: {
        const int w = row[2 * x] | row[2 * x + 1] << 8;
        return {widen5(w >> 11 & 31), widen6(w >> 5 & 63), widen5(w & 31)};
    }
    case PixelFormat::pf24bit:
        return {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
    case PixelFormat::pf32bit:
        return {row[4 * x + 2], row[4 * x + 1], row[4 * x]};
    default:
        throw std::logic_error("not a true-colour format");
    }
}

int luma(int r, int g, int b) {
    return 77 * r + 150 * g + 29 * b;
}

} // namespace

Expected expectedImage(const Bitmap& source, const Bitmap* alpha, bool grayScale) {
    Expected e;
    const int bits = storageBits(source.pixelFormat());
    const bool indexed = bits <= 8;
    const bool useAlpha = alpha != nullptr && (!indexed || (grayScale && bits == 8));
    const Palette& pal = source.palette();
    if (indexed && !grayScale) {
        e = {bits, 3, 1, {}};
    } else if (grayScale) {
        e = {indexed ? bits : 8, useAlpha ? 4 : 0, useAlpha ? 2 : 1, {}};
    } else {
        e = {8, useAlpha ? 6 : 2, useAlpha ? 4 : 3, {}};
    }
    const auto entryLuma = [&](int i) {
        if (i >= static_cast<int>(pal.size()))
            return 0;
        return luma(pal[i].red, pal[i].green, pal[i].blue);
    };
    const bool invert1 = bits == 1 && !pal.empty() && entryLuma(0) / 256 > entryLuma(1) / 256;
    for (int y = 0; y < source.height(); ++y) {
        Bytes row;
        for (int x = 0; x < source.width(); ++x) {
            if (indexed) {
                const int index = indexAt(source, x, y);
                int sample = index;
                if (grayScale && !pal.empty()) {
                    if (bits == 1)
                        sample = invert1 ? 1 - index : index;
                    else if (bits == 4)
                        sample = entryLuma(index) / 4096;
                    else
                        sample = entryLuma(index) / 256;
                }
                row.push_back(static_cast<std::uint8_t>(sample));
            } else {
                const Rgb c = colorAt(source, x, y);
                if (grayScale) {
                    row.push_back(static_cast<std::uint8_t>(luma(c.red, c.green, c.blue) >> 8));
                } else {
                    row.push_back(static_cast<std::uint8_t>(c.red));
                    row.push_back(static_cast<std::uint8_t>(c.green));
                    row.push_back(static_cast<std::uint8_t>(c.blue));
                }
            }
            if (useAlpha)
                row.push_back(static_cast<std::uint8_t>(255 - alpha->scanLine(y)[x]));
        }
        e.rows.push_back(std::move(row));
    }
    return e;
}

void setIndex(Bitmap& bitmap, int x, int y, int index) {
    std::uint8_t* row = bitmap.scanLine(y);
    switch (bitmap.pixelFormat()) {
    case PixelFormat::pf1bit:
        row[x / 8] = static_cast<std::uint8_t>((row[x / 8] & ~(0x80 >> x % 8)) |
                                               ((index & 1) << (7 - x % 8)));
        break;
    case PixelFormat::pf4bit:
        row[x / 2] = x % 2 == 0 ? static_cast<std::uint8_t>((row[x / 2] & 0x0F) | index << 4)
                                : static_cast<std::uint8_t>((row[x / 2] & 0xF0) | (index & 15));
        break;
    default:
        row[x] = static_cast<std::uint8_t>(index);
        break;
    }
}

void fillRandom(Bitmap& bitmap, std::mt19937& random, int paletteSize) {
    const int bits = storageBits(bitmap.pixelFormat());
    if (bits <= 8) {
        const int size = paletteSize > 0 ? paletteSize : 1 << bits;
        Palette palette(static_cast<std::size_t>(size));
        for (PaletteEntry& e : palette)
            e = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                 static_cast<std::uint8_t>(random()), 0};
        bitmap.setPalette(palette);
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                setIndex(bitmap, x, y, static_cast<int>(random() % static_cast<unsigned>(size)));
        return;
    }
    for (int y = 0; y < bitmap.height(); ++y) {
        std::uint8_t* row = bitmap.scanLine(y);
        for (int i = 0; i < bitmap.bytesPerLine(); ++i)
            row[i] = static_cast<std::uint8_t>(random());
    }
}

Bitmap randomBitmap(int width, int height, PixelFormat format, std::mt19937& random,
                    int paletteSize) {
    Bitmap b(width, height, format);
    fillRandom(b, random, paletteSize);
    return b;
}

const char* formatName(PixelFormat format) {
    switch (format) {
    case PixelFormat::pf1bit:
        return "pf1bit";
    case PixelFormat::pf4bit:
        return "pf4bit";
    case PixelFormat::pf8bit:
        return "pf8bit";
    case PixelFormat::pf15bit:
        return "pf15bit";
    case PixelFormat::pf16bit:
        return "pf16bit";
    case PixelFormat::pf24bit:
        return "pf24bit";
    case PixelFormat::pf32bit:
        return "pf32bit";
    }
    return "?";
}

} // namespace tintlace::pngtest
