#include "SolutionCheck.h"

#include "CMalovanaKrizovka.h"

namespace {

bool lineMatchesClues(const PuzzleLines &lines, int line, const std::vector<uint8_t> &cells)
{
    const int *clues = lines.clues(line);
    const int clueCount = lines.clueCount(line);
    const int length = lines.lineLength(line);
    int block = 0;
    int run = 0;
    for (int p = 0; p <= length; ++p) {
        const uint8_t state
            = p < length ? cells[lines.cellAt(line, p)] : static_cast<uint8_t>(CellEmpty);
        if (state == CellFilled) {
            ++run;
            continue;
        }
        if (state != CellEmpty)
            return false;
        if (run > 0) {
            if (block >= clueCount || clues[block] != run)
                return false;
            ++block;
            run = 0;
        }
    }
    return block == clueCount;
}

} // namespace

bool gridMatchesClues(const PuzzleLines &lines, const std::vector<uint8_t> &cells)
{
    if (cells.size() != static_cast<size_t>(lines.cellCount()))
        return false;
    for (int line = 0; line < lines.lineCount(); ++line)
        if (!lineMatchesClues(lines, line, cells))
            return false;
    return true;
}
