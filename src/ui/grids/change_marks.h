#pragma once

#include <QColor>
#include <QString>

class QLabel;

// The mark a caption carries while its picture holds a change not yet applied ("12.gpi •").
namespace ChangeMarks {

// The mark's colour, for the whole caption: a dark red that reads on the white page and in
// the light focus frames.
inline const QColor Colour(176, 32, 0);
// What follows the name of a changed picture.
inline const QString Mark = QStringLiteral(" \u2022");

// Sets a caption to name, with the mark and its colour when changed is true. True when the
// text changed (the caption may then need a new size).
bool show(QLabel *caption, const QString &name, bool changed);

} // namespace ChangeMarks
