#pragma once

#include <string>
#include <utility>
#include <vector>

#include "picture_value.h"

// One mod in the record of installed mods: what the user knows it by, and each picture it
// set with the SHA-256 digest of what it set it to (PictureValue::digest).
struct InstalledMod {
    int id = 0; // its number in the record; the pictures it set lie in tessary-mods/<id>.zip
    std::string name;
    std::string author;
    std::string description;
    std::string created;   // from its manifest; "" when it had none
    std::string installed; // when it was installed, as "2026-05-04T12:34:56Z"
    std::string source;    // the file or folder name it was installed from
    std::string recordSha256; // of its record file, which must hold exactly this
    std::vector<std::pair<PictureKey, std::string>> pictures;

    // Its record file, "0003.zip".
    std::string file() const;
    // True when the mod set this picture.
    bool sets(PictureKey key) const;
    // The digest of what it set the picture to; "" when it did not set it.
    std::string digestOf(PictureKey key) const;
    bool operator==(const InstalledMod &) const = default;
};
