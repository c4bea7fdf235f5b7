#pragma once

#include "CompleteSolver.h"

#include <atomic>
#include <chrono>
#include <cstdint>

namespace zd {

// What sets one searcher of a portfolio (Portfolio.h) apart from the
// one-thread solve: a seed for its engine's choices (0: the engine's own
// defaults) and the flag the winner sets to stop the others.
struct RaceEntry
{
    uint32_t seed = 0;
    const std::atomic<bool> *raceOver = nullptr;
};

// Time limit, cancellation and progress reports for one solve. The clock is
// read only every few hundred line solves, so checking stays cheap.
class SolveBudget
{
public:
    explicit SolveBudget(const SolveOptions &options, RaceEntry entry = {});
    // A portfolio searcher's own budget under `outer`: the same start, time
    // limit and progress values, with its own options and entry.
    SolveBudget(const SolveBudget &outer, const SolveOptions &own, RaceEntry entry);

    // Counts one unit of work; true once the time is up or the caller cancelled.
    bool exhausted()
    {
        if (stopped)
            return true;
        ++progress.workDone;
        if (++workSinceCheck < checkInterval)
            return false;
        return checkNow();
    }
    // The same, reading the clock at once: for callers whose units of work
    // are large or uneven (the SAT solver asks between its own steps).
    bool exhaustedNow()
    {
        if (stopped)
            return true;
        ++progress.workDone;
        return checkNow();
    }
    // Seconds until the time limit; a very large number without one.
    double secondsLeft() const;
    double elapsedSeconds() const;
    SolverEngine engine() const { return options.engine; }
    int threads() const { return options.threads; }
    const SolveOptions &solveOptions() const { return options; }
    uint32_t seed() const { return race.seed; }

    // Values the next progress report shows.
    SolveProgress progress;

private:
    bool checkNow();

    using Clock = std::chrono::steady_clock;
    static constexpr int checkInterval = 256;
    const SolveOptions &options;
    RaceEntry race;
    Clock::time_point started;
    Clock::time_point deadline;
    Clock::time_point nextReport;
    bool hasDeadline = false;
    bool stopped = false;
    int workSinceCheck = 0;
};

} // namespace zd
