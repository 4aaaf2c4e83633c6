#pragma once

#include <QElapsedTimer>

class QProgressBar;

// Moves the progress bar through a loop that keeps events waiting. The value follows every
// step, but the bar repaints at most about every 30 ms, so that a quick loop is not slowed by
// hundreds of repaints nobody could see. The bar is emptied when the loop ends, unless the
// loop asks to leave it at its last step.
class ProgressSteps {
public:
    // Empties the bar and gives it the range 0 .. maximum.
    ProgressSteps(QProgressBar *bar, int maximum);
    ~ProgressSteps();
    ProgressSteps(const ProgressSteps &) = delete;
    ProgressSteps &operator=(const ProgressSteps &) = delete;

    // Sets the bar's value.
    void step(int value);
    // Leaves the bar at the last step set when the loop ends, instead of emptying it.
    void keepLastStep() { m_keep = true; }

private:
    QProgressBar *m_bar;
    QElapsedTimer m_sincePaint;
    bool m_keep = false;
};
