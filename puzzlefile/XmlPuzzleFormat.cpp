#include "XmlPuzzleFormat.h"

#include "ClueLines.h"
#include "ColourPalette.h"
#include "XmlDocument.h"

namespace zd {

namespace {

std::string trimmed(std::string_view text)
{
    const size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos)
        return {};
    const size_t end = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(begin, end - begin + 1));
}

std::string attributeOr(const XmlElement &element, std::string_view key,
                        const std::string &fallback)
{
    const std::string *value = element.attribute(key);
    return value ? *value : fallback;
}

// The colours a file may use without declaring them.
const PaletteColour *implicitColour(std::string_view name)
{
    static const PaletteColour white { "white", '.', 0xFFFFFF };
    static const PaletteColour black { "black", 'X', 0x000000 };
    return name == "white" ? &white : name == "black" ? &black : nullptr;
}

ParseError readPalette(const XmlElement &element, ColourPuzzle &puzzle, std::string &defaultName,
                       std::string &fileSymbols)
{
    std::vector<PaletteColour> declared;
    std::vector<int> declaredLines;
    for (const XmlElement *colour : element.childrenNamed("color")) {
        const std::string *name = colour->attribute("name");
        if (!name || name->empty())
            return lineError(colour->line, "<color> without a name");
        for (const PaletteColour &earlier : declared)
            if (earlier.name == *name)
                return lineError(colour->line, "second <color> named " + *name);
        const std::optional<uint32_t> rgb = parseRgb(trimmed(colour->text));
        if (!rgb)
            return lineError(colour->line,
                             "colour " + *name + " has no RGB value such as fff or ff0000");
        const std::string symbol = attributeOr(*colour, "char", "");
        if (symbol.size() > 1)
            return lineError(colour->line, "colour " + *name + " has more than one char");
        declared.push_back({ *name, symbol.empty() ? '\0' : symbol[0], *rgb });
        declaredLines.push_back(colour->line);
    }
    const std::string background = attributeOr(element, "backgroundcolor", "white");
    defaultName = attributeOr(element, "defaultcolor", "black");
    const auto find = [&](const std::string &name) -> const PaletteColour * {
        for (const PaletteColour &colour : declared)
            if (colour.name == name)
                return &colour;
        return implicitColour(name);
    };
    const PaletteColour *backgroundColour = find(background);
    if (!backgroundColour)
        return lineError(element.line, "the background colour " + background + " is not declared");
    puzzle.palette = { *backgroundColour };
    fileSymbols = std::string(1, backgroundColour->symbol ? backgroundColour->symbol : '.');
    puzzle.palette[0].symbol = '.';
    const auto add = [&](const PaletteColour &colour, int line) -> ParseError {
        if (puzzle.palette.size() >= static_cast<size_t>(maxColours))
            return lineError(line, "more than " + std::to_string(maxColours) + " colours");
        fileSymbols += colour.symbol;
        PaletteColour placed = colour;
        placed.symbol = freeSymbol(puzzle, colour.symbol, colour.name);
        puzzle.palette.push_back(placed);
        return {};
    };
    for (size_t k = 0; k < declared.size(); ++k)
        if (declared[k].name != background)
            if (ParseError error = add(declared[k], declaredLines[k]); error.failed())
                return error;
    if (colourNamed(puzzle, defaultName) == colourUnknown && implicitColour(defaultName)
        && defaultName != background) {
        // A char a declared colour has stays that colour's.
        PaletteColour colour = *implicitColour(defaultName);
        if (fileSymbols.find(colour.symbol) != std::string::npos)
            colour.symbol = '\0';
        return add(colour, element.line);
    }
    return {};
}

