#pragma once

#include "CMalovanaKrizovkaFromFile.h"
#include "CellState.h"
#include "ClueInk.h"
#include "ColourPuzzle.h"
#include "PuzzleClues.h"

#include <QObject>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class QUndoStack;

namespace zd {

// Which grid the view shows over the clues.
enum class DocumentLook {
    Solved, // the model's grid, or a solver's result shown instead of it
    Player, // the grid a person fills in by hand
    Picture, // the picture an author draws
};

// A row or column, as an explanation or the mouse points at it.
struct LineRef
{
    enum class Kind { None, Row, Column };
    Kind kind = Kind::None;
    int index = -1;

    bool isNone() const { return kind == Kind::None; }
    friend bool operator==(const LineRef &, const LineRef &) = default;
};

// PuzzleDocument: the puzzle one window works on. It owns the clues (with the
// line solver's grid, in the legacy model), the file they came from and the
// title shown for them, every grid there is to show (a solver's result and a
// second solution, the player's grid, the picture being drawn), the marks and
// highlights painted over them, the undo stack and whether the document was
// modified. The view paints what it holds and repaints on its signals; the
// window changes it only through the operations below, so that every change
// reaches the screen.
class PuzzleDocument : public QObject
{
    Q_OBJECT

public:
    explicit PuzzleDocument(QObject *parent = nullptr);
    ~PuzzleDocument() override;

    // The clues and the line solver's grid. Read-only: changes go through
    // the operations below.
    const CMalovanaKrizovkaFromFile &model() const { return puzzle; }
    PuzzleClues clues() const { return PuzzleClues::fromModel(puzzle); }
    int rows() const { return puzzle.rowCount(); }
    int columns() const { return puzzle.columnCount(); }
    // Whether the model remembers the path it was loaded from (the viewer's
    // does not, so its view has no caption).
    void setKeepsPath(bool keep) { puzzle.setKeepsPath(keep); }

    // Reads a text puzzle file. On failure the document keeps what it held
    // and the message says why; on success everything shown is forgotten.
    QString loadText(const char *path);
    // Takes clues another reader read from `path`, as loadText does.
    QString loadClues(const PuzzleClues &clues, const char *path);
    // Takes a puzzle of several colours: clues() are then their lengths, and
    // colourPuzzle() the puzzle itself. Any other load forgets it.
    QString loadColourPuzzle(const ColourPuzzle &colourClues, const char *path);
    // The colour puzzle loaded last, or null for a black-and-white one.
    const ColourPuzzle *colourPuzzle() const { return colour ? &*colour : nullptr; }

    // The path the clues came from, as the file system spells it ("" if none).
    const char *filePath() const { return puzzle.filePath(); }
    QString title() const { return shownTitle; }
    void setTitle(const QString &title);

    // Runs the model's own line solver here (pass lines on standard output);
    // returns its result code. The solver's grid shown instead is dropped.
    int solveLines();
    // Takes the grid of a copy of the model that was solved elsewhere.
    void takeSolvedModel(const CMalovanaKrizovkaFromFile &solved);

    // A grid shown instead of the model's (a complete solver's result), with
    // a second solution to swap it with; a grid of another size is ignored.
    // The marks go with the solutions they were set for.
    void showSolverGrid(CellGrid cells, CellGrid second = {});
    void clearSolverGrid();
    const CellGrid *solverGrid() const { return solverCells ? &*solverCells : nullptr; }
    const CellGrid &secondSolution() const { return secondCells; }
    // Shows the second solution in place of the first; false when there is none.
    bool swapSolutions();
    // A colour puzzle's cells as a solver decided them (colourUnknown where
    // it did not), shown with the solver grid above, which holds the same
    // cells as filled or empty; a second solution swaps with them.
    void showColourCells(ColourGrid cells, ColourGrid second = {});
    const ColourGrid &colourCells() const { return colourShown; }

    // The player's and the author's grids: rows x columns, all unknown at first.
    const CellGrid &playerGrid() const { return player; }
    void setPlayerGrid(CellGrid cells);
    const CellGrid &picture() const { return drawn; }
    void setPicture(CellGrid cells);
    // Draws: `cells` (filled or not) becomes the picture and its runs the
    // clues, keeping the file, the title and the undo stack; another size
    // lays the grid out anew. Shown solutions and marks go.
    void drawPicture(int rows, int columns, CellGrid cells);

    DocumentLook look() const { return currentLook; }
    void setLook(DocumentLook look);
    // The cells the view draws in the current look: null for the model's own.
    const CellGrid *shownCells() const;

    // Cells tinted over the grid (where two solutions differ, where a
    // picture is ambiguous): rows x columns flags, or empty for none.
    void setMarks(std::vector<bool> marked);
    const std::vector<bool> &marks() const { return marked; }
    // A line and cells drawn highlighted (an explanation's line and premises).
    void setHighlight(LineRef line, std::vector<bool> cells = {});
    LineRef highlightedLine() const { return highlighted; }
    const std::vector<bool> &highlightedCells() const { return highlightCells; }

    // Play mode's help: the clues of finished lines greyed, of broken ones red.
    void setClueInks(ClueInks inks);
    const ClueInks &clueInks() const { return inks; }
    // The cell under the mouse (its row and column are highlighted with their
    // clues) and the keyboard's cursor; row -1 for none.
    void setHoverCell(int row, int column);
    int hoverRow() const { return hover.first; }
    int hoverColumn() const { return hover.second; }
    void setCursorCell(int row, int column);
    int cursorRow() const { return cursor.first; }
    int cursorColumn() const { return cursor.second; }

    QUndoStack *undoStack() const { return undo; }
    bool isModified() const { return modified; }
    void setModified(bool on);

signals:
    // The size or the clues changed: the view lays itself out again.
    void cluesChanged();
    // A shown grid, the look, the marks or the highlight changed: repaint.
    void cellsChanged();
    void titleChanged(const QString &title);
    void modifiedChanged(bool modified);

private:
    // After the model read new clues (or failed to): the load's error, empty
    // on success, when everything shown of the old clues is forgotten.
    QString finishLoad(std::optional<ColourPuzzle> colourClues);
    size_t cellCount() const;
    bool fits(const CellGrid &cells) const { return cells.size() == cellCount(); }
    // After new clues: every grid, mark and highlight of the old ones goes.
    void forgetShownGrids();
    void forgetSolutions();

    CMalovanaKrizovkaFromFile puzzle;
    QString shownTitle;
    std::optional<ColourPuzzle> colour;
    ColourGrid colourShown;
    ColourGrid colourSecond;
    std::optional<CellGrid> solverCells;
    CellGrid secondCells;
    CellGrid player;
    CellGrid drawn;
    DocumentLook currentLook = DocumentLook::Solved;
    std::vector<bool> marked;
    LineRef highlighted;
    std::vector<bool> highlightCells;
    ClueInks inks;
    std::pair<int, int> hover { -1, -1 };
    std::pair<int, int> cursor { -1, -1 };
    QUndoStack *undo;
    bool modified = false;
};

} // namespace zd
