#pragma once
// Colouring the characters of the table from the three colour stops.
#include "engine/CharTable.h"

namespace tintlace {

// Writes Colors[1..Count] (Count >= 1) from Chars and the stops:
// - Gradation: Left to Center over the first (Count - 1) / 2 characters, Center on the next,
//   then on towards Right; each step is the channel difference divided (truncating) by the
//   number of steps, so the last character can stop short of Right.
// - Impact: Left on the first character, then Center towards Right.
// - ThreeColorNeon / TwoColorNeon: Left, Center, Right (or Left, Right) in turn; a blank takes
//   the colour of the next non-blank character and does not advance the cycle.
void applyColorPattern(CharTable& table, PatternKind pattern, Color left, Color center,
                       Color right);

} // namespace tintlace
