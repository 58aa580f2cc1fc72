#pragma once
// Hints (tool tips) as the whole program shows them: pale yellow, wrapped near 150 pixels,
// kept for 10 seconds.
class QApplication;
class QFontMetrics;
class QString;

namespace tintlace {

void installHintStyle(QApplication& app);

// Breaks a hint into lines of at most `width` pixels: at blanks where there are any, between
// characters elsewhere (Japanese text has no blanks).
QString wrapHint(const QString& text, const QFontMetrics& metrics, int width);

} // namespace tintlace
