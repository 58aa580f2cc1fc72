#pragma once
// The window's options that shape the HTML and style-sheet markup, read when the user copies.
// The defaults are those of the very first start. All text is CP932.
#include <string>

#include "engine/CharTable.h"

namespace tintlace {

struct MarkupOptions {
    std::string editText;       // the text, written into the comment
    bool fontChosen = false;    // an entry other than the no-font one is selected
    std::string fontEntry;      // the selected font list entry (used when fontChosen)
    std::string sizeText = "6"; // the size box's text, "1".."7"
    bool noStyle = true;        // the size style is NoStyle: one size for all characters
    bool bold = false;
    bool italic = false;
    bool linePerChar = false; // a line break inside every character's closing tag
    bool finalBreak = true;   // "<BR>" at the end
    bool lowerCase = true;    // tag and attribute names in lower case
    bool comment = false;     // the text in an HTML comment first
    bool noQuotes = false;    // HTML attribute values without quotation marks
    bool usePoints = false;   // style-sheet sizes in pt rather than px
};

// The line break and indents of the layout: with a line per character the break falls inside
// each closing tag, so no white space ever stands between two characters' tags.
struct MarkupLayout {
    std::string nl;      // "\r\n" with a line per character, else empty
    std::string indent1; // before the first character
    std::string indent2; // inside each closing tag, after the break
};
MarkupLayout markupLayout(bool linePerChar, bool outer);

// Six upper-case hexadecimal digits, red first as HTML writes colours.
std::string htmlHex(Color c);

} // namespace tintlace
