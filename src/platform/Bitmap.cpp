#include "platform/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

namespace tintlace {

int storageBits(PixelFormat format) {
    switch (format) {
    case PixelFormat::pf1bit:
        return 1;
    case PixelFormat::pf4bit:
        return 4;
    case PixelFormat::pf8bit:
        return 8;
    case PixelFormat::pf15bit:
    case PixelFormat::pf16bit:
        return 16;
    case PixelFormat::pf24bit:
        return 24;
    case PixelFormat::pf32bit:
        return 32;
    }
    throw std::invalid_argument("unknown pixel format");
}

Bitmap::Bitmap(int width, int height, PixelFormat format) {
    allocate(width, height, format);
}

Bitmap::Bitmap(const Bitmap& other)
    : m_width(other.m_width), m_height(other.m_height), m_format(other.m_format),
      m_stride(other.m_stride), m_pixels(other.m_pixels), m_palette(other.m_palette),
      m_transparent(other.m_transparent), m_transparentColor(other.m_transparentColor) {}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) {
        m_width = other.m_width;
        m_height = other.m_height;
        m_format = other.m_format;
        m_stride = other.m_stride;
        m_pixels = other.m_pixels;
        m_palette = other.m_palette;
        m_transparent = other.m_transparent;
        m_transparentColor = other.m_transparentColor;
    }
    return *this;
}

void Bitmap::allocate(int width, int height, PixelFormat format) {
    if (width < 0 || height < 0)
        throw std::invalid_argument("bitmap size must not be negative");
    // The row size must fit in an int and the whole image in memory's address range.
    const std::int64_t stride =
        (static_cast<std::int64_t>(width) * storageBits(format) + 31) / 32 * 4;
    if (stride > std::numeric_limits<int>::max() ||
        (height > 0 && static_cast<std::uint64_t>(stride) >
                           std::numeric_limits<std::size_t>::max() / static_cast<unsigned>(height)))
        throw std::length_error("bitmap too large");
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) *
                                     static_cast<std::size_t>(height));
    m_width = width;
    m_height = height;
    m_format = format;
    m_stride = static_cast<int>(stride);
    m_pixels = std::move(pixels);
}

void Bitmap::setSize(int width, int height) {
    if (width == m_width && height == m_height)
        return;
    Bitmap old(std::move(*this));
    allocate(width, height, old.m_format);
    m_palette = std::move(old.m_palette);
    m_transparent = old.m_transparent;
    m_transparentColor = old.m_transparentColor;
    onProgress = std::move(old.onProgress);
    // Whole bytes of the shared columns; for packed formats the partial last byte is masked.
    const int rows = std::min(m_height, old.m_height);
    const std::int64_t sharedBits =
        static_cast<std::int64_t>(std::min(m_width, old.m_width)) * storageBits(m_format);
    const std::size_t fullBytes = static_cast<std::size_t>(sharedBits / 8);
    const int restBits = static_cast<int>(sharedBits % 8);
    for (int y = 0; y < rows; ++y) {
        std::memcpy(scanLine(y), old.scanLine(y), fullBytes);
        if (restBits != 0) {
            const std::uint8_t mask = static_cast<std::uint8_t>(0xFF00 >> restBits);
            scanLine(y)[fullBytes] = old.scanLine(y)[fullBytes] & mask;
        }
    }
}

void Bitmap::setPixelFormat(PixelFormat format) {
    if (format == m_format)
        return;
    allocate(m_width, m_height, format);
}

std::uint8_t* Bitmap::scanLine(int row) {
    return const_cast<std::uint8_t*>(std::as_const(*this).scanLine(row));
}

const std::uint8_t* Bitmap::scanLine(int row) const {
    if (row < 0 || row >= m_height)
        throw std::out_of_range("scan line " + std::to_string(row) + " outside the bitmap");
    return m_pixels.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(m_stride);
}

void Bitmap::setPalette(Palette palette) {
    if (palette.size() > MaxPaletteSize)
        throw std::invalid_argument("a palette holds at most 256 entries");
    m_palette = std::move(palette);
}

} // namespace tintlace
