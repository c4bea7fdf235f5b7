#pragma once

#include "CellState.h"
#include "Explanation.h"
#include "PuzzleClues.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QDockWidget;
class QListWidget;
class QMainWindow;
class zdWidget;

namespace zd {

class JobRunner;
class PuzzleDocument;

// The window's explanation: a dock listing every step of the deduction
// trace (Explain), the next step from the grid on screen (Hint) and applying
// it (Next step), and "Why?" on a decided cell. Choosing a step shows the
// grid as it was before it, with its line highlighted, the cells it rests on
// tinted blue and the cells it decides tinted orange. The trace is computed
// on a worker; every action returns at once.
class ExplanationPanel : public QObject
{
    Q_OBJECT

public:
    ExplanationPanel(QMainWindow &window, PuzzleDocument &document, zdWidget &view);

    QAction *explainAction() const { return explainAct; }
    QAction *hintAction() const { return hintAct; }
    QAction *stepAction() const { return stepAct; }
    QDockWidget *dock() const { return explainDock; }

    // The grid the steps start from when it is not the one the document
    // shows (a player's grid in play mode); null for the document's.
    void setStartGrid(std::function<const CellGrid *()> grid) { startGrid = std::move(grid); }
    // Where a step's new cells go when Next step applies it.
    void setApplyStep(std::function<void(const CellGrid &)> apply) { applyGrid = std::move(apply); }

    // Asked first by Hint: true when it has shown something else instead
    // (a mistake of the player's).
    void setBeforeHint(std::function<bool()> check) { beforeHint = std::move(check); }

    // Shows the step that decided the cell, explaining first when needed.
    void explainCell(int row, int column);

signals:
    // A status line for the window: the hint's text, or why there is none.
    void message(const QString &text);

private:
    void explain();
    void hint();
    // The trace's first step; null when it has none (every cell is decided,
    // or logic stops: several solutions, none), after saying so.
    const ExplanationStep *firstStepOrSayWhy();
    // All unknown, rows x columns.
    CellGrid emptyGrid() const;
    void step();
    void showStep(int index);
    void fillList();
    // A trace from `start`, of at most `maxSteps` steps (0: all of them).
    void requestTrace(const CellGrid &start, const std::function<void()> &then, int maxSteps = 0);
    void showContextMenu(QPoint at);
    // The grid on screen, rows x columns.
    CellGrid shownGrid() const;
    QString textOf(const ExplanationStep &step) const;

    PuzzleDocument &document;
    zdWidget &view;
    JobRunner *runner;
    QDockWidget *explainDock;
    QListWidget *explainList;
    QAction *explainAct;
    QAction *hintAct;
    QAction *stepAct;
    std::function<const CellGrid *()> startGrid;
    std::function<void(const CellGrid &)> applyGrid;
    std::function<bool()> beforeHint;

    // The trace on show, the clues and start grid it was made for.
    std::optional<Explanation> trace;
    PuzzleClues traceClues;
    CellGrid traceStart;
    bool traceIsWhole = false; // not cut short after the first step (a hint)
};

// The grid after the first `count` steps, from `start`.
CellGrid gridAfterSteps(const Explanation &explanation, const CellGrid &start, size_t count);

} // namespace zd
