// The complete solve in the window: its verdicts as the user sees them, and
// the solves running in the background (progress, Cancel, closing, opening
// another puzzle or solving again while one runs).

#include "AppTestSupport.h"
#include "CompleteSolveText.h"
#include "Explanation.h"
#include "ExplanationPanel.h"
#include "JobRunner.h"
#include "MainWindow.h"
#include "PuzzleClues.h"
#include "PuzzleDocument.h"
#include "RandomPicture.h"
#include "zdWidget.h"

#include <QAction>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <random>

using namespace zd;

namespace {

// Unique, but line logic gets stuck on it; probing finishes it.
const std::vector<std::string> lineStuckPicture = {
    "#....#..#.", "#..#.##...", "#...#..###", "..#.#.#..#", ".##.###.##",
    "#..#.#.#.#", "#..#...###", "#.#.##....", ".#..##.#..", "..#.##....",
};

// One filled cell in every row and column: every permutation fits.
const std::vector<std::string> twoSolutionsPicture = {
    "#..",
    ".#.",
    "..#",
};

// The totals agree, but column 0 wants both cells filled and row 1 none.
const std::string contradictoryClues = "2 2\n2\n0\n\n2\n0\n";

// How long a long solve runs before the test stops it.
constexpr int stopAfterMs = 300;

// A random 60x60 picture the complete solver needs many seconds for (and
// line logic a moment), or a larger one that keeps line logic busy for seconds.
std::vector<std::string> longSolvePicture(int size = 60, double density = 0.5)
{
    std::mt19937 random(1);
    return randomPicture(size, size, density, random);
}

QString writePuzzle(AppTree &tree, const QString &name, const std::string &text)
{
    const QString path = tree.path(name);
    writeTextFile(path, text);
    return path;
}

JobRunner *solveRunnerOf(MainWindow &window)
{
    return window.findChild<JobRunner *>(QStringLiteral("solveRunner"));
}

QAction *solveCompletelyAction(MainWindow &window)
{
    return window.findChild<QAction *>(QStringLiteral("solveCompletelyAct"));
}

// The grid the view draws: a solver's grid it shows, else the model's.
std::vector<std::string> drawnPicture(zdWidget &view)
{
    if (const CellGrid *cells = view.shownCells())
        return pictureOfGrid(*cells, view.model().columnCount());
    return gridPicture(view);
}

// Every decided cell of `drawn` agrees with `picture`; returns the undecided count.
int undecidedIfConsistent(const std::vector<std::string> &drawn,
                          const std::vector<std::string> &picture)
{
    int undecided = 0;
    for (size_t r = 0; r < picture.size(); ++r)
        for (size_t c = 0; c < picture[r].size(); ++c) {
            if (drawn[r][c] == '?')
                ++undecided;
            else if (drawn[r][c] != picture[r][c])
                return -1;
        }
    return undecided;
}

} // namespace

class MainWindowSolvingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void solveCompletelyShowsTheVerdict_data();
    void solveCompletelyShowsTheVerdict();
    void otherSolutionSwapsTheTwo();
    void interruptedSolveStopsAndShowsKnownCells_data();
    void interruptedSolveStopsAndShowsKnownCells();
    void openDuringSolveShowsOnlyTheNewPuzzle();
    void secondSolveTakesOver();
    void explanationShowsEachStepHintsAndApplies();
    void requestsReturnAtOnce_data();
    void requestsReturnAtOnce();
};

void MainWindowSolvingTest::solveCompletelyShowsTheVerdict_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("drawnAfter");

    QStringList stuck;
    for (const std::string &row : lineStuckPicture)
        stuck << QString::fromStdString(row);
    QTest::newRow("line logic stuck") << QByteArray::fromStdString(puzzleTextOf(lineStuckPicture))
                                      << "Unique solution (grade: probe)" << stuck;
    QTest::newRow("two solutions") << QByteArray::fromStdString(puzzleTextOf(twoSolutionsPicture))
                                   << "Several solutions" << QStringList();
    QTest::newRow("contradictory clues")
        << QByteArray::fromStdString(contradictoryClues)
        << "No solution: the clues contradict each other" << QStringList();
}

