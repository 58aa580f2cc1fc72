#include "markup/StyleSpans.h"

#include "MarkupFixture.h"

#include <gtest/gtest.h>

namespace tintlace {
namespace {

using namespace testing_support;

CharTable firstStartTable() {
    return tableOf({{"A", kRed, 6, 32}, {" ", 0x00FF00, 6, 32}, {"B", kBlue, 6, 32}});
}

TEST(StyleSpans, FirstStartOptions) {
    EXPECT_EQ(buildStyleSpans(firstStartTable(), MarkupOptions{}),
              "<span style=\"font-size:42px\"><span style=\"color:#ff0000\">A</span>"
              "<span style=\"\">&nbsp;</span><span style=\"color:#0000ff\">B</span></span>"
              "<BR>\r\n");
}

TEST(StyleSpans, LinePerCharacterWithCommentPointsItalicBoldFace) {
    MarkupOptions o;
    o.editText = "A B";
    o.linePerChar = true;
    o.comment = true;
    o.usePoints = true;
    o.italic = true;
    o.bold = true;
    o.lowerCase = false;
    o.fontChosen = true;
    o.fontEntry = "* Arial";
    o.noStyle = false;
    EXPECT_EQ(buildStyleSpans(redBlankBlue(), o),
              "<!--A B-->\r\n"
              "<SPAN STYLE=\"font-family:Arial; font-style:italic;  font-weight:bold\">\r\n"
              "     <SPAN STYLE=\"color:#FF0000; font-size:32pt\">A</SPAN\r\n"
              "    ><SPAN STYLE=\"font-size:28pt\">&nbsp;</SPAN\r\n"
              "    ><SPAN STYLE=\"color:#0000FF; font-size:28pt\">B</SPAN\r\n"
              "    >\r\n"
              "</SPAN>\r\n"
              "<BR>\r\n");
}

class SpanOptionMatrix : public testing::TestWithParam<OptionCase> {};

TEST_P(SpanOptionMatrix, WritesExactText) {
    EXPECT_EQ(buildStyleSpans(redBlankBlue(), GetParam().options), GetParam().expected);
}

const OptionCase kSpanCases[] = {
    // No font, varying style, neither bold nor italic: no outer SPAN; the blank holds only its
    // size, without a separator.
    {"NoOuter", with([](MarkupOptions& o) { o.noStyle = false; }),
     "<span style=\"color:#ff0000; font-size:42px\">A</span>"
     "<span style=\"font-size:37px\">&nbsp;</span>"
     "<span style=\"color:#0000ff; font-size:37px\">B</span><BR>\r\n"},
    {"NoOuterUpperNoBreak",
     with([](MarkupOptions& o) { o.noStyle = false, o.lowerCase = false, o.finalBreak = false; }),
     "<SPAN STYLE=\"color:#FF0000; font-size:42px\">A</SPAN>"
     "<SPAN STYLE=\"font-size:37px\">&nbsp;</SPAN>"
     "<SPAN STYLE=\"color:#0000FF; font-size:37px\">B</SPAN>\r\n"},
    // The HTML tab's no-quotes option changes nothing here.
    {"NoQuotesIgnored", with([](MarkupOptions& o) { o.noQuotes = true; }),
     "<span style=\"font-size:42px\"><span style=\"color:#ff0000\">A</span>"
     "<span style=\"\">&nbsp;</span><span style=\"color:#0000ff\">B</span></span><BR>\r\n"},
    // Bold alone makes an outer SPAN whose value starts with a blank.
    {"BoldOnly", with([](MarkupOptions& o) { o.noStyle = false, o.bold = true; }),
     "<span style=\" font-weight:bold\"><span style=\"color:#ff0000; font-size:42px\">A</span>"
     "<span style=\"font-size:37px\">&nbsp;</span>"
     "<span style=\"color:#0000ff; font-size:37px\">B</span></span><BR>\r\n"},
    {"ItalicOnly", with([](MarkupOptions& o) { o.noStyle = false, o.italic = true; }),
     "<span style=\"font-style:italic\"><span style=\"color:#ff0000; font-size:42px\">A</span>"
     "<span style=\"font-size:37px\">&nbsp;</span>"
     "<span style=\"color:#0000ff; font-size:37px\">B</span></span><BR>\r\n"},
    // Declarations keep their case under lower case; the common size is the first one's.
    {"AllDeclarationsLower", with([](MarkupOptions& o) {
         o.fontChosen = true, o.fontEntry = "@ Sans-Serif", o.italic = true, o.bold = true;
         o.usePoints = true;
     }),
     "<span style=\"font-family:Sans-Serif; font-size:32pt; font-style:italic;  "
     "font-weight:bold\"><span style=\"color:#ff0000\">A</span><span style=\"\">&nbsp;</span>"
     "<span style=\"color:#0000ff\">B</span></span><BR>\r\n"},
    {"LinePerCharNoOuter", with([](MarkupOptions& o) { o.noStyle = false, o.linePerChar = true; }),
     " <span style=\"color:#ff0000; font-size:42px\">A</span\r\n"
     "><span style=\"font-size:37px\">&nbsp;</span\r\n"
     "><span style=\"color:#0000ff; font-size:37px\">B</span\r\n"
     ">\r\n"
     "<BR>\r\n"},
    {"LinePerCharWithOuterNoBreak",
     with([](MarkupOptions& o) { o.linePerChar = true, o.finalBreak = false; }),
     "<span style=\"font-size:42px\">\r\n"
     "     <span style=\"color:#ff0000\">A</span\r\n"
     "    ><span style=\"\">&nbsp;</span\r\n"
     "    ><span style=\"color:#0000ff\">B</span\r\n"
     "    >\r\n"
     "</span>\r\n"
     "\r\n"},
    {"CommentNotLowered", with([](MarkupOptions& o) { o.comment = true, o.editText = "Ab"; }),
     "<!--Ab-->\r\n<span style=\"font-size:42px\"><span style=\"color:#ff0000\">A</span>"
     "<span style=\"\">&nbsp;</span><span style=\"color:#0000ff\">B</span></span><BR>\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Options, SpanOptionMatrix, testing::ValuesIn(kSpanCases),
                         [](const auto& info) { return info.param.name; });

TEST(StyleSpans, SizeTextCutsPixels) {
    struct Row {
        int points;
        bool usePoints;
        const char* text;
    };
    const Row rows[] = {{8, false, "10px"},  {12, false, "15px"}, {32, false, "42px"},
                        {36, false, "47px"}, {7, false, "9px"},   {28, true, "28pt"},
                        {7, true, "7pt"}};
    for (const Row& row : rows)
        EXPECT_EQ(cssSizeText(row.points, row.usePoints), row.text) << row.points;
}

// The family list goes in unquoted, blank and all.
TEST(StyleSpans, FamilyWithBlankUnquoted) {
    MarkupOptions o;
    o.fontChosen = true;
    o.fontEntry = sj("* ＭＳ Ｐゴシック");
    o.finalBreak = false;
    EXPECT_EQ(buildStyleSpans(tableOf({{"x", kRed, 6, 32}}), o),
              "<span style=\"font-family:" + sj("ＭＳ Ｐゴシック,Osaka") +
                  "; font-size:42px\"><span style=\"color:#ff0000\">x</span></span>\r\n");
}

TEST(StyleSpans, BlanksMarkupCharactersAndDoubleByteUnderLowerCase) {
    const CharTable t = tableOf({{sj("　"), kRed, 1, 12},
                                 {"<", kRed, 1, 12},
                                 {"&", kRed, 1, 12},
                                 {sj("ア"), 0xABCDEF, 1, 12}});
    MarkupOptions o;
    o.noStyle = false;
    o.finalBreak = false;
    EXPECT_EQ(buildStyleSpans(t, o), "<span style=\"font-size:15px\">" + sj("　") + "</span>" +
                                         "<span style=\"color:#ff0000; font-size:15px\"><</span>" +
                                         "<span style=\"color:#ff0000; font-size:15px\">&</span>" +
                                         "<span style=\"color:#efcdab; font-size:15px\">" +
                                         sj("ア") + "</span>\r\n");
}

// An empty text leaves the table's old first size in place; the outer SPAN still uses it.
TEST(StyleSpans, EmptyTextUsesTheFirstSizeLeftInTheTable) {
    CharTable t = tableOf({{"A", kRed, 6, 20}});
    t.Count = 0;
    EXPECT_EQ(buildStyleSpans(t, MarkupOptions{}),
              "<span style=\"font-size:26px\"></span><BR>\r\n");
}

} // namespace
} // namespace tintlace
