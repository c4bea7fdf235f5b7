#include "NinPuzzleFormat.h"

#include "ClueLines.h"

namespace zd {

namespace {

ParseError parseSizeLine(std::string_view line, int lineNumber, int &width, int &height)
{
    const std::string_view text = trimmedLine(line);
    size_t split = 0;
    while (split < text.size() && !isClueBlank(text[split]))
        ++split;
    width = parseCount(text.substr(0, split));
    height = parseCount(trimmedLine(text.substr(split)));
    if (width < 0 || height < 0)
        return lineError(lineNumber,
                         "the first line must hold the width and the height, each "
                         "between 1 and "
                             + std::to_string(maxPuzzleCount));
    return {};
}

ParseError readLines(LineSplitter &lines, int count, int length, const char *what,
                     std::vector<std::vector<int>> &lists)
{
    std::string_view line;
    for (int i = 0; i < count; ++i) {
        if (!lines.next(line))
            return lineError(lines.lineNumber() + 1,
                             std::string("file ends before the clue line of ") + what + " "
                                 + std::to_string(i + 1));
        lists.emplace_back();
        if (ParseError error = parseClueNumbers(line, lines.lineNumber(),
                                                std::string(what) + " " + std::to_string(i + 1),
                                                ClueSeparators::Blanks, length, lists.back());
            error.failed())
            return error;
    }
    return {};
}

} // namespace

ParseError parseNinPuzzle(std::string_view content, PuzzleClues &clues)
{
    LineSplitter lines(content);
    std::string_view line;
    if (!lines.next(line))
        return lineError(1, "the file is empty; it must start with the width and the height");
    PuzzleClues parsed;
    if (ParseError error = parseSizeLine(line, lines.lineNumber(), parsed.columns, parsed.rows);
        error.failed())
        return error;
    // The lists grow line by line, so a short file that announces a huge
    // puzzle is rejected before anything big is allocated.
    if (ParseError error = readLines(lines, parsed.rows, parsed.columns, "row", parsed.rowClues);
        error.failed())
        return error;
    if (ParseError error
        = readLines(lines, parsed.columns, parsed.rows, "column", parsed.columnClues);
        error.failed())
        return error;
    while (lines.next(line))
        if (!trimmedLine(line).empty())
            return lineError(lines.lineNumber(),
                             "text after the last column clue line; do the width and height match "
                             "the clue lines?");
    clues = std::move(parsed);
    return {};
}

} // namespace zd
