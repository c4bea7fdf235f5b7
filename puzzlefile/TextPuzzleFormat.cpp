#include "TextPuzzleFormat.h"

#include "ClueLines.h"

namespace zd {

namespace {

// The first line: two counts, separated (and possibly preceded) by white
// space, line breaks included; whatever follows the second count on its line
// is ignored. Leaves `lines` at the line after the one where the count ended.
ParseError parseCounts(LineSplitter &lines, int &rows, int &columns)
{
    int found = 0;
    int counts[2] = { 0, 0 };
    std::string_view line;
    while (found < 2) {
        if (!lines.next(line))
            return lineError(lines.lineNumber() + 1, "file ends before the row and column counts");
        size_t pos = 0;
        while (found < 2) {
            while (pos < line.size() && isClueBlank(line[pos]))
                ++pos;
            if (pos == line.size())
                break;
            if (!isDigit(line[pos])) {
                if (line[pos] == '-' || line[pos] == '+')
                    return lineError(lines.lineNumber(),
                                     "row and column counts must be between 0 and "
                                         + std::to_string(maxPuzzleCount));
                return lineError(lines.lineNumber(),
                                 "the file must start with two numbers: rows and columns");
            }
            counts[found] = readBoundedNumber(line, pos, maxPuzzleCount);
            if (counts[found] > maxPuzzleCount)
                return lineError(lines.lineNumber(),
                                 std::string(found == 0 ? "row" : "column")
                                     + " count is larger than " + std::to_string(maxPuzzleCount));
            ++found;
            if (found == 1 && pos < line.size() && !isClueBlank(line[pos]))
                return lineError(lines.lineNumber(),
                                 "the file must start with two numbers: rows and columns");
        }
    }
    rows = counts[0];
    columns = counts[1];
    return {};
}

// Reads `count` clue lines of rows or columns. The lists grow only as lines
// arrive, so a tiny file announcing a huge puzzle allocates nothing big
// before it is rejected.
ParseError readClueLines(LineSplitter &lines, int count, int length, const char *what,
                         std::vector<std::vector<int>> &lists)
{
    std::string_view line;
    for (int i = 0; i < count; ++i) {
        const std::string where = std::string(what) + " " + std::to_string(i + 1);
        if (!lines.next(line))
            return lineError(lines.lineNumber() + 1, "file ends before the clue line of " + where);
        lists.emplace_back();
        if (ParseError error = parseClueNumbers(line, lines.lineNumber(), where,
                                                ClueSeparators::Blanks, length, lists.back());
            error.failed())
            return error;
    }
    return {};
}

} // namespace

ParseError parseTextPuzzle(std::string_view content, PuzzleClues &clues)
{
    LineSplitter lines(content);
    int rows = 0;
    int columns = 0;
    if (ParseError error = parseCounts(lines, rows, columns); error.failed())
        return error;

    PuzzleClues parsed;
    parsed.rows = rows;
    parsed.columns = columns;
    if (ParseError error = readClueLines(lines, rows, columns, "row", parsed.rowClues);
        error.failed())
        return error;
    std::string_view separator;
    if (columns > 0 && !lines.next(separator))
        return lineError(lines.lineNumber() + 1,
                         "file ends before the separator line after the row clues");
    if (ParseError error = readClueLines(lines, columns, rows, "column", parsed.columnClues);
        error.failed())
        return error;
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

} // namespace zd
