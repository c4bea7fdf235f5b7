#pragma once

#include "ColourPuzzle.h"
#include "PuzzleClues.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zd {

// Every puzzle file format the readers know, found by a file's extension or
// by name, and one entry point that reads any of them into a list of
// puzzles (a tournament batch file holds many).

enum class PuzzleFormat {
    Text, // ".zd", TextPuzzleFormat.h
    Binary, // ".zdb", BinaryPuzzleFormat.h
    Non, // ".non", NonPuzzleFormat.h
    Nin, // ".nin", NinPuzzleFormat.h
    Tournament, // ".tcga", TournamentPuzzleFormat.h
    Xml, // ".xml", webpbn's format, XmlPuzzleFormat.h
};

// "zd", "zdb", "non", "nin", "tcga", "xml": the format's name, which is also its
// extension without the dot.
const char *puzzleFormatName(PuzzleFormat format);
std::optional<PuzzleFormat> puzzleFormatNamed(std::string_view name);
// By the extension of the path, without regard to case.
std::optional<PuzzleFormat> puzzleFormatOfPath(std::string_view path);
// "zd, zdb, non, nin, tcga, xml", for messages and help.
std::string puzzleFormatList();

// One puzzle read from a file, or the reason it could not be read.
struct PuzzleEntry
{
    std::string name; // the file's path; "path#N" for puzzle N of a batch file
    PuzzleClues clues;
    std::vector<std::string> goal; // the picture the file gives, if any ('#' and '.')
    std::string error; // "path:LINE: what is wrong"; empty when the puzzle was read
    bool failed() const { return !error.empty(); }
    // Read from a file with a palette (XML, .non with colours): the puzzle
    // as the file gives it. When its clues use one colour it is also in
    // `clues` and solved as black and white; else `isColour` is set,
    // `clues` stays empty and `goal` is drawn in the palette's symbols.
    ColourPuzzle colour;
    bool isColour = false;
};

// Files larger than this are refused before they are read.
inline constexpr long long maxPuzzleFileBytes = 256LL * 1024 * 1024;

// Parses content of the given format; `path` names the entries and messages.
std::vector<PuzzleEntry> parsePuzzleContent(std::string_view content, PuzzleFormat format,
                                            const std::string &path);
// Whether a caller takes colour puzzles; one that does not gets each as a
// failed entry, so it never sees a puzzle it cannot show.
enum class ColourPuzzles { Refused, Read };

// Reads and parses a file; a file that cannot be read gives one failed entry.
std::vector<PuzzleEntry> readPuzzleFile(const std::string &path, PuzzleFormat format,
                                        ColourPuzzles colour = ColourPuzzles::Refused);

// Writes a puzzle in the text, binary, .non or XML format. Returns false with
// a reason in `error` for the formats that cannot be written or a puzzle the
// format cannot hold (a colour puzzle in a black-and-white format).
bool writePuzzleContent(const PuzzleEntry &entry, PuzzleFormat format, std::string &content,
                        std::string &error);

} // namespace zd
