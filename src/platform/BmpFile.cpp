#include "platform/BmpFile.h"

#include "platform/FileSink.h"
#include "platform/UserError.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace tintlace {

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;

void put16(std::uint8_t*& p, std::uint32_t v) {
    *p++ = static_cast<std::uint8_t>(v);
    *p++ = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t*& p, std::uint32_t v) {
    put16(p, v & 0xFFFF);
    put16(p, v >> 16);
}

} // namespace

std::vector<std::uint8_t> bmp24FileBytes(const Bitmap& bitmap) {
    if (bitmap.pixelFormat() != PixelFormat::pf24bit)
        throw std::invalid_argument("a 24-bit BMP needs a 24-bit bitmap");
    if (bitmap.isEmpty())
        throw std::invalid_argument("a BMP needs at least one pixel");
    const std::size_t stride = static_cast<std::size_t>(bitmap.bytesPerLine());
    const std::size_t imageSize = stride * static_cast<std::size_t>(bitmap.height());
    const std::size_t offset = FileHeaderSize + InfoHeaderSize;
    if (imageSize > std::numeric_limits<std::uint32_t>::max() - offset)
        throw std::length_error("bitmap too large for a BMP file");

    std::vector<std::uint8_t> file(offset + imageSize);
    std::uint8_t* p = file.data();
    // File header.
    *p++ = 'B';
    *p++ = 'M';
    put32(p, static_cast<std::uint32_t>(file.size()));
    put16(p, 0); // reserved
    put16(p, 0);
    put32(p, static_cast<std::uint32_t>(offset));
    // Information header.
    put32(p, InfoHeaderSize);
    put32(p, static_cast<std::uint32_t>(bitmap.width()));
    put32(p, static_cast<std::uint32_t>(bitmap.height())); // positive: bottom row first
    put16(p, 1);                                           // planes
    put16(p, 24);                                          // bits per pixel
    put32(p, 0);                                           // no compression
    put32(p, static_cast<std::uint32_t>(imageSize));
    put32(p, 0); // pixels per metre, horizontal and vertical: unspecified
    put32(p, 0);
    put32(p, 0); // colours used
    put32(p, 0); // important colours
    // Rows, bottom-up; the padding after each row's pixels is written as zeros.
    const std::size_t pixelBytes = 3 * static_cast<std::size_t>(bitmap.width());
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        std::memcpy(p, bitmap.scanLine(y), pixelBytes);
        p += stride;
    }
    return file;
}

void saveBmp24(const Bitmap& bitmap, const std::string& utf8Path) {
    const std::vector<std::uint8_t> file = bmp24FileBytes(bitmap);
    try {
        writeFileAtomically(utf8Path,
                            [&](ByteSink& sink) { sink.write(file.data(), file.size()); });
    } catch (const std::exception&) {
        throw cannotCreateFileError(utf8Path);
    }
}

} // namespace tintlace
