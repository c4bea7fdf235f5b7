#include "CompleteSolver.h"

#include "GridVerification.h"
#include "Probing.h"
#include "Propagation.h"
#include "PuzzleLines.h"
#include "Search.h"
#include "SolveBudget.h"

#include <algorithm>

namespace zd {

// The driver: line reasoning first, probing when it gets stuck, search when
// probing does. The grade names the first stage that finished the puzzle.

namespace {

CellGrid toCellGrid(const std::vector<uint8_t> &cells)
{
    CellGrid grid(cells.size());
    std::transform(cells.begin(), cells.end(), grid.begin(),
                   [](uint8_t cell) { return static_cast<CellState>(cell); });
    return grid;
}

int decidedCells(const Propagator &grid)
{
    return static_cast<int>(grid.grid().size()) - grid.unknownCount();
}

// Runs the stages on a fresh grid; fills verdict, grade and grids.
void solveLines(const PuzzleLines &lines, SolveBudget &budget, SolveResult &result)
{
    Propagator grid(lines, budget);
    Prober prober(lines, grid);
    Search search(lines, grid, prober, budget);
    budget.progress.totalCells = lines.cellCount();

    grid.queueAllLines();
    PropagationResult outcome = grid.propagate();
    result.grade = Grade::Line;
    if (outcome == PropagationResult::Consistent && !grid.isSolved()) {
        budget.progress.decidedCells = decidedCells(grid);
        result.grade = Grade::Probe;
        outcome = prober.reachFixpoint();
    }
    std::vector<std::vector<uint8_t>> solutions;
    if (outcome == PropagationResult::Consistent && grid.isSolved())
        solutions.push_back(grid.grid());
    else if (outcome == PropagationResult::Consistent) {
        budget.progress.decidedCells = decidedCells(grid);
        result.grade = Grade::Search;
        outcome = search.findUpToTwoSolutions();
        solutions = search.solutions();
    }
    result.probes = prober.probeCount();
    result.searchNodes = search.nodeCount();

    // A reported grid must meet every clue: a wrong answer is worse than none.
    const bool verified = std::all_of(solutions.begin(), solutions.end(), [&](const auto &cells) {
        return gridMatchesClues(lines, cells);
    });
    if (outcome == PropagationResult::Stopped || !verified) {
        result.verdict = Verdict::Undecided;
        result.grade = Grade::Search;
        result.known = toCellGrid(grid.grid());
        if (verified && !solutions.empty())
            result.solution = toCellGrid(solutions.front());
        return;
    }
    if (solutions.empty()) {
        result.verdict = Verdict::None;
        result.grade = Grade::Search;
        return;
    }
    result.solution = toCellGrid(solutions.front());
    if (solutions.size() == 1) {
        result.verdict = Verdict::Unique;
        result.known = result.solution;
        return;
    }
    result.verdict = Verdict::Multiple;
    result.grade = Grade::Search;
    result.other = toCellGrid(solutions[1]);
    result.known = toCellGrid(grid.grid());
}

} // namespace

SolveResult solveCompletely(const PuzzleClues &clues, const SolveOptions &options)
{
    SolveBudget budget(options);
    SolveResult result;
    result.rows = std::max(0, clues.rows);
    result.columns = std::max(0, clues.columns);
    PuzzleLines lines;
    result.problem = lines.readFrom(clues);
    if (result.problem.empty())
        solveLines(lines, budget, result);
    else
        result.verdict = Verdict::None;
    result.seconds = budget.elapsedSeconds();
    return result;
}

SolveResult solveCompletely(const CMalovanaKrizovka &model, const SolveOptions &options)
{
    return solveCompletely(PuzzleClues::fromModel(model), options);
}

const char *verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Unique:
        return "unique";
    case Verdict::Multiple:
        return "multiple";
    case Verdict::None:
        return "none";
    case Verdict::Undecided:
        break;
    }
    return "timeout";
}

const char *gradeName(Grade grade)
{
    switch (grade) {
    case Grade::Line:
        return "line";
    case Grade::Probe:
        return "probe";
    case Grade::Search:
        break;
    }
    return "search";
}

} // namespace zd
