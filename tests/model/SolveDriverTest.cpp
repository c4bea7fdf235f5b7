#include "LineSolverTestAccess.h"

#include <gtest/gtest.h>
#include <utility>

using namespace zd;

namespace {

using ClueLines = std::vector<std::vector<int>>;

CMalovanaKrizovka puzzle(const ClueLines &rowClues, const ClueLines &columnClues)
{
    CMalovanaKrizovka model;
    model.setSize(static_cast<int16_t>(rowClues.size()), static_cast<int16_t>(columnClues.size()));
    for (std::size_t r = 0; r < rowClues.size(); ++r)
        for (int clue : rowClues[r])
            model.addRowClue(static_cast<int16_t>(r), static_cast<int16_t>(clue));
    for (std::size_t c = 0; c < columnClues.size(); ++c)
        for (int clue : columnClues[c])
            model.addColumnClue(static_cast<int16_t>(c), static_cast<int16_t>(clue));
    return model;
}

struct SolveOutcome
{
    int code = -1;
    std::string passLines;
    int32_t passes = 0;
    int32_t steps = 0;
    std::vector<std::string> grid;
};

using Report = std::pair<int, int>;
std::vector<Report> reports;

void recordReport(CMalovanaKrizovka *, int row, int column, int userValue)
{
    EXPECT_EQ(userValue, 42);
    reports.emplace_back(row, column);
}

SolveOutcome solveAndWatch(CMalovanaKrizovka &model)
{
    reports.clear();
    SolveOutcome outcome;
    outcome.passLines = capturedStdout([&] { outcome.code = model.solve(recordReport, 42); });
    outcome.passes = model.passCount();
    outcome.steps = model.stepCount();
    outcome.grid = gridPicture(model);
    return outcome;
}

struct DriverCase
{
    const char *name;
    ClueLines rows;
    ClueLines columns;
    int code;
    std::string passLines;
    int32_t passes;
    int32_t steps;
    std::vector<std::string> grid;
};

class SolveDriver : public testing::TestWithParam<DriverCase>
{
};

TEST_P(SolveDriver, GivesExactCodePassesStepsAndGrid)
{
    const DriverCase &c = GetParam();
    CMalovanaKrizovka model = puzzle(c.rows, c.columns);
    const SolveOutcome outcome = solveAndWatch(model);
    EXPECT_EQ(outcome.code, c.code);
    EXPECT_EQ(outcome.passLines, c.passLines);
    EXPECT_EQ(outcome.passes, c.passes);
    EXPECT_EQ(outcome.steps, c.steps);
    EXPECT_EQ(outcome.grid, c.grid);
}

INSTANTIATE_TEST_SUITE_P(
    Puzzles, SolveDriver,
    testing::Values(
        DriverCase {
            "OneCellIsFilledInOneQuickPass", { { 1 } }, { { 1 } }, 0, "1\n", 1, 2, { "#" } },
        // The quick method cannot place a zero-length block in a short line;
        // the exhaustive pass empties the row, and the sum reaches the target.
        DriverCase { "EmptyRowNeedsTheExhaustivePass",
                     { { 0 } },
                     { { 0 }, { 0 } },
                     0,
                     "1\n0\n",
                     2,
                     5,
                     { ".." } },
        // Four solutions: neither method decides a cell, and the second cycle
        // runs one exhaustive pass only.
        DriverCase { "AmbiguousPuzzleIsStuck",
                     { { 1 }, { 1 } },
                     { { 1 }, { 1 } },
                     2,
                     "1\n0\n0\n",
                     3,
                     20,
                     { "??", "??" } },
        DriverCase { "ExhaustivePassFinishesThePuzzle",
                     { { 0 }, { 1 } },
                     { { 1 }, { 0 }, { 0 } },
                     0,
                     "1\n1\n1\n0\n",
                     4,
                     18,
                     { "...", "#.." } },
        // Equal totals, but no grid shows these clues: a full sum is not a
        // solution.
        DriverCase { "ContradictingCluesAreNotSolved",
                     { { 2 }, { 0 } },
                     { { 0 }, { 2 } },
                     2,
                     "1\n",
                     1,
                     4,
                     { "##", "?#" } }),
    [](const testing::TestParamInfo<DriverCase> &caseInfo) { return caseInfo.param.name; });

TEST(SolveDriverProgress, ExhaustivePassReportsUpToTheFirstImprovedLine)
{
    CMalovanaKrizovka model = puzzle({ { 0 }, { 1 } }, { { 1 }, { 0 }, { 0 } });
    solveAndWatch(model);
    const std::vector<Report> fullPass
        = { { 1, -1 }, { 2, -1 }, { -2, -2 }, { -1, 1 }, { -1, 2 }, { -1, 3 }, { -1, -1 } };
    std::vector<Report> expected;
    for (int pass = 0; pass < 3; ++pass)
        expected.insert(expected.end(), fullPass.begin(), fullPass.end());
    // Row 0 improves: the row sweep stops, and the column sweep of the same
    // pass solves column 0 only.
    expected.insert(expected.end(), { { 1, -1 }, { -2, -2 }, { -1, 1 } });
    EXPECT_EQ(reports, expected);
}

TEST(SolveDriverProgress, FullQuickPassReportsEveryLineThenTheEnd)
{
    CMalovanaKrizovka model = puzzle({ { 2 }, { 2 }, { 2 } }, { { 3 }, { 3 } });
    EXPECT_EQ(solveAndWatch(model).code, 0);
    const std::vector<Report> expected
        = { { 1, -1 }, { 2, -1 }, { 3, -1 }, { -2, -2 }, { -1, 1 }, { -1, 2 }, { -1, -1 } };
    EXPECT_EQ(reports, expected);
}

TEST(SolveDriverRejects, UnequalTotalsLeaveTheGridAndCallNobody)
{
    CMalovanaKrizovka model = puzzle({ { 2, 1 }, { 2 } }, { { 2 }, { 2 }, { 2 } });
    LineSolverTestAccess::setCell(model, 1, 2, CellFilled);
    const SolveOutcome outcome = solveAndWatch(model);
    EXPECT_EQ(outcome.code, 1);
    EXPECT_EQ(outcome.passLines, "");
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(outcome.grid, (std::vector<std::string> { "???", "??#" }));
}

TEST(SolveDriverRejects, LineWithoutCluesOrEmptyGridIsRejected)
{
    CMalovanaKrizovka noRowClue = puzzle({ {}, { 1 } }, { { 1 } });
    EXPECT_EQ(solveAndWatch(noRowClue).code, 1);
    CMalovanaKrizovka noColumnClue = puzzle({ { 0 } }, { { 0 }, {} });
    EXPECT_EQ(solveAndWatch(noColumnClue).code, 1);
    CMalovanaKrizovka empty;
    EXPECT_EQ(solveAndWatch(empty).code, 1);
    CMalovanaKrizovka noColumns = puzzle({ { 0 } }, {});
    EXPECT_EQ(solveAndWatch(noColumns).code, 1);
}

// Totals and sums are kept wide: clue totals 65536 apart must differ.
TEST(SolveDriverWideSums, TotalsThatDifferBy65536AreRejected)
{
    CMalovanaKrizovka model = puzzle({ { 16384 }, { 16384 }, { 16384 }, { 16384 } }, { { 0 } });
    EXPECT_EQ(model.checkClueSums(), 1);
    EXPECT_EQ(solveAndWatch(model).code, 1);
}

// A 256 x 192 puzzle whose target is 65536 and whose lines decide nothing:
// a sum kept in 16 bits would meet the target with every cell undecided.
TEST(SolveDriverWideSums, UndecidedGridIsNotSolvedWhenTheTargetWraps)
{
    ClueLines rows(256, { 64 });
    ClueLines columns(192, { 85 });
    for (int c = 0; c < 64; ++c)
        columns[c] = { 86 };
    CMalovanaKrizovka model = puzzle(rows, columns);
    const SolveOutcome outcome = solveAndWatch(model);
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(model.gridSum(), 0);
}

// Clue lists the reader would refuse can still reach the model; solve must
// end on them and never call such a puzzle solved.
TEST(SolveDriverMalformedClues, EveryClueListTheModelHoldsEnds)
{
    const std::vector<std::pair<ClueLines, ClueLines>> puzzles = {
        { { { 1, 0 } }, { { 1 }, { 0 }, { 0 } } }, { { { 0, 1 } }, { { 0 }, { 0 }, { 1 } } },
        { { { 0, 0 } }, { { 0 }, { 0 }, { 0 } } }, { { { -1 }, { 2 } }, { { 1 }, { 0 } } },
        { { { 3 } }, { { 2 }, { 1 } } },           { { { 5 }, { 0 } }, { { 2 }, { 2 }, { 1 } } },
    };
    for (const auto &[rows, columns] : puzzles) {
        CMalovanaKrizovka model = puzzle(rows, columns);
        EXPECT_EQ(solveAndWatch(model).code, 2);
    }
}

TEST(SolveDriverRepeats, SolvingTwiceGivesTheSameResult)
{
    CMalovanaKrizovka model
        = puzzle({ { 1, 1 }, { 3 }, { 1 }, { 0 } }, { { 3 }, { 1 }, { 2 }, { 0 } });
    const SolveOutcome first = solveAndWatch(model);
    const SolveOutcome second = solveAndWatch(model);
    EXPECT_EQ(second.code, first.code);
    EXPECT_EQ(second.passLines, first.passLines);
    EXPECT_EQ(second.passes, first.passes);
    EXPECT_EQ(second.steps, first.steps);
    EXPECT_EQ(second.grid, first.grid);
    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(first.grid, (std::vector<std::string> { "#.#.", "###.", "#...", "...." }));
}

} // namespace
