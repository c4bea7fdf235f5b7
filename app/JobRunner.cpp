#include "JobRunner.h"

#include <QEvent>
#include <QThread>
#include <algorithm>
#include <exception>
#include <new>

namespace zd {

namespace {

constexpr int progressIntervalMs = 100;

} // namespace

struct JobRunner::Job
{
    Work work;
    SolveControl control;
    Finish finish;
    QString error; // set when the work threw
    std::unique_ptr<QThread> thread;
};

JobRunner::JobRunner(QObject *parent)
    : QObject(parent)
{
    startTimer.setSingleShot(true);
    connect(&startTimer, &QTimer::timeout, this, &JobRunner::startPending);
    progressTimer.setInterval(progressIntervalMs);
    connect(&progressTimer, &QTimer::timeout, this, &JobRunner::reportProgress);
}

JobRunner::~JobRunner()
{
    pending.reset();
    current.reset();
    for (const std::shared_ptr<Job> &job : winding)
        job->control.cancel = true;
    for (const std::shared_ptr<Job> &job : winding)
        job->thread->wait();
}

void JobRunner::request(Work work, int delayMs)
{
    dropJobs();
    pending = std::make_shared<Job>();
    pending->work = std::move(work);
    startTimer.start(std::max(0, delayMs));
    setRunning(true);
}

void JobRunner::startPending()
{
    if (!pending)
        return;
    current = std::move(pending);
    ++started;
    const std::shared_ptr<Job> job = current;
    // A plain pointer: `winding` keeps the job alive until its thread ended,
    // and a shared one would keep the job, its thread and this function
    // alive through each other.
    Job *const work = job.get();
    job->thread.reset(QThread::create([work] {
        try {
            work->finish = work->work(work->control);
        } catch (const std::bad_alloc &) {
            work->error = tr("not enough memory");
        } catch (const std::exception &failure) {
            work->error = QString::fromLocal8Bit(failure.what());
        }
    }));
    // Queued: the thread's own signal, handled here on the GUI thread.
    connect(job->thread.get(), &QThread::finished, this, [this, work] { threadEnded(work); });
    winding.push_back(job);
    job->thread->start();
    progressTimer.start();
}

void JobRunner::threadEnded(Job *ended)
{
    const auto found = std::find_if(winding.begin(), winding.end(),
                                    [ended](const auto &job) { return job.get() == ended; });
    if (found == winding.end())
        return;
    const std::shared_ptr<Job> job = *found;
    winding.erase(found);
    job->thread->wait();
    if (job != current)
        return; // replaced or discarded: its result is not wanted
    current.reset();
    progressTimer.stop();
    if (!pending)
        setRunning(false);
    if (!job->error.isEmpty()) {
        emit failed(job->error);
        return;
    }
    if (job->finish)
        job->finish();
    emit finished(job->control.cancelled());
}

void JobRunner::cancel()
{
    if (pending) {
        // Not started yet: there is nothing done to show.
        discard();
        return;
    }
    if (current)
        current->control.cancel = true;
}

void JobRunner::discard()
{
    dropJobs();
    setRunning(false);
}

void JobRunner::dropJobs()
{
    startTimer.stop();
    pending.reset();
    if (current) {
        current->control.cancel = true;
        current.reset();
        progressTimer.stop();
    }
}

void JobRunner::setRunning(bool on)
{
    if (on == running)
        return;
    running = on;
    emit runningChanged(on);
}

bool JobRunner::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close)
        cancel();
    return QObject::eventFilter(watched, event);
}

void JobRunner::reportProgress()
{
    if (!current)
        return;
    const SolveControl &control = current->control;
    emit progressed(control.decidedCells.load(), control.totalCells.load(),
                    control.searchNodes.load(), control.workDone.load());
}

} // namespace zd
