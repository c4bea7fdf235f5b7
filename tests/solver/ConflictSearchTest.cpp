#include "ConflictSearch.h"

#include "BruteForceCount.h"
#include "CMalovanaKrizovkaFromFile.h"
#include "GridVerification.h"
#include "LineReasons.h"
#include "RandomPicture.h"
#include "SolveBudget.h"
#include "SolverTestHelpers.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using namespace zd;

namespace {

bool literalHolds(const std::vector<std::string> &solution, int literal, int columns)
{
    const int cell = literal >> 1;
    return (solution[cell / columns][cell % columns] == '#') == ((literal & 1) != 0);
}

bool agrees(const std::vector<std::string> &solution, const std::vector<uint8_t> &known,
            int columns)
{
    for (size_t cell = 0; cell < known.size(); ++cell) {
        const char mark = solution[cell / columns][cell % columns];
        if (known[cell] != CellUnknown && (mark == '#') != (known[cell] == CellFilled))
            return false;
    }
    return true;
}

struct Case
{
    const char *name;
    int smallest;
    int largest;
    bool mixedClues; // rows from one picture, columns from another: often no solution
    double givenShare; // share of cells given from a picture
    double density = 0.5;
    int rounds = 200;
};

// The engine against brute-force enumeration: the same count (0, 1, 2 or
// more) on small puzzles with and without given cells, every reported grid
// a solution, and no learned clause excluding a solution other than the
// first one reported (which the search blocks on purpose).
TEST(ConflictSearch, AgreesWithEnumerationAndLearnsOnlySoundClauses)
{
    const Case cases[] = {
        { "pictures 5-6", 5, 6, false, 0 },
        { "pictures 8-10", 8, 10, false, 0 },
        { "pictures 7-10 with givens", 7, 10, false, 0.05 },
        { "sparse pictures 9-10", 9, 10, false, 0, 0.35, 60 },
        { "mixed clues 5-6", 5, 6, true, 0 },
        { "mixed clues 5-7 with givens", 5, 7, true, 0.03 },
    };
    std::mt19937 random(14);
    int64_t clausesChecked = 0; // clause and solution pairs
    int64_t learnedClauses = 0;
    for (const Case &test : cases) {
        int verdicts[3] = {};
        for (int round = 0; round < test.rounds; ++round) {
            const int rows
                = test.smallest + static_cast<int>(random() % (test.largest - test.smallest + 1));
            const int columns
                = test.smallest + static_cast<int>(random() % (test.largest - test.smallest + 1));
            const std::vector<std::string> picture
                = randomPicture(rows, columns, test.density, random);
            PuzzleClues clues = PuzzleClues::fromPicture(picture);
            if (test.mixedClues)
                clues.columnClues
                    = PuzzleClues::fromPicture(randomPicture(rows, columns, 0.5, random))
                          .columnClues;
            PuzzleLines lines;
            if (!lines.readFrom(clues).empty())
                continue;
            std::vector<uint8_t> known(lines.cellCount(), CellUnknown);
            std::bernoulli_distribution given(test.givenShare);
            for (int cell = 0; cell < lines.cellCount(); ++cell)
                if (given(random))
                    known[cell]
                        = picture[cell / columns][cell % columns] == '#' ? CellFilled : CellEmpty;
            std::vector<std::vector<std::string>> expected;
            for (auto &solution : bruteForceSolutions(clues, 20'000))
                if (agrees(solution, known, columns))
                    expected.push_back(std::move(solution));

            const SolveOptions options;
            SolveBudget budget(options);
            zd::ConflictSearch search(lines, budget);
            std::vector<std::vector<uint8_t>> solutions;
            // Each clause with the number of solutions found (and blocked) before it.
            std::vector<std::pair<std::vector<int>, size_t>> learned;
            search.onLearned = [&](const std::vector<int> &clause) {
                learned.emplace_back(clause, solutions.size());
            };
            ASSERT_EQ(search.findUpToTwoSolutions(known, solutions), Outcome::Consistent);
            const std::string where = std::string(test.name) + " round " + std::to_string(round);
            ASSERT_EQ(solutions.size(), std::min<size_t>(expected.size(), 2)) << where;
            ++verdicts[solutions.size()];
            for (const auto &solution : solutions) {
                EXPECT_TRUE(gridMatchesClues(lines, solution)) << where;
                EXPECT_TRUE(agrees(pictureOfCells(solution, columns), known, columns)) << where;
            }
            if (solutions.size() == 2) {
                EXPECT_NE(solutions[0], solutions[1]) << where;
            }
            const std::vector<std::string> first = solutions.empty()
                ? std::vector<std::string> {}
                : pictureOfCells(solutions[0], columns);
            learnedClauses += static_cast<int64_t>(learned.size());
            for (const auto &solution : expected) {
                for (const auto &[clause, blockedBefore] : learned) {
                    if (blockedBefore > 0 && solution == first)
                        continue;
                    ++clausesChecked;
                    bool satisfied = false;
                    for (int literal : clause)
                        satisfied = satisfied || literalHolds(solution, literal, columns);
                    ASSERT_TRUE(satisfied) << where << ": a learned clause excludes a solution";
                }
            }
        }
        // Each kind of case must reach the verdicts it is meant to test.
        if (!test.mixedClues) {
            EXPECT_GT(verdicts[1] + verdicts[2], 0) << test.name;
        } else {
            EXPECT_GT(verdicts[0], 0) << test.name;
        }
    }
    EXPECT_GT(learnedClauses, 200);
    EXPECT_GT(clausesChecked, 1000);
}

// The word-wide feasibility check against the plain one on random lines.
TEST(ConflictSearch, ShortFeasibilityAgreesWithPlainCheck)
{
    std::mt19937 random(7);
    zd::LineReasons reasons;
    for (int round = 0; round < 20'000; ++round) {
        const int length = 1 + static_cast<int>(random() % 63);
        const std::vector<std::string> picture = randomPicture(1, length, 0.6, random);
        std::vector<int> clues = PuzzleClues::cluesOfLine(picture[0]);
        if (clues.size() == 1 && clues[0] == 0)
            clues.clear();
        if (round % 3 == 0 && !clues.empty())
            clues[random() % clues.size()] += 1; // often infeasible
        std::vector<uint8_t> states(length, CellUnknown);
        for (uint8_t &state : states)
            state = static_cast<uint8_t>(random() % 5 < 3   ? CellUnknown
                                             : random() % 2 ? CellFilled
                                                            : CellEmpty);
        // The plain check: the same line padded past 63 cells with a
        // trailing empty stretch cannot differ from the line itself.
        std::vector<uint8_t> padded = states;
        padded.resize(70, CellEmpty);
        EXPECT_EQ(
            reasons.feasible(clues.data(), static_cast<int>(clues.size()), states.data(), length),
            reasons.feasible(clues.data(), static_cast<int>(clues.size()), padded.data(), 70))
            << "round " << round;
    }
}

// On the benchmark sets' small puzzles the engine alone, from nothing
// known, gives the verdict of the default solver.
TEST(ConflictSearch, AgreesWithDefaultSolverOnSmallBenchPuzzles)
{
    const std::filesystem::path bench = BENCH_FOLDER;
    if (!std::filesystem::exists(bench / "jwilk"))
        GTEST_SKIP() << "no benchmark puzzles next to the project";
    int compared = 0;
    for (const char *set : { "jwilk", "webpbn", "random-25x25" }) {
        std::vector<std::filesystem::path> files;
        for (const auto &entry : std::filesystem::directory_iterator(bench / set))
            if (entry.path().extension() == ".zd")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        if (files.size() > 60)
            files.resize(60);
        for (const auto &file : files) {
            CMalovanaKrizovkaFromFile model;
            model.load(file.c_str());
            ASSERT_TRUE(model.lastError().empty()) << file;
            const SolveResult reference = solveCompletely(model);
            PuzzleLines lines;
            ASSERT_EQ(lines.readFrom(PuzzleClues::fromModel(model)), "");
            SolveOptions options;
            options.timeLimitSeconds = 20;
            SolveBudget budget(options);
            zd::ConflictSearch search(lines, budget);
            std::vector<std::vector<uint8_t>> solutions;
            const std::vector<uint8_t> nothing(lines.cellCount(), CellUnknown);
            ASSERT_EQ(search.findUpToTwoSolutions(nothing, solutions), Outcome::Consistent) << file;
            const Verdict verdict = solutions.empty() ? Verdict::None
                : solutions.size() == 1               ? Verdict::Unique
                                                      : Verdict::Multiple;
            EXPECT_EQ(verdictName(verdict), std::string(verdictName(reference.verdict))) << file;
            for (const auto &solution : solutions)
                EXPECT_TRUE(gridMatchesClues(lines, solution)) << file;
            ++compared;
        }
    }
    EXPECT_GT(compared, 100);
}

} // namespace
