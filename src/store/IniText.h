#pragma once
// Reading and changing one entry of ini text, leaving every other line as it is.
//
// A line "[Name]" opens section Name; a following line "Key=Value" is an entry of it, up to
// the next section line. Section and key names match regardless of ASCII letter case, and
// blanks around names and values are ignored, as users of ini files expect. Lines starting
// with ";" or "#" are comments. When a section or key occurs twice, the first one counts.
#include <optional>
#include <string>
#include <string_view>

namespace tintlace {

// The value of `key` in `section` (blanks trimmed, one pair of enclosing quotes removed), or
// nullopt when the section or key is missing.
std::optional<std::string> iniValue(std::string_view text, std::string_view section,
                                    std::string_view key);

// `text` with `key` in `section` set to `value`. An existing entry is replaced where it stands;
// a new key goes after the last non-blank line of its section; a new section goes at the end of
// the text, after one blank line. Every other line, and every existing line end, is kept; new
// lines use the text's first line end ("\n" when it has none).
std::string withIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

} // namespace tintlace
