// libFuzzer harness for one puzzle reader, chosen at build time by
// ZD_FUZZ_FORMAT ("zd", "zdb", "non", "nin", "tcga" or "xml"). Every input must give
// either a message that names the file or clues within the format's and the
// model's limits; clues the format can write must read back unchanged.
#include "CMalovanaKrizovka.h"
#include "ClueLines.h"
#include "FuzzCheck.h"
#include "PuzzleFormats.h"

#include <cstdint>
#include <string_view>

using namespace zd;

namespace {

void checkLine(const std::vector<int> &clues, int length)
{
    FUZZ_CHECK(!clues.empty(), "a clue line without numbers");
    FUZZ_CHECK(clues.size() <= static_cast<size_t>(maxCluesInLine(length)),
               "more clues than the line holds");
    for (int value : clues) {
        FUZZ_CHECK(value >= 0 && value <= maxClueValue, "clue out of range");
        FUZZ_CHECK(value > 0 || clues.size() == 1, "a 0 beside other clues");
    }
}

void checkClues(const PuzzleClues &clues)
{
    FUZZ_CHECK(clues.rows >= 0 && clues.rows <= maxPuzzleCount, "row count out of range");
    FUZZ_CHECK(clues.columns >= 0 && clues.columns <= maxPuzzleCount, "column count out of range");
    FUZZ_CHECK(clues.rowClues.size() == static_cast<size_t>(clues.rows), "row lines");
    FUZZ_CHECK(clues.columnClues.size() == static_cast<size_t>(clues.columns), "column lines");
    for (const std::vector<int> &line : clues.rowClues)
        checkLine(line, clues.columns);
    for (const std::vector<int> &line : clues.columnClues)
        checkLine(line, clues.rows);
}

// The model holds what the reader read (its grid costs four bytes a cell, so
// only for puzzles of moderate size).
void checkModel(const PuzzleClues &clues)
{
    if (static_cast<long long>(clues.rows) * clues.columns > 1'000'000)
        return;
    CMalovanaKrizovka model;
    clues.applyTo(model);
    const PuzzleClues back = PuzzleClues::fromModel(model);
    FUZZ_CHECK(back.rowClues == clues.rowClues && back.columnClues == clues.columnClues,
               "the model holds other clues than were read");
}

void checkRoundTrip(const PuzzleEntry &entry, PuzzleFormat format)
{
    std::string written;
    std::string error;
    if (!writePuzzleContent(entry, format, written, error))
        return; // a format that is not written, or a puzzle it cannot hold
    const std::vector<PuzzleEntry> again = parsePuzzleContent(written, format, "again");
    FUZZ_CHECK(again.size() == 1 && !again[0].failed(), "written puzzle does not read back");
    FUZZ_CHECK(again[0].clues.rowClues == entry.clues.rowClues
                   && again[0].clues.columnClues == entry.clues.columnClues,
               "written puzzle reads back with other clues");
    FUZZ_CHECK(!entry.isColour || again[0].colour == entry.colour,
               "written colour puzzle reads back otherwise");
}

// A colour puzzle holds only clues of its palette's colours, within its size.
void checkColour(const PuzzleEntry &entry)
{
    if (!entry.isColour)
        return;
    const ColourPuzzle &puzzle = entry.colour;
    FUZZ_CHECK(puzzle.rows > 0 && puzzle.columns > 0, "a colour puzzle without lines");
    FUZZ_CHECK(puzzle.palette.size() >= 3 && puzzle.palette.size() <= maxColours, "palette size");
    FUZZ_CHECK(puzzle.rowClues.size() == static_cast<size_t>(puzzle.rows)
                   && puzzle.columnClues.size() == static_cast<size_t>(puzzle.columns),
               "colour lines");
    for (const auto *lines : { &puzzle.rowClues, &puzzle.columnClues })
        for (const ColourLineClues &line : *lines)
            for (const ColourClue &clue : line)
                FUZZ_CHECK(clue.length >= 1 && clue.length <= maxClueValue && clue.colour >= 1
                               && clue.colour < static_cast<int>(puzzle.palette.size()),
                           "a colour clue out of range");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const PuzzleFormat format = *puzzleFormatNamed(ZD_FUZZ_FORMAT);
    const std::string_view content(reinterpret_cast<const char *>(data), size);
    for (const PuzzleEntry &entry : parsePuzzleContent(content, format, "f")) {
        if (entry.failed()) {
            FUZZ_CHECK(entry.error.rfind("f", 0) == 0, "a message that does not name the file");
            continue;
        }
        checkClues(entry.clues);
        checkColour(entry);
        checkModel(entry.clues);
        checkRoundTrip(entry, format);
    }
    return 0;
}
