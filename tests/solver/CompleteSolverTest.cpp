#include "BruteForceCount.h"
#include "RandomPicture.h"
#include "SolverTestHelpers.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace zd;

namespace {

// Checks a result against the solutions an enumeration found (all of them, or
// the first two when there are more).
void expectAgreesWithEnumeration(const PuzzleClues &clues, const SolveResult &result,
                                 const std::vector<std::vector<std::string>> &solutions)
{
    switch (solutions.size()) {
    case 0:
        EXPECT_EQ(result.verdict, Verdict::None);
        break;
    case 1:
        ASSERT_EQ(result.verdict, Verdict::Unique);
        EXPECT_EQ(pictureOf(result.solution, clues.columns), solutions[0]);
        EXPECT_EQ(result.known, result.solution);
        break;
    default:
        ASSERT_EQ(result.verdict, Verdict::Multiple);
        EXPECT_NE(result.solution, result.other);
        EXPECT_TRUE(clues.isSolvedBy(result.solution));
        EXPECT_TRUE(clues.isSolvedBy(result.other));
        EXPECT_EQ(result.grade, Grade::Search);
    }
}

std::vector<std::string> fourByFour(unsigned bits)
{
    std::vector<std::string> picture(4, std::string(4, '.'));
    for (int i = 0; i < 16; ++i)
        if (bits >> i & 1u)
            picture[i / 4][i % 4] = '#';
    return picture;
}

// Pictures with the same clues are exactly the solutions of those clues.
TEST(CompleteSolver, EveryFourByFourPuzzleGetsTheVerdictOfItsSolutionCount)
{
    std::map<std::pair<std::vector<std::vector<int>>, std::vector<std::vector<int>>>,
             std::vector<unsigned>>
        picturesByClues;
    for (unsigned bits = 0; bits < (1u << 16); ++bits) {
        const PuzzleClues clues = PuzzleClues::fromPicture(fourByFour(bits));
        picturesByClues[{ clues.rowClues, clues.columnClues }].push_back(bits);
    }
    for (const auto &[key, pictures] : picturesByClues) {
        const PuzzleClues clues = PuzzleClues::fromPicture(fourByFour(pictures[0]));
        const SolveResult result = solveClues(clues);
        std::vector<std::vector<std::string>> solutions;
        for (size_t i = 0; i < pictures.size() && i < 2; ++i)
            solutions.push_back(fourByFour(pictures[i]));
        expectAgreesWithEnumeration(clues, result, solutions);
        if (HasFailure())
            FAIL() << "first picture " << pictures[0];
    }
}

// Made-up clues mostly have no solution; pictures supply the rest.
TEST(CompleteSolver, RandomFiveByFiveCluesAgreeWithEnumeration)
{
    const std::vector<std::vector<int>> fiveCellClues
        = { { 0 },    { 1 },    { 2 },    { 3 },    { 4 },    { 5 },      { 1, 1 },
            { 1, 2 }, { 2, 1 }, { 1, 3 }, { 3, 1 }, { 2, 2 }, { 1, 1, 1 } };
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        PuzzleClues clues;
        if (round % 2 == 0) {
            clues = PuzzleClues::fromPicture(randomPicture(5, 5, 0.5, random));
        } else {
            clues.rows = clues.columns = 5;
            for (int i = 0; i < 5; ++i) {
                clues.rowClues.push_back(fiveCellClues[random() % fiveCellClues.size()]);
                clues.columnClues.push_back(fiveCellClues[random() % fiveCellClues.size()]);
            }
        }
        expectAgreesWithEnumeration(clues, solveClues(clues), bruteForceSolutions(clues, 2));
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

TEST(CompleteSolver, RandomPicturesUpToTenByTenAgreeWithIndependentCount)
{
    std::mt19937 random(10);
    for (int round = 0; round < 120; ++round) {
        const int rows = 6 + round % 5;
        const int columns = 10 - round % 4;
        const double density = round % 3 == 0 ? 0.7 : 0.5;
        const auto picture = randomPicture(rows, columns, density, random);
        const PuzzleClues clues = PuzzleClues::fromPicture(picture);
        const SolveResult result = solveClues(clues);
        expectAgreesWithEnumeration(clues, result, bruteForceSolutions(clues, 2));
        EXPECT_TRUE(knownAgreesWith(result.known, picture));
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

// At larger sizes no enumeration is feasible: the picture itself is a
// solution, so it must be the unique one or one of two that differ, and the
// cells decided for sure must agree with it.
TEST(CompleteSolver, LargerRandomPicturesGiveSolutionsThatMeetTheClues)
{
    std::mt19937 random(25);
    for (int round = 0; round < 12; ++round) {
        const int size = 15 + round;
        const auto picture = randomPicture(size, size, round % 2 ? 0.6 : 0.5, random);
        const PuzzleClues clues = PuzzleClues::fromPicture(picture);
        const SolveResult result = solveCompletely(clues);
        ASSERT_NE(result.verdict, Verdict::None);
        ASSERT_NE(result.verdict, Verdict::Undecided);
        EXPECT_TRUE(clues.isSolvedBy(result.solution));
        EXPECT_TRUE(knownAgreesWith(result.known, picture));
        if (result.verdict == Verdict::Unique)
            EXPECT_EQ(pictureOf(result.solution, size), picture);
        else
            EXPECT_TRUE(clues.isSolvedBy(result.other));
    }
}

// Lines of 64 cells and more are solved between their settled ends, in
// positions shifted to the start of the word: a shift that is off by one
// decides wrong cells, which the picture catches.
TEST(CompleteSolver, LongLinesDecideTheCellsOfThePicture)
{
    std::mt19937 random(64);
    for (int round = 0; round < 8; ++round) {
        const int longSide = 64 + 9 * round;
        const int shortSide = 4 + round % 4;
        const int rows = round % 2 ? longSide : shortSide;
        const int columns = round % 2 ? shortSide : longSide;
        const auto picture = randomPicture(rows, columns, 0.7, random);
        const PuzzleClues clues = PuzzleClues::fromPicture(picture);
        const SolveResult result = solveCompletely(clues);
        ASSERT_TRUE(result.verdict == Verdict::Unique || result.verdict == Verdict::Multiple)
            << "round " << round;
        EXPECT_TRUE(clues.isSolvedBy(result.solution));
        EXPECT_TRUE(knownAgreesWith(result.known, picture)) << "round " << round;
        if (result.verdict == Verdict::Multiple) {
            EXPECT_TRUE(clues.isSolvedBy(result.other));
        }
    }
}

} // namespace
