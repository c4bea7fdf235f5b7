#pragma once

#include "PuzzleClues.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zd {

// The clues of a puzzle as the solver reads them: rows first (line r is row
// r), then columns (line rows + c is column c). A line whose clue list is the
// single number 0 has no blocks. Cells are indexed row-major.
class PuzzleLines
{
public:
    // Reads and checks the clues. Returns "" when they can be solved at
    // all, else why no grid can satisfy them ("row 3: clues need 12 cells,
    // the line has 10"); the lines are then unusable.
    std::string readFrom(const PuzzleClues &clues);

    int rows() const { return rowCount; }
    int columns() const { return columnCount; }
    int lineCount() const { return rowCount + columnCount; }
    int cellCount() const { return rowCount * columnCount; }
    bool isRow(int line) const { return line < rowCount; }
    int lineLength(int line) const { return isRow(line) ? columnCount : rowCount; }
    int clueCount(int line) const { return clueStart[line + 1] - clueStart[line]; }
    const int *clues(int line) const { return clueData.data() + clueStart[line]; }

    // Grid index of the cell at `position` along `line`.
    int cellAt(int line, int position) const
    {
        return isRow(line) ? line * columnCount + position
                           : position * columnCount + (line - rowCount);
    }
    int rowOf(int cell) const { return cell / columnCount; }
    int columnLineOf(int cell) const { return rowCount + cell % columnCount; }

private:
    std::string addLine(const char *kind, int index, int length, const std::vector<int> &numbers);

    int rowCount = 0;
    int columnCount = 0;
    std::vector<int> clueData;
    std::vector<int> clueStart { 0 };
};

} // namespace zd
