#pragma once

#include <cstdint>
#include <vector>

// Exact line solving: given one line's blocks and the cells known so far,
// finds every cell on which all placements of the blocks that fit the known
// cells agree, or reports that no placement fits.
//
// Dynamic programming from both ends: canStart[j][i] says whether blocks
// 0..j-1 can be placed in cells 0..i-1, canEnd[j][i] whether blocks j..k-1
// can be placed in cells i..n-1. A cell can be empty when some split j has
// both halves feasible around it; a block can sit at start s when the
// prefix before it and the suffix after it are feasible. That costs
// O(blocks x length) time per line and no allocation once the scratch
// tables have grown to the longest line. It sees one line at a time: a
// puzzle whose lines each allow several placements stays undecided here even
// when the crossing lines together leave only one answer.
class LineSolver
{
public:
    // `cells` holds n states (0 unknown, 1 empty, 2 filled). On success writes
    // into `decided` the state every cell must have (0 where placements
    // disagree) and returns true; returns false when no placement fits.
    bool solve(const int *clues, int clueCount, const uint8_t *cells, int length, uint8_t *decided);

private:
    void prepare(int clueCount, int length);
    void fillForward(const int *clues, int clueCount, const uint8_t *cells, int length);
    void fillBackward(const int *clues, int clueCount, const uint8_t *cells, int length);
    bool blockFits(int start, int blockLength, int length) const
    {
        return start + blockLength <= length
            && emptyBefore[start + blockLength] == emptyBefore[start];
    }

    // canStart[j * (n + 1) + i], canEnd[j * (n + 1) + i]: see above.
    std::vector<uint8_t> canStart;
    std::vector<uint8_t> canEnd;
    std::vector<int> emptyBefore; // known empty cells among 0..i-1
    std::vector<int> fillCover; // difference array of cells some placement fills
    std::vector<uint8_t> canBeEmpty;
};
