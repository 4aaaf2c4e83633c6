#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "mod_manifest.h"
#include "picture_codec.h"
#include "picture_value.h"

// A picture that shows an installed mod's picture, not a change of the user's own.
struct PackModPicture {
    PictureKey key;
    std::string mod;
    std::string author;
};

// What the user says of a mod package being made.
struct PackDetails {
    std::string name;
    std::string author;
    std::string description;
    std::time_t created = 0;
    // The pictures installed mods set (InstalledMods::shownPictures): left out unless includeMods,
    // and then credited to their mods in the manifest.
    std::vector<PackModPicture> modPictures;
    bool includeMods = false;
};

// A mod package made, and its manifest.
struct PackedMod {
    std::vector<std::uint8_t> zip;
    ModManifest manifest;
    std::vector<PackModPicture> leftOut; // differing pictures left out because an installed mod set them
};

// "Save changes as a mod package": a .zip of tessary-mod.json, every picture of the user's own
// that differs from the game's original (and, when asked, those installed mods set) as a PNG (images/12.png, fonts/New_Font1000.gpf.png) and preview.png. The
// same pictures always give the same bytes, but for the creation time in the manifest.
namespace ModPackageWriter {

// The package of the catalogue's pictures that differ from the game's originals (in pixels or
// size; unapplied changes included). progress(done, total) is called before each picture.
// Throws GameFileError naming the game folder when none is left to pack or a picture can't be a PNG.
PackedMod pack(const Catalogue &catalogue, const PackDetails &details, const PictureCodec &codec,
               const std::function<void(int done, int total)> &progress = {});

} // namespace ModPackageWriter
