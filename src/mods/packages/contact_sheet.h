#pragma once

#include <vector>

#include "catalogue.h"
#include "picture_value.h"
#include "tga_decode.h"

// preview.png of a mod package: its pictures side by side, so that a file manager or a
// download page shows what the mod changes. Made from the pixels alone (no text), so that the
// same pictures always give the same sheet.
namespace ContactSheet {

inline constexpr int Cell = 64;
inline constexpr int Gap = 4;
inline constexpr int MaxColumns = 12;

// Each picture shrunk to fit a 64 x 64 cell (nearest pixel, never enlarged), colours shown
// opaque as the grids show them, on a dark grey ground, row after row.
DecodedImage make(const Catalogue &catalogue, const std::vector<PictureKey> &pictures);

} // namespace ContactSheet
