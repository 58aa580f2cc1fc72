#include "markup/StyleSpans.h"

#include <algorithm>

#include "engine/CharSplit.h"
#include "markup/FontNames.h"
#include "platform/Cp932.h"

namespace tintlace {

std::string cssSizeText(int points, bool usePoints) {
    if (usePoints)
        return std::to_string(points) + "pt";
    const double factor = 1.33;
    return std::to_string(static_cast<int>(points * factor)) + "px"; // cut, not rounded
}

std::string buildStyleSpans(const CharTable& table, const MarkupOptions& o) {
    const auto tag = [&](std::string piece) { return o.lowerCase ? ansiLowerCase(piece) : piece; };
    const bool outer = o.fontChosen || o.noStyle || o.italic || o.bold;
    const MarkupLayout layout = markupLayout(o.linePerChar, outer);

    std::string text;
    if (o.comment)
        text += "<!--" + o.editText + "-->\r\n";
    if (outer) {
        std::string declarations;
        const auto declare = [&](const std::string& declaration) {
            if (!declarations.empty())
                declarations += "; ";
            declarations += declaration;
        };
        if (o.fontChosen)
            declare("font-family:" + MarkupFontFamily(o.fontEntry));
        if (o.noStyle)
            declare("font-size:" + cssSizeText(table.CssSizes[1], o.usePoints));
        if (o.italic)
            declare("font-style:italic");
        if (o.bold)
            declare(" font-weight:bold"); // the leading blank belongs to the declaration
        text += tag("<SPAN STYLE=") + "\"" + declarations + "\">" + layout.nl;
    }

    text += layout.indent1;
    const int count = std::min(table.Count, CharTable::Capacity);
    for (int i = 1; i <= count; ++i) {
        const std::string& ch = table.Chars[i];
        text += tag("<SPAN STYLE=") + "\"";
        const bool coloured = !isBlankChar(ch);
        if (coloured)
            text += tag("color:#" + htmlHex(table.Colors[i]));
        if (!o.noStyle) {
            if (coloured)
                text += "; ";
            text += "font-size:" + cssSizeText(table.CssSizes[i], o.usePoints);
        }
        text += "\">";
        text += ch == " " ? "&nbsp;" : ch;
        text += tag("</SPAN") + layout.nl + layout.indent2 + ">";
    }
    text += layout.nl;

    if (outer)
        text += tag("</SPAN>") + layout.nl;
    if (o.finalBreak)
        text += "<BR>";
    text += "\r\n";
    return text;
}

} // namespace tintlace
