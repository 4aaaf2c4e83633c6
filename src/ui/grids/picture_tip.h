#pragma once

#include <QString>

class Catalogue;

// The tooltip of a picture of the grids: its number and file name, width × height, byte count,
// whether it holds a change not yet applied, and whether it differs from the game's original
// (read from the game folder when asked).
namespace PictureTip {

QString image(const Catalogue &catalogue, int n);
QString font(const Catalogue &catalogue, int i);

} // namespace PictureTip
