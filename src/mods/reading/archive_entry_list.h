#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One file of an archive or a mod folder, read whole: its plain name ('/' between folders) and bytes.
struct ArchiveEntry {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// Bounds on what an untrusted archive or folder may make Tessary read. Far above any menu
// mod (the game's 450 images take about 300 MB), far below what would exhaust a machine.
struct ArchiveLimits {
    std::uint64_t archiveBytes = std::uint64_t(1) << 30; // the archive file itself
    std::uint64_t totalBytes = std::uint64_t(1) << 30;   // all of its files, expanded
    std::size_t entries = 20000;                          // files and folders
    // An entry may expand to at most ratio times the compressed bytes read for it, once it has
    // passed ratioFrom bytes: a flat menu picture may shrink far more, but none is that large.
    std::uint64_t ratio = 100;
    std::uint64_t ratioFrom = std::uint64_t(16) << 20;
};
