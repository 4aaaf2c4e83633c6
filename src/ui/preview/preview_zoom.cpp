#include "preview_zoom.h"

#include <algorithm>
#include <cmath>

namespace PreviewZoom {

double stepped(double zoom, int steps)
{
    const double whole = steps > 0 ? std::floor(zoom) + steps : std::ceil(zoom) + steps;
    return std::clamp(whole, 1.0, double(MaxFactor));
}

double fit(QSize picture, QSize room)
{
    if (picture.isEmpty() || room.isEmpty())
        return 1.0;
    const double exact = std::min(double(room.width()) / picture.width(), double(room.height()) / picture.height());
    return exact >= 1.0 ? std::min(std::floor(exact), double(MaxFactor)) : exact;
}

QSize zoomedSize(QSize picture, double zoom)
{
    if (picture.isEmpty())
        return picture;
    return QSize(std::max(1, int(std::lround(picture.width() * zoom))), std::max(1, int(std::lround(picture.height() * zoom))));
}

QPoint sourcePixel(QPoint zoomedPoint, double zoom)
{
    return QPoint(int(std::floor(zoomedPoint.x() / zoom)), int(std::floor(zoomedPoint.y() / zoom)));
}

} // namespace PreviewZoom
