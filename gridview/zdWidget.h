#pragma once

#include "CMalovanaKrizovkaFromFile.h"
#include "CellState.h"
#include "GridPainter.h"

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QPainter;

// zdWidget: the grid view. Owns one puzzle, lays it out from a single cell size
// and paints its clues, grid lines and cell marks on screen or on any painter.
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
    // Runs the line solver; true when it solved the puzzle. The caller repaints.
    bool solve();
    // Paints clues, grid lines and cell marks onto any active painter.
    void paintPuzzle(QPainter *painter);

    // Shows the clues in the readable look (ReadableClueLayout.h) instead of
    // two cells per clue, and lays the view out again. The caller repaints.
    void setReadableClues(bool on);
    bool readableClues() const { return readable; }
    // Where the grid lies, and how large the view is, at any cell size in the
    // current look; painting at another cell size leaves the view as it is.
    zd::GridGeometry geometryAt(int cellSize) const;
    QSize sizeAt(int cellSize) const;
    void paintPuzzleAt(QPainter *painter, int cellSize) const;

    // Shows `cells` (the puzzle's rows x columns, row-major), such as a
    // complete solver's result, instead of the model's grid until the next
    // load or solve; the model itself is left as it is. A grid of another
    // size is not shown. The caller repaints.
    void showCells(zd::CellGrid cells);
    // Tints the cells flagged in `marked` (rows x columns, row-major) while the
    // grid given to showCells is shown, such as where a second solution
    // differs. Cleared with that grid. The caller repaints.
    void markCells(std::vector<bool> marked);
    const std::vector<bool> &markedCells() const { return marks; }
    // Takes over the grid of a copy of this view's puzzle that was solved
    // elsewhere (on another thread), with the clues it has in common.
    void takeSolvedPuzzle(const CMalovanaKrizovkaFromFile &solved);
    // Shows the model's own grid again.
    void showModelCells();
    // The grid shown instead of the model's, if any.
    const zd::CellGrid *shownCells() const { return otherCells ? &*otherCells : nullptr; }

    // What the last load() reported: empty after success.
    QString lastLoadError() const { return loadError; }
    const CMalovanaKrizovkaFromFile &model() const { return puzzle; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    zd::GridGeometry gridGeometry() const;
    void paintCaption(QPainter &painter);
    void paintMarks(QPainter &painter, const QRect &area);

    CMalovanaKrizovkaFromFile puzzle;
    int cellPixels = 8;
    int maxRowClues = 0;
    int maxColumnClues = 0;
    int rowClueWidth = 0;
    int columnClueHeight = 0;
    Variant variant;
    QString loadError;
    std::optional<zd::CellGrid> otherCells;
    std::vector<bool> marks;
    bool readable = false;
};
