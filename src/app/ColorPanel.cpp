#include "app/ColorPanel.h"

#include <QMouseEvent>

namespace tintlace {

namespace {
QString cssColor(Color c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(colorRed(c)).arg(colorGreen(c)).arg(colorBlue(c));
}
} // namespace

ColorPanel::ColorPanel(QWidget* parent, Color color) : QLabel(parent), m_color(color) {
    setAlignment(Qt::AlignCenter);
    restyle();
}

void ColorPanel::setColor(Color color) {
    if (color == m_color)
        return;
    m_color = color;
    restyle();
}

void ColorPanel::setFontColor(Color color) {
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    restyle();
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ColorPanel::restyle() {
    setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border: 1px solid #808080; }")
                      .arg(cssColor(m_color), cssColor(m_fontColor)));
}

} // namespace tintlace
