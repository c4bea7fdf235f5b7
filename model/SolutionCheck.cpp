// Whether the grid is a solution: every cell decided and the runs of filled
// cells of every line equal to its clues. Reaching the target sum alone does
// not prove this when the clues admit no grid at all.

#include "CMalovanaKrizovka.h"
#include "LineClueCheck.h"

#include <vector>

namespace {

std::vector<int> clueNumbers(const ClueList &clues)
{
    std::vector<int> numbers;
    numbers.reserve(clues.size());
    for (const Clue &clue : clues)
        numbers.push_back(clue.length);
    return numbers;
}

} // namespace

bool CMalovanaKrizovka::isSolved() const
{
    if (rows <= 0 || columns <= 0 || grid.size() != static_cast<std::size_t>(rows) * columns)
        return false;
    for (int r = 0; r < rows; ++r) {
        const int32_t *first = grid.data() + cellIndex(r, 0);
        if (!zd::lineMatchesClues(clueNumbers(rowClueLists[r]), columns,
                                  [first](int i) { return first[i]; }))
            return false;
    }
    for (int c = 0; c < columns; ++c) {
        const int32_t *first = grid.data() + c;
        const int stride = columns;
        if (!zd::lineMatchesClues(clueNumbers(columnClueLists[c]), rows,
                                  [first, stride](int i) { return first[i * stride]; }))
            return false;
    }
    return true;
}
