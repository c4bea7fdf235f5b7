#include "TournamentPuzzleFormat.h"

#include "ClueLines.h"

#include <cstdint>

namespace zd {

namespace {

bool isPuzzleStart(std::string_view line)
{
    return !line.empty() && line.front() == '$';
}

// The number after '$'; -1 when it is not a plain number.
int puzzleNumber(std::string_view line)
{
    const std::string_view digits = trimmedLine(line.substr(1));
    if (digits.empty() || digits.size() > 9)
        return -1;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Reads the 50 clue lines after a '$' line. Stops without consuming a '$'
// line that comes too early, so the next puzzle is still read.
ParseError readPuzzleLines(LineSplitter &lines, std::string_view &pending, bool &hasPending,
                           PuzzleClues &clues)
{
    clues.rows = tournamentSize;
    clues.columns = tournamentSize;
    std::string_view line;
    for (int i = 0; i < 2 * tournamentSize; ++i) {
        const bool isColumn = i < tournamentSize;
        const int index = isColumn ? i : i - tournamentSize;
        const std::string where = (isColumn ? "column " : "row ") + std::to_string(index + 1);
        if (!lines.next(line))
            return lineError(lines.lineNumber() + 1, "file ends before the clue line of " + where);
        if (isPuzzleStart(trimmedLine(line))) {
            pending = line;
            hasPending = true;
            return lineError(lines.lineNumber(),
                             "next puzzle starts before the clue line of " + where
                                 + "; a puzzle has 25 column lines, then 25 row lines");
        }
        std::vector<std::vector<int>> &lists = isColumn ? clues.columnClues : clues.rowClues;
        lists.emplace_back();
        if (ParseError error
            = parseClueNumbers(line, lines.lineNumber(), where, ClueSeparators::Blanks,
                               tournamentSize, lists.back());
            error.failed())
            return error;
    }
    return {};
}

// Skips to the next '$' line after a broken puzzle or stray text.
void skipToNextPuzzle(LineSplitter &lines, std::string_view &pending, bool &hasPending)
{
    std::string_view line;
    while (lines.next(line))
        if (isPuzzleStart(trimmedLine(line))) {
            pending = line;
            hasPending = true;
            return;
        }
}

} // namespace

std::vector<TournamentPuzzle> parseTournamentPuzzles(std::string_view content)
{
    std::vector<TournamentPuzzle> puzzles;
    LineSplitter lines(content);
    std::string_view pending;
    bool hasPending = false;
    while (true) {
        std::string_view line;
        if (hasPending) {
            line = pending;
            hasPending = false;
        } else if (!lines.next(line)) {
            break;
        }
        const std::string_view text = trimmedLine(line);
        if (text.empty())
            continue;
        TournamentPuzzle puzzle;
        const int startLine = lines.lineNumber();
        if (puzzles.size() == static_cast<size_t>(maxTournamentPuzzles)) {
            puzzle.error
                = lineError(startLine,
                            "the file holds more than " + std::to_string(maxTournamentPuzzles)
                                + " puzzles; the rest is not read");
            puzzles.push_back(std::move(puzzle));
            break;
        }
        if (!isPuzzleStart(text)) {
            puzzle.error = lineError(startLine, "expected a line '$N' that starts a puzzle");
            skipToNextPuzzle(lines, pending, hasPending);
        } else if ((puzzle.number = puzzleNumber(text)) < 0) {
            puzzle.number = 0;
            puzzle.error = lineError(startLine, "a puzzle's first line must be '$' and its number");
            skipToNextPuzzle(lines, pending, hasPending);
        } else if ((puzzle.error = readPuzzleLines(lines, pending, hasPending, puzzle.clues))
                       .failed()) {
            puzzle.clues = {};
            if (!hasPending)
                skipToNextPuzzle(lines, pending, hasPending);
        }
        puzzles.push_back(std::move(puzzle));
    }
    if (puzzles.empty())
        puzzles.push_back(
            { 0, {}, lineError(1, "the file holds no puzzle; each starts with a line '$N'") });
    return puzzles;
}

} // namespace zd
