#pragma once
// The text image renderer: draws the coloured characters of a CharTable onto a canvas, with the
// drop shadow, the two-tone edge and the dotted frame of the graphic tab, and reports the box
// that holds the drawn text.
//
//   window: guard, reset box, fill background, buildCharTable
//     -> drawTextImage(canvas, table, options) -> TextImageBox
//     -> export cuts clipToImage(TextImageBox) out of the same image
#include "engine/CharTable.h"
#include "image/Canvas.h"
#include "image/Rect.h"

#include <string>
#include <string_view>

namespace tintlace {

// The preview image's size in pixels.
inline constexpr int PreviewImageWidth = 800;
inline constexpr int PreviewImageHeight = 65;

// The colour of the dotted frame around the box on the graphic tab.
inline constexpr Color FrameColor = 0x606060;

// The point size the HTML tab draws an HTML size 1..7 with (1 -> 8 ... 7 -> 36). Sizes outside
// 1..7 are taken as the nearest of them.
int HtmlPointSizes(int htmlSize);

// The face the preview draws with: "ＭＳ Ｐゴシック" for the no-font entry (index 0),
// otherwise the display name of the selected font list entry. CP932 in and out.
std::string previewFaceName(int fontIndex, std::string_view entry);

struct TextImageOptions {
    bool htmlTab = false;    // sizes from HtmlSizes through HtmlPointSizes, else CssSizes
    bool graphicTab = false; // shadow, edge and frame are drawn only here
    bool bold = false;
    bool italic = false;
    bool shadow = false;
    bool edge = false;
    std::string face; // CP932, as previewFaceName gives it
    Color shadowColor = 0x808080;
    Color lightEdgeColor = 0xFFFFFF;
    Color darkEdgeColor = 0x606060;
};

// Draws characters 1..Count of the table, each in its colour and size, standing on row 45, and
// returns the box that holds them (shadow and edge included, frame excluded). The background
// must already be filled. An empty table gives the box Left 5, Top 45, Right 11, Bottom 0.
Rect drawTextImage(Canvas& canvas, const CharTable& table, const TextImageOptions& options);

} // namespace tintlace
