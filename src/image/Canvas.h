#pragma once
// The drawing surface the text image renderer paints on. The window's implementation draws
// into a Qt image; tests use a fake with fixed metrics that records every call.
#include "engine/CharTable.h"
#include "image/Rect.h"

#include <string>
#include <string_view>

namespace tintlace {

struct FontSpec {
    std::string face; // CP932
    int pointSize = 0;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Fills the rectangle solidly, right and bottom edges exclusive.
    virtual void fillRect(const Rect& r, Color color) = 0;
    // Selects the font for the following textHeight and textOut calls.
    virtual void setFont(const FontSpec& font) = 0;
    // The cell height of the current font (the same for any non-empty text).
    virtual int textHeight(std::string_view cp932) = 0;
    // Draws the text with its cell's top-left at (x, y) on a transparent background and
    // returns its advance width, so the caller's pen moves on to x + the result.
    virtual int textOut(int x, int y, std::string_view cp932, Color color) = 0;
    // Outlines the rectangle with a dotted line on columns Left and Right - 1 and rows Top and
    // Bottom - 1; the inside is left as it is.
    virtual void dottedRect(const Rect& r, Color color) = 0;
};

} // namespace tintlace
