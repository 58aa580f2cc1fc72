#pragma once
// Splitting text into lines at carriage return, line feed or both.
#include <string>
#include <string_view>
#include <vector>

namespace tintlace {

// One line with the line end that followed it ("\r\n", "\r", "\n", or "" for a last line
// without one).
struct RawLine {
    std::string text;
    std::string end;
};

// A line ends at CR, LF or CR LF; a final line end does not start an extra empty line, so
// "" gives no lines and "a\n" one. An LF followed by a CR is two line ends.
std::vector<RawLine> splitRawLines(std::string_view text);

// The same split without the line ends.
std::vector<std::string> splitLines(std::string_view text);

} // namespace tintlace
