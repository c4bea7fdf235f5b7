#include "SolverTestHelpers.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

struct BadClues
{
    const char *fault;
    PuzzleClues clues;
};

// Clues no grid can meet end as "none" with a reason, before any solving.
TEST(PuzzleCheck, CluesThatCannotBeMetGiveNoneWithTheReason)
{
    const std::vector<BadClues> cases = {
        { "a row without clues", { 2, 2, { { 1 }, {} }, { { 1 }, { 0 } } } },
        { "a block longer than its row", { 1, 2, { { 3 } }, { { 1 }, { 1 } } } },
        { "blocks and gaps longer than the column",
          { 3, 1, { { 1 }, { 1 }, { 1 } }, { { 2, 1 } } } },
        { "row and column totals differ", { 2, 2, { { 1 }, { 1 } }, { { 2 }, { 1 } } } },
        { "a negative clue", { 1, 1, { { -1 } }, { { 0 } } } },
        { "a zero among blocks", { 1, 3, { { 1, 0, 1 } }, { { 1 }, { 0 }, { 1 } } } },
        { "no cells at all", { 0, 0, {}, {} } },
    };
    for (const BadClues &c : cases) {
        const SolveResult result = solveClues(c.clues);
        EXPECT_EQ(result.verdict, Verdict::None) << c.fault;
        EXPECT_FALSE(result.problem.empty()) << c.fault;
        EXPECT_TRUE(result.solution.empty()) << c.fault;
    }
}

// Clues that fit every line one by one but not together.
TEST(PuzzleCheck, CrossingContradictionGivesNoneWithoutProblemText)
{
    const PuzzleClues clues { 2, 2, { { 2 }, { 0 } }, { { 0 }, { 2 } } };
    const SolveResult result = solveClues(clues);
    EXPECT_EQ(result.verdict, Verdict::None);
    EXPECT_TRUE(result.problem.empty());
}

TEST(PuzzleCheck, SolutionCheckRejectsGridsThatBreakAClue)
{
    const PuzzleClues clues = PuzzleClues::fromPicture({ "#.#", ".##" });
    EXPECT_TRUE(clues.isSolvedBy(cellsOf({ 2, 1, 2, 1, 2, 2 })));
    const std::vector<CellGrid> wrong = {
        cellsOf({ 2, 1, 2, 2, 2, 1 }), // second row shifted: columns break
        cellsOf({ 2, 1, 2, 1, 2, 0 }), // an undecided cell
        cellsOf({ 2, 1, 2, 1, 2 }), // too short
        cellsOf({ 2, 1, 2, 1, 2, 2, 1 }), // too long
        cellsOf({ 2, 1, 7, 1, 2, 2 }), // not a cell state
    };
    for (const CellGrid &grid : wrong)
        EXPECT_FALSE(clues.isSolvedBy(grid));
}

} // namespace
