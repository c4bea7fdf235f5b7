#include "GridPainter.h"

#include "ColourPainting.h"
#include "PuzzleView.h"
#include "ReadableClueLayout.h"

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QLine>
#include <QPaintEngine>
#include <QPainter>
#include <QPointF>
#include <QStaticText>
#include <QString>
#include <QVector>
#include <algorithm>
#include <cmath>

namespace zd {

namespace {

// Marks are handed to the painter in batches of this many rectangles, so that
// a huge grid painted whole (into a PDF) does not build one huge list.
constexpr int markBatchSize = 4096;

// The longest clue text: a 16-bit clue has at most five digits and a sign.
constexpr int longestClueText = 6;

int floorDiv(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

// Indices i in [0, count) whose point origin + i * step may lie in [low, high].
// Errs one index to the low side, so that rounding never loses an item.
struct IndexRange
{
    int first = 0;
    int last = -1;
};

IndexRange indicesWithin(int origin, int step, int count, int low, int high)
{
    return { std::max(0, floorDiv(low - origin, step) - 1),
             std::min(count - 1, floorDiv(high - origin, step) + 1) };
}

// A painter that puts pixels straight onto an image or the screen: no scaling
// and whole-pixel offsets. Only there are the shortcuts below pixel-exact.
bool paintsWholePixels(const QPainter &painter)
{
    const QTransform transform = painter.deviceTransform();
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster
        && transform.type() <= QTransform::TxTranslate
        && transform.dx() == std::trunc(transform.dx())
        && transform.dy() == std::trunc(transform.dy());
}

// Base-line points of clue texts that can put ink into `area`: a text reaches at
// most its ascent above and its descent below the base line, and from its start
// at most the width of the longest text to the right; `pad` covers bearings.
QRect textBaseReach(const QPainter &painter, const QRect &area)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    const int pad = metrics.height() + 2;
    return QRect(QPoint(area.left() - longestClueText * metrics.maxWidth() - pad,
                        area.top() - metrics.descent() - pad),
                 QPoint(area.right() + pad, area.bottom() + metrics.ascent() + pad));
}

// Draws clue texts at their base-line points. Shaping a text costs far more
// than drawing it, and a grid repeats the same few numbers thousands of times,
// so on raster devices (screen, images) each distinct number is laid out once
// per paint and drawn from that layout, which puts the same glyphs at the same
// positions. Other devices (PDF) get plain texts.
class ClueTextDrawer
{
public:
    ClueTextDrawer(QPainter &target, int cell, const ColourShown &colourClues,
                   QString (*textOfClue)(int) = clueText)
        : painter(target)
        , cellSize(cell)
        , colours(colourClues)
        , textOf(textOfClue)
        , reuseLayouts(paintsWholePixels(target))
        , metrics(target.font(), target.device())
        , ascent(metrics.ascent())
    { }

    // Inks the texts drawn next; plain is the painter's own pen.
    void useInk(ClueInk next)
    {
        if (next == ink)
            return;
        if (ink == ClueInk::Plain)
            plainPen = painter.pen();
        ink = next;
        painter.setPen(next == ClueInk::Plain ? plainPen : QPen(clueInkColour(next)));
    }
    ~ClueTextDrawer() { useInk(ClueInk::Plain); }
    ClueTextDrawer(const ClueTextDrawer &) = delete;
    ClueTextDrawer &operator=(const ClueTextDrawer &) = delete;

    // A clue of colour `colour` (0: the plain ink) of a colour puzzle is
    // drawn in its colour, on a backing that keeps it readable; a line's
    // play ink goes first.
    void draw(int x, int y, int value, int colour)
    {
        if (colour <= 0 || colours.puzzle == nullptr || ink != ClueInk::Plain) {
            draw(x, y, value);
            return;
        }
        const QColor colourInk = paletteColour(*colours.puzzle, colour);
        const QColor backing = clueBacking(colourInk);
        if (backing != QColor(Qt::white))
            painter.fillRect(backingBox(x, y, textOf(value)), backing);
        const QPen pen = painter.pen();
        painter.setPen(colourInk);
        draw(x, y, value);
        painter.setPen(pen);
    }

