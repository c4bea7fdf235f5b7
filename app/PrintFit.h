#pragma once

#include <QSize>

class QPainter;
class zdWidget;

namespace zd {

// The part of the view at `cellSize` that holds ink: clue bands and grid,
// without the empty margin right of and below the grid.
QSize drawnExtent(const zdWidget &view, int cellSize);

// Paints the view at `cellSize` from the page's origin. A picture that does
// not fit `page` is scaled down, keeping its proportions, until it fits: drawn
// at the largest smaller cell size that fits, or scaled by the painter when
// even a cell of 5 units is too large. One that fits is painted as it is,
// with no transformation at all.
void paintFittedPage(QPainter &painter, const zdWidget &view, int cellSize, QSize page);

} // namespace zd
