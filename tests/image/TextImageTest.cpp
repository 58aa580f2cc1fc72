#include "image/TextImage.h"

#include "FakeCanvas.h"
#include "platform/Cp932.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace tintlace {

std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "{" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << "}";
}

namespace {

using ::testing::ElementsAre;
using testing::FakeCanvas;

struct Char {
    std::string text;
    int cssSize;
    int htmlSize = 6;
    Color color = 0x000000;
};

CharTable makeTable(std::initializer_list<Char> chars) {
    CharTable table;
    for (const Char& c : chars) {
        ++table.Count;
        table.Chars[table.Count] = c.text;
        table.CssSizes[table.Count] = c.cssSize;
        table.HtmlSizes[table.Count] = c.htmlSize;
        table.Colors[table.Count] = c.color;
    }
    return table;
}

CharTable repeated(const Char& c, int count) {
    CharTable table;
    for (int i = 1; i <= count; ++i) {
        table.Chars[i] = c.text;
        table.CssSizes[i] = c.cssSize;
        table.HtmlSizes[i] = c.htmlSize;
        table.Colors[i] = c.color;
    }
    table.Count = count;
    return table;
}

TextImageOptions htmlTab() {
    TextImageOptions o;
    o.htmlTab = true;
    return o;
}
TextImageOptions cssTab() {
    return TextImageOptions{};
}
TextImageOptions graphicTab(bool shadow, bool edge) {
    TextImageOptions o;
    o.graphicTab = true;
    o.shadow = shadow;
    o.edge = edge;
    return o;
}
TextImageOptions italic(TextImageOptions o) {
    o.italic = true;
    return o;
}

// The fake's cell is as high as the font's points and each byte advances half of that, so
// "Hi" at 32 points stands on y = trunc(45 - 32 * 0.85) = 17 and ends at x = 8 + 16 + 16 = 40.
struct BoxCase {
    const char* name;
    TextImageOptions options;
    CharTable table;
    Rect expected;
};

class TextImageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(TextImageBoxTest, BoxHoldsTheDrawnText) {
    FakeCanvas canvas;
    EXPECT_EQ(drawTextImage(canvas, GetParam().table, GetParam().options), GetParam().expected);
}

const CharTable hi = makeTable({{"H", 32}, {"i", 32}});
const CharTable empty = makeTable({});

INSTANTIATE_TEST_SUITE_P(
    Cases, TextImageBoxTest,
    ::testing::Values(
        // HTML size 6 draws at 24 points: y = trunc(45 - 20.4) = 24.
        BoxCase{"HtmlTabUsesHtmlPointSizes", htmlTab(), hi, {5, 24, 35, 48}},
        BoxCase{"CssTabUsesCssSizes", cssTab(), hi, {5, 17, 43, 49}},
        BoxCase{"GraphicTabPlain", graphicTab(false, false), hi, {5, 17, 43, 49}},
        BoxCase{"GraphicTabShadowAndEdge", graphicTab(true, true), hi, {4, 16, 47, 53}},
        BoxCase{"GraphicTabShadowOff", graphicTab(false, true), hi, {4, 16, 44, 50}},
        BoxCase{"GraphicTabEdgeOff", graphicTab(true, false), hi, {5, 17, 46, 52}},
        BoxCase{"ShadowAndEdgeOnlyOnGraphicTab",
                [] {
                    auto o = htmlTab();
                    o.shadow = o.edge = true;
                    return o;
                }(),
                hi,
                {5, 24, 35, 48}},
        // 21 points: y = trunc(45 - 17.85) = 27, advance 10; the top comes from the larger.
        BoxCase{"MixedSizesShareTheBaseRow",
                cssTab(),
                makeTable({{"H", 32}, {"i", 21}}),
                {5, 17, 37, 49}},
        // Italic widens by half the last cell height, truncated: 21 / 2 = 10.
        BoxCase{"ItalicAddsHalfTheLastCellHeight",
                italic(cssTab()),
                makeTable({{"H", 32}, {"i", 21}}),
                {5, 17, 47, 49}},
        BoxCase{"ItalicOnGraphicTab",
                italic(graphicTab(true, true)),
                makeTable({{"H", 32}, {"i", 21}}),
                {4, 16, 51, 53}},
        // y = trunc(45 - 127.5) = -82: the top is held at 0, the bottom (68) is not limited.
        BoxCase{"TallTextClampsTopNotBottom", cssTab(), makeTable({{"W", 150}}), {5, 0, 86, 68}},
        BoxCase{
            "LongTextStopsAtImageEdge", italic(cssTab()), repeated({"W", 60}, 27), {5, 0, 800, 54}},
        BoxCase{"EmptyTextHtmlTab", htmlTab(), empty, {5, 45, 11, 0}},
        BoxCase{"EmptyTextGraphicTabWithShadowAndEdge",
                italic(graphicTab(true, true)),
                empty,
                {5, 45, 11, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextImage, GraphicTabDrawsShadowEdgesBodyPerCharacterThenFrame) {
    FakeCanvas canvas;
    TextImageOptions options = graphicTab(true, true);
    options.shadowColor = 0x111111;
    options.lightEdgeColor = 0x222222;
    options.darkEdgeColor = 0x333333;
    // 20 points: y = 28, advance 10.
    CharTable table = makeTable({{"A", 20, 6, 0x0000FF}, {"B", 20, 6, 0xFF0000}});

    Rect box = drawTextImage(canvas, table, options);

    EXPECT_THAT(canvas.calls, ElementsAre("text A 11,31 0x111111", // shadow
                                          "text A 7,29 0x333333",  // dark, down-left
                                          "text A 9,27 0x333333",  // dark, up-right
                                          "text A 7,27 0x222222",  // light, up-left
                                          "text A 9,29 0x333333",  // dark, down-right
                                          "text A 8,28 0x0000FF",  // body
                                          "text B 21,31 0x111111", "text B 17,29 0x333333",
                                          "text B 19,27 0x333333", "text B 17,27 0x222222",
                                          "text B 19,29 0x333333", "text B 18,28 0xFF0000",
                                          "frame 3,26-36,53 0x606060"));
    EXPECT_EQ(box, (Rect{4, 27, 35, 52}));
}

TEST(TextImage, OtherTabsDrawOnlyTheBodies) {
    for (TextImageOptions options : {htmlTab(), cssTab()}) {
        options.shadow = options.edge = true;
        FakeCanvas canvas;
        drawTextImage(canvas, makeTable({{"A", 20, 3, 0x0000FF}, {"B", 20, 3, 0xFF0000}}), options);
        // 12 points on the HTML tab: y = trunc(45 - 10.2) = 34, advance 6.
        if (options.htmlTab)
            EXPECT_THAT(canvas.calls, ElementsAre("text A 8,34 0x0000FF", "text B 14,34 0xFF0000"));
        else
            EXPECT_THAT(canvas.calls, ElementsAre("text A 8,28 0x0000FF", "text B 18,28 0xFF0000"));
    }
}

TEST(TextImage, EmptyTextOnGraphicTabDrawsOnlyTheFrame) {
    FakeCanvas canvas;
    drawTextImage(canvas, makeTable({}), graphicTab(true, true));
    EXPECT_THAT(canvas.calls, ElementsAre("frame 4,44-12,1 0x606060"));
}

TEST(TextImage, DoubleByteCharactersAdvanceByTheirOwnWidth) {
    FakeCanvas canvas;
    // "あ" in CP932 is two bytes, so the fake advances a full em.
    drawTextImage(canvas, makeTable({{"\x82\xA0", 20}, {"A", 20}}), cssTab());
    EXPECT_THAT(canvas.textCalls(),
                ElementsAre("text \x82\xA0 8,28 0x000000", "text A 28,28 0x000000"));
}

TEST(TextImage, CharactersStandWithEightyFivePercentAboveRow45) {
    struct Row {
        int height;
        int y;
    };
    // Exact products land on their row; negative tops truncate toward zero.
    for (Row row :
         {Row{20, 28}, Row{40, 11}, Row{60, -6}, Row{33, 16}, Row{100, -40}, Row{59, -5}}) {
        FakeCanvas canvas;
        drawTextImage(canvas, makeTable({{"X", row.height}}), cssTab());
        EXPECT_THAT(canvas.textCalls(),
                    ElementsAre("text X 8," + std::to_string(row.y) + " 0x000000"))
            << "cell height " << row.height;
    }
}

TEST(TextImage, FontCarriesFaceStyleAndEachCharactersSize) {
    FakeCanvas canvas;
    TextImageOptions options = htmlTab();
    options.face = "Face";
    options.bold = true;
    options.italic = true;
    drawTextImage(canvas,
                  makeTable({{"a", 0, 1},
                             {"b", 0, 2},
                             {"c", 0, 3},
                             {"d", 0, 4},
                             {"e", 0, 5},
                             {"f", 0, 6},
                             {"g", 0, 7}}),
                  options);
    std::vector<int> points;
    for (const FontSpec& f : canvas.fonts) {
        EXPECT_EQ(f.face, "Face");
        EXPECT_TRUE(f.bold);
        EXPECT_TRUE(f.italic);
        points.push_back(f.pointSize);
    }
    EXPECT_THAT(points, ElementsAre(8, 10, 12, 14, 18, 24, 36));
}

} // namespace
} // namespace tintlace

namespace tintlace {
namespace {

TEST(PreviewFaceName, NoFontEntryDrawsWithTheDefaultGothic) {
    struct Case {
        int index;
        const char* entry; // UTF-8
        const char* face;  // UTF-8
    };
    for (const Case& c :
         {Case{0, "（種類を指定しない）", "ＭＳ Ｐゴシック"}, Case{0, "* Arial", "ＭＳ Ｐゴシック"},
          Case{1, "@ Serif", "MS Serif"}, Case{3, "@ Cursive", "Lucida Handwriting"},
          Case{5, "* Arial", "Arial"}, Case{7, "* ＭＳ Ｐ明朝", "ＭＳ Ｐ明朝"}})
        EXPECT_EQ(cp932ToUtf8(previewFaceName(c.index, *utf8ToCp932(c.entry))), c.face) << c.entry;
}

} // namespace
} // namespace tintlace
