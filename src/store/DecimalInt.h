#pragma once
// Strict decimal integers, as stored in the settings and scheme files.
#include <optional>
#include <string>
#include <string_view>

namespace tintlace {

// Decimal digits with an optional leading "+" or "-", nothing else (no blanks), within the
// range of int; nullopt otherwise.
std::optional<int> parseDecimalInt(std::string_view text);

// parseDecimalInt for program text; throws notAnIntegerError with the text (as UTF-8) when
// it is no integer.
int strToInt(const std::string& cp932Text);

} // namespace tintlace
