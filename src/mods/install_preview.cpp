#include "install_preview.h"

#include "game_file_error.h"

namespace InstallPreview {

std::vector<InstallPreviewItem> of(const Catalogue &c, const InstalledMods &mods, const ModContents &contents)
{
    if (mods.find(contents.name) >= 0)
        throw GameFileError(contents.source, "a mod named \"" + contents.name + "\" is installed already; uninstall it first");
    std::vector<InstallPreviewItem> items;
    for (const PictureValue &value : contents.pictures) {
        InstallPreviewItem item;
        item.key = value.key;
        item.changes = !PictureValues::holds(c, value);
        item.takesUnapplied = item.changes && (value.key.font ? c.fontChanged(value.key.number) : c.imageChanged(value.key.number));
        const int top = mods.topOf(value.key);
        if (item.changes && top >= 0 && PictureValues::currentDigest(c, value.key) == mods.mods()[std::size_t(top)].digestOf(value.key))
            item.takesMod = top;
        items.push_back(item);
    }
    return items;
}

} // namespace InstallPreview
