// What the grid painting asks a painter to draw at the cell sizes the programs
// use (2 to 8 by zooming, 64 for printing): clue texts at their base-line
// points, grid lines and cell marks. A recording device sees every call, so
// no test here depends on the fonts the machine has.

#include "GridPainter.h"
#include "HeadlessRun.h"
#include "MarkedPuzzle.h"
#include "RecordingPaintDevice.h"

#include <QPainter>

using namespace zd;

namespace {

// 2 rows x 3 columns; row 0 has 3 clues and column 1 has 2, so the grid's left
// edge is 6 cells and its top edge 4 cells from the origin. Column 2 has no
// clue list at all.
CMalovanaKrizovka cluePuzzle()
{
    PuzzleClues clues;
    clues.rows = 2;
    clues.columns = 3;
    clues.rowClues = { { 3, 1, 12 }, { 123 } };
    clues.columnClues = { { 0 }, { 2, 5 }, {} };
    CMalovanaKrizovka puzzle;
    clues.applyTo(puzzle);
    return puzzle;
}

GridGeometry cluePuzzleGeometry(int s)
{
    return { s, 6 * s, 4 * s, 2, 3 };
}

Recording record(const CMalovanaKrizovka &puzzle, const GridGeometry &geometry, GridStyle style)
{
    RecordingPaintDevice device;
    QPainter painter(&device);
    paintGrid(painter, puzzle, geometry, style, wholeDeviceArea());
    painter.end();
    return device.recording;
}

using TextList = QList<QPair<QString, QPoint>>;

TextList textsOf(const Recording &recording)
{
    TextList texts;
    for (const RecordedText &text : recording.texts)
        texts.append({ text.text, text.baseLine.toPoint() });
    return texts;
}

} // namespace

class DrawingTest : public QObject
{
    Q_OBJECT

private slots:
    void cluesSitInTwoCellSlotsBesideAndAboveTheGrid_data();
    void cluesSitInTwoCellSlotsBesideAndAboveTheGrid();
    void clueFontFollowsTheCellSize_data();
    void clueFontFollowsTheCellSize();
    void gridLinesFrameEveryCellAndNothingElse();
    void cellMarksKeepTheirInsets_data();
    void cellMarksKeepTheirInsets();
    void onlyTheOutlineAndSquaresAtFourPixelsAndBelow();
};

void DrawingTest::cluesSitInTwoCellSlotsBesideAndAboveTheGrid_data()
{
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<TextList>("expected");
    // Row clues end two cells left of the grid with their base line on the
    // row's bottom edge; column clues start a quarter cell left of the column
    // with the last base line half a cell above the grid. One-digit clues get a
    // leading space, three-digit ones start from the same point unchanged.
    QTest::newRow("cell 6") << 6 << TextList { { " 3", { 0, 30 } },  { " 1", { 12, 30 } },
                                               { "12", { 24, 30 } }, { "123", { 24, 36 } },
                                               { " 0", { 35, 21 } }, { " 2", { 41, 9 } },
                                               { " 5", { 41, 21 } } };
    QTest::newRow("cell 8") << 8 << TextList { { " 3", { 0, 40 } },  { " 1", { 16, 40 } },
                                               { "12", { 32, 40 } }, { "123", { 32, 48 } },
                                               { " 0", { 46, 28 } }, { " 2", { 54, 12 } },
                                               { " 5", { 54, 28 } } };
    QTest::newRow("cell 64") << 64 << TextList { { " 3", { 0, 320 } },   { " 1", { 128, 320 } },
                                                 { "12", { 256, 320 } }, { "123", { 256, 384 } },
                                                 { " 0", { 368, 224 } }, { " 2", { 432, 96 } },
                                                 { " 5", { 432, 224 } } };
}

void DrawingTest::cluesSitInTwoCellSlotsBesideAndAboveTheGrid()
{
    QFETCH(int, cellSize);
    QFETCH(TextList, expected);
    for (GridStyle style : { GridStyle::Main, GridStyle::Viewer }) {
        const Recording device = record(cluePuzzle(), cluePuzzleGeometry(cellSize), style);
        QCOMPARE(textsOf(device), expected);
    }
}

void DrawingTest::clueFontFollowsTheCellSize_data()
{
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<GridStyle>("style");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("pointSize");
    // The main program's font is s - 4 pixels of any device; the viewer's is
    // s / 2 points, so its pixels depend on the device's resolution.
    QTest::newRow("main, cell 8") << 8 << GridStyle::Main << 4 << -1;
    QTest::newRow("main, cell 64") << 64 << GridStyle::Main << 60 << -1;
    QTest::newRow("viewer, cell 8") << 8 << GridStyle::Viewer << -1 << 4;
    QTest::newRow("viewer, cell 64") << 64 << GridStyle::Viewer << -1 << 32;
}

