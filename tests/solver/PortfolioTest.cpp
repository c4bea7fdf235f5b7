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
        SolveBudget budget(options, { 0, seed, nullptr });
        std::vector<std::vector<uint8_t>> solutions;
        ConflictSearch(lines, budget).findUpToTwoSolutions(nothingKnown, solutions);
        counts.push_back(solutions.size());
        solutions.clear();
        if (satFallbackAvailable()) {
            satFindUpToTwoSolutions(lines, nothingKnown, budget, solutions);
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
        { "pictures 6", 6, 0.5, false, 20 },           { "pictures 10", 10, 0.5, false, 10 },
        { "dense pictures 12", 12, 0.7, false, 6 },    { "pictures 20", 20, 0.5, false, 4 },
        { "pictures 25", 25, 0.5, false, 3 },          { "swapped row clues 6", 6, 0.5, true, 20 },
        { "swapped row clues 10", 10, 0.5, true, 10 },
    };
    std::mt19937 random(3);
    int seen[3] = {};
    for (const Case &c : cases)
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
    EXPECT_GT(seen[0], 0) << "no contradictory puzzle in the table";
    EXPECT_GT(seen[1], 0) << "no unique puzzle in the table";
    EXPECT_GT(seen[2], 0) << "no puzzle with several solutions in the table";
}

enum class Act { Decide, Wait, GiveUp, Fail };

void act(Act what, SolveBudget &budget, SolveResult &result)
{
    switch (what) {
    case Act::Decide:
        result.verdict = Verdict::None;
        return;
    case Act::Wait: // only the stop flag ends this: there is no time limit
        while (!budget.exhaustedNow())
            std::this_thread::yield();
        return;
    case Act::GiveUp:
        return;
    case Act::Fail:
        throw std::runtime_error("out of memory");
    }
}

// Stand-in searchers (the conflict-driven ones act one way, the others
// another) show who wins, that the winner stops the rest, that a failure
// surfaces only when nobody decided, and that every thread has ended.
TEST(Portfolio, FirstDecidedSearcherStopsTheOthersAndAllEnd)
{
    struct RaceCase
    {
        const char *name;
        Act cdcl;
        Act sat;
        bool throws;
    };
    const RaceCase cases[] = {
        { "a decided searcher stops the waiting ones", Act::Decide, Act::Wait, false },
        { "a decided searcher beats failing ones", Act::Decide, Act::Fail, false },
        { "a failure surfaces when nobody decides", Act::Fail, Act::GiveUp, true },
    };
    for (const RaceCase &c : cases)
        for (const int threads : { 2, 3, 4 }) {
            SCOPED_TRACE(std::string(c.name) + ", threads " + std::to_string(threads));
            std::atomic<int> started { 0 };
            std::atomic<int> running { 0 };
            SolveOptions options;
            options.threads = threads;
            SolveResult result;
            result.rows = 7;
            const PortfolioSolve searcher = [&](SolveBudget &budget, SolveResult &own) {
                ++started;
                ++running;
                struct Leave
                {
                    std::atomic<int> &count;
                    ~Leave() { --count; }
                } leave { running };
                act(budget.engine() == SolverEngine::Cdcl ? c.cdcl : c.sat, budget, own);
            };
            if (c.throws) {
                EXPECT_THROW(solveAsPortfolio(options, searcher, result), std::runtime_error);
            } else {
                solveAsPortfolio(options, searcher, result);
                EXPECT_EQ(result.verdict, Verdict::None);
                EXPECT_EQ(result.rows, 7);
            }
            EXPECT_EQ(started.load(), threads);
            EXPECT_EQ(running.load(), 0);
        }
}

// Cancelling stops every searcher, before the start or from the progress
// callback, which only the calling thread runs.
TEST(Portfolio, CancelledRaceIsUndecidedWithSureCellsOnly)
{
    std::mt19937 random(99);
    const auto picture = randomPicture(99, 99, 0.5, random);
    const PuzzleClues clues = PuzzleClues::fromPicture(picture);
    for (const bool fromCallback : { false, true }) {
        SCOPED_TRACE(fromCallback ? "from the callback" : "before the start");
        std::atomic<bool> cancel { !fromCallback };
        std::atomic<bool> otherThreadReported { false };
        const std::thread::id caller = std::this_thread::get_id();
        SolveOptions options;
        options.threads = 3;
        options.cancel = &cancel;
        options.progress = [&](const SolveProgress &) {
            if (std::this_thread::get_id() != caller)
                otherThreadReported = true;
            cancel = true;
        };
        const SolveResult result = solveClues(clues, options);
        ASSERT_EQ(result.verdict, Verdict::Undecided);
        EXPECT_EQ(result.known.size(), 99u * 99u);
        EXPECT_TRUE(knownAgreesWith(result.known, picture));
        EXPECT_FALSE(otherThreadReported.load());
    }
}

} // namespace
