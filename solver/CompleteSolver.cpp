#include "CompleteSolver.h"

#include "CMalovanaKrizovka.h"
#include "Probing.h"
#include "Propagation.h"
#include "PuzzleLines.h"
#include "Search.h"
#include "SolutionCheck.h"
#include "SolveBudget.h"

#include <algorithm>

// The driver: line reasoning first, probing when it gets stuck, search when
// probing does. The grade names the first stage that finished the puzzle.

namespace {

SolverGrid toSolverGrid(const std::vector<uint8_t> &cells)
{
    return SolverGrid(cells.begin(), cells.end());
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
    Outcome outcome = grid.propagate();
    result.grade = Grade::Line;
    if (outcome == Outcome::Consistent && !grid.isSolved()) {
        budget.progress.decidedCells = decidedCells(grid);
        result.grade = Grade::Probe;
        outcome = prober.reachFixpoint();
    }
    std::vector<std::vector<uint8_t>> solutions;
    if (outcome == Outcome::Consistent && grid.isSolved())
        solutions.push_back(grid.grid());
    else if (outcome == Outcome::Consistent) {
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
    if (outcome == Outcome::Stopped || !verified) {
        result.verdict = Verdict::Timeout;
        result.grade = Grade::Search;
        result.known = toSolverGrid(grid.grid());
        if (verified && !solutions.empty())
            result.solution = toSolverGrid(solutions.front());
        return;
    }
    if (solutions.empty()) {
        result.verdict = Verdict::None;
        result.grade = Grade::Search;
        return;
    }
    result.solution = toSolverGrid(solutions.front());
    if (solutions.size() == 1) {
        result.verdict = Verdict::Unique;
        result.known = result.solution;
        return;
    }
    result.verdict = Verdict::Multiple;
    result.grade = Grade::Search;
    result.other = toSolverGrid(solutions[1]);
    result.known = toSolverGrid(grid.grid());
}

} // namespace

SolveResult solveCompletely(const CMalovanaKrizovka &model, const SolveOptions &options)
{
    SolveBudget budget(options);
    SolveResult result;
    result.rows = std::max(0, static_cast<int>(model.rowCount()));
    result.columns = std::max(0, static_cast<int>(model.columnCount()));
    PuzzleLines lines;
    result.problem = lines.readFrom(model);
    if (result.problem.empty())
        solveLines(lines, budget, result);
    else
        result.verdict = Verdict::None;
    result.seconds = budget.elapsedSeconds();
    return result;
}

bool solutionMatchesClues(const CMalovanaKrizovka &model, const SolverGrid &grid)
{
    PuzzleLines lines;
    if (!lines.readFrom(model).empty() || grid.size() != static_cast<size_t>(lines.cellCount()))
        return false;
    std::vector<uint8_t> cells(grid.size());
    for (size_t i = 0; i < grid.size(); ++i) {
        if (grid[i] != CellEmpty && grid[i] != CellFilled)
            return false;
        cells[i] = static_cast<uint8_t>(grid[i]);
    }
    return gridMatchesClues(lines, cells);
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
    case Verdict::Timeout:
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
