#pragma once

#include <cstdint>
#include <vector>

// The three states of a grid cell. The values matter: the line-by-line solver
// judges completion by the sum of all cell states (every filled cell counts 2,
// every empty one 1).
enum CellState : int32_t { CellUnknown = 0, CellEmpty = 1, CellFilled = 2 };

namespace zd {

// A whole grid of cell states, row-major: the cell of row r and column c is
// grid[r * columns + c]. Solver results and views of a puzzle speak it; the
// solver keeps the same values in bytes internally.
using CellGrid = std::vector<CellState>;

} // namespace zd
