#pragma once

#include <span>

// The wordings of the core's messages that the window translates (context "CoreMessages").
namespace CoreMessageWordings {
std::span<const char *const> english();
}
