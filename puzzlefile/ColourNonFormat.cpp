#include "ColourNonFormat.h"

#include "ClueLines.h"
#include "ColourPalette.h"

#include <cctype>
#include <cstdint>

namespace zd {

namespace {

bool isNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool isNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-';
}

bool isFittingName(std::string_view name)
{
    if (name.empty() || !isNameStart(name.front()))
        return false;
    for (char c : name)
        if (!isNameCharacter(c))
            return false;
    return true;
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> found;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isClueBlank(text[pos]))
            ++pos;
        const size_t start = pos;
        while (pos < text.size() && !isClueBlank(text[pos]))
            ++pos;
        if (pos > start)
            found.push_back(text.substr(start, pos - start));
    }
    return found;
}

enum class Section { None, Rows, Columns };

struct Reading
{
    ColourNonPuzzle result;
    int width = -1;
    int height = -1;
    int widthLine = 0;
    int heightLine = 0;
    int rowsLine = 0;
    int columnsLine = 0;
    int goalLine = 0;
    std::string_view goalText; // a view into the content being parsed
    Section section = Section::None;
    bool backgroundDeclared = false;
    std::vector<int> rowLines;
    std::vector<int> columnLines;
};

ParseError readColour(Reading &reading, std::string_view rest, int lineNumber, bool background)
{
    const std::vector<std::string_view> parts = words(rest);
    const char *what = background ? "background" : "color";
    if (parts.size() < 2 || parts.size() > 3 || !isFittingName(parts[0]))
        return lineError(lineNumber,
                         std::string("a ") + what + " line is: NAME #rrggbb [CHARACTER]");
    const std::optional<uint32_t> rgb = parseRgb(parts[1]);
    if (!rgb)
        return lineError(lineNumber,
                         "colour " + std::string(parts[0]) + " has no RGB value such as #ff0000");
    if (parts.size() == 3 && parts[2].size() != 1)
        return lineError(lineNumber,
                         "the character of colour " + std::string(parts[0])
                             + " must be one character");
    ColourPuzzle &puzzle = reading.result.puzzle;
    const int named = colourNamed(puzzle, parts[0]);
    // The background may rename itself; no two colours share a name.
    if (named != colourUnknown && !(background && named == 0))
        return lineError(lineNumber, "a second colour named " + std::string(parts[0]));
    if (background) {
        if (reading.backgroundDeclared)
            return lineError(lineNumber, "a second background line");
        reading.backgroundDeclared = true;
        puzzle.palette[0] = { std::string(parts[0]), '.', *rgb };
        return {};
    }
    if (puzzle.palette.size() >= static_cast<size_t>(maxColours))
        return lineError(lineNumber, "more than " + std::to_string(maxColours) + " colours");
    const char wanted = parts.size() == 3 ? parts[2][0] : parts[0].size() == 1 ? parts[0][0] : '\0';
    if (parts.size() == 3 && freeSymbol(puzzle, wanted, "") != wanted)
        return lineError(lineNumber,
                         "the character " + std::string(parts[2])
                             + " is taken or cannot stand for a colour");
    puzzle.palette.push_back({ std::string(parts[0]), freeSymbol(puzzle, wanted, parts[0]), *rgb });
    return {};
}

ParseError readKeyword(Reading &reading, std::string_view line, int lineNumber)
{
    std::string_view rest;
    const std::string keyword = splitKeyword(line, rest);
    reading.section = Section::None;
    if (keyword == "width")
        return readSizeLine(rest, lineNumber, "width", reading.width, reading.widthLine);
    if (keyword == "height")
        return readSizeLine(rest, lineNumber, "height", reading.height, reading.heightLine);
    if (keyword == "color" || keyword == "background")
        return readColour(reading, rest, lineNumber, keyword == "background");
    if (keyword == "rows" || keyword == "columns") {
        int &seenAt = keyword == "rows" ? reading.rowsLine : reading.columnsLine;
        if (ParseError error = startSection(lineNumber, keyword.c_str(), seenAt); error.failed())
            return error;
        reading.section = keyword == "rows" ? Section::Rows : Section::Columns;
        return {};
    }
    if (keyword == "goal") {
        if (reading.goalLine != 0)
            return lineError(lineNumber, "second 'goal' line");
        reading.goalLine = lineNumber;
        reading.goalText = rest;
    }
    return {};
}

