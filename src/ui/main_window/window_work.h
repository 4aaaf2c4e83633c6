#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>

class QProgressBar;

// Long work of the main window, done so that the window goes on answering: beside the window
// thread (runBeside), or on it in slices between which the event loop runs (Slices). While work
// runs the window is busy: its commands that change the catalogue wait, and the progress bar
// follows the work. When the work ends the bar is emptied, and showDone can say on it for a few
// seconds what was done.
class WindowWork : public QObject {
    Q_OBJECT
public:
    // How far work has come; set from any thread.
    struct Progress {
        std::atomic<int> done{0};
        std::atomic<int> total{0};
        // Sets both at once, as a progress callback of the core reports them.
        void set(int doneNow, int totalNow)
        {
            total = totalNow;
            done = doneNow;
        }
    };

    // Work on the window thread, in slices: each step sets the bar and, at the first two steps
    // and then about every 15 ms, lets the event loop run. The window is busy while it lives.
    class Slices {
    public:
        Slices(WindowWork &work, int maximum);
        ~Slices();
        Slices(const Slices &) = delete;
        Slices &operator=(const Slices &) = delete;
        void step(int value);

    private:
        WindowWork &m_work;
        QElapsedTimer m_sinceYield;
        int m_steps = 0;
    };

    explicit WindowWork(QProgressBar *bar, QObject *parent = nullptr);
    ~WindowWork() override;

    // True while work runs.
    bool busy() const { return m_depth > 0; }
    // Runs work on a thread of its own while the event loop runs here, and returns when it has
    // ended, rethrowing what it threw. The bar follows the progress it reports; after a failure
    // it stays at the last step when keepBarOnFailure is set.
    void runBeside(const std::function<void(Progress &)> &work, bool keepBarOnFailure = false);
    // Says on the bar for a few seconds what was done.
    void showDone(const QString &text);
    // Says on the bar, until the work ends, what happens then.
    void showWhileBusy(const QString &text);
    // The text the bar shows; empty when none.
    QString shownText() const;
    // Slices yield to the event loop at least this often (milliseconds).
    static constexpr int SliceMs = 15;
    // How long showDone's text stays.
    static constexpr int DoneTextMs = 5000;

    // For tests and benchmarks: called on the worker thread at the start of every runBeside.
    static void setWorkerStartHook(std::function<void()> hook);
    // For benchmarks: whether slices let the event loop run (true unless changed).
    static void setSlicesYield(bool yield);

signals:
    // Work began (true) or ended (false).
    void busyChanged(bool busy);

private:
    void begin(int maximum);
    void end(bool keepBar);
    void showProgress();
    void clearText();

    QProgressBar *m_bar;
    int m_depth = 0;
    bool m_textUntilEnd = false;
    Progress m_progress;
    QTimer m_follow;
    QTimer m_doneText;
};
