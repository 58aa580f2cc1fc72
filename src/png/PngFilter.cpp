#include "png/PngFilter.h"

#include <climits>
#include <cstring>

namespace tintlace {

void FilterRow(int type, const std::uint8_t* cur, const std::uint8_t* prev, int n, int bpp,
               std::uint8_t* out) {
    if (type < pfbNone || type > pfbPaeth)
        type = pfbNone;
    out[0] = static_cast<std::uint8_t>(type);
    std::uint8_t* o = out + 1;
    const int head = bpp < n ? bpp : n; // bytes without a left neighbour
    switch (type) {
    case pfbNone:
        std::memcpy(o, cur, static_cast<std::size_t>(n));
        break;
    case pfbSub:
        std::memcpy(o, cur, static_cast<std::size_t>(head));
        for (int i = head; i < n; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - cur[i - bpp]);
        break;
    case pfbUp:
        for (int i = 0; i < n; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - prev[i]);
        break;
    case pfbAverage:
        for (int i = 0; i < head; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - (prev[i] >> 1));
        for (int i = head; i < n; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - ((cur[i - bpp] + prev[i]) >> 1));
        break;
    case pfbPaeth:
        for (int i = 0; i < head; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - PaethPredictor(0, prev[i], 0));
        for (int i = head; i < n; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] -
                                             PaethPredictor(cur[i - bpp], prev[i], prev[i - bpp]));
        break;
    }
}

int RowScore(const std::uint8_t* row, int m, int pixelBits, std::uint32_t* histogram) {
    std::memset(histogram, 0, 256 * sizeof(std::uint32_t));
    for (int i = 0; i < m; ++i)
        ++histogram[row[i]];
    int distinct = 0;
    std::uint32_t c1 = 0, c2 = 0, c3 = 0;
    for (int v = 0; v < 256; ++v) {
        const std::uint32_t c = histogram[v];
        if (c == 0)
            continue;
        ++distinct;
        if (c > c1) {
            c3 = c2;
            c2 = c1;
            c1 = c;
        } else if (c > c2) {
            c3 = c2;
            c2 = c;
        } else if (c > c3) {
            c3 = c;
        }
    }
    if (distinct <= 8 || static_cast<std::int64_t>(c1) * 100 >= std::int64_t{90} * m)
        return -1;
    const long double mm = m;
    const long double score = pixelBits < 8
                                  ? (mm / 1.5L) / distinct * 1500 + (c1 + c2) / mm * 1000
                                  : (mm / 1.5L) / distinct * 1000 + (c1 + c2 + c3) / mm * 1000;
    // Rows of millions of bytes would overflow an int.
    return score >= INT_MAX ? INT_MAX : static_cast<int>(score);
}

} // namespace tintlace
