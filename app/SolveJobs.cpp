#include "SolveJobs.h"

#include "CMalovanaKrizovka.h"
#include "JobRunner.h"

#include <chrono>

namespace zd {

namespace {

using Clock = std::chrono::steady_clock;
// Counting the decided cells reads the whole grid: do it a few times a second.
constexpr auto countInterval = std::chrono::milliseconds(50);

// The model's progress callback is a plain function with an int for the
// caller; the solve that is running on this thread is found here instead.
struct LineSolveState
{
    SolveControl *control = nullptr;
    Clock::time_point nextCount;
};
thread_local LineSolveState lineSolve;

// Thrown from the progress callback to leave the model's solver between two lines.
struct StopRequested
{
};

int decidedCells(const CMalovanaKrizovka &model)
{
    int decided = 0;
    for (int16_t row = 0; row < model.rowCount(); ++row)
        for (int16_t column = 0; column < model.columnCount(); ++column)
            decided += model.cell(row, column) != CellUnknown ? 1 : 0;
    return decided;
}

void afterLine(CMalovanaKrizovka *model, int, int, int)
{
    if (lineSolve.control->cancelled())
        throw StopRequested {};
    ++lineSolve.control->workDone;
    const Clock::time_point now = Clock::now();
    if (now < lineSolve.nextCount)
        return;
    lineSolve.nextCount = now + countInterval;
    lineSolve.control->decidedCells = decidedCells(*model);
}

} // namespace

std::optional<int> solveLinesStoppably(CMalovanaKrizovka &model, SolveControl &control)
{
    control.totalCells = static_cast<int>(std::max<int>(model.rowCount(), 0)
                                          * std::max<int>(model.columnCount(), 0));
    control.decidedCells = 0;
    control.workDone = 0;
    lineSolve = { &control, Clock::now() + countInterval };
    try {
        return model.solve(afterLine, 0);
    } catch (const StopRequested &) {
        return std::nullopt;
    }
}

namespace {

SolveOptions stoppableOptions(SolveControl &control)
{
    SolveOptions options;
    options.cancel = &control.cancel;
    options.progress = [&control](const SolveProgress &progress) {
        control.decidedCells = progress.decidedCells;
        control.totalCells = progress.totalCells;
        control.searchNodes = progress.searchNodes;
        control.workDone = progress.workDone;
    };
    return options;
}

CellGrid filledCellsOf(const ColourGrid &colours)
{
    CellGrid cells;
    cells.reserve(colours.size());
    for (int colour : colours)
        cells.push_back(colour == colourUnknown ? CellUnknown
                                                : (colour == 0 ? CellEmpty : CellFilled));
    return cells;
}

} // namespace

SolveResult solveCompletelyStoppably(const PuzzleClues &clues, SolveControl &control)
{
    return solveCompletely(clues, stoppableOptions(control));
}

ColourSolveResult solveColoursStoppably(const ColourPuzzle &puzzle, SolveControl &control)
{
    return solveColourCompletely(puzzle, stoppableOptions(control));
}

SolveResult blackAndWhiteOf(const ColourSolveResult &result)
{
    SolveResult shown;
    shown.verdict = result.verdict;
    shown.grade = result.grade;
    shown.rows = result.rows;
    shown.columns = result.columns;
    shown.solution = filledCellsOf(result.solution);
    shown.other = filledCellsOf(result.other);
    shown.known = filledCellsOf(result.known);
    shown.problem = result.problem;
    shown.seconds = result.seconds;
    shown.searchNodes = result.searchNodes;
    shown.probes = result.probes;
    return shown;
}

} // namespace zd
