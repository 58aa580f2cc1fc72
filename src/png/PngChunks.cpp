// The header chunks of TPNGWriteStream: each builds its data in a small local buffer and
// hands it to WriteChunk, or writes nothing when its condition fails.
#include "png/PngStream.h"
#include "png/Sfunc.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tintlace {

namespace {

void putMDWord(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

void putMWord(std::uint8_t* p, int v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}

bool validTime(const TPNGTime& t) {
    return t.Year != 0 && t.Month >= 1 && t.Month <= 12 && t.Day >= 1 && t.Day <= 31 &&
           t.Hour <= 23 && t.Minute <= 59 && t.Second <= 60;
}

} // namespace

void TPNGWriteStream::WriteIHDR() {
    int depth = 8;
    int colorType = 2;
    const bool alpha = AlphaBitmap != nullptr;
    if (GrayScale && WorkBits > 8) {
        WorkBits = 8;
        GrayOutput = true;
        HasAlpha = alpha;
        colorType = alpha ? 4 : 0;
        PNGInfo.PixelBits = alpha ? 16 : 8;
    } else if (GrayScale && WorkBits == 8 && alpha) {
        GrayOutput = true;
        HasAlpha = true;
        colorType = 4;
        PNGInfo.PixelBits = 16;
    } else if (GrayScale) { // 1, 4 or 8 bits; an alpha bitmap is not used below 8 bits
        GrayOutput = true;
        depth = WorkBits;
        colorType = 0;
        PNGInfo.PixelBits = WorkBits;
    } else if (WorkBits <= 8) { // palette; an alpha bitmap is not used
        depth = WorkBits;
        colorType = 3;
        PNGInfo.PixelBits = WorkBits;
    } else if (alpha) {
        HasAlpha = true;
        colorType = 6;
        PNGInfo.PixelBits = 32;
    } else {
        colorType = 2;
        PNGInfo.PixelBits = 24;
    }
    LineSize = GetLineSize(Bitmap->width(), WorkBits);
    PNGInfo.BitCount = WorkBits;

    std::uint8_t data[13];
    putMDWord(data, static_cast<std::uint32_t>(Bitmap->width()));
    putMDWord(data + 4, static_cast<std::uint32_t>(Bitmap->height()));
    data[8] = static_cast<std::uint8_t>(depth);
    data[9] = static_cast<std::uint8_t>(colorType);
    data[10] = 0; // compression method
    data[11] = 0; // filter method
    data[12] = Interlace == gptAdam7 ? 1 : 0;
    WriteChunk(pngChunkType("IHDR"), data, sizeof data);
}

void TPNGWriteStream::WritetIMe() {
    TPNGTime t;
    if (UseSystemTime)
        t = SystemPNGTime();
    else if (Time != nullptr)
        t = *Time;
    else
        return;
    if (!validTime(t))
        return;
    const std::uint8_t data[7] = {static_cast<std::uint8_t>(t.Year >> 8),
                                  static_cast<std::uint8_t>(t.Year),
                                  t.Month,
                                  t.Day,
                                  t.Hour,
                                  t.Minute,
                                  t.Second};
    WriteChunk(pngChunkType("tIME"), data, sizeof data);
}

void TPNGWriteStream::WritetExt() {
    WriteTextMes("Comment", Comment);
}

void TPNGWriteStream::WriteTextMes(const std::string& keyword, const std::string& text) {
    constexpr std::size_t maxChunk = 0x7FFFFFFF;
    if (text.empty() || keyword.size() > 79 || text.size() > maxChunk - 80)
        return;
    std::vector<std::uint8_t> data(keyword.begin(), keyword.end());
    data.push_back(0);
    data.insert(data.end(), text.begin(), text.end());
    WriteChunk(pngChunkType("tEXt"), data.data(), static_cast<int>(data.size()));
}

void TPNGWriteStream::WritetpNg() {
    const bool transformed = !Password.empty() && static_cast<bool>(OnEncode);
    const std::uint8_t data[8] = {'T', 'L', 'C', '3', static_cast<std::uint8_t>(transformed),
                                  0,   0,   0};
    WriteChunk(pngChunkType("tpNg"), data, sizeof data);
}

void TPNGWriteStream::WritegIFg() {
    if (GIFExtension == nullptr)
        return;
    const TPNGGIFExtension& g = *GIFExtension;
    if (g.DisposalMethod == 0 && g.UserInputFlag == 0 && g.DelayTime[0] == 0 && g.DelayTime[1] == 0)
        return;
    const std::uint8_t data[4] = {g.DisposalMethod, g.UserInputFlag, g.DelayTime[0],
                                  g.DelayTime[1]};
    WriteChunk(pngChunkType("gIFg"), data, sizeof data);
}

void TPNGWriteStream::WritegAMA() {
    const long double value = std::trunc(static_cast<long double>(Gamma) * 100000);
    // Non-positive values, NaN and values past what the chunk can hold write nothing.
    if (!(value > 0 && value <= 0x7FFFFFFF))
        return;
    std::uint8_t data[4];
    putMDWord(data, static_cast<std::uint32_t>(value));
    WriteChunk(pngChunkType("gAMA"), data, sizeof data);
}

void TPNGWriteStream::WritecHRM() {
    if (Chromaticities == nullptr)
        return;
    const TPNGChromaticities& c = *Chromaticities;
    if (c.WhitePointX == 0 || c.WhitePointY == 0)
        return;
    const std::int32_t values[8] = {c.WhitePointX, c.WhitePointY, c.RedX,  c.RedY,
                                    c.GreenX,      c.GreenY,      c.BlueX, c.BlueY};
    std::uint8_t data[32];
    for (int i = 0; i < 8; ++i)
        putMDWord(data + 4 * i, static_cast<std::uint32_t>(values[i]));
    WriteChunk(pngChunkType("cHRM"), data, sizeof data);
}

void TPNGWriteStream::WritesBIT() {
    std::array<std::uint8_t, 4> bits = SignificantBits;
    const std::uint8_t alphaBits = HasAlpha ? 8 : 0;
    if (SrcBits == 15)
        bits = {5, 5, 5, alphaBits};
    else if (SrcBits == 16)
        bits = {5, 6, 5, alphaBits};
    const auto packed = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(bits[0]) | static_cast<std::uint32_t>(bits[1]) << 8 |
        static_cast<std::uint32_t>(bits[2]) << 16 | static_cast<std::uint32_t>(bits[3]) << 24);
    if (GrayOutput || packed <= 0)
        return;
    WriteChunk(pngChunkType("sBIT"), bits.data(), HasAlpha ? 4 : 3);
}