void DrawingTest::clueFontFollowsTheCellSize()
{
    QFETCH(int, cellSize);
    QFETCH(GridStyle, style);
    QFETCH(int, pixelSize);
    QFETCH(int, pointSize);
    const Recording device = record(cluePuzzle(), cluePuzzleGeometry(cellSize), style);
    QVERIFY(!device.texts.empty());
    for (const RecordedText &text : device.texts) {
        QCOMPARE(text.font.family(), QStringLiteral("Courier New"));
        QCOMPARE(text.font.pixelSize(), pixelSize);
        QCOMPARE(text.font.pointSize(), pointSize);
        QCOMPARE(text.font.bold(), false);
        QCOMPARE(text.font.italic(), false);
    }
}

void DrawingTest::gridLinesFrameEveryCellAndNothingElse()
{
    const Recording device = record(cluePuzzle(), cluePuzzleGeometry(8), GridStyle::Main);
    // Grid from (48, 32) to (72, 48): three horizontal lines, then four vertical.
    const std::vector<QLine> expected {
        { 48, 32, 72, 32 }, { 48, 40, 72, 40 }, { 48, 48, 72, 48 }, { 48, 32, 48, 48 },
        { 56, 32, 56, 48 }, { 64, 32, 64, 48 }, { 72, 32, 72, 48 },
    };
    QCOMPARE(device.lines, expected);
}

void DrawingTest::cellMarksKeepTheirInsets_data()
{
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<GridStyle>("style");
    QTest::addColumn<QRect>("square"); // relative to the filled cell's corner
    QTest::addColumn<QRect>("dash"); // relative to the empty cell's corner; null: none
    QTest::newRow("main, cell 2: whole cell")
        << 2 << GridStyle::Main << QRect(0, 0, 2, 2) << QRect();
    QTest::newRow("main, cell 4: whole cell")
        << 4 << GridStyle::Main << QRect(0, 0, 4, 4) << QRect();
    QTest::newRow("main, cell 6") << 6 << GridStyle::Main << QRect(2, 2, 2, 2) << QRect(1, 3, 2, 0);
    QTest::newRow("main, cell 8") << 8 << GridStyle::Main << QRect(2, 2, 4, 4) << QRect(2, 4, 4, 0);
    QTest::newRow("main, cell 64")
        << 64 << GridStyle::Main << QRect(2, 2, 60, 60) << QRect(16, 32, 32, 0);
    QTest::newRow("viewer, cell 8")
        << 8 << GridStyle::Viewer << QRect(2, 2, 4, 4) << QRect(2, 4, 4, 0);
    QTest::newRow("viewer, cell 64")
        << 64 << GridStyle::Viewer << QRect(2, 2, 60, 60) << QRect(2, 32, 60, 0);
}

void DrawingTest::cellMarksKeepTheirInsets()
{
    QFETCH(int, cellSize);
    QFETCH(GridStyle, style);
    QFETCH(QRect, square);
    QFETCH(QRect, dash);
    const MarkedPuzzle puzzle({
        ".-",
        "#.",
    });
    const int s = cellSize;
    const GridGeometry geometry { s, 2 * s, 2 * s, 2, 2 };
    const Recording device = record(puzzle, geometry, style);

    // Row 0: unknown, then empty; row 1: filled, then unknown.
    std::vector<QRect> expected;
    if (!dash.isNull())
        expected.push_back(dash.translated(3 * s, 2 * s));
    expected.push_back(square.translated(2 * s, 3 * s));
    QCOMPARE(device.rects, expected);
    for (bool filled : device.rectFilled)
        QVERIFY2(filled, "cell marks are drawn with the black brush");
}

void DrawingTest::onlyTheOutlineAndSquaresAtFourPixelsAndBelow()
{
    const MarkedPuzzle puzzle({
        "#-#",
        "-#-",
    });
    for (int s : { 1, 2, 4 }) {
        const Recording device = record(puzzle, { s, 4 * s, 2 * s, 2, 3 }, GridStyle::Main);
        QVERIFY(device.texts.empty());
        QCOMPARE(device.lines.size(), size_t(4)); // the grid's outline
        QCOMPARE(device.rects.size(), size_t(3));
    }
    const Recording atFive = record(puzzle, { 5, 20, 10, 2, 3 }, GridStyle::Main);
    QVERIFY(!atFive.texts.empty());
    QCOMPARE(atFive.lines.size(), size_t(7));
    QCOMPARE(atFive.rects.size(), size_t(6));
}

HEADLESS_TEST_MAIN(DrawingTest)
#include "DrawingTest.moc"
