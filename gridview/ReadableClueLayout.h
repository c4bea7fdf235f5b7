#pragma once

#include <QFont>
#include <QPoint>
#include <QString>

namespace zd {

class PuzzleView;

// The readable look of the clues. One font, small enough that the longest
// clue fits across a column with half a digit to spare and the text's height
// into a row with a pixel clear above and below; every clue has a slot of
// its own, separated from its neighbours by a gap, so that no two numbers
// touch. Row clues stand right-aligned in their slots left of the grid,
// column clues centred in their columns above it. When no such font of a
// legible size fits the cell, no clue is drawn and the clue bands take no
// room.
class ReadableClueLayout
{
public:
    // The smallest clue font drawn, in pixels.
    static constexpr int smallestFontPixels = 4;

    // The layout at `cellSize` for clues of at most `digits` digits.
    ReadableClueLayout(int cellSize, int digits);

    // The number of digits of the longest clue of the puzzle (at least 1).
    static int longestClueDigits(const PuzzleView &puzzle);
    // A clue as drawn: the plain number.
    static QString text(int value) { return QString::number(value); }

    bool drawsClues() const { return fontPixels > 0; }
    QFont font() const;
    int rowBandWidth(int mostRowClues) const;
    int columnBandHeight(int mostColumnClues) const;
    int textWidth(const QString &text) const;

    // Base-line points of clue `index` of a line with `count` clues, for a text
    // `width` pixels wide, with the grid's top left corner at `gridTopLeft`.
    QPoint rowClueBase(QPoint gridTopLeft, int row, int index, int count, int width) const;
    QPoint columnClueBase(QPoint gridTopLeft, int column, int index, int count, int width) const;

private:
    int cell = 0;
    int fontPixels = 0; // 0: no clue is drawn
    int ascent = 0;
    int descent = 0;
    int digitWidth = 0;
    int longestWidth = 0; // the longest clue's text
    int gap = 0;
};

} // namespace zd
