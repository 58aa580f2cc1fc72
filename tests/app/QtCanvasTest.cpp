#include "app/QtCanvas.h"
#include "app/ButtonIcons.h"
#include "app/FontSetup.h"
#include "image/TextImage.h"

#include "platform/Cp932.h"

#include <QFontInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tintlace {
namespace {

// Saturated colours: no antialiased blend of them comes out as the frame's grey.
const Color Background = makeColor(0, 255, 0);
const Color RedBody = makeColor(255, 0, 0);
const Color BlueBody = makeColor(0, 0, 255);
const Color ShadowColor = makeColor(255, 255, 0);
const Color LightEdge = makeColor(0, 255, 255);
const Color DarkEdge = makeColor(255, 0, 255);

// Passes every call on to the Qt canvas and remembers where each body was drawn.
class Recorder : public Canvas {
public:
    struct Draw {
        int x, y, advance;
        Color color;
    };
    explicit Recorder(QtCanvas& target) : m_target(target) {}
    std::vector<Draw> draws;

    void fillRect(const Rect& r, Color c) override { m_target.fillRect(r, c); }
    void setFont(const FontSpec& f) override { m_target.setFont(f); }
    int textHeight(std::string_view t) override { return m_target.textHeight(t); }
    int textOut(int x, int y, std::string_view t, Color c) override {
        int advance = m_target.textOut(x, y, t, c);
        draws.push_back({x, y, advance, c});
        return advance;
    }
    void dottedRect(const Rect& r, Color c) override { m_target.dottedRect(r, c); }

private:
    QtCanvas& m_target;
};

CharTable table(const std::vector<std::pair<std::string, Color>>& chars, int cssSize) {
    CharTable t;
    for (const auto& [text, color] : chars) {
        ++t.Count;
        t.Chars[t.Count] = *utf8ToCp932(text);
        t.Colors[t.Count] = color;
        t.CssSizes[t.Count] = cssSize;
        t.HtmlSizes[t.Count] = 6;
    }
    return t;
}

TextImageOptions graphicOptions(bool shadow, bool edge) {
    TextImageOptions o;
    o.graphicTab = true;
    o.bold = true;
    o.shadow = shadow;
    o.edge = edge;
    o.face = previewFaceName(0, "");
    o.shadowColor = ShadowColor;
    o.lightEdgeColor = LightEdge;
    o.darkEdgeColor = DarkEdge;
    return o;
}

struct Drawn {
    QImage image;
    Rect box;
    std::vector<Recorder::Draw> draws;
};

Drawn draw(const CharTable& t, const TextImageOptions& options) {
    QtCanvas canvas;
    canvas.fillRect(Rect{0, 0, PreviewImageWidth, PreviewImageHeight}, Background);
    Recorder recorder(canvas);
    Rect box = drawTextImage(recorder, t, options);
    return {canvas.image(), box, recorder.draws};
}

Color pixel(const QImage& image, int x, int y) {
    return fromQRgb(image.pixel(x, y));
}

// Every pixel of exactly `color` in the rectangle.
std::vector<QPoint> pixelsOf(const QImage& image, Color color, const Rect& r) {
    std::vector<QPoint> found;
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, image.height()); ++y)
        for (int x = std::max(r.Left, 0); x < std::min(r.Right, image.width()); ++x)
            if (pixel(image, x, y) == color)
                found.push_back(QPoint(x, y));
    return found;
}

class QtCanvasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installFontSubstitutions(); }
};

