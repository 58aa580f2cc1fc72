#include "app/QtCanvas.h"
#include "app/QtText.h"

#include "image/TextImage.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <cmath>

namespace tintlace {

namespace {

// Texts up to this many bytes (single characters, mostly) keep their converted form.
constexpr std::size_t CachedTextBytes = 8;
constexpr int ScreenDpi = 96;

} // namespace

QColor toQColor(Color color) {
    return QColor(colorRed(color), colorGreen(color), colorBlue(color));
}

Color fromQRgb(QRgb rgb) {
    return makeColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QtCanvas::QtCanvas() : QtCanvas(PreviewImageWidth, PreviewImageHeight) {}

QtCanvas::QtCanvas(int width, int height) : m_image(width, height, QImage::Format_RGB32) {
    m_image.fill(Qt::white);
}

QtCanvas::~QtCanvas() = default;

QPainter& QtCanvas::painter() {
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_fontSelected = false;
    }
    return *m_painter;
}

const QImage& QtCanvas::image() const {
    m_painter.reset(); // finish painting so that the image can be copied or read
    return m_image;
}

const QString& QtCanvas::toQString(std::string_view cp932) {
    if (cp932.size() > CachedTextBytes) {
        m_longText = fromCp932(cp932);
        return m_longText;
    }
    auto [it, added] = m_texts.try_emplace(std::string(cp932));
    if (added)
        it->second = fromCp932(cp932);
    return it->second;
}

void QtCanvas::fillRect(const Rect& r, Color color) {
    if (isEmptyBox(r))
        return;
    painter().fillRect(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), toQColor(color));
}

void QtCanvas::setFont(const FontSpec& wanted) {
    auto key = std::make_tuple(wanted.face, wanted.pointSize, wanted.bold, wanted.italic);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        QFont qfont(fromCp932(wanted.face));
        // Points at the screen's 96 dots per inch, rounded: 24 points are 32 pixels.
        const int pixels = static_cast<int>(std::lround(wanted.pointSize * ScreenDpi / 72.0));
        qfont.setPixelSize(std::max(pixels, 1));
        qfont.setBold(wanted.bold);
        qfont.setItalic(wanted.italic);
        QFontMetrics metrics(qfont);
        const int ascent = metrics.ascent();
        auto loaded = std::make_unique<LoadedFont>(LoadedFont{qfont, metrics, ascent});
        it = m_fonts.emplace(std::move(key), std::move(loaded)).first;
    }
    if (m_font != it->second.get()) {
        m_font = it->second.get();
        m_fontSelected = false;
    }
}

const QtCanvas::LoadedFont& QtCanvas::font() {
    if (!m_font)
        setFont(FontSpec{{}, 10, false, false});
    return *m_font;
}

int QtCanvas::textHeight(std::string_view) {
    return font().metrics.height();
}

int QtCanvas::textOut(int x, int y, std::string_view cp932, Color color) {
    const LoadedFont& f = font();
    QPainter& p = painter();
    if (!m_fontSelected) {
        p.setFont(f.font);
        m_fontSelected = true;
    }
    const QString& text = toQString(cp932);
    p.setPen(toQColor(color));
    // The cell's top-left is at (x, y), so the baseline lies one ascent lower.
    p.drawText(QPoint(x, y + f.ascent), text);
    return f.metrics.horizontalAdvance(text);
}

void QtCanvas::dottedRect(const Rect& r, Color color) {
    m_painter.reset(); // pixels are set directly
    const int left = std::min(r.Left, r.Right);
    const int right = std::max(r.Left, r.Right) - 1;
    const int top = std::min(r.Top, r.Bottom);
    const int bottom = std::max(r.Top, r.Bottom) - 1;
    if (right < left || bottom < top)
        return;
    const QRgb rgb = toQColor(color).rgb();
    // Every other pixel, counted over the whole image, so the dots of the four lines agree.
    auto dot = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height() && (x + y) % 2 == 0)
            m_image.setPixel(x, y, rgb);
    };
    for (int x = left; x <= right; ++x) {
        dot(x, top);
        dot(x, bottom);
    }
    for (int y = top; y <= bottom; ++y) {
        dot(left, y);
        dot(right, y);
    }
}

} // namespace tintlace
