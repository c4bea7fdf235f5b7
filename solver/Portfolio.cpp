#include "Portfolio.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace zd {

namespace {

SolverEngine otherEngine(SolverEngine engine)
{
    return engine == SolverEngine::Sat ? SolverEngine::Cdcl : SolverEngine::Sat;
}

// Searcher 0 runs as the one-thread hand-over does; 1 the other engine; from
// 2 on the engines alternate, each pair with a seed of its own.
SolveOptions searcherOptions(const SolveOptions &options, int index)
{
    SolveOptions own = options;
    own.threads = 1;
    if (index % 2 == 1)
        own.engine = otherEngine(options.engine);
    if (index > 0)
        own.progress = nullptr; // the caller's callback need not be thread-safe
    return own;
}

struct Searcher
{
    SolveOptions options;
    RaceEntry entry;
    std::exception_ptr failure;
};

// The helpers give way to searcher 0 where cores are scarce: on a busy
// machine the race then costs the one-thread solve little, while on idle
// cores the helpers run at full speed all the same. Not the idle scheduling
// class: a stopped helper must still get to run to end, and the join waits.
void yieldToSearcherZero()
{
#ifdef __linux__
    constexpr int helperNiceness = 10;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), helperNiceness);
#endif
}

// Runs searcher 0 on the calling thread and the others on threads of their
// own; returns when every one has ended.
void runSearchers(int count, const std::function<void(int)> &run, std::atomic<bool> &raceOver)
{
    std::vector<std::jthread> threads; // joined when they go, on every way out
    threads.reserve(static_cast<size_t>(count - 1));
    try {
        for (int index = 1; index < count; ++index)
            threads.emplace_back([&run, index] {
                yieldToSearcherZero();
                run(index);
            });
    } catch (...) {
        raceOver.store(true); // the threads that did start end soon
        throw;
    }
    run(0);
}

} // namespace

int raceSearches(SolveBudget &budget, const RacedSearch &search)
{
    const int count = std::max(budget.threads(), 1);
    std::atomic<bool> raceOver { false };
    std::atomic<int> winner { -1 };
    std::vector<Searcher> searchers;
    searchers.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index) {
        const uint32_t seed = static_cast<uint32_t>(index / 2);
        searchers.push_back(
            { searcherOptions(budget.solveOptions(), index), { seed, &raceOver }, {} });
    }
    const auto run = [&](int index) {
        Searcher &searcher = searchers[static_cast<size_t>(index)];
        bool decided = false;
        try {
            SolveBudget own(budget, searcher.options, searcher.entry);
            decided = search(index, own);
        } catch (...) {
            searcher.failure = std::current_exception();
        }
        int none = -1;
        if (decided && winner.compare_exchange_strong(none, index))
            raceOver.store(true);
    };
    runSearchers(count, run, raceOver);
    const int won = winner.load();
    if (won < 0) {
        for (const Searcher &searcher : searchers)
            if (searcher.failure)
                std::rethrow_exception(searcher.failure);
    }
    return won;
}

} // namespace zd
