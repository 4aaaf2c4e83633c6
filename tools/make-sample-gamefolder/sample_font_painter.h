#pragma once

#include <QStringList>

#include "catalogue.h"

// Paints the font sheets of the sample folder: a 16 x 16 grid of 16-pixel cells holding the
// characters from 32 (space) upward, white on black with anti-aliased edges.
namespace SampleFontPainter {

// The character in grid cell (column, row), or 0 for a cell left black.
char32_t characterAt(int column, int row);
// The font families the sheets need that the system lacks (Qt then draws with a substitute).
QStringList missingFamilies();
// Font i's sheet; each font has its own face, size and weight, and font 4 is softened.
FontSheet paint(int font);

} // namespace SampleFontPainter
