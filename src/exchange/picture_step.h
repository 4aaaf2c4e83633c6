#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "step_companion.h"
#include "tga_decode.h"

// One change of pictures that can be taken back whole, as an undo step: its name, and for each
// picture it changed the state the catalogue does not hold now (the one before the change while
// the step is done, the one after it while it is undone), with that state's change mark.
// Pictures are moved between the catalogue and the step, never copied, except by keepImage
// and keepFont.
class PictureStep {
public:
    explicit PictureStep(std::string name);

    // What the step does, for "Undo …" and "Redo …" ("import of 12.gpi").
    const std::string &name() const { return m_name; }
    // Names the step once it is known what it did.
    void setName(std::string name) { m_name = std::move(name); }

    // Replaces image n as Catalogue::replaceImage does (the change mark included), keeping the
    // picture it held. False, changing nothing, when image n already is this picture.
    bool replaceImage(Catalogue &catalogue, int n, DecodedImage image);
    // Replaces font sheet i as Catalogue::replaceFontSheet does, keeping the sheet it held.
    bool replaceFontSheet(Catalogue &catalogue, int i, FontSheet sheet);

    // For a change made by other means (revert, restore): keeps a copy of image n / font sheet i
    // as the catalogue holds it now, before the change. A picture kept already keeps its first state.
    // With wholeEntry, image n's whole index entry is kept too (a mod sets its opaque fields).
    void keepImage(const Catalogue &catalogue, int n, bool wholeEntry = false);
    void keepFont(const Catalogue &catalogue, int i);
    // After such a change: forgets the kept pictures the catalogue still holds unchanged.
    void dropUnchanged(const Catalogue &catalogue);

    // Puts every kept picture back into the catalogue with its change mark, keeping what the
    // catalogue held instead: undoes a done step, or redoes an undone one.
    void swap(Catalogue &catalogue);
    // After "Apply All Changes", when the game folder holds what the catalogue holds: each kept
    // picture's mark becomes whether it differs from the catalogue's picture.
    void markAgainst(const Catalogue &catalogue);

    // What else the step changes with its pictures; swapped with them.
    void attach(std::unique_ptr<StepCompanion> companion) { m_companion = std::move(companion); }

    // True when the step changes no picture and nothing else.
    bool empty() const { return m_kept.empty() && !m_companion; }
    // The images and font sheets the step changes.
    std::vector<int> images() const;
    std::vector<int> fonts() const;
    // Bytes of pixels and sheets the step keeps, and what its companion keeps.
    std::uint64_t bytes() const;

private:
    struct Kept {
        bool font = false;
        int number = 0;
        DecodedImage image;
        FontSheet sheet;
        bool changed = false;
        // The image's whole index entry, when kept with it.
        std::optional<std::pair<TGPHDetails, std::vector<TGPHBlock>>> entry;
    };
    const Kept *find(bool font, int number) const;
    bool holds(const Catalogue &catalogue, const Kept &kept) const;

    std::string m_name;
    std::vector<Kept> m_kept;
    std::unique_ptr<StepCompanion> m_companion;
};
