#pragma once

#include <cstdint>

namespace zd {

// The settled ends of a line: a stretch of decided cells at either end that
// is closed by an empty cell (or by the line's end) holds whole blocks, and
// they must be the first (or last) blocks of the clue. Only the part between
// the two ends, with the blocks left over, needs the line solver; on long
// lines that are mostly decided that part is much shorter, often short
// enough for the one-word solver.
struct OpenPart
{
    int from = 0; // first cell of the part
    int to = 0; // one past its last cell
    int firstBlock = 0; // the part's blocks are firstBlock..lastBlock-1
    int lastBlock = 0;
};

// Finds the open part of a line with `clueCount` > 0 blocks. False when the
// settled ends contradict the clue (a block of the wrong length, too many
// blocks, or a fully decided line that does not match).
bool findOpenPart(const int *clues, int clueCount, const uint64_t *filled, const uint64_t *empty,
                  int length, OpenPart &part);

} // namespace zd
