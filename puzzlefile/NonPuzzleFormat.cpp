#include "NonPuzzleFormat.h"

#include "ClueLines.h"

#include <cctype>

namespace zd {

namespace {

enum class Block { None, Rows, Columns };

struct NonReading
{
    int width = -1;
    int height = -1;
    int widthLine = 0;
    int heightLine = 0;
    int rowsLine = 0; // line of the "rows" keyword; 0 when absent
    int columnsLine = 0;
    int goalLine = 0;
    std::string_view goalText; // a view into the content being parsed
    Block block = Block::None;
    PuzzleClues clues;
    // The line each clue list came from, for messages once the size is known.
    std::vector<int> rowLines;
    std::vector<int> columnLines;
};

ParseError startBlock(NonReading &reading, Block block, int lineNumber)
{
    int &seenAt = block == Block::Rows ? reading.rowsLine : reading.columnsLine;
    const char *name = block == Block::Rows ? "rows" : "columns";
    if (ParseError error = startSection(lineNumber, name, seenAt); error.failed())
        return error;
    reading.block = block;
    return {};
}

ParseError readKeywordLine(NonReading &reading, std::string_view line, int lineNumber)
{
    std::string_view rest;
    const std::string keyword = splitKeyword(line, rest);
    reading.block = Block::None;
    if (keyword == "width")
        return readSizeLine(rest, lineNumber, "width", reading.width, reading.widthLine);
    if (keyword == "height")
        return readSizeLine(rest, lineNumber, "height", reading.height, reading.heightLine);
    if (keyword == "rows")
        return startBlock(reading, Block::Rows, lineNumber);
    if (keyword == "columns")
        return startBlock(reading, Block::Columns, lineNumber);
    if (keyword == "goal") {
        if (reading.goalLine != 0)
            return lineError(lineNumber, "second 'goal' line");
        reading.goalLine = lineNumber;
        reading.goalText = rest;
    }
    return {};
}

ParseError readClueLine(NonReading &reading, std::string_view line, int lineNumber)
{
    if (reading.block == Block::None)
        return lineError(lineNumber, "clue line outside the 'rows' and 'columns' sections");
    const bool isRow = reading.block == Block::Rows;
    std::vector<std::vector<int>> &lists
        = isRow ? reading.clues.rowClues : reading.clues.columnClues;
    // Without this cap a file of many short lines could outgrow the puzzle.
    if (lists.size() >= static_cast<size_t>(maxPuzzleCount))
        return lineError(lineNumber,
                         std::string("more than ") + std::to_string(maxPuzzleCount)
                             + (isRow ? " row" : " column") + " clue lines");
    const std::string where = (isRow ? "row " : "column ") + std::to_string(lists.size() + 1);
    // The size may come after the clues; finish() checks again once it is known.
    const int length = isRow ? reading.width : reading.height;
    (isRow ? reading.rowLines : reading.columnLines).push_back(lineNumber);
    lists.emplace_back();
    return parseClueNumbers(line, lineNumber, where, ClueSeparators::BlanksAndCommas, length,
                            lists.back());
}

ParseError checkClueCounts(const std::vector<std::vector<int>> &lists,
                           const std::vector<int> &lineNumbers, int length, const char *what)
{
    for (size_t i = 0; i < lists.size(); ++i)
        if (lists[i].size() > static_cast<size_t>(maxCluesInLine(length)))
            return lineError(
                lineNumbers[i],
                tooManyCluesMessage(what + std::string(" ") + std::to_string(i + 1), length));
    return {};
}

ParseError checkPresent(int seenAt, int lastLine, const char *what)
{
    if (seenAt == 0)
        return lineError(lastLine, std::string("the file has no '") + what + "' line");
    return {};
}

// The goal's text: optionally quoted 0s and 1s, one per cell, rows joined.
ParseError readGoal(const NonReading &reading, std::vector<std::string> &goal)
{
    std::string_view text;
    if (ParseError error
        = goalCells(reading.goalText, reading.width, reading.height, reading.goalLine, text);
        error.failed())
        return error;
    for (char c : text)
        if (c != '0' && c != '1')
            return lineError(reading.goalLine, "goal may hold only the digits 0 and 1");
    // Checked before the picture is built, so a goal that disagrees costs nothing.
    if (!cellsMatchClues(text, reading.clues))
        return lineError(reading.goalLine, "goal does not agree with the clues");
    for (int r = 0; r < reading.height; ++r) {
        std::string row(static_cast<size_t>(reading.width), '.');
        for (int c = 0; c < reading.width; ++c)
            if (text[static_cast<size_t>(r) * reading.width + c] == '1')
                row[c] = '#';
        goal.push_back(std::move(row));
    }
    return {};
}

ParseError finish(NonReading &reading, int lastLine, NonPuzzle &result)
{
    for (ParseError error : { checkPresent(reading.widthLine, lastLine, "width"),
                              checkPresent(reading.heightLine, lastLine, "height"),
                              checkPresent(reading.rowsLine, lastLine, "rows"),
                              checkPresent(reading.columnsLine, lastLine, "columns") })
        if (error.failed())
            return error;
    if (ParseError error = checkSectionCount(reading.clues.rowClues.size(), reading.height,
                                             reading.rowsLine, "rows", "height");
        error.failed())
        return error;
    if (ParseError error = checkSectionCount(reading.clues.columnClues.size(), reading.width,
                                             reading.columnsLine, "columns", "width");
        error.failed())
        return error;
    if (ParseError error
        = checkClueCounts(reading.clues.rowClues, reading.rowLines, reading.width, "row");
        error.failed())
        return error;
    if (ParseError error
        = checkClueCounts(reading.clues.columnClues, reading.columnLines, reading.height, "column");
        error.failed())
        return error;
    reading.clues.rows = reading.height;
    reading.clues.columns = reading.width;
    std::vector<std::string> goal;
    if (reading.goalLine != 0)
        if (ParseError error = readGoal(reading, goal); error.failed())
            return error;
    result.clues = std::move(reading.clues);
    result.goal = std::move(goal);
    return {};
}

} // namespace

ParseError parseNonPuzzle(std::string_view content, NonPuzzle &puzzle)
{
    NonReading reading;
    LineSplitter lines(content);
    std::string_view raw;
    while (lines.next(raw)) {
        const std::string_view line = trimmedLine(raw);
        if (line.empty() || line.front() == '#')
            continue;
        const unsigned char first = static_cast<unsigned char>(line.front());
        ParseError error = std::isalpha(first) ? readKeywordLine(reading, line, lines.lineNumber())
                                               : readClueLine(reading, line, lines.lineNumber());
        if (error.failed())
            return error;
    }
    return finish(reading, lines.lineNumber() > 0 ? lines.lineNumber() : 1, puzzle);
}

namespace {

void appendClues(std::string &out, const std::vector<int> &clues)
{
    if (clues.empty())
        out += '0';
    for (size_t i = 0; i < clues.size(); ++i) {
        if (i > 0)
            out += ',';
        out += std::to_string(clues[i]);
    }
    out += '\n';
}

} // namespace

std::string formatNonPuzzle(const PuzzleClues &clues, const std::vector<std::string> &goal)
{
    std::string out = "width " + std::to_string(clues.columns) + "\nheight "
        + std::to_string(clues.rows) + "\n\nrows\n";
    for (const std::vector<int> &line : clues.rowClues)
        appendClues(out, line);
    out += "\ncolumns\n";
    for (const std::vector<int> &line : clues.columnClues)
        appendClues(out, line);
    if (!goal.empty()) {
        out += "\ngoal \"";
        for (const std::string &row : goal)
            for (char cell : row)
                out += cell == '#' ? '1' : '0';
        out += "\"\n";
    }
    return out;
}

} // namespace zd
