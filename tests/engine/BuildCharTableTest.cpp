#include "engine/BuildCharTable.h"

#include <gtest/gtest.h>

namespace tintlace {
namespace {

constexpr Color Red = makeColor(255, 0, 0);
constexpr Color Green = makeColor(0, 255, 0);
constexpr Color Blue = makeColor(0, 0, 255);

TEST(BuildCharTable, FillsCharsColoursAndSizes) {
    CharTable table;
    buildCharTable(table, "A B", PatternKind::ThreeColorNeon, StyleKind::Small, 6, 5, Red, Green,
                   Blue);
    ASSERT_EQ(table.Count, 3);
    EXPECT_EQ(table.Chars[2], " ");
    EXPECT_EQ(table.Colors[1], Red);
    EXPECT_EQ(table.Colors[2], Green);
    EXPECT_EQ(table.Colors[3], Green);
    EXPECT_EQ(table.HtmlSizes[1], 4); // Small over three: 4 3 1 / 25 18 12
    EXPECT_EQ(table.HtmlSizes[3], 1);
    EXPECT_EQ(table.CssSizes[1], 25);
    EXPECT_EQ(table.CssSizes[3], 12);
}

// An empty text sets Count to 0 and keeps the old colours and sizes: the style-sheet output
// still reads the first size.
TEST(BuildCharTable, EmptyTextKeepsEarlierColoursAndSizes) {
    CharTable table;
    buildCharTable(table, "AB", PatternKind::Gradation, StyleKind::NoStyle, 6, 5, Red, Green, Blue);
    buildCharTable(table, "", PatternKind::Impact, StyleKind::Impact, 2, 1, Blue, Blue, Blue);
    EXPECT_EQ(table.Count, 0);
    EXPECT_EQ(table.Colors[1], Green);
    EXPECT_EQ(table.HtmlSizes[1], 6);
    EXPECT_EQ(table.CssSizes[1], 32);
}

TEST(BuildCharTable, LongTextFillsAtMostTheCapacity) {
    CharTable table;
    buildCharTable(table, std::string(1000, '*'), PatternKind::Gradation, StyleKind::Top, 7, 6, Red,
                   Green, Blue);
    EXPECT_EQ(table.Count, CharTable::Capacity);
    EXPECT_EQ(table.Colors[256], Green); // the centre of 511
    EXPECT_EQ(table.CssSizes[1], 12);
    EXPECT_EQ(table.CssSizes[CharTable::Capacity], 12);
}

} // namespace
} // namespace tintlace