// "3a,1b", "3 a 1 b" and "red: 3, 1, blue: 2", in any mixture.
ParseError readClueLine(Reading &reading, std::string_view line, int lineNumber)
{
    if (reading.section == Section::None)
        return lineError(lineNumber, "clue line outside the 'rows' and 'columns' sections");
    const bool isRow = reading.section == Section::Rows;
    std::vector<ColourLineClues> &lines
        = isRow ? reading.result.puzzle.rowClues : reading.result.puzzle.columnClues;
    if (lines.size() >= static_cast<size_t>(maxPuzzleCount))
        return lineError(lineNumber,
                         std::string("more than ") + std::to_string(maxPuzzleCount)
                             + (isRow ? " row" : " column") + " clue lines");
    (isRow ? reading.rowLines : reading.columnLines).push_back(lineNumber);
    const ColourPuzzle &puzzle = reading.result.puzzle;
    ColourLineClues clues;
    int current = puzzle.palette.size() == 2 ? 1 : colourUnknown;
    bool sawZero = false;
    size_t pos = 0;
    const auto readName = [&] {
        const size_t start = pos;
        while (pos < line.size() && isNameCharacter(line[pos]))
            ++pos;
        return line.substr(start, pos - start);
    };
    const auto colourOf = [&](std::string_view name, int &colour) -> ParseError {
        colour = colourNamed(puzzle, name);
        if (colour == colourUnknown)
            return lineError(lineNumber, "colour " + std::string(name) + " is not declared");
        if (colour == 0)
            return lineError(lineNumber, "a clue of the background colour " + std::string(name));
        return {};
    };
    while (pos < line.size()) {
        const char c = line[pos];
        if (isClueBlank(c) || c == ',') {
            ++pos;
            continue;
        }
        if (isNameStart(c)) {
            const std::string_view name = readName();
            while (pos < line.size() && isClueBlank(line[pos]))
                ++pos;
            if (pos >= line.size() || line[pos] != ':')
                return lineError(lineNumber,
                                 "colour " + std::string(name)
                                     + " without ':' or a number before it");
            ++pos;
            if (ParseError error = colourOf(name, current); error.failed())
                return error;
            continue;
        }
        if (!isDigit(c))
            return lineError(lineNumber, std::string("clue line holds '") + c + "'");
        const int value = readBoundedNumber(line, pos, maxClueValue);
        if (value > maxClueValue)
            return lineError(lineNumber, "clue numbers go up to " + std::to_string(maxClueValue));
        int colour = current;
        if (pos < line.size() && isNameStart(line[pos])) {
            const std::string_view name = readName();
            if (pos < line.size() && line[pos] == ':')
                return lineError(lineNumber,
                                 "a number before the colour " + std::string(name) + ":");
            if (ParseError error = colourOf(name, colour); error.failed())
                return error;
        }
        if (value == 0) {
            sawZero = true;
            continue;
        }
        if (colour == colourUnknown)
            return lineError(lineNumber, "clue " + std::to_string(value) + " has no colour");
        // A line holds at most one clue per cell; checked here when the size
        // came first, so that a huge line is not stored.
        const int length = isRow ? reading.width : reading.height;
        if (clues.size() >= static_cast<size_t>(length > 0 ? length : maxCluesInAnyLine))
            return lineError(
                lineNumber,
                std::string(isRow ? "row " : "column ") + std::to_string(lines.size() + 1)
                    + " has more clues than a line of " + std::to_string(length) + " cells holds");
        clues.push_back({ value, colour });
    }
    if (sawZero && !clues.empty())
        return lineError(lineNumber, "0 beside other clues");
    lines.push_back(std::move(clues));
    return {};
}

ParseError readGoal(Reading &reading)
{
    std::string_view text;
    if (ParseError error
        = goalCells(reading.goalText, reading.width, reading.height, reading.goalLine, text);
        error.failed())
        return error;
    ColourPuzzle &puzzle = reading.result.puzzle;
    std::vector<std::string> goal;
    for (int r = 0; r < reading.height; ++r) {
        std::string row(text.substr(static_cast<size_t>(r) * reading.width, reading.width));
        for (char &c : row)
            c = c == '0' ? '.' : c;
        goal.push_back(std::move(row));
    }
    if (std::string problem = colourGoalProblem(puzzle, goal); !problem.empty())
        return lineError(reading.goalLine, problem);
    reading.result.goal = std::move(goal);
    return {};
}

