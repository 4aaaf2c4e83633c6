#include "picture_history.h"

#include <utility>

bool PictureHistory::record(PictureStep step)
{
    if (step.empty())
        return false;
    while (m_steps.size() > m_done) {
        m_bytes -= m_steps.back().bytes();
        m_steps.pop_back();
    }
    m_bytes += step.bytes();
    m_steps.push_back(std::move(step));
    ++m_done;
    fitLimit();
    return !m_steps.empty();
}

std::string PictureHistory::undoName() const
{
    return canUndo() ? m_steps[m_done - 1].name() : std::string();
}

std::string PictureHistory::redoName() const
{
    return canRedo() ? m_steps[m_done].name() : std::string();
}

std::optional<PictureHistory::Taken> PictureHistory::undo(Catalogue &catalogue)
{
    if (!canUndo())
        return std::nullopt;
    Taken taken = swapStep(m_done - 1, catalogue);
    --m_done;
    fitLimit();
    return taken;
}

std::optional<PictureHistory::Taken> PictureHistory::redo(Catalogue &catalogue)
{
    if (!canRedo())
        return std::nullopt;
    Taken taken = swapStep(m_done, catalogue);
    ++m_done;
    fitLimit();
    return taken;
}

void PictureHistory::noteApplied(const Catalogue &catalogue)
{
    for (PictureStep &step : m_steps)
        step.markAgainst(catalogue);
}

void PictureHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
}

PictureHistory::Taken PictureHistory::swapStep(std::size_t at, Catalogue &catalogue)
{
    PictureStep &step = m_steps[at];
    Taken taken{step.name(), step.images(), step.fonts()};
    // The state a step keeps after the swap may be larger than the one before it. A swap that
    // throws has changed nothing.
    const std::uint64_t before = step.bytes();
    step.swap(catalogue);
    m_bytes = m_bytes - before + step.bytes();
    return taken;
}

void PictureHistory::fitLimit()
{
    while (m_bytes > m_limit && !m_steps.empty()) {
        m_bytes -= m_steps.front().bytes();
        m_steps.pop_front();
        if (m_done > 0)
            --m_done;
    }
}
