#pragma once

#include "picture_codec.h"

// The .png files of mods (packages, picture archives), in the forms the exports write and the
// imports read.
namespace PngCodec {

PictureCodec make();

} // namespace PngCodec
