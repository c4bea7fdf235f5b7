#pragma once

#include "LineAutomaton.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace zd {

// The placement tables of one line: which automaton states (LineAutomaton)
// some placement that fits the known cells passes through before each cell.
// From them: whether any placement fits, where each block can start, and
// which cells every fitting placement agrees on. Cost: O(length x words).
class LinePlacements
{
public:
    // `automaton` is the line's (reset for its clues) and `states` holds the
    // line (0 unknown, 1 empty, 2 filled); both must outlive the queries.
    // False when no placement fits; the queries below need a true build (the
    // starts one `withStarts`).
    bool build(const LineAutomaton &lineAutomaton, const uint8_t *states, int length,
               bool withStarts = true);
    // Only the states reachable from the left (`reachable`), for every layer
    // even when no placement fits.
    void buildForward(const LineAutomaton &lineAutomaton, const uint8_t *states, int length);

    // First and last cell where block `block` starts in some fitting placement:
    // its starts in the leftmost and in the rightmost placement.
    int earliestStart(int block) const { return earliest[static_cast<size_t>(block)]; }
    int latestStart(int block) const { return latest[static_cast<size_t>(block)]; }
    // Whether some fitting placement gives cell `position` this state (1 empty, 2 filled).
    bool allows(int position, uint8_t state) const
    {
        if (cells[position] != 0 && cells[position] != state)
            return false;
        return automaton->connects(reachable(position), state, finishing(position + 1));
    }

    const LineAutomaton &machine() const { return *automaton; }
    // The first and last word of the states a placement can be in before
    // cell `layer` and still finish (last < first when there are none): it
    // has placed at most `layer` symbols and must place the rest in the
    // cells after. On long lines the tables hold no state outside them.
    std::pair<int, int> liveWords(int layer) const
    {
        const int final = automaton->finalState();
        const int lowest = std::max(0, final - (length - layer));
        const int highest = std::min(final, layer);
        if (lowest > highest)
            return { 0, -1 };
        return { lowest / 64, highest / 64 };
    }
    // States some placement reaches before cell `layer` (0..length), reading
    // the known cells from the left.
    const uint64_t *reachable(int layer) const
    {
        return forward.data()
            + static_cast<size_t>(layer) * static_cast<size_t>(automaton->words());
    }

private:
    const uint64_t *finishing(int layer) const
    {
        return backward.data()
            + static_cast<size_t>(layer) * static_cast<size_t>(automaton->words());
    }
    void fillStarts();

    const LineAutomaton *automaton = nullptr;
    const uint8_t *cells = nullptr;
    int length = 0;
    std::vector<uint64_t> forward; // layer i: states reachable before cell i
    std::vector<uint64_t> backward; // layer i: states that can still finish from cell i
    std::vector<int> earliest;
    std::vector<int> latest;
};

} // namespace zd
