#include "LpUniqueness.h"

#include "BruteForceCount.h"
#include "CMalovanaKrizovka.h"
#include "RandomPicture.h"
#include "SolveBudget.h"
#include "SolverTestHelpers.h"

#include <atomic>
#include <gtest/gtest.h>
#include <random>

using namespace zd;

namespace {

// Josh Greifer's N-Dom, (2N+1) x (2N+1): rows 3, then 1 / 3 1 repeated N-1
// times, then 1, 1; the columns mirror them. Unique, and nothing about it is
// decided by line reasoning or probing from N = 6 on.
PuzzleClues domPuzzle(int n)
{
    PuzzleClues clues;
    clues.rows = clues.columns = 2 * n + 1;
    clues.rowClues.push_back({ 3 });
    for (int k = 1; k < n; ++k) {
        clues.rowClues.push_back({ 1 });
        clues.rowClues.push_back({ 3, 1 });
    }
    clues.rowClues.push_back({ 1 });
    clues.rowClues.push_back({ 1 });
    clues.columnClues.push_back({ 1 });
    clues.columnClues.push_back({ 1 });
    for (int k = 1; k < n; ++k) {
        clues.columnClues.push_back({ 1, 3 });
        clues.columnClues.push_back({ 1 });
    }
    clues.columnClues.push_back({ 3 });
    return clues;
}

std::vector<uint8_t> cellsOf(const std::vector<std::string> &picture)
{
    std::vector<uint8_t> cells;
    for (const std::string &row : picture)
        for (char cell : row)
            cells.push_back(cell == '#' ? CellFilled : CellEmpty);
    return cells;
}

bool linesOf(const PuzzleClues &clues, PuzzleLines &lines)
{
    return lines.readFrom(clues).empty();
}

// The one thing the proof must never do: call a solution unique while
// another exists. Every solution of small random puzzles (with and without
// some cells given) is put to it; the unique ones must sometimes be proved,
// or the check would say nothing.
TEST(LpUniqueness, NeverClaimsUniquenessWhenAnotherSolutionExists)
{
    if (!lpUniquenessAvailable())
        GTEST_SKIP() << "built without GLPK";
    std::mt19937 random(21);
    int provedUnique = 0;
    int multipleChecked = 0;
    for (int round = 0; round < 300; ++round) {
        const int rows = 2 + static_cast<int>(random() % 6);
        const int columns = 2 + static_cast<int>(random() % 6);
        const auto picture = randomPicture(rows, columns, round % 2 ? 0.6 : 0.45, random);
        const PuzzleClues clues = PuzzleClues::fromPicture(picture);
        PuzzleLines lines;
        ASSERT_TRUE(linesOf(clues, lines));
        std::vector<uint8_t> known(lines.cellCount(), CellUnknown);
        if (round % 3 == 0)
            for (int cell = 0; cell < lines.cellCount(); cell += 4)
                known[cell] = cellsOf(picture)[cell];
        std::vector<std::vector<uint8_t>> solutions;
        for (const auto &solution : bruteForceSolutions(clues, 1000)) {
            const std::vector<uint8_t> cells = cellsOf(solution);
            bool fits = true;
            for (int cell = 0; cell < lines.cellCount(); ++cell)
                fits = fits && (known[cell] == CellUnknown || known[cell] == cells[cell]);
            if (fits)
                solutions.push_back(cells);
        }
        ASSERT_FALSE(solutions.empty()) << "round " << round; // the picture itself fits
        const SolveOptions options;
        for (size_t k = 0; k < std::min<size_t>(solutions.size(), 3); ++k) {
            SolveBudget budget(options);
            const bool proved = lpProvesUnique(lines, known, solutions[k], budget);
            if (solutions.size() > 1) {
                EXPECT_FALSE(proved) << "round " << round << ": " << solutions.size()
                                     << " solutions, yet solution " << k << " called unique";
                ++multipleChecked;
            } else if (proved) {
                ++provedUnique;
            }
        }
    }
    EXPECT_GT(multipleChecked, 50);
    EXPECT_GT(provedUnique, 20);
}

TEST(LpUniqueness, ProvesTheDomFamilyUniqueWithNothingKnown)
{
    if (!lpUniquenessAvailable())
        GTEST_SKIP() << "built without GLPK";
    for (int n : { 6, 8, 11 }) {
        const PuzzleClues clues = domPuzzle(n);
        const SolveResult result = solveClues(clues);
        ASSERT_EQ(result.verdict, Verdict::Unique) << n << "-Dom";
        PuzzleLines lines;
        ASSERT_TRUE(linesOf(clues, lines));
        const std::vector<uint8_t> solution(result.solution.begin(), result.solution.end());
        const std::vector<uint8_t> known(solution.size(), CellUnknown);
        const SolveOptions options;
        SolveBudget budget(options);
        EXPECT_TRUE(lpProvesUnique(lines, known, solution, budget)) << n << "-Dom";

        // A grid that is not the solution is at distance 1 or more from it,
        // inside the relaxation: no proof of its uniqueness either.
        std::vector<uint8_t> wrong = solution;
        wrong[0] = wrong[0] == CellFilled ? CellEmpty : CellFilled;
        EXPECT_FALSE(lpProvesUnique(lines, known, wrong, budget)) << n << "-Dom, one cell off";
    }
}

TEST(LpUniqueness, ClaimsNothingOnceCancelled)
{
    const PuzzleClues clues = domPuzzle(6);
    const SolveResult result = solveClues(clues);
    ASSERT_EQ(result.verdict, Verdict::Unique);
    PuzzleLines lines;
    ASSERT_TRUE(linesOf(clues, lines));
    std::atomic<bool> cancel { true };
    SolveOptions options;
    options.cancel = &cancel;
    SolveBudget budget(options);
    const std::vector<uint8_t> solution(result.solution.begin(), result.solution.end());
    EXPECT_FALSE(lpProvesUnique(lines, std::vector<uint8_t>(solution.size(), CellUnknown), solution,
                                budget));
}

} // namespace
