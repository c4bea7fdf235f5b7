#include "CMalovanaKrizovka.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

ClueList cluesOf(std::initializer_list<int> lengths)
{
    ClueList list;
    for (int length : lengths) {
        Clue clue;
        clue.length = static_cast<int16_t>(length);
        list.push_back(clue);
    }
    return list;
}

TEST(Model, SetSizeGivesUnknownCellsAndNoClues)
{
    CMalovanaKrizovka model;
    model.setSize(3, 5);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 5);
    for (int16_t r = 0; r < 3; ++r) {
        EXPECT_EQ(model.rowClueCount(r), 0);
        for (int16_t c = 0; c < 5; ++c)
            EXPECT_EQ(model.cell(r, c), CellUnknown);
    }
    for (int16_t c = 0; c < 5; ++c)
        EXPECT_EQ(model.columnClueCount(c), 0);
}

TEST(Model, SecondSetSizeDiscardsEarlierClues)
{
    CMalovanaKrizovka model;
    model.setSize(2, 2);
    model.addRowClue(0, 1);
    model.addColumnClue(1, 2);
    model.setSize(4, 1);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.columnCount(), 1);
    EXPECT_EQ(model.rowClueCount(0), 0);
    EXPECT_EQ(model.columnClueCount(0), 0);
}

TEST(Model, CluesKeepTheirOrderAndZeroIsABlock)
{
    CMalovanaKrizovka model;
    model.setSize(1, 4);
    model.addRowClue(0, 3);
    model.addRowClue(0, 1);
    model.addColumnClue(2, 0);
    ASSERT_EQ(model.rowClueCount(0), 2);
    EXPECT_EQ(model.rowClue(0, 0), 3);
    EXPECT_EQ(model.rowClue(0, 1), 1);
    ASSERT_EQ(model.columnClueCount(2), 1);
    EXPECT_EQ(model.columnClue(2, 0), 0);
}

struct RangeCase
{
    std::initializer_list<int> lengths;
    int lineLength;
    std::vector<int> earliest;
    std::vector<int> latest;
};

TEST(Model, BlockRangesPackLeftAndRight)
{
    const RangeCase cases[] = {
        { { 8 }, 10, { 0 }, { 2 } },
        { { 1, 1, 1 }, 5, { 0, 2, 4 }, { 0, 2, 4 } },
        { { 2, 1 }, 6, { 0, 3 }, { 2, 5 } },
        { { 0 }, 5, { 0 }, { 5 } },
        { { 3, 1, 2 }, 12, { 0, 4, 6 }, { 4, 8, 10 } },
    };
    for (const RangeCase &test : cases) {
        ClueList list = cluesOf(test.lengths);
        CMalovanaKrizovka::computeBlockRanges(list, static_cast<int16_t>(test.lineLength));
        const int lastLatest = list.back().latestStart;
        for (size_t k = 0; k < list.size(); ++k) {
            EXPECT_EQ(list[k].earliestStart, test.earliest[k]) << "block " << k;
            EXPECT_EQ(list[k].latestStart, test.latest[k]) << "block " << k;
            EXPECT_EQ(list[k].position, list[k].earliestStart);
            EXPECT_EQ(list[k].firstMatchStart, lastLatest + 1);
        }
    }
}

} // namespace
