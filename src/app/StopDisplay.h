#pragma once
// How a colour stop shows itself: its panel caption and caption colour, its value panels.
#include <string>

namespace tintlace {

// Black on light stops (r + g + b of 490 and above), white otherwise.
bool stopIsLight(int r, int g, int b);
// "#RRGGBB" (red first) when `showColorValue`, else the stop's name.
std::string stopCaption(int r, int g, int b, bool showColorValue, const std::string& name);
// Two upper-case hexadecimal digits, or decimal without leading zeros.
std::string channelText(int value, bool hexadecimal);

} // namespace tintlace
