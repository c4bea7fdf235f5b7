#pragma once

#include "ColourPuzzle.h"

#include <QColor>

namespace zd {

// A puzzle of several colours as the grid painter (GridPainter.h) draws it: the clue
// numbers in their colours, and every cell decided to a colour filled with
// it. Points at what the caller holds; `cells` may be null or empty when
// nothing is decided yet.
struct ColourShown
{
    const ColourPuzzle *puzzle = nullptr;
    const ColourGrid *cells = nullptr;

    bool hasCells() const;
    // The colour index of clue k of a row or column; 0 for a clue the
    // colour clues do not have (the 0 of an empty line).
    int rowClueColour(int row, int k) const;
    int columnClueColour(int column, int k) const;
};

// A palette entry as a colour; black for an index outside the palette.
QColor paletteColour(const ColourPuzzle &puzzle, int colour);

// What a clue drawn in `ink` stands on so that it stays readable: white,
// or a dark grey for inks too light to read on white (yellow, white).
QColor clueBacking(const QColor &ink);

} // namespace zd
