// Solving and drawing by hand in the window. Playing: marking cells with
// clicks, drags and keys, undo and redo, the greyed and red clues, Check,
// the finish and the progress kept per puzzle. Drawing: a new picture whose
// clues follow the clicks and are checked in the background, an image
// imported as a picture, and the blank puzzle printed.

#include "AppTestSupport.h"
#include "CompleteSolver.h"
#include "DrawMode.h"
#include "JobRunner.h"
#include "MainWindow.h"
#include "PictureImport.h"
#include "PrintFit.h"
#include "PuzzleDocument.h"
#include "PuzzleFormats.h"
#include "RandomPicture.h"
#include "RecordingPaintDevice.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <random>

using namespace zd;

namespace {

// One of two solutions: every permutation of three cells fits.
const std::vector<std::string> twoSolutions = { "#..", ".#.", "..#" };

QStringList textRows(const std::vector<std::string> &rows)
{
    QStringList texts;
    for (const std::string &row : rows)
        texts << QString::fromStdString(row);
    return texts;
}

QAction *act(MainWindow &window, const char *name)
{
    return window.findChild<QAction *>(QLatin1String(name));
}

QPoint centreOf(zdWidget &view, int row, int column)
{
    const GridGeometry grid = view.geometryAt(view.cellSize());
    const int s = grid.cellSize;
    return { grid.gridLeft + column * s + s / 2, grid.gridTop + row * s + s / 2 };
}

void send(zdWidget &view, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held)
{
    QMouseEvent event(type, at, view.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

// A press on one cell, moves through `path` with the button held, a release.
void stroke(zdWidget &view, Qt::MouseButton button, QPoint from, const std::vector<QPoint> &path)
{
    send(view, QEvent::MouseButtonPress, centreOf(view, from.y(), from.x()), button, button);
    QPoint last = from;
    for (const QPoint cell : path) {
        send(view, QEvent::MouseMove, centreOf(view, cell.y(), cell.x()), Qt::NoButton, button);
        last = cell;
    }
    send(view, QEvent::MouseButtonRelease, centreOf(view, last.y(), last.x()), button,
         Qt::NoButton);
}

// The player's grid: '#' filled, '-' crossed, '.' not marked.
std::vector<std::string> playerRows(const zdWidget &view)
{
    std::vector<std::string> rows;
    for (std::string row :
         pictureOfGrid(view.document().playerGrid(), view.model().columnCount())) {
        for (char &mark : row)
            mark = mark == '?' ? '.' : mark == '.' ? '-' : mark;
        rows.push_back(row);
    }
    return rows;
}

void fillPicture(zdWidget &view, const std::vector<std::string> &picture)
{
    for (int r = 0; r < int(picture.size()); ++r)
        for (int c = 0; c < int(picture[size_t(r)].size()); ++c)
            if (picture[size_t(r)][size_t(c)] == '#')
                stroke(view, Qt::LeftButton, { c, r }, {});
}

struct Started
{
    AppTree tree;
    MainWindow window;
    zdWidget *view = nullptr;
};

// A window with `picture`'s puzzle open and play mode on.
void startPlaying(Started &run, const std::vector<std::string> &picture, const char *name)
{
    const QString path = run.tree.path(QLatin1String(name));
    writeTextFile(path, puzzleTextOf(picture));
    QVERIFY(openPuzzle(run.window, path));
    run.view = gridViewOf(run.window);
    run.view->setCellSize(20);
    act(run.window, "playAct")->setChecked(true);
    // An earlier test's progress on the same clues is kept: start afresh.
    act(run.window, "restartAct")->trigger();
    QCOMPARE(run.view->document().look(), DocumentLook::Player);
}

} // namespace

class MainWindowPlayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QStandardPaths::setTestModeEnabled(true);
    }

