#pragma once

#include "catalogue.h"
#include "install_preview.h"
#include "installed_mods.h"
#include "mod_contents.h"
#include "mod_dialog_models.h"

// The mods core's answers in the forms the mod windows show.
namespace ModViews {

// The preview of installing contents: a row per picture with thumbnails of box pixels.
InstallPreviewModel installPreview(const Catalogue &catalogue, const InstalledMods &record, const ModContents &contents,
                                   const std::vector<InstallPreviewItem> &items, int box = 64);
// The library's mods with what covers their pictures; a mod whose place or switch differs from
// applied (the library as the game folder holds it) is marked as not yet applied.
InstalledModsModel installedMods(const InstalledMods &record, const Catalogue &catalogue, const std::vector<InstalledMod> &applied);
// "12.gpi (by \"Night Race\")" or "12.gpi (by an edit)".
QString coverText(const CoveredPicture &cover);

} // namespace ModViews