ParseError readLine(const XmlElement &line, const ColourPuzzle &puzzle,
                    const std::string &defaultName, ColourLineClues &clues)
{
    for (const XmlElement *count : line.childrenNamed("count")) {
        const std::string name = attributeOr(*count, "color", defaultName);
        const int colour = colourNamed(puzzle, name);
        if (colour == colourUnknown)
            return lineError(count->line, "colour " + name + " is not declared");
        if (colour == 0)
            return lineError(count->line, "a count of the background colour " + name);
        const std::string digits = trimmed(count->text);
        size_t pos = 0;
        const int value = readBoundedNumber(digits, pos, maxClueValue);
        if (digits.empty() || pos != digits.size() || value < 1 || value > maxClueValue)
            return lineError(count->line,
                             "count must be a number between 1 and "
                                 + std::to_string(maxClueValue));
        clues.push_back({ value, colour });
    }
    return {};
}

ParseError readClues(const XmlElement &element, ColourPuzzle &puzzle,
                     const std::string &defaultName)
{
    bool seen[2] = { false, false };
    std::vector<int> lineNumbers[2];
    for (const XmlElement *clues : element.childrenNamed("clues")) {
        const std::string type = attributeOr(*clues, "type", "");
        if (type != "rows" && type != "columns")
            return lineError(clues->line, "<clues> must have type rows or columns");
        const bool rows = type == "rows";
        if (seen[rows ? 0 : 1])
            return lineError(clues->line, "second <clues type=\"" + type + "\">");
        seen[rows ? 0 : 1] = true;
        std::vector<ColourLineClues> &lines = rows ? puzzle.rowClues : puzzle.columnClues;
        for (const XmlElement *line : clues->childrenNamed("line")) {
            if (lines.size() >= static_cast<size_t>(maxPuzzleCount))
                return lineError(line->line,
                                 "more than " + std::to_string(maxPuzzleCount) + " " + type);
            lines.emplace_back();
            lineNumbers[rows ? 0 : 1].push_back(line->line);
            if (ParseError error = readLine(*line, puzzle, defaultName, lines.back());
                error.failed())
                return error;
        }
        if (lines.empty())
            return lineError(clues->line, "<clues type=\"" + type + "\"> holds no <line>");
    }
    if (!seen[0] || !seen[1])
        return lineError(element.line,
                         std::string("the puzzle has no <clues type=\"")
                             + (seen[0] ? "columns" : "rows") + "\">");
    puzzle.rows = static_cast<int>(puzzle.rowClues.size());
    puzzle.columns = static_cast<int>(puzzle.columnClues.size());
    for (int kind = 0; kind < 2; ++kind) {
        std::string message;
        if (const int line = overfullLine(puzzle, kind == 0, message); line >= 0)
            return lineError(lineNumbers[kind][line], message);
    }
    return {};
}

