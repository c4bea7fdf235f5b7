#include "MainWindow.h"

#include "AppFiles.h"
#include "CompleteSolveText.h"
#include "DrawMode.h"
#include "ExplanationPanel.h"
#include "FileDropTarget.h"
#include "ImageExport.h"
#include "JobRunner.h"
#include "OutputNames.h"
#include "PlayMode.h"
#include "PrintFit.h"
#include "PuzzleDocument.h"
#include "PuzzleOpener.h"
#include "PuzzleSaving.h"
#include "RecentFiles.h"
#include "SolveJobs.h"
#include "SolveOutcome.h"
#include "ViewZoom.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace {

// The program finds its files relative to the working directory: it is
// started from the build folder, beside images/ and zd/ of the source tree.
const char *const samplePuzzlePath = "../zd/orol.zd";
const char *const starIconPath = "../images/star.png";
const char *const helpPage = "aboutqt.html";

constexpr int initialCellSize = 8;
const char *const readableCluesKey = "view/readableClues";
const char *const fitOnOpenKey = "view/fitNewPuzzles";

} // namespace

MainWindow::MainWindow()
{
    document = new zd::PuzzleDocument(this);
    solveRunner = new zd::JobRunner(this);
    solveRunner->setObjectName(QStringLiteral("solveRunner"));
    outputRunner = new zd::JobRunner(this);
    outputRunner->setObjectName(QStringLiteral("outputRunner"));
    // Closing the window stops a solve that is running.
    installEventFilter(solveRunner);
    createActions();
    createSolveActions();
    createOutputAndViewActions();
    createMenus();
    createToolBars();
    createStatusBar();

    scrollArea = new QScrollArea(this);
    gridView = new zdWidget;
    gridView->setDocument(document);
    scrollArea->setWidget(gridView);
    scrollArea->resize(400, 400);
    gridView->setCellSize(initialCellSize);
    gridView->load(QFile::encodeName(zd::appFile(samplePuzzlePath)).constData());
    showSolveOutcome(gridView->solve());
    // Without this the window would open on an empty grid without a word.
    if (const QString error = gridView->lastLoadError(); !error.isEmpty()) {
        statusBar()->showMessage(tr("Could not load the sample puzzle: %1").arg(error));
        makeRoomForMessage();
    }
    gridView->show();
    scrollArea->show();
    setCentralWidget(scrollArea);
    // Queued: a batch file dropped on the window asks for its puzzle number
    // after the drop has finished.
    connect(new zd::FileDropTarget(this), &zd::FileDropTarget::fileDropped, this,
            &MainWindow::loadFile, Qt::QueuedConnection);
    zoom = new zd::ViewZoom(*scrollArea, *gridView);
    createExplanation();
    createPlayMode();
    createDrawMode();
    gridView->setReadableClues(readableCluesAct->isChecked());
    // A message the program shows while a tip covers another one ("Solving.."
    // after a click on a toolbar button) replaces the tip, and stays when the
    // tip goes; the tip's own messages are sent quietly and never come here.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString &message) {
        if (!message.isEmpty())
            coveredMessage.reset();
        showWholeMessageAsTip(message);
    });
}

void MainWindow::showWholeMessageAsTip(const QString &message)
{
    // A message wider than the status bar (a load error with a long path) is
    // cut off at the window's edge: the bar's tooltip gives it whole.
    const bool cutOff = statusBar()->fontMetrics().horizontalAdvance(message)
        > statusBar()->contentsRect().width() - 2 * statusBar()->fontMetrics().averageCharWidth();
    statusBar()->setToolTip(cutOff ? message : QString());
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() != QEvent::StatusTip)
        return QMainWindow::event(event);
    const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
    // Quietly: a tip is no new message (the outcome labels keep out of the
    // way of a failure while it is covered).
    const QSignalBlocker quiet(statusBar());
    if (!tip.isEmpty()) {
        if (!coveredMessage)
            coveredMessage = statusBar()->currentMessage();
        statusBar()->showMessage(tip);
    } else if (coveredMessage) {
        statusBar()->showMessage(*coveredMessage);
        coveredMessage.reset();
    }
    return true;
}

