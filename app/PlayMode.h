#pragma once

#include "CellState.h"
#include "CompleteSolver.h"
#include "PuzzleClues.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

class QAction;
class zdWidget;

namespace zd {

class JobRunner;
class PuzzleDocument;
struct CellHit;

// Solving a puzzle by hand in the window. Play on shows the clues and the
// player's grid instead of the solver's; left click fills a cell, right click
// marks it empty, the same click again clears it, a drag paints along its row
// or column, the keys move a cursor and mark cells; every stroke is one step
// of the document's undo stack. The clues of finished lines are greyed and
// those of lines that can no longer meet their clues red; Check counts the
// cells no solution agrees with; a grid that meets every clue says how long
// it took. The player's grid and time are kept per puzzle, keyed by its clues.
class PlayMode : public QObject
{
    Q_OBJECT

public:
    PlayMode(QObject *parent, PuzzleDocument &document, zdWidget &view);
    ~PlayMode() override;

    QAction *playAction() const { return playAct; }
    QAction *checkAction() const { return checkAct; }
    QAction *restartAction() const { return restartAct; }
    bool isOn() const;

    // Sets the player's grid to `grid` as one undoable step (Next step).
    void applyGrid(const CellGrid &grid, const QString &what);
    // The cells of the player's grid that no solution agrees with; empty
    // while the solutions are not known.
    std::optional<std::vector<bool>> mistakes() const;

signals:
    void message(const QString &text);

private:
    void setOn(bool on);
    void puzzleChanged();
    void pressed(const CellHit &hit, Qt::MouseButton button);
    void dragged(const CellHit &hit);
    void released();
    void hovered(const CellHit &hit);
    void keyPressed(int key);
    void markAtCursor(CellState state);
    // Paints the stroke's cells on the player's grid for what it covers now.
    void paintStroke();
    void commit(const CellGrid &before, const CellGrid &after, const QString &what);
    void check();
    void showMistakes();
    void restart();
    void requestSolutions();
    // After any change of the player's grid: inks, finish, progress saved.
    void gridChanged();
    void setPlayerCells(const CellGrid &grid);

    QString progressKey() const;
    void loadProgress();
    void saveProgress() const;
    qint64 secondsPlayed() const;

    PuzzleDocument &document;
    zdWidget &view;
    JobRunner *runner;
    QAction *playAct;
    QAction *checkAct;
    QAction *restartAct;

    // The stroke under way: where it started, what it paints, the grid
    // before it and the cell the mouse is on now.
    struct StrokeState
    {
        bool active = false;
        int row = 0;
        int column = 0;
        int toRow = 0;
        int toColumn = 0;
        CellState paint = CellUnknown;
        CellGrid before;
    } stroke;

    std::optional<SolveResult> solutions;
    std::vector<bool> ambiguous; // cells where two solutions differ
    bool checkWanted = false;
    bool finished = false;
    qint64 earlierSeconds = 0; // played before this session of play mode
    QElapsedTimer clock;
};

} // namespace zd
