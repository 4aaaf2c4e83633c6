#include "window_work.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QThread>

#include <algorithm>
#include <exception>
#include <utility>

namespace {
constexpr int FollowEveryMs = 30;
std::function<void()> workerStartHook;
bool slicesYield = true;
}

void WindowWork::setWorkerStartHook(std::function<void()> hook)
{
    workerStartHook = std::move(hook);
}

void WindowWork::setSlicesYield(bool yield)
{
    slicesYield = yield;
}

WindowWork::WindowWork(QProgressBar *bar, QObject *parent) : QObject(parent), m_bar(bar)
{
    m_follow.setInterval(FollowEveryMs);
    connect(&m_follow, &QTimer::timeout, this, &WindowWork::showProgress);
    m_doneText.setSingleShot(true);
    m_doneText.setInterval(DoneTextMs);
    connect(&m_doneText, &QTimer::timeout, this, &WindowWork::clearText);
}

WindowWork::~WindowWork() = default;

void WindowWork::begin(int maximum)
{
    m_progress.set(0, maximum);
    if (m_depth++ > 0)
        return;
    m_doneText.stop();
    clearText();
    m_bar->setRange(0, std::max(maximum, 1));
    m_bar->setValue(0);
    m_follow.start();
    emit busyChanged(true);
}

void WindowWork::end(bool keepBar)
{
    if (--m_depth > 0)
        return;
    m_follow.stop();
    if (m_textUntilEnd)
        clearText();
    if (keepBar) {
        showProgress();
    } else {
        m_bar->reset();
        m_bar->setValue(0);
    }
    emit busyChanged(false);
}

void WindowWork::showProgress()
{
    const int total = std::max(m_progress.total.load(), 1);
    if (m_bar->maximum() != total)
        m_bar->setRange(0, total);
    m_bar->setValue(std::clamp(m_progress.done.load(), 0, total));
}

void WindowWork::runBeside(const std::function<void(Progress &)> &work, bool keepBarOnFailure)
{
    begin(0);
    std::exception_ptr failure;
    QEventLoop loop;
    QThread *thread = QThread::create([&] {
        try {
            if (workerStartHook)
                workerStartHook();
            work(m_progress);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    // The window answers meanwhile. Should the application quit first, the work still ends here.
    if (!thread->isFinished())
        loop.exec();
    thread->wait();
    delete thread;
    end(failure && keepBarOnFailure);
    if (failure)
        std::rethrow_exception(failure);
}

void WindowWork::showWhileBusy(const QString &text)
{
    m_doneText.stop();
    m_bar->setFormat(text);
    m_bar->setTextVisible(true);
    m_textUntilEnd = true;
}

void WindowWork::showDone(const QString &text)
{
    m_textUntilEnd = false;
    m_bar->setFormat(text);
    m_bar->setTextVisible(true);
    m_doneText.start();
}

QString WindowWork::shownText() const
{
    return m_bar->isTextVisible() ? m_bar->format() : QString();
}

void WindowWork::clearText()
{
    m_textUntilEnd = false;
    m_bar->setTextVisible(false);
    m_bar->setFormat(QStringLiteral("%p%"));
}

WindowWork::Slices::Slices(WindowWork &work, int maximum) : m_work(work)
{
    m_work.begin(maximum);
    m_sinceYield.start();
}

WindowWork::Slices::~Slices()
{
    m_work.end(false);
}

void WindowWork::Slices::step(int value)
{
    m_work.m_progress.done = value;
    // The first two steps yield, so that the window shows the work begun and its first result.
    if (!slicesYield || (++m_steps > 2 && m_sinceYield.elapsed() < SliceMs))
        return;
    m_work.showProgress();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_sinceYield.restart();
}
