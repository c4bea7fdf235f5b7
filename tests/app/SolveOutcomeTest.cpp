// The outcome label's verdict, read from a model whose grid the test sets.

#include "SolveOutcome.h"

#include "CMalovanaKrizovka.h"
#include "PuzzleClues.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace zd;

namespace {

// A model with the clues of `clues` and a grid written as a picture:
// '#' filled, '.' empty, '?' unknown.
class ModelWithGrid : public CMalovanaKrizovka
{
public:
    ModelWithGrid(const std::vector<std::string> &clues, const std::vector<std::string> &cells)
    {
        PuzzleClues::fromPicture(clues).applyTo(*this);
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                const char mark = cells[row][column];
                grid[cellIndex(row, column)] = mark == '#' ? CellFilled
                    : mark == '.'                          ? CellEmpty
                                                           : CellUnknown;
            }
    }
};

using NoSolution = SolveOutcome::NoSolution;

bool hasNoSolutionBecause(const SolveOutcome &outcome, NoSolution reason)
{
    return outcome.verdict == Verdict::None && outcome.noSolution == reason;
}

TEST(SolveOutcome, CompleteGridIsSolvedOnlyWhenTheSolverAgrees)
{
    const std::vector<std::string> picture = { "#.", "##" };
    const ModelWithGrid model(picture, picture);
    EXPECT_EQ(judgeSolveOutcome(model, true).verdict, Verdict::Unique);
    // Every cell decided, yet the solver saw the grid miss its target.
    EXPECT_TRUE(hasNoSolutionBecause(judgeSolveOutcome(model, false), NoSolution::Contradiction));
}

TEST(SolveOutcome, UnknownCellsAreCountedEvenIfTheSolverClaimsSuccess)
{
    const ModelWithGrid model({ "#..", ".#.", "..#" }, { "#??", "?.?", "??#" });
    for (bool solverSucceeded : { false, true }) {
        const SolveOutcome outcome = judgeSolveOutcome(model, solverSucceeded);
        EXPECT_EQ(outcome.verdict, Verdict::Undecided);
        EXPECT_EQ(outcome.undecidedCells, 6);
    }
}

TEST(SolveOutcome, UnequalClueTotalsAreReportedWithBothTotals)
{
    CMalovanaKrizovka model;
    model.setSize(2, 3);
    model.addRowClue(0, 3);
    model.addRowClue(1, 1);
    model.addRowClue(1, 1);
    for (int16_t column = 0; column < 3; ++column)
        model.addColumnClue(column, 2);
    const SolveOutcome outcome = judgeSolveOutcome(model, false);
    EXPECT_TRUE(hasNoSolutionBecause(outcome, NoSolution::TotalsDiffer));
    EXPECT_EQ(outcome.rowClueTotal, 5);
    EXPECT_EQ(outcome.columnClueTotal, 6);
}

TEST(SolveOutcome, TotalsBeyondSixteenBitsDoNotWrapIntoEquality)
{
    // 65536 more filled cells in the rows than in the columns: equal modulo
    // 2^16, different in truth.
    CMalovanaKrizovka model;
    model.setSize(3, 32767);
    model.addRowClue(0, 32767);
    model.addRowClue(1, 32767);
    model.addRowClue(2, 2);
    for (int16_t column = 0; column < 32767; ++column)
        model.addColumnClue(column, 0);
    const SolveOutcome outcome = judgeSolveOutcome(model, false);
    EXPECT_TRUE(hasNoSolutionBecause(outcome, NoSolution::TotalsDiffer));
    EXPECT_EQ(outcome.rowClueTotal, 65536);
    EXPECT_EQ(outcome.columnClueTotal, 0);
}

TEST(SolveOutcome, PuzzleWithoutCellsHasNothingToSolve)
{
    CMalovanaKrizovka empty;
    EXPECT_TRUE(hasNoSolutionBecause(judgeSolveOutcome(empty, false), NoSolution::NoCells));
    CMalovanaKrizovka noColumns;
    noColumns.setSize(3, 0);
    EXPECT_TRUE(hasNoSolutionBecause(judgeSolveOutcome(noColumns, false), NoSolution::NoCells));
    CMalovanaKrizovka negative; // the model keeps counts it cannot hold
    negative.setSize(-2, 5);
    EXPECT_TRUE(hasNoSolutionBecause(judgeSolveOutcome(negative, false), NoSolution::NoCells));
}

} // namespace
