#include "PrintFit.h"

#include "zdWidget.h"

#include <QPainter>
#include <algorithm>

namespace zd {

QSize drawnExtent(const zdWidget &view, int cellSize)
{
    const GridGeometry grid = view.geometryAt(cellSize);
    // One more pixel for the last grid line.
    return { grid.gridLeft + grid.columns * cellSize + 1, grid.gridTop + grid.rows * cellSize + 1 };
}

void paintFittedPage(QPainter &painter, const zdWidget &view, int cellSize, QSize page)
{
    const QSize extent = drawnExtent(view, cellSize);
    const bool fits = extent.width() <= page.width() && extent.height() <= page.height();
    if (fits || extent.isEmpty()) {
        view.paintPuzzleAt(&painter, cellSize);
        return;
    }
    // Drawn at the largest cell size that fits: everything derives from the
    // cell size, so this is the picture scaled down, on whole device units,
    // and the PDF stays as small as the drawing at full size. Below the
    // sizes that draw clues and lines, the full-size drawing is scaled.
    constexpr int smallestWithClues = 5;
    for (int smaller = cellSize - 1; smaller >= smallestWithClues; --smaller) {
        const QSize fitted = drawnExtent(view, smaller);
        if (fitted.width() <= page.width() && fitted.height() <= page.height()) {
            view.paintPuzzleAt(&painter, smaller);
            return;
        }
    }
    const qreal scale
        = std::min(qreal(page.width()) / extent.width(), qreal(page.height()) / extent.height());
    painter.save();
    painter.scale(scale, scale);
    view.paintPuzzleAt(&painter, cellSize);
    painter.restore();
}

} // namespace zd
