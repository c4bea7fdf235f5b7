#include "PuzzleFormats.h"

#include "BinaryPuzzleFormat.h"
#include "ColourNonFormat.h"
#include "NinPuzzleFormat.h"
#include "NonPuzzleFormat.h"
#include "PuzzleFileBytes.h"
#include "TextPuzzleFormat.h"
#include "TournamentPuzzleFormat.h"
#include "XmlPuzzleFormat.h"

#include <cctype>
#include <filesystem>

namespace zd {

namespace {

constexpr PuzzleFormat allFormats[]
    = { PuzzleFormat::Text, PuzzleFormat::Binary,     PuzzleFormat::Non,
        PuzzleFormat::Nin,  PuzzleFormat::Tournament, PuzzleFormat::Xml };

// "path:LINE: what" from a reader's "line N: what"; the binary reader's
// "byte N: what" keeps its own wording after "path: ".
std::string fileMessage(const std::string &path, const ParseError &error)
{
    const std::string &message = error.message;
    if (message.rfind("line ", 0) == 0) {
        const size_t colon = message.find(": ");
        if (colon != std::string::npos)
            return path + ":" + std::to_string(error.line) + ": " + message.substr(colon + 2);
    }
    return path + ": " + message;
}

PuzzleEntry failedEntry(std::string name, std::string message)
{
    PuzzleEntry entry;
    entry.name = std::move(name);
    entry.error = std::move(message);
    return entry;
}

PuzzleEntry singleEntry(const std::string &path, const ParseError &error, PuzzleClues clues)
{
    if (error.failed())
        return failedEntry(path, fileMessage(path, error));
    PuzzleEntry entry;
    entry.name = path;
    entry.clues = std::move(clues);
    return entry;
}

std::vector<PuzzleEntry> tournamentEntries(std::string_view content, const std::string &path)
{
    std::vector<PuzzleEntry> entries;
    for (TournamentPuzzle &puzzle : parseTournamentPuzzles(content)) {
        const std::string name
            = puzzle.number > 0 ? path + "#" + std::to_string(puzzle.number) : path;
        entries.push_back(singleEntry(name, puzzle.error, std::move(puzzle.clues)));
        // The message names the file (where the line number points), the
        // entry's name says which puzzle it was.
        if (entries.back().failed())
            entries.back().error = fileMessage(path, puzzle.error);
    }
    return entries;
}

// A puzzle read with its palette; one of one colour goes the black-and-white way.
PuzzleEntry colourEntry(const std::string &name, ColourPuzzle puzzle, std::vector<std::string> goal)
{
    PuzzleEntry entry;
    entry.name = name;
    entry.isColour = !puzzle.usesOneColour();
    if (!entry.isColour) {
        entry.clues = puzzle.blackAndWhiteClues();
        for (std::string &row : goal)
            for (char &cell : row)
                cell = cell == '.' ? '.' : '#';
    }
    entry.goal = std::move(goal);
    entry.colour = std::move(puzzle);
    return entry;
}

std::vector<PuzzleEntry> xmlEntries(std::string_view content, const std::string &path)
{
    std::vector<XmlPuzzle> puzzles = parseXmlPuzzles(content);
    std::vector<PuzzleEntry> entries;
    for (size_t i = 0; i < puzzles.size(); ++i) {
        const std::string name = puzzles.size() > 1 ? path + "#" + std::to_string(i + 1) : path;
        if (puzzles[i].error.failed())
            entries.push_back(failedEntry(name, fileMessage(path, puzzles[i].error)));
        else
            entries.push_back(
                colourEntry(name, std::move(puzzles[i].puzzle), std::move(puzzles[i].goal)));
    }
    return entries;
}

// The puzzle with a palette for the colour writers: its own, or black on
// white for a black-and-white one.
ColourPuzzle paletteOf(const PuzzleEntry &entry, std::vector<std::string> &goal)
{
    goal = entry.goal;
    if (entry.isColour)
        return entry.colour;
    ColourPuzzle puzzle = entry.colour;
    if (puzzle.palette.size() < 2) {
        puzzle.palette = { { "white", '.', 0xFFFFFF }, { "black", 'X', 0x000000 } };
        puzzle.rows = entry.clues.rows;
        puzzle.columns = entry.clues.columns;
        const auto convert = [](const std::vector<std::vector<int>> &lines) {
            std::vector<ColourLineClues> converted;
            for (const std::vector<int> &line : lines) {
                converted.emplace_back();
                for (int value : line)
                    if (value > 0)
                        converted.back().push_back({ value, 1 });
            }
            return converted;
        };
        puzzle.rowClues = convert(entry.clues.rowClues);
        puzzle.columnClues = convert(entry.clues.columnClues);
    }
    // The one colour the clues use (the first after the background when none).
    int used = 1;
    for (const ColourLineClues &line : puzzle.rowClues)
        if (!line.empty())
            used = line.front().colour;
    for (std::string &row : goal)
        for (char &cell : row)
            cell = cell == '#' ? puzzle.palette[used].symbol : '.';
    return puzzle;
}

} // namespace

const char *puzzleFormatName(PuzzleFormat format)
{
    switch (format) {
    case PuzzleFormat::Text:
        return "zd";
    case PuzzleFormat::Binary:
        return "zdb";
    case PuzzleFormat::Non:
        return "non";
    case PuzzleFormat::Nin:
        return "nin";
    case PuzzleFormat::Tournament:
        return "tcga";
    case PuzzleFormat::Xml:
        return "xml";
    }
    return "?";
}

std::optional<PuzzleFormat> puzzleFormatNamed(std::string_view name)
{
    std::string lower(name);
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (PuzzleFormat format : allFormats)
        if (lower == puzzleFormatName(format))
            return format;
    return std::nullopt;
}

std::optional<PuzzleFormat> puzzleFormatOfPath(std::string_view path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    if (extension.size() < 2)
        return std::nullopt;
    return puzzleFormatNamed(std::string_view(extension).substr(1));
}

std::string puzzleFormatList()
{
    std::string list;
    for (PuzzleFormat format : allFormats)
        list += std::string(list.empty() ? "" : ", ") + puzzleFormatName(format);
    return list;
}

std::vector<PuzzleEntry> parsePuzzleContent(std::string_view content, PuzzleFormat format,
                                            const std::string &path)
{
    PuzzleClues clues;
    ParseError error;
    // Each parse runs before its clues are handed on.
    switch (format) {
    case PuzzleFormat::Text:
        error = parseTextPuzzle(content, clues);
        return { singleEntry(path, error, std::move(clues)) };
    case PuzzleFormat::Binary:
        error = parseBinaryPuzzle(content, clues);
        return { singleEntry(path, error, std::move(clues)) };
    case PuzzleFormat::Nin:
        error = parseNinPuzzle(content, clues);
        return { singleEntry(path, error, std::move(clues)) };
    case PuzzleFormat::Non: {
        if (isColourNonContent(content)) {
            ColourNonPuzzle puzzle;
            error = parseColourNonPuzzle(content, puzzle);
            if (error.failed())
                return { failedEntry(path, fileMessage(path, error)) };
            return { colourEntry(path, std::move(puzzle.puzzle), std::move(puzzle.goal)) };
        }
        NonPuzzle puzzle;
        error = parseNonPuzzle(content, puzzle);
        PuzzleEntry entry = singleEntry(path, error, std::move(puzzle.clues));
        entry.goal = std::move(puzzle.goal);
        // Moved, not listed in braces: an initializer list would copy a goal
        // as large as the file.
        std::vector<PuzzleEntry> entries;
        entries.push_back(std::move(entry));
        return entries;
    }
    case PuzzleFormat::Tournament:
        return tournamentEntries(content, path);
    case PuzzleFormat::Xml:
        return xmlEntries(content, path);
    }
    return { failedEntry(path, path + ": unknown format") };
}

std::vector<PuzzleEntry> readPuzzleFile(const std::string &path, PuzzleFormat format,
                                        ColourPuzzles colour)
{
    std::string content;
    if (std::string error = readPuzzleFileBytes(path, maxPuzzleFileBytes, content); !error.empty())
        return { failedEntry(path, std::move(error)) };
    std::vector<PuzzleEntry> entries = parsePuzzleContent(content, format, path);
    if (colour == ColourPuzzles::Refused)
        for (PuzzleEntry &entry : entries)
            if (entry.isColour)
                entry = failedEntry(entry.name,
                                    path
                                        + ": a puzzle of several colours, which "
                                          "is read only where colours are shown");
    return entries;
}

bool writePuzzleContent(const PuzzleEntry &entry, PuzzleFormat format, std::string &content,
                        std::string &error)
{
    const bool colourFormat = format == PuzzleFormat::Xml || format == PuzzleFormat::Non;
    if (entry.isColour && !colourFormat) {
        error = std::string("a colour puzzle cannot be written in the black-and-white ")
            + puzzleFormatName(format) + " format; use xml or non";
        return false;
    }
    if (colourFormat && (entry.isColour || format == PuzzleFormat::Xml)) {
        std::vector<std::string> goal;
        const ColourPuzzle puzzle = paletteOf(entry, goal);
        if (puzzle.rows <= 0 || puzzle.columns <= 0) {
            error = std::string("the ") + puzzleFormatName(format)
                + " format has no puzzle without rows or columns";
            return false;
        }
        content = format == PuzzleFormat::Xml ? formatXmlPuzzle(puzzle, goal)
                                              : formatColourNonPuzzle(puzzle, goal);
        return true;
    }
    switch (format) {
    case PuzzleFormat::Text:
        content = formatTextPuzzle(entry.clues);
        return true;
    case PuzzleFormat::Non:
        if (entry.clues.rows == 0 || entry.clues.columns == 0) {
            error = "the .non format has no puzzle without rows or columns";
            return false;
        }
        content = formatNonPuzzle(entry.clues, entry.goal);
        return true;
    case PuzzleFormat::Binary:
        return formatBinaryPuzzle(entry.clues, content, error);
    case PuzzleFormat::Nin:
    case PuzzleFormat::Tournament:
    case PuzzleFormat::Xml:
        break;
    }
    error = std::string("puzzles cannot be written in the ") + puzzleFormatName(format) + " format";
    return false;
}

} // namespace zd
