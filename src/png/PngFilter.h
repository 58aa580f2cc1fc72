#pragma once
// The five PNG row filters, the Paeth predictor they share, and the score that the adaptive
// choice ranks filtered rows by.
#include <cstdint>

namespace tintlace {

// Filter-type bytes as they stand in front of every row of the image data.
enum PngFilterByte : std::uint8_t {
    pfbNone = 0,
    pfbSub = 1,
    pfbUp = 2,
    pfbAverage = 3,
    pfbPaeth = 4
};

// Of left (a), above (b) and upper left (c), the one nearest to a + b - c; ties prefer a, then b.
inline std::uint8_t PaethPredictor(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = p > a ? p - a : a - p;
    const int pb = p > b ? p - b : b - p;
    const int pc = p > c ? p - c : c - p;
    if (pa <= pb && pa <= pc)
        return static_cast<std::uint8_t>(a);
    return static_cast<std::uint8_t>(pb <= pc ? b : c);
}

// Writes `type` to out[0] and the n bytes of `cur` filtered with it to out[1..n]. `prev` is
// the raw row above (zeros for the first row of a pass); bpp is bytes per pixel, at least 1.
// A type above 4 filters as type 0.
void FilterRow(int type, const std::uint8_t* cur, const std::uint8_t* prev, int n, int bpp,
               std::uint8_t* out);

// Score of a filtered row of m bytes (type byte included): -1 when the row is nearly uniform
// (at most 8 distinct byte values, or one value in at least 90 % of the bytes), else higher
// for fewer distinct values and more weight in the commonest ones. `histogram` is scratch
// space for 256 counters.
int RowScore(const std::uint8_t* row, int m, int pixelBits, std::uint32_t* histogram);

} // namespace tintlace
