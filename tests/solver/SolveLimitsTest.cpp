#include "RandomPicture.h"
#include "SolverTestHelpers.h"

#include <atomic>
#include <gtest/gtest.h>
#include <random>
#include <thread>

using namespace zd;

namespace {

// A random 99 x 99 picture: far too many near-solutions to finish in the
// moments these tests allow.
std::vector<std::string> hardPicture()
{
    std::mt19937 random(99);
    return randomPicture(99, 99, 0.5, random);
}

void expectCleanStop(const SolveResult &result, const std::vector<std::string> &picture)
{
    ASSERT_EQ(result.verdict, Verdict::Undecided);
    EXPECT_EQ(result.known.size(), picture.size() * picture[0].size());
    EXPECT_TRUE(knownAgreesWith(result.known, picture)); // only sure cells are kept
}

TEST(SolveLimits, CancelledBeforeStartStopsWithSureCellsOnly)
{
    const auto picture = hardPicture();
    const std::atomic<bool> cancel { true };
    SolveOptions options;
    options.cancel = &cancel;
    expectCleanStop(solveClues(PuzzleClues::fromPicture(picture), options), picture);
}

TEST(SolveLimits, TimeLimitEndsAHardPuzzle)
{
    const auto picture = hardPicture();
    SolveOptions options;
    options.timeLimitSeconds = 0.2;
    const SolveResult result = solveClues(PuzzleClues::fromPicture(picture), options);
    expectCleanStop(result, picture);
    EXPECT_GE(result.seconds, 0.2);
}

// The window cancels from its own thread while the solver reports progress.
TEST(SolveLimits, CancelFromAnotherThreadStopsAndProgressWasReported)
{
    const auto picture = hardPicture();
    std::atomic<bool> cancel { false };
    std::atomic<int> reports { 0 };
    std::atomic<bool> sane { true };
    SolveOptions options;
    options.cancel = &cancel;
    options.progress = [&](const SolveProgress &progress) {
        ++reports;
        if (progress.totalCells != 99 * 99 || progress.decidedCells < 0
            || progress.decidedCells > progress.totalCells || progress.searchNodes < 0)
            sane = false;
    };
    SolveResult result;
    std::thread solver([&] { result = solveClues(PuzzleClues::fromPicture(picture), options); });
    while (reports.load() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    cancel = true;
    solver.join();
    expectCleanStop(result, picture);
    EXPECT_TRUE(sane.load());
}

TEST(SolveLimits, UnlimitedSolveOfAnEasyPuzzleIsNotCutShort)
{
    const std::atomic<bool> cancel { false };
    SolveOptions options;
    options.cancel = &cancel;
    options.timeLimitSeconds = 600;
    const std::vector<std::string> staircase = { "#..", "##.", "###" };
    const SolveResult result = solveClues(PuzzleClues::fromPicture(staircase), options);
    EXPECT_EQ(result.verdict, Verdict::Unique);
    EXPECT_EQ(pictureOf(result.solution, 3), staircase);
}

} // namespace
