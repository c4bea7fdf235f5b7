#pragma once

#include "ParseError.h"
#include "PuzzleClues.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zd {

// The binary puzzle format.
//
//   offset 0          int32 little-endian  R, the row count (0..32767)
//   offset 4          int32 little-endian  C, the column count (0..1024)
//   offset 8          R records of C bytes: the clue lists of rows 0..R-1
//   offset 8 + R*C    1 byte separator (written as 0, ignored on reading)
//   offset 9 + R*C    C records of C bytes: the clue lists of columns 0..C-1
//
// Packing of one record (C bytes), first block first:
//   - a byte 1..127 is a clue of that length;
//   - a byte with the high bit set starts a two-byte clue 128..32767:
//     ((byte & 0x7F) << 8) | next byte;
//   - a 0 byte ends the list; the rest of the record is padding (written as 0).
//   A record that starts with 0 (all padding) is the line without filled
//   cells, whose clue list is the single number 0.
//
// What the format cannot hold, and the writer refuses:
//   - more than 1024 columns;
//   - a line whose packed list is longer than C bytes. Every row fits (a row of
//     C cells never needs more than C bytes), but a column only has C bytes for
//     its R cells, so a puzzle with many more rows than columns may not fit
//     (for example 1 column of 3 rows with the clues 1 1);
//   - a clue 0 beside other clues (meaningless), or above 32767.

// Parses a whole file's bytes. On failure `clues` is left as it was; the
// error's `line` is the byte offset where the problem was seen.
ParseError parseBinaryPuzzle(std::string_view bytes, PuzzleClues &clues);

// Packs clues into the format. Returns false and an explanation in `error`
// when the puzzle cannot be held (see above).
bool formatBinaryPuzzle(const PuzzleClues &clues, std::string &bytes, std::string &error);

inline constexpr int maxBinaryColumns = 1024;

} // namespace zd
