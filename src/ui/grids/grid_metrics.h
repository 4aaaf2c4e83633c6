#pragma once

#include <QPoint>
#include <QSize>

// The geometry of the two thumbnail grids as plain arithmetic, so that it can be checked
// without a window. Widths are the outer widths of the scroll areas (frame and scroll bar
// included); positions are in content coordinates of the scroll area.
namespace GridMetrics {

inline constexpr int WidthAllowance = 26;
inline constexpr int ImageColumnGap = 10;
inline constexpr int ImageRowGap = 30;
inline constexpr int FontSide = 256;
inline constexpr int FontPitchX = 266;
inline constexpr int FontPitchY = 286;
inline constexpr int CellLeft = 10;
inline constexpr int PictureTop = 20;
inline constexpr int CaptionTop = 5;
// Where a cell waits before it is first placed: beyond the visible width of the page.
inline constexpr int WaitingX = 3000;

// Thumbnails per row of the images page; at least 1.
int thumbColumns(int areaWidth, int thumbSize);
// Height of the images page's content: enough rows for imageCount cells (slot 0 included).
int imageScrollRange(int imageCount, int columns, int thumbSize);
// Sheets per row of the fonts page; at least 1.
int fontColumns(int areaWidth);
// Height of the fonts page's content for the six sheets.
int fontScrollRange(int columns);

// Top-left corner of image n's picture.
QPoint imagePicturePos(int n, int columns, int thumbSize);
// Top-left corner of image n's caption.
QPoint imageCaptionPos(int n, int columns, int thumbSize);
// Top-left corner of font sheet n's picture.
QPoint fontPicturePos(int n, int columns);
// Top-left corner of font sheet n's caption (256 wide, text centred).
QPoint fontCaptionPos(int n, int columns);

// Size of the images page's focus frame for a thumbnail size.
QSize imageFocusSize(int thumbSize);
// Where a focus frame stands for a picture at picturePos: 3 left of it and 18 above.
QPoint focusPos(QPoint picturePos);

// Size at which a w by h picture is shown in a box-sized square: natural when it fits,
// otherwise scaled down keeping its aspect ratio, the longer side equal to box, the other
// truncated to whole pixels. Empty for a picture without area.
QSize scaledSize(int w, int h, int box);

} // namespace GridMetrics
