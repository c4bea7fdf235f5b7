#include "TextPuzzleFormat.h"

#include <cstdint>

namespace {

// Splits content into lines at LF; a CR before the LF belongs to the line's
// trailing blanks. The text after the last LF is a line only when non-empty.
class LineReader
{
public:
    explicit LineReader(std::string_view content)
        : text(content)
    { }

    bool next(std::string_view &line)
    {
        if (offset >= text.size())
            return false;
        const size_t end = text.find('\n', offset);
        if (end == std::string_view::npos) {
            line = text.substr(offset);
            offset = text.size();
        } else {
            line = text.substr(offset, end - offset);
            offset = end + 1;
        }
        ++number;
        return true;
    }

    int lineNumber() const { return number; }

private:
    std::string_view text;
    size_t offset = 0;
    int number = 0;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

ParseError errorAt(int line, std::string message)
{
    return ParseError { line, "line " + std::to_string(line) + ": " + std::move(message) };
}

// Reads an unsigned decimal number at text[pos], leading zeros allowed.
// Values above `limit` are reported through `tooLarge` without overflowing.
int readNumber(std::string_view text, size_t &pos, int limit, bool &tooLarge)
{
    int64_t value = 0;
    tooLarge = false;
    while (pos < text.size() && isDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        if (value > limit) {
            tooLarge = true;
            value = limit + 1;
        }
        ++pos;
    }
    return static_cast<int>(value);
}

ParseError parseClueLine(std::string_view line, int lineNumber, const char *what, int index,
                         std::vector<int> &clues)
{
    const std::string where = std::string(what) + " " + std::to_string(index + 1);
    size_t pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos == line.size())
            break;
        if (!isDigit(line[pos])) {
            const char c = line[pos];
            std::string shown = (c >= 33 && c <= 126) ? std::string("'") + c + "'"
                                                      : "byte " + std::to_string(uint8_t(c));
            return errorAt(lineNumber,
                           "clue line of " + where + " holds " + shown + " at column "
                               + std::to_string(pos + 1) + "; only digits and blanks are allowed");
        }
        bool tooLarge = false;
        const int value = readNumber(line, pos, maxClueValue, tooLarge);
        if (tooLarge)
            return errorAt(lineNumber,
                           "clue of " + where + " is larger than " + std::to_string(maxClueValue));
        clues.push_back(value);
    }
    if (clues.empty()) {
        clues.push_back(0); // an empty line is the line without filled cells
    } else if (clues.size() > 1) {
        for (int value : clues)
            if (value == 0)
                return errorAt(lineNumber,
                               "clue line of " + where
                                   + " has a 0 beside other numbers; write 0 alone");
    }
    return {};
}

// The first line: two counts, separated (and possibly preceded) by white
// space, line breaks included; whatever follows the second count on its line
// is ignored. Leaves `rest` at the line after the one where the count ended.
ParseError parseCounts(LineReader &lines, int &rows, int &columns)
{
    int found = 0;
    int counts[2] = { 0, 0 };
    std::string_view line;
    while (found < 2) {
        if (!lines.next(line))
            return errorAt(lines.lineNumber() + 1, "file ends before the row and column counts");
        size_t pos = 0;
        while (found < 2) {
            while (pos < line.size() && isBlank(line[pos]))
                ++pos;
            if (pos == line.size())
                break;
            if (!isDigit(line[pos])) {
                if (line[pos] == '-' || line[pos] == '+')
                    return errorAt(lines.lineNumber(),
                                   "row and column counts must be between 0 and "
                                       + std::to_string(maxPuzzleCount));
                return errorAt(lines.lineNumber(),
                               "the file must start with two numbers: rows and columns");
            }
            bool tooLarge = false;
            counts[found] = readNumber(line, pos, maxPuzzleCount, tooLarge);
            if (tooLarge)
                return errorAt(lines.lineNumber(),
                               std::string(found == 0 ? "row" : "column") + " count is larger than "
                                   + std::to_string(maxPuzzleCount));
            ++found;
            if (found == 1 && pos < line.size() && !isBlank(line[pos]))
                return errorAt(lines.lineNumber(),
                               "the file must start with two numbers: rows and columns");
        }
    }
    rows = counts[0];
    columns = counts[1];
    return {};
}

ParseError missingLine(int lineNumber, const char *what, int index)
{
    return errorAt(lineNumber,
                   "file ends before the clue line of " + std::string(what) + " "
                       + std::to_string(index + 1));
}

} // namespace

ParseError parseTextPuzzle(std::string_view content, PuzzleClues &clues)
{
    LineReader lines(content);
    int rows = 0;
    int columns = 0;
    if (ParseError error = parseCounts(lines, rows, columns); error.failed())
        return error;

    // The lists grow only as lines arrive, so a tiny file announcing a huge
    // puzzle allocates nothing big before it is rejected.
    PuzzleClues parsed;
    parsed.rows = rows;
    parsed.columns = columns;
    std::string_view line;
    for (int r = 0; r < rows; ++r) {
        if (!lines.next(line))
            return missingLine(lines.lineNumber() + 1, "row", r);
        parsed.rowClues.emplace_back();
        if (ParseError error
            = parseClueLine(line, lines.lineNumber(), "row", r, parsed.rowClues.back());
            error.failed())
            return error;
    }
    if (columns > 0 && !lines.next(line))
        return errorAt(lines.lineNumber() + 1,
                       "file ends before the separator line after the row clues");
    for (int c = 0; c < columns; ++c) {
        if (!lines.next(line))
            return missingLine(lines.lineNumber() + 1, "column", c);
        parsed.columnClues.emplace_back();
        if (ParseError error
            = parseClueLine(line, lines.lineNumber(), "column", c, parsed.columnClues.back());
            error.failed())
            return error;
    }
    clues = std::move(parsed);
    return {};
}

namespace {

void appendClueLine(std::string &out, const std::vector<int> &line)
{
    if (line.empty()) {
        out += "0";
    } else {
        for (size_t i = 0; i < line.size(); ++i) {
            if (i > 0)
                out += ' ';
            out += std::to_string(line[i]);
        }
    }
    out += '\n';
}

} // namespace

std::string formatTextPuzzle(const PuzzleClues &clues)
{
    std::string out = std::to_string(clues.rows) + " " + std::to_string(clues.columns) + "\n";
    for (const std::vector<int> &line : clues.rowClues)
        appendClueLine(out, line);
    out += '\n';
    for (const std::vector<int> &line : clues.columnClues)
        appendClueLine(out, line);
    return out;
}
