#include "app/StopDisplay.h"

#include <cstdio>

namespace tintlace {

bool stopIsLight(int r, int g, int b) { return r + g + b >= 490; }

std::string stopCaption(int r, int g, int b, bool showColorValue, const std::string& name) {
    if (!showColorValue)
        return name;
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", r * 65536 + g * 256 + b);
    return text;
}

std::string channelText(int value, bool hexadecimal) {
    if (!hexadecimal)
        return std::to_string(value);
    char text[4];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

} // namespace tintlace
