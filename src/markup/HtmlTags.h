#pragma once
// The HTML tab's clipboard text: every character in a FONT tag of its own with its colour (and
// its size when the style varies it), inside an outer FONT tag for the face and common size and
// inside B and I tags.
#include <string>

#include "engine/CharTable.h"
#include "markup/MarkupOptions.h"

namespace tintlace {

// CP932 text with CRLF line breaks, always ending in CRLF. Reads characters 1..Count of the
// table. Characters other than the blank (written "&nbsp;") are copied unescaped. Lower case
// touches the tag and attribute names and values only, never the comment, the family list or
// the characters.
std::string buildHtmlTags(const CharTable& table, const MarkupOptions& options);

} // namespace tintlace
