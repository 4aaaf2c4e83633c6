#pragma once

#include <chrono>
#include <ostream>
#include <string>

// A progress bar on standard error, drawn only when standard error is a terminal: scripts and
// log files never receive it. It redraws at most every 100 ms and is wiped when it finishes.
class TerminalProgress {
public:
    // Draws on err when shown is true.
    TerminalProgress(std::ostream &err, bool shown);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    // True when standard error is a terminal.
    static bool standardErrorIsTerminal();

    // what: done of total.
    void show(const std::string &what, int done, int total);
    // Wipes the bar, so that what follows starts on a clean line.
    void finish();

private:
    std::ostream &m_err;
    bool m_shown;
    bool m_drawn = false;
    std::size_t m_width = 0;
    std::chrono::steady_clock::time_point m_lastDrawn;
};
