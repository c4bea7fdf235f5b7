#pragma once

#include "ColourPuzzle.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace zd {

// Small colour puzzles and their solutions by enumeration, for tests that
// check what the colour readers and solver decide.

// Every colouring of `length` cells with `colours` colours, as index lists.
inline std::vector<std::vector<int>> allColourings(int length, int colours)
{
    std::vector<std::vector<int>> all { {} };
    for (int i = 0; i < length; ++i) {
        std::vector<std::vector<int>> longer;
        for (const std::vector<int> &start : all)
            for (int colour = 0; colour < colours; ++colour) {
                longer.push_back(start);
                longer.back().push_back(colour);
            }
        all = std::move(longer);
    }
    return all;
}

// Colours named a, b, ... with their letter as symbol; the background '.'.
inline std::vector<PaletteColour> testPalette(int colours)
{
    std::vector<PaletteColour> palette;
    for (int k = 0; k < colours; ++k)
        palette.push_back({ std::string(1, static_cast<char>('a' + k)),
                            static_cast<char>(k == 0 ? '.' : 'a' + k), 0 });
    return palette;
}

// A random grid: background with the given chance, else any other colour.
inline ColourGrid randomGrid(int cells, int colours, double background, std::mt19937 &random)
{
    std::bernoulli_distribution isBackground(background);
    std::uniform_int_distribution<int> colour(1, colours - 1);
    ColourGrid grid(static_cast<size_t>(cells));
    for (int &cell : grid)
        cell = isBackground(random) ? 0 : colour(random);
    return grid;
}

// Up to two solutions by enumeration: every row's fitting colourings, combined.
inline std::vector<ColourGrid> bruteForceSolutions(const ColourPuzzle &puzzle)
{
    const int colours = static_cast<int>(puzzle.palette.size());
    std::vector<std::vector<std::vector<int>>> rowOptions;
    for (const ColourLineClues &clues : puzzle.rowClues) {
        rowOptions.emplace_back();
        for (const std::vector<int> &cells : allColourings(puzzle.columns, colours))
            if (colourCluesOfLine(cells.data(), puzzle.columns) == clues)
                rowOptions.back().push_back(cells);
    }
    std::vector<ColourGrid> found;
    std::vector<size_t> choice(static_cast<size_t>(puzzle.rows), 0);
    ColourGrid grid(static_cast<size_t>(puzzle.rows) * puzzle.columns);
    const auto tryAll = [&](auto &self, int row) -> void {
        if (found.size() >= 2)
            return;
        if (row == puzzle.rows) {
            if (puzzle.isSolvedBy(grid))
                found.push_back(grid);
            return;
        }
        for (const std::vector<int> &cells : rowOptions[row]) {
            std::copy(cells.begin(), cells.end(), grid.begin() + row * puzzle.columns);
            self(self, row + 1);
        }
    };
    tryAll(tryAll, 0);
    return found;
}

} // namespace zd
