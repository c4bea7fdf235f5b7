#include "Propagation.h"

#include "CMalovanaKrizovka.h"
#include "SolveBudget.h"

#include <algorithm>

Propagator::Propagator(const PuzzleLines &puzzleLines, SolveBudget &solveBudget)
    : lines(puzzleLines)
    , budget(solveBudget)
    , cells(static_cast<size_t>(puzzleLines.cellCount()), CellUnknown)
    , queue(static_cast<size_t>(puzzleLines.lineCount()))
    , queued(static_cast<size_t>(puzzleLines.lineCount()), 0)
{
    trail.reserve(cells.size());
    const int longest = std::max(lines.rows(), lines.columns());
    lineCells.resize(longest);
    lineDecided.resize(longest);
}

bool Propagator::assign(int cell, uint8_t state)
{
    if (cells[cell] != CellUnknown)
        return cells[cell] == state;
    cells[cell] = state;
    trail.push_back(cell);
    queueLine(lines.rowOf(cell));
    queueLine(lines.columnLineOf(cell));
    return true;
}

void Propagator::queueLine(int line)
{
    if (queued[line])
        return;
    queued[line] = 1;
    size_t tail = queueHead + queueSize;
    if (tail >= queue.size())
        tail -= queue.size();
    queue[tail] = line;
    ++queueSize;
}

void Propagator::queueAllLines()
{
    for (int line = 0; line < lines.lineCount(); ++line)
        queueLine(line);
}

void Propagator::clearQueue()
{
    while (queueSize > 0) {
        queued[queue[queueHead]] = 0;
        queueHead = queueHead + 1 == queue.size() ? 0 : queueHead + 1;
        --queueSize;
    }
}

Outcome Propagator::propagate()
{
    while (queueSize > 0) {
        if (budget.exhausted()) {
            clearQueue();
            return Outcome::Stopped;
        }
        const int line = queue[queueHead];
        queueHead = queueHead + 1 == queue.size() ? 0 : queueHead + 1;
        --queueSize;
        queued[line] = 0;
        if (!solveLine(line)) {
            clearQueue();
            return Outcome::Contradiction;
        }
    }
    return Outcome::Consistent;
}

// Solves one line and decides its newly forced cells. The line itself stays
// out of the queue: the exact solver finds nothing more in its own output.
bool Propagator::solveLine(int line)
{
    ++solveCount;
    const int length = lines.lineLength(line);
    for (int p = 0; p < length; ++p)
        lineCells[p] = cells[lines.cellAt(line, p)];
    if (!lineSolver.solve(lines.clues(line), lines.clueCount(line), lineCells.data(), length,
                          lineDecided.data()))
        return false;
    const bool row = lines.isRow(line);
    for (int p = 0; p < length; ++p) {
        if (lineDecided[p] == lineCells[p])
            continue;
        const int cell = lines.cellAt(line, p);
        cells[cell] = lineDecided[p];
        trail.push_back(cell);
        queueLine(row ? lines.columnLineOf(cell) : lines.rowOf(cell));
    }
    return true;
}

void Propagator::undo(size_t trailMark)
{
    for (size_t i = trailMark; i < trail.size(); ++i)
        cells[trail[i]] = CellUnknown;
    trail.resize(trailMark);
}
