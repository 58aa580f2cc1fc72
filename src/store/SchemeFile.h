#pragma once
// The colour scheme file: 30 lines of CP932 text, each ending in CR LF, found by position.
// Lines 1, 2, 9, 13, 17, 21 and 25 are labels that are written and never read. Files of 20
// lines (up to the Right colour) and of 24 lines (up to the amount) are loaded too.
//
// The window loads a scheme one line at a time (values set before a failing line stay set):
//   lines = readSchemeLines(path);  ...  scrollBar.setValue(schemeNumber(lines, SchemeLine::...))
#include "engine/CharTable.h"

#include <array>
#include <string>
#include <vector>

namespace tintlace {

// Line positions counted from 0, as schemeLine and listIndexError count them.
namespace SchemeLine {
inline constexpr int Text = 2;
inline constexpr int FontName = 3;
inline constexpr int SizeIndex = 4;
inline constexpr int Bold = 5;
inline constexpr int Italic = 6;
inline constexpr int BackColor = 7;
// Left red, green, blue; Center red, green, blue; Right red, green, blue.
inline constexpr std::array<int, 9> Sliders = {9, 10, 11, 13, 14, 15, 17, 18, 19};
inline constexpr int Pattern = 21;
inline constexpr int Style = 22;
inline constexpr int Amount = 23;
inline constexpr int Shadow = 25;
inline constexpr int ShadowColor = 26;
inline constexpr int Edge = 27;
inline constexpr int LightEdgeColor = 28;
inline constexpr int DarkEdgeColor = 29;
} // namespace SchemeLine

// A file with at least this many lines holds the pattern, style and amount ...
inline constexpr int SchemeLinesWithPattern = 24;
// ... and with at least this many also the graphic options.
inline constexpr int SchemeLinesWithGraphic = 30;

// The amount written for the NoStyle style; it names no entry of the amount list.
inline constexpr int NoStyleAmount = 6;

// What a scheme holds. Texts are CP932.
struct SchemeData {
    std::string text;
    std::string fontName; // the bare name, without the font list's marks
    int sizeIndex = 5;    // 0..6 for sizes 1..7
    bool bold = false;
    bool italic = false;
    Color backColor = 0;
    std::array<int, 9> sliders{}; // Left r, g, b, Center r, g, b, Right r, g, b
    int patternNumber = 0;        // PatternKind as a number, 0..3
    int styleNumber = 0;          // StyleKind as a number, 0..5
    int amountIndex = 4;          // 0..5 for amounts 1..6
    bool shadow = true;
    Color shadowColor = 8421504;
    bool edge = true;
    Color lightEdgeColor = 16777215;
    Color darkEdgeColor = 6316128;
};

// The 30 lines of a scheme file, without line ends. Line 24 holds NoStyleAmount whenever the
// style is NoStyle. A CR or LF inside the text or the font name becomes a blank, so that it
// cannot shift the lines that follow.
std::vector<std::string> schemeFileLines(const SchemeData& scheme);

// The pattern of a stored number: 1, 2, 3 give Impact, ThreeColorNeon, TwoColorNeon; any
// other number Gradation.
PatternKind patternFromNumber(int number);
// The style of a stored number: 1..5 give Impact, Small, Big, Wide, Top; any other NoStyle.
StyleKind styleFromNumber(int number);

// The lines of a file, split at CR, LF or CR LF (a final line end makes no extra empty line).
// The bytes are returned as they are, valid CP932 or not. Throws cannotOpenFileError(path).
std::vector<std::string> readSchemeLines(const std::string& utf8Path);

// Writes every line followed by CR LF, through a temporary file renamed over the old one.
// Throws cannotCreateFileError(path) on any failure; an old file then stays as it was.
void writeSchemeLines(const std::string& utf8Path, const std::vector<std::string>& lines);

// Line `index` counted from 0; throws listIndexError(index) when the file lacks it.
const std::string& schemeLine(const std::vector<std::string>& lines, int index);

// strToInt(schemeLine(lines, index)).
int schemeNumber(const std::vector<std::string>& lines, int index);

} // namespace tintlace
