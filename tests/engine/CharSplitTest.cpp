#include "engine/CharSplit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintlace {
namespace {

std::vector<std::string> charsOf(const CharTable& t) {
    return std::vector<std::string>(t.Chars.begin() + 1, t.Chars.begin() + 1 + t.Count);
}

struct SplitCase {
    std::string name;
    std::string text; // CP932
    std::vector<std::string> chars;
};

class SplitTable : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTable, SplitsByLeadByte) {
    CharTable table;
    splitText(GetParam().text, table);
    EXPECT_EQ(charsOf(table), GetParam().chars);
}

const SplitCase kSplitCases[] = {
    {"Empty", "", {}},
    {"Ascii", "A B", {"A", " ", "B"}},
    // テスト: three double-byte characters, six bytes.
    {"ThreeDoubleByte", "\x83\x65\x83\x58\x83\x67", {"\x83\x65", "\x83\x58", "\x83\x67"}},
    // The upper lead range 0xE0..0xFC, and a trail byte that looks like "\".
    {"UpperLeadRangeAndBackslashTrail", "\xE0\x40\x95\x5C!", {"\xE0\x40", "\x95\x5C", "!"}},
    {"LoneLeadByteAtEnd", "A\x83", {"A", "\x83"}},
    // Half-width katakana (0xA1..0xDF) are single bytes.
    {"HalfWidthKatakana", "\xB1\xB2", {"\xB1", "\xB2"}},
    {"Mixed",
     "a\x82\xA0"
     "b",
     {"a", "\x82\xA0", "b"}},
};

INSTANTIATE_TEST_SUITE_P(Texts, SplitTable, testing::ValuesIn(kSplitCases),
                         [](const auto& info) { return info.param.name; });

TEST(CharSplit, StopsAtTableCapacity) {
    CharTable table;
    splitText(std::string(600, 'x'), table);
    EXPECT_EQ(table.Count, CharTable::Capacity);
    EXPECT_EQ(table.Chars[CharTable::Capacity], "x");
}

TEST(CharSplit, ShorterTextLeavesOldSlotsAbove) {
    CharTable table;
    splitText("ABC", table);
    splitText("\x82\xA0", table);
    EXPECT_EQ(table.Count, 1);
    EXPECT_EQ(table.Chars[1], "\x82\xA0");
    EXPECT_EQ(table.Chars[2], "B"); // untouched, beyond Count
}

} // namespace
} // namespace tintlace
