#pragma once

#include "CellState.h"
#include "LineWork.h"

#include <cstdint>
#include <span>
#include <vector>

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

    // Fills the grid from the clues and returns 0 when it is solved (every
    // cell decided, every line showing its clues), 1 when the clues are
    // rejected (see checkClueSums; nothing else changes) and 2 when line
    // logic gets stuck. Writes one line per pass on standard output: "1" for
    // a quick pass, "0" for an exhaustive one. A non-null callback hears
    // (r + 1, -1) after row r, (-2, -2) after every row sweep, (-1, c + 1)
    // after column c and (-1, -1) after a pass that solved every line.
    int solve(ProgressCallback callback, int userValue);

    // Sets both targets and returns 0 when the clues pass validation (equal
    // row and column totals, a non-empty grid, at least one clue on every
    // line), else 1.
    int checkClueSums();
    // Sum of all cell states; equals the targets when every cell is decided.
    int64_t gridSum() const;
    // True when every cell is decided and every line shows its clues.
    bool isSolved() const;

    // One line solve with the method fastMode selects; adds to *steps and
    // returns 1 when the line reports a change.
    uint8_t solveRow(int16_t row, int32_t *steps);
    uint8_t solveColumn(int16_t column, int32_t *steps);
    // Places every block after block k at its lowest start behind its predecessor.
    static void pushFollowingBlocks(ClueList &list, int16_t k);

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

private:
    // The tests set cells and the method flag of a model through this.
    friend struct LineSolverTestAccess;

    // One line of the grid: its first cell and the distance between cells.
    struct GridLine
    {
        int32_t *first;
        std::ptrdiff_t stride;
        int32_t length;
    };

    bool runPass(ProgressCallback callback, int userValue);
    uint8_t solveLine(ClueList &clues, GridLine line, int32_t *steps);
    uint8_t overlapLine(ClueList &clues, std::span<int32_t> line);
    bool placementFits(const ClueList &clues, std::span<const int32_t> line);
    uint8_t enumeratePlacements(ClueList &clues, std::span<int32_t> line, int32_t beforeSum,
                                int32_t *steps, bool &writeIntersection);
    uint8_t nextPlacement(std::span<BlockState> blocks, std::span<const int32_t> intersection,
                          std::span<const int32_t> line);
    bool coverFilledRuns(std::span<BlockState> blocks, std::span<const int32_t> intersection,
                         std::span<const int32_t> line);
    bool clearBlockConflicts(std::span<BlockState> blocks, std::span<const int32_t> intersection,
                             std::span<const int32_t> line);
    // Moves the placement on by one (odometer order); returns the block that
    // moved, or -1 when no placement is left.
    int32_t advanceFrom(int32_t k, std::span<BlockState> blocks,
                        std::span<const int32_t> intersection, std::span<const int32_t> line);
    void jumpOverSettledCells(int32_t k, std::span<BlockState> blocks,
                              std::span<const int32_t> intersection, std::span<const int32_t> line);

    LineScratch scratch;
};
