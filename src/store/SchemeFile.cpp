#include "store/SchemeFile.h"

#include "platform/Cp932.h"
#include "platform/UserError.h"
#include "store/DecimalInt.h"
#include "store/FileIo.h"
#include "store/TextLines.h"

namespace tintlace {

namespace {

// The fixed label lines, converted to CP932 once.
struct Labels {
    std::string header, text, left, center, right, pattern, graphic;
};

const Labels& labels() {
    static const Labels converted{
        *utf8ToCp932("[Tintlace v1.65色設定ファイル（※行位置を変えないで下さい）]"),
        *utf8ToCp932("[表示する文字列]"),
        *utf8ToCp932("[Left色(RGB)]"),
        *utf8ToCp932("[Center色(RGB)]"),
        *utf8ToCp932("[Right色(RGB)]"),
        *utf8ToCp932("[パターン番号＆スタイル番号]"),
        *utf8ToCp932("[グラフィック形式オプション]"),
    };
    return converted;
}

std::string oneLine(std::string text) {
    // CR and LF never occur as the second byte of a double-byte character, so bytes are safe.
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

std::string number(long long value) {
    return std::to_string(value);
}

std::string flag(bool value) {
    return value ? "1" : "0";
}

} // namespace

std::vector<std::string> schemeFileLines(const SchemeData& s) {
    const Labels& label = labels();
    bool noStyle = s.styleNumber == static_cast<int>(StyleKind::NoStyle);
    return {
        label.header,
        label.text,
        oneLine(s.text),
        oneLine(s.fontName),
        number(s.sizeIndex),
        flag(s.bold),
        flag(s.italic),
        number(s.backColor),
        label.left,
        number(s.sliders[0]),
        number(s.sliders[1]),
        number(s.sliders[2]),
        label.center,
        number(s.sliders[3]),
        number(s.sliders[4]),
        number(s.sliders[5]),
        label.right,
        number(s.sliders[6]),
        number(s.sliders[7]),
        number(s.sliders[8]),
        label.pattern,
        number(s.patternNumber),
        number(s.styleNumber),
        number(noStyle ? NoStyleAmount : s.amountIndex),
        label.graphic,
        flag(s.shadow),
        number(s.shadowColor),
        flag(s.edge),
        number(s.lightEdgeColor),
        number(s.darkEdgeColor),
    };
}

PatternKind patternFromNumber(int number) {
    switch (number) {
    case 1:
        return PatternKind::Impact;
    case 2:
        return PatternKind::ThreeColorNeon;
    case 3:
        return PatternKind::TwoColorNeon;
    default:
        return PatternKind::Gradation;
    }
}

StyleKind styleFromNumber(int number) {
    switch (number) {
    case 1:
        return StyleKind::Impact;
    case 2:
        return StyleKind::Small;
    case 3:
        return StyleKind::Big;
    case 4:
        return StyleKind::Wide;
    case 5:
        return StyleKind::Top;
    default:
        return StyleKind::NoStyle;
    }
}

std::vector<std::string> readSchemeLines(const std::string& utf8Path) {
    FileContents file = readWholeFile(utf8Path);
    if (file.status != FileContents::Status::Ok)
        throw cannotOpenFileError(utf8Path);
    return splitLines(file.bytes);
}

void writeSchemeLines(const std::string& utf8Path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    if (!replaceFileAtomically(utf8Path, bytes))
        throw cannotCreateFileError(utf8Path);
}

const std::string& schemeLine(const std::vector<std::string>& lines, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= lines.size())
        throw listIndexError(index);
    return lines[static_cast<std::size_t>(index)];
}

int schemeNumber(const std::vector<std::string>& lines, int index) {
    return strToInt(schemeLine(lines, index));
}

} // namespace tintlace
