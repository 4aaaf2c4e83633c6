#include "mod_record_step.h"

void ModRecordStep::swap(Catalogue &)
{
    // Taken first: when a file of the record can't be read, nothing has changed.
    InstalledMods::Snapshot now = m_record.snapshot();
    m_record.restore(m_other);
    m_other = std::move(now);
}
