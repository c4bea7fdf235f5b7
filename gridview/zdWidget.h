#pragma once

#include "CMalovanaKrizovkaFromFile.h"
#include "CellState.h"
#include "GridPainter.h"
#include "PuzzleDrawing.h"

#include <QMetaType>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

namespace zd {

class PuzzleDocument;

// What lies under a point of the view: a cell, a row's or a column's clues,
// or nothing of the puzzle.
struct CellHit
{
    enum class Area { Outside, Cell, RowClues, ColumnClues };
    Area area = Area::Outside;
    int row = -1; // Cell and RowClues
    int column = -1; // Cell and ColumnClues

    bool isCell() const { return area == Area::Cell; }
    friend bool operator==(const CellHit &, const CellHit &) = default;
};

} // namespace zd

Q_DECLARE_METATYPE(zd::CellHit)

// zdWidget: the grid view. Paints a puzzle document (its clues, grid lines,
// cell marks, tints and highlights) from a single cell size on screen or on
// any painter, and tells which cell lies under a point. It repaints itself
// whenever its document changes. Without a document of its own it keeps one
// (the viewer's case).
class zdWidget : public QWidget
{
    Q_OBJECT

public:
    // The main program's view shows a caption with the puzzle's path; the
    // viewer's keeps no path and draws the simpler look of GridStyle::Viewer.
    using Variant = zd::GridStyle;

    // Cell sizes are kept within these bounds: below 1 pixel there is no grid to
    // draw, and above the upper one the pixel arithmetic of the largest puzzles
    // would overflow.
    static constexpr int minCellSize = 1;
    static constexpr int maxCellSize = 4096;

    explicit zdWidget(QWidget *parent = nullptr, Variant look = Variant::Main);

    // Paints `document` from now on (it is not owned, and must outlive the
    // view or be replaced first).
    void setDocument(zd::PuzzleDocument *document);
    zd::PuzzleDocument &document() const { return *doc; }

    // Recomputes the clue bands from the puzzle and the cell size and resizes
    // the widget to the bands, the grid and a margin of two cells.
    void updateLayout();
    void setCellSize(int pixels);
    int cellSize() const { return cellPixels; }
    // Reads a text puzzle file and lays it out again. Returns true in every
    // case; a file that cannot be read leaves the puzzle as it was and
    // lastLoadError() says why.
    bool load(const char *path);
    // Shows clues another format's reader read from `path`, as load() shows a
    // text puzzle file (a puzzle too large is refused: see lastLoadError()).
    void loadClues(const zd::PuzzleClues &clues, const char *path);
    // Runs the line solver; true when it solved the puzzle.
    bool solve();
    // Paints clues, grid lines and cell marks onto any active painter.
    void paintPuzzle(QPainter *painter);

    // Shows the clues in the readable look (ReadableClueLayout.h) instead of
    // two cells per clue, and lays the view out again.
    void setReadableClues(bool on);
    bool readableClues() const { return readable; }
    // Where the grid lies, and how large the view is, at any cell size in the
    // current look; painting at another cell size leaves the view as it is.
    zd::GridGeometry geometryAt(int cellSize) const;
    QSize sizeAt(int cellSize) const;
    // The puzzle as shown, by value, to paint elsewhere (another thread).
    zd::PuzzleDrawing drawing() const;

    // What lies under `point` (view coordinates) at the current cell size.
    zd::CellHit cellAt(QPoint point) const;
    // With cell input on, the view follows the mouse without a button held
    // (cellHovered) and takes the keyboard (cellKeyPressed); off, it leaves
    // keys to the scroll area around it.
    void setCellInput(bool on);

    // Shorthands for the document's operations, for the window and tests.
    void showCells(zd::CellGrid cells);
    void markCells(std::vector<bool> marked);
    const std::vector<bool> &markedCells() const;
    void takeSolvedPuzzle(const CMalovanaKrizovkaFromFile &solved);
    void showModelCells();
    // The grid shown instead of the model's, if any.
    const zd::CellGrid *shownCells() const;

    // What the last load() reported: empty after success.
    QString lastLoadError() const { return loadError; }
    const CMalovanaKrizovkaFromFile &model() const;

signals:
    // A mouse button went down over `hit`, then the mouse moved on to another
    // cell with it held, then it was released; positions between two drag
    // reports are not filled in.
    void cellPressed(zd::CellHit hit, Qt::MouseButton button);
    void cellDragged(zd::CellHit hit, Qt::MouseButtons buttons);
    void cellReleased(zd::CellHit hit, Qt::MouseButton button);
    // With cell input on: the mouse moved to another cell, or left the view
    // (an Outside hit).
    void cellHovered(zd::CellHit hit);
    void cellKeyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    zd::GridGeometry gridGeometry() const;
    zd::ColourShown colourShown() const;
    // The file's path, drawn in the top left corner; empty without one.
    QString caption() const;
    bool hasCaption() const { return model().filePath()[0] != '\0'; }
    void paintCaption(QPainter &painter);
    void paintOverlays(QPainter &painter, const zd::GridGeometry &geometry, const QRect &area);

    zd::PuzzleDocument *doc = nullptr;
    int cellPixels = 8;
    int maxRowClues = 0;
    int maxColumnClues = 0;
    int rowClueWidth = 0;
    int columnClueHeight = 0;
    Variant variant;
    QString loadError;
    bool readable = false;
    bool cellInput = false;
    zd::CellHit lastHit;
};
