#pragma once

#include "LineClueCheck.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zd {

// Reasons for what one line forces, for the conflict-driven search: given a
// line's clues and some of its cells, a small set of those cells from which
// a cell's state (or the line's contradiction) already follows.
//
// The test underneath is a plain feasibility check (can the blocks be placed
// over the given cells? zd::lineCanMeetClues, or its one-word form for lines
// under 64 cells), O(length x blocks), cheaper than a full line solve.
// The reason is shrunk greedily: each candidate cell is made unknown in turn
// and stays so when the line stays infeasible. The result is irredundant
// (no cell can be dropped), not necessarily the smallest.
class LineReasons
{
public:
    // `states` holds the line (0 unknown, 1 empty, 2 filled); `candidates`
    // lists the positions that may go into the reason, most wanted to be
    // dropped first; the other known positions stay fixed (cells known for
    // good, which no reason needs to name). The line must be infeasible as
    // given. Leaves in `kept` the candidates the contradiction needs. Any
    // length; shrinkShort is the faster form for lines under 64 cells.
    void shrink(const int *clues, int clueCount, std::vector<uint8_t> &states,
                const std::vector<int> &candidates, std::vector<int> &kept);

    // The same for a line shorter than 64 cells, given as two masks (bit i:
    // position i known filled / empty); `filled` and `empty` come back
    // holding the fixed cells and the reason. False, with nothing kept, when
    // the line is feasible as given.
    bool shrinkShort(const int *clues, int clueCount, uint64_t &filled, uint64_t &empty, int length,
                     const std::vector<int> &candidates, std::vector<int> &kept);

    // True when the blocks fit the states.
    bool feasible(const int *clues, int clueCount, const uint8_t *states, int length);

private:
    void shrinkRange(const int *clues, int clueCount, std::vector<uint8_t> &states,
                     const std::vector<int> &candidates, size_t from, size_t to,
                     std::vector<int> &kept);
    void shrinkBits(const int *clues, int clueCount, uint64_t &filled, uint64_t &empty, int length,
                    const std::vector<int> &candidates, size_t from, size_t to,
                    std::vector<int> &kept);
    static bool feasibleBits(const int *clues, int clueCount, uint64_t filled, uint64_t empty,
                             int length);
    bool feasibleShort(const int *clues, int clueCount, const uint8_t *states, int length);

    LineFitScratch fitScratch;
    std::vector<uint8_t> saved; // states of candidates being tried
};

} // namespace zd
