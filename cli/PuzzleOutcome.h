#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What zdsolve reports about one puzzle, whichever method solved it.
struct PuzzleOutcome
{
    std::string name; // file, or file#N
    int rows = 0;
    int columns = 0;
    // unique, multiple, none, timeout or error; the line method says
    // solved, stuck or rejected instead.
    std::string verdict;
    std::string grade; // line, probe or search; empty when there is none
    double seconds = 0;
    std::vector<std::string> solution; // rows of '#' and '.'
    std::vector<std::string> other; // multiple: a second solution
    std::vector<std::string> known; // timeout, and the line method's grid: '?' undecided
    std::string error; // the message for verdict error
    bool solverFault = false; // error: the solver's answer broke the clues
    bool skipped = false; // not solved because the run was interrupted; not reported
    std::string reason; // none: why, when the solver can tell

    // The line method's own figures.
    bool lineMethod = false;
    std::string passLines; // one '1' or '0' per pass, as the model printed them
    int resultCode = -1;
    int32_t steps = 0;
    int32_t passes = 0;

    int64_t searchNodes = 0;
    int64_t probes = 0;
};

// Rows of '#', '.' and '?' from row-major cell states (2 filled, 1 empty,
// 0 undecided).
std::vector<std::string> gridRows(const std::vector<int32_t> &cells, int rows, int columns);