    void strokesMarkCellsAndUndo_data();
    void strokesMarkCellsAndUndo();
    void cluesAreGreyedWhenDoneAndRedWhenBroken();
    void checkCountsOnlyCellsNoSolutionAgreesWith_data();
    void checkCountsOnlyCellsNoSolutionAgreesWith();
    void anyGridMeetingTheCluesFinishes_data();
    void anyGridMeetingTheCluesFinishes();
    void progressIsKeptPerPuzzleUntilRestart();
    void drawnCluesFollowThePictureAndAreChecked();
    void aStrokeReplacesTheCheckRunning();
    void imageBecomesAPictureAtTheThreshold();
    void blankPuzzleHasAnEmptyGridThenTheSolution();
};

void MainWindowPlayTest::strokesMarkCellsAndUndo_data()
{
    QTest::addColumn<int>("button"); // 1 left, 2 right
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QList<QPoint>>("path");
    QTest::addColumn<QStringList>("after");
    const QStringList none = { ".....", ".....", ".....", "....." };
    QTest::newRow("left click fills") << 1 << QPoint(1, 0) << QList<QPoint>()
                                      << QStringList({ ".#...", ".....", ".....", "....." });
    QTest::newRow("right click crosses") << 2 << QPoint(4, 3) << QList<QPoint>()
                                         << QStringList({ ".....", ".....", ".....", "....-" });
    QTest::newRow("a drag along a row")
        << 1 << QPoint(0, 2) << QList<QPoint>({ { 1, 2 }, { 3, 2 } })
        << QStringList({ ".....", ".....", "####.", "....." });
    QTest::newRow("a slanting drag keeps to its column")
        << 2 << QPoint(2, 0) << QList<QPoint>({ { 2, 1 }, { 3, 3 } })
        << QStringList({ "..-..", "..-..", "..-..", "..-.." });
}

// Each stroke after a first click on the top left cell; the same click there
// again clears it; undo takes back one stroke at a time and redo brings it.
void MainWindowPlayTest::strokesMarkCellsAndUndo()
{
    QFETCH(int, button);
    QFETCH(QPoint, from);
    QFETCH(QList<QPoint>, path);
    QFETCH(QStringList, after);
    Started run;
    run.tree.enter();
    startPlaying(run, solvablePicture, "small.zd");
    zdWidget &view = *run.view;

    stroke(view, Qt::LeftButton, { 0, 0 }, {});
    stroke(view, Qt::LeftButton, { 0, 0 }, {});
    const auto mouse = button == 1 ? Qt::LeftButton : Qt::RightButton;
    stroke(view, mouse, from, std::vector<QPoint>(path.begin(), path.end()));
    QStringList shown;
    for (const std::string &row : playerRows(view))
        shown << QString::fromStdString(row);
    QCOMPARE(shown, after);

    QAction *undo = act(run.window, "undoAct");
    QAction *redo = act(run.window, "redoAct");
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    undo->trigger(); // the stroke
    undo->trigger(); // the clearing click
    QCOMPARE(playerRows(view)[0][0], '#');
    undo->trigger();
    QCOMPARE(playerRows(view), std::vector<std::string>(4, "....."));
    for (int step = 0; step < 3; ++step)
        redo->trigger();
    QCOMPARE(playerRows(view)[size_t(from.y())], after[from.y()].toStdString());

    // The keyboard: Space fills at the cursor, X crosses, Delete clears.
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Space);
    QCOMPARE(playerRows(view)[1][1], '#');
    QTest::keyClick(&view, Qt::Key_X);
    QCOMPARE(playerRows(view)[1][1], '-');
    QTest::keyClick(&view, Qt::Key_Delete);
    QCOMPARE(playerRows(view)[1][1], '.');
}

