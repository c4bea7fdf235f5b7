#include "PuzzleFormats.h"

#include "BinaryPuzzleFormat.h"
#include "NinPuzzleFormat.h"
#include "NonPuzzleFormat.h"
#include "PuzzleFileBytes.h"
#include "TextPuzzleFormat.h"
#include "TournamentPuzzleFormat.h"

#include <cctype>
#include <filesystem>

namespace zd {

namespace {

constexpr PuzzleFormat allFormats[] = { PuzzleFormat::Text, PuzzleFormat::Binary, PuzzleFormat::Non,
                                        PuzzleFormat::Nin, PuzzleFormat::Tournament };

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
    }
    return { failedEntry(path, path + ": unknown format") };
}

std::vector<PuzzleEntry> readPuzzleFile(const std::string &path, PuzzleFormat format)
{
    std::string content;
    if (std::string error = readPuzzleFileBytes(path, maxPuzzleFileBytes, content); !error.empty())
        return { failedEntry(path, std::move(error)) };
    return parsePuzzleContent(content, format, path);
}

bool writePuzzleContent(const PuzzleEntry &entry, PuzzleFormat format, std::string &content,
                        std::string &error)
{
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
        break;
    }
    error = std::string("puzzles cannot be written in the ") + puzzleFormatName(format) + " format";
    return false;
}

} // namespace zd
