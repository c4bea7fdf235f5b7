// Whether any placement of a line's clues agrees with its decided cells.
// The quick method cannot see every contradiction on its own; before it
// writes cells it asks this, so that a line whose decided cells contradict
// its clues is left as it is. Dynamic programming over blocks from the last
// one back, two rows of L + 2 flags and a prefix count of empty cells:
// O(L x n) time and no allocation once the buffers have grown.

#include "CMalovanaKrizovka.h"

bool CMalovanaKrizovka::placementFits(const ClueList &clues, std::span<const int32_t> line)
{
    const auto length = static_cast<int32_t>(line.size());
    std::vector<int32_t> &emptyBefore = scratch.emptyBefore;
    emptyBefore.assign(static_cast<std::size_t>(length) + 1, 0);
    for (int32_t c = 0; c < length; ++c)
        emptyBefore[c + 1] = emptyBefore[c] + (line[c] == CellEmpty ? 1 : 0);

    // fits[i]: the blocks from k on can be placed in cells i .. L-1.
    std::vector<uint8_t> &fits = scratch.fitsFrom;
    std::vector<uint8_t> &fitsNext = scratch.fitsFromNext;
    fits.assign(static_cast<std::size_t>(length) + 2, 0);
    fitsNext.assign(static_cast<std::size_t>(length) + 2, 0);
    fits[length] = 1;
    fits[length + 1] = 1;
    for (int32_t i = length - 1; i >= 0; --i)
        fits[i] = fits[i + 1] && line[i] != CellFilled;

    const bool emptyLine = clues.size() == 1 && clues[0].length == 0;
    for (std::size_t k = emptyLine ? 0 : clues.size(); k-- > 0;) {
        fits.swap(fitsNext);
        const int32_t size = clues[k].length;
        fits[length + 1] = 0;
        fits[length] = 0;
        for (int32_t i = length - 1; i >= 0; --i) {
            const int32_t end = i + size;
            const bool blockHere = end <= length && emptyBefore[end] == emptyBefore[i]
                && (end == length ? fitsNext[length] != 0
                                  : line[end] != CellFilled && fitsNext[end + 1] != 0);
            const bool skipCell = line[i] != CellFilled && fits[i + 1] != 0;
            fits[i] = blockHere || skipCell ? 1 : 0;
        }
    }
    return fits[0] != 0;
}
