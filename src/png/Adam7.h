#pragma once
// Geometry of the seven Adam7 interlace passes.
#include <array>

namespace tintlace {

struct Adam7Pass {
    int startCol;
    int colStep;
    int startRow;
    int rowStep;
};

inline constexpr std::array<Adam7Pass, 7> Adam7Passes{{
    {0, 8, 0, 8},
    {4, 8, 0, 8},
    {0, 4, 4, 8},
    {2, 4, 0, 4},
    {0, 2, 2, 4},
    {1, 2, 0, 2},
    {0, 1, 1, 2},
}};

// Pixels of `size` from `start` on every `step`-th (0 when start lies outside).
constexpr int adam7Count(int size, int start, int step) {
    return size > start ? (size - start + step - 1) / step : 0;
}

// Rows of all seven passes for an image `height` rows high, counting passes that a narrow
// width leaves out.
constexpr int adam7TotalRows(int height) {
    const int h = height;
    int rows = 2 * ((h + 7) / 8) + (h + 3) / 4 + (h + 1) / 2;
    if (h >= 5)
        rows += (h + 3) / 8;
    if (h >= 3)
        rows += (h + 1) / 4;
    if (h >= 2)
        rows += h / 2;
    return rows;
}

} // namespace tintlace
