#pragma once

#include "LineAutomaton.h"

#include <cstdint>
#include <vector>

namespace zd {

// The placement tables of one line: which automaton states (LineAutomaton)
// some placement that fits the known cells passes through before each cell.
// From them: whether any placement fits, where each block can start, and
// which cells every fitting placement agrees on. Cost: O(length x words).
class LinePlacements
{
public:
    // `states` holds the line (0 unknown, 1 empty, 2 filled). False when no
    // placement fits; the queries below need a true build (the starts one
    // `withStarts`).
    bool build(const int *clues, int clueCount, const uint8_t *states, int length,
               bool withStarts = true);

    // First and last cell where block `block` starts in some fitting placement:
    // its starts in the leftmost and in the rightmost placement.
    int earliestStart(int block) const { return earliest[static_cast<size_t>(block)]; }
    int latestStart(int block) const { return latest[static_cast<size_t>(block)]; }
    // Whether some fitting placement gives cell `position` this state (1 empty, 2 filled).
    bool allows(int position, uint8_t state) const;

private:
    const uint64_t *reachable(int layer) const;
    const uint64_t *finishing(int layer) const;
    void fillStarts(const int *clues, int clueCount);

    LineAutomaton automaton;
    const uint8_t *cells = nullptr;
    int length = 0;
    std::vector<uint64_t> forward; // layer i: states reachable before cell i
    std::vector<uint64_t> backward; // layer i: states that can still finish from cell i
    mutable std::vector<uint64_t> both; // scratch: forward & backward of two layers
    std::vector<int> earliest;
    std::vector<int> latest;
};

} // namespace zd
