#include "LineSolverTestAccess.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

struct OverlapCase
{
    const char *name;
    std::string before;
    std::vector<int> clues;
    std::string after;
    int result;
    std::vector<int> earliest;
};

class QuickMethod : public testing::TestWithParam<OverlapCase>
{
};

TEST_P(QuickMethod, DecidesExactlyTheOverlapAndTheUnreachableCells)
{
    const OverlapCase &c = GetParam();
    CMalovanaKrizovka model = rowModel(c.before, c.clues);
    int32_t steps = 0;
    EXPECT_EQ(solveOneRow(model, true, &steps), c.result);
    EXPECT_EQ(rowPicture(model), c.after);
    EXPECT_EQ(earliestStarts(model), c.earliest);
    EXPECT_EQ(steps, 1);
}

INSTANTIATE_TEST_SUITE_P(
    LineCases, QuickMethod,
    testing::Values(
        OverlapCase { "LongBlockFillsItsMiddle", "??????????", { 8 }, "??######??", 1, { 0 } },
        OverlapCase { "TightCluesFillTheLine", "?????", { 1, 1, 1 }, "#.#.#", 1, { 0, 2, 4 } },
        OverlapCase {
            "FilledFirstCellPullsTheBlockLeft", "#?????????", { 3 }, "###.......", 1, { 0 } },
        OverlapCase { "DecidedLineReportsNoChange", "##..#", { 2, 1 }, "##..#", 0, { 0, 4 } },
        // The empty line: the zero-length block settles at start 2 from both
        // ends, so the middle cell is left to the exhaustive method.
        OverlapCase { "ZeroClueLeavesTheMiddleCell", "?????", { 0 }, "..?..", 1, { 2 } },
        OverlapCase { "EarliestStartMovesWithoutAChange", "..???", { 1 }, "..???", 0, { 2 } },
        OverlapCase { "EmptyCellPushesTheBlockRight", "??.?????", { 3 }, "...??#??", 1, { 3 } },
        OverlapCase { "OneCellZeroLineDecidesNothing", "?", { 0 }, "?", 0, { 2 } },
        // Decided cells that contradict the clues push a block off the line:
        // nothing may change, not even the earliest start.
        OverlapCase { "FilledCellsPushTheBlockOffTheLine", "?.#.#", { 3 }, "?.#.#", 0, { 0 } },
        OverlapCase { "EmptyCellsPushTheBlockOffTheLine", "#....", { 2 }, "#....", 0, { 0 } }),
    [](const testing::TestParamInfo<OverlapCase> &caseInfo) { return caseInfo.param.name; });

// A zero beside other clue numbers cannot be placed; the cover pass used to
// circle for ever on such a list.
TEST(QuickMethodMalformedClues, ZeroBesideOtherNumbersEndsWithoutChange)
{
    for (const std::vector<int> &clues :
         { std::vector<int> { 1, 0 }, { 0, 1 }, { 0, 0 }, { 2, 0, 1 } }) {
        CMalovanaKrizovka model = rowModel("??#??", clues);
        EXPECT_EQ(solveOneRow(model, true), 0);
        EXPECT_EQ(solveOneRow(model, false), 0);
        EXPECT_EQ(rowPicture(model), "??#??");
    }
}

TEST(QuickMethodMalformedClues, CluesLongerThanTheLineChangeNothing)
{
    for (const std::vector<int> &clues :
         { std::vector<int> { 6 }, { 3, 2 }, { -1 }, { 32767, 32767 } }) {
        CMalovanaKrizovka model = rowModel("?#???", clues);
        EXPECT_EQ(solveOneRow(model, true), 0);
        EXPECT_EQ(solveOneRow(model, false), 0);
        EXPECT_EQ(rowPicture(model), "?#???");
    }
}

// Re-packing places each later block right behind its predecessor, which can
// move it left, but never below its own earliest start.
TEST(QuickMethodRepacking, FollowingBlocksPackBehindTheirPredecessor)
{
    ClueList list(3);
    list[0] = { 2, 1, 0, 0, 0 };
    list[1] = { 1, 9, 3, 0, 0 };
    list[2] = { 3, 9, 8, 0, 0 };
    CMalovanaKrizovka::pushFollowingBlocks(list, 0);
    EXPECT_EQ(list[1].position, 4);
    EXPECT_EQ(list[2].position, 8);
}

// Rows and columns are the same line to the solver.
TEST(QuickMethodColumns, ColumnDecidesLikeTheSameRow)
{
    CMalovanaKrizovka model;
    model.setSize(10, 1);
    model.addColumnClue(0, 8);
    model.computeAllBlockRanges();
    LineSolverTestAccess::setFastMode(model, true);
    int32_t steps = 0;
    EXPECT_EQ(model.solveColumn(0, &steps), 1);
    std::string column;
    for (int16_t r = 0; r < 10; ++r)
        column += symbolOf(model.cell(r, 0));
    EXPECT_EQ(column, "??######??");
}

} // namespace
