#pragma once
// Helpers of the PNG tests: a chunk parser, a libpng decoder, pixel builders and the
// reference model of what each source pixel must become.
#include "platform/Bitmap.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tintlace::pngtest {

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
    std::string type;
    Bytes data;
};

// Splits a PNG file into its chunks, checking the signature, every length and every CRC.
// Throws std::runtime_error on anything malformed.
std::vector<Chunk> parseChunks(const Bytes& file);
std::vector<std::string> chunkTypes(const std::vector<Chunk>& chunks);
// The first chunk of `type`, or nullptr.
const Chunk* findChunk(const std::vector<Chunk>& chunks, const std::string& type);
// All IDAT payloads joined: the zlib stream.
Bytes idatStream(const std::vector<Chunk>& chunks);
// Inflates a zlib stream; throws on an error.
Bytes inflateAll(const Bytes& stream);

// An image as libpng reads it: one sample per byte (packed depths expanded, not scaled).
struct Decoded {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colorType = 0;
    int interlace = 0;
    int channels = 0;
    std::vector<Bytes> rows; // width * channels samples each
    std::vector<std::string> warnings;
};

// Decodes with libpng; throws std::runtime_error with libpng's message on an error.
Decoded decodeWithLibpng(const Bytes& file);

// What the encoder must produce for a source: colour type, bit depth and samples.
struct Expected {
    int bitDepth = 0;
    int colorType = 0;
    int channels = 0;
    std::vector<Bytes> rows;
};
Expected expectedImage(const Bitmap& source, const Bitmap* alpha, bool grayScale);

// Fills every pixel (and the palette of indexed formats, `paletteSize` entries, 0 = 2^bits)
// with values drawn from `random`; indices stay below the palette size.
void fillRandom(Bitmap& bitmap, std::mt19937& random, int paletteSize = 0);
Bitmap randomBitmap(int width, int height, PixelFormat format, std::mt19937& random,
                    int paletteSize = 0);

// Sets pixel (x, y) of an indexed bitmap to `index`.
void setIndex(Bitmap& bitmap, int x, int y, int index);

const char* formatName(PixelFormat format);

} // namespace tintlace::pngtest
