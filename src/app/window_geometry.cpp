#include "window_geometry.h"

#include <QStringList>

#include <algorithm>

namespace WindowGeometry {

QString text(const QRect &geometry, const Screen &screen)
{
    const QPoint at = geometry.topLeft() - screen.geometry.topLeft();
    // The screen's name comes last, so that a name holding commas still reads back whole.
    return QStringLiteral("%1,%2,%3,%4,%5").arg(at.x()).arg(at.y()).arg(geometry.width()).arg(geometry.height()).arg(screen.name);
}

std::optional<QRect> restored(const QString &text, const QList<Screen> &screens)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < 5 || screens.isEmpty())
        return std::nullopt;
    int numbers[4];
    for (int k = 0; k < 4; ++k) {
        bool ok = false;
        numbers[k] = fields[k].trimmed().toInt(&ok);
        // Beyond any desktop: a value typed into the store by hand, or made by another program.
        if (!ok || numbers[k] < -100000 || numbers[k] > 100000)
            return std::nullopt;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    const QString name = fields.mid(4).join(QLatin1Char(','));
    const auto named = std::find_if(screens.begin(), screens.end(), [&](const Screen &s) { return s.name == name; });
    // Without its screen, the offset is taken from the first screen, the desktop's origin side.
    const Screen &base = named != screens.end() ? *named : screens.front();
    QRect window(base.geometry.topLeft() + QPoint(numbers[0], numbers[1]), QSize(numbers[2], numbers[3]));

    const QRect top(window.left(), window.top(), window.width(), std::min(GrabHeight, window.height()));
    const auto shown = std::find_if(screens.begin(), screens.end(), [&](const Screen &s) {
        const QRect on = s.available.intersected(top);
        return on.width() >= std::min(GrabWidth, window.width()) && on.height() >= top.height();
    });
    if (shown == screens.end())
        return std::nullopt;
    window.setSize(window.size().boundedTo(shown->available.size()));
    return window;
}

} // namespace WindowGeometry
