#pragma once

#include <vector>

#include "catalogue.h"
#include "installed_mods.h"
#include "mod_contents.h"

// What installing a mod would do to one picture, shown before anything changes.
struct InstallPreviewItem {
    PictureKey key;
    bool changes = false;         // the mod's picture differs from the one there now
    bool takesUnapplied = false;  // it replaces a change of the user's own not yet applied
    bool takesOwn = false;        // it replaces a picture of the user's own (kept, and given back on uninstalling)
    int takesMod = -1;            // it covers this installed mod's picture (its place in the record)
};

namespace InstallPreview {

// One item per picture of the mod, in its order. Throws GameFileError when a mod of that name
// is installed already (installing would be refused), unless it is updating that one.
std::vector<InstallPreviewItem> of(const Catalogue &catalogue, const InstalledMods &mods, const ModContents &contents, bool updating = false);

} // namespace InstallPreview
