// The readable look of the clues: on a puzzle with three-digit clues, every
// clue is drawn, inside its own row or column band, and no two texts touch.

#include "GridPainter.h"
#include "HeadlessRun.h"
#include "PuzzleFolder.h"
#include "RandomPicture.h"
#include "RecordingPaintDevice.h"
#include "zdWidget.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

using namespace zd;

namespace {

// 24 rows x 112 columns, random, with a 104 in row 0 and lines of many
// short clues elsewhere.
std::vector<std::string> threeDigitPicture()
{
    std::mt19937 random(12);
    std::vector<std::string> picture = randomPicture(24, 112, 0.5, random);
    picture[0] = std::string(104, '#') + ".#.#.#..";
    return picture;
}

struct PlacedText
{
    QRectF box;
    int band; // row or column
};

} // namespace

class ReadableCluesTest : public QObject
{
    Q_OBJECT

private slots:
    void cluesStayInTheirBandsAndNeverTouch_data();
    void cluesStayInTheirBandsAndNeverTouch();
};

void ReadableCluesTest::cluesStayInTheirBandsAndNeverTouch_data()
{
    QTest::addColumn<int>("cellSize");
    for (int s : { 8, 11, 16, 24, 40, 64 })
        QTest::addRow("cell %d", s) << s;
}

void ReadableCluesTest::cluesStayInTheirBandsAndNeverTouch()
{
    QFETCH(int, cellSize);
    PuzzleFolder folder;
    const PuzzleClues clues = PuzzleClues::fromPicture(threeDigitPicture());
    zdWidget view;
    view.load(folder.write(QStringLiteral("three digits.zd"), clues).constData());
    view.setReadableClues(true);
    view.setCellSize(cellSize);
    const GridGeometry grid = view.geometryAt(cellSize);
    QCOMPARE(view.size(), view.sizeAt(cellSize));

    RecordingPaintDevice device(view.size());
    {
        QPainter painter(&device);
        view.paintPuzzle(&painter);
    }
    size_t clueCount = 0;
    for (const auto &line : clues.rowClues)
        clueCount += line.size();
    for (const auto &line : clues.columnClues)
        clueCount += line.size();
    const bool drawn = !device.recording.texts.empty();
    // A cell too small for a legible three-digit clue shows none, and then
    // the bands take no room (the caption's strip stays).
    QVERIFY(drawn || cellSize < 16);
    if (!drawn) {
        QCOMPARE(QPoint(grid.gridLeft, grid.gridTop), QPoint(0, 28));
        return;
    }
    QCOMPARE(device.recording.texts.size(), clueCount);

    std::vector<PlacedText> inRows;
    std::vector<PlacedText> inColumns;
    for (const RecordedText &text : device.recording.texts) {
        const QFontMetricsF metrics(text.font, &device);
        const QRectF box(text.baseLine.x(), text.baseLine.y() - metrics.ascent(),
                         metrics.horizontalAdvance(text.text),
                         metrics.ascent() + metrics.descent());
        QVERIFY2(box.left() >= 0 && box.top() >= 0, qPrintable(text.text));
        if (box.bottom() > grid.gridTop) {
            // A row clue: left of the grid, strictly inside one row.
            const int row = int(box.top() - grid.gridTop) / cellSize;
            QVERIFY(box.right() < grid.gridLeft);
            QVERIFY(box.top() > grid.gridTop + row * cellSize);
            QVERIFY2(box.bottom() < grid.gridTop + (row + 1) * cellSize, qPrintable(text.text));
            inRows.push_back({ box, row });
        } else {
            const int column = int(box.left() - grid.gridLeft) / cellSize;
            QVERIFY(box.left() > grid.gridLeft + column * cellSize);
            QVERIFY(box.right() < grid.gridLeft + (column + 1) * cellSize);
            inColumns.push_back({ box, column });
        }
    }
    // Texts of different bands are apart by the bands; within a band,
    // neighbours keep a gap.
    const auto byBandThen = [](auto position) {
        return [position](const PlacedText &a, const PlacedText &b) {
            return a.band != b.band ? a.band < b.band : position(a.box) < position(b.box);
        };
    };
    std::sort(inRows.begin(), inRows.end(), byBandThen([](const QRectF &r) { return r.left(); }));
    std::sort(inColumns.begin(), inColumns.end(),
              byBandThen([](const QRectF &r) { return r.top(); }));
    for (size_t i = 1; i < inRows.size(); ++i)
        if (inRows[i].band == inRows[i - 1].band)
            QVERIFY(inRows[i - 1].box.right() < inRows[i].box.left());
    for (size_t i = 1; i < inColumns.size(); ++i)
        if (inColumns[i].band == inColumns[i - 1].band)
            QVERIFY(inColumns[i - 1].box.bottom() < inColumns[i].box.top());
}

HEADLESS_TEST_MAIN(ReadableCluesTest)
#include "ReadableCluesTest.moc"
