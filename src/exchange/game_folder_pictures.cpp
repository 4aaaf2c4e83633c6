#include "game_folder_pictures.h"

#include <utility>

#include "catalogue.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "kept_originals.h"

namespace GameFolderPictures {

namespace {

// A catalogue of the game folder's index alone, into which one image is read.
Catalogue indexOf(const std::string &gp4Path, int n)
{
    Catalogue scratch;
    scratch.GP4Path = gp4Path;
    scratch.Readsizes();
    if (!scratch.isImage(n))
        throw GameFileError(GamePaths::index(gp4Path), Message(CORE_WORDING("CoreMessages", "holds no menu image number %1")).number(n));
    scratch.ImageSizes.resize(std::size_t(scratch.ImageCount));
    scratch.FontBitmaps.resize(FontCount);
    return scratch;
}

DecodedImage taken(Catalogue &scratch, int n)
{
    const auto slot = std::size_t(n);
    return {scratch.ImageDetails[slot].Width, scratch.ImageDetails[slot].Height, scratch.ImageSizes[slot],
            std::move(scratch.ImagePixels[slot])};
}

} // namespace

DecodedImage gameFolderImage(const std::string &gp4Path, int n)
{
    Catalogue scratch = indexOf(gp4Path, n);
    KeptOriginals::revertImage(scratch, n);
    return taken(scratch, n);
}

DecodedImage originalImage(const std::string &gp4Path, int n)
{
    Catalogue scratch = indexOf(gp4Path, n);
    // Restoring into a catalogue that holds nothing yet reads the original, or the game folder's
    // file when that is the original.
    KeptOriginals::restoreImage(scratch, n);
    return taken(scratch, n);
}

} // namespace GameFolderPictures