void MainWindow::openAtStart(const QString &fileName)
{
    // Solved once the window is up, as the sample is at start.
    if (loadFile(fileName))
        QTimer::singleShot(0, this, &MainWindow::solve);
}

void MainWindow::createActions()
{
    // An empty shortcut text leaves the action without a key.
    const auto makeAction = [this](const char *iconFile, const QString &text,
                                   const QString &shortcut, const QString &statusTip) {
        QAction *action = iconFile ? new QAction(QIcon(zd::appFile(iconFile)), text, this)
                                   : new QAction(text, this);
        if (!shortcut.isEmpty())
            action->setShortcut(QKeySequence(shortcut));
        action->setStatusTip(statusTip);
        return action;
    };

    openAct = makeAction("../images/open.png", tr("&Open..."), tr("Ctrl+O"),
                         tr("Open an existing file"));
    connect(openAct, &QAction::triggered, this, &MainWindow::open);
    printAct = makeAction("../images/print.png", tr("&Print to pdf..."), tr("Ctrl+P"),
                          tr("Print the griddle to pdf"));
    connect(printAct, &QAction::triggered, this, &MainWindow::print);
    solveAct = makeAction("../images/play.png", tr("&Solve"), tr("Ctrl+S"), tr("Solve a griddler"));
    connect(solveAct, &QAction::triggered, this, &MainWindow::solve);
    quitAct = makeAction("../images/quit.png", tr("Quit"), QString(), tr("Quit App"));
    connect(quitAct, &QAction::triggered, this, &QWidget::close);
    aboutAct = makeAction(nullptr, tr("&About"), QString(), tr("Show the application's About box"));
    connect(aboutAct, &QAction::triggered, this, &MainWindow::about);
    plusAct = makeAction("../images/zoom_in.png", tr("&Plus"), QString(),
                         tr("Increase the grid and font size"));
    connect(plusAct, &QAction::triggered, this, &MainWindow::plus);
    minusAct = makeAction("../images/zoom_out.png", tr("&Minus"), QString(),
                          tr("Decrease the grid and font size"));
    connect(minusAct, &QAction::triggered, this, &MainWindow::minus);
    faqAct
        = makeAction("../images/help.png", tr("&Faq"), QString(), tr("frequently asked question"));
    connect(faqAct, &QAction::triggered, this, &MainWindow::faq);
}

