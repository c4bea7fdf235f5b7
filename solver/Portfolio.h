#pragma once

#include "SolveBudget.h"

#include <functional>

namespace zd {

// A portfolio for one hard puzzle: when search hands a puzzle over (Search.h),
// several differently configured searches take it on at once, one per
// thread, and the first that decides wins and stops the rest. Searcher 0 is
// exactly the one-thread hand-over; searcher 1 runs the other engine;
// further ones alternate engines with seeds of their own (RaceEntry: the SAT
// solver's first phase and shuffled order, the conflict-driven search's
// first phases).
//
// They share nothing but the stop flag: each has its own budget, solver and
// copy of the solutions found so far, and reads the puzzle's lines, the grid
// and the implications, which nobody changes meanwhile. Every searcher is
// right when it decides, so the verdict is the one-thread verdict; with
// several solutions, which two are reported depends on who wins. The gain
// is the spread between searchers (the time to a first solution varies
// widely with engine, phase and order); the cost is one copy of the
// search's memory per thread. Puzzles that line reasoning, probing or the
// first guesses settle never start a thread. The helpers run at a lower
// priority, so that on a busy machine they take little from searcher 0.

// One searcher's run under its own budget; true when it decided.
using RacedSearch = std::function<bool(int searcher, SolveBudget &own)>;

// Runs `search` for budget.threads() searchers, searcher 0 on the calling
// thread with the caller's progress reports, each under its own budget with
// the same time limit and cancel flag. Returns the first searcher that
// decided, or -1 when none did; then a failure (exception) of any searcher
// is thrown here. Every thread has ended when it returns.
int raceSearches(SolveBudget &budget, const RacedSearch &search);

} // namespace zd
