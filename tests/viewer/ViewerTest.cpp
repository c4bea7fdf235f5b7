// The viewer's window, set up by the same code the program runs, from a
// working directory whose parent does or does not hold the viewer's puzzle.

#include "HeadlessRun.h"
#include "PuzzleFolder.h"
#include "ViewerWindow.h"
#include "zdWidget.h"

#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

using namespace zd;

namespace {

// A 60 x 60 triangle: line logic alone solves it, and at cell size 8 it is
// larger than the window, so the window scrolls.
std::vector<std::string> triangle()
{
    std::vector<std::string> picture;
    for (int r = 0; r < 60; ++r)
        picture.push_back(std::string(r + 1, '#') + std::string(59 - r, '.'));
    return picture;
}

// Makes a folder "run" inside `folder` the working directory while it lives.
class WorkingDirectory
{
public:
    explicit WorkingDirectory(const PuzzleFolder &folder)
        : previous(QDir::currentPath())
    {
        QDir(folder.path()).mkdir(QStringLiteral("run"));
        QDir::setCurrent(folder.path() + QStringLiteral("/run"));
    }
    ~WorkingDirectory() { QDir::setCurrent(previous); }
    WorkingDirectory(const WorkingDirectory &) = delete;
    WorkingDirectory &operator=(const WorkingDirectory &) = delete;

private:
    QString previous;
};

} // namespace

class ViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void showsThePuzzleOfTheParentFolderSolved();
    void opensAnEmptyViewWithoutAPuzzleAndExitsNormallyWhenClosed();
};

void ViewerTest::showsThePuzzleOfTheParentFolderSolved()
{
    PuzzleFolder folder;
    const std::vector<std::string> picture = triangle();
    folder.write(QStringLiteral("orol.zd"), picture);
    WorkingDirectory runFolder(folder);

    QScrollArea window;
    zdWidget *view = openViewerWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.widget(), view);
    QCOMPARE(window.size(), QSize(400, 400));
    QCOMPARE(view->cellSize(), 8);
    QCOMPARE(view->size(), QSize(2 * 8 + 62 * 8, 2 * 8 + 62 * 8));
    QVERIFY(view->isVisible());
    QVERIFY(window.horizontalScrollBar()->maximum() > 0);
    QVERIFY(window.verticalScrollBar()->maximum() > 0);

    for (int16_t r = 0; r < 60; ++r)
        for (int16_t j = 0; j < 60; ++j)
            QCOMPARE(view->model().cell(r, j), picture[r][j] == '#' ? CellFilled : CellEmpty);

    // The grid starts one clue slot (16 pixels) in. Row 1: a square in column
    // 1, a dash in column 2 (4 pixels long, from 2 pixels in).
    const QImage pixels = view->grab().toImage();
    const QRgb black = qRgb(0, 0, 0);
    QCOMPARE(pixels.pixel(16 + 8 + 4, 16 + 8 + 4), black);
    QCOMPARE(pixels.pixel(16 + 16 + 3, 16 + 8 + 4), black);
    QVERIFY(pixels.pixel(16 + 16 + 3, 16 + 8 + 3) != black);
}

void ViewerTest::opensAnEmptyViewWithoutAPuzzleAndExitsNormallyWhenClosed()
{
    PuzzleFolder folder;
    WorkingDirectory runFolder(folder);

    QScrollArea window;
    zdWidget *view = openViewerWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(view->size(), QSize(16, 16));
    QCOMPARE(view->model().rowCount(), 0);
    QVERIFY(!view->lastLoadError().isEmpty());

    // Closing the only window ends the event loop with 0; should it not,
    // the fallback ends it with a value the check rejects.
    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer::singleShot(60000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
}

HEADLESS_TEST_MAIN(ViewerTest)
#include "ViewerTest.moc"
