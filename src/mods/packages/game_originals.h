#pragma once

#include <optional>

#include "catalogue.h"
#include "picture_value.h"

// The game's own pictures, as a mod is measured against them and uninstalling the last mod
// puts them back: the files "Apply All Changes" keeps in tessary-originals/ once it has
// replaced them, else the game folder's files themselves. Read as untrusted files (no links).
class GameOriginals {
public:
    // Reads the original index of the catalogue's game folder; throws GameFileError.
    explicit GameOriginals(const Catalogue &catalogue);

    // Image n or font i as the game shipped it; throws GameFileError naming the file.
    PictureValue picture(PictureKey key) const;
    // picture(key), kept until another picture is read: composing a picture reads its original to
    // compare, for its entry and for its pixels. take() moves it out.
    PictureValue &held(PictureKey key) const;
    PictureValue take(PictureKey key) const;
    // Image n's entry in the game's original index; null when it has none.
    const TGPHDetails *entry(int n) const;
    // True when tessary-originals/ keeps the picture's file: the game folder's file was replaced.
    bool kept(PictureKey key) const;
    // picture(key).pixelDigest() and .digest(), taken from the catalogue when it holds the
    // game's own file unchanged, so that the file is not read again.
    std::string pixelDigest(PictureKey key) const;
    std::string digest(PictureKey key) const;
    // True when the catalogue's picture has digest(key), told by comparing bytes rather than hashing them.
    bool shown(PictureKey key) const;
    // True when the catalogue holds the game's original of the picture: its own file unchanged
    // and, for an image, the original index entry. False can also mean it could not tell cheaply.
    bool heldUnchanged(PictureKey key) const;

private:
    bool holdsOwnFile(PictureKey key) const;

    const Catalogue &m_catalogue;
    Catalogue m_index;
    mutable std::optional<PictureValue> m_held;
};
