#include "Propagation.h"

#include "CellState.h"
#include "LineBits.h"
#include "SettledEnds.h"
#include "SolveBudget.h"

#include <algorithm>

namespace zd {

Propagator::Propagator(const PuzzleLines &puzzleLines, SolveBudget &solveBudget)
    : lines(puzzleLines)
    , budget(solveBudget)
    , cells(static_cast<size_t>(puzzleLines.cellCount()), CellUnknown)
    , queue(static_cast<size_t>(puzzleLines.lineCount()))
    , queued(static_cast<size_t>(puzzleLines.lineCount()), 0)
    , lineCells(puzzleLines)
{
    trail.reserve(cells.size());
    const int longest = std::max(lines.rows(), lines.columns());
    for (auto *set : { &decidedFilled, &decidedEmpty, &partFilled, &partEmpty, &partDecidedFilled,
                       &partDecidedEmpty })
        set->resize(LineSolver::wordsFor(longest));
}

bool Propagator::assign(int cell, uint8_t state)
{
    if (cells[cell] != CellUnknown)
        return cells[cell] == state;
    cells[cell] = state;
    trail.push_back(cell);
    lineCells.markCell(cell, state);
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

PropagationResult Propagator::propagate()
{
    while (queueSize > 0) {
        if (budget.exhausted()) {
            clearQueue();
            return PropagationResult::Stopped;
        }
        const int line = queue[queueHead];
        queueHead = queueHead + 1 == queue.size() ? 0 : queueHead + 1;
        --queueSize;
        queued[line] = 0;
        if (!solveLine(line)) {
            clearQueue();
            return PropagationResult::Contradiction;
        }
    }
    return PropagationResult::Consistent;
}

// Solves one line and decides its newly forced cells. The line itself stays
// out of the queue: the exact solver finds nothing more in its own output.
bool Propagator::solveLine(int line)
{
    const int length = lines.lineLength(line);
    const int words = LineSolver::wordsFor(length);
    const uint64_t *filled = lineCells.filled(line);
    const uint64_t *empty = lineCells.empty(line);
    if (!solveOpenPart(line, filled, empty))
        return false;
    for (int w = 0; w < words; ++w) {
        const uint64_t newFilled = decidedFilled[w] & ~filled[w];
        const uint64_t newEmpty = decidedEmpty[w] & ~empty[w];
        decideBits(line, w, newFilled, CellFilled);
        decideBits(line, w, newEmpty, CellEmpty);
    }
    return true;
}

// Runs the line solver on the part of the line between its settled ends
// (the whole line when neither end is settled); the decided cells come back
// in decidedFilled and decidedEmpty, in the line's own positions.
bool Propagator::solveOpenPart(int line, const uint64_t *filled, const uint64_t *empty)
{
    const int length = lines.lineLength(line);
    const int words = LineSolver::wordsFor(length);
    const int *clues = lines.clues(line);
    const int clueCount = lines.clueCount(line);
    OpenPart part;
    // Lines of one word gain nothing: the one-word solver costs less than
    // the walk over their settled ends.
    if (clueCount == 0 || length < 64)
        part = { 0, length, 0, 0 };
    else if (!findOpenPart(clues, clueCount, filled, empty, length, part))
        return false;
    if (part.from == 0 && part.to == length)
        return lineSolver.solve(clues, clueCount, filled, empty, length, decidedFilled.data(),
                                decidedEmpty.data());
    std::fill(decidedFilled.begin(), decidedFilled.begin() + words, 0);
    std::fill(decidedEmpty.begin(), decidedEmpty.begin() + words, 0);
    if (part.from == part.to)
        return true; // every cell decided, and they match the clue
    const int partLength = part.to - part.from;
    const int partWords = LineSolver::wordsFor(partLength);
    LineBits::shiftDown(partFilled.data(), filled, part.from, words);
    LineBits::shiftDown(partEmpty.data(), empty, part.from, words);
    keepFirstBits(partFilled.data(), partLength, partWords);
    keepFirstBits(partEmpty.data(), partLength, partWords);
    if (!lineSolver.solve(clues + part.firstBlock, part.lastBlock - part.firstBlock,
                          partFilled.data(), partEmpty.data(), partLength, partDecidedFilled.data(),
                          partDecidedEmpty.data()))
        return false;
    keepFirstBits(partDecidedFilled.data(), partLength, partWords);
    keepFirstBits(partDecidedEmpty.data(), partLength, partWords);
    std::fill(partDecidedFilled.begin() + partWords, partDecidedFilled.end(), 0);
    std::fill(partDecidedEmpty.begin() + partWords, partDecidedEmpty.end(), 0);
    LineBits::shiftUp(decidedFilled.data(), partDecidedFilled.data(), part.from, words);
    LineBits::shiftUp(decidedEmpty.data(), partDecidedEmpty.data(), part.from, words);
    return true;
}

// Clears every bit from `count` on in a set of `words` words.
void Propagator::keepFirstBits(uint64_t *set, int count, int words)
{
    if (count & 63)
        set[count >> 6] &= (uint64_t { 1 } << (count & 63)) - 1;
    for (int w = (count + 63) >> 6; w < words; ++w)
        set[w] = 0;
}

void Propagator::decideBits(int line, int word, uint64_t bits, uint8_t state)
{
    const bool row = lines.isRow(line);
    while (bits != 0) {
        const int position = word * 64 + __builtin_ctzll(bits);
        bits &= bits - 1;
        const int cell = lines.cellAt(line, position);
        cells[cell] = state;
        trail.push_back(cell);
        lineCells.markCell(cell, state);
        queueLine(row ? lines.columnLineOf(cell) : lines.rowOf(cell));
    }
}

void Propagator::undo(size_t trailMark)
{
    for (size_t i = trailMark; i < trail.size(); ++i) {
        const int cell = trail[i];
        cells[cell] = CellUnknown;
        lineCells.clearCell(cell);
    }
    trail.resize(trailMark);
}

} // namespace zd
