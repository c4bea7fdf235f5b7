// A puzzle of several colours as drawn for the screen, print and export:
// every decided cell in its colour, background cells with the dash, each
// clue number in its clue's colour, on a dark backing where the colour is
// too light to read on white (and only there).

#include "HeadlessRun.h"
#include "PuzzleDrawing.h"
#include "RecordingPaintDevice.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

using namespace zd;

namespace {

const std::vector<PaletteColour> palette { { "white", '.', 0xFFFFFF },
                                           { "red", 'r', 0xD62728 },
                                           { "yellow", 'y', 0xFFEE00 } };

// Row 3 is empty: its clue is a plain 0.
const std::vector<std::string> picture { "rry.", "ryy.", "yyrr", "....", "r.yy" };

PuzzleDrawing colourDrawing(bool readable)
{
    ColourPuzzle shape;
    shape.palette = palette;
    shape.rows = int(picture.size());
    shape.columns = int(picture.front().size());
    PuzzleDrawing drawing;
    drawing.colourCells = colourGridOfPicture(shape, picture);
    drawing.colour = colourPuzzleOfGrid(palette, shape.rows, shape.columns, drawing.colourCells);
    drawing.clues = drawing.colour->blackAndWhiteClues();
    drawing.cells.assign(drawing.colourCells.size(), CellUnknown);
    drawing.readableClues = readable;
    return drawing;
}

int cluesOfColour(const ColourPuzzle &puzzle, int colour)
{
    int count = 0;
    for (const auto *lines : { &puzzle.rowClues, &puzzle.columnClues })
        for (const ColourLineClues &line : *lines)
            count += int(std::count_if(line.begin(), line.end(), [colour](const ColourClue &c) {
                return c.colour == colour;
            }));
    return count;
}

bool hasPixelOf(const QImage &image, const QRect &box, const QColor &colour)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.valid(x, y) && image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class ColourDrawingTest : public QObject
{
    Q_OBJECT

private slots:
    void cellsAndCluesTakeTheirColours_data();
    void cellsAndCluesTakeTheirColours();
};

void ColourDrawingTest::cellsAndCluesTakeTheirColours_data()
{
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("cellSize");
    for (int s : { 4, 12, 24 }) {
        QTest::addRow("two cells per clue, cell %d", s) << false << s;
        QTest::addRow("readable clues, cell %d", s) << true << s;
    }
}

void ColourDrawingTest::cellsAndCluesTakeTheirColours()
{
    QFETCH(bool, readable);
    QFETCH(int, cellSize);
    const PuzzleDrawing drawing = colourDrawing(readable);
    const GridGeometry grid = drawing.geometryAt(cellSize);
    QImage image(drawing.sizeAt(cellSize), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawing.paintAt(painter, cellSize);
    }
    for (int r = 0; r < grid.rows; ++r)
        for (int j = 0; j < grid.columns; ++j) {
            const int colour = drawing.colourCells[size_t(r * grid.columns + j)];
            // A quarter down the cell: clear of the background's dash.
            const QPoint inside(grid.gridLeft + j * cellSize + cellSize / 2,
                                grid.gridTop + r * cellSize + cellSize / 4);
            QCOMPARE(image.pixelColor(inside),
                     colour > 0 ? QColor::fromRgb(palette[colour].rgb) : QColor(Qt::white));
        }

    RecordingPaintDevice device(image.size());
    {
        QPainter painter(&device);
        drawing.paintAt(painter, cellSize);
    }
    if (!drawsClueNumbers(cellSize)) {
        QVERIFY(device.recording.texts.empty());
        return;
    }
    int reds = 0;
    int yellows = 0;
    int plain = 0;
    for (const RecordedText &text : device.recording.texts) {
        const QFontMetricsF metrics(text.font);
        const QRect box = QRectF(text.baseLine.x(), text.baseLine.y() - metrics.ascent(),
                                 metrics.horizontalAdvance(text.text), metrics.ascent())
                              .toRect();
        const bool backed = hasPixelOf(image, box, QColor(60, 60, 60));
        if (text.colour == QColor::fromRgb(palette[1].rgb)) {
            ++reds;
            QVERIFY2(!backed, qPrintable(text.text));
        } else if (text.colour == QColor::fromRgb(palette[2].rgb)) {
            ++yellows;
            QVERIFY2(backed, qPrintable(text.text));
        } else {
            QCOMPARE(text.colour, QColor(Qt::black));
            QCOMPARE(text.text.trimmed(), QStringLiteral("0"));
            ++plain;
        }
    }
    QCOMPARE(reds, cluesOfColour(*drawing.colour, 1));
    QCOMPARE(yellows, cluesOfColour(*drawing.colour, 2));
    QCOMPARE(plain, 1); // row 3
}

HEADLESS_TEST_MAIN(ColourDrawingTest)
#include "ColourDrawingTest.moc"
