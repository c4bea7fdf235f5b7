#pragma once

#include "CMalovanaKrizovka.h"
#include "PuzzleClues.h"

#include <string>
#include <vector>

namespace zd {

// A puzzle whose clues come from a picture and whose cells are already marked
// as the picture shows them: '#' filled, '-' decided empty, '.' not decided
// ('-' and '.' are both empty in the clues). Lets a test paint any grid state
// without running the solver.
class MarkedPuzzle : public CMalovanaKrizovka
{
public:
    explicit MarkedPuzzle(const std::vector<std::string> &picture)
    {
        PuzzleClues::fromPicture(picture).applyTo(*this);
        for (int r = 0; r < rows; ++r)
            for (int j = 0; j < columns; ++j)
                grid[cellIndex(r, j)] = stateOf(picture[r][j]);
    }

private:
    static int32_t stateOf(char mark)
    {
        if (mark == '#')
            return CellFilled;
        return mark == '-' ? CellEmpty : CellUnknown;
    }
};

} // namespace zd
