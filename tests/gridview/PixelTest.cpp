// Pixels of the painted grid: where squares, dashes and grid lines land, and
// that leaving out what lies outside a repaint's region and batching lines and
// marks change no pixel. The pixel checks stay away from clue texts, and texts
// are only ever compared with texts drawn in the same font, so the results do
// not depend on which monospace font the machine has.

#include "GridPainter.h"
#include "HeadlessRun.h"
#include "MarkedPuzzle.h"
#include "PuzzleFolder.h"
#include "RandomPicture.h"
#include "RecordingPaintDevice.h"
#include "zdWidget.h"

#include <QImage>
#include <QPainter>

using namespace zd;

namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb black = qRgb(0, 0, 0);

QImage blankImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(white);
    return image;
}

// The grid painted whole onto an image, as a print would paint it.
QImage paintWhole(const CMalovanaKrizovka &puzzle, const GridGeometry &geometry, GridStyle style,
                  QSize size)
{
    QImage image = blankImage(size);
    QPainter painter(&image);
    paintGrid(painter, puzzle, geometry, style, wholeDeviceArea());
    return image;
}

// Only `area`, as a paint event of that region paints it.
QImage paintArea(const CMalovanaKrizovka &puzzle, const GridGeometry &geometry, GridStyle style,
                 QSize size, const QRect &area)
{
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setClipRect(area);
    paintGrid(painter, puzzle, geometry, style, area);
    return image;
}

// Draws what a recording holds one item per painter call, in the order the
// painter received them (lines, then marks, then texts never overlap in
// colour: everything is black).
QImage replayOneByOne(const Recording &recording, QSize size)
{
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setBrush(QBrush(Qt::black, Qt::SolidPattern));
    for (const QLine &line : recording.lines)
        painter.drawLines(&line, 1);
    for (const QRect &rect : recording.rects)
        painter.drawRects(&rect, 1);
    for (const RecordedText &text : recording.texts) {
        painter.setFont(text.font);
        painter.drawText(text.baseLine, text.text);
    }
    return image;
}

// Where a region's pixels differ from the whole picture's, for a message.
QString firstDifference(const QImage &part, const QImage &whole, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (part.pixel(x, y) != whole.pixel(x, y))
                return QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y);
    return {};
}

struct RandomGrid
{
    MarkedPuzzle puzzle;
    GridGeometry geometry;
    QSize size;
};

// A random grid with every kind of mark and clues of one and two digits.
RandomGrid randomGrid(int rows, int columns, int s, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::string> picture = randomPicture(rows, columns, 0.55, random);
    std::uniform_int_distribution<int> mark(0, 3);
    for (std::string &row : picture)
        for (char &cell : row)
            if (cell == '.' && mark(random) == 0)
                cell = '-';
    MarkedPuzzle puzzle(picture);
    int rowClues = 0;
    int columnClues = 0;
    for (int16_t r = 0; r < rows; ++r)
        rowClues = std::max<int>(rowClues, puzzle.rowClueCount(r));
    for (int16_t j = 0; j < columns; ++j)
        columnClues = std::max<int>(columnClues, puzzle.columnClueCount(j));
    const GridGeometry geometry { s, 2 * s * rowClues, 2 * s * columnClues, rows, columns };
    const QSize size(geometry.gridLeft + (columns + 2) * s, geometry.gridTop + (rows + 2) * s);
    return { std::move(puzzle), geometry, size };
}

} // namespace

class PixelTest : public QObject
{
    Q_OBJECT

private slots:
    void marksStayClearOfTheGridLines_data();
    void marksStayClearOfTheGridLines();
    void filledCellsFillTheWholeCellAtTwoPixels();
    void repaintingARegionChangesNoPixel_data();
    void repaintingARegionChangesNoPixel();
    void batchedDrawingMatchesOneCallPerItem();
    void widgetRepaintOfARegionMatchesAWholeGrab();
};

void PixelTest::marksStayClearOfTheGridLines_data()
{
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<GridStyle>("style");
    QTest::addColumn<int>("dashFrom"); // first and last dash pixel, from the cell's left edge
    QTest::addColumn<int>("dashTo");
    QTest::newRow("main, cell 8") << 8 << GridStyle::Main << 2 << 6;
    QTest::newRow("main, cell 6") << 6 << GridStyle::Main << 1 << 3;
    QTest::newRow("main, cell 64") << 64 << GridStyle::Main << 16 << 48;
    QTest::newRow("viewer, cell 64") << 64 << GridStyle::Viewer << 2 << 62;
}

