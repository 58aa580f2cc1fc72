#pragma once
// A flat panel with a background colour, a caption and a caption colour; it reports clicks.
// Used for the stop panels, the value panels and the shadow and edge colour panels.
#include "engine/CharTable.h"

#include <QLabel>

namespace tintlace {

class ColorPanel : public QLabel {
    Q_OBJECT
public:
    explicit ColorPanel(QWidget* parent, Color color = 0);

    Color color() const { return m_color; }
    void setColor(Color color);
    Color fontColor() const { return m_fontColor; }
    void setFontColor(Color color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void restyle();

    Color m_color;
    Color m_fontColor = 0;
};

} // namespace tintlace
