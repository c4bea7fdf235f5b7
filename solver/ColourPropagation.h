#pragma once

#include "ColourLine.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zd {

class SolveBudget;

enum class ColourStep { Consistent, Contradiction, Stopped };

// The lines of a colour puzzle, rows first, as automata; shared read-only
// by every grid that is solved against them.
struct ColourLines
{
    explicit ColourLines(const ColourPuzzle &puzzle);
    int rows = 0;
    int columns = 0;
    int colours = 0;
    std::vector<ColourLine> lines;
    int lineCount() const { return rows + columns; }
    int cellCount() const { return rows * columns; }
};

// The cells as colour sets, row-major; the solver's whole state.
using ColourCells = std::vector<ColourMask>;

inline bool isDecided(ColourMask mask)
{
    return (mask & (mask - 1)) == 0;
}
inline int colourOfMask(ColourMask mask)
{
    return __builtin_ctz(mask);
}
bool allDecided(const ColourCells &cells);

// Runs the line solver on queued lines until nothing changes. `queued`
// lists line numbers (rows 0.., columns rows..); lineSolves counts the work.
class ColourPropagator
{
public:
    ColourPropagator(const ColourLines &lines, SolveBudget &budget);
    ColourStep propagate(ColourCells &cells, const std::vector<int> &queued);
    ColourStep propagateAll(ColourCells &cells);
    // Propagates after `cell` changed: its row and its column.
    ColourStep propagateCell(ColourCells &cells, int cell);
    // Propagates after the listed cells changed.
    ColourStep propagateCells(ColourCells &cells, const std::vector<int> &changed);
    int64_t lineSolves() const { return solves; }

private:
    const ColourLines &lines;
    SolveBudget &budget;
    std::vector<uint8_t> inQueue;
    std::vector<int> queue;
    std::vector<ColourMask> buffer;
    int64_t solves = 0;
};

// Tries every colour of every undecided cell: a colour that leads to a
// contradiction is struck, and a cell's colours are narrowed to those some
// surviving trial leaves it. Repeats until a whole round changes nothing.
ColourStep probeColours(ColourPropagator &propagator, ColourCells &cells, SolveBudget &budget,
                        int64_t &probes);

} // namespace zd
