// The solve driver: validates the clues, then sweeps all rows and all columns
// through the line solver, cycle after cycle, until the grid is complete or a
// cycle decides nothing new. A cycle is one quick pass; only when that
// decides nothing does an exhaustive pass follow, and the exhaustive pass
// stops at the first line it improves so that the cheap method can take the
// new cells further.

#include "CMalovanaKrizovka.h"

#include <cstdio>

namespace {

// Where a progress report comes from; see solve() in the header.
constexpr int EndOfRowSweep = -2;
constexpr int NoLine = -1;

void report(ProgressCallback callback, CMalovanaKrizovka *model, int row, int column, int userValue)
{
    if (callback)
        callback(model, row, column, userValue);
}

} // namespace

int CMalovanaKrizovka::checkClueSums()
{
    int64_t rowTotal = 0;
    int64_t columnTotal = 0;
    bool everyLineHasClues = true;
    for (const ClueList &list : rowClueLists) {
        everyLineHasClues = everyLineHasClues && !list.empty();
        for (const Clue &clue : list)
            rowTotal += clue.length;
    }
    for (const ClueList &list : columnClueLists) {
        everyLineHasClues = everyLineHasClues && !list.empty();
        for (const Clue &clue : list)
            columnTotal += clue.length;
    }
    const int64_t cells = static_cast<int64_t>(rows) * columns;
    rowTarget = rowTotal + cells;
    columnTarget = columnTotal + cells;
    const bool acceptable = rowTotal == columnTotal && rows > 0 && columns > 0 && everyLineHasClues;
    return acceptable ? 0 : 1;
}

int64_t CMalovanaKrizovka::gridSum() const
{
    int64_t sum = 0;
    for (int32_t state : grid)
        sum += state;
    return sum;
}

int CMalovanaKrizovka::solve(ProgressCallback callback, int userValue)
{
    if (checkClueSums() != 0)
        return 1;
    computeAllBlockRanges();
    stepCounter = 0;
    passCounter = 0;
    fastMode = 1;
    grid.assign(static_cast<std::size_t>(rows) * columns, CellUnknown);

    int64_t currentSum = 0;
    int64_t previousSum = 0;
    for (bool firstCycle = true;; firstCycle = false) {
        bool changed = runPass(callback, userValue);
        if (fastMode == 1 && !changed) {
            fastMode = 0;
            changed = runPass(callback, userValue);
        }
        previousSum = currentSum;
        currentSum = gridSum();
        if (changed)
            fastMode = 1;
        // Decided cells never change, so the sum only grows, and reaching the
        // target means every cell is decided; the clues may still admit no
        // grid, which only the final check can tell.
        if (currentSum == rowTarget)
            return currentSum == columnTarget && isSolved() ? 0 : 2;
        if (!firstCycle && currentSum == previousSum)
            return 2;
    }
}

// One sweep over all rows, then all columns. An exhaustive sweep stops after
// the first line that reports a change; the changed flag covers the whole
// pass, so after such a row the column sweep solves column 0 only.
bool CMalovanaKrizovka::runPass(ProgressCallback callback, int userValue)
{
    std::printf("%d\n", fastMode);
    ++passCounter;
    bool changed = false;
    bool stop = false;
    int r = 0;
    for (; r < rows && !stop; ++r) {
        changed = solveRow(static_cast<int16_t>(r), &stepCounter) != 0 || changed;
        if (fastMode == 0 && changed)
            stop = true;
        report(callback, this, r + 1, NoLine, userValue);
    }
    report(callback, this, EndOfRowSweep, EndOfRowSweep, userValue);
    stop = false;
    int c = 0;
    for (; c < columns && !stop; ++c) {
        changed = solveColumn(static_cast<int16_t>(c), &stepCounter) != 0 || changed;
        if (fastMode == 0 && changed)
            stop = true;
        report(callback, this, NoLine, c + 1, userValue);
    }
    if (!stop && r == rows && c == columns)
        report(callback, this, NoLine, NoLine, userValue);
    return changed;
}
