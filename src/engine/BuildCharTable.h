#pragma once
// The whole refill of the character table for one redraw: split the text, colour it, size it.
// The window applies the automatic stop modes first (applyAutoStopModes), because they move
// its sliders, and passes the resulting stop colours here.
#include <string_view>

#include "engine/CharTable.h"

namespace tintlace {

// Splits `text` (CP932) into the table; an empty text leaves Count 0 and every colour and size
// as it was. Otherwise colours and sizes are written for 1..Count.
void buildCharTable(CharTable& table, std::string_view text, PatternKind pattern, StyleKind style,
                    int baseSize, int amount, Color left, Color center, Color right);

} // namespace tintlace
