#include "SolveBudget.h"

#include <algorithm>

namespace zd {

namespace {

constexpr std::chrono::milliseconds reportInterval { 100 };

} // namespace

SolveBudget::SolveBudget(const SolveOptions &solveOptions, RaceEntry entry)
    : options(solveOptions)
    , race(entry)
    , started(Clock::now())
    , nextReport(started + reportInterval)
{
    if (options.timeLimitSeconds > 0) {
        hasDeadline = true;
        deadline = started
            + std::chrono::duration_cast<Clock::duration>(
                       std::chrono::duration<double>(options.timeLimitSeconds));
    }
}

SolveBudget::SolveBudget(const SolveBudget &outer, const SolveOptions &own, RaceEntry entry)
    : progress(outer.progress)
    , options(own)
    , race(entry)
    , started(outer.started)
    , deadline(outer.deadline)
    , nextReport(outer.nextReport)
    , hasDeadline(outer.hasDeadline)
{ }

double SolveBudget::elapsedSeconds() const
{
    return std::chrono::duration<double>(Clock::now() - started).count();
}

double SolveBudget::secondsLeft() const
{
    if (!hasDeadline)
        return 1e9;
    return std::chrono::duration<double>(deadline - Clock::now()).count();
}

bool SolveBudget::checkNow()
{
    workSinceCheck = 0;
    const Clock::time_point now = Clock::now();
    if (options.cancel && options.cancel->load(std::memory_order_relaxed))
        stopped = true;
    if (race.raceOver && race.raceOver->load(std::memory_order_relaxed))
        stopped = true;
    if (hasDeadline && now >= deadline)
        stopped = true;
    if (!stopped && options.progress && now >= nextReport) {
        nextReport = now + reportInterval;
        options.progress(progress);
    }
    return stopped;
}

} // namespace zd
