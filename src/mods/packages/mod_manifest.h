#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// One picture of a mod package: which it replaces, its size, and SHA-256 digests of its pixels
// (a menu image's .gpi bytes, or a font's 65536-byte sheet) and of the game's original.
struct ModPicture {
    bool font = false;
    int number = 0; // the image number, or the font number (0 .. 5)
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string sha256;
    std::string originalSha256;
    // A picture of another mod the package took in at its maker's word: that mod's name and
    // author, so that its work is credited; both "" for the maker's own.
    std::string fromMod;
    std::string fromModAuthor;

    // The PNG file that holds the picture in the package ("images/12.png", "fonts/New_Font1000.gpf.png").
    std::string file() const;
    // The picture's name for the user ("12.gpi", "New_Font1000.gpf").
    std::string caption() const;
    bool operator==(const ModPicture &) const = default;
};

// tessary-mod.json, the manifest at the top of a Tessary mod package.
struct ModManifest {
    static constexpr const char *FileName = "tessary-mod.json";
    static constexpr int Version = 1;

    std::string name;
    std::string author;
    std::string description;
    std::string created; // UTC, as "2026-05-04T12:34:56Z"
    std::vector<ModPicture> pictures;

    // The manifest's JSON text; the same manifest always gives the same text.
    std::string toJson() const;
    // Reads a manifest strictly: every field present, of its kind and in its range, nothing
    // unknown, no picture twice. Throws GameFileError naming source and what is wrong.
    static ModManifest parse(const std::string &source, std::string_view text);
    // A moment as the manifest writes it.
    static std::string utcText(std::time_t moment);

    bool operator==(const ModManifest &) const = default;
};