// Row 3 ("..#..") is done with its one cell; row 0 ("##.##") is broken by a
// run of three; every other clue stays plain black.
void MainWindowPlayTest::cluesAreGreyedWhenDoneAndRedWhenBroken()
{
    Started run;
    run.tree.enter();
    startPlaying(run, solvablePicture, "small.zd");
    zdWidget &view = *run.view;
    stroke(view, Qt::LeftButton, { 2, 3 }, {});
    stroke(view, Qt::LeftButton, { 0, 0 }, { { 2, 0 } });

    RecordingPaintDevice device(view.size());
    view.render(&device, QPoint(), QRegion(), QWidget::DrawChildren);
    const GridGeometry grid = view.geometryAt(view.cellSize());
    int grey = 0;
    int red = 0;
    for (const RecordedText &text : device.recording.texts) {
        if (text.baseLine.x() >= grid.gridLeft || text.baseLine.y() <= grid.gridTop)
            continue; // column clues and the caption
        const int row = int(text.baseLine.y() - grid.gridTop - 1) / grid.cellSize;
        const QColor expected = row == 3 ? clueInkColour(ClueInk::Done)
            : row == 0                   ? clueInkColour(ClueInk::Broken)
                                         : QColor(Qt::black);
        QCOMPARE(text.colour, expected);
        grey += row == 3 ? 1 : 0;
        red += row == 0 ? 1 : 0;
    }
    QCOMPARE(grey, 1);
    QCOMPARE(red, 2);
}

void MainWindowPlayTest::checkCountsOnlyCellsNoSolutionAgreesWith_data()
{
    QTest::addColumn<QStringList>("picture");
    QTest::addColumn<QStringList>("marked"); // '#' filled, '-' crossed
    QTest::addColumn<QString>("said");
    const QStringList unique = textRows(solvablePicture);
    QTest::newRow("unique, right so far")
        << unique << QStringList({ "##-..", ".....", ".....", "....." }) << "No mistakes";
    QTest::newRow("unique, two wrong")
        << unique << QStringList({ "-.#..", ".....", ".....", "....." }) << "2 mistakes";
    // Each cell of the permutation puzzle is filled in some solution.
    QTest::newRow("several solutions, either way")
        << textRows(twoSolutions) << QStringList({ ".#.", "#..", "..." }) << "No mistakes";
}

void MainWindowPlayTest::checkCountsOnlyCellsNoSolutionAgreesWith()
{
    QFETCH(QStringList, picture);
    QFETCH(QStringList, marked);
    QFETCH(QString, said);
    std::vector<std::string> rows;
    for (const QString &row : picture)
        rows.push_back(row.toStdString());
    Started run;
    run.tree.enter();
    startPlaying(run, rows, "check.zd");
    for (int r = 0; r < marked.size(); ++r)
        for (int c = 0; c < marked[r].size(); ++c)
            if (marked[r][c] != QLatin1Char('.'))
                stroke(*run.view,
                       marked[r][c] == QLatin1Char('#') ? Qt::LeftButton : Qt::RightButton,
                       { c, r }, {});
    act(run.window, "checkAct")->trigger();
    QVERIFY(waitForJobs(run.window));
    QCOMPARE(statusOf(run.window), said);
    const std::vector<bool> &marks = run.view->markedCells();
    QCOMPARE(std::count(marks.begin(), marks.end(), true),
             said == QLatin1String("No mistakes") ? 0 : said.left(1).toInt());
}

void MainWindowPlayTest::anyGridMeetingTheCluesFinishes_data()
{
    QTest::addColumn<QStringList>("picture");
    QTest::addColumn<QStringList>("played");
    const QStringList unique = textRows(solvablePicture);
    QTest::newRow("the one solution") << unique << unique;
    QTest::newRow("the other of two solutions")
        << textRows(twoSolutions) << QStringList({ ".#.", "#..", "..#" });
}

void MainWindowPlayTest::anyGridMeetingTheCluesFinishes()
{
    QFETCH(QStringList, picture);
    QFETCH(QStringList, played);
    std::vector<std::string> rows;
    std::vector<std::string> playedRows;
    for (const QString &row : picture)
        rows.push_back(row.toStdString());
    for (const QString &row : played)
        playedRows.push_back(row.toStdString());
    Started run;
    run.tree.enter();
    startPlaying(run, rows, "finish.zd");
    fillPicture(*run.view, playedRows);
    QVERIFY2(statusOf(run.window).startsWith(QStringLiteral("Solved in 0:0")),
             qPrintable(statusOf(run.window)));
    // The finished picture is shown.
    QVERIFY(run.view->shownCells());
    QCOMPARE(pictureOfGrid(*run.view->shownCells(), int(playedRows[0].size())), playedRows);
}

