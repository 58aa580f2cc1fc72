#pragma once
// A device-independent bitmap: a pixel format, an optional palette of up to 256 entries and
// rows of pixel bytes. Rows are stored top row first, each padded to a multiple of 4 bytes,
// in the byte layouts the picture writers read:
//   pf1bit, pf4bit, pf8bit  palette indices, first pixel in the most significant bits
//   pf15bit                 16-bit little-endian words, blue bits 0-4, green 5-9, red 10-14
//   pf16bit                 16-bit little-endian words, blue bits 0-4, green 5-10, red 11-15
//   pf24bit                 blue, green, red
//   pf32bit                 blue, green, red, one unused byte
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tintlace {

enum class PixelFormat { pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

// Bits one pixel occupies in a row (pf15bit is stored in 16 bits).
int storageBits(PixelFormat format);

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};
using Palette = std::vector<PaletteEntry>;

// The area a progress report concerns (the whole bitmap here). Named apart from the text image
// box type `Rect`, which the window uses beside bitmaps.
struct ProgressRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ProgressRect&, const ProgressRect&) = default;
};

enum class ProgressStage { psStarting, psRunning, psEnding };

class Bitmap;
// Reports how far a long operation on a bitmap has come (percent 0..100).
using ProgressEvent =
    std::function<void(const Bitmap& sender, ProgressStage stage, int percent, bool redrawNow,
                       const ProgressRect& rect, const std::string& message)>;

class Bitmap {
public:
    static constexpr int MaxPaletteSize = 256;

    Bitmap() = default;
    // Throws std::invalid_argument for a negative size, std::length_error for one too large.
    Bitmap(int width, int height, PixelFormat format);

    // Copies carry the pixels, palette and transparency, never the progress handler: a copy
    // must not call back into whoever watched the original.
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }
    PixelFormat pixelFormat() const { return m_format; }
    int bytesPerLine() const { return m_stride; }

    // Changes the size, keeping the pixels of the area both sizes share; new pixels are 0.
    void setSize(int width, int height);
    // Changes the pixel format; every pixel becomes 0 (no conversion).
    void setPixelFormat(PixelFormat format);

    // Row `row` (0 = top); throws std::out_of_range outside 0..height-1.
    std::uint8_t* scanLine(int row);
    const std::uint8_t* scanLine(int row) const;

    const Palette& palette() const { return m_palette; }
    // Throws std::invalid_argument for more than MaxPaletteSize entries.
    void setPalette(Palette palette);

    bool transparent() const { return m_transparent; }
    void setTransparent(bool value) { m_transparent = value; }
    // A platform colour value (red in the low byte); -1 when none was set.
    std::int32_t transparentColor() const { return m_transparentColor; }
    void setTransparentColor(std::int32_t color) { m_transparentColor = color; }

    ProgressEvent onProgress;

private:
    void allocate(int width, int height, PixelFormat format);

    int m_width = 0;
    int m_height = 0;
    PixelFormat m_format = PixelFormat::pf24bit;
    int m_stride = 0;
    std::vector<std::uint8_t> m_pixels;
    Palette m_palette;
    bool m_transparent = false;
    std::int32_t m_transparentColor = -1;
};

} // namespace tintlace
