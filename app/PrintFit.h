#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QPainter;
class QString;

namespace zd {

struct PuzzleDrawing;

// The part of the drawing at `cellSize` that holds ink: clue bands and grid,
// without the empty margin right of and below the grid.
QSize drawnExtent(const PuzzleDrawing &drawing, int cellSize);

// Paints the view at `cellSize` from the page's origin. A picture that does
// not fit `page` is scaled down, keeping its proportions, until it fits: drawn
// at the largest smaller cell size that fits, or scaled by the painter when
// even a cell of 5 units is too large. One that fits is painted as it is,
// with no transformation at all.
void paintFittedPage(QPainter &painter, const PuzzleDrawing &drawing, int cellSize, QSize page);

// How a puzzle is laid out on a printed page: at the largest cell size at
// which the clues and grid fit below the title, at most 10 mm a cell,
// centred, with the title centred above; `fitted` false when even cells too
// small for clues do not fit (the drawing is then scaled down).
struct PageLayout
{
    bool fitted = false;
    int cellSize = 0;
    QPoint origin; // where the drawing's top left corner goes
    QRect title; // empty without a title
};
PageLayout printedLayout(const PuzzleDrawing &drawing, QSize page, int dotsPerInch);
void paintPrintedPage(QPainter &painter, const PuzzleDrawing &drawing, QSize page, int dotsPerInch);

// Prints the drawing into a one-page PDF file laid out as printedLayout
// says. The file appears complete or not at all. Any thread may call it.
// Returns an empty string, or why the file was not written.
QString printToPdf(const PuzzleDrawing &drawing, const QString &fileName);

// The puzzle as it is published: the clues with an empty grid on the first
// page, the solution (the drawing's cells) on the second.
std::vector<PuzzleDrawing> blankAndSolutionPages(const PuzzleDrawing &drawing);
QString printBlankToPdf(const PuzzleDrawing &drawing, const QString &fileName);

} // namespace zd
