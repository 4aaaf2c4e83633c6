#include "interruption.h"

#include <csignal>

namespace Interruption {

namespace {
volatile std::sig_atomic_t g_requested = 0;
int g_shields = 0;
}

void request() noexcept { g_requested = 1; }

bool requested() noexcept { return g_requested != 0; }

void checkpoint()
{
    if (g_requested != 0 && g_shields == 0)
        throw Interrupted();
}

Shield::Shield() { ++g_shields; }
Shield::~Shield() { --g_shields; }

} // namespace Interruption
