#pragma once

#include "catalogue.h"

// Every image differs by one pixel from what it was: an import of the files replaces all of
// them, and with marked, all count as changed pictures of the catalogue.
inline void touchEveryImage(Catalogue &c, bool marked)
{
    for (int n = 1; n < c.ImageCount; ++n)
        if (!c.ImagePixels[std::size_t(n)].empty()) {
            c.ImagePixels[std::size_t(n)][0] ^= 0x01u;
            if (marked)
                c.markImageChanged(n);
        }
}
