#include "ViewZoom.h"

#include "zdWidget.h"

#include <QKeySequence>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace zd {

namespace {

// A view coordinate mapped to a cell size: the grid's corner moves with the
// clue bands and every cell scales, so the same puzzle point is found again.
int mapCoordinate(int coordinate, int oldGridEdge, int oldCell, int newGridEdge, int newCell)
{
    const double cells = double(coordinate - oldGridEdge) / oldCell;
    return newGridEdge + static_cast<int>(std::lround(cells * newCell));
}

} // namespace

ViewZoom::ViewZoom(QScrollArea &area, zdWidget &view)
    : QObject(&area)
    , scrollArea(area)
    , gridView(view)
{
    // The wheel over the view, and over the viewport around a small view.
    scrollArea.viewport()->installEventFilter(this);
    gridView.installEventFilter(this);
    const auto addKeys = [this](const QList<QKeySequence> &keys, bool in) {
        auto *shortcut = new QShortcut(&scrollArea);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, in] {
            if (in)
                stepIn(viewportCentre());
            else
                stepOut(viewportCentre());
        });
    };
    // Ctrl+= as well: on most keyboards "+" needs Shift.
    addKeys(QKeySequence::keyBindings(QKeySequence::ZoomIn)
                << QKeySequence(Qt::CTRL | Qt::Key_Equal),
            true);
    addKeys(QKeySequence::keyBindings(QKeySequence::ZoomOut), false);
}

QPoint ViewZoom::viewportCentre() const
{
    // The middle of the puzzle as it is visible: a view smaller than the
    // visible area (after Fit to window) sits in its top left corner, and the
    // middle of the empty rest would be no point of the puzzle.
    const QRect visible = scrollArea.viewport()->rect().intersected(
        QRect(gridView.mapTo(scrollArea.viewport(), QPoint(0, 0)), gridView.size()));
    return visible.isEmpty() ? scrollArea.viewport()->rect().center() : visible.center();
}

void ViewZoom::zoomTo(int cellSize)
{
    zoomTo(cellSize, viewportCentre());
}

void ViewZoom::zoomTo(int cellSize, QPoint anchor)
{
    QScrollBar *horizontal = scrollArea.horizontalScrollBar();
    QScrollBar *vertical = scrollArea.verticalScrollBar();
    // The anchor in view coordinates: the view sits at its scroll offset, or
    // (when smaller than the viewport) at its own place inside it.
    const QPoint before = gridView.mapFrom(scrollArea.viewport(), anchor);
    const GridGeometry old = gridView.geometryAt(gridView.cellSize());
    const GridGeometry next = gridView.geometryAt(cellSize);
    const QPoint after(
        mapCoordinate(before.x(), old.gridLeft, old.cellSize, next.gridLeft, next.cellSize),
        mapCoordinate(before.y(), old.gridTop, old.cellSize, next.gridTop, next.cellSize));
    gridView.setCellSize(cellSize);
    gridView.update();
    horizontal->setValue(after.x() - anchor.x());
    vertical->setValue(after.y() - anchor.y());
}

void ViewZoom::stepIn(QPoint anchor)
{
    zoomTo(gridView.cellSize() < zoomStep ? zoomStep : gridView.cellSize() + zoomStep, anchor);
}

int ViewZoom::stepOutFrom(int cellSize)
{
    return cellSize - zoomStep >= smallestCellSize ? cellSize - zoomStep : cellSize;
}

void ViewZoom::stepOut(QPoint anchor)
{
    zoomTo(stepOutFrom(gridView.cellSize()), anchor);
}

int ViewZoom::fittingCellSize() const
{
    const QSize room = scrollArea.maximumViewportSize();
    const auto fits = [this, room](int cellSize) {
        const QSize size = gridView.sizeAt(cellSize);
        return size.width() <= room.width() && size.height() <= room.height();
    };
    // The smallest size when none fits: the view then scrolls.
    return largestFittingCellSize(smallestCellSize, zdWidget::maxCellSize, fits);
}

void ViewZoom::fitToWindow()
{
    gridView.setCellSize(fittingCellSize());
    gridView.update();
    scrollArea.horizontalScrollBar()->setValue(0);
    scrollArea.verticalScrollBar()->setValue(0);
}

bool ViewZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    const auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    const QPoint mouse = static_cast<QWidget *>(watched)->mapTo(scrollArea.viewport(),
                                                                wheel->position().toPoint());
    const int notches = wheel->angleDelta().y();
    if (notches > 0)
        stepIn(mouse);
    else if (notches < 0)
        stepOut(mouse);
    return true;
}

} // namespace zd
