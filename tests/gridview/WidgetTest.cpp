// The grid widget as the programs drive it: its size after construction, after
// each cell size and after loading; the caption with the loaded file's path;
// loading files that cannot be read; solving.

#include "HeadlessRun.h"
#include "PuzzleFolder.h"
#include "RecordingPaintDevice.h"
#include "zdWidget.h"

#include <QFontMetricsF>
#include <QPainter>
#include <climits>

using namespace zd;

namespace {

// 10 rows x 15 columns; row 0 has the longest row clue list (3 clues) and
// column 0 the longest column clue list (4 clues).
const std::vector<std::string> tenByFifteen {
    "#.#.#..........", //
    "...............", //
    "#..............", //
    "...............", //
    "#..............", //
    "...............", //
    "#......########", //
    "...............", //
    "...............", //
    "..............#", //
};

Recording recordPuzzle(zdWidget &widget)
{
    RecordingPaintDevice device;
    QPainter painter(&device);
    widget.paintPuzzle(&painter);
    painter.end();
    return device.recording;
}

// A paint event of the whole widget, as the screen would get it.
Recording recordPaintEvent(zdWidget &widget)
{
    RecordingPaintDevice device;
    widget.render(&device, QPoint(), QRegion(), QWidget::DrawChildren);
    return device.recording;
}

} // namespace

namespace zd {
// How QCOMPARE prints a hit that differs.
char *toString(const CellHit &hit)
{
    return QTest::toString(QStringLiteral("area %1, row %2, column %3")
                               .arg(int(hit.area))
                               .arg(hit.row)
                               .arg(hit.column));
}
} // namespace zd

class WidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void newWidgetIsFortyPixelsSquareWithItsTitle();
    void emptyPuzzleIsTwoCellsSquare();
    void gridEdgesFollowTheLongestClueLists_data();
    void gridEdgesFollowTheLongestClueLists();
    void cellSizesThatCannotBeDrawnAreKeptInRange();
    void unreadableFileKeepsThePuzzleAndSaysWhy();
    void captionShowsANonAsciiPathAsItIs();
    void captionKeepsClearOfCluesAndCells_data();
    void captionKeepsClearOfCluesAndCells();
    void noCaptionWithoutAPathOrInTheViewer();
    void solvedCellsAreWhatIsPainted();
    void rejectedPuzzleReportsFailure();
    void shownCellsArePaintedAndLeaveTheModelAlone();
    void cellAtNamesTheCellOrClueBandUnderAPoint_data();
    void cellAtNamesTheCellOrClueBandUnderAPoint();

private:
    PuzzleFolder folder;
};

void WidgetTest::newWidgetIsFortyPixelsSquareWithItsTitle()
{
    for (zdWidget::Variant variant : { zdWidget::Variant::Main, zdWidget::Variant::Viewer }) {
        zdWidget widget(nullptr, variant);
        QCOMPARE(widget.size(), QSize(40, 40));
        QCOMPARE(widget.windowTitle(), QStringLiteral("Qt Gridwerk"));
        QCOMPARE(widget.cellSize(), 8);
    }
}

void WidgetTest::emptyPuzzleIsTwoCellsSquare()
{
    zdWidget widget;
    widget.setCellSize(8);
    QCOMPARE(widget.size(), QSize(16, 16));
    widget.setCellSize(2);
    QCOMPARE(widget.size(), QSize(4, 4));
    QCOMPARE(widget.cellSize(), 2);
}

void WidgetTest::gridEdgesFollowTheLongestClueLists_data()
{
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("gridCorner");
    // Clue bands of 3 x 2 and 4 x 2 cells, grid of 15 x 10, margin of 2 cells.
    QTest::newRow("cell 8") << 8 << QSize(184, 160) << QPoint(48, 64);
    QTest::newRow("cell 6") << 6 << QSize(138, 120) << QPoint(36, 48);
    QTest::newRow("cell 64") << 64 << QSize(1472, 1280) << QPoint(384, 512);
}