void MainWindowSolvingTest::solveCompletelyShowsTheVerdict()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, outcome);
    QFETCH(QStringList, drawnAfter);
    AppTree tree;
    tree.enter();
    MainWindow window;
    QVERIFY(openPuzzle(window, writePuzzle(tree, "puzzle.zd", content.toStdString())));
    triggerAndWait(window, QStringLiteral("&Solve"));
    const std::vector<std::string> modelAfterLineSolve = gridPicture(*gridViewOf(window));

    triggerAndWait(window, QStringLiteral("Solve &completely"));
    QCOMPARE(statusOf(window), QStringLiteral("Ready"));
    QVERIFY2(outcomeLabelOf(window)->text().startsWith(outcome),
             qPrintable(outcomeLabelOf(window)->text()));
    QStringList drawn;
    for (const std::string &row : drawnPicture(*gridViewOf(window)))
        drawn << QString::fromStdString(row);
    if (!drawnAfter.isEmpty())
        QCOMPARE(drawn, drawnAfter);
    if (outcome.startsWith(QStringLiteral("No solution")))
        QVERIFY(!gridViewOf(window)->shownCells()); // the grid stays as it was
    // The complete solver only shows its grid: the model stays as line logic left it.
    QCOMPARE(gridPicture(*gridViewOf(window)), modelAfterLineSolve);
    QCOMPARE(window.findChild<QAction *>("otherSolutionAct")->isEnabled(),
             outcome == QStringLiteral("Several solutions"));
}

void MainWindowSolvingTest::otherSolutionSwapsTheTwo()
{
    AppTree tree;
    tree.enter();
    MainWindow window;
    QVERIFY(openPuzzle(window, writePuzzle(tree, "two.zd", puzzleTextOf(twoSolutionsPicture))));
    const PuzzleClues clues = PuzzleClues::fromPicture(twoSolutionsPicture);
    zdWidget *view = gridViewOf(window);
    QAction *other = window.findChild<QAction *>("otherSolutionAct");

    triggerAndWait(window, QStringLiteral("Solve &completely"));
    const std::vector<std::string> first = drawnPicture(*view);
    other->trigger();
    const std::vector<std::string> second = drawnPicture(*view);
    QVERIFY(first != second);
    for (const auto &solution : { first, second })
        QVERIFY(clues.isSolvedBy(gridOfPicture(solution)));
    // Exactly the cells where the two differ are marked, both ways round.
    const std::vector<bool> expected = differingCells(gridOfPicture(first), gridOfPicture(second));
    QCOMPARE(view->markedCells(), expected);
    QVERIFY(std::count(expected.begin(), expected.end(), true) >= 4);
    other->trigger();
    QCOMPARE(drawnPicture(*view), first);

    // A line solve or a new puzzle leaves nothing to swap.
    triggerAndWait(window, QStringLiteral("&Solve"));
    QVERIFY(!other->isEnabled());
    QVERIFY(!view->shownCells());
}

void MainWindowSolvingTest::interruptedSolveStopsAndShowsKnownCells_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("size");
    QTest::addColumn<double>("density");
    QTest::addColumn<bool>("byClosing");
    QTest::addColumn<int>("stopAfterMs");
    QTest::newRow("Solve completely, Cancel") << "Solve &completely" << 60 << 0.5 << false << 2000;
    QTest::newRow("Solve completely, closing the window")
        << "Solve &completely" << 60 << 0.5 << true << 2000;
    QTest::newRow("line Solve, Cancel") << "&Solve" << 600 << 0.6 << false << 1000;
}

