#include "SolveRunner.h"

#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <memory>

namespace zd {

namespace {

constexpr int progressIntervalMs = 100;

} // namespace

SolveRunner::SolveRunner(QObject *parent)
    : QObject(parent)
{
    progressTimer.setInterval(progressIntervalMs);
    connect(&progressTimer, &QTimer::timeout, this, &SolveRunner::reportProgress);
}

SolveRunner::~SolveRunner()
{
    // A run's frame lives on the stack of run(), which waits for its thread;
    // cancelling here only shortens that wait should a run still be unwinding.
    cancel();
}

void SolveRunner::run(const std::function<void(SolveControl &)> &work)
{
    cancel();
    Frame frame;
    frame.outer = current;
    current = &frame;
    if (frame.outer == nullptr)
        emit runningChanged(true);
    progressTimer.start();

    std::unique_ptr<QThread> thread(QThread::create([&work, &frame] { work(frame.control); }));
    QEventLoop loop;
    connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    thread->start();
    loop.exec();
    // The loop also ends when the application quits: then stop the solve
    // rather than leave its thread behind. Either way the thread has ended
    // before its results are read.
    if (!thread->isFinished())
        frame.control.cancel = true;
    thread->wait();

    current = frame.outer;
    if (current == nullptr) {
        progressTimer.stop();
        emit runningChanged(false);
    }
}

void SolveRunner::cancel()
{
    for (Frame *frame = current; frame != nullptr; frame = frame->outer)
        frame->control.cancel = true;
}

bool SolveRunner::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close)
        cancel();
    return QObject::eventFilter(watched, event);
}

void SolveRunner::reportProgress()
{
    if (current == nullptr)
        return;
    const SolveControl &control = current->control;
    emit progressed(control.decidedCells.load(), control.totalCells.load(),
                    control.searchNodes.load());
}

} // namespace zd