void WidgetTest::gridEdgesFollowTheLongestClueLists()
{
    QFETCH(int, cellSize);
    QFETCH(QSize, size);
    QFETCH(QPoint, gridCorner);
    zdWidget widget;
    widget.setCellSize(cellSize);
    QVERIFY(widget.load(folder.write("ten-by-fifteen.zd", tenByFifteen)));
    QVERIFY(widget.lastLoadError().isEmpty());
    QCOMPARE(widget.size(), size);

    const Recording recording = recordPuzzle(widget);
    QVERIFY(!recording.lines.empty());
    QCOMPARE(recording.lines.front().p1(), gridCorner);
    // Row 0's first clue starts at the band's left edge, column 0's first
    // clue's base line is two cells below the band's top plus a half cell.
    QCOMPARE(recording.texts.front().baseLine.toPoint(), QPoint(0, gridCorner.y() + cellSize));
}

void WidgetTest::cellSizesThatCannotBeDrawnAreKeptInRange()
{
    zdWidget widget;
    widget.load(folder.write("ten-by-fifteen.zd", tenByFifteen));
    widget.setCellSize(0);
    QCOMPARE(widget.cellSize(), zdWidget::minCellSize);
    // No clue numbers at one pixel, so the bands take no room; the caption
    // gets a strip of 28 pixels above the grid.
    QCOMPARE(widget.size(), QSize(17, 12 + 28));
    recordPaintEvent(widget);
    widget.setCellSize(-8);
    QCOMPARE(widget.cellSize(), zdWidget::minCellSize);
    widget.setCellSize(INT_MAX);
    QCOMPARE(widget.cellSize(), zdWidget::maxCellSize);
    QCOMPARE(widget.width(), (6 + 17) * zdWidget::maxCellSize);
    const Recording huge = recordPuzzle(widget);
    QCOMPARE(huge.lines.size(), size_t(11 + 16));
}

void WidgetTest::unreadableFileKeepsThePuzzleAndSaysWhy()
{
    zdWidget widget;
    widget.setCellSize(8);
    const QByteArray good = folder.write("ten-by-fifteen.zd", tenByFifteen);
    widget.load(good);
    const QByteArray missing = QFile::encodeName(folder.path() + "/missing.zd");
    QVERIFY(widget.load(missing));
    QVERIFY(widget.lastLoadError().contains(QStringLiteral("missing.zd")));
    QCOMPARE(widget.model().rowCount(), 10);
    QCOMPARE(widget.size(), QSize(184, 160));
    QCOMPARE(recordPaintEvent(widget).texts.back().text, QFile::decodeName(good));

    const QByteArray malformed = folder.writeText("malformed.zd", "2 2\n1\nx\n\n1\n1\n");
    QVERIFY(widget.load(malformed));
    QVERIFY(!widget.lastLoadError().isEmpty());
    QCOMPARE(widget.model().columnCount(), 15);

    QVERIFY(widget.load(nullptr));
    QVERIFY(!widget.lastLoadError().isEmpty());

    widget.load(good);
    QVERIFY(widget.lastLoadError().isEmpty());
}

void WidgetTest::captionShowsANonAsciiPathAsItIs()
{
    const QString name = QStringLiteral("k\u0159\u00ed\u017eovka \u00df \u6f22.zd");
    const QByteArray path = folder.write(name, tenByFifteen);
    zdWidget widget;
    widget.setCellSize(8);
    widget.load(path);
    QVERIFY(widget.lastLoadError().isEmpty());

    // The painter hands the caption over in pieces, one per script; only the
    // caption is bold, and it comes after every clue.
    const Recording recording = recordPaintEvent(widget);
    const auto firstBold = std::find_if(recording.texts.begin(), recording.texts.end(),
                                        [](const RecordedText &text) { return text.font.bold(); });
    QVERIFY(firstBold != recording.texts.end());
    QCOMPARE(firstBold->baseLine, QPointF(20, 20));
    QString caption;
    for (auto piece = firstBold; piece != recording.texts.end(); ++piece) {
        QVERIFY(piece->font.bold());
        QCOMPARE(piece->font.family(), QStringLiteral("Courier New"));
        QCOMPARE(piece->font.pointSize(), 12);
        caption += piece->text;
    }
    QCOMPARE(caption, folder.path() + "/" + name);
}

