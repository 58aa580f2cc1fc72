#pragma once
// Small helpers shared by the markup tests: CP932 text from readable UTF-8, and a character
// table filled by hand.
#include <string>
#include <string_view>
#include <vector>

#include "engine/CharTable.h"
#include "markup/MarkupOptions.h"
#include "platform/Cp932.h"

namespace tintlace::testing_support {

inline std::string sj(std::string_view utf8) {
    return *utf8ToCp932(utf8);
}

struct Cell {
    std::string ch; // CP932
    Color color = 0;
    int htmlSize = 0;
    int cssSize = 0;
};

inline CharTable tableOf(const std::vector<Cell>& cells) {
    CharTable t;
    t.Count = static_cast<int>(cells.size());
    for (int i = 1; i <= t.Count; ++i) {
        const Cell& c = cells[i - 1];
        t.Chars[i] = c.ch;
        t.Colors[i] = c.color;
        t.HtmlSizes[i] = c.htmlSize;
        t.CssSizes[i] = c.cssSize;
    }
    return t;
}

constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;

// "A B" in red, (no colour), blue; HTML sizes 6 5 5 and style-sheet sizes 32 28 28.
inline CharTable redBlankBlue() {
    return tableOf({{"A", kRed, 6, 32}, {" ", 0x00FF00, 5, 28}, {"B", kBlue, 5, 28}});
}

// One row of an option matrix: the options and the exact text they give.
struct OptionCase {
    std::string name;
    MarkupOptions options;
    std::string expected;
};

// The options of a very first start with one change applied.
inline MarkupOptions with(void (*change)(MarkupOptions&)) {
    MarkupOptions o;
    change(o);
    return o;
}

} // namespace tintlace::testing_support
