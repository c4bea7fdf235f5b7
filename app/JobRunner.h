#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>

namespace zd {

// What a running solve shares with the window: the flag that stops it and
// the progress it has made, written by the worker and read by the GUI.
struct SolveControl
{
    std::atomic<bool> cancel { false };
    std::atomic<int> decidedCells { 0 };
    std::atomic<int> totalCells { 0 };
    std::atomic<int64_t> searchNodes { 0 };

    bool cancelled() const { return cancel.load(std::memory_order_relaxed); }
};

// SolveRunner: runs one solve at a time on a worker thread while the GUI
// thread keeps turning its event loop, so the window repaints, scrolls and
// zooms, and a Cancel can reach the solver.
class SolveRunner : public QObject
{
    Q_OBJECT

public:
    explicit SolveRunner(QObject *parent = nullptr);
    // Cancels a solve still running and waits for its thread.
    ~SolveRunner() override;

    // Runs `work` on a worker thread and returns once it has finished; events
    // are processed meanwhile. A run started while another is running cancels
    // the other (which then finishes after this one). When the application
    // quits, the run is cancelled and waited for before this returns.
    void run(const std::function<void(SolveControl &)> &work);
    bool isRunning() const { return current != nullptr; }
    // Asks every running solve to stop.
    void cancel();

    // Watches the window it is installed on: closing it cancels the solves.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void runningChanged(bool running);
    // The innermost running solve's progress, a few times a second.
    void progressed(int decidedCells, int totalCells, qint64 searchNodes);

private:
    void reportProgress();

    // A run nests its control inside the one it interrupted.
    struct Frame
    {
        SolveControl control;
        Frame *outer = nullptr;
    };
    Frame *current = nullptr;
    QTimer progressTimer;
};

} // namespace zd
