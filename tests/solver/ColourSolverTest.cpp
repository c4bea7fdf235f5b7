#include "ColourSolver.h"

#include "ColourBruteForce.h"
#include "ColourLine.h"
#include "ColourPropagation.h"
#include "ColourSearch.h"
#include "SolveBudget.h"

#include <gtest/gtest.h>
#include <random>

namespace zd {
namespace {

TEST(ColourLineTest, NarrowsExactlyToWhatSomePlacementGives)
{
    std::mt19937 random(7);
    for (int length = 1; length <= 7; ++length) {
        const std::vector<std::vector<int>> colourings = allColourings(length, 3);
        for (int round = 0; round < 60; ++round) {
            // Clues of a random line, so that most cases fit; masks random and never empty.
            const ColourGrid line = randomGrid(length, 3, 0.4, random);
            const ColourLineClues clues = colourCluesOfLine(line.data(), length);
            std::vector<ColourMask> masks(static_cast<size_t>(length));
            for (ColourMask &mask : masks)
                mask = std::uniform_int_distribution<ColourMask>(1, 7)(random);
            std::vector<ColourMask> expected(masks.size(), 0);
            bool any = false;
            for (const std::vector<int> &cells : colourings) {
                bool allowed = true;
                for (int i = 0; i < length; ++i)
                    allowed = allowed && (masks[i] >> cells[i] & 1U);
                if (!allowed || colourCluesOfLine(cells.data(), length) != clues)
                    continue;
                any = true;
                for (int i = 0; i < length; ++i)
                    expected[i] |= ColourMask(1) << cells[i];
            }
            std::vector<ColourMask> solved = masks;
            ASSERT_EQ(ColourLine(clues).solve(solved.data(), length), any)
                << "length " << length << " round " << round;
            if (any) {
                EXPECT_EQ(solved, expected) << "length " << length << " round " << round;
            }
        }
    }
}

// The verdict of each way to finish a puzzle against enumeration, on random
// small puzzles, some made impossible by moving one clue's colour.
TEST(ColourSolverTest, VerdictsAgreeWithEnumeration)
{
    std::mt19937 random(11);
    int seen[3] = {};
    for (int round = 0; round < 150; ++round) {
        const int rows = 2 + round % 3;
        const int columns = 2 + (round / 3) % 3;
        const int colours = 3 + round % 2;
        ColourPuzzle puzzle = colourPuzzleOfGrid(
            testPalette(colours), rows, columns,
            randomGrid(rows * columns, colours, 0.3 + 0.1 * (round % 4), random));
        if (round % 5 == 4 && !puzzle.rowClues[0].empty())
            puzzle.rowClues[0][0].colour = puzzle.rowClues[0][0].colour % (colours - 1) + 1;
        const std::vector<ColourGrid> expected = bruteForceSolutions(puzzle);
        ++seen[std::min<size_t>(expected.size(), 2)];
        const ColourSolveResult result = solveColourCompletely(puzzle);
        const Verdict verdict = expected.empty() ? Verdict::None
            : expected.size() == 1               ? Verdict::Unique
                                                 : Verdict::Multiple;
        ASSERT_EQ(result.verdict, verdict) << "round " << round;
        if (verdict == Verdict::Unique) {
            EXPECT_EQ(result.solution, expected.front()) << "round " << round;
        }
        if (verdict == Verdict::Multiple) {
            EXPECT_TRUE(puzzle.isSolvedBy(result.solution) && puzzle.isSolvedBy(result.other));
            EXPECT_NE(result.solution, result.other);
        }
        // Search alone and the SAT encoding alone, from nothing decided.
        const ColourLines lines(puzzle);
        const SolveOptions options;
        SolveBudget budget(options);
        ColourPropagator propagator(lines, budget);
        const ColourCells open(static_cast<size_t>(rows * columns), (1U << colours) - 1);
        std::vector<ColourCells> searched;
        ColourCells start = open;
        if (propagator.propagateAll(start) == ColourStep::Consistent)
            ColourSearch(propagator, budget, -1).findUpToTwo(start, searched);
        EXPECT_EQ(searched.size(), expected.size()) << "search, round " << round;
        // Seeds other than 0 are the racing configurations of --threads.
        for (const uint32_t seed : { 0U, 3U }) {
            if (!colourSatAvailable())
                break;
            std::vector<ColourCells> satisfied;
            colourSatSolutions(lines, open, budget, satisfied, seed);
            EXPECT_EQ(satisfied.size(), expected.size()) << "SAT, round " << round;
        }
    }
    // The generated puzzles reach every verdict.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
}

// Two blocks of one colour on a diagonal: no line decides a cell, so a
// cancel or a time limit already over stops the solve at probing with
// nothing decided.
TEST(ColourSolverTest, CancelAndTimeLimitStopAPuzzleThatNeedsGuessing)
{
    ColourPuzzle puzzle = colourPuzzleOfGrid(testPalette(3), 2, 2, { 1, 0, 0, 1 });
    EXPECT_EQ(solveColourCompletely(puzzle).verdict, Verdict::Multiple);
    std::atomic<bool> cancel { true };
    for (const bool cancelled : { true, false }) {
        SolveOptions options;
        options.cancel = cancelled ? &cancel : nullptr;
        options.timeLimitSeconds = cancelled ? 0 : 1e-9;
        const ColourSolveResult stopped = solveColourCompletely(puzzle, options);
        EXPECT_EQ(stopped.verdict, Verdict::Undecided) << cancelled;
        EXPECT_EQ(stopped.known, ColourGrid(4, colourUnknown)) << cancelled;
    }
}

} // namespace
} // namespace zd
