#pragma once
// A canvas with fixed metrics that records what is drawn: a cell is as many pixels high as the
// font has points, and every byte of text advances the pen by half that.
#include "image/Canvas.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tintlace::testing {

class FakeCanvas : public Canvas {
public:
    // Every call, in order, written as e.g. "text A 8,24 0x0000FF" or "frame 3,16-48,53 0x606060".
    std::vector<std::string> calls;
    // Every font selected, in order.
    std::vector<FontSpec> fonts;

    void fillRect(const Rect& r, Color color) override { calls.push_back("fill " + box(r, color)); }
    void setFont(const FontSpec& font) override {
        m_font = font;
        fonts.push_back(font);
    }
    int textHeight(std::string_view) override { return m_font.pointSize; }
    int textOut(int x, int y, std::string_view text, Color color) override {
        calls.push_back("text " + std::string(text) + " " + std::to_string(x) + "," +
                        std::to_string(y) + " " + hex(color));
        return static_cast<int>(text.size()) * m_font.pointSize / 2;
    }
    void dottedRect(const Rect& r, Color color) override {
        calls.push_back("frame " + box(r, color));
    }

    std::vector<std::string> textCalls() const {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind("text ", 0) == 0)
                out.push_back(c);
        return out;
    }

    static std::string hex(Color c) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%06X", static_cast<unsigned>(c));
        return buffer;
    }

private:
    static std::string box(const Rect& r, Color color) {
        return std::to_string(r.Left) + "," + std::to_string(r.Top) + "-" +
               std::to_string(r.Right) + "," + std::to_string(r.Bottom) + " " + hex(color);
    }

    FontSpec m_font;
};

} // namespace tintlace::testing
