#pragma once

#include <QObject>
#include <QPoint>

class QScrollArea;
class zdWidget;

namespace zd {

// Zooms the grid view inside its scroll area so that the point of the puzzle
// under an anchor (the mouse, or the middle of the visible area) stays where
// it was. Handles Ctrl+wheel over the view and the standard zoom keys, and
// fits the whole puzzle into the visible area.
class ViewZoom : public QObject
{
public:
    // The smallest cell size the view zooms to: one pixel per cell, so that
    // the largest puzzles fit on a screen.
    static constexpr int smallestCellSize = 1;

    ViewZoom(QScrollArea &area, zdWidget &view);

    // Sets the cell size, keeping the puzzle point at `anchor` (in the scroll
    // area's viewport) under it.
    void zoomTo(int cellSize, QPoint anchor);
    // The same around the middle of the visible area.
    void zoomTo(int cellSize);
    // One step in or out: 2 pixels, down to the smallest cell size.
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
