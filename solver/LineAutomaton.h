#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zd {

// One line's clues as an automaton read cell by cell: state s means the first
// s symbols of the compact pattern (each block's filled cells, one empty cell
// between blocks) are placed. An empty cell may also repeat in front of the
// first block, in a gap and after the last block. The line fits its clues
// when the last cell ends in the final state. Sets of states are bit sets of
// `words()` words, so one step over a whole set costs a few word operations.
class LineAutomaton
{
public:
    void reset(const int *clues, int clueCount);

    int words() const { return wordCount; }
    int finalState() const { return symbolCount; }
    // State whose next symbol is the first cell of block `block`.
    int blockStart(int block) const { return starts[static_cast<size_t>(block)]; }

    // States after reading one cell in state 0 unknown, 1 empty, 2 filled.
    void advance(const uint64_t *from, uint8_t cell, uint64_t *to) const;
    // States from which reading the cell leads into `to`.
    void retreat(const uint64_t *to, uint8_t cell, uint64_t *from) const;
    // Whether some state of `from` reaches some state of `to` reading `cell`
    // (1 empty or 2 filled).
    bool connects(const uint64_t *from, uint8_t cell, const uint64_t *to) const;

    static bool has(const uint64_t *set, int state)
    {
        return (set[state / 64] >> (state % 64)) & 1;
    }

private:
    int symbolCount = 0;
    int wordCount = 1;
    std::vector<int> starts;
    std::vector<uint64_t> filledSymbol; // bit s: symbol s is a block's cell
    std::vector<uint64_t> gapSymbol; // bit s: symbol s is the empty cell between blocks
    std::vector<uint64_t> mayRepeatEmpty; // bit s: an empty cell may stay in state s
    mutable std::vector<uint64_t> scratch;
};

} // namespace zd
