#include "ColourSolver.h"

#include "ColourPropagation.h"
#include "ColourSearch.h"
#include "SolveBudget.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace zd {

// The driver for colour puzzles, staged as for black and white: line
// reasoning, probing when it gets stuck, search when probing does, and the
// SAT solver when search makes too many guesses. The grade names the first
// stage that finished the puzzle.

namespace {

// Guesses search makes before it hands a puzzle to the SAT solver: enough
// for puzzles that a few guesses settle, few enough that a puzzle whose tree
// keeps growing goes over soon.
constexpr int64_t searchNodesBeforeSat = 2000;

ColourGrid toColourGrid(const ColourCells &cells, bool onlyDecided)
{
    ColourGrid grid(cells.size(), colourUnknown);
    for (size_t i = 0; i < cells.size(); ++i)
        if (!onlyDecided || isDecided(cells[i]))
            grid[i] = colourOfMask(cells[i]);
    return grid;
}

std::string structureProblem(const ColourPuzzle &puzzle)
{
    if (puzzle.rows < 0 || puzzle.columns < 0
        || puzzle.rowClues.size() != static_cast<size_t>(puzzle.rows)
        || puzzle.columnClues.size() != static_cast<size_t>(puzzle.columns))
        return "the clue lists do not match the puzzle's size";
    if (puzzle.palette.empty() || puzzle.palette.size() > static_cast<size_t>(maxColours))
        return "the palette must hold 1 to " + std::to_string(maxColours) + " colours";
    return puzzle.obviousProblem();
}

// The SAT hand-over, raced by `threads` differently seeded copies; the
// first that decides answers and the others stop.
ColourStep raceSat(const ColourLines &lines, const ColourCells &cells, SolveBudget &budget,
                   std::vector<ColourCells> &solutions)
{
    const int threads = std::max(1, budget.threads());
    if (threads == 1)
        return colourSatSolutions(lines, cells, budget, solutions, 0);
    std::atomic<bool> raceOver { false };
    std::atomic<int> winner { -1 };
    SolveOptions quiet = budget.solveOptions();
    quiet.progress = nullptr; // only the calling thread reports progress
    std::vector<std::vector<ColourCells>> found(static_cast<size_t>(threads), solutions);
    std::vector<ColourStep> steps(static_cast<size_t>(threads), ColourStep::Stopped);
    std::vector<std::thread> racers;
    racers.reserve(static_cast<size_t>(threads));
    for (int t = 0; t < threads; ++t)
        racers.emplace_back([&, t] {
            SolveBudget own(budget, quiet, RaceEntry { static_cast<uint32_t>(t), &raceOver });
            steps[t] = colourSatSolutions(lines, cells, own, found[t], static_cast<uint32_t>(t));
            int none = -1;
            if (steps[t] != ColourStep::Stopped && winner.compare_exchange_strong(none, t))
                raceOver = true;
        });
    for (std::thread &racer : racers)
        racer.join();
    if (winner < 0)
        return ColourStep::Stopped;
    solutions = std::move(found[winner]);
    return steps[winner];
}

void solveStages(const ColourPuzzle &puzzle, SolveBudget &budget, ColourSolveResult &result)
{
    const ColourLines lines(puzzle);
    ColourPropagator propagator(lines, budget);
    const int colours = static_cast<int>(puzzle.palette.size());
    const ColourMask all = colours >= 32 ? ~ColourMask(0) : (ColourMask(1) << colours) - 1;
    ColourCells cells(static_cast<size_t>(lines.cellCount()), all);
    budget.progress.totalCells = lines.cellCount();
    const auto decided = [&] {
        budget.progress.decidedCells
            = static_cast<int>(std::count_if(cells.begin(), cells.end(), isDecided));
    };

    ColourStep step = propagator.propagateAll(cells);
    result.grade = Grade::Line;
    if (step == ColourStep::Consistent && !allDecided(cells)) {
        decided();
        result.grade = Grade::Probe;
        step = probeColours(propagator, cells, budget, result.probes);
    }
    std::vector<ColourCells> solutions;
    if (step == ColourStep::Consistent && allDecided(cells))
        solutions.push_back(cells);
    else if (step == ColourStep::Consistent) {
        decided();
        result.grade = Grade::Search;
        const bool handOver = colourSatAvailable();
        ColourSearch search(propagator, budget, handOver ? searchNodesBeforeSat : -1);
        step = search.findUpToTwo(cells, solutions);
        result.searchNodes = search.nodeCount();
        if (step == ColourStep::Stopped && search.hitNodeLimit())
            step = raceSat(lines, cells, budget, solutions);
    }

    // A reported grid must meet every clue: a wrong answer is worse than none.
    const bool verified = std::all_of(solutions.begin(), solutions.end(), [&](const auto &grid) {
        return puzzle.isSolvedBy(toColourGrid(grid, false));
    });
    result.known = toColourGrid(cells, true);
    if (step == ColourStep::Stopped || !verified) {
        result.verdict = Verdict::Undecided;
        result.grade = Grade::Search;
        if (verified && !solutions.empty())
            result.solution = toColourGrid(solutions.front(), false);
        return;
    }
    if (solutions.empty()) {
        result.verdict = Verdict::None;
        result.grade = Grade::Search;
        result.known.clear();
        return;
    }
    result.solution = toColourGrid(solutions.front(), false);
    if (solutions.size() == 1) {
        result.verdict = Verdict::Unique;
        result.known = result.solution;
        return;
    }
    result.verdict = Verdict::Multiple;
    result.grade = Grade::Search;
    result.other = toColourGrid(solutions[1], false);
}

} // namespace

ColourSolveResult solveColourCompletely(const ColourPuzzle &puzzle, const SolveOptions &options)
{
    SolveBudget budget(options);
    ColourSolveResult result;
    result.rows = std::max(0, puzzle.rows);
    result.columns = std::max(0, puzzle.columns);
    result.problem = structureProblem(puzzle);
    if (result.problem.empty())
        solveStages(puzzle, budget, result);
    else
        result.verdict = Verdict::None;
    result.seconds = budget.elapsedSeconds();
    return result;
}

} // namespace zd
