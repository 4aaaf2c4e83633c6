#pragma once

#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>

#include "catalogue.h"
#include "preview_picture.h"

// Builds the pictures the grids and the preview show, reading the catalogue's memory
// directly and only at the pixels that are shown.
namespace PictureMaker {

// Picture of a w by h image whose first `loaded` pixels are held at `pixels`, shown at
// `shown` (at most w by h) by nearest-pixel sampling. Pixels beyond the loaded data stay
// transparent; nothing past them is read. Null for an empty size.
QImage sample(const std::uint32_t *pixels, std::size_t loaded, int w, int h, QSize shown, bool alphaView);
// Thumbnail of image n for a box-sized cell (the scaling rule); null when n has no pixels.
QImage thumbnail(const Catalogue &catalogue, int n, int box, bool alphaView);
// A w by h image whose first `loaded` pixels are held at `pixels`, for the preview: shown at its
// natural size, and its pixel values.
PreviewPicture preview(const std::uint32_t *pixels, std::size_t loaded, int w, int h, bool alphaView);
// Image n of the catalogue for the preview.
PreviewPicture preview(const Catalogue &catalogue, int n, bool alphaView);
// The 256 by 256 picture of a font sheet; null when the sheet is not whole.
QImage fontSheet(const FontSheet &sheet);

} // namespace PictureMaker
