#include "terminal_progress.h"

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
constexpr int BarWidth = 30;
constexpr auto Pause = std::chrono::milliseconds(100);
}

TerminalProgress::TerminalProgress(std::ostream &err, bool shown) : m_err(err), m_shown(shown) {}

TerminalProgress::~TerminalProgress()
{
    finish();
}

bool TerminalProgress::standardErrorIsTerminal()
{
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) != 0;
#endif
}

void TerminalProgress::show(const std::string &what, int done, int total)
{
    if (!m_shown || total <= 0)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (m_drawn && done < total && now - m_lastDrawn < Pause)
        return;
    m_lastDrawn = now;
    m_drawn = true;
    const int filled = std::clamp(done * BarWidth / total, 0, BarWidth);
    const std::string line = what + " [" + std::string(std::size_t(filled), '#') + std::string(std::size_t(BarWidth - filled), ' ')
        + "] " + std::to_string(done) + '/' + std::to_string(total);
    m_err << '\r' << line << std::string(m_width > line.size() ? m_width - line.size() : 0, ' ') << std::flush;
    m_width = std::max(m_width, line.size());
}

void TerminalProgress::finish()
{
    if (!m_drawn)
        return;
    // Spaces over the bar, then back to the start of the line (every terminal understands both).
    m_err << '\r' << std::string(m_width, ' ') << '\r' << std::flush;
    m_drawn = false;
}
