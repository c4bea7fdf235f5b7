#include "PuzzleView.h"

#include "CMalovanaKrizovka.h"

#include <algorithm>
#include <cstddef>

namespace zd {

ModelPuzzleView::ModelPuzzleView(const CMalovanaKrizovka &puzzle, const CellGrid *cells)
    : model(puzzle)
    , shownCells(cells)
{
    const size_t size = static_cast<size_t>(std::max(0, rows())) * std::max(0, columns());
    if (shownCells && shownCells->size() != size)
        shownCells = nullptr;
}

int ModelPuzzleView::rows() const
{
    return model.rowCount();
}

int ModelPuzzleView::columns() const
{
    return model.columnCount();
}

int ModelPuzzleView::rowClueCount(int row) const
{
    return model.rowClueCount(static_cast<int16_t>(row));
}

int ModelPuzzleView::rowClue(int row, int k) const
{
    return model.rowClue(static_cast<int16_t>(row), static_cast<int16_t>(k));
}

int ModelPuzzleView::columnClueCount(int column) const
{
    return model.columnClueCount(static_cast<int16_t>(column));
}

int ModelPuzzleView::columnClue(int column, int k) const
{
    return model.columnClue(static_cast<int16_t>(column), static_cast<int16_t>(k));
}

CellState ModelPuzzleView::cell(int row, int column) const
{
    if (shownCells)
        return (*shownCells)[static_cast<size_t>(row) * columns() + column];
    return static_cast<CellState>(
        model.cell(static_cast<int16_t>(row), static_cast<int16_t>(column)));
}

CluesAndGridView::CluesAndGridView(const PuzzleClues &puzzleClues, const CellGrid &grid)
    : clues(puzzleClues)
    , cells(grid)
{ }

int CluesAndGridView::rowClueCount(int row) const
{
    return static_cast<int>(clues.rowClues[row].size());
}

int CluesAndGridView::columnClueCount(int column) const
{
    return static_cast<int>(clues.columnClues[column].size());
}

CellState CluesAndGridView::cell(int row, int column) const
{
    return cells[static_cast<size_t>(row) * clues.columns + column];
}

} // namespace zd
