#pragma once

#include "CompleteSolver.h"

#include <QString>
#include <vector>

namespace zd {

// The words the window shows for a solve's result in its outcome label.

// "Unique solution (grade: line)", "Several solutions", "No solution: ..."
// or, for a solve stopped first, "Stopped: N cells undecided".
QString completeSolveText(const SolveResult &result);
// "Stopped: N cells undecided" ("1 cell" for one).
QString stoppedText(long long undecidedCells);
// Cells in `grid` that are not decided.
long long undecidedCellsOf(const CellGrid &grid);
// True for every cell where the two grids (of cells or of colours) differ;
// empty when their sizes differ.
template<typename Grid> std::vector<bool> differingCells(const Grid &first, const Grid &second)
{
    if (first.size() != second.size())
        return {};
    std::vector<bool> differing(first.size());
    for (size_t i = 0; i < first.size(); ++i)
        differing[i] = first[i] != second[i];
    return differing;
}

} // namespace zd
