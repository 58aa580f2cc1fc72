#pragma once
// The font list's entries and the names made from them. All text is CP932.
//
// Entries are of four kinds: the no-font entry (always index 0), the generic families
// "@ Serif", "@ Sans-Serif" and "@ Cursive", the common fonts marked with "* " in front, and
// every other installed family as the platform names it.
#include <string>
#include <string_view>
#include <vector>

namespace tintlace {

// "（種類を指定しない）": the entry that names no font.
const std::string& noFontEntry();

// The entries of the font list in list order: the no-font entry at index 0, then the generic
// families and the installed families (names holding "@" left out, the twelve common fonts
// marked, names already listed, ignoring ASCII case, left out), sorted.
// Collation: ASCII letters compared without regard to case (double-byte characters compared
// by their bytes, their trail bytes never folded), ties by the plain bytes; so "* " entries
// come first, then "@ " entries, then the unmarked names, with double-byte names after the
// ASCII ones. The no-font entry is pinned at index 0 whatever it would sort as.
std::vector<std::string> buildFontList(const std::vector<std::string>& platformFamilies);

// The index of the entry equal to `text` when ASCII letters are compared without regard to case
// (trail bytes never folded); -1 when there is none.
int indexOfEntry(const std::vector<std::string>& entries, std::string_view text);

// The entry without its marks: a leading "* ", then a leading "@ ". Other text is unchanged.
std::string StripFontMarks(std::string_view entry);

// The face the preview draws with: the stripped name, the generic families mapped to
// "MS Serif", "MS Sans Serif" and "Lucida Handwriting".
std::string DisplayFontName(std::string_view entry);

// The family list for markup: the stripped name followed, for Japanese gothic and mincho
// faces, by comma-separated fallbacks (",ＭＳ Ｐゴシック", ",ＭＳ Ｐ明朝", ",Osaka", ",平成明朝").
// No blanks after the commas and no quotation marks.
std::string MarkupFontFamily(std::string_view entry);

} // namespace tintlace
