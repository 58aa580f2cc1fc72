#pragma once
// Text inside TINTLACE is a std::string of code page 932 (Shift-JIS) bytes.
// These helpers walk such text by character and convert it at the Unicode edges.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintlace {

// True for the first byte of a double-byte character: 0x81..0x9F and 0xE0..0xFC.
bool isLeadByte(unsigned char byte);

// Byte length of the character that starts at `pos` (1 or 2; 1 for a lead byte at the end).
std::size_t charLengthAt(std::string_view text, std::size_t pos);

// The longest prefix of `text` of at most `maxBytes` bytes that ends on a character boundary.
std::string cutToBytes(std::string_view text, std::size_t maxBytes);

// Lowers A..Z only, never touching the trail byte of a double-byte character.
std::string ansiLowerCase(std::string_view text);

// UTF-8 to CP932; nullopt when some character has no CP932 form (or the input is not UTF-8).
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// CP932 to UTF-8; bytes that are not valid CP932 become U+FFFD, so this never fails.
std::string cp932ToUtf8(std::string_view cp932);

} // namespace tintlace
