#include "app/ButtonIcons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace tintlace {

namespace {

const QColor Ink(40, 40, 60);
const QColor Red(220, 30, 30);
const QColor Blue(30, 70, 220);
const QColor Green(20, 160, 40);
const QColor Yellow(240, 200, 0);
const QColor Paper(250, 250, 245);

QImage drawPicture(const std::function<void(QPainter&)>& draw) {
    QImage image(ButtonIconSize, ButtonIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

// Vertical bars standing on a common bottom line, one per height, in the given colours.
void drawBars(QPainter& p, const std::vector<int>& heights, const std::vector<QColor>& colors) {
    const int count = static_cast<int>(heights.size());
    const int width = (ButtonIconSize - 2) / count;
    const int left = (ButtonIconSize - width * count) / 2;
    for (int i = 0; i < count; ++i) {
        const int h = heights[i];
        p.fillRect(QRect(left + i * width, ButtonIconSize - 3 - h, width - 1, h),
                   colors[i % colors.size()]);
    }
}

QFont iconFont(int pixels, bool bold = true) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawPage(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(r);
}

// A small landscape: sky, sun and a hill, standing for "the picture".
void drawLandscape(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(150, 200, 250));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.35), 2, 2);
    p.setBrush(Green);
    p.drawPolygon(QPolygonF({QPointF(r.left() + 0.5, r.bottom()),
                             QPointF(r.left() + r.width() * 0.6, r.top() + r.height() * 0.4),
                             QPointF(r.right(), r.bottom())}));
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({to + d * 2, to - d * 3 + n * 3.5, to - d * 3 - n * 3.5}));
}

void drawCopySign(QPainter& p) {
    drawPage(p, QRectF(1.5, 1.5, 10, 12));
    drawPage(p, QRectF(6.5, 6.5, 13, 14));
}

} // namespace

QImage patternPicture(PatternKind kind) {
    return drawPicture([kind](QPainter& p) {
        switch (kind) {
        case PatternKind::Gradation: {
            QLinearGradient gradient(1, 0, ButtonIconSize - 1, 0);
            gradient.setColorAt(0, Red);
            gradient.setColorAt(0.5, Yellow);
            gradient.setColorAt(1, Blue);
            p.fillRect(QRect(1, 6, ButtonIconSize - 2, 10), gradient);
            break;
        }
        case PatternKind::Impact:
            p.setFont(iconFont(15));
            p.setPen(Red);
            p.drawText(QRect(0, 1, 10, 20), Qt::AlignCenter, QStringLiteral("A"));
            p.setFont(iconFont(11));
            p.setPen(Ink);
            p.drawText(QRect(9, 5, 13, 16), Qt::AlignCenter, QStringLiteral("bc"));
            break;
        case PatternKind::ThreeColorNeon:
            drawBars(p, std::vector<int>(6, 14), {Red, Green, Blue});
            break;
        case PatternKind::TwoColorNeon:
            drawBars(p, std::vector<int>(6, 14), {Red, Blue});
            break;
        }
    });
}

QImage stylePicture(StyleKind kind) {
    static const std::array<std::vector<int>, 6> profiles{{
        {8, 8, 8, 8, 8},     // NoStyle: flat
        {16, 6, 6, 6, 6},    // Impact: big first, then small
        {16, 13, 10, 7, 4},  // Small: shrinking
        {4, 7, 10, 13, 16},  // Big: growing
        {16, 10, 4, 10, 16}, // Wide: large ends, small middle
        {4, 10, 16, 10, 4},  // Top: small ends, large middle
    }};
    return drawPicture(
        [kind](QPainter& p) { drawBars(p, profiles[static_cast<std::size_t>(kind)], {Blue}); });
}

QImage toolPicture(ToolIcon kind) {
    return drawPicture([kind](QPainter& p) {
        switch (kind) {
        case ToolIcon::SaveScheme: // a floppy disk
            p.setPen(QPen(Ink, 1));
            p.setBrush(Blue);
            p.drawRect(QRectF(2.5, 2.5, 17, 17));
            p.setBrush(Paper);
            p.drawRect(QRectF(5.5, 2.5, 11, 7));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(6.5, 13.5, 9, 6));
            break;
        case ToolIcon::DeleteScheme: // a red cross
            p.setPen(QPen(Red, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(5, 5), QPointF(17, 17));
            p.drawLine(QPointF(17, 5), QPointF(5, 17));
            break;
        case ToolIcon::About: // "i" in a blue disc
            p.setPen(Qt::NoPen);
            p.setBrush(Blue);
            p.drawEllipse(QRectF(1.5, 1.5, 19, 19));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(11, 6.5), 1.8, 1.8);
            p.drawRect(QRectF(9.5, 9.5, 3, 8));
            break;
        case ToolIcon::Help: // "?" in a green disc
            p.setPen(Qt::NoPen);
            p.setBrush(Green);
            p.drawEllipse(QRectF(1.5, 1.5, 19, 19));
            p.setPen(Qt::white);
            p.setFont(iconFont(15));
            p.drawText(QRect(0, 0, ButtonIconSize, ButtonIconSize), Qt::AlignCenter,
                       QStringLiteral("?"));
            break;
        case ToolIcon::WritePicture: // the picture going down into a file
            drawLandscape(p, QRectF(1.5, 1.5, 15, 11));
            drawArrow(p, QPointF(16, 9), QPointF(16, 17), Red);
            p.fillRect(QRect(8, 19, 14, 2), Ink);
            break;
        case ToolIcon::CopyPicture: // two sheets, the front one a picture
            drawPage(p, QRectF(1.5, 1.5, 12, 11));
            drawLandscape(p, QRectF(6.5, 7.5, 14, 12));
            break;
        case ToolIcon::Exchange: // two arrows, one each way
            drawArrow(p, QPointF(3, 7), QPointF(17, 7), Red);
            drawArrow(p, QPointF(19, 15), QPointF(5, 15), Blue);
            break;
        case ToolIcon::CopyMarkup: // two sheets, the front one with a tag
            drawCopySign(p);
            p.setPen(Blue);
            p.setFont(iconFont(9));
            p.drawText(QRect(7, 7, 13, 14), Qt::AlignCenter, QStringLiteral("<>"));
            break;
        }
    });
}

QIcon patternIcon(PatternKind kind) {
    return QIcon(QPixmap::fromImage(patternPicture(kind)));
}
QIcon styleIcon(StyleKind kind) {
    return QIcon(QPixmap::fromImage(stylePicture(kind)));
}
QIcon toolIcon(ToolIcon kind) {
    return QIcon(QPixmap::fromImage(toolPicture(kind)));
}

} // namespace tintlace
