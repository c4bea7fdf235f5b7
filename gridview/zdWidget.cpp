#include "zdWidget.h"

#include "PuzzleView.h"
#include "ReadableClueLayout.h"

#include <QFile>
#include <QFont>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

zdWidget::zdWidget(QWidget *parent, Variant look)
    : QWidget(parent)
    , variant(look)
{
    // The viewer's reader keeps no path, so its view has no caption to show.
    puzzle.setKeepsPath(variant == Variant::Main);
    setWindowTitle(QStringLiteral("Qt Gridwerk"));
    resize(40, 40);
}

void zdWidget::updateLayout()
{
    maxRowClues = 0;
    maxColumnClues = 0;
    for (int16_t r = 0; r < puzzle.rowCount(); ++r)
        maxRowClues = std::max<int>(maxRowClues, puzzle.rowClueCount(r));
    for (int16_t j = 0; j < puzzle.columnCount(); ++j)
        maxColumnClues = std::max<int>(maxColumnClues, puzzle.columnClueCount(j));
    const zd::GridGeometry geometry = geometryAt(cellPixels);
    rowClueWidth = geometry.gridLeft;
    columnClueHeight = geometry.gridTop;
    resize(sizeAt(cellPixels));
}

zd::GridGeometry zdWidget::geometryAt(int cellSize) const
{
    zd::GridGeometry geometry;
    geometry.cellSize = cellSize;
    geometry.rows = puzzle.rowCount();
    geometry.columns = puzzle.columnCount();
    geometry.readableClues = readable;
    if (readable) {
        const zd::ReadableClueLayout layout(
            cellSize, zd::ReadableClueLayout::longestClueDigits(zd::ModelPuzzleView(puzzle)));
        geometry.gridLeft = layout.rowBandWidth(maxRowClues);
        geometry.gridTop = layout.columnBandHeight(maxColumnClues);
    } else {
        geometry.gridLeft = cellSize * maxRowClues * 2;
        geometry.gridTop = cellSize * maxColumnClues * 2;
    }
    return geometry;
}

QSize zdWidget::sizeAt(int cellSize) const
{
    const zd::GridGeometry geometry = geometryAt(cellSize);
    return { geometry.gridLeft + (geometry.columns + 2) * cellSize,
             geometry.gridTop + (geometry.rows + 2) * cellSize };
}

void zdWidget::setReadableClues(bool on)
{
    readable = on;
    updateLayout();
}

void zdWidget::paintPuzzleAt(QPainter *painter, int cellSize) const
{
    const zd::ModelPuzzleView view(puzzle, shownCells());
    zd::paintGrid(*painter, view, geometryAt(cellSize), variant, zd::wholeDeviceArea());
}

void zdWidget::setCellSize(int pixels)
{
    cellPixels = std::clamp(pixels, minCellSize, maxCellSize);
    updateLayout();
}

bool zdWidget::load(const char *path)
{
    if (path == nullptr) {
        loadError = tr("No puzzle file named");
    } else {
        puzzle.load(path);
        loadError = QString::fromLocal8Bit(puzzle.lastError());
        if (loadError.isEmpty())
            otherCells.reset();
    }
    updateLayout();
    return true;
}

void zdWidget::loadClues(const zd::PuzzleClues &clues, const char *path)
{
    puzzle.loadClues(clues, path);
    loadError = QString::fromLocal8Bit(puzzle.lastError());
    if (loadError.isEmpty())
        otherCells.reset();
    updateLayout();
}

bool zdWidget::solve()
{
    otherCells.reset();
    return puzzle.solve(nullptr, 0) == 0;
}

void zdWidget::showCells(zd::CellGrid cells)
{
    const size_t size = static_cast<size_t>(std::max<int>(puzzle.rowCount(), 0))
        * std::max<int>(puzzle.columnCount(), 0);
    if (cells.size() == size)
        otherCells = std::move(cells);
}

void zdWidget::showModelCells()
{
    otherCells.reset();
}

void zdWidget::markCells(std::vector<bool> marked)
{
    marks = std::move(marked);
}

void zdWidget::takeSolvedPuzzle(const CMalovanaKrizovkaFromFile &solved)
{
    puzzle = solved;
    otherCells.reset();
}

void zdWidget::paintMarks(QPainter &painter, const QRect &area)
{
    if (otherCells && !marks.empty())
        zd::paintMarkedCells(painter, gridGeometry(), marks, area);
}

zd::GridGeometry zdWidget::gridGeometry() const
{
    return { cellPixels,        rowClueWidth,         columnClueHeight,
             puzzle.rowCount(), puzzle.columnCount(), readable };
}

void zdWidget::paintPuzzle(QPainter *painter)
{
    const zd::ModelPuzzleView view(puzzle, shownCells());
    zd::paintGrid(*painter, view, gridGeometry(), variant, zd::wholeDeviceArea());
    paintMarks(*painter, zd::wholeDeviceArea());
}

void zdWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const zd::ModelPuzzleView view(puzzle, shownCells());
    zd::paintGrid(painter, view, gridGeometry(), variant, event->rect());
    paintMarks(painter, event->rect());
    if (variant == Variant::Main)
        paintCaption(painter);
}

void zdWidget::paintCaption(QPainter &painter)
{
    // The path is stored as the file system gave it; decode it the same way so
    // that names with non-ASCII letters show as they are.
    const QString caption = QFile::decodeName(QByteArray(puzzle.filePath()));
    if (caption.isEmpty())
        return;
    QFont font(QStringLiteral("Courier New"), 12);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.drawText(QPointF(20, 20), caption);
}
