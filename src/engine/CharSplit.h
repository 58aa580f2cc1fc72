#pragma once
// Cutting the text into the characters of the table.
#include <string_view>

#include "engine/CharTable.h"

namespace tintlace {

// Sets Count and Chars[1..Count] from CP932 text: a lead byte and the byte after it make one
// character, a lone lead byte at the end is a character of its own, every other byte is one.
// Stops after CharTable::Capacity characters so the table is never overrun; slots above Count
// are left as they were.
void splitText(std::string_view cp932Text, CharTable& table);

// True for the half-width blank " " and the full-width blank (0x81 0x40): the characters that
// compare equal to a blank when the difference between half and full width is ignored. Blanks
// do not advance the neon cycles and get no colour in the markup.
bool isBlankChar(std::string_view ch);

} // namespace tintlace
