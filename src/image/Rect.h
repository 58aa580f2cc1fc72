#pragma once
// A rectangle of image pixels with right and bottom exclusive: it is Right - Left pixels wide
// and Bottom - Top pixels high. The box of the drawn text may be inverted (Bottom above Top)
// when there is no text, so users check isEmptyBox before taking pixels out of it.

namespace tintlace {

struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// True when the rectangle holds no pixel: no width or no height (inverted counts as none).
constexpr bool isEmptyBox(const Rect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

// The part of `box` that lies inside an image of width x height pixels, so that a copy of it
// never reads outside the image. An empty result keeps isEmptyBox true.
Rect clipToImage(const Rect& box, int width, int height);

} // namespace tintlace
