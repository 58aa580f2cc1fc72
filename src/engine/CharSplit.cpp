#include "engine/CharSplit.h"

#include "platform/Cp932.h"

namespace tintlace {

void splitText(std::string_view cp932Text, CharTable& table) {
    int count = 0;
    std::size_t pos = 0;
    while (pos < cp932Text.size() && count < CharTable::Capacity) {
        const std::size_t len = charLengthAt(cp932Text, pos);
        ++count;
        table.Chars[count].assign(cp932Text.substr(pos, len));
        pos += len;
    }
    table.Count = count;
}

bool isBlankChar(std::string_view ch) {
    return ch == " " || ch == "\x81\x40";
}

} // namespace tintlace
