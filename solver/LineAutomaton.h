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
// `words()` words, so one step over a whole set costs a few word operations;
// lines of one word (under 64 symbols, most lines) take an inline path.
class LineAutomaton
{
public:
    // Resets for these clues; a no-op when they are the clues of the last reset.
    void reset(const int *clues, int clueCount);

    int words() const { return wordCount; }
    int finalState() const { return symbolCount; }
    int blockCount() const { return static_cast<int>(clueCopy.size()); }
    int blockLength(int block) const { return clueCopy[static_cast<size_t>(block)]; }
    // State whose next symbol is the first cell of block `block`.
    int blockStart(int block) const { return starts[static_cast<size_t>(block)]; }

    // States after reading one cell in state 0 unknown, 1 empty, 2 filled.
    void advance(const uint64_t *from, uint8_t cell, uint64_t *to) const
    {
        if (wordCount == 1)
            to[0] = advanceWord(from[0], cell);
        else
            advanceWide(from, cell, to);
    }
    // States from which reading the cell leads into `to`.
    void retreat(const uint64_t *to, uint8_t cell, uint64_t *from) const
    {
        if (wordCount == 1)
            from[0] = retreatWord(to[0], cell);
        else
            retreatWide(to, cell, from);
    }
    // Whether some state of `from` reaches some state of `to` reading `cell`
    // (1 empty or 2 filled).
    bool connects(const uint64_t *from, uint8_t cell, const uint64_t *to) const
    {
        if (wordCount == 1)
            return (advanceWord(from[0], cell) & to[0]) != 0;
        return connectsWide(from, cell, to);
    }

    // The same for the words `first` to `last` of the result only; the
    // others are left as they are, and the words of `from` (`to`) one past
    // either end are read. Callers keep to the words where the states that
    // can still make a placement lie, and keep the rest cleared.
    void advanceWords(const uint64_t *from, uint8_t cell, uint64_t *to, int first, int last) const;
    void retreatWords(const uint64_t *to, uint8_t cell, uint64_t *from, int first, int last) const;

    static bool has(const uint64_t *set, int state)
    {
        return (set[state / 64] >> (state % 64)) & 1;
    }

private:
    // A cell moves a state one symbol on when the symbol may take the cell's
    // state (`moves`), or keeps it when an empty cell may repeat there (`stays`).
    uint64_t advanceWord(uint64_t from, uint8_t cell) const
    {
        return ((from & movesWord[cell]) << 1) | (from & staysWord[cell]);
    }
    uint64_t retreatWord(uint64_t to, uint8_t cell) const
    {
        return ((to >> 1) & movesWord[cell]) | (to & staysWord[cell]);
    }
    void advanceWide(const uint64_t *from, uint8_t cell, uint64_t *to) const;
    void retreatWide(const uint64_t *to, uint8_t cell, uint64_t *from) const;
    bool connectsWide(const uint64_t *from, uint8_t cell, const uint64_t *to) const;

    int symbolCount = 0;
    int wordCount = 1;
    std::vector<int> clueCopy; // the clues of the last reset
    std::vector<int> starts;
    // Per cell state (0 unknown, 1 empty, 2 filled), `words()` words each.
    std::vector<uint64_t> moves[3];
    std::vector<uint64_t> stays[3];
    uint64_t movesWord[3] = {};
    uint64_t staysWord[3] = {};
};

} // namespace zd
