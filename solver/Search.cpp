#include "Search.h"

#include "CellState.h"
#include "ConflictSearch.h"
#include "LpUniqueness.h"
#include "Portfolio.h"
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

PropagationResult Search::expandNode(size_t guessMark)
{
    PropagationResult outcome = grid.propagate();
    if (outcome == PropagationResult::Consistent && !grid.isSolved()) {
        std::fill(focusLines.begin(), focusLines.end(), 0);
        const int *decided = grid.decidedSince(guessMark);
        for (size_t i = 0; i < grid.mark() - guessMark; ++i) {
            focusLines[lines.rowOf(decided[i])] = 1;
            focusLines[lines.columnLineOf(decided[i])] = 1;
        }
        outcome = prober.reachFixpoint(&focusLines);
    }
    if (outcome != PropagationResult::Consistent)
        return outcome;
    if (grid.isSolved()) {
        found.push_back(grid.grid());
        return PropagationResult::Contradiction; // nothing left to guess below a solution
    }
    return PropagationResult::Consistent;
}

// With one solution found, most puzzles still have a second one that the SAT
// solver finds at once, so it gets a short try first. What it cannot settle
// quickly is often a puzzle whose uniqueness rests on counting over the whole
// grid, which the linear program proves in one go where the SAT solver's
// proof grows steeply; only when that fails does the SAT solver get the rest
// of the time.
PropagationResult Search::handOver()
{
    std::vector<Implication> implications;
    if ((budget.engine() == SolverEngine::Sat || budget.threads() > 1)
        && prober.listImplications(implications, maxImplications) == PropagationResult::Stopped)
        return PropagationResult::Stopped;
    if (budget.threads() < 2)
        return finish(budget, grid.grid(), found, implications, true);
    // Only searcher 0 tries the linear program: the others spend the time
    // searching in their own ways.
    std::vector<std::vector<std::vector<uint8_t>>> answers(static_cast<size_t>(budget.threads()),
                                                           found);
    const int winner = raceSearches(budget, [&](int searcher, SolveBudget &own) {
        return finish(own, grid.grid(), answers[static_cast<size_t>(searcher)], implications,
                      searcher == 0)
            == PropagationResult::Consistent;
    });
    if (winner < 0)
        return PropagationResult::Stopped;
    found = std::move(answers[static_cast<size_t>(winner)]);
    return PropagationResult::Consistent;
}

PropagationResult Search::finish(SolveBudget &own, const std::vector<uint8_t> &known,
                                 std::vector<std::vector<uint8_t>> &solutions,
                                 const std::vector<Implication> &implications, bool withLp) const
{
    if (own.engine() == SolverEngine::Cdcl)
        return finishWithConflictSearch(own, known, solutions, withLp);
    if (solutions.size() == 1 && withLp && lpUsable) {
        if (satFindUpToTwoSolutions(lines, known, own, solutions, implications,
                                    satQuickTryConflicts)
            == PropagationResult::Consistent)
            return PropagationResult::Consistent;
        if (own.exhaustedNow())
            return PropagationResult::Stopped;
        if (lpProvesUnique(lines, known, solutions.front(), own))
            return PropagationResult::Consistent;
    }
    return satFindUpToTwoSolutions(lines, known, own, solutions, implications);
}

PropagationResult Search::findUpToTwoSolutions()
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
        const PropagationResult outcome = expandNode(guess.trailMark);
        if (outcome == PropagationResult::Stopped) {
            grid.undo(startMark);
            return outcome;
        }
        if (outcome == PropagationResult::Consistent)
            pushGuess();
    }
    grid.undo(startMark);
    return PropagationResult::Consistent;
}

// The same order with the conflict-driven search in place of the SAT solver:
// a short try measured in conflicts, the linear program, then the rest.
PropagationResult Search::finishWithConflictSearch(SolveBudget &own,
                                                   const std::vector<uint8_t> &known,
                                                   std::vector<std::vector<uint8_t>> &solutions,
                                                   bool withLp) const
{
    if (solutions.size() == 1 && withLp && lpUsable) {
        ConflictSearch quick(lines, own);
        std::vector<std::vector<uint8_t>> tried = solutions;
        if (quick.findUpToTwoSolutions(known, tried, cdclQuickTryConflicts)
            == PropagationResult::Consistent) {
            solutions = std::move(tried);
            return PropagationResult::Consistent;
        }
        if (own.exhaustedNow())
            return PropagationResult::Stopped;
        if (lpProvesUnique(lines, known, solutions.front(), own))
            return PropagationResult::Consistent;
    }
    ConflictSearch search(lines, own);
    return search.findUpToTwoSolutions(known, solutions);
}

} // namespace zd
