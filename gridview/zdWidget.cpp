#include "zdWidget.h"

#include "PuzzleDocument.h"
#include "PuzzleView.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

zdWidget::zdWidget(QWidget *parent, Variant look)
    : QWidget(parent)
    , variant(look)
{
    setDocument(new zd::PuzzleDocument(this));
    // The viewer's reader keeps no path, so its view has no caption to show.
    doc->setKeepsPath(variant == Variant::Main);
    setWindowTitle(QStringLiteral("Qt Gridwerk"));
    resize(40, 40);
}

void zdWidget::setDocument(zd::PuzzleDocument *document)
{
    if (document == nullptr || document == doc)
        return;
    if (doc != nullptr)
        disconnect(doc, nullptr, this, nullptr);
    doc = document;
    connect(doc, &zd::PuzzleDocument::cluesChanged, this, [this] {
        updateLayout();
        update();
    });
    connect(doc, &zd::PuzzleDocument::cellsChanged, this, qOverload<>(&QWidget::update));
    connect(doc, &zd::PuzzleDocument::titleChanged, this, qOverload<>(&QWidget::update));
    updateLayout();
    update();
}

const CMalovanaKrizovkaFromFile &zdWidget::model() const
{
    return doc->model();
}

void zdWidget::updateLayout()
{
    const zd::GridGeometry geometry = geometryAt(cellPixels);
    maxRowClues = 0;
    maxColumnClues = 0;
    for (int16_t r = 0; r < model().rowCount(); ++r)
        maxRowClues = std::max<int>(maxRowClues, model().rowClueCount(r));
    for (int16_t j = 0; j < model().columnCount(); ++j)
        maxColumnClues = std::max<int>(maxColumnClues, model().columnClueCount(j));
    rowClueWidth = geometry.gridLeft;
    columnClueHeight = geometry.gridTop;
    resize(zd::drawingSizeOf(geometry));
}

namespace {

// The caption's base line and the strip above the clues kept free for it.
constexpr int captionBaseLine = 20;
constexpr int captionStripHeight = captionBaseLine + 8;

} // namespace

zd::GridGeometry zdWidget::geometryAt(int cellSize) const
{
    zd::GridGeometry geometry
        = zd::gridGeometryOf(zd::ModelPuzzleView(model()), cellSize, readable);
    // The two-cells-per-clue bands leave their top left corner free for the
    // caption; the readable bands and small cells do not, so the caption
    // gets a strip of its own there instead of covering clues or cells.
    if (hasCaption() && (readable || !zd::drawsClueNumbers(cellSize)))
        geometry.gridTop += captionStripHeight;
    return geometry;
}

QString zdWidget::caption() const
{
    // The path is stored as the file system gave it; decode it the same way so
    // that names with non-ASCII letters show as they are.
    return QFile::decodeName(QByteArray(model().filePath()));
}

QSize zdWidget::sizeAt(int cellSize) const
{
    return zd::drawingSizeOf(geometryAt(cellSize));
}

void zdWidget::setReadableClues(bool on)
{
    readable = on;
    updateLayout();
    update();
}

zd::PuzzleDrawing zdWidget::drawing() const
{
    zd::PuzzleDrawing drawing;
    drawing.clues = doc->clues();
    const zd::ModelPuzzleView view(model(), shownCells());
    drawing.cells.reserve(static_cast<size_t>(std::max(0, view.rows()))
                          * static_cast<size_t>(std::max(0, view.columns())));
    for (int r = 0; r < view.rows(); ++r)
        for (int j = 0; j < view.columns(); ++j)
            drawing.cells.push_back(view.cell(r, j));
    drawing.marks = doc->marks();
    if (doc->colourPuzzle() != nullptr) {
        drawing.colour = *doc->colourPuzzle();
        if (const zd::ColourShown shown = colourShown(); shown.hasCells())
            drawing.colourCells = *shown.cells;
    }
    drawing.readableClues = readable;
    drawing.style = variant;
    drawing.title = QFileInfo(QFile::decodeName(QByteArray(model().filePath()))).completeBaseName();
    return drawing;
}

void zdWidget::setCellSize(int pixels)
{
    cellPixels = std::clamp(pixels, minCellSize, maxCellSize);
    updateLayout();
}

bool zdWidget::load(const char *path)
{
    loadError = path == nullptr ? tr("No puzzle file named") : doc->loadText(path);
    updateLayout();
    return true;
}

void zdWidget::loadClues(const zd::PuzzleClues &clues, const char *path)
{
    loadError = doc->loadClues(clues, path);
    updateLayout();
}

bool zdWidget::solve()
{
    return doc->solveLines() == 0;
}

void zdWidget::showCells(zd::CellGrid cells)
{
    doc->showSolverGrid(std::move(cells), doc->secondSolution());
}

void zdWidget::showModelCells()
{
    doc->clearSolverGrid();
}

void zdWidget::markCells(std::vector<bool> marked)
{
    doc->setMarks(std::move(marked));
}

const std::vector<bool> &zdWidget::markedCells() const
{
    return doc->marks();
}

void zdWidget::takeSolvedPuzzle(const CMalovanaKrizovkaFromFile &solved)
{
    doc->takeSolvedModel(solved);
}

