#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "picture_step.h"

// The undo history of picture changes: steps done, oldest first, then the steps undone that can
// be redone. It holds at most limit() bytes of pictures; the oldest steps go when it would hold
// more. Change marks stay the catalogue's: undoing and redoing set them through its swap.
//
// A command that changes pictures makes a PictureStep, changes the pictures through it (or keeps
// them in it before changing them by other means), and records it:
//     PictureStep step("import of 3 pictures");
//     step.replaceImage(catalogue, 12, std::move(picture)); ...
//     history.record(std::move(step));
class PictureHistory {
public:
    // What an undo or redo changed: the step's name and the pictures to redraw.
    struct Taken {
        std::string name;
        std::vector<int> images;
        std::vector<int> fonts;
    };

    static constexpr std::uint64_t DefaultLimit = std::uint64_t(512) << 20;

    explicit PictureHistory(std::uint64_t limit = DefaultLimit) : m_limit(limit) {}

    // Adds a step just done; the steps undone before it can't be redone any more. A step that
    // changed nothing is not added. Then the oldest steps go until the history fits its limit,
    // the new step too when it alone is larger. False when the new step was not kept.
    bool record(PictureStep step);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The name of the step that undo would take back / redo would do again; empty for none.
    std::string undoName() const;
    std::string redoName() const;
    // Takes the last step done back; nothing when there is none.
    std::optional<Taken> undo(Catalogue &catalogue);
    // Does the last step undone again; nothing when there is none.
    std::optional<Taken> redo(Catalogue &catalogue);

    // After "Apply All Changes" wrote the catalogue: undoing or redoing now makes a change to apply,
    // unless it brings back the picture the game folder holds.
    void noteApplied(const Catalogue &catalogue);
    // Forgets every step (another game folder was loaded).
    void clear();

    // Bytes of pictures the history holds, and the most it may hold.
    std::uint64_t bytes() const { return m_bytes; }
    std::uint64_t limit() const { return m_limit; }
    // Steps held, done and undone.
    std::size_t size() const { return m_steps.size(); }

private:
    Taken swapStep(std::size_t at, Catalogue &catalogue);
    void fitLimit();

    std::deque<PictureStep> m_steps;
    std::size_t m_done = 0;
    std::uint64_t m_bytes = 0;
    std::uint64_t m_limit;
};
