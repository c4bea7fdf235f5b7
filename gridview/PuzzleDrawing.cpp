#include "PuzzleDrawing.h"

#include "PuzzleView.h"
#include "ReadableClueLayout.h"

#include <algorithm>

namespace zd {

GridGeometry gridGeometryOf(const PuzzleView &puzzle, int cellSize, bool readableClues)
{
    int mostRowClues = 0;
    int mostColumnClues = 0;
    for (int r = 0; r < puzzle.rows(); ++r)
        mostRowClues = std::max(mostRowClues, puzzle.rowClueCount(r));
    for (int j = 0; j < puzzle.columns(); ++j)
        mostColumnClues = std::max(mostColumnClues, puzzle.columnClueCount(j));
    GridGeometry geometry;
    geometry.cellSize = cellSize;
    geometry.rows = puzzle.rows();
    geometry.columns = puzzle.columns();
    geometry.readableClues = readableClues;
    if (readableClues) {
        const ReadableClueLayout layout(cellSize, ReadableClueLayout::longestClueDigits(puzzle));
        geometry.gridLeft = layout.rowBandWidth(mostRowClues);
        geometry.gridTop = layout.columnBandHeight(mostColumnClues);
    } else if (drawsClueNumbers(cellSize)) {
        geometry.gridLeft = cellSize * mostRowClues * 2;
        geometry.gridTop = cellSize * mostColumnClues * 2;
    }
    return geometry;
}

QSize drawingSizeOf(const GridGeometry &geometry)
{
    const int s = geometry.cellSize;
    return { geometry.gridLeft + (std::max(geometry.columns, 0) + 2) * s,
             geometry.gridTop + (std::max(geometry.rows, 0) + 2) * s };
}

GridGeometry PuzzleDrawing::geometryAt(int cellSize) const
{
    return gridGeometryOf(CluesAndGridView(clues, cells), cellSize, readableClues);
}

ColourShown PuzzleDrawing::colourShown() const
{
    return { colour ? &*colour : nullptr, &colourCells };
}

void PuzzleDrawing::paintAt(QPainter &painter, int cellSize) const
{
    const GridGeometry geometry = geometryAt(cellSize);
    paintGrid(painter, CluesAndGridView(clues, cells), geometry, style, wholeDeviceArea(), {},
              colourShown());
    paintMarkedCells(painter, geometry, marks, wholeDeviceArea());
}

} // namespace zd
