#include "markup/HtmlTags.h"

#include <algorithm>

#include "engine/CharSplit.h"
#include "markup/FontNames.h"
#include "platform/Cp932.h"

namespace tintlace {

std::string buildHtmlTags(const CharTable& table, const MarkupOptions& o) {
    const auto tag = [&](std::string piece) { return o.lowerCase ? ansiLowerCase(piece) : piece; };
    const std::string q = o.noQuotes ? "" : "\"";
    const bool outer = o.fontChosen || o.noStyle;
    const MarkupLayout layout = markupLayout(o.linePerChar, outer);

    std::string text;
    if (o.comment)
        text += "<!--" + o.editText + "-->\r\n";
    if (o.italic)
        text += tag("<I>");
    if (o.bold)
        text += tag("<B>");
    if (outer) {
        text += tag("<FONT");
        if (o.fontChosen)
            text += tag(" FACE=") + q + MarkupFontFamily(o.fontEntry) + q;
        if (o.noStyle)
            text += tag(" SIZE=" + o.sizeText);
        text += ">";
    }
    if (o.italic || o.bold || outer)
        text += layout.nl;

    text += layout.indent1;
    const int count = std::min(table.Count, CharTable::Capacity);
    for (int i = 1; i <= count; ++i) {
        const std::string& ch = table.Chars[i];
        text += tag("<FONT");
        if (!isBlankChar(ch))
            text += tag(" COLOR=" + q + "#" + htmlHex(table.Colors[i]) + q);
        if (!o.noStyle)
            text += tag(" SIZE=" + q + std::to_string(table.HtmlSizes[i]) + q);
        text += ">";
        text += ch == " " ? "&nbsp;" : ch;
        text += tag("</FONT") + layout.nl + layout.indent2 + ">";
    }
    text += layout.nl;

    if (outer)
        text += tag("</FONT>");
    if (o.bold)
        text += tag("</B>");
    if (o.italic)
        text += tag("</I>");
    if (o.finalBreak)
        text += tag("<BR>");
    text += "\r\n";
    return text;
}

} // namespace tintlace
