#pragma once

#include <string>
#include <vector>

#include "picture_value.h"

// A picture a mod set: the SHA-256 digest of what it set it to (PictureValue::digest), and,
// unless the game's original lies below it, the record file that keeps what does (an earlier
// mod's picture, or one of the user's own), so that uninstalling gives it back.
struct RecordedPicture {
    PictureKey key;
    std::string digest;
    std::string belowFile;       // "0002.zip"; empty when the game's original lies below
    std::string belowFileSha256; // of that file
    std::string belowDigest;     // of the picture kept there
    bool sizeOnly = false;       // an image whose entry the mod takes from below but for its size (PictureValue::sizeOnly)
    std::string originalDigest;  // with the game's original below: its digest, to tell it is still there; "" in older records
    bool operator==(const RecordedPicture &) const = default;
};

// One mod in the record of installed mods: what the user knows it by, and each picture it set.
struct InstalledMod {
    int id = 0; // its number in the record; what lay below its pictures is kept in tessary-mods/<id>.zip
    std::string name;
    std::string author;
    std::string description;
    std::string created;   // from its manifest; "" when it had none
    std::string installed; // when it was installed, as "2026-05-04T12:34:56Z"
    std::string source;    // the file or folder name it was installed from
    std::vector<RecordedPicture> pictures;

    // The record file of the mod numbered id, "0003.zip".
    static std::string fileOf(int id);
    // Its record file, made when it was installed over pictures other than the game's originals.
    std::string file() const { return fileOf(id); }
    // What it records of a picture; null when it did not set it.
    const RecordedPicture *find(PictureKey key) const;
    RecordedPicture *find(PictureKey key);
    // True when the mod set this picture.
    bool sets(PictureKey key) const { return find(key) != nullptr; }
    // The digest of what it set the picture to; "" when it did not set it.
    std::string digestOf(PictureKey key) const { return sets(key) ? find(key)->digest : std::string(); }
    bool operator==(const InstalledMod &) const = default;
};
