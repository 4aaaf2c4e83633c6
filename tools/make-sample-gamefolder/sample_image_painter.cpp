#include "sample_image_painter.h"

#include <algorithm>

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include "seven_segment.h"

namespace {

QColor hue(int degrees, int saturation, int value, int alpha = 255)
{
    return QColor::fromHsv(((degrees % 360) + 360) % 360, saturation, value, alpha);
}

// Four kinds of background, so that opaque pictures, faded ones and clear corners all occur.
void paintBackground(QPainter &p, int n, const QRectF &area)
{
    const int h = n * 47;
    const int fadeKind = n % 4;
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (fadeKind == 2) {
        // A vignette: opaque in the middle, fully transparent in the corners.
        QRadialGradient vignette(area.center(), std::min(area.width(), area.height()) * 0.6);
        vignette.setColorAt(0, hue(h, 200, 235));
        vignette.setColorAt(0.7, hue(h + 140, 230, 110, 140));
        vignette.setColorAt(1, hue(h + 140, 230, 110, 0));
        p.fillRect(area, vignette);
    } else {
        QPointF from = area.topLeft(), to = area.topRight();
        if (n % 3 == 1)
            to = area.bottomLeft();
        else if (n % 3 == 2)
            to = area.bottomRight();
        QLinearGradient gradient(from, to);
        gradient.setColorAt(0, hue(h, 200, 235, fadeKind == 3 ? 160 : 255));
        gradient.setColorAt(1, hue(h + 140, 230, 110, fadeKind == 1 ? 40 : 255));
        p.fillRect(area, gradient);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void paintShapes(QPainter &p, int n, const QRectF &area)
{
    const qreal w = area.width(), h = area.height(), side = std::min(w, h);
    const int tint = n * 47 + 180;

    // A glowing disc whose alpha falls from nearly opaque to nothing at its rim.
    const QPointF discCentre(w * (0.2 + 0.06 * (n * 13 % 10)), h * (0.25 + 0.05 * (n * 7 % 10)));
    QRadialGradient glow(discCentre, side * 0.38);
    glow.setColorAt(0, hue(tint, 120, 255, 230));
    glow.setColorAt(0.6, hue(tint, 200, 220, 120));
    glow.setColorAt(1, hue(tint, 255, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(discCentre, side * 0.38, side * 0.38);

    // A turned, half-transparent bar and a triangle with an opaque outline.
    p.save();
    p.translate(w * 0.65, h * 0.6);
    p.rotate(n * 17 % 180);
    p.setBrush(hue(tint + 90, 180, 240, 120));
    p.drawRect(QRectF(-side * 0.45, -side * 0.08, side * 0.9, side * 0.16));
    p.restore();

    const QPolygonF triangle({{w * 0.08, h * 0.92}, {w * 0.32, h * 0.55}, {w * 0.48, h * 0.92}});
    p.setBrush(hue(tint - 60, 230, 250, 180));
    p.setPen(QPen(hue(tint - 60, 255, 90), std::max(1.0, side / 120)));
    p.drawPolygon(triangle);

    // An opaque frame marks the picture's true edges, except where the corners are meant to be clear.
    if (n % 4 == 2)
        return;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255), 1));
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintNumber(QPainter &p, int n, const QRectF &area)
{
    const QRectF box = area.adjusted(area.width() * 0.1, area.height() * 0.15, -area.width() * 0.1, -area.height() * 0.15);
    const QPainterPath digits = SevenSegment::number(QString::number(n), box);
    p.setPen(QPen(QColor(20, 20, 20), std::max(1.0, box.height() / 40), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(digits);
}

} // namespace

namespace SampleImagePainter {

QImage paint(int n, int width, int height)
{
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area(0, 0, width, height);
        paintBackground(p, n, area);
        paintShapes(p, n, area);
        paintNumber(p, n, area);
    }
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

std::vector<std::uint8_t> gameBytes(const QImage &picture)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(argb.width()) * std::size_t(argb.height()) * 4);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb px = row[x];
            bytes.push_back(std::uint8_t(qBlue(px)));
            bytes.push_back(std::uint8_t(qGreen(px)));
            bytes.push_back(std::uint8_t(qRed(px)));
            bytes.push_back(std::uint8_t(qAlpha(px)));
        }
    }
    return bytes;
}

} // namespace SampleImagePainter
