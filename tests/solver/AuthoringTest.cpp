#include "Authoring.h"

#include "BruteForceCount.h"
#include "RandomPicture.h"

#include <gtest/gtest.h>
#include <random>

using namespace zd;

namespace {

std::vector<std::pair<int, int>> pairsOf(const std::vector<GridCell> &cells)
{
    std::vector<std::pair<int, int>> pairs;
    for (const GridCell &cell : cells)
        pairs.emplace_back(cell.row, cell.column);
    return pairs;
}

// Small random pictures of every density, so that one, two and many
// solutions all occur; half of them hand over the solver's answer.
TEST(Authoring, AmbiguousCellsAreTheCellsWhereEnumeratedSolutionsDiffer)
{
    std::mt19937 random(21);
    int unique = 0;
    int two = 0;
    int many = 0;
    for (int round = 0; round < 400; ++round) {
        const int rows = 2 + static_cast<int>(random() % 6);
        const int columns = 2 + static_cast<int>(random() % 6);
        const double density = 0.2 + 0.15 * (round % 5);
        const PuzzleClues clues
            = PuzzleClues::fromPicture(randomPicture(rows, columns, density, random));
        const auto solutions = bruteForceSolutions(clues, 100'000);
        const SolveResult solved = solveCompletely(clues);
        AuthoringOptions options;
        if (round % 2 == 0)
            options.solved = &solved;
        const Ambiguity ambiguity = ambiguousCells(clues, options);
        SCOPED_TRACE(testing::Message()
                     << "round " << round << ", " << solutions.size() << " solutions");
        if (solutions.size() == 1) {
            ++unique;
            EXPECT_EQ(ambiguity.verdict, Verdict::Unique);
            EXPECT_TRUE(ambiguity.cells.empty());
        } else {
            (solutions.size() == 2 ? two : many) += 1;
            EXPECT_EQ(ambiguity.verdict, Verdict::Multiple);
            EXPECT_EQ(pairsOf(ambiguity.cells), differingCells(solutions));
        }
    }
    EXPECT_GT(unique, 20);
    EXPECT_GT(two, 20);
    EXPECT_GT(many, 20);
}

// Each picture found has exactly one solution, itself, by enumeration, and
// differs from the start in exactly the changes listed.
TEST(Authoring, MadeUniquePicturesHaveOneSolutionByEnumeration)
{
    std::mt19937 random(22);
    int changedPictures = 0;
    for (int round = 0; round < 150; ++round) {
        const int rows = 2 + static_cast<int>(random() % 6);
        const int columns = 2 + static_cast<int>(random() % 6);
        const std::vector<std::string> start
            = randomPicture(rows, columns, 0.3 + 0.1 * (round % 4), random);
        const bool startsUnique
            = bruteForceSolutions(PuzzleClues::fromPicture(start), 2).size() == 1;
        const UniquePicture made = makeUnique(start);
        SCOPED_TRACE(testing::Message() << "round " << round);
        ASSERT_TRUE(made.found) << made.problem;
        const auto solutions = bruteForceSolutions(PuzzleClues::fromPicture(made.picture), 2);
        ASSERT_EQ(solutions.size(), 1u);
        EXPECT_EQ(solutions[0], made.picture);
        std::vector<std::string> changed = start;
        for (const CellChange &change : made.changes) {
            char &cell
                = changed[static_cast<size_t>(change.row)][static_cast<size_t>(change.column)];
            EXPECT_NE(cell == '#', change.state == CellFilled) << "a change that changes nothing";
            cell = change.state == CellFilled ? '#' : '.';
        }
        EXPECT_EQ(changed, made.picture);
        EXPECT_EQ(made.changes.empty(), startsUnique);
        changedPictures += made.changes.empty() ? 0 : 1;
    }
    EXPECT_GT(changedPictures, 30);
}

TEST(Authoring, CancelledWorkReportsNoAnswer)
{
    const std::atomic<bool> cancelled { true };
    AuthoringOptions options;
    options.cancel = &cancelled;
    const std::vector<std::string> twoWays = { "#.", ".#" };
    EXPECT_EQ(ambiguousCells(PuzzleClues::fromPicture(twoWays), options).verdict,
              Verdict::Undecided);
    const UniquePicture made = makeUnique(twoWays, options);
    EXPECT_FALSE(made.found);
    EXPECT_TRUE(made.picture.empty());
}

} // namespace
