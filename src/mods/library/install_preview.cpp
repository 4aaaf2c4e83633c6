#include "install_preview.h"

#include "game_file_error.h"
#include "game_originals.h"
#include "picture_layers.h"

namespace InstallPreview {

std::vector<InstallPreviewItem> of(const Catalogue &c, const InstalledMods &mods, const ModContents &contents, bool updating)
{
    if (!updating && mods.find(contents.name) >= 0)
        throw GameFileError(contents.source, Message::joined(Message(CORE_WORDING("CoreMessages", "a mod named \"%1\" is installed already")).name(contents.name),
                                                             CORE_WORDING("CoreMessages", "uninstall it first")));
    const GameOriginals originals(c);
    std::vector<InstallPreviewItem> items;
    for (const PictureValue &value : contents.pictures) {
        InstallPreviewItem item;
        item.key = value.key;
        item.changes = !PictureValues::holds(c, value);
        if (item.changes) {
            // Another mod's picture, applied or not, is that mod's; only what is left is the user's own.
            const int top = mods.showing(c, value.key);
            if (top >= 0) {
                item.takesMod = top;
            } else {
                // Not a mod's: the game's original where no mod's layer lies, else the user's own.
                const bool onOriginal = PictureLayers::of(mods.mods(), value.key).pixels.from == PictureLayers::Source::From::Original;
                item.takesUnapplied = value.key.font ? c.fontChanged(value.key.number) : c.imageChanged(value.key.number);
                item.takesOwn = !item.takesUnapplied && !(onOriginal && mods.holdsOriginal(c, value.key, originals));
            }
        }
        items.push_back(item);
    }
    return items;
}

} // namespace InstallPreview