void MainWindow::createExplanation()
{
    explanation = new zd::ExplanationPanel(*this, *document, *gridView);
    // After the solve commands, before printing.
    fileMenu->insertActions(
        printAct,
        { explanation->explainAction(), explanation->hintAction(), explanation->stepAction() });
    connect(explanation, &zd::ExplanationPanel::message, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
}

void MainWindow::createPlayMode()
{
    play = new zd::PlayMode(this, *document, *gridView);
    connect(play, &zd::PlayMode::message, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    QAction *undoAct = document->undoStack()->createUndoAction(this, tr("&Undo"));
    undoAct->setObjectName(QStringLiteral("undoAct"));
    undoAct->setShortcut(QKeySequence::Undo);
    QAction *redoAct = document->undoStack()->createRedoAction(this, tr("&Redo"));
    redoAct->setObjectName(QStringLiteral("redoAct"));
    redoAct->setShortcut(QKeySequence::Redo);
    // The Edit menu comes right after File.
    editMenu = new QMenu(tr("&Edit"), this);
    menuBar()->insertMenu(viewMenu->menuAction(), editMenu);
    editMenu->addAction(undoAct);
    editMenu->addAction(redoAct);
    editMenu->addSeparator();
    editMenu->addAction(play->playAction());
    editMenu->addAction(play->checkAction());
    editMenu->addAction(play->restartAction());
    fileToolBar->insertAction(printAct, play->playAction());

    // In play mode the explanation works on the player's grid, and a hint
    // first points at a cell that no solution agrees with.
    explanation->setStartGrid([this] { return play->isOn() ? &document->playerGrid() : nullptr; });
    explanation->setApplyStep([this](const zd::CellGrid &grid) {
        if (play->isOn())
            play->applyGrid(grid, tr("Next step"));
        else
            document->showSolverGrid(grid);
    });
    explanation->setBeforeHint([this] { return pointAtMistake(); });
    // The right button marks cells while playing: no context menu then.
    connect(play->playAction(), &QAction::toggled, this, [this](bool on) {
        gridView->setContextMenuPolicy(on ? Qt::PreventContextMenu : Qt::CustomContextMenu);
        outcomeLabel->clear();
        outcomeHintLabel->clear();
    });
}

void MainWindow::createDrawMode()
{
    draw = new zd::DrawMode(*this, *document, *gridView, *scrollArea);
    connect(draw, &zd::DrawMode::message, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    fileMenu->insertAction(openAct, draw->newAction());
    fileMenu->insertAction(solveAct, draw->importAction());
    printBlankAct = new QAction(tr("Print &blank puzzle..."), this);
    printBlankAct->setObjectName(QStringLiteral("printBlankAct"));
    printBlankAct->setStatusTip(tr("Print the clues with an empty grid, and the solution on a "
                                   "second page"));
    connect(printBlankAct, &QAction::triggered, this, &MainWindow::printBlank);
    fileMenu->insertAction(exportAct, printBlankAct);
    editMenu->addSeparator();
    editMenu->addAction(draw->drawAction());
    editMenu->addAction(draw->suggestAction());
    // Playing and drawing take the same clicks: one at a time.
    connect(draw->drawAction(), &QAction::toggled, this, [this](bool on) {
        if (on)
            play->playAction()->setChecked(false);
        outcomeLabel->clear();
        outcomeHintLabel->clear();
    });
    connect(play->playAction(), &QAction::toggled, this, [this](bool on) {
        if (on)
            draw->drawAction()->setChecked(false);
    });
    connect(outputRunner, &zd::JobRunner::runningChanged, printBlankAct,
            [this](bool writing) { printBlankAct->setEnabled(!writing); });
    connect(document, &zd::PuzzleDocument::cluesChanged, this,
            &MainWindow::offerBlackAndWhiteTools);
}

void MainWindow::offerBlackAndWhiteTools()
{
    // Playing, drawing and the explanation reason in black and white: on a
    // puzzle of several colours they would judge against the wrong clues.
    const bool blackAndWhite = document->colourPuzzle() == nullptr;
    if (!blackAndWhite) {
        play->playAction()->setChecked(false);
        draw->drawAction()->setChecked(false);
    }
    for (QAction *action : { play->playAction(), draw->drawAction(), explanation->explainAction(),
                             explanation->hintAction(), explanation->stepAction() })
        action->setEnabled(blackAndWhite);
}

bool MainWindow::pointAtMistake()
{
    if (!play->isOn())
        return false;
    const std::optional<std::vector<bool>> wrong = play->mistakes();
    if (!wrong)
        return false;
    const auto first = std::find(wrong->begin(), wrong->end(), true);
    if (first == wrong->end())
        return false;
    const auto index = static_cast<int>(first - wrong->begin());
    std::vector<bool> cell(wrong->size());
    cell[static_cast<size_t>(index)] = true;
    document->setHighlight({}, cell);
    statusBar()->showMessage(tr("Row %1, cell %2 does not agree with the solution")
                                 .arg(index / document->columns() + 1)
                                 .arg(index % document->columns() + 1));
    return true;
}

void MainWindow::createMenus()
{
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addAction(openAct);
    QMenu *recentMenu = fileMenu->addMenu(tr("Open &recent"));
    recentMenu->menuAction()->setObjectName("openRecentMenu");
    recentFiles = new zd::RecentFiles(recentMenu, this);
    connect(recentFiles, &zd::RecentFiles::chosen, this, &MainWindow::loadFile);
    fileMenu->addAction(solveAct);
    fileMenu->addAction(solveCompletelyAct);
    fileMenu->addAction(otherSolutionAct);
    fileMenu->addAction(cancelSolveAct);
    fileMenu->addAction(printAct);
    fileMenu->addAction(exportAct);
    fileMenu->addAction(saveAsAct);
    separatorAct = fileMenu->addSeparator();
    fileMenu->addAction(quitAct);

    viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->addAction(fitAct);
    viewMenu->addAction(fitOnOpenAct);
    viewMenu->addAction(readableCluesAct);

    helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(aboutAct);
    helpMenu->addAction(faqAct);
}

void MainWindow::createToolBars()
{
    fileToolBar = addToolBar(tr("File"));
    fileToolBar->addAction(openAct);
    fileToolBar->addAction(solveAct);
    fileToolBar->addAction(solveCompletelyAct);
    fileToolBar->addAction(cancelSolveAct);
    fileToolBar->addAction(printAct);
    fileToolBar->addSeparator();
    fileToolBar->addAction(plusAct);
    fileToolBar->addAction(minusAct);
    fileToolBar->addSeparator();
    fileToolBar->addAction(faqAct);
    fileToolBar->addAction(quitAct);
}

void MainWindow::createStatusBar()
{
    statusBar()->showMessage(tr("Ready"));
    outcomeLabel = new QLabel(this);
    outcomeLabel->setObjectName("outcomeLabel");
    statusBar()->addPermanentWidget(outcomeLabel);
    createSolveStatus();
}

void MainWindow::open()
{
    // In the current puzzle's folder, where the next one most likely is.
    const QString folder = puzzlePath().isEmpty() ? QString() : QFileInfo(puzzlePath()).path();
    const QString fileName = QFileDialog::getOpenFileName(
        this, QString(), folder, zd::PuzzleOpener::nameFilters().join(QStringLiteral(";;")));
    if (!fileName.isEmpty())
        loadFile(fileName);
}

bool MainWindow::loadFile(const QString &fileName)
{
    // The reader takes the name in the file system's own encoding, so that a
    // name with any characters the system allows reaches fopen unchanged.
    const QByteArray encodedName = QFile::encodeName(fileName);
    QString shownName = fileName;
    QString error;
    if (zd::PuzzleOpener::readsAsText(zd::PuzzleOpener::splitPuzzleNumber(fileName).first)) {
        gridView->load(encodedName.constData());
        error = gridView->lastLoadError();
    } else {
        zd::PuzzleOpener opener;
        if (opener.read(fileName, this)) {
            if (opener.colourPuzzle() != nullptr) {
                error = document->loadColourPuzzle(*opener.colourPuzzle(), encodedName.constData());
            } else {
                gridView->loadClues(opener.clues(), encodedName.constData());
                error = gridView->lastLoadError();
            }
            shownName = opener.name();
        } else if (opener.error().isEmpty()) {
            return false; // the user chose no puzzle of the batch
        } else {
            error = opener.error();
        }
    }
    if (!error.isEmpty()) {
        // The view still holds the earlier puzzle; so do the title and the label.
        statusBar()->showMessage(tr("Could not load the puzzle: %1").arg(error));
        makeRoomForMessage();
        return false;
    }
    // A solve of the earlier puzzle stops and shows nothing.
    solveRunner->discard();
    forgetSolutions();
    // A batch's puzzle is remembered with its number, and reopens as it.
    recentFiles->add(shownName);
    showNewPuzzle();
    document->setTitle(shownName);
    statusBar()->showMessage(QLatin1String("Loaded ") + shownName);
    setWindowTitle(QLatin1String("zdQt - ") + shownName);
    outcomeLabel->clear();
    outcomeHintLabel->clear();
    return true;
}

void MainWindow::showNewPuzzle()
{
    // From its top left corner, not at the earlier puzzle's scroll position.
    if (fitOnOpenAct->isChecked())
        zoom->fitToWindow();
    scrollArea->horizontalScrollBar()->setValue(0);
    scrollArea->verticalScrollBar()->setValue(0);
}

void MainWindow::solve()
{
    // The line solver knows black and white only; a colour puzzle's own
    // solver reasons line by line first.
    if (document->colourPuzzle() != nullptr) {
        solveColours();
        return;
    }
    statusBar()->showMessage(tr("Solving.."));
    // The solver works on a copy, so the view paints the model undisturbed;
    // the result arrives once the solve is done.
    auto work = std::make_shared<CMalovanaKrizovkaFromFile>(document->model());
    solveRunner->request([this, work](zd::SolveControl &control) -> zd::JobRunner::Finish {
        const std::optional<int> result = zd::solveLinesStoppably(*work, control);
        return [this, work, result] {
            showLineSolveResult(*work, result);
        };
    });
}

void MainWindow::showLineSolveResult(const CMalovanaKrizovkaFromFile &solved,
                                     std::optional<int> result)
{
    forgetSolutions();
    gridView->takeSolvedPuzzle(solved);
    if (result) {
        showSolveOutcome(*result == 0);
    } else {
        outcomeLabel->setText(zd::stoppedText(zd::judgeSolveOutcome(solved, false).undecidedCells));
        outcomeHintLabel->clear();
    }
    gridView->update();
    statusBar()->showMessage(tr("Ready"));
}

void MainWindow::showSolveOutcome(bool solved)
{
    const zd::SolveOutcome outcome = zd::judgeSolveOutcome(gridView->model(), solved);
    using NoSolution = zd::SolveOutcome::NoSolution;
    switch (outcome.verdict) {
    case zd::Verdict::Unique:
    case zd::Verdict::Multiple:
        outcomeLabel->setText(tr("Solved"));
        outcomeHintLabel->clear();
        return;
    case zd::Verdict::Undecided:
        outcomeLabel->setText(outcome.undecidedCells == 1
                                  ? tr("1 cell undecided")
                                  : tr("%1 cells undecided").arg(outcome.undecidedCells));
        outcomeHintLabel->setText(tr("Solve completely (Ctrl+Shift+S) can finish it"));
        return;
    case zd::Verdict::None:
        break;
    }
    outcomeHintLabel->clear();
    switch (outcome.noSolution) {
    case NoSolution::TotalsDiffer:
        outcomeLabel->setText(tr("No solution: row clues total %1, column clues total %2")
                                  .arg(outcome.rowClueTotal)
                                  .arg(outcome.columnClueTotal));
        break;
    case NoSolution::NoCells:
        outcomeLabel->setText(tr("No puzzle to solve"));
        break;
    case NoSolution::Contradiction:
        outcomeLabel->setText(tr("No solution: the clues contradict each other"));
        break;
    }
}

void MainWindow::about()
{
    QMessageBox::about(
        this, tr("About Application"),
        tr("<center>The <b>zdQt</b> is a griddlers (japanese puzzle) solver using modern GUI by "
           "Qt.\n<a href=\".\">Written by the zdQt maintainers</a></center>"));
}

// Both keep the puzzle point in the middle of the visible area in place.
void MainWindow::plus()
{
    zoom->zoomTo(gridView->cellSize() + zd::ViewZoom::zoomStep);
    gridView->update();
}

void MainWindow::minus()
{
    // Stops at 2 from the even sizes the window starts with.
    if (const int smaller = zd::ViewZoom::stepOutFrom(gridView->cellSize());
        smaller != gridView->cellSize())
        zoom->zoomTo(smaller);
    gridView->update();
}

void MainWindow::print()
{
    printPdf(zd::printToPdf);
}

void MainWindow::printBlank()
{
    printPdf(zd::printBlankToPdf);
}

void MainWindow::printPdf(PdfPrinter printer)
{
    const QString chosen = QFileDialog::getSaveFileName(
        this, QString(), zd::suggestedFileName(puzzlePath(), QStringLiteral("pdf")),
        tr("PDF files (*.pdf)"));
    if (chosen.isEmpty())
        return;
    const QString fileName = zd::withDefaultSuffix(chosen, QStringLiteral("pdf"));
    // A large puzzle takes seconds to write: it is painted on a worker from a
    // copy of what the view shows, and the window goes on meanwhile.
    statusBar()->showMessage(tr("Printing to %1...").arg(fileName));
    const zd::PuzzleDrawing drawing = gridView->drawing();
    outputRunner->request(
        [this, printer, drawing, fileName](zd::SolveControl &) -> zd::JobRunner::Finish {
            // Laid out for the page, whatever the zoom on screen.
            const QString error = printer(drawing, fileName);
            return [this, fileName, error] {
                statusBar()->showMessage(error.isEmpty()
                                             ? tr("Printed to %1").arg(fileName)
                                             : tr("Could not write %1: %2").arg(fileName, error));
            };
        });
}

void MainWindow::faq()
{
    // Every press opens its own help window, freed when the user closes it.
    // It is a window of its own that belongs to the main window: it does not
    // keep the program running once the main window is closed, and it goes
    // with the main window when the program ends.
    auto *helpWindow = new QMainWindow(this, Qt::Window);
    helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    helpWindow->setAttribute(Qt::WA_QuitOnClose, false);
    auto *browser = new QTextBrowser(helpWindow);
    helpWindow->setWindowIcon(QIcon(zd::appFile(starIconPath)));
    // The page is looked up through the search path, one level above the
    // working directory (the project's root when started from the build
    // folder), then one level above the executable.
    browser->setSearchPaths(zd::helpSearchPaths());
    browser->setSource(QUrl::fromLocalFile(helpPage));
    helpWindow->setCentralWidget(browser);
    browser->show();
    helpWindow->resize(500, 500);
    helpWindow->show();
}

void MainWindow::createOutputAndViewActions()
{
    exportAct = new QAction(tr("&Export image..."), this);
    exportAct->setObjectName(QStringLiteral("exportAct"));
    exportAct->setStatusTip(tr("Write the grid as shown to a PNG or SVG image"));
    connect(exportAct, &QAction::triggered, this, &MainWindow::exportImage);
    saveAsAct = new QAction(tr("Save puzzle &as..."), this);
    saveAsAct->setObjectName(QStringLiteral("saveAsAct"));
    saveAsAct->setStatusTip(tr("Save the puzzle as a .zd, .zdb, .non or .xml file"));
    connect(saveAsAct, &QAction::triggered, this, &MainWindow::savePuzzleAs);
    fitAct = new QAction(tr("&Fit to window"), this);
    fitAct->setObjectName(QStringLiteral("fitAct"));
    fitAct->setStatusTip(tr("Show the whole puzzle at the largest size that fits"));
    connect(fitAct, &QAction::triggered, this, [this] { zoom->fitToWindow(); });
    readableCluesAct = new QAction(tr("&Readable clues"), this);
    readableCluesAct->setObjectName(QStringLiteral("readableCluesAct"));
    readableCluesAct->setStatusTip(tr("Lay the clues out so that no two numbers touch"));
    readableCluesAct->setCheckable(true);
    readableCluesAct->setChecked(QSettings(QStringLiteral("zdqt"), QStringLiteral("zdqt"))
                                     .value(readableCluesKey, false)
                                     .toBool());
    connect(readableCluesAct, &QAction::toggled, this, &MainWindow::setReadableClues);
    fitOnOpenAct = new QAction(tr("Fit &new puzzles to the window"), this);
    fitOnOpenAct->setObjectName(QStringLiteral("fitOnOpenAct"));
    fitOnOpenAct->setStatusTip(tr("Show every puzzle opened whole, at the largest size that fits"));
    fitOnOpenAct->setCheckable(true);
    fitOnOpenAct->setChecked(QSettings(QStringLiteral("zdqt"), QStringLiteral("zdqt"))
                                 .value(fitOnOpenKey, false)
                                 .toBool());
    connect(fitOnOpenAct, &QAction::toggled, this, [](bool on) {
        QSettings(QStringLiteral("zdqt"), QStringLiteral("zdqt")).setValue(fitOnOpenKey, on);
    });
}

QString MainWindow::puzzlePath() const
{
    return QFile::decodeName(QByteArray(gridView->model().filePath()));
}

void MainWindow::exportImage()
{
    QString filter = tr("PNG images (*.png)");
    const QString chosen = QFileDialog::getSaveFileName(
        this, tr("Export image"), zd::suggestedFileName(puzzlePath(), QStringLiteral("png")),
        filter + QStringLiteral(";;") + tr("SVG images (*.svg)"), &filter);
    if (chosen.isEmpty())
        return;
    const QString suffix
        = filter.contains(QLatin1String("*.svg")) ? QStringLiteral("svg") : QStringLiteral("png");
    const QString fileName = zd::withDefaultSuffix(chosen, suffix);
    bool accepted = false;
    const int cellSize = QInputDialog::getInt(this, tr("Export image"), tr("Cell size in pixels:"),
                                              gridView->cellSize(), zdWidget::minCellSize,
                                              zdWidget::maxCellSize, 1, &accepted);
    if (!accepted)
        return;
    statusBar()->showMessage(tr("Exporting to %1...").arg(fileName));
    const zd::PuzzleDrawing drawing = gridView->drawing();
    outputRunner->request(
        [this, drawing, cellSize, fileName](zd::SolveControl &) -> zd::JobRunner::Finish {
            const QString error = zd::exportGridImage(drawing, cellSize, fileName);
            return [this, fileName, error] {
                statusBar()->showMessage(error.isEmpty()
                                             ? tr("Exported to %1").arg(fileName)
                                             : tr("Could not export %1: %2").arg(fileName, error));
            };
        });
}

void MainWindow::savePuzzleAs()
{
    const QString xmlFilter = tr("XML puzzle files (*.xml)");
    QString filter = tr("Puzzle files (*.zd)");
    const QString filters = filter + QStringLiteral(";;") + tr("Binary puzzle files (*.zdb)")
        + QStringLiteral(";;") + tr("Simpson puzzle files (*.non)") + QStringLiteral(";;")
        + xmlFilter;
    // Only the formats with a palette hold a colour puzzle.
    const bool colour = document->colourPuzzle() != nullptr;
    if (colour)
        filter = xmlFilter;
    const QString chosen = QFileDialog::getSaveFileName(
        this, tr("Save puzzle as"),
        zd::suggestedFileName(puzzlePath(), colour ? QStringLiteral("xml") : QStringLiteral("zd")),
        filters, &filter);
    if (chosen.isEmpty())
        return;
    // The extension of the chosen filter, for a name typed without one.
    const QString suffix = filter.section(QLatin1String("*."), 1).chopped(1);
    const QString fileName = zd::withDefaultSuffix(chosen, suffix);
    const QString error = zd::savePuzzle(*gridView, fileName);
    statusBar()->showMessage(error.isEmpty() ? tr("Saved to %1").arg(fileName)
                                             : tr("Could not save %1: %2").arg(fileName, error));
}

void MainWindow::setReadableClues(bool on)
{
    gridView->setReadableClues(on);
    gridView->update();
    QSettings(QStringLiteral("zdqt"), QStringLiteral("zdqt")).setValue(readableCluesKey, on);
}
