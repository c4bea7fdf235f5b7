// Zooming in the window: every way of zooming keeps the cell under the middle
// of the visible area (or under the mouse) in place; Fit to window shows a
// 512 x 512 puzzle whole; the readable-clues option is remembered.

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "RandomPicture.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QWheelEvent>

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
};

void MainWindowZoomTest::zoomKeepsItsPlace_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("cellSizeAfter");
    QTest::newRow("Plus") << "plus" << 12;
    QTest::newRow("Minus") << "minus" << 8;
    QTest::newRow("Ctrl+wheel up, at the mouse") << "wheel in" << 12;
    QTest::newRow("Ctrl+wheel down, at the mouse") << "wheel out" << 8;
    QTest::newRow("Ctrl++") << "key in" << 12;
    QTest::newRow("Ctrl+-") << "key out" << 8;
}

void MainWindowZoomTest::zoomKeepsItsPlace()
{
    QFETCH(QString, how);
    QFETCH(int, cellSizeAfter);
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
    view->setCellSize(10);
    QScrollArea *area = scrollAreaOf(window);
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum() / 2);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum() / 2);
    const QPoint centre = area->viewport()->rect().center();
    // Off the middle, so that keeping the mouse's place differs from the centre's.
    const QPoint mouse = centre + QPoint(120, -90);
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
    QCOMPARE(cellUnder(window, anchor), cellBefore);
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

QTEST_MAIN(MainWindowZoomTest)
#include "MainWindowZoomTest.moc"
