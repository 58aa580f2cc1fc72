#include "markup/HtmlTags.h"

#include "MarkupFixture.h"

#include <gtest/gtest.h>

namespace tintlace {
namespace {

using namespace testing_support;

TEST(HtmlTags, FirstStartOptions) {
    EXPECT_EQ(buildHtmlTags(redBlankBlue(), MarkupOptions{}),
              "<font size=6><font color=\"#ff0000\">A</font><font>&nbsp;</font>"
              "<font color=\"#0000ff\">B</font></font><br>\r\n");
}

TEST(HtmlTags, LinePerCharacterWithCommentBoldFaceNoQuotes) {
    MarkupOptions o;
    o.editText = "A B";
    o.linePerChar = true;
    o.comment = true;
    o.noQuotes = true;
    o.bold = true;
    o.lowerCase = false;
    o.fontChosen = true;
    o.fontEntry = "* Arial";
    o.noStyle = false;
    EXPECT_EQ(buildHtmlTags(redBlankBlue(), o), "<!--A B-->\r\n"
                                                "<B><FONT FACE=Arial>\r\n"
                                                "     <FONT COLOR=#FF0000 SIZE=6>A</FONT\r\n"
                                                "    ><FONT SIZE=5>&nbsp;</FONT\r\n"
                                                "    ><FONT COLOR=#0000FF SIZE=5>B</FONT\r\n"
                                                "    >\r\n"
                                                "</FONT></B><BR>\r\n");
}

class HtmlOptionMatrix : public testing::TestWithParam<OptionCase> {};

TEST_P(HtmlOptionMatrix, WritesExactText) {
    EXPECT_EQ(buildHtmlTags(redBlankBlue(), GetParam().options), GetParam().expected);
}

const OptionCase kHtmlCases[] = {
    // No font and a varying style: no outer tag; the blank keeps only its SIZE.
    {"NoOuterUpperNoQuotes",
     with([](MarkupOptions& o) { o.noStyle = false, o.lowerCase = false, o.noQuotes = true; }),
     "<FONT COLOR=#FF0000 SIZE=6>A</FONT><FONT SIZE=5>&nbsp;</FONT>"
     "<FONT COLOR=#0000FF SIZE=5>B</FONT><BR>\r\n"},
    {"NoOuterLowerQuoted", with([](MarkupOptions& o) { o.noStyle = false; }),
     "<font color=\"#ff0000\" size=\"6\">A</font><font size=\"5\">&nbsp;</font>"
     "<font color=\"#0000ff\" size=\"5\">B</font><br>\r\n"},
    // The outer SIZE never has quotation marks; the blank's tag is "<FONT" then ">".
    {"NoStyleUpperQuoted", with([](MarkupOptions& o) { o.lowerCase = false; }),
     "<FONT SIZE=6><FONT COLOR=\"#FF0000\">A</FONT><FONT>&nbsp;</FONT>"
     "<FONT COLOR=\"#0000FF\">B</FONT></FONT><BR>\r\n"},
    // Lower case leaves the family list alone.
    {"FaceKeepsItsCase",
     with([](MarkupOptions& o) { o.fontChosen = true, o.fontEntry = "* Arial", o.sizeText = "3"; }),
     "<font face=\"Arial\" size=3><font color=\"#ff0000\">A</font><font>&nbsp;</font>"
     "<font color=\"#0000ff\">B</font></font><br>\r\n"},
    {"FaceWithoutSizeUnderVaryingStyle", with([](MarkupOptions& o) {
         o.fontChosen = true, o.fontEntry = "@ Serif", o.noStyle = false, o.noQuotes = true;
     }),
     "<font face=Serif><font color=#ff0000 size=6>A</font><font size=5>&nbsp;</font>"
     "<font color=#0000ff size=5>B</font></font><br>\r\n"},
    {"ItalicOutsideBoldOutsideFont",
     with([](MarkupOptions& o) { o.bold = true, o.italic = true, o.lowerCase = false; }),
     "<I><B><FONT SIZE=6><FONT COLOR=\"#FF0000\">A</FONT><FONT>&nbsp;</FONT>"
     "<FONT COLOR=\"#0000FF\">B</FONT></FONT></B></I><BR>\r\n"},
    {"BoldItalicLower", with([](MarkupOptions& o) { o.bold = true, o.italic = true; }),
     "<i><b><font size=6><font color=\"#ff0000\">A</font><font>&nbsp;</font>"
     "<font color=\"#0000ff\">B</font></font></b></i><br>\r\n"},
    // Without the final break the text still ends in a line break.
    {"NoFinalBreak", with([](MarkupOptions& o) { o.finalBreak = false; }),
     "<font size=6><font color=\"#ff0000\">A</font><font>&nbsp;</font>"
     "<font color=\"#0000ff\">B</font></font>\r\n"},
    // Line per character without an outer tag: one blank before the first character, no
    // line break after an empty head, later lines start with ">".
    {"LinePerCharNoOuter", with([](MarkupOptions& o) { o.noStyle = false, o.linePerChar = true; }),
     " <font color=\"#ff0000\" size=\"6\">A</font\r\n"
     "><font size=\"5\">&nbsp;</font\r\n"
     "><font color=\"#0000ff\" size=\"5\">B</font\r\n"
     ">\r\n"
     "<br>\r\n"},
    {"LinePerCharNoOuterItalic",
     with([](MarkupOptions& o) { o.noStyle = false, o.linePerChar = true, o.italic = true; }),
     "<i>\r\n"
     " <font color=\"#ff0000\" size=\"6\">A</font\r\n"
     "><font size=\"5\">&nbsp;</font\r\n"
     "><font color=\"#0000ff\" size=\"5\">B</font\r\n"
     ">\r\n"
     "</i><br>\r\n"},
    {"LinePerCharWithOuter", with([](MarkupOptions& o) { o.linePerChar = true; }),
     "<font size=6>\r\n"
     "     <font color=\"#ff0000\">A</font\r\n"
     "    ><font>&nbsp;</font\r\n"
     "    ><font color=\"#0000ff\">B</font\r\n"
     "    >\r\n"
     "</font><br>\r\n"},
    // The comment keeps its case and ends in a line break even on one line.
    {"CommentNotLowered", with([](MarkupOptions& o) { o.comment = true, o.editText = "A B"; }),
     "<!--A B-->\r\n<font size=6><font color=\"#ff0000\">A</font><font>&nbsp;</font>"
     "<font color=\"#0000ff\">B</font></font><br>\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Options, HtmlOptionMatrix, testing::ValuesIn(kHtmlCases),
                         [](const auto& info) { return info.param.name; });

TEST(HtmlTags, FullWidthBlankHasNoColourAndStaysItself) {
    const CharTable t = tableOf({{sj("　"), kRed, 3, 20}});
    MarkupOptions o;
    o.noStyle = false;
    o.lowerCase = false;
    o.noQuotes = true;
    o.finalBreak = false;
    EXPECT_EQ(buildHtmlTags(t, o), "<FONT SIZE=3>" + sj("　") + "</FONT>\r\n");
}

TEST(HtmlTags, MarkupCharactersAreNotEscaped) {
    const CharTable t = tableOf({{"<", kRed}, {"&", kRed}, {">", kRed}});
    MarkupOptions o;
    o.finalBreak = false;
    EXPECT_EQ(buildHtmlTags(t, o), "<font size=6><font color=\"#ff0000\"><</font>"
                                   "<font color=\"#ff0000\">&</font>"
                                   "<font color=\"#ff0000\">></font></font>\r\n");
}

// "アイ" has the trail bytes 0x41 and 0x43 ("A", "C"); lower case must not touch them, in the
// characters, the comment or the family list (ＭＳ Ｐゴシック has "S" and "N" trail bytes).
TEST(HtmlTags, LowerCaseKeepsDoubleByteCharactersIntact) {
    const CharTable t = tableOf({{sj("ア"), 0xABCDEF}, {sj("イ"), 0x00FF00}});
    MarkupOptions o;
    o.comment = true;
    o.editText = sj("アイ");
    o.fontChosen = true;
    o.fontEntry = sj("* ＭＳ Ｐゴシック");
    o.noQuotes = true;
    EXPECT_EQ(buildHtmlTags(t, o),
              "<!--" + sj("アイ") + "-->\r\n<font face=" + sj("ＭＳ Ｐゴシック,Osaka") +
                  " size=6>" + "<font color=#efcdab>" + sj("ア") + "</font>" +
                  "<font color=#00ff00>" + sj("イ") + "</font></font><br>\r\n");
}

TEST(HtmlTags, EmptyTextGivesHeadAndTail) {
    EXPECT_EQ(buildHtmlTags(CharTable{}, MarkupOptions{}), "<font size=6></font><br>\r\n");
}

} // namespace
} // namespace tintlace
