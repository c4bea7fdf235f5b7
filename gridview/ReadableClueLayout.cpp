#include "ReadableClueLayout.h"

#include "PuzzleView.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace zd {

namespace {

QFont fontOfPixels(int pixels)
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(pixels);
    return font;
}

int digitsOf(int value)
{
    return static_cast<int>(QString::number(value).size());
}

} // namespace

ReadableClueLayout::ReadableClueLayout(int cellSize, int digits)
    : cell(cellSize)
{
    // Widths and heights are rounded up, so that a text never reaches further
    // than the layout allows for it on any device. The font's measures grow
    // in proportion to its size: the search starts just above the estimate
    // that a large reference size gives.
    if (cellSize - 4 < smallestFontPixels)
        return;
    constexpr int reference = 100;
    const QFontMetricsF large(fontOfPixels(reference));
    const double widthLimit = (cellSize - 2)
        / ((std::max(digits, 1) + 0.5) * large.horizontalAdvance(QLatin1Char('0')));
    const double heightLimit = (cellSize - 2) / (large.ascent() + large.descent());
    const int estimate = static_cast<int>(reference * std::min(widthLimit, heightLimit)) + 2;
    for (int pixels = std::min(cellSize - 4, estimate); pixels >= smallestFontPixels; --pixels) {
        const QFontMetricsF metrics(fontOfPixels(pixels));
        const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(QLatin1Char('0'))));
        const int up = static_cast<int>(std::ceil(metrics.ascent()));
        const int down = static_cast<int>(std::ceil(metrics.descent()));
        // Neighbouring columns' numbers keep half a digit apart, so that
        // "26" and "29" over two columns never read as "2629".
        if (digits * width + std::max(2, width / 2) <= cellSize && up + down + 2 <= cellSize) {
            fontPixels = pixels;
            ascent = up;
            descent = down;
            digitWidth = width;
            longestWidth = digits * width;
            gap = std::max(2, width);
            return;
        }
    }
}

int ReadableClueLayout::longestClueDigits(const PuzzleView &puzzle)
{
    int digits = 1;
    for (int r = 0; r < puzzle.rows(); ++r)
        for (int i = 0; i < puzzle.rowClueCount(r); ++i)
            digits = std::max(digits, digitsOf(puzzle.rowClue(r, i)));
    for (int j = 0; j < puzzle.columns(); ++j)
        for (int i = 0; i < puzzle.columnClueCount(j); ++i)
            digits = std::max(digits, digitsOf(puzzle.columnClue(j, i)));
    return digits;
}

QFont ReadableClueLayout::font() const
{
    return fontOfPixels(std::max(fontPixels, 1));
}

int ReadableClueLayout::textWidth(const QString &text) const
{
    return static_cast<int>(text.size()) * digitWidth;
}

// Slots are as wide as the digits of the longest clue plus a gap; the band
// keeps one more gap clear at its outer edge.
int ReadableClueLayout::rowBandWidth(int mostRowClues) const
{
    if (!drawsClues() || mostRowClues == 0)
        return 0;
    return mostRowClues * (longestWidth + gap) + gap;
}

int ReadableClueLayout::columnBandHeight(int mostColumnClues) const
{
    if (!drawsClues() || mostColumnClues == 0)
        return 0;
    return mostColumnClues * (ascent + descent + gap) + gap;
}

QPoint ReadableClueLayout::rowClueBase(QPoint gridTopLeft, int row, int index, int count,
                                       int width) const
{
    const int right = gridTopLeft.x() - gap - (count - 1 - index) * (longestWidth + gap);
    const int top = gridTopLeft.y() + row * cell + (cell - ascent - descent) / 2;
    return { right - width, top + ascent };
}

QPoint ReadableClueLayout::columnClueBase(QPoint gridTopLeft, int column, int index, int count,
                                          int width) const
{
    const int bottom = gridTopLeft.y() - gap - (count - 1 - index) * (ascent + descent + gap);
    return { gridTopLeft.x() + column * cell + (cell - width) / 2, bottom - descent };
}

} // namespace zd
