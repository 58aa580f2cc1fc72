// Row conversion of TPNGWriteStream: the pixels of the current pass in one source row, in the
// layout of the PNG colour type chosen by WriteIHDR.
#include "png/PngStream.h"
#include "png/Sfunc.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tintlace {

namespace {

struct Rgb {
    int red, green, blue;
};

constexpr int widen5(int v) {
    return v * 8 + v / 4;
}
constexpr int widen6(int v) {
    return v * 4 + v / 16;
}
constexpr int grayOf(int red, int green, int blue) {
    return (77 * red + 150 * green + 29 * blue) >> 8;
}
constexpr int grayOf(const TPalRGB& e) {
    return 77 * e.rgbRed + 150 * e.rgbGreen + 29 * e.rgbBlue;
}

// The colour of the pixel whose first byte is `p`, for the true-colour source formats.
template <int SrcBits> Rgb readColor(const std::uint8_t* p) {
    if constexpr (SrcBits == 15 || SrcBits == 16) {
        const int word = p[0] | p[1] << 8;
        if constexpr (SrcBits == 15)
            return {widen5((word >> 10) & 31), widen5((word >> 5) & 31), widen5(word & 31)};
        else
            return {widen5((word >> 11) & 31), widen6((word >> 5) & 63), widen5(word & 31)};
    } else {
        return {p[2], p[1], p[0]};
    }
}

// Output of a true-colour source: RGB, RGBA, grey or grey with alpha.
template <int SrcBits, bool Gray, bool Alpha>
void convertTrueColor(const std::uint8_t* src, const std::uint8_t* alpha, int count, int startByte,
                      int byteStep, int startCol, int colStep, std::uint8_t* out) {
    const std::uint8_t* p = src + startByte;
    for (int k = 0; k < count; ++k, p += byteStep) {
        const Rgb c = readColor<SrcBits>(p);
        if constexpr (Gray) {
            *out++ = static_cast<std::uint8_t>(grayOf(c.red, c.green, c.blue));
        } else {
            *out++ = static_cast<std::uint8_t>(c.red);
            *out++ = static_cast<std::uint8_t>(c.green);
            *out++ = static_cast<std::uint8_t>(c.blue);
        }
        if constexpr (Alpha) // the alpha bitmap holds transparency: 0 is opaque
            *out++ = static_cast<std::uint8_t>(255 - alpha[startCol + k * colStep]);
    }
}

// 24-bit pixels to RGB: one 4-byte load, byte swap and 4-byte store per pixel, whose fourth
// byte the next pixel overwrites. The last pixel is copied byte by byte, so that nothing is
// read past the source pixel or written past the row.
template <int Step> void bgrToRgb(const std::uint8_t* p, int count, int step, std::uint8_t* out) {
    if constexpr (Step != 0)
        step = Step;
    if constexpr (std::endian::native == std::endian::little) {
        for (int k = 0; k + 1 < count; ++k, p += step, out += 3) {
            std::uint32_t v;
            std::memcpy(&v, p, 4);
            v = __builtin_bswap32(v) >> 8;
            std::memcpy(out, &v, 4);
        }
    } else {
        for (int k = 0; k + 1 < count; ++k, p += step, out += 3) {
            out[0] = p[2];
            out[1] = p[1];
            out[2] = p[0];
        }
    }
    if (count > 0) {
        out[0] = p[2];
        out[1] = p[1];
        out[2] = p[0];
    }
}

void bgrToRgbAnyStep(const std::uint8_t* p, int count, int step, std::uint8_t* out) {
    switch (step) {
    case 3:
        return bgrToRgb<3>(p, count, step, out);
    case 6:
        return bgrToRgb<6>(p, count, step, out);
    case 12:
        return bgrToRgb<12>(p, count, step, out);
    case 24:
        return bgrToRgb<24>(p, count, step, out);
    default:
        return bgrToRgb<0>(p, count, step, out);
    }
}

template <int SrcBits>
void convertTrueColorAs(bool gray, bool alpha, const std::uint8_t* src, const std::uint8_t* a,
                        int count, int startByte, int byteStep, int startCol, int colStep,
                        std::uint8_t* out) {
    if (gray) {
        if (alpha)
            convertTrueColor<SrcBits, true, true>(src, a, count, startByte, byteStep, startCol,
                                                  colStep, out);
        else
            convertTrueColor<SrcBits, true, false>(src, a, count, startByte, byteStep, startCol,
                                                   colStep, out);
    } else if (SrcBits == 24 && !alpha) {
        bgrToRgbAnyStep(src + startByte, count, byteStep, out);
    } else {
        if (alpha)
            convertTrueColor<SrcBits, false, true>(src, a, count, startByte, byteStep, startCol,
                                                   colStep, out);
        else
            convertTrueColor<SrcBits, false, false>(src, a, count, startByte, byteStep, startCol,
                                                    colStep, out);
    }
}

// Index of pixel x in a row of 1-, 4- or 8-bit indices.
int readIndex(const std::uint8_t* src, int bits, int x) {
    switch (bits) {
    case 1:
        return (src[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (x & 1) ? src[x >> 1] & 15 : src[x >> 1] >> 4;
    default:
        return src[x];
    }
}

// Packs `count` values of `bits` bits from the most significant bits of each byte; the unused
// low bits of a last partial byte are 0.
template <typename Value> void packValues(int bits, int count, std::uint8_t* out, Value value) {
    if (bits == 8) {
        for (int k = 0; k < count; ++k)
            out[k] = static_cast<std::uint8_t>(value(k));
        return;
    }
    const int perByte = 8 / bits;
    const int bytes = (count * bits + 7) / 8;
    std::memset(out, 0, static_cast<std::size_t>(bytes));
    for (int k = 0; k < count; ++k) {
        const int shift = 8 - bits * (k % perByte + 1);
        out[k / perByte] |= static_cast<std::uint8_t>(value(k) << shift);
    }
}

} // namespace

void TPNGWriteStream::SetGrayScalePaletteIndex() {
    TPalRGBTable table{};
    const int count = GetPaletteColorTable(Bitmap->palette(), table);
    if (count <= 0) {
        for (int i = 0; i < (1 << SrcBits) && i < 256; ++i)
            GrayIndex[i] = static_cast<std::uint8_t>(i);
        return;
    }
    switch (SrcBits) {
    case 1:
        // 255 marks a palette whose entry 0 is the lighter one: the bits are inverted.
        GrayIndex[0] = grayOf(table[0]) / 256 > grayOf(table[1]) / 256 ? 255 : 0;
        break;
    case 4:
        for (int i = 0; i < count; ++i)
            GrayIndex[i] = static_cast<std::uint8_t>(grayOf(table[i]) / 4096);
        break;
    default:
        for (int i = 0; i < count; ++i)
            GrayIndex[i] = static_cast<std::uint8_t>(grayOf(table[i]) / 256);
        break;
    }
}

void TPNGWriteStream::GetLinePixels(const std::uint8_t* src, const std::uint8_t* alpha) {
    std::uint8_t* out = PNGInfo.CurLine;
    const bool straight = Interlace != gptAdam7;
    const int count = PassWidth;
    const auto sourceIndex = [&](int k) {
        return readIndex(src, SrcBits, PassStartCol + k * PassColStep);
    };

    if (SrcBits <= 8 && !GrayOutput) { // palette indices as they stand
        if (straight)
            std::memcpy(out, src, static_cast<std::size_t>(LineSize));
        else
            packValues(SrcBits, count, out, sourceIndex);
        return;
    }
    if (SrcBits == 1) { // grey bits, inverted when the palette has white at index 0
        int bytes = LineSize;
        if (straight)
            std::memcpy(out, src, static_cast<std::size_t>(LineSize));
        else {
            packValues(1, count, out, sourceIndex);
            bytes = (count + 7) / 8;
        }
        if (GrayIndex[0] == 255)
            for (int i = 0; i < bytes; ++i)
                out[i] = static_cast<std::uint8_t>(~out[i]);
        return;
    }
    if (SrcBits == 4) { // grey levels through the palette's grey map
        if (straight) {
            for (int i = 0; i < LineSize; ++i)
                out[i] =
                    static_cast<std::uint8_t>(GrayIndex[src[i] >> 4] << 4 | GrayIndex[src[i] & 15]);
        } else {
            packValues(4, count, out, [&](int k) { return GrayIndex[sourceIndex(k)]; });
        }
        return;
    }
    if (SrcBits == 8) { // grey output of an 8-bit source, with or without alpha
        for (int k = 0; k < count; ++k) {
            const int x = PassStartCol + k * PassColStep;
            *out++ = GrayIndex[src[x]];
            if (HasAlpha)
                *out++ = static_cast<std::uint8_t>(255 - alpha[x]);
        }
        return;
    }
    switch (SrcBits) {
    case 15:
        convertTrueColorAs<15>(GrayOutput, HasAlpha, src, alpha, count, PassStartByte, PassByteStep,
                               PassStartCol, PassColStep, out);
        break;
    case 16:
        convertTrueColorAs<16>(GrayOutput, HasAlpha, src, alpha, count, PassStartByte, PassByteStep,
                               PassStartCol, PassColStep, out);
        break;
    case 24:
        convertTrueColorAs<24>(GrayOutput, HasAlpha, src, alpha, count, PassStartByte, PassByteStep,
                               PassStartCol, PassColStep, out);
        break;
    default:
        convertTrueColorAs<32>(GrayOutput, HasAlpha, src, alpha, count, PassStartByte, PassByteStep,
                               PassStartCol, PassColStep, out);
        break;
    }
}

} // namespace tintlace
