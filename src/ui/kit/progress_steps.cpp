#include "progress_steps.h"

#include <QProgressBar>

#include <algorithm>

namespace {
constexpr qint64 RepaintEveryMs = 30;
}

ProgressSteps::ProgressSteps(QProgressBar *bar, int maximum) : m_bar(bar)
{
    m_bar->setRange(0, std::max(maximum, 1));
    m_bar->setValue(0);
    m_bar->repaint();
    m_bar->setUpdatesEnabled(false);
    m_sincePaint.start();
}

ProgressSteps::~ProgressSteps()
{
    m_bar->setUpdatesEnabled(true);
    if (!m_keep) {
        m_bar->reset();
        m_bar->setValue(0);
    }
    m_bar->repaint();
}

void ProgressSteps::step(int value)
{
    m_bar->setValue(value);
    if (m_sincePaint.elapsed() < RepaintEveryMs)
        return;
    m_bar->setUpdatesEnabled(true);
    m_bar->repaint();
    m_bar->setUpdatesEnabled(false);
    m_sincePaint.restart();
}
