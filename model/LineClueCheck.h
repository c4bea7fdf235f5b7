#pragma once

#include "CellState.h"

#include <cstddef>
#include <span>

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

} // namespace zd
