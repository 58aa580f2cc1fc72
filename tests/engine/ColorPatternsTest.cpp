#include "engine/ColorPatterns.h"

#include "engine/CharSplit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintlace {
namespace {

// Distinct stops so that every expected colour names where it came from.
constexpr Color L = makeColor(255, 255, 0);
constexpr Color C = makeColor(0, 255, 255);
constexpr Color R = makeColor(255, 0, 255);

struct PatternCase {
    std::string name;
    PatternKind pattern;
    std::string text; // CP932
    std::vector<Color> colors;
};

class PatternTable : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternTable, ColoursEveryCharacter) {
    const PatternCase& c = GetParam();
    CharTable table;
    splitText(c.text, table);
    applyColorPattern(table, c.pattern, L, C, R);
    const std::vector<Color> got(table.Colors.begin() + 1, table.Colors.begin() + 1 + table.Count);
    EXPECT_EQ(got, c.colors);
}

using P = PatternKind;
const std::string kFullWidthBlank = "\x81\x40";

const PatternCase kPatternCases[] = {
    {"GradationOne", P::Gradation, "A", {C}},
    {"GradationTwo", P::Gradation, "AB", {C, R}},
    {"GradationThree", P::Gradation, "ABC", {L, C, R}},
    // Center on character 2, then two steps of (Right - Center) / 2 = (127, -127, 0).
    {"GradationFour",
     P::Gradation,
     "ABCD",
     {L, C, makeColor(127, 128, 255), makeColor(254, 1, 255)}},
    // The default stops: the last character stops short of Right by the truncated steps.
    {"GradationFiveDefaultStops",
     P::Gradation,
     "ABCDE",
     {L, makeColor(128, 255, 127), C, makeColor(127, 128, 255), makeColor(254, 1, 255)}},
    {"ImpactOne", P::Impact, "A", {L}},
    {"ImpactTwo", P::Impact, "AB", {L, C}},
    {"ImpactFour", P::Impact, "ABCD", {L, C, makeColor(127, 128, 255), makeColor(254, 1, 255)}},
    {"ThreeNeonOne", P::ThreeColorNeon, "A", {L}},
    {"ThreeNeonCycles", P::ThreeColorNeon, "ABCDE", {L, C, R, L, C}},
    {"ThreeNeonBlankTakesNextColour", P::ThreeColorNeon, "A B", {L, C, C}},
    {"ThreeNeonFullWidthBlank", P::ThreeColorNeon, "A" + kFullWidthBlank + "B", {L, C, C}},
    {"TwoNeonOne", P::TwoColorNeon, "A", {L}},
    {"TwoNeonBlankTakesNextColour", P::TwoColorNeon, "A B", {L, R, R}},
    {"TwoNeonFullWidthBlank", P::TwoColorNeon, "A" + kFullWidthBlank + "BC", {L, R, R, L}},
    {"TwoNeonLeadingBlanks", P::TwoColorNeon, "  AB", {L, L, L, R}},
    // "ア" (0x83 0x41) is not a blank, though its trail byte is a letter.
    {"TwoNeonDoubleByte", P::TwoColorNeon, "\x83\x41\x83\x41", {L, R}},
};

INSTANTIATE_TEST_SUITE_P(Patterns, PatternTable, testing::ValuesIn(kPatternCases),
                         [](const auto& info) { return info.param.name; });

// Steps toward a stop with smaller channels are negative and truncate toward zero.
TEST(ColorPatterns, GradationStepsTruncateTowardZeroBothWays) {
    CharTable table;
    splitText("ABCDEFG", table);
    applyColorPattern(table, PatternKind::Gradation, makeColor(0, 255, 0), makeColor(100, 0, 0),
                      makeColor(0, 100, 255));
    // m = 3 steps of (33, -85, 0) from Left, Center on 4, then 3 steps of (-33, 33, 85).
    const std::vector<Color> expected = {
        makeColor(0, 255, 0),  makeColor(33, 170, 0),  makeColor(66, 85, 0),  makeColor(100, 0, 0),
        makeColor(67, 33, 85), makeColor(34, 66, 170), makeColor(1, 99, 255),
    };
    const std::vector<Color> got(table.Colors.begin() + 1, table.Colors.begin() + 8);
    EXPECT_EQ(got, expected);
}

TEST(ColorPatterns, BlankCharacters) {
    EXPECT_TRUE(isBlankChar(" "));
    EXPECT_TRUE(isBlankChar("\x81\x40"));
    EXPECT_FALSE(isBlankChar(""));
    EXPECT_FALSE(isBlankChar("\x81"));
    EXPECT_FALSE(isBlankChar("\x81\x41"));
    EXPECT_FALSE(isBlankChar("\t"));
}

} // namespace
} // namespace tintlace
