#pragma once
// Giving the characters of the table their HTML size (1..7) and style-sheet size (points).
#include "engine/CharTable.h"

namespace tintlace {

// The three derived bounds of the size range for base size h (1..7) and amount a (1..6).
struct SizeRange {
    int htmlLow; // r: h - a, at least 1
    int cssHigh; // c: h * 4 + 8
    int cssLow;  // cr: c - a * ((c - 8) / 6)
};
SizeRange sizeRangeFor(int baseSize, int amount);

// Writes HtmlSizes[1..Count] and CssSizes[1..Count] (Count >= 1) for the style:
// NoStyle: all h and c; Impact: the first h and c, the rest r and cr; Small shrinks and Big
// grows linearly along the text; Wide dips and Top peaks in the middle along a sine.
// The fractional arithmetic runs in 64-bit-significand extended precision with each operation
// rounded in turn and the results truncated; where an exact result is whole, the computed one
// can fall just below it and truncate to one less, and that is the intended outcome.
void applySizeStyle(CharTable& table, StyleKind style, int baseSize, int amount);

} // namespace tintlace
