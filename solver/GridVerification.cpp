#include "GridVerification.h"

#include "LineClueCheck.h"

#include <span>

namespace zd {

bool gridMatchesClues(const PuzzleLines &lines, const std::vector<uint8_t> &cells)
{
    if (cells.size() != static_cast<size_t>(lines.cellCount()))
        return false;
    for (int line = 0; line < lines.lineCount(); ++line) {
        const std::span<const int> clues(lines.clues(line), lines.clueCount(line));
        if (!lineMatchesClues(clues, lines.lineLength(line),
                              [&](int p) { return cells[lines.cellAt(line, p)]; }))
            return false;
    }
    return true;
}

} // namespace zd
