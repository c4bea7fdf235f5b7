// Whether any placement of a line's clues agrees with its decided cells.
// The quick method cannot see every contradiction on its own; before it
// writes cells it asks this, so that a line whose decided cells contradict
// its clues is left as it is. The check is the one the solver uses too
// (zd::lineCanMeetClues, LineClueCheck.h); the clue list {0} has no blocks.

#include "CMalovanaKrizovka.h"
#include "LineClueCheck.h"

bool CMalovanaKrizovka::placementFits(const ClueList &clues, std::span<const int32_t> line)
{
    const bool emptyLine = clues.size() == 1 && clues[0].length == 0;
    return zd::lineCanMeetClues(
        emptyLine ? 0 : clues.size(),
        [&clues](std::size_t k) { return int32_t { clues[k].length }; },
        static_cast<int32_t>(line.size()), [line](int32_t i) { return line[i]; }, scratch.fit);
}
