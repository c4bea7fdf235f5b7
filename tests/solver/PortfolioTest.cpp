#include "Portfolio.h"

#include "CellState.h"
#include "ConflictSearch.h"
#include "PuzzleLines.h"
#include "RandomPicture.h"
#include "SatFallback.h"
#include "SolveBudget.h"
#include "SolverTestHelpers.h"

#include <atomic>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <thread>
#include <utility>

using namespace zd;

namespace {

struct Case
{
    const char *name;
    int size;
    double density;
    bool swappedRows; // two row clues trade places: often no solution
    int rounds;
};

PuzzleClues generated(const Case &c, std::mt19937 &random)
{
    PuzzleClues clues = PuzzleClues::fromPicture(randomPicture(c.size, c.size, c.density, random));
    if (c.swappedRows)
        std::swap(clues.rowClues[random() % c.size], clues.rowClues[random() % c.size]);
    return clues;
}

void expectSameAnswer(const PuzzleClues &clues, const SolveResult &alone, const SolveResult &raced)
{
    ASSERT_EQ(raced.verdict, alone.verdict);
    EXPECT_EQ(raced.grade, alone.grade);
    EXPECT_EQ(raced.rows, alone.rows);
    if (alone.verdict == Verdict::Unique) {
        EXPECT_EQ(raced.solution, alone.solution);
    }
    if (alone.verdict == Verdict::Multiple) {
        EXPECT_NE(raced.solution, raced.other);
        EXPECT_TRUE(clues.isSolvedBy(raced.solution));
        EXPECT_TRUE(clues.isSolvedBy(raced.other));
    }
}

// 0, 1 or 2 solutions from each seeded engine alone, from nothing known.
std::vector<size_t> seededCounts(const PuzzleClues &clues)
{
    PuzzleLines lines;
    EXPECT_EQ(lines.readFrom(clues), "");
    const std::vector<uint8_t> nothingKnown(lines.cellCount(), CellUnknown);
    const SolveOptions options;
    std::vector<size_t> counts;
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        SolveBudget budget(options, { seed, nullptr });
        std::vector<std::vector<uint8_t>> solutions;
        EXPECT_EQ(ConflictSearch(lines, budget).findUpToTwoSolutions(nothingKnown, solutions),
                  PropagationResult::Consistent);
        counts.push_back(solutions.size());
        solutions.clear();
        if (satFallbackAvailable()) {
            EXPECT_EQ(satFindUpToTwoSolutions(lines, nothingKnown, budget, solutions),
                      PropagationResult::Consistent);
            counts.push_back(solutions.size());
        }
    }
    return counts;
}

size_t solutionCount(Verdict verdict)
{
    return verdict == Verdict::None ? 0 : verdict == Verdict::Unique ? 1 : 2;
}

