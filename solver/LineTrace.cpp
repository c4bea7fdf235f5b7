#include "LineTrace.h"

#include <algorithm>
#include <utility>

namespace zd {

LineTrace::LineTrace(const PuzzleLines &puzzleLines, std::vector<uint8_t> grid)
    : lines(&puzzleLines)
    , cells(std::move(grid))
    , unknown(static_cast<int>(std::count(cells.begin(), cells.end(), uint8_t(0))))
    , queuedAt(static_cast<size_t>(puzzleLines.lineCount()), -1)
{ }

CellFact LineTrace::fact(int cell) const
{
    const int columns = lines->columns();
    return { cell / columns, cell % columns, static_cast<CellState>(cells[cell]) };
}

void LineTrace::queue(int line, int level)
{
    const auto slot = static_cast<size_t>(line);
    if (queuedAt[slot] >= 0 && queuedAt[slot] <= level)
        return;
    queuedAt[slot] = static_cast<int8_t>(level);
    waiting[level].push_back(line);
}

void LineTrace::queueAllLines()
{
    for (int line = 0; line < lines->lineCount(); ++line)
        queue(line, 0);
}

void LineTrace::decide(int cell, uint8_t state)
{
    if (cells[cell] == 0)
        --unknown;
    cells[cell] = state;
    queue(lines->rowOf(cell), 0);
    queue(lines->columnLineOf(cell), 0);
}

LineTrace::Next LineTrace::next(LineStep &step)
{
    for (int level = 0; level < levels; ++level) {
        while (!waiting[level].empty()) {
            const int line = waiting[level].front();
            waiting[level].pop_front();
            if (queuedAt[static_cast<size_t>(line)] != level)
                continue; // moved to an easier queue meanwhile
            queuedAt[static_cast<size_t>(line)] = -1;
            const int found = look(line, level, step);
            if (found == -2)
                return Next::Conflict;
            if (found != level)
                continue;
            for (const CellFact &cell : step.cells)
                decide(cell.row * lines->columns() + cell.column, static_cast<uint8_t>(cell.state));
            return Next::Step;
        }
    }
    return Next::Fixpoint;
}

int LineTrace::look(int line, int wanted, LineStep &step)
{
    const int length = lines->lineLength(line);
    buffer.resize(static_cast<size_t>(length));
    for (int p = 0; p < length; ++p)
        buffer[static_cast<size_t>(p)] = cells[lines->cellAt(line, p)];
    std::vector<int> positions;
    std::vector<uint8_t> states;
    const int level = easiestCandidates(line, positions, states);
    if (level == -2) {
        step = {};
        step.isRow = lines->isRow(line);
        step.index = step.isRow ? line : line - lines->rows();
        premises.find(lines->clues(line), lines->clueCount(line), buffer.data(), length, -1, 0,
                      kept);
        for (int p : kept)
            step.because.push_back(fact(lines->cellAt(line, p)));
        return level;
    }
    if (level > wanted)
        queue(line, level);
    if (level == wanted)
        fillStep(line, level, positions, states, step);
    return level;
}

// The cells of the easiest technique that decides something on the line:
// for overlap and spaces those of the first block or gap that has any.
int LineTrace::easiestCandidates(int line, std::vector<int> &positions,
                                 std::vector<uint8_t> &states)
{
    const int length = lines->lineLength(line);
    const int *clues = lines->clues(line);
    const int blocks = lines->clueCount(line);
    if (!placements.build(clues, blocks, buffer.data(), length))
        return -2;
    const auto collect = [&](int from, int to, uint8_t state) {
        for (int p = std::max(from, 0); p < std::min(to, length); ++p)
            if (buffer[static_cast<size_t>(p)] == 0) {
                positions.push_back(p);
                states.push_back(state);
            }
        return !positions.empty();
    };
    for (int b = 0; b < blocks; ++b)
        if (collect(placements.latestStart(b), placements.earliestStart(b) + clues[b], 2)) {
            blockOrGap = b;
            return 0;
        }
    for (int gap = 0; gap <= blocks; ++gap) {
        const int from = gap == 0 ? 0 : placements.latestStart(gap - 1) + clues[gap - 1];
        const int to = gap == blocks ? length : placements.earliestStart(gap);
        if (collect(from, to, 1)) {
            blockOrGap = gap;
            return 1;
        }
    }
    for (int p = 0; p < length; ++p) {
        if (buffer[static_cast<size_t>(p)] != 0)
            continue;
        if (!placements.allows(p, 1))
            collect(p, p + 1, 2);
        else if (!placements.allows(p, 2))
            collect(p, p + 1, 1);
    }
    blockOrGap = -1;
    return positions.empty() ? -1 : 2;
}

// The premises of the first candidate, and every candidate that follows from
// them alone: a step whose premises are all needed.
void LineTrace::fillStep(int line, int level, const std::vector<int> &positions,
                         const std::vector<uint8_t> &states, LineStep &step)
{
    const int length = lines->lineLength(line);
    const int *clues = lines->clues(line);
    const int blocks = lines->clueCount(line);
    step = {};
    step.technique = static_cast<Technique>(level);
    step.isRow = lines->isRow(line);
    step.index = step.isRow ? line : line - lines->rows();
    step.block = blockOrGap;
    if (level == 0) {
        step.earliest = placements.earliestStart(blockOrGap);
        step.latest = placements.latestStart(blockOrGap);
    } else if (level == 1) {
        step.earliest = blockOrGap < blocks ? placements.earliestStart(blockOrGap) : -1;
        step.latest = blockOrGap > 0 ? placements.latestStart(blockOrGap - 1) : -1;
    }
    premises.find(clues, blocks, buffer.data(), length, positions[0], states[0], kept);
    premiseLine.assign(static_cast<size_t>(length), 0);
    for (int p : kept) {
        premiseLine[static_cast<size_t>(p)] = buffer[static_cast<size_t>(p)];
        step.because.push_back(fact(lines->cellAt(line, p)));
    }
    placements.build(clues, blocks, premiseLine.data(), length);
    for (size_t i = 0; i < positions.size(); ++i) {
        const uint8_t other = states[i] == 1 ? 2 : 1;
        if (i > 0 && placements.allows(positions[i], other))
            continue;
        CellFact cell = fact(lines->cellAt(line, positions[i]));
        cell.state = static_cast<CellState>(states[i]);
        step.cells.push_back(cell);
    }
}

} // namespace zd