// The long solve runs for a while, with a timer that measures how regularly
// the event loop turns, then is stopped. The puzzles take several seconds even
// on a fast machine, far longer than the wait before the stop.
void MainWindowSolvingTest::interruptedSolveStopsAndShowsKnownCells()
{
    QFETCH(QString, action);
    QFETCH(int, size);
    QFETCH(double, density);
    QFETCH(bool, byClosing);
    QFETCH(int, stopAfterMs);
    AppTree tree;
    tree.enter();
    const std::vector<std::string> picture = longSolvePicture(size, density);
    MainWindow window;
    window.show();
    QVERIFY(openPuzzle(window, writePuzzle(tree, "long.zd", puzzleTextOf(picture))));
    QAction *cancel = window.findChild<QAction *>("cancelSolveAct");
    QVERIFY(!cancel->isEnabled());

    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    qint64 stopAt = -1;
    bool cancelWasEnabled = false;
    QString progressShown;
    // Owned here, so a solve that ends first leaves no timer behind that would
    // reach into this function's objects later.
    QTimer stopper;
    stopper.setSingleShot(true);
    connect(&stopper, &QTimer::timeout, [&] {
        cancelWasEnabled = cancel->isEnabled();
        const QLabel *progress = window.findChild<QLabel *>("solveProgressLabel");
        if (progress->isVisible())
            progressShown = progress->text();
        ticker.stop();
        stopAt = clock.elapsed();
        if (byClosing)
            window.close();
        else
            cancel->trigger();
    });
    clock.start();
    ticker.start(10);
    stopper.start(stopAfterMs);
    actionNamed(window, action)->trigger();
    QVERIFY(waitForJobs(window));
    const qint64 stopLatency = clock.elapsed() - stopAt;
    qInfo("longest event-loop gap %lld ms, stopped %lld ms after the request", longestGap,
          stopLatency);

    QVERIFY2(stopAt >= 0, "the solve ended before it could be stopped");
    QVERIFY(cancelWasEnabled);
    QVERIFY2(progressShown.contains(QStringLiteral("cells decided")), qPrintable(progressShown));
    // Loose bounds: the machine running the tests may be busy.
    QVERIFY2(longestGap < 500, qPrintable(QString::number(longestGap)));
    QVERIFY2(stopLatency < 2000, qPrintable(QString::number(stopLatency)));
    QVERIFY(!cancel->isEnabled());
    const int undecided = undecidedIfConsistent(drawnPicture(*gridViewOf(window)), picture);
    QVERIFY2(undecided >= 0, "a cell shown as decided contradicts the picture");
    QCOMPARE(outcomeLabelOf(window)->text(), stoppedText(undecided));
}

void MainWindowSolvingTest::openDuringSolveShowsOnlyTheNewPuzzle()
{
    AppTree tree;
    tree.enter();
    MainWindow window;
    QVERIFY(openPuzzle(window, writePuzzle(tree, "long.zd", puzzleTextOf(longSolvePicture()))));
    const QString small = writePuzzle(tree, "small.zd", puzzleTextOf(twoSolutionsPicture));
    bool opened = false;
    QTimer::singleShot(300, &window, [&] { opened = openPuzzle(window, small); });

    QElapsedTimer clock;
    clock.start();
    solveCompletelyAction(window)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(opened, 30000);
    QVERIFY(waitForJobs(window));
    QVERIFY(opened);
    QVERIFY2(clock.elapsed() < 5000, "the solve went on after the open");
    QCOMPARE(window.windowTitle(), QStringLiteral("zdQt - ") + small);
    QCOMPARE(statusOf(window), QStringLiteral("Loaded ") + small);
    QVERIFY(!gridViewOf(window)->shownCells());
    QCOMPARE(gridPicture(*gridViewOf(window)), std::vector<std::string>(3, "???"));
    QVERIFY(outcomeLabelOf(window)->text().isEmpty());
}

void MainWindowSolvingTest::secondSolveTakesOver()
{
    AppTree tree;
    tree.enter();
    const std::vector<std::string> picture = longSolvePicture();
    MainWindow window;
    QVERIFY(openPuzzle(window, writePuzzle(tree, "long.zd", puzzleTextOf(picture))));
    QTimer::singleShot(300, &window,
                       [&] { actionNamed(window, QStringLiteral("&Solve"))->trigger(); });

    solveCompletelyAction(window)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(solveRunnerOf(window)->startedCount() == 2, 30000);
    QVERIFY(waitForJobs(window));
    // The line solve's result stands; the complete solve it stopped shows nothing.
    QVERIFY(!gridViewOf(window)->shownCells());
    const int undecided = undecidedIfConsistent(gridPicture(*gridViewOf(window)), picture);
    QVERIFY(undecided > 0);
    QCOMPARE(outcomeLabelOf(window)->text(), QStringLiteral("%1 cells undecided").arg(undecided));
    QCOMPARE(statusOf(window), QStringLiteral("Ready"));
    QVERIFY(!window.findChild<QAction *>("cancelSolveAct")->isEnabled());
}

