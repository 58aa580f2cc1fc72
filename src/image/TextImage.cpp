#include "image/TextImage.h"

#include <algorithm>
#include <array>

namespace tintlace {

namespace {

// Where the text starts and the row the characters stand on.
constexpr int TextStartX = 8;
constexpr int BaseRow = 45;
constexpr int ShadowOffset = 3;
constexpr int EdgeWidth = 1;
// Room left beside the text on both sides of the box.
constexpr int SideMargin = 3;

// Top of a cell of height h whose upper 85 percent lies above the base row:
// 45 - h * 0.85 truncated toward zero, computed in integers so that no rounding of 0.85 can
// move an exact result to the row above.
int cellTop(int h) {
    return (BaseRow * 100 - h * 85) / 100;
}

} // namespace

int HtmlPointSizes(int htmlSize) {
    static constexpr std::array<int, 7> points{8, 10, 12, 14, 18, 24, 36};
    return points[std::clamp(htmlSize, 1, 7) - 1];
}

Rect drawTextImage(Canvas& canvas, const CharTable& table, const TextImageOptions& options) {
    Rect box{TextStartX, BaseRow, 0, 0};
    int shadow = 0;
    int edge = 0;
    int penX = TextStartX;
    int lastHeight = 0;
    FontSpec font{options.face, 0, options.bold, options.italic};

    const int count = std::clamp(table.Count, 0, CharTable::Capacity);
    for (int i = 1; i <= count; ++i) {
        font.pointSize = options.htmlTab ? HtmlPointSizes(table.HtmlSizes[i]) : table.CssSizes[i];
        canvas.setFont(font);
        const std::string& ch = table.Chars[i];
        const int x = penX;
        const int h = canvas.textHeight(table.Chars[1]);
        const int y = cellTop(h);
        box.Top = std::min(box.Top, y);
        box.Bottom = std::max(box.Bottom, y + h);
        lastHeight = canvas.textHeight(ch);

        if (options.graphicTab) {
            if (options.shadow) {
                shadow = ShadowOffset;
                canvas.textOut(x + ShadowOffset, y + ShadowOffset, ch, options.shadowColor);
            }
            if (options.edge) {
                // Dark below-left, above-right, then light above-left, then dark below-right
                // over it: the light tone stays only on the upper-left side of the strokes.
                edge = EdgeWidth;
                canvas.textOut(x - 1, y + 1, ch, options.darkEdgeColor);
                canvas.textOut(x + 1, y - 1, ch, options.darkEdgeColor);
                canvas.textOut(x - 1, y - 1, ch, options.lightEdgeColor);
                canvas.textOut(x + 1, y + 1, ch, options.darkEdgeColor);
            }
        }
        penX = x + canvas.textOut(x, y, ch, table.Colors[i]);
    }

    box.Right = penX + shadow + edge + SideMargin;
    box.Bottom += shadow + edge;
    box.Left -= edge + SideMargin;
    box.Top -= edge;
    if (options.italic)
        box.Right += lastHeight / 2; // room for the slant of the last character
    box.Right = std::min(box.Right, PreviewImageWidth);
    box.Top = std::max(box.Top, 0);

    if (options.graphicTab)
        canvas.dottedRect(Rect{box.Left - 1, box.Top - 1, box.Right + 1, box.Bottom + 1},
                          FrameColor);
    return box;
}

} // namespace tintlace
