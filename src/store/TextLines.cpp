#include "store/TextLines.h"

namespace tintlace {

std::vector<RawLine> splitRawLines(std::string_view text) {
    std::vector<RawLine> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) {
            lines.push_back({std::string(text.substr(pos)), ""});
            break;
        }
        std::size_t next = stop + 1;
        if (text[stop] == '\r' && next < text.size() && text[next] == '\n')
            ++next;
        lines.push_back({std::string(text.substr(pos, stop - pos)),
                         std::string(text.substr(stop, next - stop))});
        pos = next;
    }
    return lines;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    for (RawLine& line : splitRawLines(text))
        lines.push_back(std::move(line.text));
    return lines;
}

} // namespace tintlace
