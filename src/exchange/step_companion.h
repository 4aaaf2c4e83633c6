#pragma once

#include <cstdint>

class Catalogue;

// Something an undo step changes together with its pictures, such as the record of installed
// mods: swap() puts back the state it keeps and keeps the one it replaces, as PictureStep does
// with pictures. It runs before the pictures are swapped; when it throws, nothing has changed.
class StepCompanion {
public:
    virtual ~StepCompanion() = default;
    virtual void swap(Catalogue &catalogue) = 0;
    // Bytes it keeps, counted against the undo history's bound.
    virtual std::uint64_t bytes() const = 0;
};
