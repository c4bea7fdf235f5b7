#pragma once

#include "LineCellBits.h"
#include "LineSolver.h"
#include "PuzzleLines.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zd {

class SolveBudget;

// What propagating a grid found: the state of this grid, not a verdict on the
// puzzle (that is Verdict, in CompleteSolver.h).
enum class PropagationResult {
    Consistent, // no line contradicts the grid
    Contradiction, // some line has no placement that fits
    Stopped, // time limit or cancellation; the grid may be part-propagated
};

// Propagation: the grid with a queue of the lines whose cells changed since
// they were last solved. Solving a line may decide cells; their crossing lines
// join the queue, until the queue is empty (a fixpoint of line reasoning) or a
// line contradicts. Each line is re-solved only after one of its cells
// changed, so a fixpoint costs a few solves per decided cell at most, and
// only the part between the line's settled ends goes to the line solver.
// Every decision goes on a trail, so that a tentative branch (a probe, a
// search guess) is undone by resetting the cells after a trail mark. What
// line reasoning cannot do is combine lines: that is probing's and search's job.
class Propagator
{
public:
    Propagator(const PuzzleLines &lines, SolveBudget &budget);

    uint8_t value(int cell) const { return cells[cell]; }
    const std::vector<uint8_t> &grid() const { return cells; }
    int unknownCount() const { return static_cast<int>(cells.size() - trail.size()); }
    bool isSolved() const { return trail.size() == cells.size(); }

    // Decides one cell and queues its row and column. False when the cell
    // already holds the other state.
    bool assign(int cell, uint8_t state);
    // Solves queued lines until nothing changes or a line contradicts.
    PropagationResult propagate();
    // Queues every line (the first propagation starts from here).
    void queueAllLines();

    size_t mark() const { return trail.size(); }
    // Cells decided since `trailMark`, in order.
    const int *decidedSince(size_t trailMark) const { return trail.data() + trailMark; }
    // Makes every cell decided after `trailMark` unknown again.
    void undo(size_t trailMark);

private:
    void queueLine(int line);
    void clearQueue();
    bool solveLine(int line);
    bool solveOpenPart(int line, const uint64_t *filled, const uint64_t *empty);
    static void keepFirstBits(uint64_t *set, int count, int words);
    void decideBits(int line, int word, uint64_t bits, uint8_t state);

    const PuzzleLines &lines;
    SolveBudget &budget;
    LineSolver lineSolver;
    std::vector<uint8_t> cells;
    std::vector<int> trail;
    std::vector<int> queue; // circular buffer of line numbers
    size_t queueHead = 0;
    size_t queueSize = 0;
    std::vector<uint8_t> queued;
    LineCellBits lineCells; // the cells of `cells`, line by line, for the line solver
    std::vector<uint64_t> decidedFilled;
    std::vector<uint64_t> decidedEmpty;
    // The open part of a line shifted to start at bit 0, and its decisions.
    std::vector<uint64_t> partFilled;
    std::vector<uint64_t> partEmpty;
    std::vector<uint64_t> partDecidedFilled;
    std::vector<uint64_t> partDecidedEmpty;
};

} // namespace zd
