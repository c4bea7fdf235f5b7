#include "Search.h"

#include "CellState.h"
#include "ConflictSearch.h"
#include "LpUniqueness.h"
#include "SatFallback.h"
#include "SolveBudget.h"

#include <algorithm>

namespace zd {

Search::Search(const PuzzleLines &puzzleLines, Propagator &propagator, Prober &cellProber,
               SolveBudget &solveBudget)
    : lines(puzzleLines)
    , focusLines(static_cast<size_t>(puzzleLines.lineCount()), 0)
    , satUsable(satFallbackAvailable() && satEncodingFits(puzzleLines))
    , lpUsable(lpUniquenessAvailable())
    , grid(propagator)
    , prober(cellProber)
    , budget(solveBudget)
{ }

void Search::pushGuess()
{
    const uint8_t first = prober.branchFirstState();
    const uint8_t second = first == CellFilled ? CellEmpty : CellFilled;
    guesses.push_back({ grid.mark(), prober.branchCell(), { first, second }, 0 });
}

Outcome Search::expandNode(size_t guessMark)
{
    Outcome outcome = grid.propagate();
    if (outcome == Outcome::Consistent && !grid.isSolved()) {
        std::fill(focusLines.begin(), focusLines.end(), 0);
        const int *decided = grid.decidedSince(guessMark);
        for (size_t i = 0; i < grid.mark() - guessMark; ++i) {
            focusLines[lines.rowOf(decided[i])] = 1;
            focusLines[lines.columnLineOf(decided[i])] = 1;
        }
        outcome = prober.reachFixpoint(&focusLines);
    }
    if (outcome != Outcome::Consistent)
        return outcome;
    if (grid.isSolved()) {
        found.push_back(grid.grid());
        return Outcome::Contradiction; // nothing left to guess below a solution
    }
    return Outcome::Consistent;
}

// With one solution found, most puzzles still have a second one that the SAT
// solver finds at once, so it gets a short try first. What it cannot settle
// quickly is often a puzzle whose uniqueness rests on counting over the whole
// grid, which the linear program proves in one go where the SAT solver's
// proof grows steeply; only when that fails does the SAT solver get the rest
// of the time.
Outcome Search::handOver()
{
    if (budget.engine() == SolverEngine::Cdcl)
        return handOverToConflictSearch();
    std::vector<Implication> implications;
    if (prober.listImplications(implications, maxImplications) == Outcome::Stopped)
        return Outcome::Stopped;
    if (found.size() == 1 && lpUsable) {
        if (satFindUpToTwoSolutions(lines, grid.grid(), budget, found, implications,
                                    satQuickTryConflicts)
            == Outcome::Consistent)
            return Outcome::Consistent;
        if (budget.exhaustedNow())
            return Outcome::Stopped;
        if (lpProvesUnique(lines, grid.grid(), found.front(), budget))
            return Outcome::Consistent;
    }
    return satFindUpToTwoSolutions(lines, grid.grid(), budget, found, implications);
}

Outcome Search::findUpToTwoSolutions()
{
    const size_t startMark = grid.mark();
    guesses.clear();
    pushGuess();
    while (!guesses.empty() && found.size() < 2) {
        if (nodes >= satAfterNodes && satUsable) {
            grid.undo(startMark); // solutions found so far stay
            return handOver();
        }
        Guess &guess = guesses.back();
        grid.undo(guess.trailMark);
        if (guess.tried == 2) {
            guesses.pop_back();
            continue;
        }
        const uint8_t state = guess.states[guess.tried++];
        grid.assign(guess.cell, state);
        ++nodes;
        budget.progress.searchNodes = nodes;
        const Outcome outcome = expandNode(guess.trailMark);
        if (outcome == Outcome::Stopped) {
            grid.undo(startMark);
            return outcome;
        }
        if (outcome == Outcome::Consistent)
            pushGuess();
    }
    grid.undo(startMark);
    return Outcome::Consistent;
}

// The same order with the conflict-driven search in place of the SAT solver:
// a short try measured in conflicts, the linear program, then the rest.
Outcome Search::handOverToConflictSearch()
{
    if (found.size() == 1 && lpUsable) {
        ConflictSearch quick(lines, budget);
        std::vector<std::vector<uint8_t>> solutions = found;
        if (quick.findUpToTwoSolutions(grid.grid(), solutions, cdclQuickTryConflicts)
            == Outcome::Consistent) {
            found = std::move(solutions);
            return Outcome::Consistent;
        }
        if (budget.exhaustedNow())
            return Outcome::Stopped;
        if (lpProvesUnique(lines, grid.grid(), found.front(), budget))
            return Outcome::Consistent;
    }
    ConflictSearch search(lines, budget);
    return search.findUpToTwoSolutions(grid.grid(), found);
}

} // namespace zd