    // Behind the digits only (not a leading space), at most four fifths of
    // a cell high and wide, so that the backings of neighbouring clues stay
    // apart on every device, whatever its font metrics.
    QRectF backingBox(int x, int y, const QString &text) const
    {
        const QString digits = text.trimmed();
        const qreal left = x + metrics.horizontalAdvance(text.left(text.indexOf(digits)));
        const qreal most = 0.8 * cellSize;
        const qreal height = std::min(ascent + metrics.descent(), most);
        return { left, y - std::min(ascent, most),
                 std::min(metrics.horizontalAdvance(digits), most), height };
    }

    void draw(int x, int y, int value)
    {
        if (!reuseLayouts) {
            painter.drawText(QPointF(x, y), textOf(value));
            return;
        }
        auto layout = layouts.find(value);
        if (layout == layouts.end()) {
            QStaticText text(textOf(value));
            text.setTextFormat(Qt::PlainText);
            layout = layouts.insert(value, text);
        }
        // A static text is placed by its top left corner, one ascent above the base line.
        painter.drawStaticText(QPointF(x, y - ascent), *layout);
    }

private:
    QPainter &painter;
    const int cellSize;
    const ColourShown &colours;
    QString (*const textOf)(int);
    const bool reuseLayouts;
    const QFontMetricsF metrics;
    const qreal ascent;
    QHash<int, QStaticText> layouts;
    ClueInk ink = ClueInk::Plain;
    QPen plainPen;
};

void paintRowClues(ClueTextDrawer &drawer, const PuzzleView &puzzle, const GridGeometry &grid,
                   const QRect &reach, const ClueInks &inks, const ColourShown &colours)
{
    const int s = grid.cellSize;
    // Row r's base line is the row's bottom edge: gridTop + (r + 1) * s.
    const IndexRange rows
        = indicesWithin(grid.gridTop + s, s, grid.rows, reach.top(), reach.bottom());
    for (int r = rows.first; r <= rows.last; ++r) {
        const int n = puzzle.rowClueCount(r);
        const int y = grid.gridTop + (r + 1) * s;
        drawer.useInk(inks.row(r));
        for (int i = 0; i < n; ++i) {
            const int x = grid.gridLeft - 2 * s * (n - i);
            if (reach.contains(x, y))
                drawer.draw(x, y, puzzle.rowClue(r, i), colours.rowClueColour(r, i));
        }
    }
}

void paintColumnClues(ClueTextDrawer &drawer, const PuzzleView &puzzle, const GridGeometry &grid,
                      const QRect &reach, const ClueInks &inks, const ColourShown &colours)
{
    const int s = grid.cellSize;
    // Column j's texts start a quarter cell left of its left edge.
    const IndexRange columns
        = indicesWithin(grid.gridLeft - s / 4, s, grid.columns, reach.left(), reach.right());
    for (int j = columns.first; j <= columns.last; ++j) {
        const int n = puzzle.columnClueCount(j);
        const int x = grid.gridLeft + j * s - s / 4;
        drawer.useInk(inks.column(j));
        for (int i = 0; i < n; ++i) {
            const int y = grid.gridTop - 2 * s * (n - 1 - i) - s / 2;
            if (reach.contains(x, y))
                drawer.draw(x, y, puzzle.columnClue(j, i), colours.columnClueColour(j, i));
        }
    }
}

void paintClues(QPainter &painter, const PuzzleView &puzzle, const GridGeometry &grid,
                GridStyle style, const QRect &area, const ClueInks &inks,
                const ColourShown &colours)
{
    painter.setFont(clueFont(grid.cellSize, style));
    const QRect reach = textBaseReach(painter, area);
    ClueTextDrawer drawer(painter, grid.cellSize, colours);
    paintRowClues(drawer, puzzle, grid, reach, inks, colours);
    paintColumnClues(drawer, puzzle, grid, reach, inks, colours);
}

void paintReadableClues(QPainter &painter, const PuzzleView &puzzle, const GridGeometry &grid,
                        const QRect &area, const ClueInks &inks, const ColourShown &colours)
{
    const ReadableClueLayout layout(grid.cellSize, ReadableClueLayout::longestClueDigits(puzzle));
    if (!layout.drawsClues())
        return;
    painter.setFont(layout.font());
    const QRect reach = textBaseReach(painter, area);
    ClueTextDrawer drawer(painter, grid.cellSize, colours, ReadableClueLayout::text);
    const QPoint corner(grid.gridLeft, grid.gridTop);
    const auto draw = [&](QPoint base, int value, int colour) {
        if (reach.contains(base))
            drawer.draw(base.x(), base.y(), value, colour);
    };
    for (int r = 0; r < grid.rows; ++r) {
        const int n = puzzle.rowClueCount(r);
        drawer.useInk(inks.row(r));
        for (int i = 0; i < n; ++i) {
            const int value = puzzle.rowClue(r, i);
            const int width = layout.textWidth(ReadableClueLayout::text(value));
            draw(layout.rowClueBase(corner, r, i, n, width), value, colours.rowClueColour(r, i));
        }
    }
    for (int j = 0; j < grid.columns; ++j) {
        const int n = puzzle.columnClueCount(j);
        drawer.useInk(inks.column(j));
        for (int i = 0; i < n; ++i) {
            const int value = puzzle.columnClue(j, i);
            const int width = layout.textWidth(ReadableClueLayout::text(value));
            draw(layout.columnClueBase(corner, j, i, n, width), value,
                 colours.columnClueColour(j, i));
        }
    }
}

// Lines are one pixel wide; the margin keeps wider pens of other callers whole.
int lineMargin(const QPainter &painter)
{
    return painter.pen().width() + 2;
}

void paintGridLines(QPainter &painter, const GridGeometry &grid, const QRect &area)
{
    const int s = grid.cellSize;
    const int margin = lineMargin(painter);
    const int right = grid.gridLeft + grid.columns * s;
    const int bottom = grid.gridTop + grid.rows * s;
    const IndexRange rows = indicesWithin(grid.gridTop, s, grid.rows + 1, area.top() - margin,
                                          area.bottom() + margin);
    const IndexRange columns = indicesWithin(grid.gridLeft, s, grid.columns + 1,
                                             area.left() - margin, area.right() + margin);
    QVector<QLine> lines;
    lines.reserve(std::max(0, rows.last - rows.first + 1)
                  + std::max(0, columns.last - columns.first + 1));
    for (int r = rows.first; r <= rows.last; ++r)
        lines.append(QLine(grid.gridLeft, grid.gridTop + r * s, right, grid.gridTop + r * s));
    for (int j = columns.first; j <= columns.last; ++j)
        lines.append(QLine(grid.gridLeft + j * s, grid.gridTop, grid.gridLeft + j * s, bottom));
    if (!lines.isEmpty())
        painter.drawLines(lines);
}

// Small cells have no grid lines: the outline shows where the grid ends.
void paintOutline(QPainter &painter, const GridGeometry &grid)
{
    if (grid.rows <= 0 || grid.columns <= 0)
        return;
    const int right = grid.gridLeft + grid.columns * grid.cellSize;
    const int bottom = grid.gridTop + grid.rows * grid.cellSize;
    const QVector<QLine> outline { QLine(grid.gridLeft, grid.gridTop, right, grid.gridTop),
                                   QLine(grid.gridLeft, bottom, right, bottom),
                                   QLine(grid.gridLeft, grid.gridTop, grid.gridLeft, bottom),
                                   QLine(right, grid.gridTop, right, bottom) };
    painter.drawLines(outline);
}

// Where a cell's mark lies within the cell.
struct MarkShape
{
    int inset = 0; // a filled square keeps this far from every side of its cell
    int dashLeft = 0; // an empty cell's dash starts this far right of the cell's left edge
    int dashWidth = 0;
};

MarkShape markShape(int s, GridStyle style)
{
    if (style == GridStyle::Viewer)
        return { 2, 2, s - 4 };
    const int quarter = static_cast<int>(s * 0.25);
    // Small cells have no lines to keep clear of: full squares.
    return { drawsClueNumbers(s) ? 2 : 0, quarter, 2 * quarter };
}

// A mark is its rectangle filled with the black brush and outlined with the
// pen. With a plain one-pixel black pen the outline runs along the rectangle's
// last column and row, so the mark is exactly the filled rectangle one pixel
// wider and higher: filling that alone halves the work.
bool marksAreSolidRects(const QPainter &painter)
{
    const QPen &pen = painter.pen();
    return paintsWholePixels(painter) && !painter.testRenderHint(QPainter::Antialiasing)
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver
        && painter.opacity() == 1.0 && pen.style() == Qt::SolidLine
        && pen.brush().style() == Qt::SolidPattern && pen.color() == QColor(Qt::black)
        && (pen.widthF() == 0.0 || pen.widthF() == 1.0);
}

class MarkBatch
{
public:
    explicit MarkBatch(QPainter &target)
        : painter(target)
        , solidRects(marksAreSolidRects(target))
    {
        marks.reserve(markBatchSize);
    }
    ~MarkBatch() { flush(); }
    MarkBatch(const MarkBatch &) = delete;
    MarkBatch &operator=(const MarkBatch &) = delete;