TEST_F(QtCanvasTest, EachCharacterShowsItsBodyColourInsideTheBox) {
    for (bool graphic : {false, true}) {
        TextImageOptions options = graphicOptions(true, true);
        options.graphicTab = graphic;
        Drawn d = draw(table({{"W", RedBody}, {"あ", BlueBody}, {"M", RedBody}}, 32), options);
        ASSERT_FALSE(isEmptyBox(d.box));
        std::vector<Recorder::Draw> bodies;
        for (const auto& draw : d.draws)
            if (draw.color == RedBody || draw.color == BlueBody)
                bodies.push_back(draw);
        ASSERT_EQ(bodies.size(), 3u);
        for (const auto& body : bodies) {
            Rect cell{body.x, d.box.Top, body.x + body.advance, d.box.Bottom};
            EXPECT_FALSE(pixelsOf(d.image, body.color, cell).empty())
                << "character at x " << body.x << (graphic ? " on the graphic tab" : "");
        }
        // Nothing of the text reaches outside the box: only background (and the frame) there.
        for (Color ink : {RedBody, BlueBody, ShadowColor, LightEdge, DarkEdge}) {
            auto all = pixelsOf(d.image, ink, {0, 0, PreviewImageWidth, PreviewImageHeight});
            auto inside = pixelsOf(d.image, ink, d.box);
            EXPECT_EQ(all.size(), inside.size()) << "colour " << std::hex << ink;
        }
    }
}

TEST_F(QtCanvasTest, FrameLiesJustOutsideTheBox) {
    Drawn d = draw(table({{"Hi", RedBody}}, 24), graphicOptions(true, true));
    const Rect& b = d.box;
    const Rect frame{b.Left - 1, b.Top - 1, b.Right + 1, b.Bottom + 1};
    auto framePixels = pixelsOf(d.image, FrameColor, frame);
    ASSERT_FALSE(framePixels.empty());
    for (QPoint p : framePixels) {
        bool onFrame = p.x() == frame.Left || p.x() == frame.Right - 1 || p.y() == frame.Top ||
                       p.y() == frame.Bottom - 1;
        EXPECT_TRUE(onFrame) << p.x() << "," << p.y();
    }
    EXPECT_TRUE(pixelsOf(d.image, FrameColor, b).empty());
    // All four sides are drawn.
    auto countWhere = [&](auto pred) {
        return std::count_if(framePixels.begin(), framePixels.end(), pred);
    };
    EXPECT_GT(countWhere([&](QPoint p) { return p.x() == frame.Left; }), 2);
    EXPECT_GT(countWhere([&](QPoint p) { return p.x() == frame.Right - 1; }), 2);
    EXPECT_GT(countWhere([&](QPoint p) { return p.y() == frame.Top; }), 2);
    EXPECT_GT(countWhere([&](QPoint p) { return p.y() == frame.Bottom - 1; }), 2);
}

TEST_F(QtCanvasTest, ShadowLiesThreePixelsDownRight) {
    Drawn d = draw(table({{"L", RedBody}}, 32), graphicOptions(true, false));
    auto body = pixelsOf(d.image, RedBody, d.box);
    auto shadow = pixelsOf(d.image, ShadowColor, d.box);
    ASSERT_FALSE(body.empty());
    ASSERT_FALSE(shadow.empty());
    auto maxOf = [](const std::vector<QPoint>& ps, auto coord) {
        int m = -1;
        for (QPoint p : ps)
            m = std::max(m, coord(p));
        return m;
    };
    auto x = [](QPoint p) { return p.x(); };
    auto y = [](QPoint p) { return p.y(); };
    EXPECT_EQ(maxOf(shadow, x), maxOf(body, x) + 3);
    EXPECT_EQ(maxOf(shadow, y), maxOf(body, y) + 3);
}

TEST_F(QtCanvasTest, FontMetricsFollowThePointSize) {
    QtCanvas canvas;
    canvas.setFont(FontSpec{previewFaceName(0, ""), 24, false, false});
    const int h24 = canvas.textHeight("A");
    canvas.setFont(FontSpec{previewFaceName(0, ""), 12, false, false});
    const int h12 = canvas.textHeight("A");
    // A 24-point font is 32 pixels to the em; its cell is at least that high.
    EXPECT_GE(h24, 32);
    EXPECT_LT(h24, 48);
    EXPECT_NEAR(h24, 2 * h12, 3);
    EXPECT_GT(canvas.textOut(0, 0, "WW", 0), canvas.textOut(0, 0, "W", 0));
}

