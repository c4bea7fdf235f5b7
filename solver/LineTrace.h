#pragma once

#include "Explanation.h"
#include "LinePlacements.h"
#include "LinePremises.h"
#include "PuzzleLines.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

namespace zd {

// Line steps, easiest first, on a grid of its own: the lines whose cells
// changed wait in one queue per technique (overlap, spaces, line). A line is
// looked at once per change: its placement tables give the easiest technique
// that decides something on it, and the line waits in that technique's queue
// until no easier step is left anywhere. Copies are cheap enough to try a
// cell's state on one.
class LineTrace
{
public:
    LineTrace(const PuzzleLines &lines, std::vector<uint8_t> cells);

    enum class Next {
        Step, // `step` holds the next step; its cells are decided
        Conflict, // `step` names a line without placement and why (no cells)
        Fixpoint, // no line decides anything
    };
    Next next(LineStep &step);

    // Decides a cell (0 unknown is not allowed) and queues its two lines.
    void decide(int cell, uint8_t state);
    void queueAllLines();
    const std::vector<uint8_t> &grid() const { return cells; }
    int undecided() const { return unknown; }
    CellFact fact(int cell) const;

private:
    static constexpr int levels = 3;
    void queue(int line, int level);
    // The easiest step on the line (its level) or -1; `step` gets it when its
    // level is `wanted`. A conflict comes back as level -2.
    int look(int line, int wanted, LineStep &step);
    // Undecided cells one technique decides together: a range of the
    // found cells.
    struct Group
    {
        size_t begin = 0;
        size_t end = 0;
        int blockOrGap = -1;
        int earliest = -1;
        int latest = -1;
    };
    struct Found;
    int easiestCandidates(int line, Found &known);
    void splitByPremises(int line, int level, const Found &known, const Group &group);

    const PuzzleLines *lines;
    // Each line's automaton, made once and shared by the copies.
    std::shared_ptr<const std::vector<LineAutomaton>> automata;
    std::vector<uint8_t> cells;
    int unknown = 0;
    std::deque<int> waiting[levels];
    std::vector<int8_t> queuedAt; // per line: its queue, or -1
    LinePlacements placements; // of line `tablesLine`, read from `tablesOver`
    int tablesLine = -1;
    const uint8_t *tablesOver = nullptr;
    LinePlacements premiseTables; // over `premiseLine`
    LinePremises premises;
    std::vector<uint8_t> buffer;
    std::vector<uint8_t> premiseLine;
    std::vector<int> kept;
    std::vector<std::pair<int, uint8_t>> pending; // splitByPremises: cells still to place
    std::vector<std::pair<int, uint8_t>> later;
    // Per line, what its last look found, kept until one of its cells changes:
    // a line found to offer only a harder step waits with it in that queue.
    struct Found
    {
        bool valid = false;
        int level = -1;
        std::vector<Group> groups;
        std::vector<std::pair<int, uint8_t>> cells; // (position, state), by group
    };
    std::vector<Found> found;
    std::deque<LineStep> ready; // found together, handed out one by one
};

} // namespace zd
