// Zooming in the window: every way of zooming keeps the cell under the middle
// of the visible area (or under the mouse) in place; Fit to window shows a
// 512 x 512 puzzle whole; the readable-clues option is remembered.

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "RandomPicture.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

using namespace zd;

namespace {

QScrollArea *scrollAreaOf(MainWindow &window)
{
    return qobject_cast<QScrollArea *>(window.centralWidget());
}

// The cell (column, row) under a point of the visible area.
QPoint cellUnder(MainWindow &window, QPoint inViewport)
{
    zdWidget *view = gridViewOf(window);
    const QPoint point = view->mapFrom(scrollAreaOf(window)->viewport(), inViewport);
    const GridGeometry grid = view->geometryAt(view->cellSize());
    return { (point.x() - grid.gridLeft) / grid.cellSize,
             (point.y() - grid.gridTop) / grid.cellSize };
}

void wheel(QWidget *target, QPoint at, int delta)
{
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// Counts the events of one type that reach the objects it is installed on.
class EventCounter : public QObject
{
public:
    EventCounter(QEvent::Type counted, int &count)
        : type(counted)
        , seen(count)
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == type)
            ++seen;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type;
    int &seen;
};

} // namespace

class MainWindowZoomTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QStandardPaths::setTestModeEnabled(true);
    }

    void zoomKeepsItsPlace_data();
    void zoomKeepsItsPlace();
    void fitShowsA512PuzzleWhole();
    void readableCluesAreRemembered();
    void newPuzzleShowsFromItsTopLeft_data();
    void newPuzzleShowsFromItsTopLeft();
};

void MainWindowZoomTest::zoomKeepsItsPlace_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("cellSizeAfter"); // -1: two more than the fitted size
    QTest::addColumn<bool>("fromFit");
    QTest::newRow("Plus") << "plus" << 12 << false;
    QTest::newRow("Minus") << "minus" << 8 << false;
    QTest::newRow("Ctrl+wheel up, at the mouse") << "wheel in" << 12 << false;
    QTest::newRow("Ctrl+wheel down, at the mouse") << "wheel out" << 8 << false;
    QTest::newRow("Ctrl++") << "key in" << 12 << false;
    QTest::newRow("Ctrl+-") << "key out" << 8 << false;
    // From Fit to window: no scroll bars before, both after.
    QTest::newRow("Ctrl+wheel up from the fitted view") << "wheel in" << -1 << true;
    QTest::newRow("Ctrl++ from the fitted view") << "key in" << -1 << true;
}

void MainWindowZoomTest::zoomKeepsItsPlace()
{
    QFETCH(QString, how);
    QFETCH(int, cellSizeAfter);
    QFETCH(bool, fromFit);
    std::mt19937 random(3);
    AppTree tree;
    tree.writeSample(randomPicture(1, 1, 1.0, random));
    tree.enter();
    const QString puzzle = tree.path(QStringLiteral("big.zd"));
    writeTextFile(puzzle, puzzleTextOf(randomPicture(150, 150, 0.5, random)));
    MainWindow window;
    window.resize(600, 600);
    window.show();
    QVERIFY(openPuzzle(window, puzzle));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    zdWidget *view = gridViewOf(window);
    QScrollArea *area = scrollAreaOf(window);
    if (fromFit) {
        window.findChild<QAction *>(QStringLiteral("fitAct"))->trigger();
        cellSizeAfter = view->cellSize() + 2;
    } else {
        view->setCellSize(10);
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum() / 2);
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum() / 2);
    }
    // The middle of the puzzle as visible: of the viewport, or of the view
    // where it is smaller (fitted).
    const QPoint centre
        = area->viewport()
              ->rect()
              .intersected(QRect(view->mapTo(area->viewport(), QPoint(0, 0)), view->size()))
              .center();
    // Off the middle, so that keeping the mouse's place differs from the
    // centre's. In the fitted view left of the middle: a point near the
    // grid's right edge cannot stay in place once the clue bands appear, as
    // the view cannot scroll past its end.
    const QPoint mouse = centre + QPoint(fromFit ? -120 : 120, -90);
    const bool atMouse = how.startsWith(QLatin1String("wheel"));
    const QPoint anchor = atMouse ? mouse : centre;
    const QPoint cellBefore = cellUnder(window, anchor);

    if (how == QLatin1String("plus"))
        actionNamed(window, QStringLiteral("&Plus"))->trigger();
    else if (how == QLatin1String("minus"))
        actionNamed(window, QStringLiteral("&Minus"))->trigger();
    else if (atMouse)
        wheel(view, view->mapFrom(area->viewport(), mouse), how.endsWith("in") ? 120 : -120);
    else
        QTest::keyClick(&window, how.endsWith("in") ? Qt::Key_Plus : Qt::Key_Minus,
                        Qt::ControlModifier);
    QCOMPARE(view->cellSize(), cellSizeAfter);
    // Within a cell: the anchor's puzzle point may round to a neighbour.
    const QPoint moved = cellUnder(window, anchor) - cellBefore;
    QVERIFY2(std::abs(moved.x()) <= 1 && std::abs(moved.y()) <= 1,
             qPrintable(QStringLiteral("moved by %1, %2 cells").arg(moved.x()).arg(moved.y())));
}

