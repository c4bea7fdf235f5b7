#pragma once

#include "zdWidget.h"

#include <QObject>
#include <QPoint>

class QScrollArea;

namespace zd {

// Zooms the grid view inside its scroll area so that the point of the puzzle
// under an anchor (the mouse, or the middle of the visible area) stays where
// it was. Handles Ctrl+wheel over the view and the standard zoom keys, and
// fits the whole puzzle into the visible area.
class ViewZoom : public QObject
{
public:
    // The one zoom limit of the window: Fit goes down to one pixel per cell
    // (the view's own smallest size), so that the largest puzzles fit on a
    // screen, and a step out is taken only while a whole step of 2 pixels
    // stays above it, so that stepping out from even sizes ends at 2.
    static constexpr int smallestCellSize = zdWidget::minCellSize;
    static constexpr int zoomStep = 2;
    // The cell size one step out from `cellSize`: the same size when no whole
    // step is left.
    static int stepOutFrom(int cellSize);

    ViewZoom(QScrollArea &area, zdWidget &view);

    // Sets the cell size, keeping the puzzle point at `anchor` (in the scroll
    // area's viewport) under it.
    void zoomTo(int cellSize, QPoint anchor);
    // The same around the middle of the visible area.
    void zoomTo(int cellSize);
    // One step in or out, as stepOutFrom says.
    void stepIn(QPoint anchor);
    void stepOut(QPoint anchor);
    // The largest cell size at which the whole view fits the visible area
    // without scroll bars; then shows it from its top left corner.
    void fitToWindow();
    int fittingCellSize() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint viewportCentre() const;

    QScrollArea &scrollArea;
    zdWidget &gridView;
};

} // namespace zd
