#include "markup/FontNames.h"

#include "MarkupFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tintlace {
namespace {

using testing_support::sj;

struct NameCase {
    std::string name;
    std::string entry, stripped, display, markup; // UTF-8, converted for the call
};

class FontNameTable : public testing::TestWithParam<NameCase> {};

TEST_P(FontNameTable, TurnsAnEntryIntoItsNames) {
    const NameCase& c = GetParam();
    EXPECT_EQ(StripFontMarks(sj(c.entry)), sj(c.stripped));
    EXPECT_EQ(DisplayFontName(sj(c.entry)), sj(c.display));
    EXPECT_EQ(MarkupFontFamily(sj(c.entry)), sj(c.markup));
}

const NameCase kNameCases[] = {
    {"GenericSerif", "@ Serif", "Serif", "MS Serif", "Serif"},
    {"GenericSansSerif", "@ Sans-Serif", "Sans-Serif", "MS Sans Serif", "Sans-Serif"},
    {"GenericCursive", "@ Cursive", "Cursive", "Lucida Handwriting", "Cursive"},
    {"CommonArial", "* Arial", "Arial", "Arial", "Arial"},
    {"CommonPGothic", "* ＭＳ Ｐゴシック", "ＭＳ Ｐゴシック", "ＭＳ Ｐゴシック",
     "ＭＳ Ｐゴシック,Osaka"},
    {"CommonPMincho", "* ＭＳ Ｐ明朝", "ＭＳ Ｐ明朝", "ＭＳ Ｐ明朝", "ＭＳ Ｐ明朝,平成明朝"},
    {"UnmarkedMsGothic", "ＭＳ ゴシック", "ＭＳ ゴシック", "ＭＳ ゴシック", "ＭＳ ゴシック,Osaka"},
    {"SoeiKaku", "サンプル創英角", "サンプル創英角", "サンプル創英角",
     "サンプル創英角,ＭＳ Ｐゴシック,Osaka"},
    {"Shotai", "サンプル書体", "サンプル書体", "サンプル書体", "サンプル書体,ＭＳ Ｐ明朝,平成明朝"},
    // Test 1 appends a name holding ＭＳ, so test 2 no longer fires; tests 3 and 4 both do.
    {"MinchoGothic", "サンプル明朝ゴシック", "サンプル明朝ゴシック", "サンプル明朝ゴシック",
     "サンプル明朝ゴシック,ＭＳ Ｐゴシック,Osaka,平成明朝"},
    {"HalfWidthGothic", "HGｺﾞｼｯｸE", "HGｺﾞｼｯｸE", "HGｺﾞｼｯｸE", "HGｺﾞｼｯｸE,ＭＳ Ｐゴシック,Osaka"},
    {"SoeiKakuHalfWidth", "HGS創英角ﾎﾟｯﾌﾟ体", "HGS創英角ﾎﾟｯﾌﾟ体", "HGS創英角ﾎﾟｯﾌﾟ体",
     "HGS創英角ﾎﾟｯﾌﾟ体,ＭＳ Ｐゴシック,Osaka"},
    {"PopTai", "サンプルPOP体", "サンプルPOP体", "サンプルPOP体",
     "サンプルPOP体,ＭＳ Ｐゴシック,Osaka"},
    {"NoFontUnchanged", "（種類を指定しない）", "（種類を指定しない）", "（種類を指定しない）",
     "（種類を指定しない）"},
    // Marks count only at the start; "* " then "@ " are stripped in that order.
    {"MarkInsideKept", "Foo* Bar", "Foo* Bar", "Foo* Bar", "Foo* Bar"},
    {"StarThenAt", "* @ Serif", "Serif", "MS Serif", "Serif"},
    {"AtThenStarKeepsStar", "@ * Arial", "* Arial", "* Arial", "* Arial"},
    // The generic mapping regards case.
    {"LowerSerifNotMapped", "@ serif", "serif", "serif", "serif"},
};

INSTANTIATE_TEST_SUITE_P(Entries, FontNameTable, testing::ValuesIn(kNameCases),
                         [](const auto& info) { return info.param.name; });

// "ＭＳ" is 0x82 0x6C 0x82 0x72. Here those bytes occur only across a character boundary
// (a kanji ending in 0x82, then "l", then "Ｓ"), so the name holds no ＭＳ and gets the fallback.
TEST(FontNames, TestsMatchWholeCharactersOnly) {
    const std::string name = sj("ゴシック") + "\x93\x82" + "l" + sj("Ｓ");
    EXPECT_EQ(MarkupFontFamily(name), name + sj(",ＭＳ Ｐゴシック,Osaka"));
}

TEST(FontList, BuildsMarksFiltersAndSorts) {
    const std::vector<std::string> families = {"Verdana",
                                               "@" + sj("ＭＳ ゴシック"),
                                               "Fancy@Face",
                                               "arial",
                                               "Arial",
                                               "Zeta",
                                               "zeta",
                                               "Verdana",
                                               sj("ＭＳ Ｐ明朝"),
                                               sj("ＭＳ ゴシック"),
                                               "Courier",
                                               "courier new"};
    const std::vector<std::string> expected = {
        noFontEntry(), "* Arial",      "* Verdana", "* " + sj("ＭＳ Ｐ明朝"),
        "@ Cursive",   "@ Sans-Serif", "@ Serif",   "arial",
        "Courier",     "courier new",  "Zeta",      sj("ＭＳ ゴシック")};
    EXPECT_EQ(buildFontList(families), expected);
}

TEST(FontList, NoFontEntryStaysFirst) {
    const auto list = buildFontList({sj("ａａａ"), "!bang", "0digit"});
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0], sj("（種類を指定しない）"));
    EXPECT_EQ(list[1], "!bang");
}

// The full-width blank ends in the byte of "@"; such a name is still listed.
TEST(FontList, TrailByteThatLooksLikeAtSignIsNotAnAtSign) {
    const std::string name = sj("ＭＳ　明朝");
    const auto list = buildFontList({name});
    EXPECT_NE(std::find(list.begin(), list.end(), name), list.end());
}

TEST(FontList, IndexOfIgnoresAsciiCaseOnly) {
    const std::vector<std::string> entries = {noFontEntry(), "* Arial", sj("アイ")};
    EXPECT_EQ(indexOfEntry(entries, "* ARIAL"), 1);
    EXPECT_EQ(indexOfEntry(entries, "Arial"), -1);
    EXPECT_EQ(indexOfEntry(entries, sj("アイ")), 2);
    // "アイ" is 0x83 0x41 0x83 0x43; folding its trail bytes would wrongly match 0x83 0x61 0x83
    // 0x63.
    EXPECT_EQ(indexOfEntry(entries, "\x83\x61\x83\x63"), -1);
    EXPECT_EQ(indexOfEntry(entries, noFontEntry()), 0);
    EXPECT_EQ(indexOfEntry({}, "x"), -1);
}

} // namespace
} // namespace tintlace
