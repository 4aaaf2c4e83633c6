#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"

// Names a picture of a game folder: menu image n, or font sheet i.
struct PictureKey {
    bool font = false;
    int number = 0;

    // "12.gpi" or the font's file name.
    std::string caption() const;
    auto operator<=>(const PictureKey &) const = default;
};

// A picture as a mod sets it: a menu image's whole index entry and bytes, or a font sheet.
struct PictureValue {
    PictureKey key;
    TGPHDetails entry;             // images: width, height and the opaque fields
    std::vector<TGPHBlock> blocks; // images: the entry's blocks
    std::int32_t byteCount = 0;    // images: the .gpi file's length
    PixelBuffer pixels;            // images
    FontSheet sheet;               // fonts
    // pixelDigest() when a reader has taken it already (checking the pixels against it).
    std::string knownPixelDigest;
    // images: the mod sets the size and the bytes only; the entry's other fields (Lead, blocks,
    // Trailer) are whatever lies below it, and follow that when it changes.
    bool sizeOnly = false;

    // SHA-256 of the pixels alone (the .gpi bytes, or the sheet), as a mod package names them.
    std::string pixelDigest() const;
    // What the record of installed mods names a picture by: a font's pixelDigest(); for an image,
    // SHA-256 of its index entry (as the index file holds it) followed by its pixelDigest().
    std::string digest() const;
};

namespace PictureValues {

// The picture as the catalogue holds it now.
PictureValue current(const Catalogue &catalogue, PictureKey key);
// PictureValue::digest() and pixelDigest() of the picture the catalogue holds now, without a copy of it.
std::string currentDigest(const Catalogue &catalogue, PictureKey key);
std::string currentPixelDigest(const Catalogue &catalogue, PictureKey key);
// PictureValue::digest() of an image of this entry whose bytes have this pixelDigest().
std::string imageDigest(const TGPHDetails &entry, const std::vector<TGPHBlock> &blocks, const std::string &pixelDigest);
// True when the catalogue holds exactly this picture.
bool holds(const Catalogue &catalogue, const PictureValue &value);
// True when currentDigest() is value.digest(), told by comparing the bytes they take rather than hashing them.
bool holdsDigestOf(const Catalogue &catalogue, const PictureValue &value);
// The same for currentPixelDigest() and value.pixelDigest(), and for the index entry alone.
bool holdsPixelDigestOf(const Catalogue &catalogue, const PictureValue &value);
bool holdsEntryOf(const Catalogue &catalogue, const PictureValue &value);
// Puts the picture into the catalogue as an unapplied change; true when anything changed.
bool put(Catalogue &catalogue, PictureValue value);

// An index entry's bytes as the index file holds them, and back; parse throws GameFileError naming source.
std::vector<std::uint8_t> entryBytes(const TGPHDetails &entry, const std::vector<TGPHBlock> &blocks);
void parseEntry(const std::string &source, const std::vector<std::uint8_t> &bytes, TGPHDetails &entry, std::vector<TGPHBlock> &blocks);

} // namespace PictureValues
