// Hints wrap near 150 pixels: at blanks in Latin text, between characters in Japanese text.
#include "app/Hints.h"

#include <QFontMetrics>
#include <QString>
#include <QToolTip>

#include <gtest/gtest.h>

namespace tintlace {
namespace {

TEST(Hints, EveryLineFitsTheWidthAndNoCharacterIsLost) {
    const QFontMetrics metrics(QToolTip::font());
    const QString hints[] = {
        QString::fromUtf8("Leftのみの操作で虹色になるようにCenterとRightを自動で生成します"),
        QString::fromUtf8("ビットマップ形式のファイルをデスクトップに書き出します"),
        "writes the picture of the text to a file on the desktop in the chosen format",
        QString::fromUtf8("ヘルプの表示"),
    };
    for (const QString& hint : hints) {
        const QString wrapped = wrapHint(hint, metrics, 150);
        for (const QString& line : wrapped.split('\n'))
            EXPECT_LE(metrics.horizontalAdvance(line), 150) << line.toStdString();
        QString joined = wrapped;
        joined.remove('\n');
        QString original = hint;
        // A break at a blank replaces the blank.
        EXPECT_EQ(joined.remove(' '), original.remove(' '));
    }
    EXPECT_EQ(wrapHint(QString::fromUtf8("ヘルプの表示"), metrics, 150),
              QString::fromUtf8("ヘルプの表示"));
}

} // namespace
} // namespace tintlace
