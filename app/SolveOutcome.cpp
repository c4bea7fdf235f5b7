#include "SolveOutcome.h"

#include "CMalovanaKrizovka.h"

namespace {

int64_t rowClueTotal(const CMalovanaKrizovka &model)
{
    int64_t total = 0;
    for (int16_t row = 0; row < model.rowCount(); ++row)
        for (int16_t k = 0; k < model.rowClueCount(row); ++k)
            total += model.rowClue(row, k);
    return total;
}

int64_t columnClueTotal(const CMalovanaKrizovka &model)
{
    int64_t total = 0;
    for (int16_t column = 0; column < model.columnCount(); ++column)
        for (int16_t k = 0; k < model.columnClueCount(column); ++k)
            total += model.columnClue(column, k);
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
    outcome.rowClueTotal = rowClueTotal(model);
    outcome.columnClueTotal = columnClueTotal(model);
    if (model.rowCount() <= 0 || model.columnCount() <= 0) {
        outcome.verdict = SolveOutcome::Verdict::NoCells;
        return outcome;
    }
    if (outcome.rowClueTotal != outcome.columnClueTotal) {
        outcome.verdict = SolveOutcome::Verdict::TotalsDiffer;
        return outcome;
    }
    outcome.undecidedCells = undecidedCells(model);
    if (outcome.undecidedCells > 0)
        outcome.verdict = SolveOutcome::Verdict::Undecided;
    else if (solverSucceeded)
        outcome.verdict = SolveOutcome::Verdict::Solved;
    else
        outcome.verdict = SolveOutcome::Verdict::Contradiction;
    return outcome;
}
