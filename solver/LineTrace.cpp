#include "LineTrace.h"

#include <algorithm>
#include <utility>

namespace zd {

namespace {

std::shared_ptr<const std::vector<LineAutomaton>> automataOf(const PuzzleLines &lines)
{
    auto made
        = std::make_shared<std::vector<LineAutomaton>>(static_cast<size_t>(lines.lineCount()));
    for (int line = 0; line < lines.lineCount(); ++line)
        (*made)[static_cast<size_t>(line)].reset(lines.clues(line), lines.clueCount(line));
    return made;
}

} // namespace

LineTrace::LineTrace(const PuzzleLines &puzzleLines, std::vector<uint8_t> grid)
    : lines(&puzzleLines)
    , automata(automataOf(puzzleLines))
    , cells(std::move(grid))
    , unknown(static_cast<int>(std::count(cells.begin(), cells.end(), uint8_t(0))))
    , queuedAt(static_cast<size_t>(puzzleLines.lineCount()), -1)
    , found(static_cast<size_t>(puzzleLines.lineCount()))
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
    for (const int line : { lines->rowOf(cell), lines->columnLineOf(cell) }) {
        found[static_cast<size_t>(line)].valid = false;
        queue(line, 0);
    }
}

LineTrace::Next LineTrace::next(LineStep &step)
{
    if (!ready.empty()) {
        step = std::move(ready.front());
        ready.pop_front();
        for (const CellFact &cell : step.cells)
            decide(cell.row * lines->columns() + cell.column, static_cast<uint8_t>(cell.state));
        return Next::Step;
    }
    for (int level = 0; level < levels; ++level) {
        while (!waiting[level].empty()) {
            const int line = waiting[level].front();
            waiting[level].pop_front();
            if (queuedAt[static_cast<size_t>(line)] != level)
                continue; // moved to an easier queue meanwhile
            queuedAt[static_cast<size_t>(line)] = -1;
            const int easiest = look(line, level, step);
            if (easiest == -2)
                return Next::Conflict;
            if (easiest == level)
                return next(step);
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
    Found &known = found[static_cast<size_t>(line)];
    if (!known.valid) {
        known.level = easiestCandidates(line, known);
        known.valid = true;
    }
    const int level = known.level;
    if (level != -2 && level != wanted) {
        if (level > wanted)
            queue(line, level);
        return level;
    }
    // Found at an earlier look (or by the trace this one was copied from):
    // the tables are another line's now.
    if (tablesLine != line || tablesOver != buffer.data()) {
        placements.build((*automata)[static_cast<size_t>(line)], buffer.data(), length);
        tablesLine = line;
        tablesOver = buffer.data();
    }
    if (level == -2) {
        step = {};
        step.isRow = lines->isRow(line);
        step.index = step.isRow ? line : line - lines->rows();
        premises.find(placements, buffer.data(), length, -1, 0, kept);
        step.because.reserve(kept.size());
        for (int p : kept)
            step.because.push_back(fact(lines->cellAt(line, p)));
        return level;
    }
    if (level == wanted)
        for (const Group &group : known.groups)
            splitByPremises(line, level, known, group);
    return level;
}

// The cells of the easiest technique that decides something on the line, in
// groups: for overlap one per block, for spaces one per gap, for the rest one.
int LineTrace::easiestCandidates(int line, Found &known)
{
    const int length = lines->lineLength(line);
    const int *clues = lines->clues(line);
    const int blocks = lines->clueCount(line);
    std::vector<Group> &groups = known.groups;
    std::vector<std::pair<int, uint8_t>> &candidates = known.cells;
    groups.clear();
    candidates.clear();
    tablesLine = line;
    tablesOver = buffer.data();
    if (!placements.build((*automata)[static_cast<size_t>(line)], buffer.data(), length))
        return -2;
    const auto collect = [&](int from, int to, uint8_t state, int blockOrGap) {
        Group group;
        group.blockOrGap = blockOrGap;
        group.begin = candidates.size();
        for (int p = std::max(from, 0); p < std::min(to, length); ++p)
            if (buffer[static_cast<size_t>(p)] == 0)
                candidates.emplace_back(p, state);
        group.end = candidates.size();
        if (group.begin == group.end)
            return;
        if (blockOrGap >= 0 && state == CellFilled) {
            group.earliest = placements.earliestStart(blockOrGap);
            group.latest = placements.latestStart(blockOrGap);
        } else if (blockOrGap >= 0) {
            group.earliest = blockOrGap < blocks ? placements.earliestStart(blockOrGap) : -1;
            group.latest = blockOrGap > 0 ? placements.latestStart(blockOrGap - 1) : -1;
        }
        groups.push_back(group);
    };
    for (int b = 0; b < blocks; ++b)
        collect(placements.latestStart(b), placements.earliestStart(b) + clues[b], CellFilled, b);
    if (!groups.empty())
        return 0;
    for (int gap = 0; gap <= blocks; ++gap) {
        const int from = gap == 0 ? 0 : placements.latestStart(gap - 1) + clues[gap - 1];
        const int to = gap == blocks ? length : placements.earliestStart(gap);
        collect(from, to, CellEmpty, gap);
    }
    if (!groups.empty())
        return 1;
    for (int p = 0; p < length; ++p) {
        if (buffer[static_cast<size_t>(p)] != 0)
            continue;
        if (!placements.allows(p, CellEmpty))
            candidates.emplace_back(p, CellFilled);
        else if (!placements.allows(p, CellFilled))
            candidates.emplace_back(p, CellEmpty);
    }
    if (candidates.empty())
        return -1;
    Group group;
    group.end = candidates.size();
    groups.push_back(group);
    return 2;
}

// Steps of one group, each with the premises of its first cell and every
// other cell of the group that follows from them alone: a step whose premises
// are all needed. Cells that need more wait for the next step.
void LineTrace::splitByPremises(int line, int level, const Found &known, const Group &group)
{
    const int length = lines->lineLength(line);
    const LineAutomaton &automaton = (*automata)[static_cast<size_t>(line)];
    pending.assign(known.cells.begin() + static_cast<std::ptrdiff_t>(group.begin),
                   known.cells.begin() + static_cast<std::ptrdiff_t>(group.end));
    while (!pending.empty()) {
        LineStep step;
        step.technique = static_cast<Technique>(level);
        step.isRow = lines->isRow(line);
        step.index = step.isRow ? line : line - lines->rows();
        step.block = group.blockOrGap;
        step.earliest = group.earliest;
        step.latest = group.latest;
        const auto [first, firstState] = pending.front();
        premises.find(placements, buffer.data(), length, first, firstState, kept);
        premiseLine.assign(static_cast<size_t>(length), 0);
        step.because.reserve(kept.size());
        for (int p : kept) {
            premiseLine[static_cast<size_t>(p)] = buffer[static_cast<size_t>(p)];
            step.because.push_back(fact(lines->cellAt(line, p)));
        }
        const bool several = pending.size() > 1;
        if (several)
            premiseTables.build(automaton, premiseLine.data(), length, false);
        later.clear();
        step.cells.reserve(pending.size());
        for (size_t i = 0; i < pending.size(); ++i) {
            const auto [position, state] = pending[i];
            if (i > 0
                && premiseTables.allows(position, state == CellEmpty ? CellFilled : CellEmpty)) {
                later.emplace_back(position, state);
                continue;
            }
            CellFact cell = fact(lines->cellAt(line, position));
            cell.state = static_cast<CellState>(state);
            step.cells.push_back(cell);
        }
        ready.push_back(std::move(step));
        pending.swap(later);
    }
}

} // namespace zd
