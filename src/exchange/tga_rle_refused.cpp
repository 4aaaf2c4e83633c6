#include "tga_rle_refused.h"

#include <utility>

TgaRleRefused::TgaRleRefused(std::string path) : GameFileError(std::move(path), Text) {}