// Marks on one puzzle survive opening another one and coming back, and even
// a new window; Restart clears them.
void MainWindowPlayTest::progressIsKeptPerPuzzleUntilRestart()
{
    Started run;
    run.tree.enter();
    startPlaying(run, solvablePicture, "kept.zd");
    stroke(*run.view, Qt::LeftButton, { 0, 0 }, { { 1, 0 } });
    stroke(*run.view, Qt::RightButton, { 2, 0 }, {});
    const std::vector<std::string> played = playerRows(*run.view);

    const QString other = run.tree.path(QStringLiteral("other.zd"));
    writeTextFile(other, puzzleTextOf({ "##", "#." }));
    QVERIFY(openPuzzle(run.window, other));
    QCOMPARE(playerRows(*run.view), std::vector<std::string>(2, ".."));
    QVERIFY(openPuzzle(run.window, run.tree.path(QStringLiteral("kept.zd"))));
    QCOMPARE(playerRows(*run.view), played);
    {
        MainWindow next;
        QVERIFY(openPuzzle(next, run.tree.path(QStringLiteral("kept.zd"))));
        act(next, "playAct")->setChecked(true);
        QCOMPARE(playerRows(*gridViewOf(next)), played);
    }
    act(run.window, "restartAct")->trigger();
    QCOMPARE(playerRows(*run.view), std::vector<std::string>(4, "....."));
    // Off again: the view shows the solver's look, as it did before.
    act(run.window, "playAct")->setChecked(false);
    QCOMPARE(run.view->document().look(), DocumentLook::Solved);
}

// New puzzle asks for the size; every click changes the clues at once, and
// the status says what the check found once it is done.
void MainWindowPlayTest::drawnCluesFollowThePictureAndAreChecked()
{
    AppTree tree;
    tree.enter();
    MainWindow window;
    zdWidget &view = *gridViewOf(window);
    view.setCellSize(20);
    ModalAnswer answer([](QWidget *dialog) {
        dialog->findChild<QSpinBox *>(QStringLiteral("rowsSpin"))->setValue(2);
        dialog->findChild<QSpinBox *>(QStringLiteral("columnsSpin"))->setValue(3);
        static_cast<QDialog *>(dialog)->accept();
    });
    act(window, "newAct")->trigger();
    QTRY_VERIFY(answer.answered());
    QVERIFY(act(window, "drawAct")->isChecked());
    QCOMPARE(view.document().rows(), 2);
    QCOMPARE(view.document().columns(), 3);

    const struct
    {
        QPoint cell;
        std::vector<std::string> picture;
        QString status;
    } strokes[] = {
        { { 0, 0 }, { "#..", "..." }, "Unique (grade line, " },
        { { 1, 1 }, { "#..", ".#." }, "Several solutions: 4 ambiguous cells" },
        { { 1, 0 }, { "##.", ".#." }, "Unique (grade line, " },
    };
    for (const auto &step : strokes) {
        stroke(view, Qt::LeftButton, step.cell, {});
        const PuzzleClues expected = PuzzleClues::fromPicture(step.picture);
        QCOMPARE(view.document().clues().rowClues, expected.rowClues);
        QCOMPARE(view.document().clues().columnClues, expected.columnClues);
        QVERIFY(waitForJobs(window));
        QVERIFY2(statusOf(window).startsWith(step.status), qPrintable(statusOf(window)));
    }
    const std::vector<bool> &marks = view.markedCells();
    QCOMPARE(std::count(marks.begin(), marks.end(), true), 0);
    act(window, "undoAct")->trigger();
    QVERIFY(waitForJobs(window));
    QCOMPARE(std::count(view.markedCells().begin(), view.markedCells().end(), true), 4);

    // Saved as .non, the picture is the puzzle's goal.
    const QString saved = tree.path(QStringLiteral("drawn.non"));
    ModalAnswer save(chooseFile(saved));
    act(window, "saveAsAct")->trigger();
    QVERIFY(save.answered());
    const std::string name = QFile::encodeName(saved).toStdString();
    const std::vector<PuzzleEntry> read = readPuzzleFile(name, *puzzleFormatOfPath(name));
    QCOMPARE(read.size(), size_t(1));
    QCOMPARE(read[0].goal, std::vector<std::string>({ "#..", ".#." }));
}

