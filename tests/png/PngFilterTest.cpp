// Row filters and the adaptive choice, checked on rows built by hand. A round trip cannot
// catch a wrong choice (every filter decodes), so these tests look at the type byte itself.
#include "png/PngStream.h"
#include "png/PngZlib.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tintlace {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(PngFilter, PaethPredictor) {
    struct Case {
        int a, b, c, expected;
    };
    const Case cases[] = {
        {10, 20, 10, 20}, // above is exact
        {20, 10, 10, 20}, // left is exact
        {10, 20, 15, 15}, // upper left is nearest
        {10, 10, 0, 10},  // left and above tie: left
        {4, 6, 0, 6},     {0, 0, 0, 0}, {255, 255, 0, 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PaethPredictor(c.a, c.b, c.c), c.expected) << c.a << "," << c.b << "," << c.c;
}

TEST(PngFilter, EachTypeFiltersAsDefined) {
    const Bytes cur = {10, 20, 30, 40, 50, 60};
    const Bytes prev = {5, 15, 25, 100, 0, 200};
    struct Case {
        int type;
        Bytes out;
    };
    const Case cases[] = {
        {0, {0, 10, 20, 30, 40, 50, 60}},
        {1, {1, 10, 20, 30, 30, 30, 30}},
        {2, {2, 5, 5, 5, 196, 50, 116}},
        {3, {3, 8, 13, 18, 241, 40, 201}},
        {4, {4, 5, 5, 5, 196, 50, 116}},
        {9, {0, 10, 20, 30, 40, 50, 60}}, // unknown types filter as None
    };
    for (const Case& c : cases) {
        Bytes out(7);
        FilterRow(c.type, cur.data(), prev.data(), 6, 3, out.data());
        EXPECT_EQ(out, c.out) << "type " << c.type;
    }
    // Paeth picking above, upper left, above and left in turn.
    const Bytes cur2 = {10, 30, 50, 9}, prev2 = {15, 20, 60, 60};
    Bytes out(5);
    FilterRow(4, cur2.data(), prev2.data(), 4, 1, out.data());
    EXPECT_EQ(out, (Bytes{4, 251, 15, 246, 215}));
}

// Long rows take the wide paths of the filters: compare them with the plain definition.
TEST(PngFilter, LongRowsMatchThePlainDefinition) {
    std::mt19937 random(21);
    for (int bpp = 1; bpp <= 4; ++bpp) {
        for (int n : {bpp, 15, 16, 17, 40, 333}) {
            Bytes cur(static_cast<std::size_t>(n)), prev(static_cast<std::size_t>(n));
            for (std::size_t i = 0; i < cur.size(); ++i) {
                // Few distinct values, so that Paeth's ties are common.
                cur[i] = static_cast<std::uint8_t>(random() % 4 * 85);
                prev[i] = static_cast<std::uint8_t>(random() % 4 * 85);
            }
            for (int type = 0; type <= 4; ++type) {
                Bytes expected(static_cast<std::size_t>(n) + 1);
                expected[0] = static_cast<std::uint8_t>(type);
                for (int i = 0; i < n; ++i) {
                    const int a = i >= bpp ? cur[i - bpp] : 0;
                    const int b = prev[i];
                    const int c = i >= bpp ? prev[i - bpp] : 0;
                    const int predictor[] = {0, a, b, (a + b) / 2, PaethPredictor(a, b, c)};
                    expected[i + 1] = static_cast<std::uint8_t>(cur[i] - predictor[type]);
                }
                Bytes out(static_cast<std::size_t>(n) + 1);
                FilterRow(type, cur.data(), prev.data(), n, bpp, out.data());
                ASSERT_EQ(out, expected)
                    << "type " << type << ", bpp " << bpp << ", " << n << " bytes";
            }
        }
    }
}

// Row buffers and the row state for SelectRowFilter.
struct RowBench {
    RowBench(const Bytes& current, const Bytes& previous, int pixelBits, int bitCount,
             int filterType = gpfJust)
        : cur(current), prev(previous), out(cur.size() + 1), trial(cur.size() + 1), hist(256) {
        info.CurLine = cur.data();
        info.PrevLine = prev.data();
        info.OutLine = out.data();
        info.TrialLine = trial.data();
        info.Histogram = hist.data();
        info.LineBytes = static_cast<int>(cur.size()) + 1;
        info.PixelBits = pixelBits;
        info.BitCount = bitCount;
        info.FilterType = filterType;
    }
    int chosen() {
        SelectRowFilter(info);
        return info.OutLine[0];
    }
    Bytes cur, prev, out, trial;
    std::vector<std::uint32_t> hist;
    TPNGInfo info;
};

int score(int type, const Bytes& cur, const Bytes& prev, int bpp, int pixelBits) {
    Bytes row(cur.size() + 1);
    std::vector<std::uint32_t> hist(256);
    FilterRow(type, cur.data(), prev.data(), static_cast<int>(cur.size()), bpp, row.data());
    return RowScore(row.data(), static_cast<int>(row.size()), pixelBits, hist.data());
}

Bytes greyRamp() {
    Bytes row;
    for (int level = 0; level <= 90; level += 10)
        row.insert(row.end(), 3, static_cast<std::uint8_t>(level));
    return row;
}

TEST(PngFilter, ScoreOfTheGreyRamp) {
    const Bytes ramp = greyRamp();
    EXPECT_EQ(score(0, ramp, Bytes(30), 3, 24), 2389);
    EXPECT_EQ(score(1, ramp, Bytes(30), 3, 24), -1); // values 1, 0 and 10 only
}