int TPNGWriteStream::paletteEntriesWritten() const {
    // A palette longer than the bit depth can index would make an invalid PLTE.
    const auto entries = std::min<std::size_t>(Bitmap->palette().size(), 256);
    return static_cast<int>(std::min<std::size_t>(entries, std::size_t{1} << WorkBits));
}

void TPNGWriteStream::WritePLTE() {
    if (GrayOutput || WorkBits > 8)
        return;
    TPalRGBTable table;
    const int read = GetPaletteColorTable(Bitmap->palette(), table);
    const int count = std::min(read, paletteEntriesWritten());
    if (count <= 0)
        return;
    std::vector<std::uint8_t> data;
    data.reserve(3 * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        data.push_back(table[i].rgbRed);
        data.push_back(table[i].rgbGreen);
        data.push_back(table[i].rgbBlue);
    }
    WriteChunk(pngChunkType("PLTE"), data.data(), static_cast<int>(data.size()));
}

int TPNGWriteStream::paletteIndexFor(TColor color) const {
    const int index = isPaletteIndexColor(color) ? (color & 0xFF)
                                                 : GetNearestPaletteIndex(Bitmap->palette(), color);
    // An index past the written palette would make the chunk invalid: leave it out.
    return index < paletteEntriesWritten() ? index : -1;
}