ParseError finish(Reading &reading, int lastLine)
{
    for (const auto &[seenAt, what] :
         { std::pair { reading.widthLine, "width" }, std::pair { reading.heightLine, "height" },
           std::pair { reading.rowsLine, "rows" }, std::pair { reading.columnsLine, "columns" } })
        if (seenAt == 0)
            return lineError(lastLine, std::string("the file has no '") + what + "' line");
    ColourPuzzle &puzzle = reading.result.puzzle;
    if (ParseError error = checkSectionCount(puzzle.rowClues.size(), reading.height,
                                             reading.rowsLine, "rows", "height");
        error.failed())
        return error;
    if (ParseError error = checkSectionCount(puzzle.columnClues.size(), reading.width,
                                             reading.columnsLine, "columns", "width");
        error.failed())
        return error;
    puzzle.rows = reading.height;
    puzzle.columns = reading.width;
    for (const bool rows : { true, false }) {
        std::string message;
        if (const int line = overfullLine(puzzle, rows, message); line >= 0)
            return lineError((rows ? reading.rowLines : reading.columnLines)[line], message);
    }
    if (reading.goalLine != 0)
        return readGoal(reading);
    return {};
}

} // namespace

bool isColourNonContent(std::string_view content)
{
    LineSplitter lines(content);
    std::string_view raw;
    while (lines.next(raw)) {
        std::string_view rest;
        if (splitKeyword(trimmedLine(raw), rest) == "color")
            return true;
    }
    return false;
}

ParseError parseColourNonPuzzle(std::string_view content, ColourNonPuzzle &result)
{
    Reading reading;
    reading.result.puzzle.palette = { { "white", '.', 0xFFFFFF } };
    LineSplitter lines(content);
    std::string_view raw;
    while (lines.next(raw)) {
        const std::string_view line = trimmedLine(raw);
        if (line.empty() || line.front() == '#')
            continue;
        // "red: 3" starts with a letter but is a clue line.
        size_t nameEnd = 0;
        while (nameEnd < line.size() && isNameCharacter(line[nameEnd]))
            ++nameEnd;
        size_t colon = nameEnd;
        while (colon < line.size() && isClueBlank(line[colon]))
            ++colon;
        const bool namedClues
            = reading.section != Section::None && colon < line.size() && line[colon] == ':';
        const bool keyword = isNameStart(line.front()) && !namedClues;
        ParseError error = keyword ? readKeyword(reading, line, lines.lineNumber())
                                   : readClueLine(reading, line, lines.lineNumber());
        if (error.failed())
            return error;
    }
    if (ParseError error = finish(reading, lines.lineNumber() > 0 ? lines.lineNumber() : 1);
        error.failed())
        return error;
    result = std::move(reading.result);
    return {};
}

namespace {

// The names the writer uses: the palette's own where they fit the format.
std::vector<std::string> writtenNames(const ColourPuzzle &puzzle)
{
    std::vector<std::string> names;
    bool allFit = true;
    for (size_t k = 0; k < puzzle.palette.size(); ++k) {
        const std::string &name = puzzle.palette[k].name;
        for (size_t j = 0; j < k; ++j)
            allFit = allFit && names[j] != name;
        allFit = allFit && isFittingName(name);
        names.push_back(name);
    }
    if (!allFit)
        for (size_t k = 0; k < names.size(); ++k)
            names[k] = k == 0 ? "background" : "c" + std::to_string(k);
    return names;
}

void appendLines(std::string &out, const std::vector<ColourLineClues> &lines,
                 const std::vector<std::string> &names)
{
    for (const ColourLineClues &line : lines) {
        if (line.empty())
            out += '0';
        for (size_t i = 0; i < line.size(); ++i)
            out += (i > 0 ? "," : "") + std::to_string(line[i].length) + names[line[i].colour];
        out += '\n';
    }
}

} // namespace

std::string formatColourNonPuzzle(const ColourPuzzle &puzzle, const std::vector<std::string> &goal)
{
    const std::vector<std::string> names = writtenNames(puzzle);
    std::string out = "width " + std::to_string(puzzle.columns) + "\nheight "
        + std::to_string(puzzle.rows) + "\n\n";
    out += "background " + names[0] + " #" + rgbText(puzzle.palette[0].rgb) + "\n";
    for (size_t k = 1; k < puzzle.palette.size(); ++k)
        out += "color " + names[k] + " #" + rgbText(puzzle.palette[k].rgb) + " "
            + puzzle.palette[k].symbol + "\n";
    out += "\nrows\n";
    appendLines(out, puzzle.rowClues, names);
    out += "\ncolumns\n";
    appendLines(out, puzzle.columnClues, names);
    if (!goal.empty()) {
        out += "\ngoal \"";
        for (const std::string &row : goal)
            out += row;
        out += "\"\n";
    }
    return out;
}

} // namespace zd