// Racing searches decide as the one search does (which of several solutions
// they show may differ), whichever engine searcher 0 runs; each seeded
// engine alone finds as many solutions as there are.
TEST(Portfolio, RacingSearchesGiveTheOneThreadVerdict)
{
    const Case cases[] = {
        { "pictures 6", 6, 0.5, false, 20 },
        { "pictures 10", 10, 0.5, false, 10 },
        { "dense pictures 12", 12, 0.7, false, 6 },
        { "pictures 20", 20, 0.5, false, 4 },
        { "pictures 25", 25, 0.5, false, 3 },
        { "swapped row clues 6", 6, 0.5, true, 20 },
        { "swapped row clues 10", 10, 0.5, true, 10 },
        // Search hands about a third of these over, so the searches race.
        { "sparse pictures 20", 20, 0.35, false, 12 },
    };
    int seen[3] = {};
    for (const Case &c : cases) {
        std::mt19937 random(3);
        for (int round = 0; round < c.rounds; ++round) {
            SCOPED_TRACE(std::string(c.name) + ", round " + std::to_string(round));
            const PuzzleClues clues = generated(c, random);
            for (const SolverEngine engine : { SolverEngine::Sat, SolverEngine::Cdcl }) {
                SolveOptions options;
                options.engine = engine;
                const SolveResult alone = solveClues(clues, options);
                ASSERT_NE(alone.verdict, Verdict::Undecided);
                ++seen[solutionCount(alone.verdict)];
                for (const int threads : { 2, 3 }) {
                    options.threads = threads;
                    expectSameAnswer(clues, alone, solveClues(clues, options));
                }
                if (c.size <= 12) {
                    for (const size_t count : seededCounts(clues))
                        EXPECT_EQ(count, solutionCount(alone.verdict));
                }
            }
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_GT(seen[0], 0) << "no contradictory puzzle in the table";
    EXPECT_GT(seen[1], 0) << "no unique puzzle in the table";
    EXPECT_GT(seen[2], 0) << "no puzzle with several solutions in the table";
}

enum class Act { Decide, Wait, GiveUp, Fail, Cancel };
enum class Outcome { FirstWins, AnotherWins, NoneDecides, Throws };

// Stand-in searchers (searcher 0 acts one way, the others another) show
// who wins, that the winner stops the rest, that the caller's cancel flag
// and time limit stop them all, that a failure surfaces only when nobody
// decided, and that every thread has ended on return.
TEST(Portfolio, FirstDecidedSearcherStopsTheOthersAndAllEnd)
{
    struct RaceCase
    {
        const char *name;
        Act first;
        Act others;
        Outcome outcome;
        double timeLimit = 0;
    };
    const RaceCase cases[] = {
        { "another deciding stops searcher 0", Act::Wait, Act::Decide, Outcome::AnotherWins },
        { "searcher 0 deciding stops the others", Act::Decide, Act::Wait, Outcome::FirstWins },
        { "a decided answer beats failures", Act::Fail, Act::Decide, Outcome::AnotherWins },
        { "a failure surfaces when nobody decides", Act::GiveUp, Act::Fail, Outcome::Throws },
        { "cancelling stops them all", Act::Cancel, Act::Wait, Outcome::NoneDecides },
        { "the time limit stops them all", Act::Wait, Act::Wait, Outcome::NoneDecides, 0.05 },
    };
    for (const RaceCase &c : cases)
        for (const int threads : { 2, 3, 4 }) {
            SCOPED_TRACE(std::string(c.name) + ", threads " + std::to_string(threads));
            std::atomic<bool> cancel { false };
            std::atomic<int> started { 0 };
            std::atomic<int> running { 0 };
            SolveOptions options;
            options.threads = threads;
            options.cancel = &cancel;
            options.timeLimitSeconds = c.timeLimit;
            SolveBudget budget(options);
            const RacedSearch search = [&](int searcher, SolveBudget &own) {
                ++started;
                ++running;
                switch (searcher == 0 ? c.first : c.others) {
                case Act::Decide:
                    break;
                case Act::Cancel:
                    cancel = true;
                    [[fallthrough]];
                case Act::Wait: // only a stop ends this: without one the test hangs
                    while (!own.exhaustedNow())
                        std::this_thread::yield();
                    [[fallthrough]];
                case Act::GiveUp:
                    --running;
                    return false;
                case Act::Fail:
                    --running;
                    throw std::runtime_error("out of memory");
                }
                --running;
                return true;
            };
            if (c.outcome == Outcome::Throws) {
                EXPECT_THROW(raceSearches(budget, search), std::runtime_error);
            } else {
                const int winner = raceSearches(budget, search);
                EXPECT_EQ(winner < 0, c.outcome == Outcome::NoneDecides) << winner;
                EXPECT_EQ(winner == 0, c.outcome == Outcome::FirstWins) << winner;
                EXPECT_LT(winner, threads);
            }
            EXPECT_EQ(started.load(), threads);
            EXPECT_EQ(running.load(), 0);
        }
}

} // namespace
