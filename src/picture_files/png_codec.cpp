#include "png_codec.h"

#include "png_export.h"
#include "png_import.h"

namespace PngCodec {

PictureCodec make()
{
    return {
        PngExport::encodeImage,
        PngExport::encodeFont,
        [](const std::string &name, const std::vector<std::uint8_t> &bytes) { return PngImport::decodeImage(name, bytes); },
        [](const std::string &name, const std::vector<std::uint8_t> &bytes) { return PngImport::decodeFont(name, bytes); },
    };
}

} // namespace PngCodec
