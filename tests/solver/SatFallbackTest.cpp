#include "SatFallback.h"

#include "BruteForceCount.h"
#include "GridVerification.h"
#include "Probing.h"
#include "Propagation.h"
#include "RandomPicture.h"
#include "SolveBudget.h"
#include "SolverTestHelpers.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

using namespace zd;

namespace {

std::vector<Implication> implicationsAt(const PuzzleLines &lines, const std::vector<uint8_t> &known,
                                        SolveBudget &budget)
{
    Propagator grid(lines, budget);
    for (int cell = 0; cell < lines.cellCount(); ++cell)
        if (known[cell] != CellUnknown)
            grid.assign(cell, known[cell]);
    std::vector<Implication> implications;
    if (grid.propagate() == PropagationResult::Consistent) {
        const std::vector<uint8_t> before = grid.grid();
        Prober prober(lines, grid);
        EXPECT_EQ(prober.listImplications(implications, 100'000), PropagationResult::Consistent);
        EXPECT_EQ(grid.grid(), before) << "listing implications must leave the grid as it was";
    }
    return implications;
}

bool literalHolds(const std::vector<std::string> &solution, int literal, int columns)
{
    const int cell = std::abs(literal) - 1;
    return (solution[cell / columns][cell % columns] == '#') == (literal > 0);
}

// An implication handed to the SAT solver that some solution breaks would
// cut that solution off: every one must hold in every solution.
TEST(SatFallback, ProbingImplicationsHoldInEverySolution)
{
    std::mt19937 random(11);
    int checked = 0;
    for (int round = 0; round < 300; ++round) {
        const int rows = 2 + static_cast<int>(random() % 6);
        const int columns = 2 + static_cast<int>(random() % 6);
        const PuzzleClues clues
            = PuzzleClues::fromPicture(randomPicture(rows, columns, 0.5, random));
        PuzzleLines lines;
        ASSERT_EQ(lines.readFrom(clues), "");
        const SolveOptions options;
        SolveBudget budget(options);
        const std::vector<uint8_t> nothingKnown(lines.cellCount(), CellUnknown);
        const std::vector<Implication> implications = implicationsAt(lines, nothingKnown, budget);
        for (const auto &solution : bruteForceSolutions(clues, 1000))
            for (const Implication &implication : implications) {
                ++checked;
                ASSERT_TRUE(!literalHolds(solution, implication.premise, columns)
                            || literalHolds(solution, implication.consequence, columns))
                    << "round " << round << ": " << implication.premise << " -> "
                    << implication.consequence;
            }
    }
    EXPECT_GT(checked, 1000);
}

// The encoding must neither lose solutions nor admit grids that break a
// clue, with and without known cells given as units.
TEST(SatFallback, SolutionsAgreeWithEnumerationOfSmallPuzzles)
{
    if (!satFallbackAvailable())
        GTEST_SKIP() << "built without CaDiCaL";
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        const int rows = 1 + static_cast<int>(random() % 7);
        const int columns = 1 + static_cast<int>(random() % 7);
        const auto picture = randomPicture(rows, columns, round % 2 ? 0.6 : 0.4, random);
        const PuzzleClues clues = PuzzleClues::fromPicture(picture);
        PuzzleLines lines;
        ASSERT_EQ(lines.readFrom(clues), "");
        std::vector<uint8_t> known(lines.cellCount(), CellUnknown);
        if (round % 3 == 0) // a few cells of the picture given
            for (int cell = 0; cell < lines.cellCount(); cell += 3)
                known[cell]
                    = picture[cell / columns][cell % columns] == '#' ? CellFilled : CellEmpty;
        std::vector<std::vector<std::string>> expected;
        for (const auto &solution : bruteForceSolutions(clues, 1000)) {
            bool fits = true;
            for (int cell = 0; cell < lines.cellCount(); ++cell)
                if (known[cell] != CellUnknown
                    && (solution[cell / columns][cell % columns] == '#')
                        != (known[cell] == CellFilled))
                    fits = false;
            if (fits)
                expected.push_back(solution);
        }
        // Every other round hands over a solution found before, as search does.
        std::vector<std::vector<uint8_t>> solutions;
        if (round % 2 == 1 && !expected.empty()) {
            std::vector<uint8_t> first;
            for (const std::string &row : expected.back())
                for (char cell : row)
                    first.push_back(cell == '#' ? CellFilled : CellEmpty);
            solutions.push_back(first);
        }
        const SolveOptions options;
        SolveBudget budget(options);
        // Every fourth round also hands over what probing forces, as search does.
        std::vector<Implication> implications;
        if (round % 4 == 2)
            implications = implicationsAt(lines, known, budget);
        ASSERT_EQ(satFindUpToTwoSolutions(lines, known, budget, solutions, implications),
                  PropagationResult::Consistent);
        ASSERT_EQ(solutions.size(), std::min<size_t>(expected.size(), 2)) << "round " << round;
        for (const auto &solution : solutions) {
            EXPECT_TRUE(gridMatchesClues(lines, solution)) << "round " << round;
            EXPECT_NE(
                std::find(expected.begin(), expected.end(), pictureOfCells(solution, columns)),
                expected.end());
        }
        if (solutions.size() == 2) {
            EXPECT_NE(solutions[0], solutions[1]);
        }
    }
}

// The window's progress counter moves while CaDiCaL works only if the
// solver's checks between its steps are counted as work.
TEST(SatFallback, TheSolversChecksCountAsWork)
{
    if (!satFallbackAvailable())
        GTEST_SKIP() << "built without CaDiCaL";
    std::mt19937 random(11);
    const PuzzleClues clues = PuzzleClues::fromPicture(randomPicture(25, 25, 0.5, random));
    PuzzleLines lines;
    ASSERT_EQ(lines.readFrom(clues), "");
    const SolveOptions options;
    SolveBudget budget(options);
    std::vector<std::vector<uint8_t>> solutions;
    ASSERT_EQ(satFindUpToTwoSolutions(lines, std::vector<uint8_t>(lines.cellCount(), CellUnknown),
                                      budget, solutions),
              PropagationResult::Consistent);
    EXPECT_GT(budget.progress.workDone, 1);
}

} // namespace
