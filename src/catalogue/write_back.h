#pragma once

#include <functional>

class Catalogue;

// Writes every image, the index and the six fonts of the catalogue back into its game folder
// ("Apply All Changes"). Each file is first written whole beside its original and only then
// moved over it, so a failure before the moves leaves every game file as it was. progress gets
// n for image n and ImageCount + i for font i. Throws GameFileError.
void applyAllChanges(const Catalogue &catalogue, const std::function<void(int)> &progress = {});
