#pragma once

#include <cstdint>
#include <vector>

// The three states of a grid cell. The values matter: completion is judged by
// the sum of all cell states (every filled cell counts 2, every empty one 1).
enum CellState : int32_t { CellUnknown = 0, CellEmpty = 1, CellFilled = 2 };

// One number of a row's or column's clue list, with the line solver's
// bookkeeping for that block.
struct Clue
{
    int16_t length = 0; // the clue number: the block's length in cells
    int16_t position = 0; // start of the block in the placement being examined
    int16_t earliestStart = 0; // lowest start the block can still take
    int16_t latestStart = 0; // highest start the block can still take
    int16_t firstMatchStart = 0; // start in the first agreeing placement of the last sweep
};

using ClueList = std::vector<Clue>;

class CMalovanaKrizovka;

// Progress report from solve: model, row value, column value, caller's value.
using ProgressCallback = void (*)(CMalovanaKrizovka *model, int row, int column, int userValue);

// CMalovanaKrizovka ("little crossword"): one nonogram, its clues, its answer
// grid and the line-by-line solver that fills the grid.
class CMalovanaKrizovka
{
public:
    CMalovanaKrizovka() = default;
    virtual ~CMalovanaKrizovka();

    // Discards all clues and gives the grid rows x columns unknown cells.
    void setSize(int16_t rows, int16_t columns);
    void addRowClue(int16_t row, int16_t value);
    void addColumnClue(int16_t column, int16_t value);

    int16_t rowCount() const { return rows; }
    int16_t columnCount() const { return columns; }
    int16_t rowClueCount(int16_t row) const;
    int16_t columnClueCount(int16_t column) const;
    int16_t rowClue(int16_t row, int16_t k) const;
    int16_t columnClue(int16_t column, int16_t k) const;
    int32_t cell(int16_t row, int16_t column) const { return grid[cellIndex(row, column)]; }
    int32_t stepCount() const { return stepCounter; }
    int32_t passCount() const { return passCounter; }
    uint8_t isFastMode() const { return fastMode; }

    // Packs the blocks of one line of `length` cells to the left (earliestStart)
    // and to the right (latestStart); position starts at earliestStart.
    static void computeBlockRanges(ClueList &list, int16_t length);
    void computeAllBlockRanges();

    // Fills the grid from the clues: 0 solved, 1 rejected, 2 stuck.
    int solve(ProgressCallback callback, int userValue);

protected:
    int cellIndex(int row, int column) const { return row * columns + column; }

    int16_t rows = 0;
    int16_t columns = 0;
    // Grid sums at completion. Kept 64 bits wide so that the verdict stays
    // exact for every size the model can hold.
    int64_t rowTarget = 0;
    int64_t columnTarget = 0;
    int32_t stepCounter = 0;
    int32_t passCounter = 0;
    std::vector<ClueList> rowClueLists;
    std::vector<ClueList> columnClueLists;
    uint8_t resumeFromBlock = 0;
    uint8_t justMatched = 0;
    uint8_t fastMode = 1;
    // Row-major: the cell of row r and column c is grid[r * columns + c].
    std::vector<int32_t> grid;
};
