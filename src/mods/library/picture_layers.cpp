#include "picture_layers.h"

namespace PictureLayers {

Shown of(const std::vector<InstalledMod> &mods, PictureKey key)
{
    Shown shown;
    for (std::size_t k = 0; k < mods.size(); ++k) {
        const RecordedPicture *picture = mods[k].find(key);
        if (!picture)
            continue;
        if (!picture->ownBelowDigest.empty())
            shown.pixels = shown.entry = {Source::From::OwnBelow, k};
        if (!mods[k].enabled)
            continue;
        shown.pixels = {Source::From::Mod, k};
        if (!picture->sizeOnly || key.font)
            shown.entry = shown.pixels;
    }
    return shown;
}

PictureValue value(PictureKey key, const Shown &shown, const std::function<PictureValue(const Source &)> &valueOf)
{
    PictureValue picture = valueOf(shown.pixels);
    picture.key = key;
    picture.sizeOnly = false;
    if (key.font || shown.entry == shown.pixels)
        return picture;
    const PictureValue below = valueOf(shown.entry);
    const std::int32_t width = picture.entry.Width, height = picture.entry.Height;
    picture.entry = below.entry;
    picture.entry.Width = width;
    picture.entry.Height = height;
    picture.blocks = below.blocks;
    return picture;
}

} // namespace PictureLayers
