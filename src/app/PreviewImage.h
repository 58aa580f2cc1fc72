#pragma once
// Shows an image that is drawn elsewhere; it paints the image's top-left part at its own size.
#include <QWidget>

class QImage;

namespace tintlace {

class PreviewImage : public QWidget {
public:
    PreviewImage(QWidget* parent, const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& m_image;
};

} // namespace tintlace