void WidgetTest::captionKeepsClearOfCluesAndCells_data()
{
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("cellSize");
    for (int s : { 8, 16, 40 })
        QTest::addRow("readable clues, cell %d", s) << true << s;
    for (int s : { 2, 4 })
        QTest::addRow("no clues drawn, cell %d", s) << false << s;
}

void WidgetTest::captionKeepsClearOfCluesAndCells()
{
    QFETCH(bool, readable);
    QFETCH(int, cellSize);
    zdWidget widget;
    widget.load(folder.write("a caption long enough to reach the column clues.zd", tenByFifteen));
    widget.setReadableClues(readable);
    widget.setCellSize(cellSize);
    qreal captionBottom = -1;
    qreal cluesTop = widget.geometryAt(cellSize).gridTop; // the cells start there
    for (const RecordedText &text : recordPaintEvent(widget).texts) {
        const QFontMetricsF metrics(text.font);
        if (text.font.bold())
            captionBottom = std::max(captionBottom, text.baseLine.y() + metrics.descent());
        else
            cluesTop = std::min(cluesTop, text.baseLine.y() - metrics.ascent());
    }
    QVERIFY(captionBottom > 0);
    QVERIFY2(captionBottom <= cluesTop,
             qPrintable(QStringLiteral("caption to y=%1, clues or cells from y=%2")
                            .arg(captionBottom)
                            .arg(cluesTop)));
}

void WidgetTest::noCaptionWithoutAPathOrInTheViewer()
{
    zdWidget empty;
    empty.setCellSize(8);
    QVERIFY(recordPaintEvent(empty).texts.empty());

    zdWidget viewer(nullptr, zdWidget::Variant::Viewer);
    viewer.setCellSize(8);
    viewer.load(folder.write("ten-by-fifteen.zd", tenByFifteen));
    QCOMPARE(QByteArray(viewer.model().filePath()), QByteArray());
    const Recording recording = recordPaintEvent(viewer);
    // 13 row clues ("0" for an empty row) and 19 column clues, nothing else.
    QCOMPARE(recording.texts.size(), size_t(13 + 19));
    for (const RecordedText &text : recording.texts)
        QVERIFY2(text.text.size() <= 2, qPrintable(text.text));
}

void WidgetTest::solvedCellsAreWhatIsPainted()
{
    const std::vector<std::string> picture {
        "..#..", //
        ".###.", //
        "#####", //
        "..#..", //
    };
    zdWidget widget;
    widget.setCellSize(8);
    widget.load(folder.write("arrow.zd", picture));
    QVERIFY(widget.solve());
    int filled = 0;
    for (int16_t r = 0; r < 4; ++r) {
        for (int16_t j = 0; j < 5; ++j) {
            const bool isFilled = picture[r][j] == '#';
            filled += isFilled;
            QCOMPARE(widget.model().cell(r, j), isFilled ? CellFilled : CellEmpty);
        }
    }
    // Every decided cell gets a mark: a 4 x 4 square or a 4 pixels long dash.
    const Recording recording = recordPaintEvent(widget);
    QCOMPARE(recording.rects.size(), size_t(20));
    const auto squares = std::count_if(recording.rects.begin(), recording.rects.end(),
                                       [](const QRect &r) { return r.size() == QSize(4, 4); });
    QCOMPARE(squares, filled);
}

void WidgetTest::rejectedPuzzleReportsFailure()
{
    zdWidget widget;
    widget.setCellSize(8);
    QVERIFY(!widget.solve());
    PuzzleClues totalsDiffer;
    totalsDiffer.rows = 2;
    totalsDiffer.columns = 2;
    totalsDiffer.rowClues = { { 2 }, { 1 } };
    totalsDiffer.columnClues = { { 1 }, { 1 } };
    widget.load(folder.write("totals-differ.zd", totalsDiffer));
    QVERIFY(!widget.solve());
}

