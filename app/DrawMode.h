#pragma once

#include "CellState.h"

#include <QObject>
#include <QString>
#include <vector>

class QAction;
class QScrollArea;
class QWidget;
class zdWidget;

namespace zd {

class JobRunner;
class PuzzleDocument;
struct CellHit;

// Drawing a puzzle: the picture (a solution, the grid shown, an empty one or
// an imported image) becomes editable and the clues follow it at once. Left
// click or drag fills, right click or drag clears, each stroke one step of
// the undo stack. After every stroke the picture's clues are checked in the
// background (a new stroke replaces the check running): unique, with its
// grade and the steps the explanation takes, or several solutions with the
// ambiguous cells tinted. Suggest a fix changes as few cells as it can find
// so that the clues have one solution.
class DrawMode : public QObject
{
    Q_OBJECT

public:
    DrawMode(QWidget &window, PuzzleDocument &document, zdWidget &view, QScrollArea &area);

    QAction *newAction() const { return newAct; }
    QAction *drawAction() const { return drawAct; }
    QAction *suggestAction() const { return suggestAct; }
    QAction *importAction() const { return importImageAct; }
    bool isOn() const;

    // Starts drawing an empty picture of that size (the New puzzle dialog's answer).
    void startEmpty(int rows, int columns);
    // Starts drawing `picture` (rows of '#' filled, anything else empty).
    void startPicture(const std::vector<std::string> &picture);

signals:
    // Status lines: "Checking..", "Unique (grade G, N steps)", "Several
    // solutions: K ambiguous cells", how many cells a fix changed.
    void message(const QString &text);

private:
    void setOn(bool on);
    void askForNewPuzzle();
    void importImage();
    void pressed(const CellHit &hit, Qt::MouseButton button);
    void dragged(const CellHit &hit);
    void released();
    // Shows `cells` as the picture with its clues, keeping the cell under
    // the mouse where it was when the clue bands change size.
    void showPicture(const CellGrid &cells);
    void commit(const CellGrid &before, const CellGrid &after, const QString &what);
    void checkPicture();
    void suggestFix();

    QWidget &window;
    PuzzleDocument &document;
    zdWidget &view;
    QScrollArea &scrollArea;
    JobRunner *checker;
    QAction *newAct;
    QAction *drawAct;
    QAction *suggestAct;
    QAction *importImageAct;

    struct StrokeState
    {
        bool active = false;
        CellState paint = CellFilled;
        CellGrid before;
    } stroke;
};

} // namespace zd
