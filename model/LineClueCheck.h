#pragma once

#include "CellState.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zd {

// Whether one line, every cell decided, shows exactly its clues: its runs of
// filled cells, in order, equal the clue numbers. The clue list {} and the
// single clue {0} both mean a line without filled cells. `cellAt(i)` gives the
// state of the line's cell i, so that every grid layout (model, solver bytes,
// text pictures) shares this one check.
template<typename CellAt>
bool lineMatchesClues(std::span<const int> clues, int length, CellAt cellAt)
{
    if (clues.size() == 1 && clues[0] == 0)
        clues = {};
    std::size_t next = 0;
    int run = 0;
    for (int i = 0; i <= length; ++i) {
        const CellState state = i < length ? static_cast<CellState>(cellAt(i)) : CellEmpty;
        if (state == CellFilled) {
            ++run;
            continue;
        }
        if (state != CellEmpty)
            return false;
        if (run == 0)
            continue;
        if (next >= clues.size() || clues[next] != run)
            return false;
        ++next;
        run = 0;
    }
    return next == clues.size();
}

// Buffers of lineCanMeetClues, kept by the caller so that a check allocates
// nothing once they have grown to the longest line.
struct LineFitScratch
{
    std::vector<int32_t> emptyBefore; // empty cells before each cell
    std::vector<uint8_t> fits, fitsNext; // one block's flags and the next one's
};

// Whether some placement of a line's blocks agrees with its decided cells:
// the one feasibility check of a part-decided line ("can these known cells
// still be arranged to meet the clues?"). The blocks are 0..blockCount-1,
// blockLength(k) cells long; `cellAt(i)` gives the state of the line's cell
// i. Dynamic programming over the blocks from the last one back, with two
// rows of length + 2 flags (fits[i]: the blocks from k on can be placed in
// cells i..length-1) and a prefix count of empty cells: O(length x blocks)
// time and no allocation once the buffers have grown.
template<typename BlockLength, typename CellAt>
bool lineCanMeetClues(std::size_t blockCount, BlockLength blockLength, int32_t length,
                      CellAt cellAt, LineFitScratch &scratch)
{
    std::vector<int32_t> &emptyBefore = scratch.emptyBefore;
    emptyBefore.assign(static_cast<std::size_t>(length) + 1, 0);
    for (int32_t c = 0; c < length; ++c)
        emptyBefore[c + 1] = emptyBefore[c] + (cellAt(c) == CellEmpty ? 1 : 0);

    std::vector<uint8_t> &fits = scratch.fits;
    std::vector<uint8_t> &fitsNext = scratch.fitsNext;
    fits.assign(static_cast<std::size_t>(length) + 2, 0);
    fitsNext.assign(static_cast<std::size_t>(length) + 2, 0);
    fits[length] = 1;
    fits[length + 1] = 1;
    for (int32_t i = length - 1; i >= 0; --i)
        fits[i] = fits[i + 1] && cellAt(i) != CellFilled;

    for (std::size_t k = blockCount; k-- > 0;) {
        fits.swap(fitsNext);
        const int32_t size = blockLength(k);
        fits[length + 1] = 0;
        fits[length] = 0;
        for (int32_t i = length - 1; i >= 0; --i) {
            const int32_t end = i + size;
            const bool blockHere = end <= length && emptyBefore[end] == emptyBefore[i]
                && (end == length ? fitsNext[length] != 0
                                  : cellAt(end) != CellFilled && fitsNext[end + 1] != 0);
            const bool skipCell = cellAt(i) != CellFilled && fits[i + 1] != 0;
            fits[i] = blockHere || skipCell ? 1 : 0;
        }
    }
    return fits[0] != 0;
}

} // namespace zd
