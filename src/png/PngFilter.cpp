#include "png/PngFilter.h"

#include <climits>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tintlace {

namespace {

#if defined(__SSE2__)
// The bulk of each filter, 16 (Paeth: 8) bytes at a time from byte `i` on; returns where the
// scalar tail takes over. Encoding reads only raw bytes, so the lanes are independent.
int subBulk(const std::uint8_t* cur, int n, int bpp, std::uint8_t* o, int i) {
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cur + i));
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cur + i - bpp));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i), _mm_sub_epi8(x, a));
    }
    return i;
}

int upBulk(const std::uint8_t* cur, const std::uint8_t* prev, int n, std::uint8_t* o, int i) {
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cur + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(prev + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i), _mm_sub_epi8(x, b));
    }
    return i;
}

int averageBulk(const std::uint8_t* cur, const std::uint8_t* prev, int n, int bpp, std::uint8_t* o,
                int i) {
    const __m128i one = _mm_set1_epi8(1);
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cur + i));
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cur + i - bpp));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(prev + i));
        // (a + b) >> 1: the rounding-up average less the carried-in odd bit.
        const __m128i mean =
            _mm_sub_epi8(_mm_avg_epu8(a, b), _mm_and_si128(_mm_xor_si128(a, b), one));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i), _mm_sub_epi8(x, mean));
    }
    return i;
}

int paethBulk(const std::uint8_t* cur, const std::uint8_t* prev, int n, int bpp, std::uint8_t* o,
              int i) {
    const __m128i zero = _mm_setzero_si128();
    const auto load8 = [&](const std::uint8_t* p) {
        return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), zero);
    };
    const auto abs16 = [&](__m128i v) { return _mm_max_epi16(v, _mm_sub_epi16(zero, v)); };
    for (; i + 8 <= n; i += 8) {
        const __m128i a = load8(cur + i - bpp);
        const __m128i b = load8(prev + i);
        const __m128i c = load8(prev + i - bpp);
        const __m128i bc = _mm_sub_epi16(b, c); // p - a
        const __m128i ac = _mm_sub_epi16(a, c); // p - b
        const __m128i pa = abs16(bc);
        const __m128i pb = abs16(ac);
        const __m128i pc = abs16(_mm_add_epi16(bc, ac));
        // a when pa <= pb and pa <= pc, else b when pb <= pc, else c.
        const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
        const __m128i notB = _mm_cmpgt_epi16(pb, pc);
        const __m128i bOrC = _mm_or_si128(_mm_andnot_si128(notB, b), _mm_and_si128(notB, c));
        const __m128i pred = _mm_or_si128(_mm_andnot_si128(notA, a), _mm_and_si128(notA, bOrC));
        const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(cur + i));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(o + i),
                         _mm_sub_epi8(x, _mm_packus_epi16(pred, zero)));
    }
    return i;
}
#else
int subBulk(const std::uint8_t*, int, int, std::uint8_t*, int i) {
    return i;
}
int upBulk(const std::uint8_t*, const std::uint8_t*, int, std::uint8_t*, int i) {
    return i;
}
int averageBulk(const std::uint8_t*, const std::uint8_t*, int, int, std::uint8_t*, int i) {
    return i;
}
int paethBulk(const std::uint8_t*, const std::uint8_t*, int, int, std::uint8_t*, int i) {
    return i;
}
#endif

} // namespace

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
        for (int i = subBulk(cur, n, bpp, o, head); i < n; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - cur[i - bpp]);
        break;
    case pfbUp:
        for (int i = upBulk(cur, prev, n, o, 0); i < n; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - prev[i]);
        break;
    case pfbAverage:
        for (int i = 0; i < head; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - (prev[i] >> 1));
        for (int i = averageBulk(cur, prev, n, bpp, o, head); i < n; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - ((cur[i - bpp] + prev[i]) >> 1));
        break;
    case pfbPaeth:
        for (int i = 0; i < head; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] - PaethPredictor(0, prev[i], 0));
        for (int i = paethBulk(cur, prev, n, bpp, o, head); i < n; ++i)
            o[i] = static_cast<std::uint8_t>(cur[i] -
                                             PaethPredictor(cur[i - bpp], prev[i], prev[i - bpp]));
        break;
    }
}

namespace {

// Counts byte values into `histogram`. Eight interleaved tables: runs of one byte value (common
// in filtered rows) would otherwise make every increment wait for the previous one to the same
// counter. Their 16-bit counters cannot overflow below 8 x 65535 bytes; longer rows take the
// plain loop.
void countBytes(const std::uint8_t* row, int m, std::uint32_t* histogram) {
    constexpr int Lanes = 8;
    if (m >= Lanes * 65535) {
        std::memset(histogram, 0, 256 * sizeof(std::uint32_t));
        for (int i = 0; i < m; ++i)
            ++histogram[row[i]];
        return;
    }
    std::uint16_t part[Lanes][256] = {};
    int i = 0;
    for (; i + Lanes <= m; i += Lanes) {
        std::uint64_t eight;
        std::memcpy(&eight, row + i, 8);
        ++part[0][eight & 0xFF];
        ++part[1][(eight >> 8) & 0xFF];
        ++part[2][(eight >> 16) & 0xFF];
        ++part[3][(eight >> 24) & 0xFF];
        ++part[4][(eight >> 32) & 0xFF];
        ++part[5][(eight >> 40) & 0xFF];
        ++part[6][(eight >> 48) & 0xFF];
        ++part[7][eight >> 56];
    }
    for (; i < m; ++i)
        ++part[0][row[i]];
    for (int v = 0; v < 256; ++v) {
        std::uint32_t sum = 0;
        for (int lane = 0; lane < Lanes; ++lane)
            sum += part[lane][v];
        histogram[v] = sum;
    }
}

} // namespace

int RowScore(const std::uint8_t* row, int m, int pixelBits, std::uint32_t* histogram) {
    countBytes(row, m, histogram);
    int distinct = 0;
    std::uint32_t c1 = 0, c2 = 0, c3 = 0;
    for (int v = 0; v < 256; ++v) {
        const std::uint32_t c = histogram[v];
        distinct += c != 0;
        if (c <= c3)
            continue;
        if (c > c1) {
            c3 = c2;
            c2 = c1;
            c1 = c;
        } else if (c > c2) {
            c3 = c2;
            c2 = c;
        } else {
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
