#pragma once

#include "installed_mods.h"
#include "step_companion.h"

// The record of installed mods as an undo step changes it with its pictures: installing or
// uninstalling a mod is taken back whole, the record included.
class ModRecordStep : public StepCompanion {
public:
    // before: the record as it was before the step, taken with InstalledMods::snapshot().
    ModRecordStep(InstalledMods &record, InstalledMods::Snapshot before) : m_record(record), m_other(std::move(before)) {}

    void swap(Catalogue &catalogue) override;
    std::uint64_t bytes() const override { return m_other.bytes(); }

private:
    InstalledMods &m_record;
    InstalledMods::Snapshot m_other; // the state the record does not hold now
};
