#pragma once
// The per-character table that every output is made from: characters 1..Count of the text,
// each with its colour and its two sizes. Slot 0 is never used; slots above Count keep
// whatever an earlier, longer text left there (the style-sheet output reads CssSizes[1]
// even for an empty text).
#include <array>
#include <cstdint>
#include <string>

namespace tintlace {

// A platform colour value: red in the low byte, then green, then blue; top byte 0.
using Color = std::uint32_t;

constexpr int colorRed(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int colorGreen(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int colorBlue(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Color makeColor(int r, int g, int b) {
    return static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16;
}

enum class PatternKind { Gradation, Impact, ThreeColorNeon, TwoColorNeon };
enum class StyleKind { NoStyle, Impact, Small, Big, Wide, Top };

struct CharTable {
    static constexpr int Capacity = 511;

    int Count = 0;
    std::array<std::string, Capacity + 1> Chars{};
    std::array<Color, Capacity + 1> Colors{};
    std::array<int, Capacity + 1> HtmlSizes{};
    std::array<int, Capacity + 1> CssSizes{};
};

} // namespace tintlace