void PixelTest::marksStayClearOfTheGridLines()
{
    QFETCH(int, cellSize);
    QFETCH(GridStyle, style);
    QFETCH(int, dashFrom);
    QFETCH(int, dashTo);
    const int s = cellSize;
    const MarkedPuzzle puzzle({ "#-" });
    const GridGeometry geometry { s, 2 * s, 2 * s, 1, 2 };
    const QImage image = paintWhole(puzzle, geometry, style, QSize(6 * s, 5 * s));
    const int top = 2 * s;
    const int left = 2 * s;
    const int right = left + 2 * s;
    const int bottom = top + s;

    // Grid lines: every pixel of both horizontal and all three vertical lines.
    for (int x = left; x <= right; ++x) {
        QCOMPARE(image.pixel(x, top), black);
        QCOMPARE(image.pixel(x, bottom), black);
    }
    for (int y = top; y <= bottom; ++y)
        for (int x : { left, left + s, right })
            QCOMPARE(image.pixel(x, y), black);

    // The filled square covers the cell but for a ring of 2 pixels (the
    // outline takes the square's last column and row).
    for (int y = top + 1; y < bottom; ++y) {
        for (int x = left + 1; x < left + s; ++x) {
            const bool inSquare
                = x >= left + 2 && x <= left + s - 2 && y >= top + 2 && y <= bottom - 2;
            const bool clear
                = x == left + 1 || y == top + 1 || x == left + s - 1 || y == bottom - 1;
            if (inSquare)
                QCOMPARE(image.pixel(x, y), black);
            else if (clear)
                QCOMPARE(image.pixel(x, y), white);
        }
    }

    // The dash: one pixel row across the middle of the empty cell.
    const int middle = top + s / 2;
    for (int y = top + 1; y < bottom; ++y) {
        for (int x = left + s + 1; x < right; ++x) {
            const bool onDash = y == middle && x >= left + s + dashFrom && x <= left + s + dashTo;
            QCOMPARE(image.pixel(x, y), onDash ? black : white);
        }
    }
}

void PixelTest::filledCellsFillTheWholeCellAtTwoPixels()
{
    const MarkedPuzzle puzzle({ "#-", "-." });
    const QImage image = paintWhole(puzzle, { 2, 4, 4, 2, 2 }, GridStyle::Main, QSize(12, 12));
    // The filled cell's square, outline included: pixels 4..6 both ways;
    // and the grid's outline from 4 to 8.
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inSquare = x >= 4 && x <= 6 && y >= 4 && y <= 6;
            const bool onOutline = ((x == 4 || x == 8) && y >= 4 && y <= 8)
                || ((y == 4 || y == 8) && x >= 4 && x <= 8);
            QCOMPARE(image.pixel(x, y), inSquare || onOutline ? black : white);
        }
}

void PixelTest::repaintingARegionChangesNoPixel_data()
{
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<GridStyle>("style");
    QTest::newRow("main, cell 8") << 8 << GridStyle::Main;
    QTest::newRow("main, cell 13") << 13 << GridStyle::Main;
    QTest::newRow("main, cell 3") << 3 << GridStyle::Main;
    QTest::newRow("viewer, cell 8") << 8 << GridStyle::Viewer;
    QTest::newRow("viewer, cell 20") << 20 << GridStyle::Viewer;
}

void PixelTest::repaintingARegionChangesNoPixel()
{
    QFETCH(int, cellSize);
    QFETCH(GridStyle, style);
    const RandomGrid grid = randomGrid(17, 23, cellSize, 7);
    const QImage whole = paintWhole(grid.puzzle, grid.geometry, style, grid.size);
    // Regions of odd sizes at odd steps, so that their edges cut through clue
    // texts, squares, dashes and lines everywhere on the picture.
    const QSize regionSize(3 * cellSize + 5, 2 * cellSize + 3);
    for (int y = -3; y < grid.size.height(); y += regionSize.height() + 7) {
        for (int x = -3; x < grid.size.width(); x += regionSize.width() - 5) {
            const QRect area = QRect(QPoint(x, y), regionSize) & whole.rect();
            const QImage part = paintArea(grid.puzzle, grid.geometry, style, grid.size, area);
            const QString difference = firstDifference(part, whole, area);
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
    }
}

void PixelTest::batchedDrawingMatchesOneCallPerItem()
{
    for (GridStyle style : { GridStyle::Main, GridStyle::Viewer }) {
        for (int s : { 2, 8, 64 }) {
            const RandomGrid grid = randomGrid(9, 11, s, 11);
            RecordingPaintDevice device;
            {
                QPainter painter(&device);
                paintGrid(painter, grid.puzzle, grid.geometry, style, wholeDeviceArea());
            }
            const QImage batched = paintWhole(grid.puzzle, grid.geometry, style, grid.size);
            const QImage oneByOne = replayOneByOne(device.recording, grid.size);
            const QString difference = firstDifference(batched, oneByOne, batched.rect());
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
    }
}

void PixelTest::widgetRepaintOfARegionMatchesAWholeGrab()
{
    std::mt19937 random(5);
    PuzzleFolder folder;
    zdWidget widget;
    widget.setCellSize(9);
    widget.load(folder.write("random.zd", randomPicture(15, 21, 0.6, random)));
    widget.solve();
    const QImage whole = widget.grab().toImage();
    QCOMPARE(whole.size(), widget.size());
    for (const QRect &area :
         { QRect(0, 0, 60, 25), QRect(37, 41, 50, 50), QRect(widget.width() - 70, 13, 70, 90),
           QRect(101, widget.height() - 60, 33, 60) }) {
        const QImage part = widget.grab(area).toImage();
        const QString difference
            = firstDifference(part, whole.copy(area), QRect(QPoint(), area.size()));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

HEADLESS_TEST_MAIN(PixelTest)
#include "PixelTest.moc"
