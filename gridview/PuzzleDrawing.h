#pragma once

#include "CellState.h"
#include "ColourPuzzle.h"
#include "GridPainter.h"
#include "PuzzleClues.h"

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace zd {

class PuzzleView;

// Where the grid lies for `puzzle` at a cell size, in the two-cells-per-clue
// look or the readable one: the clue bands are as wide as the longest clue
// lists need.
GridGeometry gridGeometryOf(const PuzzleView &puzzle, int cellSize, bool readableClues);
// The whole drawing at that geometry: bands, grid and a margin of two cells.
QSize drawingSizeOf(const GridGeometry &geometry);

// The largest cell size in [low, high] that `fits`, for a `fits` that holds
// up to some size and not above it (drawings grow with the cell size); `low`
// itself is taken as fitting, so a caller passes one below its smallest size
// to learn that none fits.
template<typename Fits> int largestFittingCellSize(int low, int high, const Fits &fits)
{
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// A picture of the puzzle as the view shows it, held by value so that it can
// be painted on another thread (a PDF or an image of a large puzzle) while
// the view goes on changing.
struct PuzzleDrawing
{
    PuzzleClues clues;
    CellGrid cells; // rows x columns, row-major
    std::vector<bool> marks; // tinted cells, or empty
    std::optional<ColourPuzzle> colour; // a puzzle of several colours
    ColourGrid colourCells; // its cells as shown, or empty
    bool readableClues = false;
    GridStyle style = GridStyle::Main;
    QString title; // the puzzle's name, for the page and the image's metadata

    GridGeometry geometryAt(int cellSize) const;
    QSize sizeAt(int cellSize) const { return drawingSizeOf(geometryAt(cellSize)); }
    ColourShown colourShown() const;
    // Clues, grid lines, cell marks and tints, from the painter's origin.
    void paintAt(QPainter &painter, int cellSize) const;
};

} // namespace zd
