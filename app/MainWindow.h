#pragma once

#include "CellState.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <optional>

class CMalovanaKrizovkaFromFile;

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QToolBar;
class zdWidget;
namespace zd {
struct ColourSolveResult;
struct PuzzleDrawing;
class DrawMode;
class ExplanationPanel;
class JobRunner;
class PlayMode;
class PuzzleDocument;
class RecentFiles;
struct SolveResult;
class ViewZoom;
} // namespace zd

// MainWindow: the window of zdqt. Menus, a toolbar and a status bar around a
// scrollable grid view that opens and solves the sample puzzle at start.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();

    // Opens a file named on the command line instead of the sample and
    // solves it once the event loop runs.
    void openAtStart(const QString &fileName);

protected:
    // A toolbar button's status tip shows while the mouse is over it, and the
    // message it covered comes back afterwards.
    bool event(QEvent *event) override;

    // Declared in this order on purpose: it fixes their meta-object indices,
    // 0 for open() up to 6 for faq().
private slots:
    void open();
    void solve();
    void about();
    void plus();
    void minus();
    void print();
    void faq();

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    // True when the file was loaded (the batch's puzzle chosen, no error).
    bool loadFile(const QString &fileName);
    // Scrolls a puzzle just loaded to its top left corner, fitted to the
    // window when the user asked for that.
    void showNewPuzzle();
    void showSolveOutcome(bool solved);
    void showLineSolveResult(const CMalovanaKrizovkaFromFile &solved, std::optional<int> result);

    // Commands added after the seven slots above; connected as plain member
    // functions so that the slots keep their indices.
    void solveCompletely();
    void showOtherSolution();
    void cancelSolve();
    void showCompleteSolveResult(const zd::SolveResult &result);
    void solveColours();
    void showColourSolveResult(const zd::ColourSolveResult &result);
    void showSolveProgress(int decidedCells, int totalCells, qint64 searchNodes, qint64 workDone);
    void setSolving(bool solving);
    void showJobFailure(const QString &error);
    void forgetSolutions();
    void makeRoomForMessage();
    void showWholeMessageAsTip(const QString &message);
    void createSolveActions();
    void createSolveStatus();
    void createExplanation();
    void createPlayMode();
    void createDrawMode();
    void offerBlackAndWhiteTools();
    // Print to pdf and Print blank puzzle: the dialog, then the PDF written
    // in the background by `printer`.
    using PdfPrinter = QString (*)(const zd::PuzzleDrawing &, const QString &);
    void printPdf(PdfPrinter printer);
    void printBlank();
    // Hint in play mode: shows the first cell of the player's that no
    // solution agrees with; false when there is none (or none is known yet).
    bool pointAtMistake();

    // Export, saving and the view's options. Plain member functions connected
    // to their actions: the slots above are all the window's slots.
    void createOutputAndViewActions();
    void exportImage();
    void savePuzzleAs();
    void setReadableClues(bool on);
    QString puzzlePath() const;

    QMenu *fileMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QToolBar *fileToolBar = nullptr;
    QAction *openAct = nullptr;
    QAction *aboutAct = nullptr;
    QAction *faqAct = nullptr;
    QAction *solveAct = nullptr;
    QAction *printAct = nullptr;
    QAction *quitAct = nullptr;
    QAction *separatorAct = nullptr;
    QAction *plusAct = nullptr;
    QAction *minusAct = nullptr;
    zdWidget *gridView = nullptr;
    QScrollArea *scrollArea = nullptr;
    // Permanent status-bar label with the last solve's outcome; the status
    // message itself stays at "Ready".
    QLabel *outcomeLabel = nullptr;

    QAction *solveCompletelyAct = nullptr;
    QAction *otherSolutionAct = nullptr;
    QAction *cancelSolveAct = nullptr;
    // Beside the outcome: what to do next, such as Solve completely after a
    // stuck line solve.
    QLabel *outcomeHintLabel = nullptr;
    // Cells decided and search work while a solve runs.
    QLabel *progressLabel = nullptr;
    // Since the running solve started, for the progress label.
    QElapsedTimer solveClock;
    // The puzzle the window works on; the view paints it.
    zd::PuzzleDocument *document = nullptr;
    // Solves, one at a time: a new one replaces the one running, and a load
    // drops it.
    zd::JobRunner *solveRunner = nullptr;
    // Printing and export, apart from solving so that neither stops the other.
    zd::JobRunner *outputRunner = nullptr;
    zd::RecentFiles *recentFiles = nullptr;
    // The explanation dock and its commands (Explain, Hint, Next step, Why?).
    zd::ExplanationPanel *explanation = nullptr;
    // Solving by hand: the Edit menu's Play, Check and Restart.
    zd::PlayMode *play = nullptr;
    QMenu *editMenu = nullptr;
    // The message a status tip covers, shown again when the tip goes.
    std::optional<QString> coveredMessage;
    // Drawing a puzzle: New puzzle, Import image, Draw, Suggest a fix.
    zd::DrawMode *draw = nullptr;
    QAction *printBlankAct = nullptr;

    QMenu *viewMenu = nullptr;
    QAction *exportAct = nullptr;
    QAction *saveAsAct = nullptr;
    QAction *fitAct = nullptr;
    QAction *readableCluesAct = nullptr;
    QAction *fitOnOpenAct = nullptr;
    zd::ViewZoom *zoom = nullptr;
};
