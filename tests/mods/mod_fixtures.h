#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "installed_mods.h"
#include "mod_contents.h"

// Mods the tests of src/mods install into a game folder of tests/support.
namespace ModFixtures {

// The image slots of the game folder the mods (and make_mod_archives.py's archives) fit.
inline constexpr int Slots = 12;

// The bytes make_mod_archives.py gives a file of tone and size.
std::vector<std::uint8_t> pattern(int tone, std::size_t size);
// A picture a mod test sets: image n at w x h with a pattern (and an opaque field of its own).
PictureValue image(int n, int w, int h, int tone);
PictureValue font(int i, int tone);
ModContents mod(const std::string &name, std::vector<PictureValue> pictures);
// The three mods stacked by the uninstall tests: each overlaps the one before.
std::vector<ModContents> threeMods();
// "Apply All Changes" of the catalogue and the library.
void apply(Catalogue &catalogue, InstalledMods &record);

} // namespace ModFixtures
