#pragma once

#include "ParseError.h"
#include "PuzzleClues.h"

#include <string>
#include <string_view>
#include <vector>

namespace zd {

// Pieces shared by the line-based puzzle readers (.zd, .non, .nin, tournament).

// Splits content into lines at LF, counting them from 1. A CR before the LF
// stays in the line, where the readers treat it as a blank.
class LineSplitter
{
public:
    explicit LineSplitter(std::string_view content)
        : text(content)
    { }

    bool next(std::string_view &line);
    // Number of the line next() returned last; 0 before the first.
    int lineNumber() const { return number; }
    bool atEnd() const { return offset >= text.size(); }

private:
    std::string_view text;
    size_t offset = 0;
    int number = 0;
};

bool isClueBlank(char c);
bool isDigit(char c);
// Reads the digits at text[pos] and moves pos past them; values above `limit`
// come back as limit + 1, so no number overflows.
int readBoundedNumber(std::string_view text, size_t &pos, int limit);
// The line without leading and trailing blanks (CR included).
std::string_view trimmedLine(std::string_view line);

// "line N: message", the form every reader reports in.
ParseError lineError(int line, const std::string &message);

// Which characters besides blanks may separate the numbers of a clue line.
enum class ClueSeparators { Blanks, BlanksAndCommas };

// Reads the clue numbers of one line into `clues`. An empty or blank line, and
// the single number 0, both give the list {0}: the line without filled cells.
// `where` names the line in messages ("row 3").
ParseError parseClueNumbers(std::string_view line, int lineNumber, const std::string &where,
                            ClueSeparators separators, std::vector<int> &clues);

// Reads a count such as a width at text[0..]: digits only, 1..maxPuzzleCount.
// Returns -1 when the text is not such a number.
int parseCount(std::string_view text);

} // namespace zd
