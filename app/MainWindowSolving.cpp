// The window's complete solve: its actions, the result shown in the view and
// the outcome label, the progress while a solve runs, and Cancel.

#include "AppFiles.h"
#include "CompleteSolveText.h"
#include "JobRunner.h"
#include "MainWindow.h"
#include "PuzzleDocument.h"
#include "SolveJobs.h"
#include "zdWidget.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QStatusBar>

void MainWindow::createSolveActions()
{
    solveCompletelyAct = new QAction(QIcon(zd::appFile("../images/solve_completely.png")),
                                     tr("Solve &completely"), this);
    solveCompletelyAct->setObjectName("solveCompletelyAct");
    solveCompletelyAct->setShortcut(QKeySequence(tr("Ctrl+Shift+S")));
    solveCompletelyAct->setStatusTip(
        tr("Solve the griddler to its end and tell whether its solution is unique"));
    connect(solveCompletelyAct, &QAction::triggered, this, &MainWindow::solveCompletely);

    otherSolutionAct = new QAction(tr("&Other solution"), this);
    otherSolutionAct->setObjectName("otherSolutionAct");
    otherSolutionAct->setStatusTip(tr("Show the other of two solutions"));
    otherSolutionAct->setEnabled(false);
    connect(otherSolutionAct, &QAction::triggered, this, &MainWindow::showOtherSolution);

    cancelSolveAct = new QAction(QIcon(zd::appFile("../images/cancel.png")), tr("&Cancel"), this);
    cancelSolveAct->setObjectName("cancelSolveAct");
    cancelSolveAct->setShortcut(QKeySequence(Qt::Key_Escape));
    cancelSolveAct->setStatusTip(tr("Stop the running solve"));
    cancelSolveAct->setEnabled(false);
    connect(cancelSolveAct, &QAction::triggered, this, &MainWindow::cancelSolve);
}

void MainWindow::createSolveStatus()
{
    outcomeHintLabel = new QLabel(this);
    outcomeHintLabel->setObjectName("outcomeHintLabel");
    statusBar()->addPermanentWidget(outcomeHintLabel);
    // Permanent, left of the outcome: the "Solving.." message would hide a
    // normal status-bar widget.
    progressLabel = new QLabel(this);
    progressLabel->setObjectName("solveProgressLabel");
    progressLabel->hide();
    statusBar()->insertPermanentWidget(0, progressLabel);
    connect(solveRunner, &zd::JobRunner::runningChanged, this, &MainWindow::setSolving);
    connect(solveRunner, &zd::JobRunner::progressed, this, &MainWindow::showSolveProgress);
    connect(solveRunner, &zd::JobRunner::failed, this, &MainWindow::showJobFailure);
    connect(outputRunner, &zd::JobRunner::failed, this, &MainWindow::showJobFailure);
    // One file at a time: a second print or export would otherwise replace
    // the first one's report while its file is still being written.
    connect(outputRunner, &zd::JobRunner::runningChanged, this, [this](bool writing) {
        printAct->setEnabled(!writing);
        exportAct->setEnabled(!writing);
    });
}

void MainWindow::solveCompletely()
{
    if (document->colourPuzzle() != nullptr) {
        solveColours();
        return;
    }
    statusBar()->showMessage(tr("Solving.."));
    solveRunner->request(
        [this, clues = document->clues()](zd::SolveControl &control) -> zd::JobRunner::Finish {
            auto result
                = std::make_shared<zd::SolveResult>(zd::solveCompletelyStoppably(clues, control));
            return [this, result] {
                showCompleteSolveResult(*result);
                statusBar()->showMessage(tr("Ready"));
            };
        });
}

void MainWindow::showCompleteSolveResult(const zd::SolveResult &result)
{
    forgetSolutions();
    switch (result.verdict) {
    case zd::Verdict::Unique:
        document->showSolverGrid(result.solution);
        break;
    case zd::Verdict::Multiple:
        document->showSolverGrid(result.solution, result.other);
        document->setMarks(zd::differingCells(result.solution, result.other));
        otherSolutionAct->setEnabled(true);
        break;
    case zd::Verdict::None:
        break; // the grid stays as it was
    case zd::Verdict::Undecided:
        document->showSolverGrid(result.known);
        break;
    }
    outcomeLabel->setText(zd::completeSolveText(result));
    outcomeHintLabel->clear();
}

void MainWindow::solveColours()
{
    statusBar()->showMessage(tr("Solving.."));
    solveRunner->request([this, puzzle = *document->colourPuzzle()](
                             zd::SolveControl &control) -> zd::JobRunner::Finish {
        auto result
            = std::make_shared<zd::ColourSolveResult>(zd::solveColoursStoppably(puzzle, control));
        return [this, result] {
            showColourSolveResult(*result);
            statusBar()->showMessage(tr("Ready"));
        };
    });
}

void MainWindow::showColourSolveResult(const zd::ColourSolveResult &result)
{
    // The cells as filled or empty go where black-and-white results go
    // (outcome, export, save); the colours are painted over them.
    showCompleteSolveResult(zd::blackAndWhiteOf(result));
    switch (result.verdict) {
    case zd::Verdict::Unique:
        document->showColourCells(result.solution);
        break;
    case zd::Verdict::Multiple:
        // Two solutions may differ in colours alone.
        document->showColourCells(result.solution, result.other);
        document->setMarks(zd::differingCells(result.solution, result.other));
        break;
    case zd::Verdict::None:
        break;
    case zd::Verdict::Undecided:
        document->showColourCells(result.known);
        break;
    }
}

void MainWindow::showOtherSolution()
{
    // The differing cells, marked, are the same both ways round.
    document->swapSolutions();
}

void MainWindow::forgetSolutions()
{
    document->clearSolverGrid();
    otherSolutionAct->setEnabled(false);
}

void MainWindow::showJobFailure(const QString &error)
{
    statusBar()->showMessage(tr("Could not finish: %1").arg(error));
    makeRoomForMessage();
}

void MainWindow::cancelSolve()
{
    solveRunner->cancel();
}

void MainWindow::setSolving(bool solving)
{
    cancelSolveAct->setEnabled(solving);
    // The last outcome no longer holds, and the progress needs the room.
    if (solving) {
        outcomeLabel->clear();
        outcomeHintLabel->clear();
        solveClock.start();
    }
    progressLabel->clear();
    progressLabel->setVisible(solving);
}

void MainWindow::showSolveProgress(int decidedCells, int totalCells, qint64 searchNodes,
                                   qint64 workDone)
{
    // The time moves even while a phase reports nothing new, and the steps
    // count every line, probe, node and SAT check, so they move in every phase.
    const qint64 seconds = solveClock.elapsed() / 1000;
    QString text = tr("%1:%2, ").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'))
        + tr("%1 of %2 cells decided").arg(decidedCells).arg(totalCells);
    if (searchNodes > 0)
        text += tr(", %1 search nodes").arg(searchNodes);
    if (workDone > 0)
        text += tr(", %1 steps").arg(workDone);
    progressLabel->setText(text);
}

void MainWindow::makeRoomForMessage()
{
    // A long message (a load error with its path) would be cut off by the
    // outcome labels: they step aside until the next message.
    outcomeLabel->hide();
    outcomeHintLabel->hide();
    connect(
        statusBar(), &QStatusBar::messageChanged, this,
        [this] {
            outcomeLabel->show();
            outcomeHintLabel->show();
        },
        Qt::SingleShotConnection);
}
