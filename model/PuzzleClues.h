#pragma once

#include "CellState.h"

#include <string>
#include <vector>

class CMalovanaKrizovka;

namespace zd {

// The clues of one puzzle: the value every layer passes around. Readers parse
// a whole file into it (so that a malformed file never leaves a model
// half-loaded), the complete solver takes it, and the legacy model is filled
// from it.
struct PuzzleClues
{
    int rows = 0;
    int columns = 0;
    std::vector<std::vector<int>> rowClues; // rowClues[r]: clue numbers of row r, first block first
    std::vector<std::vector<int>> columnClues; // columnClues[c]: the same for column c

    // Sizes the model (discarding what it held) and appends every clue in file order.
    void applyTo(CMalovanaKrizovka &model) const;
    // Reads size and clues back from a model.
    static PuzzleClues fromModel(const CMalovanaKrizovka &model);
    // The clues of a picture given as rows of '#' (filled) and any other
    // character (empty); all rows must be equally long.
    static PuzzleClues fromPicture(const std::vector<std::string> &picture);
    // The clue list of one line drawn as '#' (filled) and other characters
    // (empty): its run lengths, or the single 0 when nothing is filled.
    static std::vector<int> cluesOfLine(const std::string &line);

    // True when `grid` has the puzzle's size, every cell decided, and every
    // row and column shows exactly its clues.
    bool isSolvedBy(const CellGrid &grid) const;
};

// A grid drawn as text, one string per row: '#' filled, '.' empty,
// '?' undecided. The form tests, reports and picture files use.
std::vector<std::string> pictureOfGrid(const CellGrid &grid, int columns);
// The reverse: '#' filled, '?' undecided, any other character empty.
CellGrid gridOfPicture(const std::vector<std::string> &picture);
// A drawn picture, rows x columns: '#' where `cells` is filled, '.' elsewhere
// (a drawing leaves its blank cells undecided, or `cells` may be short).
std::vector<std::string> pictureOfFilledCells(const CellGrid &cells, int rows, int columns);

} // namespace zd

// Largest row or column count and clue number the model's 16-bit fields hold.
inline constexpr int maxPuzzleCount = 32767;
inline constexpr int maxClueValue = 32767;
