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
    const qreal scale
        = std::min(qreal(page.width()) / extent.width(), qreal(page.height()) / extent.height());
    painter.save();
    painter.scale(scale, scale);
    view.paintPuzzleAt(&painter, cellSize);
    painter.restore();
}

} // namespace zd
