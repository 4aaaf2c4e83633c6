#include "seven_segment.h"

#include <algorithm>
#include <array>

#include <QPolygonF>

namespace {

// A digit cell is 1 wide and 2 high; segments are Thickness thick with a Gap at each end.
constexpr qreal Thickness = 0.22;
constexpr qreal Gap = 0.03;
constexpr qreal Spacing = 0.35;

enum Segment { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

constexpr std::array<int, 10> DigitSegments = {
    A | B | C | D | E | F, B | C,         A | B | D | E | G, A | B | C | D | G, B | C | F | G,
    A | C | D | F | G,     A | C | D | E | F | G, A | B | C, A | B | C | D | E | F | G, A | B | C | D | F | G,
};

QPolygonF horizontal(qreal y)
{
    const qreal h = Thickness / 2, x0 = h + Gap, x1 = 1 - h - Gap;
    return QPolygonF({{x0, y}, {x0 + h, y - h}, {x1 - h, y - h}, {x1, y}, {x1 - h, y + h}, {x0 + h, y + h}});
}

QPolygonF vertical(qreal x, qreal y0, qreal y1)
{
    const qreal h = Thickness / 2;
    y0 += Gap;
    y1 -= Gap;
    return QPolygonF({{x, y0}, {x + h, y0 + h}, {x + h, y1 - h}, {x, y1}, {x - h, y1 - h}, {x - h, y0 + h}});
}

QPainterPath digit(int value)
{
    const qreal h = Thickness / 2;
    const int on = DigitSegments[std::size_t(value)];
    QPainterPath path;
    const auto add = [&](int segment, const QPolygonF &shape) {
        if (on & segment) {
            path.addPolygon(shape);
            path.closeSubpath();
        }
    };
    add(A, horizontal(h));
    add(B, vertical(1 - h, h, 1));
    add(C, vertical(1 - h, 1, 2 - h));
    add(D, horizontal(2 - h));
    add(E, vertical(h, 1, 2 - h));
    add(F, vertical(h, h, 1));
    add(G, horizontal(1));
    return path;
}

} // namespace

namespace SevenSegment {

QPainterPath number(const QString &digits, const QRectF &box)
{
    QPainterPath path;
    qreal x = 0;
    for (const QChar ch : digits) {
        if (ch < u'0' || ch > u'9')
            continue;
        path.addPath(digit(ch.unicode() - u'0').translated(x, 0));
        x += 1 + Spacing;
    }
    if (path.isEmpty())
        return path;
    const qreal width = x - Spacing;
    const qreal scale = std::min(box.width() / width, box.height() / 2);
    QTransform fit;
    fit.translate(box.center().x() - width * scale / 2, box.center().y() - scale);
    fit.scale(scale, scale);
    return fit.map(path);
}

} // namespace SevenSegment
