#pragma once

#include "LinePlacements.h"

#include <cstdint>
#include <vector>

namespace zd {

// Why one line forces a cell: the known cells of the line that the cell's
// state follows from, none of which can be dropped, found from the placement
// tables in one pass instead of by dropping cells one at a time and solving
// again.
//
// The cell is set to the other state; the forward table then shows that no
// placement fits. Walking back from the last cell, the states that can still
// finish are widened over every cell whose own state is not needed: a known
// cell is needed exactly when, with it unknown, the widened states would meet
// the states reachable from the left (where every known cell still counts).
// The cells kept block every path, and each of them is needed even with all
// others known, so dropping any one lets a placement through. The result is
// irredundant, not necessarily the smallest. Cost: two table passes, less
// when the forward tables of the line are at hand: the layers before the
// cell are the same, and the backward walk stops once no cell further left
// can open a path.
class LinePremises
{
public:
    // `states` holds the line (0 unknown, 1 empty, 2 filled); `target` is
    // the cell that follows and `follows` its state (1 empty, 2 filled), or
    // target -1 to explain why no placement fits at all. The target's own
    // entry in `states` is ignored. Leaves the premises' positions in
    // `kept`, ascending; false (nothing kept) when the state does not follow.
    bool find(const int *clues, int clueCount, const uint8_t *states, int length, int target,
              uint8_t follows, std::vector<int> &kept);
    // The same from tables built over the line (LinePlacements::build or
    // buildForward, with any state at `target`).
    bool find(const LinePlacements &tables, const uint8_t *states, int length, int target,
              uint8_t follows, std::vector<int> &kept);

private:
    LineAutomaton ownAutomaton; // the tables when the caller has none
    LinePlacements own;
    std::vector<uint64_t> forward; // layers after the target
    std::vector<uint64_t> finishing;
    std::vector<uint64_t> widened;
    std::vector<uint64_t> narrow;
};

} // namespace zd