// Explain lists the trace; choosing a step shows the grid before it with its
// line highlighted and its cells marked; Hint names the next step from the
// grid on screen without changing a cell; Next step takes it; Why? finds the
// step that decided a cell.
void MainWindowSolvingTest::explanationShowsEachStepHintsAndApplies()
{
    AppTree tree;
    tree.enter();
    MainWindow window;
    QVERIFY(openPuzzle(window, writePuzzle(tree, "stuck.zd", puzzleTextOf(lineStuckPicture))));
    zdWidget *view = gridViewOf(window);
    const PuzzleClues clues = PuzzleClues::fromPicture(lineStuckPicture);
    const Explanation expected = explainPuzzle(clues);
    QVERIFY(expected.steps.size() > 3);

    triggerAndWait(window, QStringLiteral("E&xplain"));
    auto *list = window.findChild<QListWidget *>(QStringLiteral("explainList"));
    QVERIFY(list && !window.findChild<QDockWidget *>(QStringLiteral("explainDock"))->isHidden());
    // One entry a step, and a last one when the trace ends otherwise than solved.
    QCOMPARE(size_t(list->count()), expected.steps.size() + (endText(expected).empty() ? 0 : 1));
    const CellGrid empty(clues.rows * clues.columns, CellUnknown);
    for (const int index : { 0, 2, int(expected.steps.size()) - 1 }) {
        list->setCurrentRow(index);
        const ExplanationStep &step = expected.steps[size_t(index)];
        QCOMPARE(*view->shownCells(), gridAfterSteps(expected, empty, size_t(index)));
        for (const CellFact &fact : step.cells)
            QVERIFY(view->markedCells()[size_t(fact.row * clues.columns + fact.column)]);
        if (step.technique <= Technique::Line)
            QCOMPARE(view->document().highlightedLine().index, step.line.index);
        QVERIFY(statusOf(window).startsWith(QString::fromStdString(stepText(step, clues))));
    }

    // From the model's grid as the load left it (nothing decided).
    view->showModelCells();
    triggerAndWait(window, QStringLiteral("&Hint"));
    QVERIFY(!view->shownCells());
    QCOMPARE(statusOf(window), QString::fromStdString(stepText(expected.steps[0], clues)));
    triggerAndWait(window, QStringLiteral("Next &step"));
    QCOMPARE(*view->shownCells(), gridAfterSteps(expected, empty, 1));
    triggerAndWait(window, QStringLiteral("Next &step"));
    QCOMPARE(*view->shownCells(), gridAfterSteps(expected, empty, 2));

    const CellFact decided = expected.steps[2].cells.front();
    window.findChild<ExplanationPanel *>()->explainCell(decided.row, decided.column);
    QVERIFY(waitForJobs(window));
    QCOMPARE(list->currentRow(), 2);
}

void MainWindowSolvingTest::requestsReturnAtOnce_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("presses");
    QTest::newRow("Solve completely, then Cancel") << "Solve &completely" << 1;
    QTest::newRow("a burst of ten, then Cancel") << "Solve &completely" << 10;
    QTest::newRow("line Solve, then Cancel") << "&Solve" << 1;
}

// A puzzle no solve finishes in the test's time: every press must come back
// at once, a burst must start one solve, and Cancel must end it.
void MainWindowSolvingTest::requestsReturnAtOnce()
{
    QFETCH(QString, action);
    QFETCH(int, presses);
    AppTree tree;
    tree.enter();
    MainWindow window;
    const std::vector<std::string> picture
        = action == QStringLiteral("&Solve") ? longSolvePicture(600, 0.6) : longSolvePicture(99);
    QVERIFY(openPuzzle(window, writePuzzle(tree, "huge.zd", puzzleTextOf(picture))));
    JobRunner *runner = solveRunnerOf(window);

    QElapsedTimer clock;
    clock.start();
    for (int press = 0; press < presses; ++press)
        actionNamed(window, action)->trigger();
    const qint64 returnedAfter = clock.elapsed();
    QVERIFY2(returnedAfter < 2000, qPrintable(QString::number(returnedAfter)));
    QCOMPARE(statusOf(window), QStringLiteral("Solving.."));
    QTRY_COMPARE_WITH_TIMEOUT(runner->startedCount(), 1, 10000);
    QTest::qWait(200);
    QVERIFY(runner->isBusy());

    window.findChild<QAction *>("cancelSolveAct")->trigger();
    QVERIFY(waitForJobs(window, 20000));
    QCOMPARE(runner->startedCount(), 1);
    QCOMPARE(statusOf(window), QStringLiteral("Ready"));
    QVERIFY2(outcomeLabelOf(window)->text().startsWith(QStringLiteral("Stopped")),
             qPrintable(outcomeLabelOf(window)->text()));
}

QTEST_MAIN(MainWindowSolvingTest)
#include "MainWindowSolvingTest.moc"
