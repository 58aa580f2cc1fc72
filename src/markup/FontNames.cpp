#include "markup/FontNames.h"

#include <algorithm>
#include <unordered_set>

#include "platform/Cp932.h"

namespace tintlace {

namespace {

std::string cp932(std::string_view utf8) {
    return *utf8ToCp932(utf8);
}

// True when `piece` occurs in `text` starting on a character boundary. A plain byte search
// could match a trail byte (the full-width blank ends in 0x40, "@") or straddle two
// characters; walking by character keeps every test to whole characters.
bool containsText(std::string_view text, std::string_view piece) {
    if (piece.empty())
        return true;
    for (std::size_t pos = 0; pos < text.size(); pos += charLengthAt(text, pos)) {
        if (text.substr(pos, piece.size()) == piece)
            return true;
    }
    return false;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

const std::vector<std::string>& commonFonts() {
    static const std::vector<std::string> fonts = {"Arial",
                                                   "Arial Black",
                                                   "Impact",
                                                   "Georgia",
                                                   "Times New Roman",
                                                   "Verdana",
                                                   "Comic Sans MS",
                                                   "Courier New",
                                                   "Symbol",
                                                   "Webdings",
                                                   cp932("ＭＳ Ｐゴシック"),
                                                   cp932("ＭＳ Ｐ明朝")};
    return fonts;
}

bool lessForList(const std::string& a, const std::string& b) {
    const std::string la = ansiLowerCase(a);
    const std::string lb = ansiLowerCase(b);
    if (la != lb)
        return la < lb; // std::string compares bytes as unsigned char
    return a < b;
}

} // namespace

const std::string& noFontEntry() {
    static const std::string entry = cp932("（種類を指定しない）");
    return entry;
}

std::vector<std::string> buildFontList(const std::vector<std::string>& platformFamilies) {
    std::vector<std::string> entries = {noFontEntry(), "@ Serif", "@ Sans-Serif", "@ Cursive"};
    // The entries lowered as indexOfEntry compares them, so that each look-up is one probe.
    std::unordered_set<std::string> listed;
    for (const std::string& entry : entries)
        listed.insert(ansiLowerCase(entry));
    for (const std::string& family : platformFamilies) {
        if (containsText(family, "@"))
            continue; // vertical-writing variants and any other name with an at sign
        const auto& common = commonFonts();
        const bool isCommon = std::find(common.begin(), common.end(), family) != common.end();
        std::string entry = isCommon ? "* " + family : family;
        if (listed.insert(ansiLowerCase(entry)).second)
            entries.push_back(std::move(entry));
    }
    std::sort(entries.begin() + 1, entries.end(), lessForList);
    return entries;
}

int indexOfEntry(const std::vector<std::string>& entries, std::string_view text) {
    const std::string wanted = ansiLowerCase(text);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].size() == wanted.size() && ansiLowerCase(entries[i]) == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

std::string StripFontMarks(std::string_view entry) {
    if (startsWith(entry, "* "))
        entry.remove_prefix(2);
    if (startsWith(entry, "@ "))
        entry.remove_prefix(2);
    return std::string(entry);
}

std::string DisplayFontName(std::string_view entry) {
    std::string name = StripFontMarks(entry);
    if (name == "Serif")
        return "MS Serif";
    if (name == "Sans-Serif")
        return "MS Sans Serif";
    if (name == "Cursive")
        return "Lucida Handwriting";
    return name;
}

std::string MarkupFontFamily(std::string_view entry) {
    static const std::string gothic = cp932("ゴシック");
    static const std::string halfWidthGothic = cp932("ｺﾞｼｯｸ");
    static const std::string soeiKaku = cp932("創英角");
    static const std::string popTai = cp932("POP体");
    static const std::string mincho = cp932("明朝");
    static const std::string shotai = cp932("書体");
    static const std::string ms = cp932("ＭＳ");
    static const std::string msPGothic = cp932(",ＭＳ Ｐゴシック");
    static const std::string msPMincho = cp932(",ＭＳ Ｐ明朝");
    static const std::string heiseiMincho = cp932(",平成明朝");

    // Each test looks at the name as the tests before it have extended it.
    std::string n = StripFontMarks(entry);
    const bool isGothic = containsText(n, gothic) || containsText(n, halfWidthGothic);
    if ((isGothic || containsText(n, soeiKaku) || containsText(n, popTai)) && !containsText(n, ms))
        n += msPGothic;
    if ((containsText(n, mincho) || containsText(n, shotai)) && !containsText(n, ms))
        n += msPMincho;
    if (containsText(n, gothic) || containsText(n, halfWidthGothic))
        n += ",Osaka";
    if (containsText(n, mincho))
        n += heiseiMincho;
    return n;
}

} // namespace tintlace