TEST_F(QtCanvasTest, FillAndDottedOutlineKeepToTheirEdges) {
    QtCanvas canvas(12, 8);
    const Color ink = makeColor(10, 20, 30);
    canvas.fillRect({0, 0, 12, 8}, Background);
    canvas.fillRect({2, 2, 5, 4}, ink); // columns 2..4, rows 2..3
    QImage filled = canvas.image();
    EXPECT_EQ(pixelsOf(filled, ink, {0, 0, 12, 8}).size(), 6u);
    EXPECT_EQ(pixel(filled, 2, 2), ink);
    EXPECT_EQ(pixel(filled, 4, 3), ink);

    canvas.fillRect({0, 0, 12, 8}, Background);
    canvas.dottedRect({1, 1, 11, 7}, ink); // lines on columns 1 and 10, rows 1 and 6
    QImage outlined = canvas.image();
    for (QPoint p : pixelsOf(outlined, ink, {0, 0, 12, 8}))
        EXPECT_TRUE(p.x() == 1 || p.x() == 10 || p.y() == 1 || p.y() == 6) << p.x() << "," << p.y();
    for (int x = 1; x < 10; ++x) // dotted: never two neighbours set
        EXPECT_FALSE(pixel(outlined, x, 1) == ink && pixel(outlined, x + 1, 1) == ink);
    EXPECT_GE(pixelsOf(outlined, ink, {1, 1, 11, 2}).size(), 4u);
    EXPECT_GE(pixelsOf(outlined, ink, {10, 1, 11, 7}).size(), 2u);
}

TEST_F(QtCanvasTest, WindowsFaceNamesDrawWithInstalledFonts) {
    struct Case {
        const char* face;
        std::set<QString> acceptable;
    };
    for (const Case& c : {
             Case{"ＭＳ Ｐゴシック", {"IPAPGothic", "IPA Pゴシック"}},
             Case{"ＭＳ Ｐ明朝", {"IPAPMincho", "IPA P明朝"}},
             Case{"MS Serif", {"DejaVu Serif", "Nimbus Roman"}},
             Case{"MS Sans Serif", {"DejaVu Sans", "Nimbus Sans"}},
             Case{"Lucida Handwriting", {"Z003", "URW Chancery L"}},
         }) {
        QFontInfo info{QFont(QString::fromUtf8(c.face))};
        const QString family = info.family().section(QStringLiteral(" ["), 0, 0); // no foundry
        EXPECT_TRUE(c.acceptable.count(family)) << c.face << " -> " << info.family().toStdString();
    }
}

TEST(ButtonIcons, EveryButtonHasItsOwnPicture) {
    std::vector<QImage> pictures;
    for (PatternKind k : {PatternKind::Gradation, PatternKind::Impact, PatternKind::ThreeColorNeon,
                          PatternKind::TwoColorNeon})
        pictures.push_back(patternPicture(k));
    for (StyleKind k : {StyleKind::NoStyle, StyleKind::Impact, StyleKind::Small, StyleKind::Big,
                        StyleKind::Wide, StyleKind::Top})
        pictures.push_back(stylePicture(k));
    for (ToolIcon k :
         {ToolIcon::SaveScheme, ToolIcon::DeleteScheme, ToolIcon::About, ToolIcon::Help,
          ToolIcon::WritePicture, ToolIcon::CopyPicture, ToolIcon::Exchange, ToolIcon::CopyMarkup})
        pictures.push_back(toolPicture(k));
    QImage blank(ButtonIconSize, ButtonIconSize, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(pictures[i].size(), QSize(ButtonIconSize, ButtonIconSize));
        EXPECT_NE(pictures[i], blank) << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(pictures[i], pictures[j]) << i << " looks like " << j;
    }
    EXPECT_FALSE(toolIcon(ToolIcon::Help).isNull());
}

} // namespace
} // namespace tintlace
