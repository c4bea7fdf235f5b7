#include "LineBruteForce.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace zd;

namespace {

// Any clue list the model can hold (zeros beside other numbers, negative
// numbers, more than the line holds) with any decided cells: both methods
// must end, stay inside the line (the sanitizer build checks that), and
// never flip a decided cell. A line no placement fits must not change.
TEST(LineSolverRobustness, ArbitraryCluesAndCellsStayInsideTheLine)
{
    std::mt19937 random(99);
    for (int trial = 0; trial < 3000 && !HasFailure(); ++trial) {
        const std::size_t length = 1 + random() % 12;
        std::vector<int> clues(1 + random() % 4);
        for (int &clue : clues)
            clue = static_cast<int>(random() % 7) - 1;
        std::string line(length, '?');
        for (char &cell : line)
            cell = "?#."[random() % 3];
        CMalovanaKrizovka model = rowModel(line, clues);
        for (int round = 0; round < 3; ++round) {
            const std::string before = rowPicture(model);
            solveOneRow(model, random() % 2 == 0);
            const std::string after = rowPicture(model);
            for (std::size_t c = 0; c < length; ++c) {
                if (before[c] != '?') {
                    ASSERT_EQ(after[c], before[c]) << "line " << before;
                }
            }
            bool wellFormed = true;
            for (int clue : clues)
                wellFormed = wellFormed && clue >= 0 && (clue > 0 || clues.size() == 1);
            if (!wellFormed || !intersectionOfAgreeing(allPlacements(clues, length), before)) {
                ASSERT_EQ(after, before) << "line " << before;
            }
        }
    }
}

// A line whose decided cells no placement fits: walking the candidates to
// find that out takes minutes on this line (exponential in its length), the
// outcome (no change, nothing written) is known at once.
TEST(LineSolverRobustness, ContradictedLongLineEndsAtOnce)
{
    const std::string line = "?.#.#.#?..?#.?..#.#??.#?#..?#?.?.###??.?##?##.?.##...#?.?..#"
                             ".??.#.?#..???#...??.???#??#?##.?###?..??.?.?#?#??#...##??#??"
                             ".?##.?###.#?##?#?#..?#?##??.##?#?#??";
    const std::vector<int> clues = { 1, 1, 1, 1, 1, 1, 1, 1, 3, 5, 2, 1, 2, 2, 1, 1, 2, 1, 2,
                                     1, 1, 1, 1, 5, 4, 1, 7, 3, 2, 3, 3, 1, 2, 1, 1, 7, 2 };
    CMalovanaKrizovka model = rowModel(line, clues);
    int32_t steps = 0;
    EXPECT_EQ(solveOneRow(model, false, &steps), 0);
    EXPECT_EQ(rowPicture(model), line);
    EXPECT_EQ(steps, 1);
}

// Lines as long as the model allows: starts near 32767 must not wrap.
TEST(LineSolverRobustness, LongestLineIsSolvedWithoutWrapping)
{
    const std::string blank(32767, '?');
    auto expectLine = [](CMalovanaKrizovka &model, const std::string &expected) {
        const std::string line = rowPicture(model);
        EXPECT_TRUE(line == expected)
            << "first difference at cell "
            << std::mismatch(line.begin(), line.end(), expected.begin()).first - line.begin();
    };
    CMalovanaKrizovka full = rowModel(blank, { 32767 });
    EXPECT_EQ(solveOneRow(full, true), 1);
    expectLine(full, std::string(32767, '#'));
    int32_t steps = 0;
    EXPECT_EQ(solveOneRow(full, false, &steps), 0);
    EXPECT_EQ(steps, 1);

    CMalovanaKrizovka halves = rowModel(blank, { 16383, 16383 });
    EXPECT_EQ(solveOneRow(halves, true), 1);
    expectLine(halves, std::string(16383, '#') + "." + std::string(16383, '#'));

    CMalovanaKrizovka empty = rowModel(blank, { 0 });
    EXPECT_EQ(solveOneRow(empty, true), 1);
    expectLine(empty, ".." + std::string(32763, '?') + "..");
}

} // namespace