TEST(PngFilter, ScoreMarksNearlyUniformRows) {
    Bytes row(100, 7);
    for (int i = 0; i < 9; ++i)
        row[i] = static_cast<std::uint8_t>(100 + i); // 10 distinct values, 91 % one value
    std::vector<std::uint32_t> hist(256);
    EXPECT_EQ(RowScore(row.data(), 100, 8, hist.data()), -1);
    row[9] = 200; // 90 % exactly
    EXPECT_EQ(RowScore(row.data(), 100, 8, hist.data()), -1);
    row[10] = 201; // 89 %, 12 distinct: a real score
    EXPECT_EQ(RowScore(row.data(), 100, 8, hist.data()),
              static_cast<int>((100 / 1.5) / 12 * 1000 + (89.0 + 1 + 1) / 100 * 1000));
    EXPECT_EQ(RowScore(row.data(), 100, 4, hist.data()),
              static_cast<int>((100 / 1.5) / 12 * 1500 + (89.0 + 1) / 100 * 1000));
}

TEST(PngFilter, AdaptiveChoiceOnHandBuiltRows) {
    std::mt19937 random(3);
    Bytes noise(60);
    for (auto& b : noise)
        b = static_cast<std::uint8_t>(random());
    Bytes nibbles; // a 4-bit ramp whose Sub row would be uniform
    for (int i = 0; i < 20; ++i)
        nibbles.push_back(static_cast<std::uint8_t>(i * 13));
    struct Case {
        const char* name;
        Bytes cur, prev;
        int pixelBits, bitCount, type;
    };
    const Case cases[] = {
        {"all black: None is uniform and used", Bytes(30), Bytes(30), 24, 24, 0},
        {"grey ramp: Sub is uniform and taken at once", greyRamp(), Bytes(30), 24, 24, 1},
        {"repeated row: Up is uniform", noise, noise, 24, 24, 2},
        {"4-bit rows always use None", nibbles, Bytes(20), 4, 4, 0},
    };
    for (const Case& c : cases) {
        RowBench bench(c.cur, c.prev, c.pixelBits, c.bitCount);
        EXPECT_EQ(bench.chosen(), c.type) << c.name;
    }
}

// Finds a row where the best filter beats None but not twice None's score, so the doubling
// for 8-bit rows must keep None.
TEST(PngFilter, NoneCountsDoubleForEightBitRows) {
    std::mt19937 random(8);
    for (int attempt = 0; attempt < 20000; ++attempt) {
        Bytes cur(40), prev(40);
        for (std::size_t i = 0; i < cur.size(); ++i) {
            cur[i] = static_cast<std::uint8_t>(random() % 24 + (i % 2) * 24);
            prev[i] = static_cast<std::uint8_t>(random() % 48);
        }
        const int s0 = score(0, cur, prev, 1, 8);
        int best = s0;
        bool uniform = s0 == -1;
        for (int t = 1; t <= 4; ++t) {
            const int s = score(t, cur, prev, 1, 8);
            uniform = uniform || s == -1;
            best = std::max(best, s);
        }
        if (uniform || best <= s0 || best >= 2 * s0)
            continue;
        RowBench eight(cur, prev, 8, 8);
        EXPECT_EQ(eight.chosen(), 0);
        RowBench wide(cur, prev, 8, 24);
        EXPECT_NE(wide.chosen(), 0);
        return;
    }
    FAIL() << "no suitable row found";
}

// With the row above all zero, Paeth predicts from the left alone and its row equals Sub's but
// for the type byte; when neither type byte value occurs in the row the scores tie, and the
// earlier filter must stay.
TEST(PngFilter, EqualScoresKeepTheEarlierFilter) {
    std::mt19937 random(11);
    for (int attempt = 0; attempt < 20000; ++attempt) {
        Bytes cur(48);
        for (auto& b : cur)
            b = static_cast<std::uint8_t>(random() % 40 + 10);
        const Bytes prev(48);
        Bytes sub(49);
        FilterRow(1, cur.data(), prev.data(), 48, 3, sub.data());
        if (std::count(sub.begin() + 1, sub.end(), 1) || std::count(sub.begin() + 1, sub.end(), 4))
            continue;
        const int s0 = score(0, cur, prev, 3, 24), s1 = score(1, cur, prev, 3, 24);
        const int s2 = score(2, cur, prev, 3, 24), s3 = score(3, cur, prev, 3, 24);
        if (s0 == -1 || s1 == -1 || s2 == -1 || s3 == -1 || s1 <= s0 || s2 >= s1 || s3 >= s1)
            continue;
        ASSERT_EQ(score(4, cur, prev, 3, 24), s1);
        RowBench bench(cur, prev, 24, 24);
        EXPECT_EQ(bench.chosen(), 1);
        return;
    }
    FAIL() << "no suitable row found";
}

TEST(PngFilter, FixedFilterSettings) {
    const Bytes cur = {1, 2, 3, 4, 5, 6}, prev = {6, 5, 4, 3, 2, 1};
    struct Case {
        int filter, type;
    };
    const Case cases[] = {{gpfNone, 0},  {gpfSub, 1}, {gpfUp, 2}, {gpfAvg, 3},
                          {gpfPaeth, 4}, {6, 0},      {200, 0}};
    for (const Case& c : cases) {
        RowBench bench(cur, prev, 24, 24, c.filter);
        EXPECT_EQ(bench.chosen(), c.type) << "filter setting " << c.filter;
    }
}

} // namespace
} // namespace tintlace
