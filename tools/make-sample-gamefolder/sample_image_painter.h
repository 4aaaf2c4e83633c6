#pragma once

#include <cstdint>
#include <vector>

#include <QImage>

// Paints the recognisable pictures of the sample folder: each image shows its own number in
// large digits over colour gradients and partly transparent shapes.
namespace SampleImagePainter {

// Image n at width x height, non-premultiplied ARGB; the same n and size always give the same pixels.
QImage paint(int n, int width, int height);
// The picture as a .gpi file holds it: blue, green, red, alpha per pixel, top row first.
std::vector<std::uint8_t> gameBytes(const QImage &picture);

} // namespace SampleImagePainter
