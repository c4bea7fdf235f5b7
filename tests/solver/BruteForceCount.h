#pragma once

#include "PuzzleClues.h"

#include <string>
#include <utility>
#include <vector>

namespace zd {

// An independent solution counter for small puzzles (up to about 12 columns):
// tries every row that matches its clue, row after row, and keeps only grids
// whose columns can still match theirs. Stops after `limit` solutions.
inline std::vector<std::vector<std::string>> bruteForceSolutions(const PuzzleClues &clues,
                                                                 int limit)
{
    struct Column
    {
        int block = 0; // index of the block being filled or next to fill
        int run = 0; // filled cells of that block so far
    };
    std::vector<std::vector<std::string>> candidates(clues.rows);
    for (unsigned bits = 0; bits < (1u << clues.columns); ++bits) {
        std::string line;
        for (int c = 0; c < clues.columns; ++c)
            line += (bits >> c & 1u) ? '#' : '.';
        for (int r = 0; r < clues.rows; ++r)
            if (PuzzleClues::cluesOfLine(line) == clues.rowClues[r])
                candidates[r].push_back(line);
    }
    const auto blocks = [&](int c) {
        const std::vector<int> &clue = clues.columnClues[c];
        return clue.size() == 1 && clue[0] == 0 ? std::vector<int> {} : clue;
    };
    std::vector<std::vector<int>> columnBlocks;
    for (int c = 0; c < clues.columns; ++c)
        columnBlocks.push_back(blocks(c));

    std::vector<std::vector<std::string>> found;
    std::vector<std::string> grid;
    const auto place = [&](auto &self, int row, const std::vector<Column> &columns) -> void {
        if (static_cast<int>(found.size()) >= limit)
            return;
        if (row == clues.rows) {
            for (int c = 0; c < clues.columns; ++c) {
                const Column &column = columns[c];
                const int done = column.block + (column.run > 0 ? 1 : 0);
                if (done != static_cast<int>(columnBlocks[c].size())
                    || (column.run > 0 && column.run != columnBlocks[c][column.block]))
                    return;
            }
            found.push_back(grid);
            return;
        }
        for (const std::string &line : candidates[row]) {
            std::vector<Column> next = columns;
            bool fits = true;
            for (int c = 0; c < clues.columns && fits; ++c) {
                Column &column = next[c];
                const std::vector<int> &want = columnBlocks[c];
                if (line[c] == '#') {
                    fits = column.block < static_cast<int>(want.size())
                        && ++column.run <= want[column.block];
                } else if (column.run > 0) {
                    fits = column.run == want[column.block];
                    ++column.block;
                    column.run = 0;
                }
            }
            if (!fits)
                continue;
            grid.push_back(line);
            self(self, row + 1, next);
            grid.pop_back();
        }
    };
    place(place, 0, std::vector<Column>(clues.columns));
    return found;
}

// The cells (row, column) where some of the solutions differ from the first,
// row by row: the ambiguous cells, when `solutions` holds all of them.
inline std::vector<std::pair<int, int>>
differingCells(const std::vector<std::vector<std::string>> &solutions)
{
    std::vector<std::pair<int, int>> cells;
    const std::vector<std::string> &first = solutions.front();
    for (int r = 0; r < static_cast<int>(first.size()); ++r)
        for (int c = 0; c < static_cast<int>(first[r].size()); ++c)
            for (const std::vector<std::string> &other : solutions)
                if (other[r][c] != first[r][c]) {
                    cells.emplace_back(r, c);
                    break;
                }
    return cells;
}

} // namespace zd
