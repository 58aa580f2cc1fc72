#pragma once
// Maps the Windows face names the window draws with to fonts installed on Linux.

namespace tintlace {

// Registers the substitutions with QFont; safe to call more than once.
//   "ＭＳ Ｐゴシック" -> IPA P Gothic, "ＭＳ Ｐ明朝" -> IPA P Mincho,
//   "MS Serif" -> a serif, "MS Sans Serif" -> a sans-serif, "Lucida Handwriting" -> a cursive.
void installFontSubstitutions();

} // namespace tintlace
