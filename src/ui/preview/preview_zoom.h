#pragma once

#include <QPoint>
#include <QSize>

// The zoom of the preview: whole factors from 1 to MaxFactor, drawn nearest-neighbour, and the
// factor that fits a picture into the room the screen leaves.
namespace PreviewZoom {

inline constexpr int MaxFactor = 32;

// The next whole factor up (steps > 0) or down from zoom, held to 1 .. MaxFactor.
double stepped(double zoom, int steps);
// The factor at which picture fits room: the largest whole factor when it fits at 1:1, else the
// exact factor below 1 at which its longer side fits.
double fit(QSize picture, QSize room);
// The size of a picture shown at zoom (at least 1 by 1 for a picture with area).
QSize zoomedSize(QSize picture, double zoom);
// The picture's pixel under a point of the zoomed picture.
QPoint sourcePixel(QPoint zoomedPoint, double zoom);

} // namespace PreviewZoom