// A grid from elsewhere (a complete solver's result) is painted instead of the
// model's; a grid of the wrong size is not; load and solve go back to the model.
void WidgetTest::shownCellsArePaintedAndLeaveTheModelAlone()
{
    const std::vector<std::string> twoSolutions { "#.", ".#" };
    zdWidget widget;
    widget.setCellSize(8);
    widget.load(folder.write("two.zd", twoSolutions));
    const auto squaresAt = [&widget]() {
        std::vector<QPoint> corners;
        const Recording recording = recordPaintEvent(widget);
        for (const QRect &rect : recording.rects)
            if (rect.size() == QSize(4, 4))
                corners.push_back(rect.topLeft());
        return corners;
    };
    QVERIFY(squaresAt().empty());
    widget.showCells(gridOfPicture({ ".#", "#." }));
    QVERIFY(widget.shownCells() != nullptr);
    const std::vector<QPoint> shown = squaresAt();
    QCOMPARE(shown.size(), size_t(2));
    for (int16_t r = 0; r < 2; ++r)
        for (int16_t j = 0; j < 2; ++j)
            QCOMPARE(widget.model().cell(r, j), CellUnknown);

    widget.showCells(gridOfPicture({ "#.#", ".#." }));
    QCOMPARE(squaresAt(), shown); // a grid of another size is ignored
    widget.solve();
    QVERIFY(widget.shownCells() == nullptr);
    widget.showCells(gridOfPicture({ "##", "##" }));
    QCOMPARE(squaresAt().size(), size_t(4));
    widget.load(folder.write("again.zd", twoSolutions));
    QVERIFY(squaresAt().empty());
}

void WidgetTest::cellAtNamesTheCellOrClueBandUnderAPoint_data()
{
    QTest::addColumn<int>("cellSize");
    QTest::addColumn<bool>("readable");
    for (const int size : { 1, 5, 8, 13 })
        for (const bool readable : { false, true })
            QTest::addRow("cell %d%s", size, readable ? ", readable clues" : "")
                << size << readable;
}

// Every cell's centre and its four corner pixels name the cell; one pixel
// left of the grid is the row's clue band, one above the column's; below
// and right of the grid, and the corner above the row clues, are outside.
void WidgetTest::cellAtNamesTheCellOrClueBandUnderAPoint()
{
    QFETCH(int, cellSize);
    QFETCH(bool, readable);
    zdWidget widget;
    widget.setCellSize(cellSize);
    widget.setReadableClues(readable);
    QVERIFY(widget.load(folder.write("ten-by-fifteen.zd", tenByFifteen)));
    const GridGeometry grid = widget.geometryAt(cellSize);
    const int s = cellSize;
    using Area = CellHit::Area;
    for (int r = 0; r < grid.rows; ++r)
        for (int j = 0; j < grid.columns; ++j) {
            const QPoint corner(grid.gridLeft + j * s, grid.gridTop + r * s);
            for (const QPoint offset : { QPoint(s / 2, s / 2), QPoint(0, 0), QPoint(s - 1, 0),
                                         QPoint(0, s - 1), QPoint(s - 1, s - 1) })
                QCOMPARE(widget.cellAt(corner + offset), (CellHit { Area::Cell, r, j }));
        }
    const int right = grid.gridLeft + grid.columns * s;
    const int bottom = grid.gridTop + grid.rows * s;
    if (grid.gridLeft > 0)
        QCOMPARE(widget.cellAt(QPoint(grid.gridLeft - 1, grid.gridTop)),
                 (CellHit { Area::RowClues, 0, -1 }));
    if (grid.gridTop > 0)
        QCOMPARE(widget.cellAt(QPoint(right - 1, grid.gridTop - 1)),
                 (CellHit { Area::ColumnClues, -1, grid.columns - 1 }));
    for (const QPoint outside : { QPoint(right, grid.gridTop), QPoint(grid.gridLeft, bottom),
                                  QPoint(-1, grid.gridTop), QPoint(0, 0) }) {
        if (outside == QPoint(0, 0) && (grid.gridLeft == 0 || grid.gridTop == 0))
            continue; // no corner without both bands
        QCOMPARE(widget.cellAt(outside), CellHit());
    }
}

HEADLESS_TEST_MAIN(WidgetTest)
#include "WidgetTest.moc"
