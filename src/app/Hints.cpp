#include "app/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>
#include <QWidget>

namespace tintlace {

namespace {

constexpr int HintMaxWidth = 150;
constexpr int HintHideTimeout = 10000;

class HintFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTip().isEmpty())
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text =
            wrapHint(widget->toolTip(), QFontMetrics(QToolTip::font()), HintMaxWidth);
        QToolTip::showText(help->globalPos(), text, widget, widget->rect(), HintHideTimeout);
        return true;
    }
};

} // namespace

QString wrapHint(const QString& text, const QFontMetrics& metrics, int width) {
    QString result;
    QString line;
    for (QChar c : text) {
        QString candidate = line + c;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            // Prefer the last blank of the line, when it has one, as the break.
            const qsizetype blank = line.lastIndexOf(' ');
            if (blank > 0) {
                result += line.left(blank) + '\n';
                line = line.mid(blank + 1) + c;
            } else {
                result += line + '\n';
                line = c;
            }
            if (line == " ")
                line.clear();
        } else {
            line = candidate;
        }
    }
    return result + line;
}

void installHintStyle(QApplication& app) {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 221));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
    app.installEventFilter(new HintFilter(&app));
}

} // namespace tintlace
