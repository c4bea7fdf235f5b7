#pragma once

#include "ClueInk.h"
#include "ColourPainting.h"

#include <QColor>
#include <QRect>
#include <vector>

class CMalovanaKrizovka;
class QFont;
class QPainter;
class QString;

namespace zd {

class PuzzleView;

// The two looks of the grid. The main program sizes the clue font in pixels and
// keeps filled squares clear of the grid lines only where the cell has room; the
// viewer sizes the font in points and always insets squares and dashes by 2.
enum class GridStyle { Main, Viewer };

// Where the grid lies on the paint device. Every measure of the drawing derives
// from the cell size; the grid's left and top edges are the widths of the clue
// bands, two cells per clue of the longest row and column clue lists.
struct GridGeometry
{
    int cellSize = 8;
    int gridLeft = 0;
    int gridTop = 0;
    int rows = 0;
    int columns = 0;
    // The clues in the readable look of ReadableClueLayout.h instead of two
    // cells per clue; the bands above are then that layout's.
    bool readableClues = false;
};

// An area that reaches every item of any grid: nothing is skipped.
QRect wholeDeviceArea();

// Clue numbers and grid lines are drawn only for cells larger than 4 pixels;
// smaller cells get the grid's outline and full squares, and the clue bands
// take no room.
constexpr int smallestCellWithClues = 5;
inline bool drawsClueNumbers(int cellSize)
{
    return cellSize >= smallestCellWithClues;
}

// The clue font at a cell size (drawn only where drawsClueNumbers says).
QFont clueFont(int cellSize, GridStyle style);

// A clue as drawn: one-digit numbers get a leading space so that they sit
// right-aligned in the same two character cells as two-digit ones.
QString clueText(int value);

// Paints the clues and grid lines (or, for small cells, the grid's outline),
// then the cell marks. Items that cannot reach `area` are left out and lines and
// marks go to the painter in batches; inside `area` every pixel is what drawing
// each item on its own gives. Leaves the clue font and a black brush set.
// `inks` greys or reddens the clues of single lines (play mode); `colours`
// paints a puzzle of several colours in them (its cells, when it has any,
// instead of the view's).
void paintGrid(QPainter &painter, const PuzzleView &puzzle, const GridGeometry &geometry,
               GridStyle style, const QRect &area, const ClueInks &inks = {},
               const ColourShown &colours = {});
// The colour of a clue's ink other than plain.
QColor clueInkColour(ClueInk ink);

// The tint of cells where two solutions differ.
QColor markTint();
// The tint of a highlighted line and of highlighted cells.
QColor highlightTint();

// Tints the cells flagged in `marked` (row-major, rows x columns of the
// geometry), such as the cells where two solutions differ, over whatever was
// painted there. Not part of paintGrid: a grid without marks looks the same.
void paintMarkedCells(QPainter &painter, const GridGeometry &geometry,
                      const std::vector<bool> &marked, const QRect &area,
                      const QColor &tint = markTint());

// Tints a whole row (`isRow`) or column with its clue band.
void paintHighlightedLine(QPainter &painter, const GridGeometry &geometry, bool isRow, int index);

// The same for the model's clues and grid.
void paintGrid(QPainter &painter, const CMalovanaKrizovka &puzzle, const GridGeometry &geometry,
               GridStyle style, const QRect &area);

} // namespace zd
