#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace zd {

// What a running job shares with the window: the flag that stops it and
// the progress it has made, written by the worker and read by the GUI.
struct SolveControl
{
    std::atomic<bool> cancel { false };
    std::atomic<int> decidedCells { 0 };
    std::atomic<int> totalCells { 0 };
    std::atomic<int64_t> searchNodes { 0 };
    std::atomic<int64_t> workDone { 0 }; // moves in every phase of a solve

    bool cancelled() const { return cancel.load(std::memory_order_relaxed); }
};

// JobRunner: runs work on a worker thread while the GUI thread goes on with
// its event loop, one job of a kind at a time. Every call returns at once;
// the job's result reaches the GUI thread when it is done.
//
// A job is a function run on the worker that returns the function to run on
// the GUI thread with its result (so the result is moved there whole). A new
// request replaces the job of this runner that is waiting or running: that
// one is stopped and nothing of it arrives. A request can wait a little
// before it starts, so that a burst of requests (strokes, keys) runs once.
class JobRunner : public QObject
{
    Q_OBJECT

public:
    using Finish = std::function<void()>;
    using Work = std::function<Finish(SolveControl &)>;

    explicit JobRunner(QObject *parent = nullptr);
    // Stops every job and waits for their threads; no result arrives.
    ~JobRunner() override;

    // Starts `work` after `delayMs` milliseconds; 0 starts it once control
    // is back in the event loop, so that requests made in one go run once.
    void request(Work work, int delayMs = 0);
    // Asks the current job to stop soon; what it has done still arrives.
    void cancel();
    // Stops the current job (waiting or running); nothing of it arrives.
    void discard();
    // A job waits or runs.
    bool isBusy() const { return pending != nullptr || current != nullptr; }
    // Jobs started so far (not counting requests another one replaced first).
    int startedCount() const { return started; }

    // Watches the window it is installed on: closing it stops the job.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void runningChanged(bool running);
    // The running job's progress, a few times a second.
    void progressed(int decidedCells, int totalCells, qint64 searchNodes, qint64 workDone);
    // After the job's result was handed to the GUI thread (`cancelled`: it was
    // asked to stop first), or after it failed with `error`.
    void finished(bool cancelled);
    void failed(const QString &error);

private:
    struct Job;
    void startPending();
    // Forgets the waiting job and stops the running one, without a signal.
    void dropJobs();
    void threadEnded(Job *ended);
    void reportProgress();
    void setRunning(bool running);

    std::shared_ptr<Job> pending; // waits for the timer
    std::shared_ptr<Job> current; // runs, its result wanted
    std::vector<std::shared_ptr<Job>> winding; // every job whose thread still runs
    QTimer startTimer;
    QTimer progressTimer;
    int started = 0;
    bool running = false;
};

} // namespace zd
