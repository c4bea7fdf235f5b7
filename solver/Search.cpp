#include "Search.h"

#include "CMalovanaKrizovka.h"
#include "SatFallback.h"
#include "SolveBudget.h"

Search::Search(const PuzzleLines &puzzleLines, Propagator &propagator, Prober &cellProber,
               SolveBudget &solveBudget)
    : lines(puzzleLines)
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

Outcome Search::expandNode()
{
    Outcome outcome = grid.propagate();
    if (outcome == Outcome::Consistent && !grid.isSolved())
        outcome = prober.reachFixpoint();
    if (outcome != Outcome::Consistent)
        return outcome;
    if (grid.isSolved()) {
        found.push_back(grid.grid());
        return Outcome::Contradiction; // nothing left to guess below a solution
    }
    return Outcome::Consistent;
}

Outcome Search::findUpToTwoSolutions()
{
    const size_t startMark = grid.mark();
    guesses.clear();
    pushGuess();
    while (!guesses.empty() && found.size() < 2) {
        if (nodes >= satAfterNodes && satFallbackAvailable()) {
            grid.undo(startMark);
            found.clear();
            return satFindUpToTwoSolutions(lines, grid.grid(), budget, found);
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
        const Outcome outcome = expandNode();
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
