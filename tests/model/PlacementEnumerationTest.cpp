#include "LineBruteForce.h"

#include <gtest/gtest.h>
#include <random>

using namespace zd;

namespace {

struct EnumerationCase
{
    const char *name;
    std::string before;
    std::vector<int> clues;
    std::string after;
    int result;
    int32_t steps;
};

class ExhaustiveMethod : public testing::TestWithParam<EnumerationCase>
{
};

TEST_P(ExhaustiveMethod, DecidesTheIntersectionOfAgreeingPlacements)
{
    const EnumerationCase &c = GetParam();
    CMalovanaKrizovka model = rowModel(c.before, c.clues);
    int32_t steps = 0;
    EXPECT_EQ(solveOneRow(model, false, &steps), c.result);
    EXPECT_EQ(rowPicture(model), c.after);
    EXPECT_EQ(steps, c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    LineCases, ExhaustiveMethod,
    testing::Values(
        // The second placement leaves the intersection at the known cells: the
        // walk stops there and writes nothing.
        EnumerationCase { "FreeBlockStopsAtTheSecondPlacement", "??", { 1 }, "??", 0, 2 },
        EnumerationCase { "KnownCellAloneIsNoChange", "??#??", { 3 }, "??#??", 0, 3 },
        EnumerationCase { "BlockWithOneStartIsFilled", ".????", { 4 }, ".####", 1, 2 },
        EnumerationCase { "TwoBlocksAgreeOnAGap", "???#??", { 2, 1 }, "???#.?", 1, 2 },
        // Every start of the zero-length block is a placement, and each is tested.
        EnumerationCase { "ZeroClueEmptiesTheLine", "?????", { 0 }, ".....", 1, 6 },
        // No placement fits the decided cells: no change, nothing written.
        EnumerationCase { "NoPlacementFitsReportsNoChange", "?.?", { 2 }, "?.?", 0, 1 },
        EnumerationCase { "CluesLongerThanTheLineAreNotWalked", "???", { 2, 1 }, "???", 0, 0 }),
    [](const testing::TestParamInfo<EnumerationCase> &caseInfo) { return caseInfo.param.name; });

TEST(ExhaustiveMethodNarrowing, BlockThatCannotStartEarlyKeepsItsNewStart)
{
    CMalovanaKrizovka model = rowModel(".????", { 4 });
    solveOneRow(model, false);
    EXPECT_EQ(earliestStarts(model), std::vector<int> { 1 });
}

// The quick method leaves the zero-length block of a one-cell line just past
// its end; the exhaustive method must still empty the cell.
TEST(ExhaustiveMethodNarrowing, OneCellZeroLineIsEmptiedAfterTheQuickMethod)
{
    CMalovanaKrizovka model = rowModel("?", { 0 });
    EXPECT_EQ(solveOneRow(model, true), 0);
    EXPECT_EQ(solveOneRow(model, false), 1);
    EXPECT_EQ(rowPicture(model), ".");
}

std::vector<int> cluesOf(const std::string &line)
{
    std::vector<int> clues;
    int run = 0;
    for (char cell : line + ".") {
        if (cell == '#') {
            ++run;
        } else if (run > 0) {
            clues.push_back(run);
            run = 0;
        }
    }
    return clues.empty() ? std::vector<int> { 0 } : clues;
}

struct Ranges
{
    std::vector<int> earliest;
    std::vector<int> latest;
};

Ranges rangesOf(CMalovanaKrizovka &model)
{
    Ranges ranges;
    for (const Clue &clue : LineSolverTestAccess::rowClues(model, 0)) {
        ranges.earliest.push_back(clue.earliestStart);
        ranges.latest.push_back(clue.latestStart);
    }
    return ranges;
}

std::vector<int> startsOf(const std::string &placement)
{
    std::vector<int> starts;
    for (std::size_t c = 0; c < placement.size(); ++c)
        if (placement[c] == '#' && (c == 0 || placement[c - 1] != '#'))
            starts.push_back(static_cast<int>(c));
    return starts;
}

// One line solve checked against all placements: the exhaustive method
// writes the exact intersection or nothing, the quick method only cells of
// the intersection, and the narrowed ranges still hold every placement that
// agrees with the line.
void checkOneSolve(CMalovanaKrizovka &model, const std::vector<std::string> &placements,
                   const std::vector<int> &clues, bool fast)
{
    const std::string before = rowPicture(model);
    const Ranges rangesBefore = rangesOf(model);
    const int result = solveOneRow(model, fast);
    const std::string after = rowPicture(model);
    const Ranges rangesAfter = rangesOf(model);
    const std::optional<std::string> truth = intersectionOfAgreeing(placements, before);
    SCOPED_TRACE("line " + before + (fast ? " quick" : " exhaustive"));

    for (std::size_t k = 0; k < clues.size(); ++k) {
        EXPECT_GE(rangesAfter.earliest[k], rangesBefore.earliest[k]);
        if (!fast) {
            EXPECT_LE(rangesAfter.latest[k], rangesBefore.latest[k]);
        }
    }
    if (!truth) {
        EXPECT_EQ(after, before);
        return;
    }
    if (!fast) {
        EXPECT_EQ(after, result == 1 ? *truth : before);
        EXPECT_EQ(result, *truth != before ? 1 : 0);
    }
    for (std::size_t c = 0; c < after.size(); ++c) {
        if (after[c] != '?') {
            EXPECT_EQ(after[c], (*truth)[c]) << "cell " << c << " after " << after;
        }
    }
    if (clues.size() == 1 && clues[0] == 0)
        return;
    for (const std::string &placement : placements) {
        if (!agrees(placement, after))
            continue;
        const std::vector<int> starts = startsOf(placement);
        for (std::size_t k = 0; k < clues.size(); ++k) {
            EXPECT_GE(starts[k], rangesAfter.earliest[k]) << "block " << k << " in " << placement;
            if (!fast) {
                EXPECT_LE(starts[k], rangesAfter.latest[k]) << "block " << k << " in " << placement;
            }
        }
    }
}

// Random lines up to 10 cells, solved several times in a row with more of a
// hidden solution revealed each time (as the sweeps of a solve do), with
// the two methods mixed at random; one line in four gets random decided
// cells that need not fit the clues at all.
TEST(ExhaustiveMethodAgainstBruteForce, MatchesTheIntersectionOfAllPlacements)
{
    std::mt19937 random(20261207);
    for (int trial = 0; trial < 6000 && !HasFailure(); ++trial) {
        const std::size_t length = 1 + trial % 10;
        std::string solution(length, '.');
        for (char &cell : solution)
            cell = random() % 2 ? '#' : '.';
        const std::vector<int> clues = cluesOf(solution);
        const std::vector<std::string> placements = allPlacements(clues, length);
        const bool anyCells = random() % 4 == 0;
        std::string known(length, '?');
        CMalovanaKrizovka model = rowModel(known, clues);
        for (int round = 0; round < 4; ++round) {
            for (std::size_t c = 0; c < length; ++c) {
                if (random() % 4 != 0 || model.cell(0, static_cast<int16_t>(c)) != CellUnknown)
                    continue;
                const char cell = anyCells ? (random() % 2 ? '#' : '.') : solution[c];
                LineSolverTestAccess::setCell(model, 0, static_cast<int>(c), stateOf(cell));
            }
            checkOneSolve(model, placements, clues, random() % 3 == 0);
        }
    }
}

} // namespace