void MainWindowZoomTest::fitShowsA512PuzzleWhole()
{
    std::mt19937 random(4);
    AppTree tree;
    tree.writeSample(randomPicture(1, 1, 1.0, random));
    tree.enter();
    const QString puzzle = tree.path(QStringLiteral("512.zd"));
    writeTextFile(puzzle, puzzleTextOf(randomPicture(512, 512, 0.5, random)));
    MainWindow window;
    window.resize(1280, 1024);
    window.show();
    QVERIFY(openPuzzle(window, puzzle));
    zdWidget *view = gridViewOf(window);
    window.findChild<QAction *>(QStringLiteral("fitAct"))->trigger();

    const QSize room = scrollAreaOf(window)->maximumViewportSize();
    const int s = view->cellSize();
    QVERIFY2(s >= 1, qPrintable(QString::number(s)));
    QVERIFY(view->width() <= room.width() && view->height() <= room.height());
    const QSize larger = view->sizeAt(s + 1);
    QVERIFY(larger.width() > room.width() || larger.height() > room.height());
    QVERIFY(!scrollAreaOf(window)->horizontalScrollBar()->isVisible());
    QVERIFY(!scrollAreaOf(window)->verticalScrollBar()->isVisible());
}

void MainWindowZoomTest::readableCluesAreRemembered()
{
    AppTree tree;
    tree.enter();
    for (const bool on : { true, false }) {
        {
            MainWindow window;
            QAction *readable = window.findChild<QAction *>(QStringLiteral("readableCluesAct"));
            QVERIFY(readable && readable->isCheckable());
            readable->setChecked(on);
            QCOMPARE(gridViewOf(window)->readableClues(), on);
        }
        MainWindow next;
        QCOMPARE(next.findChild<QAction *>(QStringLiteral("readableCluesAct"))->isChecked(), on);
        QCOMPARE(gridViewOf(next)->readableClues(), on);
    }
}

void MainWindowZoomTest::newPuzzleShowsFromItsTopLeft_data()
{
    QTest::addColumn<bool>("fitNewPuzzles");
    QTest::newRow("as it was zoomed") << false;
    QTest::newRow("fitted to the window") << true;
}

// A second puzzle of the same size, opened while the first is scrolled to
// its far corner: the canvas is repainted (the same size used to leave the
// old clues on screen), shown from its top left corner and, when asked,
// fitted whole into a 600 x 600 window.
void MainWindowZoomTest::newPuzzleShowsFromItsTopLeft()
{
    QFETCH(bool, fitNewPuzzles);
    std::mt19937 random(9);
    AppTree tree;
    tree.enter();
    const QString first = tree.path(QStringLiteral("first.zd"));
    const QString second = tree.path(QStringLiteral("second.zd"));
    writeTextFile(first, puzzleTextOf(randomPicture(99, 99, 0.5, random)));
    writeTextFile(second, puzzleTextOf(randomPicture(99, 99, 0.5, random)));
    MainWindow window;
    window.resize(600, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction *fitOnOpen = window.findChild<QAction *>(QStringLiteral("fitOnOpenAct"));
    QVERIFY(fitOnOpen && fitOnOpen->isCheckable());
    fitOnOpen->setChecked(false);
    QVERIFY(openPuzzle(window, first));
    QScrollArea *area = scrollAreaOf(window);
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QVERIFY(area->verticalScrollBar()->value() > 0);

    zdWidget *view = gridViewOf(window);
    int paints = 0;
    EventCounter counter(QEvent::Paint, paints);
    view->installEventFilter(&counter);
    fitOnOpen->setChecked(fitNewPuzzles);
    QVERIFY(openPuzzle(window, second));
    QTRY_VERIFY(paints > 0);
    QCOMPARE(area->horizontalScrollBar()->value(), 0);
    QCOMPARE(area->verticalScrollBar()->value(), 0);
    if (fitNewPuzzles) {
        const QSize room = area->maximumViewportSize();
        QVERIFY2(view->width() <= room.width() && view->height() <= room.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(view->width()).arg(view->height())));
        // Every cell drawn: at this size a filled cell is a whole square.
        QVERIFY(view->cellSize() >= 4);
    }
    // Back to the first from Open recent (no dialog whose closing would
    // repaint the window anyway), at the same size and scroll position:
    // nothing moves, and the canvas must still be painted anew.
    QTest::qWait(50);
    paints = 0;
    QMenu *recent = window.findChild<QAction *>(QStringLiteral("openRecentMenu"))->menu();
    emit recent->aboutToShow();
    const QList<QAction *> entries = recent->actions();
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const QAction *action) {
        return action->data().toString() == first;
    });
    QVERIFY(entry != entries.end());
    (*entry)->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("zdQt - ") + first);
    QTRY_VERIFY(paints > 0);
    fitOnOpen->setChecked(false);
}

QTEST_MAIN(MainWindowZoomTest)
#include "MainWindowZoomTest.moc"
