#include "SolveOutcome.h"

#include "CMalovanaKrizovka.h"
#include "PuzzleClues.h"

namespace zd {

namespace {

int64_t clueTotal(const std::vector<std::vector<int>> &lists)
{
    int64_t total = 0;
    for (const std::vector<int> &list : lists)
        for (int clue : list)
            total += clue;
    return total;
}

int64_t undecidedCells(const CMalovanaKrizovka &model)
{
    int64_t count = 0;
    for (int16_t row = 0; row < model.rowCount(); ++row)
        for (int16_t column = 0; column < model.columnCount(); ++column)
            if (model.cell(row, column) == CellUnknown)
                ++count;
    return count;
}

} // namespace

SolveOutcome judgeSolveOutcome(const CMalovanaKrizovka &model, bool solverSucceeded)
{
    SolveOutcome outcome;
    const PuzzleClues clues = PuzzleClues::fromModel(model);
    outcome.rowClueTotal = clueTotal(clues.rowClues);
    outcome.columnClueTotal = clueTotal(clues.columnClues);
    if (model.rowCount() <= 0 || model.columnCount() <= 0) {
        outcome.noSolution = SolveOutcome::NoSolution::NoCells;
        return outcome;
    }
    if (outcome.rowClueTotal != outcome.columnClueTotal) {
        outcome.noSolution = SolveOutcome::NoSolution::TotalsDiffer;
        return outcome;
    }
    outcome.undecidedCells = undecidedCells(model);
    if (outcome.undecidedCells > 0)
        outcome.verdict = Verdict::Undecided;
    else if (solverSucceeded)
        outcome.verdict = Verdict::Unique;
    else
        outcome.noSolution = SolveOutcome::NoSolution::Contradiction;
    return outcome;
}

} // namespace zd
