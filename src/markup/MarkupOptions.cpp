#include "markup/MarkupOptions.h"

#include <cstdio>

namespace tintlace {

MarkupLayout markupLayout(bool linePerChar, bool outer) {
    if (!linePerChar)
        return {};
    if (!outer)
        return {"\r\n", " ", ""};
    return {"\r\n", "     ", "    "};
}

std::string htmlHex(Color c) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02X%02X%02X", colorRed(c), colorGreen(c), colorBlue(c));
    return digits;
}

} // namespace tintlace
