#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "installed_mod.h"

// What the game folder shows of a picture the library's mods set, as a pure function of the
// library: the enabled mods in their order over the game's original, each mod with the user's
// own picture that lay below it when it was installed (which shows whether the mod is on or off).
// A mod that sets an image's size and bytes only takes the rest of its entry from what lies below.
namespace PictureLayers {

// One layer of a picture.
struct Source {
    enum class From { Original, Mod, OwnBelow };
    From from = From::Original;
    std::size_t mod = 0; // for Mod and OwnBelow: the mod's place in the library
    bool operator==(const Source &) const = default;
};

// Where the picture's parts come from.
struct Shown {
    Source pixels; // the bytes and the size
    Source entry;  // the index entry's other fields (Lead, blocks, Trailer); pixels' own unless a size-only mod shows
};

Shown of(const std::vector<InstalledMod> &mods, PictureKey key);
// The picture that shows, from the pictures of its layers as valueOf gives them.
PictureValue value(PictureKey key, const Shown &shown, const std::function<PictureValue(const Source &)> &valueOf);

} // namespace PictureLayers
