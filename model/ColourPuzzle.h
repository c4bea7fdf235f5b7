#pragma once

#include "PuzzleClues.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zd {

// The vocabulary of puzzles with several colours. Colour 0 is the
// background; a clue is a length and a colour, and two neighbouring blocks
// of different colours need no background cell between them. A
// black-and-white puzzle is the case of one colour besides the background,
// which keeps its own types (PuzzleClues, CellGrid) and solver.

// At most this many colours, the background included: a cell's set of
// colours it may still take fits one 32-bit mask.
inline constexpr int maxColours = 32;
// Bit k set: the cell may still be colour k.
using ColourMask = uint32_t;

// One cell per entry, row-major: a colour index, or colourUnknown.
inline constexpr int colourUnknown = -1;
using ColourGrid = std::vector<int>;

struct PaletteColour
{
    std::string name; // as the file names it ("red", "a")
    char symbol = '#'; // the character that stands for it in pictures and reports
    uint32_t rgb = 0; // 0xRRGGBB
    bool operator==(const PaletteColour &) const = default;
};

struct ColourClue
{
    int length = 0;
    int colour = 1; // an index into the palette, never 0
    bool operator==(const ColourClue &) const = default;
};

// A line's clues, first block first; empty for a line of background only.
using ColourLineClues = std::vector<ColourClue>;

struct ColourPuzzle
{
    int rows = 0;
    int columns = 0;
    std::vector<PaletteColour> palette; // palette[0] is the background
    std::vector<ColourLineClues> rowClues;
    std::vector<ColourLineClues> columnClues;

    bool operator==(const ColourPuzzle &) const = default;

    // The palette's index of the colour with this symbol, or colourUnknown.
    int colourOfSymbol(char symbol) const;
    // True when no clue uses more than one colour: the black-and-white case.
    bool usesOneColour() const;
    // The clues as black and white (every colour filled); empty lines become {0}.
    PuzzleClues blackAndWhiteClues() const;
    // True when `grid` has the puzzle's size, every cell a colour of the
    // palette, and every row and column shows exactly its clues.
    bool isSolvedBy(const ColourGrid &grid) const;
    // The first problem that makes the clues impossible at a glance (a line
    // too short for its blocks, a clue colour outside the palette, unequal
    // totals of a colour in rows and columns); empty when there is none.
    std::string obviousProblem() const;
};

// The clues of one line of colour indices, `stride` apart.
ColourLineClues colourCluesOfLine(const int *cells, int length, int stride = 1);
// The puzzle a grid of colour indices draws, with the given palette.
ColourPuzzle colourPuzzleOfGrid(std::vector<PaletteColour> palette, int rows, int columns,
                                const ColourGrid &grid);
// The cells drawn row by row: the background as '.', a colour as its
// symbol, an undecided cell as '?'.
std::vector<std::string> pictureOfColourGrid(const ColourPuzzle &puzzle, const ColourGrid &grid);
// The reverse: '.' and the background's symbol are the background, other
// symbols their colour, anything else colourUnknown.
ColourGrid colourGridOfPicture(const ColourPuzzle &puzzle, const std::vector<std::string> &picture);

} // namespace zd
