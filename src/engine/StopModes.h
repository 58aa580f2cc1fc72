#pragma once
// The automatic colour-stop modes. They work on slider positions, because the window shows
// the generated values on its sliders: the window hands in the nine positions, sets the
// sliders to the result, and its slider handlers then update the stop panels.
#include <array>

namespace tintlace {

// ScrollBar1..ScrollBar9 in order: Left red, green, blue; Center red, green, blue;
// Right red, green, blue. Each position is 0..255.
using StopPositions = std::array<int, 9>;

// Applies, in this order and each only when on: automatic Center (each Center channel halfway
// from Left to Right, the half truncated toward zero), rainbow (Center and Right made from
// Left's channels rotated), and Right follows Left. The window keeps at most one mode on; the
// order decides if more are.
StopPositions applyAutoStopModes(StopPositions sliders, bool autoCenter, bool rainbow,
                                 bool rightFollowsLeft);

} // namespace tintlace
