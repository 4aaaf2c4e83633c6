#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

// Outlines of decimal digits as seven-segment shapes: large, crisp numbers that need no
// installed font, so a picture comes out the same on every machine.
namespace SevenSegment {

// The outline of digits (characters '0' to '9') fitted and centred inside box.
QPainterPath number(const QString &digits, const QRectF &box);

} // namespace SevenSegment