// The rows of an image, one per line, each optionally between '|'s, in
// the palette's symbols: `fileSymbols[k]` is the character the file gave
// colour k, which the palette may have changed to keep symbols apart. A
// character the file gave two colours is a problem, said in `problem`.
std::vector<std::string> imageRows(std::string_view image, const ColourPuzzle &puzzle,
                                   const std::string &fileSymbols, std::string &problem)
{
    std::vector<std::string> rows;
    size_t start = 0;
    while (start <= image.size()) {
        const size_t end = std::min(image.find('\n', start), image.size());
        std::string row = trimmed(image.substr(start, end - start));
        start = end + 1;
        if (!row.empty() && row.front() == '|')
            row.erase(0, 1);
        if (!row.empty() && row.back() == '|')
            row.pop_back();
        if (row.empty())
            continue;
        for (char &c : row) {
            // A colour without a char has '\0' there, which no cell matches.
            const size_t k = c == '\0' ? std::string::npos : fileSymbols.find(c);
            if (k != std::string::npos && problem.empty()
                && fileSymbols.find(c, k + 1) != std::string::npos)
                problem = std::string("the goal's character ") + c + " stands for both "
                    + puzzle.palette[k].name + " and "
                    + puzzle.palette[fileSymbols.find(c, k + 1)].name;
            c = k == std::string::npos ? '?' : k == 0 ? '.' : puzzle.palette[k].symbol;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

ParseError readGoal(const XmlElement &element, const std::string &fileSymbols, XmlPuzzle &result)
{
    for (const XmlElement *solution : element.childrenNamed("solution")) {
        if (attributeOr(*solution, "type", "goal") != "goal")
            continue;
        const std::vector<const XmlElement *> images = solution->childrenNamed("image");
        if (images.empty())
            continue;
        std::string problem;
        std::vector<std::string> goal
            = imageRows(images.front()->text, result.puzzle, fileSymbols, problem);
        if (problem.empty())
            problem = colourGoalProblem(result.puzzle, goal);
        if (!problem.empty())
            return lineError(images.front()->line, problem);
        result.goal = std::move(goal);
        return {};
    }
    return {};
}

XmlPuzzle readPuzzle(const XmlElement &element)
{
    XmlPuzzle result;
    std::string defaultName;
    std::string fileSymbols;
    result.error = readPalette(element, result.puzzle, defaultName, fileSymbols);
    if (!result.error.failed())
        result.error = readClues(element, result.puzzle, defaultName);
    if (!result.error.failed())
        result.error = readGoal(element, fileSymbols, result);
    if (result.error.failed())
        result.puzzle = {};
    return result;
}

} // namespace

std::vector<XmlPuzzle> parseXmlPuzzles(std::string_view content)
{
    XmlElement root;
    std::vector<XmlPuzzle> puzzles;
    if (ParseError error = parseXmlDocument(content, root); error.failed()) {
        puzzles.push_back({ {}, {}, error });
        return puzzles;
    }
    std::vector<const XmlElement *> elements;
    if (root.name == "puzzle")
        elements.push_back(&root);
    else if (root.name == "puzzleset")
        elements = root.childrenNamed("puzzle");
    else
        return { XmlPuzzle {
            {},
            {},
            lineError(root.line, "the document is <" + root.name + ">, not <puzzleset>") } };
    if (elements.empty())
        return { XmlPuzzle { {}, {}, lineError(root.line, "<puzzleset> holds no <puzzle>") } };
    for (const XmlElement *element : elements)
        puzzles.push_back(readPuzzle(*element));
    return puzzles;
}

namespace {

void appendLines(std::string &out, const ColourPuzzle &puzzle,
                 const std::vector<ColourLineClues> &lines, const char *type)
{
    out += std::string("<clues type=\"") + type + "\">\n";
    for (const ColourLineClues &line : lines) {
        if (line.empty()) {
            out += "<line/>\n";
            continue;
        }
        out += "<line>";
        for (const ColourClue &clue : line)
            out += "<count color=\"" + escapedXml(puzzle.palette[clue.colour].name) + "\">"
                + std::to_string(clue.length) + "</count>";
        out += "</line>\n";
    }
    out += "</clues>\n";
}

} // namespace

std::string formatXmlPuzzle(const ColourPuzzle &puzzle, const std::vector<std::string> &goal)
{
    std::string out = "<?xml version=\"1.0\"?>\n<puzzleset>\n<puzzle type=\"grid\" "
                      "defaultcolor=\"";
    out += escapedXml(puzzle.palette.size() > 1 ? puzzle.palette[1].name : "black");
    out += "\" backgroundcolor=\"" + escapedXml(puzzle.palette[0].name) + "\">\n";
    for (size_t k = 0; k < puzzle.palette.size(); ++k) {
        const PaletteColour &colour = puzzle.palette[k];
        out += "<color name=\"" + escapedXml(colour.name) + "\" char=\""
            + escapedXml(std::string(1, k == 0 ? '.' : colour.symbol)) + "\">" + rgbText(colour.rgb)
            + "</color>\n";
    }
    appendLines(out, puzzle, puzzle.columnClues, "columns");
    appendLines(out, puzzle, puzzle.rowClues, "rows");
    if (!goal.empty()) {
        out += "<solution type=\"goal\">\n<image>\n";
        for (const std::string &row : goal)
            out += "|" + escapedXml(row) + "|\n";
        out += "</image>\n</solution>\n";
    }
    out += "</puzzle>\n</puzzleset>\n";
    return out;
}

} // namespace zd