int TPNGWriteStream::grayLevelFor(TColor color) const {
    const int y = (77 * tcolorRed(color) + 150 * tcolorGreen(color) + 29 * tcolorBlue(color)) >> 8;
    if (SrcBits == 1)
        return y >= 128 ? 1 : 0;
    if (SrcBits == 4)
        return y >> 4;
    return y;
}

namespace {
// The colour a grey chunk describes: palette-index colours of an indexed bitmap name an entry.
TColor resolveGrayColor(TColor color, int srcBits, const Palette& palette) {
    if (srcBits <= 8 && isPaletteIndexColor(color))
        return GetPaletteColor(palette, color & 0xFF);
    return color;
}
} // namespace

void TPNGWriteStream::WritebKGD() {
    if (BGColor == NoColor)
        return;
    if (GrayOutput) {
        const TColor color = resolveGrayColor(BGColor, SrcBits, Bitmap->palette());
        if (color == NoColor)
            return;
        std::uint8_t data[2];
        putMWord(data, grayLevelFor(color));
        WriteChunk(pngChunkType("bKGD"), data, sizeof data);
    } else if (WorkBits <= 8) {
        const int index = paletteIndexFor(BGColor);
        if (index < 0)
            return;
        const std::uint8_t data[1] = {static_cast<std::uint8_t>(index)};
        WriteChunk(pngChunkType("bKGD"), data, sizeof data);
    } else {
        std::uint8_t data[6];
        putMWord(data, tcolorRed(BGColor));
        putMWord(data + 2, tcolorGreen(BGColor));
        putMWord(data + 4, tcolorBlue(BGColor));
        WriteChunk(pngChunkType("bKGD"), data, sizeof data);
    }
}

void TPNGWriteStream::WritetRNS() {
    if (HasAlpha || TransColor == NoColor)
        return;
    if (GrayOutput) {
        const TColor color = resolveGrayColor(TransColor, SrcBits, Bitmap->palette());
        if (color == NoColor)
            return;
        std::uint8_t data[2];
        putMWord(data, grayLevelFor(color));
        WriteChunk(pngChunkType("tRNS"), data, sizeof data);
    } else if (WorkBits <= 8) {
        const int index = paletteIndexFor(TransColor);
        if (index < 0)
            return;
        std::vector<std::uint8_t> data(static_cast<std::size_t>(index) + 1, 255);
        data.back() = 0;
        WriteChunk(pngChunkType("tRNS"), data.data(), static_cast<int>(data.size()));
    } else {
        std::uint8_t data[6];
        putMWord(data, tcolorRed(TransColor));
        putMWord(data + 2, tcolorGreen(TransColor));
        putMWord(data + 4, tcolorBlue(TransColor));
        WriteChunk(pngChunkType("tRNS"), data, sizeof data);
    }
}

void TPNGWriteStream::WritepHYs() {
    if (PixelsPerUnitX <= 0 || PixelsPerUnitY <= 0)
        return;
    std::uint32_t x = static_cast<std::uint32_t>(PixelsPerUnitX);
    std::uint32_t y = static_cast<std::uint32_t>(PixelsPerUnitY);
    std::uint8_t unit = 0;
    if (UnitSpecifier == gpuMeter) {
        unit = 1;
    } else if (UnitSpecifier == gpuInch) {
        const double perMetreX = std::trunc(PixelsPerUnitX * 100.0 / 254 * 100);
        const double perMetreY = std::trunc(PixelsPerUnitY * 100.0 / 254 * 100);
        if (perMetreX > 0x7FFFFFFF || perMetreY > 0x7FFFFFFF)
            return; // beyond what the chunk may hold
        x = static_cast<std::uint32_t>(perMetreX);
        y = static_cast<std::uint32_t>(perMetreY);
        unit = 1;
    }
    std::uint8_t data[9];
    putMDWord(data, x);
    putMDWord(data + 4, y);
    data[8] = unit;
    WriteChunk(pngChunkType("pHYs"), data, sizeof data);
}

} // namespace tintlace
