#pragma once

#include <exception>
#include <string>

// A request from outside (Ctrl-C, a request to terminate) to stop at the next safe point. Every
// file operation of the core is such a point, except while a write-back moves files into place
// or settles one cut short: that finishes or rolls back as one, as its journal says. What was
// under way then unwinds as an error does, so its unfinished files are removed.
namespace Interruption {

struct Interrupted : std::exception {
    explicit Interrupted(std::string detail = {}) : text("interrupted" + (detail.empty() ? "" : "; " + detail)) {}
    const char *what() const noexcept override { return text.c_str(); }
    std::string text;
};

// Asks the work to stop; safe to call from a signal handler.
void request() noexcept;
bool requested() noexcept;
// Throws Interrupted once a request came, unless a Shield is up.
void checkpoint();

// While one lives, checkpoints let the work go on.
class Shield {
public:
    Shield();
    ~Shield();
    Shield(const Shield &) = delete;
    Shield &operator=(const Shield &) = delete;
};

} // namespace Interruption
