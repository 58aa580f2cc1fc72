#include "engine/SizeStyles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintlace {
namespace {

struct SizeCase {
    std::string name;
    StyleKind style;
    int baseSize;
    int amount;
    std::vector<int> html; // one entry per character
    std::vector<int> css;
};

class SizeStyleTable : public testing::TestWithParam<SizeCase> {};

std::vector<int> column(const CharTable& t, const std::array<int, CharTable::Capacity + 1>& col) {
    return std::vector<int>(col.begin() + 1, col.begin() + 1 + t.Count);
}

TEST_P(SizeStyleTable, GivesEverySizeExactly) {
    const SizeCase& c = GetParam();
    CharTable table;
    table.Count = static_cast<int>(c.html.size());
    applySizeStyle(table, c.style, c.baseSize, c.amount);
    EXPECT_EQ(column(table, table.HtmlSizes), c.html);
    EXPECT_EQ(column(table, table.CssSizes), c.css);
}

using S = StyleKind;
// The start-up values h = 6, a = 5 (r = 1, c = 32, cr = 12), then other ranges.
const SizeCase kSizeCases[] = {
    {"NoStyle5", S::NoStyle, 6, 5, {6, 6, 6, 6, 6}, {32, 32, 32, 32, 32}},
    {"NoStyle4", S::NoStyle, 6, 5, {6, 6, 6, 6}, {32, 32, 32, 32}},
    {"NoStyle2", S::NoStyle, 6, 5, {6, 6}, {32, 32}},
    {"NoStyle1", S::NoStyle, 6, 5, {6}, {32}},
    {"Impact5", S::Impact, 6, 5, {6, 1, 1, 1, 1}, {32, 12, 12, 12, 12}},
    {"Impact4", S::Impact, 6, 5, {6, 1, 1, 1}, {32, 12, 12, 12}},
    {"Impact2", S::Impact, 6, 5, {6, 1}, {32, 12}},
    {"Impact1", S::Impact, 6, 5, {6}, {32}},
    {"Small5", S::Small, 6, 5, {5, 4, 3, 2, 1}, {28, 24, 20, 16, 12}},
    {"Small4", S::Small, 6, 5, {5, 4, 2, 1}, {27, 22, 17, 12}},
    {"Small2", S::Small, 6, 5, {4, 1}, {22, 12}},
    {"Small1", S::Small, 6, 5, {1}, {12}},
    {"Big5", S::Big, 6, 5, {2, 3, 4, 5, 6}, {16, 20, 24, 28, 32}},
    {"Big4", S::Big, 6, 5, {2, 3, 4, 6}, {17, 22, 27, 32}},
    {"Big2", S::Big, 6, 5, {3, 6}, {22, 32}},
    {"Big1", S::Big, 6, 5, {6}, {32}},
    {"Wide5", S::Wide, 6, 5, {6, 2, 1, 2, 6}, {32, 19, 12, 19, 32}},
    {"Wide4", S::Wide, 6, 5, {6, 1, 1, 6}, {32, 12, 12, 32}},
    {"Wide2", S::Wide, 6, 5, {1, 1}, {12, 12}},
    {"Wide1", S::Wide, 6, 5, {6}, {32}},
    {"Top5", S::Top, 6, 5, {1, 4, 5, 4, 1}, {12, 24, 31, 24, 12}},
    {"Top4", S::Top, 6, 5, {1, 5, 5, 1}, {12, 31, 31, 12}},
    {"Top2", S::Top, 6, 5, {5, 5}, {31, 31}},
    {"Top1", S::Top, 6, 5, {1}, {12}},
    // h = 7, a = 6: r = 1, c = 36, cr = 12.
    {"Wide6Largest", S::Wide, 7, 6, {7, 3, 1, 1, 3, 7}, {36, 22, 12, 12, 22, 36}},
    {"Top6Largest", S::Top, 7, 6, {1, 4, 6, 6, 4, 1}, {12, 25, 35, 35, 25, 12}},
    // h = 1 never varies: r = 1 and c = cr = 12.
    {"SmallBase1", S::Small, 1, 6, {1, 1, 1}, {12, 12, 12}},
    {"WideBase1", S::Wide, 1, 3, {1, 1, 1}, {12, 12, 12}},
    {"TopBase1", S::Top, 1, 1, {1, 1, 1}, {12, 12, 12}},
    {"ImpactBase1", S::Impact, 1, 6, {1, 1, 1}, {12, 12, 12}},
    // h = 2, a = 6: r = 1, c = 16, cr = 10.
    {"ImpactBase2", S::Impact, 2, 6, {2, 1, 1}, {16, 10, 10}},
};

INSTANTIATE_TEST_SUITE_P(Styles, SizeStyleTable, testing::ValuesIn(kSizeCases),
                         [](const auto& info) { return info.param.name; });

TEST(SizeStyles, DerivedBounds) {
    struct Row {
        int h, a, r, c, cr;
    };
    const Row rows[] = {{6, 5, 1, 32, 12},
                        {7, 6, 1, 36, 12},
                        {2, 6, 1, 16, 10},
                        {1, 6, 1, 12, 12},
                        {4, 1, 3, 24, 22}};
    for (const Row& row : rows) {
        const SizeRange rg = sizeRangeFor(row.h, row.a);
        EXPECT_EQ(rg.htmlLow, row.r) << row.h << "," << row.a;
        EXPECT_EQ(rg.cssHigh, row.c) << row.h << "," << row.a;
        EXPECT_EQ(rg.cssLow, row.cr) << row.h << "," << row.a;
    }
}

// (24 / 90) x 90 in extended precision lands just above 24, so the last size truncates to
// 11 rather than 12; a double-precision or exact computation would give 12.
TEST(SizeStyles, SmallOverNinetyCharactersEndsOneBelowTheRange) {
    CharTable table;
    table.Count = 90;
    applySizeStyle(table, StyleKind::Small, 7, 6);
    EXPECT_EQ(table.CssSizes[90], 11);
    EXPECT_EQ(table.HtmlSizes[90], 1);
    EXPECT_EQ(table.CssSizes[1], 35); // 36 - 24/90 = 35.73...
}

TEST(SizeStyles, LeavesSlotsAboveCountAlone) {
    CharTable table;
    table.HtmlSizes[4] = 99;
    table.CssSizes[4] = 99;
    table.Count = 3;
    applySizeStyle(table, StyleKind::Wide, 6, 5);
    EXPECT_EQ(table.HtmlSizes[4], 99);
    EXPECT_EQ(table.CssSizes[4], 99);
}

} // namespace
} // namespace tintlace
