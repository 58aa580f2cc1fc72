#include "engine/StopModes.h"

#include <gtest/gtest.h>

#include <string>

namespace tintlace {
namespace {

struct ModeCase {
    std::string name;
    StopPositions in;
    bool autoCenter, rainbow, rightFollowsLeft;
    StopPositions out;
};

class StopModeTable : public testing::TestWithParam<ModeCase> {};

TEST_P(StopModeTable, MovesTheSliders) {
    const ModeCase& c = GetParam();
    EXPECT_EQ(applyAutoStopModes(c.in, c.autoCenter, c.rainbow, c.rightFollowsLeft), c.out);
}

const ModeCase kModeCases[] = {
    {"NoneLeavesAll",
     {1, 2, 3, 4, 5, 6, 7, 8, 9},
     false,
     false,
     false,
     {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    // (0 - 255) / 2 = -127 toward zero, so red 128; (255 - 0) / 2 = 127 for blue.
    {"AutoCenterRedToBlue",
     {255, 0, 0, 9, 9, 9, 0, 0, 255},
     true,
     false,
     false,
     {255, 0, 0, 128, 0, 127, 0, 0, 255}},
    {"RainbowRotatesLeft",
     {255, 128, 0, 1, 1, 1, 2, 2, 2},
     false,
     true,
     false,
     {255, 128, 0, 0, 255, 128, 128, 0, 255}},
    {"RightFollowsLeft",
     {10, 20, 30, 1, 1, 1, 2, 2, 2},
     false,
     false,
     true,
     {10, 20, 30, 1, 1, 1, 10, 20, 30}},
    // More than one on: Center first from the old Right, then Right copies Left.
    {"AutoCenterThenRightFollows",
     {100, 0, 50, 0, 0, 0, 200, 100, 51},
     true,
     false,
     true,
     {100, 0, 50, 150, 50, 50, 100, 0, 50}},
    {"RainbowOverridesAutoCenter",
     {255, 128, 0, 0, 0, 0, 0, 0, 0},
     true,
     true,
     false,
     {255, 128, 0, 0, 255, 128, 128, 0, 255}},
};

INSTANTIATE_TEST_SUITE_P(Modes, StopModeTable, testing::ValuesIn(kModeCases),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace tintlace
