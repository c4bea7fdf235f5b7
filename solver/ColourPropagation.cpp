#include "ColourPropagation.h"

#include "SolveBudget.h"

#include <algorithm>

namespace zd {

ColourLines::ColourLines(const ColourPuzzle &puzzle)
    : rows(puzzle.rows)
    , columns(puzzle.columns)
    , colours(static_cast<int>(puzzle.palette.size()))
{
    lines.reserve(static_cast<size_t>(rows) + columns);
    for (const ColourLineClues &clues : puzzle.rowClues)
        lines.emplace_back(clues);
    for (const ColourLineClues &clues : puzzle.columnClues)
        lines.emplace_back(clues);
}

bool allDecided(const ColourCells &cells)
{
    return std::all_of(cells.begin(), cells.end(), isDecided);
}

ColourPropagator::ColourPropagator(const ColourLines &colourLines, SolveBudget &solveBudget)
    : lines(colourLines)
    , budget(solveBudget)
    , inQueue(static_cast<size_t>(colourLines.lineCount()), 0)
    , buffer(static_cast<size_t>(std::max(colourLines.rows, colourLines.columns)))
{ }

ColourStep ColourPropagator::propagate(ColourCells &cells, const std::vector<int> &queued)
{
    queue.clear();
    std::fill(inQueue.begin(), inQueue.end(), 0);
    const auto add = [this](int line) {
        if (!inQueue[line]) {
            inQueue[line] = 1;
            queue.push_back(line);
        }
    };
    for (int line : queued)
        add(line);
    for (size_t head = 0; head < queue.size(); ++head) {
        if (budget.exhausted())
            return ColourStep::Stopped;
        const int line = queue[head];
        inQueue[line] = 0;
        const bool isRow = line < lines.rows;
        const int index = isRow ? line : line - lines.rows;
        const int length = isRow ? lines.columns : lines.rows;
        const int stride = isRow ? 1 : lines.columns;
        ColourMask *first = &cells[isRow ? static_cast<size_t>(index) * lines.columns : index];
        for (int i = 0; i < length; ++i)
            buffer[i] = first[static_cast<ptrdiff_t>(i) * stride];
        ++solves;
        if (!lines.lines[line].solve(buffer.data(), length))
            return ColourStep::Contradiction;
        for (int i = 0; i < length; ++i) {
            ColourMask &cell = first[static_cast<ptrdiff_t>(i) * stride];
            if (cell == buffer[i])
                continue;
            cell = buffer[i];
            add(isRow ? lines.rows + i : i);
        }
        // Keep the queue from growing without end: drop what was handled.
        if (head > 4096 && head * 2 > queue.size()) {
            queue.erase(queue.begin(), queue.begin() + static_cast<ptrdiff_t>(head) + 1);
            head = static_cast<size_t>(-1);
        }
    }
    return ColourStep::Consistent;
}

ColourStep ColourPropagator::propagateAll(ColourCells &cells)
{
    std::vector<int> all(static_cast<size_t>(lines.lineCount()));
    for (int line = 0; line < lines.lineCount(); ++line)
        all[line] = line;
    return propagate(cells, all);
}

ColourStep ColourPropagator::propagateCell(ColourCells &cells, int cell)
{
    return propagate(cells, { cell / lines.columns, lines.rows + cell % lines.columns });
}

ColourStep ColourPropagator::propagateCells(ColourCells &cells, const std::vector<int> &changed)
{
    std::vector<int> queued;
    std::vector<uint8_t> seen(static_cast<size_t>(lines.lineCount()), 0);
    for (int cell : changed)
        for (int line : { cell / lines.columns, lines.rows + cell % lines.columns })
            if (!seen[line]) {
                seen[line] = 1;
                queued.push_back(line);
            }
    return propagate(cells, queued);
}

namespace {

// Probes one cell; narrows `cells` by what every colour's trial shows.
ColourStep probeCell(ColourPropagator &propagator, ColourCells &cells, int cell, int64_t &probes,
                     bool &changed)
{
    ColourCells agreed(cells.size(), 0);
    ColourCells trial;
    ColourMask survivors = 0;
    for (ColourMask rest = cells[cell]; rest != 0; rest &= rest - 1) {
        const ColourMask colour = rest & (~rest + 1);
        trial = cells;
        trial[cell] = colour;
        ++probes;
        const ColourStep step = propagator.propagateCell(trial, cell);
        if (step == ColourStep::Stopped)
            return step;
        if (step == ColourStep::Contradiction)
            continue;
        survivors |= colour;
        for (size_t i = 0; i < cells.size(); ++i)
            agreed[i] |= trial[i];
    }
    if (survivors == 0)
        return ColourStep::Contradiction;
    std::vector<int> touched;
    for (size_t i = 0; i < cells.size(); ++i)
        if ((cells[i] & agreed[i]) != cells[i]) {
            cells[i] &= agreed[i];
            touched.push_back(static_cast<int>(i));
        }
    if (touched.empty())
        return ColourStep::Consistent;
    changed = true;
    // The narrowed cells' lines are solved again on the main grid.
    return propagator.propagateCells(cells, touched);
}

} // namespace

ColourStep probeColours(ColourPropagator &propagator, ColourCells &cells, SolveBudget &budget,
                        int64_t &probes)
{
    // A cell probed since the grid last changed would show nothing new (its
    // own narrowing included: each trial then ends where it ended before).
    std::vector<int64_t> probedAt(cells.size(), -1);
    int64_t changes = 0;
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t cell = 0; cell < cells.size(); ++cell) {
            if (isDecided(cells[cell]) || probedAt[cell] == changes)
                continue;
            if (budget.exhaustedNow())
                return ColourStep::Stopped;
            bool narrowed = false;
            const ColourStep step
                = probeCell(propagator, cells, static_cast<int>(cell), probes, narrowed);
            if (step != ColourStep::Consistent)
                return step;
            if (narrowed) {
                ++changes;
                changed = true;
                if (allDecided(cells))
                    return ColourStep::Consistent;
            }
            probedAt[cell] = changes;
        }
    }
    return ColourStep::Consistent;
}

} // namespace zd
