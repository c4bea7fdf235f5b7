#pragma once

#include "CompleteSolver.h"
#include "SolveBudget.h"

#include <functional>

namespace zd {

// A portfolio for one hard puzzle: several complete solves of the same
// puzzle race on as many threads, each configured differently, and the first
// that decides (unique, multiple or none) wins and stops the rest. Searcher 0
// is exactly the one-thread solve, searcher 1 uses the other engine, and the
// further ones alternate engines with seeds of their own (SolveBudget's
// RaceEntry), so each walks its own path through the search.
//
// They share nothing but the stop flag: each has its own grid, budget and
// search state, and reads the puzzle's lines only. Every searcher is right
// when it decides, so the verdict is the one-thread verdict; on a puzzle with
// several solutions, which two are reported depends on who wins. The gain is
// the spread between searchers on hard puzzles (the SAT solver's time to the
// first solution varies widely with phase and order); the cost is one more
// copy of the search's memory per thread, and on easy puzzles every thread
// repeats the same line solving and probing.

// One searcher's solve: fills `result` under `budget`.
using PortfolioSolve = std::function<void(SolveBudget &budget, SolveResult &result)>;

// Runs `solve` on options.threads threads and fills `result` (whose size
// fields are kept) with the winner's outcome, or searcher 0's when none
// decided. Only searcher 0 reports progress. Every thread has ended when it
// returns; an exception thrown by a searcher that did not win is thrown here
// when no searcher decided.
void solveAsPortfolio(const SolveOptions &options, const PortfolioSolve &solve,
                      SolveResult &result);

} // namespace zd