// Two strokes on a picture whose check takes a while: the second one's check
// replaces the first, and only its answer is shown.
void MainWindowPlayTest::aStrokeReplacesTheCheckRunning()
{
    AppTree tree;
    tree.enter();
    MainWindow window;
    zdWidget &view = *gridViewOf(window);
    std::mt19937 random(3);
    std::vector<std::string> picture = randomPicture(40, 40, 0.5, random);
    window.findChild<DrawMode *>()->startPicture(picture);
    auto *checker = window.findChild<JobRunner *>(QStringLiteral("drawChecker"));
    QVERIFY(waitForJobs(window));
    const int before = checker->startedCount();
    view.setCellSize(10);
    // Each stroke turns one cell over.
    for (int column = 0; column < 2; ++column) {
        char &cell = picture[0][size_t(column)];
        cell = cell == '#' ? '.' : '#';
        stroke(view, cell == '#' ? Qt::LeftButton : Qt::RightButton, { column, 0 }, {});
        if (column == 0)
            QTRY_COMPARE(checker->startedCount(), before + 1);
    }
    QVERIFY(waitForJobs(window));
    QCOMPARE(checker->startedCount(), before + 2);
    const SolveResult truth = solveCompletely(PuzzleClues::fromPicture(picture));
    QVERIFY2(statusOf(window).startsWith(truth.verdict == Verdict::Unique
                                             ? QStringLiteral("Unique")
                                             : QStringLiteral("Several solutions")),
             qPrintable(statusOf(window)));
}

void MainWindowPlayTest::imageBecomesAPictureAtTheThreshold()
{
    std::mt19937 random(11);
    const std::vector<std::string> picture = randomPicture(7, 9, 0.5, random);
    QImage image(9, 7, QImage::Format_RGB32);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 9; ++c)
            image.setPixel(c, r,
                           picture[size_t(r)][size_t(c)] == '#' ? qRgb(30, 30, 30)
                                                                : qRgb(230, 230, 230));
    QCOMPARE(pictureOfImage(image, 9, 7, 50), picture);
    QCOMPARE(pictureOfImage(image, 9, 7, 5), std::vector<std::string>(7, "........."));
    QCOMPARE(defaultImportSize(QSize(9, 7)), QSize(9, 7));
    QCOMPARE(defaultImportSize(QSize(400, 200)), QSize(100, 50));

    PictureImportDialog dialog(image);
    QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("importColumnsSpin"))->value(), 9);
    QCOMPARE(dialog.picture(), picture);
}

void MainWindowPlayTest::blankPuzzleHasAnEmptyGridThenTheSolution()
{
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    MainWindow window;
    const PuzzleDrawing drawing = gridViewOf(window)->drawing();
    const std::vector<PuzzleDrawing> pages = blankAndSolutionPages(drawing);
    QCOMPARE(pages.size(), size_t(2));
    QVERIFY(std::all_of(pages[0].cells.begin(), pages[0].cells.end(),
                        [](CellState state) { return state == CellUnknown; }));
    QCOMPARE(pictureOfGrid(pages[1].cells, 5), solvablePicture);

    const QString pdfInfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfInfo.isEmpty())
        QSKIP("pdfinfo (poppler-utils) is needed to read the PDF");
    const QString pdf = tree.path(QStringLiteral("blank.pdf"));
    ModalAnswer answer(chooseFile(pdf));
    act(window, "printBlankAct")->trigger();
    QVERIFY(answer.answered());
    QVERIFY(waitForJobs(window));
    QCOMPARE(statusOf(window), QStringLiteral("Printed to ") + pdf);
    QVERIFY(runTool(pdfInfo, { pdf }).contains(QRegularExpression("Pages:\\s+2\\n")));
}

QTEST_MAIN(MainWindowPlayTest)
#include "MainWindowPlayTest.moc"
