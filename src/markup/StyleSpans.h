#pragma once
// The style-sheet tab's clipboard text: every character in a SPAN of its own whose STYLE gives
// its colour (and its size when the style varies it), inside an outer SPAN for the family, the
// common size, italic and bold. The layout options are the HTML tab's.
#include <string>

#include "engine/CharTable.h"
#include "markup/MarkupOptions.h"

namespace tintlace {

// A style-sheet size: points as they are with "pt", or points x 1.33 cut to whole pixels
// with "px" (32 gives 42px).
std::string cssSizeText(int points, bool usePoints);

// CP932 text with CRLF line breaks, always ending in CRLF. STYLE values always stand in
// quotation marks. Lower case touches the SPAN tags and the colour declarations only; the
// other declarations and the final "<BR>" keep their case. Under NoStyle the common size is
// that of the first character, so an empty text uses the size the table still holds there.
std::string buildStyleSpans(const CharTable& table, const MarkupOptions& options);

} // namespace tintlace
