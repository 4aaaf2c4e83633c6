#pragma once

#include <string>
#include <vector>

#include "picture_value.h"

// A picture a mod sets, as the library keeps it: the SHA-256 digest of the mod's own picture
// (PictureValue::digest), kept in the mod's file, and a picture of the user's own that lay below
// it when it was installed (kept in the same file), which shows again when the mod is off.
struct RecordedPicture {
    PictureKey key;
    std::string digest;
    bool sizeOnly = false;       // an image whose entry the mod takes from below but for its size (PictureValue::sizeOnly)
    std::string originalDigest;  // with the game's original below: its digest, to tell it is still there; "" when unknown
    std::string ownBelowDigest;  // the user's own picture kept below it; "" for none
    // Read from records of the first format only (migrated as they are read): the record file
    // that kept what lay below the mod's picture, an earlier mod's or the user's own.
    std::string belowFile;
    std::string belowFileSha256;
    std::string belowDigest;
    bool operator==(const RecordedPicture &) const = default;
};

// One mod of the library: what the user knows it by, whether it is on, and each picture it sets.
struct InstalledMod {
    int id = 0; // its number in the library; its pictures are kept in tessary-mods/<id>.zip
    std::string name;
    std::string author;
    std::string description;
    std::string created;   // from its manifest; "" when it had none
    std::string installed; // when it was installed, as "2026-05-04T12:34:56Z"
    std::string source;    // the file or folder name it was installed from
    bool enabled = true;   // off, it stays in the library but its pictures do not show
    std::string fileSha256; // of its file; "" in a record of the first format, which kept no mod's own pictures
    std::vector<RecordedPicture> pictures;

    // The file of the mod numbered id, "0003.zip".
    static std::string fileOf(int id);
    // Its file, which keeps its pictures and the user's own below them.
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

// A named, ordered set of the library's mods: using it switches those on, in its order, and the
// others off.
struct ModProfile {
    std::string name;
    std::vector<std::string> mods; // by name, from the bottom up
    bool operator==(const ModProfile &) const = default;
};
