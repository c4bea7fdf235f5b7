#include "ToolOptions.h"

namespace zd {

std::string toolHelpText()
{
    return R"(Usage: zdsolve [OPTIONS] FILE|FOLDER...

Solves black-and-white nonograms. For every puzzle it prints the grid ('#'
filled, '.' empty, '?' undecided), the verdict, the grade and the time.
Folders are searched, with their subfolders, for files with the extensions
below; files are read in name order. A file that cannot be read is reported
with its name and line, and the run goes on with the next one. With several
puzzles a summary line ends the output.

Verdicts:  unique    exactly one solution
           multiple  two or more; two that differ are shown
           none      no grid meets the clues
           timeout   the time limit ran out; '?' marks undecided cells
           error     the file or the puzzle could not be read
Grades:    line      line reasoning alone finishes the puzzle
           probe     trying single cells both ways finishes it, no guessing
           search    it needs search (or has no unique solution)

Options:
  --method complete   the complete solver (default)
  --method line       the line-by-line solver of the puzzle model: prints one
                      line "1" or "0" per pass, the result code (0 solved,
                      1 rejected, 2 stuck), the step and pass counts and the
                      grid. Runs one puzzle at a time; --timeout does not apply
  --format NAME       read every file in this format, whatever its extension
  --json              one JSON object per puzzle and line, with the keys file,
                      rows, columns, verdict, grade, seconds, solution (rows of
                      '#' and '.'), other (for multiple), known (for timeout),
                      error (for error); the summary goes to standard error
  --brief             only the verdict line of each puzzle, no grid
  --explain           also the steps that decide the puzzle, easiest first,
                      each with the cells it rests on, and the difficulty
                      (steps of each technique, the longest chain); with
                      --json the keys steps, difficulty and explanation_end
  --ambiguous         also the cells whose value differs between two solutions,
                      shown as '?' in the solution; exact, found by the SAT
                      solver. With --json the key ambiguous: [[row, column],
                      ...], 0-based, [] for a unique puzzle
  --make-unique       also the fewest cells found to change in the first
                      solution so that the changed picture's clues have one
                      solution, proved by the solver before it is shown. With
                      --json the keys changes: [[row, column, "#" or "."],
                      ...] (the new value of each cell) and picture (rows)
  -j, --jobs N        solve N puzzles at once (default: one per core, or one
                      per N cores with --threads N)
  --threads N         race N differently configured searches on each puzzle,
                      on N threads; the first to decide wins (default 1). The
                      verdict is the same; of several solutions, which two
                      are shown may differ from run to run
  --timeout S         give up on a puzzle after S seconds (default 0: no limit)
  --engine sat|cdcl   what finishes a puzzle that search hands over: the SAT
                      solver (default) or the conflict-driven line search
  --to zd|zdb|non|xml convert the puzzles instead of solving them, to standard
                      output (one puzzle only) or to -o; colour puzzles go
                      to non or xml only
  -o, --output PATH   with --to: a file for a single puzzle, or a folder (an
                      existing one, or a name ending in '/') that receives
                      NAME.EXT per puzzle and NAME-N.EXT for puzzle N of a
                      tournament file. A file that is also an input is never
                      written over; each file is written whole or not at all
  --no-progress       no progress bar (it is shown on standard error only when
                      that is a terminal)
  -h, --help          this text

Formats (by extension, or all files with --format):
  zd    the text format: "R C", the row clue lines, a separator line, the
        column clue lines
  zdb   the binary packing of the same clues
  non   Simpson's format: width, height, rows, columns and an optional goal;
        other keywords (title, by, copyright, ...) are ignored
  nin   "W H", then the row clue lines, then the column clue lines
  tcga  tournament batch: a line "$N", then 25 column and 25 row clue lines
        of a 25x25 puzzle, tab-separated, and so on; puzzle N is FILE#N
  pbm   a black-and-white picture (P1 or P4): the puzzle is its clues, one
        pixel a cell, black filled; --to non keeps the picture as the goal
  png   the same from a PNG picture: a pixel darker than half grey and at
        least half opaque is filled. Pictures are read when named, not from
        folders, and not with --format
Only regular files of at most 256 MB are read (no pipes or devices); a line
holds at most (cells + 1) / 2 clues; a tournament file at most 65536 puzzles.

Exit status (the highest that applies):
  0   every puzzle unique (--method line: solved), or every puzzle converted
  1   some puzzle is multiple, none or timeout (--method line: stuck or rejected)
  2   some file or puzzle could not be read, or a converted file not written
  3   the solver reported a grid that breaks the clues (a fault in zdsolve)
  64  bad command line, or --to would write over an input; nothing was done
  130 interrupted by Ctrl-C: puzzles being solved end as timeout, the rest
      are skipped (a second Ctrl-C ends the program at once)
)";
}

} // namespace zd
