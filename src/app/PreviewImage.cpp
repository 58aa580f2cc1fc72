#include "app/PreviewImage.h"

#include <QImage>
#include <QPainter>

namespace tintlace {

PreviewImage::PreviewImage(QWidget* parent, const QImage& image) : QWidget(parent), m_image(image) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

} // namespace tintlace
