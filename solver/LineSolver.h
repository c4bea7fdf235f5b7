#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zd {

// Exact line solving: given one line's blocks and the cells known so far,
// finds every cell on which all placements of the blocks that fit the known
// cells agree, or reports that no placement fits.
//
// Dynamic programming from both ends on bit sets: bit i of prefix[j] says
// whether blocks 0..j-1 can be placed in cells 0..i-1, bit i of suffix[j]
// whether blocks j..k-1 can be placed in cells i..n-1. Each table row comes
// from the previous one with a few shifts and one addition whose carries run
// along stretches of cells that may be empty. A cell can be empty when some
// split j has both halves feasible around it; a block can start at s when
// the cells it covers may be filled and the prefix before it and the suffix
// after it are feasible. The suffix table is the prefix table of the
// reversed line. Cost: O(blocks x length / 64 x log(block length)) word
// operations, no allocation once the scratch has grown to the largest line.
// It sees one line at a time: a puzzle whose lines each allow several
// placements stays undecided here even when the crossing lines together
// leave only one answer.
class LineSolver
{
public:
    // The known cells come as two bit sets (filled, empty) of
    // wordsFor(length + 1) words with no bit at `length` or above. On success
    // writes the cells every fitting placement fills and leaves empty (known
    // cells included) and returns true; returns false when no placement fits.
    bool solve(const int *clues, int clueCount, const uint64_t *filled, const uint64_t *empty,
               int length, uint64_t *decidedFilled, uint64_t *decidedEmpty);

    // Words of the bit sets solve takes for a line of `length` cells.
    static int wordsFor(int length) { return length / 64 + 1; }

private:
    // A line without blocks: every cell empty.
    static bool solveEmptyLine(const uint64_t *filled, int lineLength, uint64_t *decidedFilled,
                               uint64_t *decidedEmpty);
    // One-word version for lines of at most 63 cells.
    bool solveShort(const int *clues, int clueCount, uint64_t filled, uint64_t empty,
                    int lineLength, uint64_t &decidedFilled, uint64_t &decidedEmpty);

    struct Line
    {
        const uint64_t *mayBeEmpty;
        const uint64_t *mayBeFilled;
        uint64_t *prefix; // (clueCount + 1) rows
        uint64_t *runStarts; // clueCount rows: starts of `clue` cells that may all be filled
    };
    void prepare(int clueCount, int length);
    void fillPrefix(const int *clues, int clueStep, int clueCount, const Line &line);
    void blockStarts(uint64_t *starts, const uint64_t *prefixRow, bool firstBlock,
                     const uint64_t *mayBeEmpty);
    void combine(const int *clues, int clueCount, uint64_t *decidedFilled, uint64_t *decidedEmpty);
    void extendAcrossEmpty(uint64_t *row, const uint64_t *seeds, const uint64_t *mayExtend);
    int blockOfLength(int blockLength, int block);
    uint64_t *temp(int index) { return temps.data() + static_cast<size_t>(index) * words; }

    int words = 0;
    int length = 0;
    std::vector<uint64_t> masks; // may-be-empty and may-be-filled, both directions
    std::vector<uint64_t> prefix; // the line's prefix table
    std::vector<uint64_t> reversedPrefix; // the reversed line's prefix table
    std::vector<uint64_t> runStarts;
    std::vector<uint64_t> reversedRunStarts;
    std::vector<uint64_t> temps;
    std::vector<uint64_t> shortPrefix;
    uint64_t pass = 0; // fillPrefix calls so far, stamps lengthStamp
    std::vector<uint64_t> lengthStamp;
    std::vector<int> lengthBlock;
};

} // namespace zd
