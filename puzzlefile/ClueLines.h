#pragma once

#include "ParseError.h"
#include "PuzzleClues.h"

#include <string>
#include <string_view>
#include <vector>

namespace zd {

// Pieces shared by the line-based puzzle readers (.zd, .non, .nin, tournament).

// Splits content into lines at LF, counting them from 1. A CR before the LF
// stays in the line, where the readers treat it as a blank. A file without
// any LF but with CRs (old Mac line ends) is split at CR instead, and a
// UTF-8 byte-order mark at the start is skipped.
class LineSplitter
{
public:
    explicit LineSplitter(std::string_view content);

    bool next(std::string_view &line);
    // Number of the line next() returned last; 0 before the first.
    int lineNumber() const { return number; }

private:
    std::string_view text;
    size_t offset = 0;
    int number = 0;
    char lineEnd = '\n';
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

// The most clues a line of `length` cells can hold: blocks need a gap between
// them. Never more than the model's 16-bit clue count holds, and at least one
// number, so that "0" fits every line.
int maxCluesInLine(int length);
// What a reader allows per line while the line's length is not known yet.
inline constexpr int maxCluesInAnyLine = (maxPuzzleCount + 1) / 2;

// "clue line of row 3 has more than 2 clues, more than a line of 4 cells holds".
std::string tooManyCluesMessage(const std::string &where, int length);

// Reads the clue numbers of one line into `clues`. An empty or blank line, and
// the single number 0, both give the list {0}: the line without filled cells.
// `where` names the line in messages ("row 3"); `length` is the line's cell
// count (-1 when not known yet): a line with more numbers than such a line
// can hold is refused at the first number too many, before it is stored.
ParseError parseClueNumbers(std::string_view line, int lineNumber, const std::string &where,
                            ClueSeparators separators, int length, std::vector<int> &clues);

// Reads a count such as a width at text[0..]: digits only, 1..maxPuzzleCount.
// Returns -1 when the text is not such a number.
int parseCount(std::string_view text);

// Pieces of the .non format, in black and white and with colours.

// The first word of a keyword line, lower case; `rest` gets what follows, trimmed.
std::string splitKeyword(std::string_view line, std::string_view &rest);
// A "width N" or "height N" line: the count into `value`, its line into
// `seenAt`; a second such line or a count out of range is refused.
ParseError readSizeLine(std::string_view rest, int lineNumber, const char *what, int &value,
                        int &seenAt);
// The "rows" or "columns" keyword: its line into `seenAt`, refused when the
// section started before.
ParseError startSection(int lineNumber, const char *name, int &seenAt);
// A section of `found` clue lines where the size says `expected`: refused
// at the section's line unless they agree.
ParseError checkSectionCount(size_t found, int expected, int sectionLine, const char *section,
                             const char *size);
// The cells of a goal line's text, without its quotes, into `cells`:
// refused unless one character a cell of `width` x `height`.
ParseError goalCells(std::string_view text, int width, int height, int goalLine,
                     std::string_view &cells);

// True when `cells`, a picture's rows joined ('1' filled, anything else
// empty), has the puzzle's size and every row and column shows exactly its
// clues; no picture or clue list is built, so a goal as large as the file
// costs no memory.
bool cellsMatchClues(std::string_view cells, const PuzzleClues &clues);

} // namespace zd