const zd::CellGrid *zdWidget::shownCells() const
{
    return doc->shownCells();
}

zd::ColourShown zdWidget::colourShown() const
{
    // A colour solver's cells belong to the solved look only.
    const bool solvedLook = doc->look() == zd::DocumentLook::Solved;
    return { doc->colourPuzzle(), solvedLook ? &doc->colourCells() : nullptr };
}

zd::GridGeometry zdWidget::gridGeometry() const
{
    return { cellPixels,         rowClueWidth,          columnClueHeight,
             model().rowCount(), model().columnCount(), readable };
}

zd::CellHit zdWidget::cellAt(QPoint point) const
{
    const zd::GridGeometry grid = gridGeometry();
    const int s = grid.cellSize;
    const int x = point.x() - grid.gridLeft;
    const int y = point.y() - grid.gridTop;
    // Floor division: points left of or above the grid give negative indices.
    const int column = x >= 0 ? x / s : -1;
    const int row = y >= 0 ? y / s : -1;
    const bool inRows = y >= 0 && row < grid.rows;
    const bool inColumns = x >= 0 && column < grid.columns;
    zd::CellHit hit;
    if (inRows && inColumns)
        hit = { zd::CellHit::Area::Cell, row, column };
    else if (inRows && point.x() >= 0 && x < 0)
        hit = { zd::CellHit::Area::RowClues, row, -1 };
    else if (inColumns && point.y() >= 0 && y < 0)
        hit = { zd::CellHit::Area::ColumnClues, -1, column };
    return hit;
}

void zdWidget::setCellInput(bool on)
{
    cellInput = on;
    setMouseTracking(on);
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void zdWidget::paintPuzzle(QPainter *painter)
{
    const zd::ModelPuzzleView view(model(), shownCells());
    const zd::GridGeometry geometry = gridGeometry();
    zd::paintGrid(*painter, view, geometry, variant, zd::wholeDeviceArea(), doc->clueInks(),
                  colourShown());
    paintOverlays(*painter, geometry, zd::wholeDeviceArea());
}

void zdWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const zd::ModelPuzzleView view(model(), shownCells());
    const zd::GridGeometry geometry = gridGeometry();
    zd::paintGrid(painter, view, geometry, variant, event->rect(), doc->clueInks(), colourShown());
    paintOverlays(painter, geometry, event->rect());
    if (variant == Variant::Main)
        paintCaption(painter);
}

void zdWidget::paintOverlays(QPainter &painter, const zd::GridGeometry &geometry, const QRect &area)
{
    zd::paintMarkedCells(painter, geometry, doc->marks(), area);
    const zd::LineRef line = doc->highlightedLine();
    if (!line.isNone())
        zd::paintHighlightedLine(painter, geometry, line.kind == zd::LineRef::Kind::Row,
                                 line.index);
    zd::paintMarkedCells(painter, geometry, doc->highlightedCells(), area, zd::highlightTint());
    if (doc->hoverRow() >= 0) {
        zd::paintHighlightedLine(painter, geometry, true, doc->hoverRow());
        zd::paintHighlightedLine(painter, geometry, false, doc->hoverColumn());
    }
    if (doc->cursorRow() >= 0) {
        const int s = geometry.cellSize;
        painter.save();
        painter.setPen(QPen(zd::clueInkColour(zd::ClueInk::Broken), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(geometry.gridLeft + doc->cursorColumn() * s + 1,
                         geometry.gridTop + doc->cursorRow() * s + 1, s - 2, s - 2);
        painter.restore();
    }
}

void zdWidget::paintCaption(QPainter &painter)
{
    if (!hasCaption())
        return;
    QFont font(QStringLiteral("Courier New"), 12);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.drawText(QPointF(20, captionBaseLine), caption());
}

void zdWidget::mousePressEvent(QMouseEvent *event)
{
    lastHit = cellAt(event->position().toPoint());
    emit cellPressed(lastHit, event->button());
    QWidget::mousePressEvent(event);
}

void zdWidget::mouseMoveEvent(QMouseEvent *event)
{
    const zd::CellHit hit = cellAt(event->position().toPoint());
    if (hit != lastHit) {
        lastHit = hit;
        if (event->buttons() != Qt::NoButton)
            emit cellDragged(hit, event->buttons());
        else if (cellInput)
            emit cellHovered(hit);
    }
    QWidget::mouseMoveEvent(event);
}

void zdWidget::mouseReleaseEvent(QMouseEvent *event)
{
    emit cellReleased(cellAt(event->position().toPoint()), event->button());
    QWidget::mouseReleaseEvent(event);
}

void zdWidget::leaveEvent(QEvent *event)
{
    if (cellInput && lastHit != zd::CellHit()) {
        lastHit = {};
        emit cellHovered(lastHit);
    }
    QWidget::leaveEvent(event);
}

void zdWidget::keyPressEvent(QKeyEvent *event)
{
    if (!cellInput) {
        QWidget::keyPressEvent(event); // the scroll area scrolls
        return;
    }
    emit cellKeyPressed(event->key(), event->modifiers());
}
