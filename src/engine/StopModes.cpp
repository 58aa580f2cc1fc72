#include "engine/StopModes.h"

namespace tintlace {

StopPositions applyAutoStopModes(StopPositions s, bool autoCenter, bool rainbow,
                                 bool rightFollowsLeft) {
    // s[0..2] Left, s[3..5] Center, s[6..8] Right; C++ division truncates toward zero.
    if (autoCenter) {
        for (int ch = 0; ch < 3; ++ch)
            s[3 + ch] = (s[6 + ch] - s[ch]) / 2 + s[ch];
    }
    if (rainbow) {
        const int red = s[0], green = s[1], blue = s[2];
        s[3] = blue;
        s[4] = red;
        s[5] = green;
        s[6] = green;
        s[7] = blue;
        s[8] = red;
    }
    if (rightFollowsLeft) {
        for (int ch = 0; ch < 3; ++ch)
            s[6 + ch] = s[ch];
    }
    return s;
}

} // namespace tintlace