    void add(const QRect &mark)
    {
        marks.append(mark);
        if (marks.size() == markBatchSize)
            flush();
    }

private:
    void flush()
    {
        if (marks.isEmpty())
            return;
        const bool fillOnly = solidRects
            && std::all_of(marks.begin(), marks.end(),
                           [](const QRect &r) { return r.width() >= 0 && r.height() >= 0; });
        if (fillOnly) {
            for (QRect &mark : marks)
                mark.adjust(0, 0, 1, 1);
            const QPen pen = painter.pen();
            painter.setPen(Qt::NoPen);
            painter.drawRects(marks);
            painter.setPen(pen);
        } else {
            painter.drawRects(marks);
        }
        marks.clear();
    }

    QPainter &painter;
    const bool solidRects;
    QVector<QRect> marks;
};

void paintCells(QPainter &painter, const PuzzleView &puzzle, const GridGeometry &grid,
                GridStyle style, const QRect &area)
{
    QBrush brush(Qt::SolidPattern);
    brush.setColor(QColor(Qt::black));
    painter.setBrush(brush);
    const int s = grid.cellSize;
    const int margin = lineMargin(painter);
    const MarkShape shape = markShape(s, style);
    const IndexRange rows
        = indicesWithin(grid.gridTop, s, grid.rows, area.top() - margin, area.bottom() + margin);
    const IndexRange columns = indicesWithin(grid.gridLeft, s, grid.columns, area.left() - margin,
                                             area.right() + margin);
    MarkBatch marks(painter);
    for (int r = rows.first; r <= rows.last; ++r) {
        const int top = grid.gridTop + r * s;
        for (int j = columns.first; j <= columns.last; ++j) {
            const int left = grid.gridLeft + j * s;
            const CellState state = puzzle.cell(r, j);
            if (state == CellFilled)
                marks.add(QRect(left + shape.inset, top + shape.inset, s - 2 * shape.inset,
                                s - 2 * shape.inset));
            else if (state == CellEmpty && s > 4)
                marks.add(QRect(left + shape.dashLeft, top + s / 2, shape.dashWidth, 0));
        }
    }
}

// A colour puzzle's decided cells: each colour fills its cell inside the grid
// lines (the whole cell where there are none), the background gets the dash.
void paintColourCells(QPainter &painter, const GridGeometry &grid, GridStyle style,
                      const ColourShown &colours, const QRect &area)
{
    const int s = grid.cellSize;
    const int margin = lineMargin(painter);
    const MarkShape shape = markShape(s, style);
    const int inset = drawsClueNumbers(s) ? 1 : 0;
    const IndexRange rows
        = indicesWithin(grid.gridTop, s, grid.rows, area.top() - margin, area.bottom() + margin);
    const IndexRange columns = indicesWithin(grid.gridLeft, s, grid.columns, area.left() - margin,
                                             area.right() + margin);
    const ColourGrid &cells = *colours.cells;
    for (int r = rows.first; r <= rows.last; ++r) {
        const int top = grid.gridTop + r * s;
        for (int j = columns.first; j <= columns.last; ++j) {
            const int left = grid.gridLeft + j * s;
            const int colour = cells[size_t(r) * size_t(grid.columns) + size_t(j)];
            if (colour > 0)
                painter.fillRect(left + inset, top + inset, s - inset, s - inset,
                                 paletteColour(*colours.puzzle, colour));
            else if (colour == 0 && s > 4)
                painter.drawLine(left + shape.dashLeft, top + s / 2,
                                 left + shape.dashLeft + shape.dashWidth, top + s / 2);
        }
    }
}

} // namespace

QRect wholeDeviceArea()
{
    constexpr int far = 1 << 29;
    return QRect(QPoint(-far, -far), QPoint(far, far));
}

QFont clueFont(int cellSize, GridStyle style)
{
    if (style == GridStyle::Viewer)
        return QFont(QStringLiteral("Courier New"), cellSize / 2);
    QFont font(QStringLiteral("Courier New"), cellSize - 4);
    font.setPixelSize(cellSize - 4);
    return font;
}

QString clueText(int value)
{
    QString text = QString::number(value);
    if (text.size() < 2)
        text.prepend(QLatin1Char(' '));
    return text;
}

QColor clueInkColour(ClueInk ink)
{
    switch (ink) {
    case ClueInk::Done:
        return { 170, 170, 170 };
    case ClueInk::Broken:
        return { 210, 0, 0 };
    case ClueInk::Plain:
        break;
    }
    return Qt::black;
}

void paintGrid(QPainter &painter, const PuzzleView &puzzle, const GridGeometry &geometry,
               GridStyle style, const QRect &area, const ClueInks &inks, const ColourShown &colours)
{
    if (drawsClueNumbers(geometry.cellSize)) {
        if (geometry.readableClues)
            paintReadableClues(painter, puzzle, geometry, area, inks, colours);
        else
            paintClues(painter, puzzle, geometry, style, area, inks, colours);
        paintGridLines(painter, geometry, area);
    } else {
        paintOutline(painter, geometry);
    }
    if (colours.hasCells() && colours.puzzle->rows == geometry.rows
        && colours.puzzle->columns == geometry.columns)
        paintColourCells(painter, geometry, style, colours, area);
    else
        paintCells(painter, puzzle, geometry, style, area);
}

QColor markTint()
{
    // Translucent, so a filled square stays darker than an empty cell.
    return { 255, 120, 0, 130 };
}

QColor highlightTint()
{
    return { 60, 140, 255, 70 };
}

void paintHighlightedLine(QPainter &painter, const GridGeometry &geometry, bool isRow, int index)
{
    const int s = geometry.cellSize;
    if (isRow && index >= 0 && index < geometry.rows)
        painter.fillRect(0, geometry.gridTop + index * s, geometry.gridLeft + geometry.columns * s,
                         s, highlightTint());
    else if (!isRow && index >= 0 && index < geometry.columns)
        painter.fillRect(geometry.gridLeft + index * s, 0, s, geometry.gridTop + geometry.rows * s,
                         highlightTint());
}

void paintMarkedCells(QPainter &painter, const GridGeometry &geometry,
                      const std::vector<bool> &marked, const QRect &area, const QColor &tint)
{
    const int s = geometry.cellSize;
    if (marked.size()
        != static_cast<size_t>(std::max(0, geometry.rows)) * std::max(0, geometry.columns))
        return;
    const IndexRange rows
        = indicesWithin(geometry.gridTop, s, geometry.rows, area.top() - s, area.bottom() + s);
    const IndexRange columns
        = indicesWithin(geometry.gridLeft, s, geometry.columns, area.left() - s, area.right() + s);
    // Inset by the grid line so the lines stay black.
    const int inset = s > 2 ? 1 : 0;
    for (int r = rows.first; r <= rows.last; ++r)
        for (int j = columns.first; j <= columns.last; ++j)
            if (marked[static_cast<size_t>(r) * geometry.columns + j])
                painter.fillRect(geometry.gridLeft + j * s + inset,
                                 geometry.gridTop + r * s + inset, s - inset, s - inset, tint);
}

void paintGrid(QPainter &painter, const CMalovanaKrizovka &puzzle, const GridGeometry &geometry,
               GridStyle style, const QRect &area)
{
    paintGrid(painter, ModelPuzzleView(puzzle), geometry, style, area);
}

} // namespace zd
