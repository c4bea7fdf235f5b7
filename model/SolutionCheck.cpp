// Whether the grid is a solution: every cell decided and the runs of filled
// cells of every line equal to its clues. Reaching the target sum alone does
// not prove this when the clues admit no grid at all.

#include "CMalovanaKrizovka.h"

namespace {

// Compares the runs of filled cells of one line with its clue list. The clue
// list "0" stands for a line without filled cells.
bool lineShowsClues(const ClueList &clues, const int32_t *first, std::ptrdiff_t stride,
                    int32_t length)
{
    std::size_t next = 0;
    int32_t run = 0;
    for (int32_t i = 0; i <= length; ++i) {
        const int32_t state = i < length ? first[i * stride] : CellEmpty;
        if (state == CellUnknown)
            return false;
        if (state == CellFilled) {
            ++run;
            continue;
        }
        if (run == 0)
            continue;
        if (next >= clues.size() || clues[next].length != run)
            return false;
        ++next;
        run = 0;
    }
    const bool onlyZero = clues.size() == 1 && clues[0].length == 0;
    return next == clues.size() || (next == 0 && onlyZero);
}

} // namespace

bool CMalovanaKrizovka::isSolved() const
{
    if (rows <= 0 || columns <= 0 || grid.size() != static_cast<std::size_t>(rows) * columns)
        return false;
    for (int r = 0; r < rows; ++r)
        if (!lineShowsClues(rowClueLists[r], grid.data() + cellIndex(r, 0), 1, columns))
            return false;
    for (int c = 0; c < columns; ++c)
        if (!lineShowsClues(columnClueLists[c], grid.data() + c, columns, rows))
            return false;
    return true;
}
