#pragma once
// The base name of an exported picture file, taken from the text.
#include <string>
#include <string_view>

namespace tintlace {

// The first word of the text (leading bytes of code 32 or less skipped), at most 8 bytes and
// never half a double-byte character, in lower case; "t-lace" when it holds one of
// / \ * ? , : ; " (tested byte by byte, so a trail byte equal to "\" counts). May be empty.
// CP932 in and out.
std::string exportBaseName(std::string_view cp932Text);

} // namespace tintlace
