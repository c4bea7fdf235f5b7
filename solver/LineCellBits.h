#pragma once

#include "CellState.h"
#include "LineBits.h"
#include "LineSolver.h"
#include "PuzzleLines.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zd {

// The known cells of every line as the line solver reads them: two bit sets
// per line, filled and empty, of LineSolver::wordsFor(length) words each, all
// in one array. Propagation and the conflict-driven search each keep one in
// step with their grid: a decided cell is marked in its row and its column,
// an undone one cleared in both.
class LineCellBits
{
public:
    explicit LineCellBits(const PuzzleLines &puzzleLines)
        : lines(puzzleLines)
        , filledAt(static_cast<size_t>(puzzleLines.lineCount()))
        , emptyAt(static_cast<size_t>(puzzleLines.lineCount()))
    {
        size_t words = 0;
        for (int line = 0; line < lines.lineCount(); ++line) {
            const auto lineWords
                = static_cast<size_t>(LineSolver::wordsFor(lines.lineLength(line)));
            filledAt[line] = words;
            emptyAt[line] = words + lineWords;
            words += 2 * lineWords;
        }
        bits.assign(words, 0);
    }

    const uint64_t *filled(int line) const { return bits.data() + filledAt[line]; }
    const uint64_t *empty(int line) const { return bits.data() + emptyAt[line]; }

    // Grid cell `cell` becomes `state` (filled or empty) in its row and its column.
    void markCell(int cell, uint8_t state)
    {
        const int row = lines.rowOf(cell);
        const int column = lines.columnLineOf(cell);
        mark(row, column - lines.rows(), state);
        mark(column, row, state);
    }
    // Grid cell `cell` becomes unknown again, in its row and its column.
    void clearCell(int cell)
    {
        const int row = lines.rowOf(cell);
        const int column = lines.columnLineOf(cell);
        clear(row, column - lines.rows());
        clear(column, row);
    }

private:
    void mark(int line, int position, uint8_t state)
    {
        LineBits::set(bits.data() + (state == CellFilled ? filledAt[line] : emptyAt[line]),
                      position);
    }
    void clear(int line, int position)
    {
        LineBits::clear(bits.data() + filledAt[line], position);
        LineBits::clear(bits.data() + emptyAt[line], position);
    }

    const PuzzleLines &lines;
    std::vector<uint64_t> bits;
    std::vector<size_t> filledAt; // where each line's filled set starts in `bits`
    std::vector<size_t> emptyAt; // and its empty set
};

} // namespace zd
