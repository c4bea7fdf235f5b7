#pragma once

#include "ParseError.h"
#include "PuzzleClues.h"

#include <string>
#include <string_view>
#include <vector>

namespace zd {

// The tournament batch format (".tcga"): many 25 x 25 puzzles in one file.
//
//     $1             a '$' and the puzzle's number start each puzzle
//     <25 lines>     clue numbers of columns 0..24, separated by tabs
//     <25 lines>     clue numbers of rows 0..24
//     $2
//     ...
//
// Blanks are accepted between numbers as well as tabs; an empty line or 0 is
// a line without filled cells. Blank lines between puzzles are skipped.
// A malformed puzzle does not spoil the others: it becomes an entry with its
// error, and reading goes on at the next '$' line.

inline constexpr int tournamentSize = 25;
// Every entry, broken ones too, costs memory, and a file of "$1" lines makes
// one per three bytes: reading stops after this many with a final entry
// saying so.
inline constexpr int maxTournamentPuzzles = 65536;

struct TournamentPuzzle
{
    int number = 0; // from its '$' line; 0 for text that belongs to no puzzle
    PuzzleClues clues;
    ParseError error; // failed(): the puzzle (or stray text) could not be read
};

// Every puzzle of the file in file order. A file without any puzzle gives a
// single failed entry.
std::vector<TournamentPuzzle> parseTournamentPuzzles(std::string_view content);

} // namespace zd
