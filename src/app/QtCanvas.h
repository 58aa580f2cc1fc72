#pragma once
// The preview's canvas: draws on an RGB32 QImage it owns (800 x 65 unless told otherwise).
#include "image/Canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

namespace tintlace {

class QtCanvas : public Canvas {
public:
    QtCanvas();
    QtCanvas(int width, int height);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    void fillRect(const Rect& r, Color color) override;
    void setFont(const FontSpec& font) override;
    int textHeight(std::string_view cp932) override;
    int textOut(int x, int y, std::string_view cp932, Color color) override;
    void dottedRect(const Rect& r, Color color) override;

    // The pixels drawn so far. Painting in progress is finished first, so the image may be
    // copied or read safely; the next drawing call starts painting again.
    const QImage& image() const;

private:
    struct LoadedFont {
        QFont font;
        QFontMetrics metrics;
        int ascent;
    };

    QPainter& painter();
    const QString& toQString(std::string_view cp932);
    const LoadedFont& font();

    QImage m_image;
    mutable std::unique_ptr<QPainter> m_painter;
    std::map<std::tuple<std::string, int, bool, bool>, std::unique_ptr<LoadedFont>> m_fonts;
    const LoadedFont* m_font = nullptr;
    bool m_fontSelected = false;                      // the painter holds m_font
    std::unordered_map<std::string, QString> m_texts; // short texts already converted
    QString m_longText;
};

// Converts a platform colour (red in the low byte) to a QColor and back.
QColor toQColor(Color color);
Color fromQRgb(QRgb rgb);

} // namespace tintlace
