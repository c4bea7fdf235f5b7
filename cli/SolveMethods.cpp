#include "SolveMethods.h"

#include "CMalovanaKrizovka.h"
#include "ColourSolver.h"
#include "CompleteSolver.h"

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace zd {

namespace {

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The solver's answer must meet every clue; "multiple" needs two different ones.
std::string checkReportedSolutions(const PuzzleOutcome &outcome, const PuzzleClues &clues)
{
    const bool hasSolution
        = outcome.hasVerdict(Verdict::Unique) || outcome.hasVerdict(Verdict::Multiple);
    const SolveResult &result = outcome.result;
    if (hasSolution && !clues.isSolvedBy(result.solution))
        return "the solver reported a solution that breaks the clues";
    if (outcome.hasVerdict(Verdict::Multiple)
        && (!clues.isSolvedBy(result.other) || result.other == result.solution))
        return "the solver reported a second solution that breaks the clues or equals the first";
    return {};
}

} // namespace

bool outcomeWithoutSolving(const PuzzleEntry &entry, PuzzleOutcome &outcome)
{
    const int64_t cells = int64_t(entry.clues.rows) * entry.clues.columns;
    if (!entry.failed() && cells <= maxSolvedCells)
        return false;
    outcome = {};
    outcome.name = entry.name;
    outcome.result.rows = entry.clues.rows;
    outcome.result.columns = entry.clues.columns;
    outcome.failed = true;
    outcome.error = entry.failed() ? entry.error
                                   : entry.name + ": the puzzle has "
            + std::to_string(entry.clues.rows) + " x " + std::to_string(entry.clues.columns)
            + " cells; zdsolve solves at most " + std::to_string(maxSolvedCells) + " cells";
    return true;
}

PuzzleOutcome solveWithCompleteSolver(const PuzzleEntry &entry, double timeoutSeconds,
                                      const std::atomic<bool> *cancel, SolverEngine engine,
                                      int threads)
{
    if (entry.isColour && !entry.failed())
        return solveColourEntry(entry, timeoutSeconds, cancel, threads);
    PuzzleOutcome outcome;
    if (outcomeWithoutSolving(entry, outcome))
        return outcome;
    const auto start = std::chrono::steady_clock::now();
    SolveOptions options;
    options.timeLimitSeconds = timeoutSeconds;
    options.cancel = cancel;
    options.engine = engine;
    options.threads = threads;
    outcome.result = solveCompletely(entry.clues, options);
    outcome.result.seconds = secondsSince(start);
    outcome.name = entry.name;
    outcome.result.rows = entry.clues.rows;
    outcome.result.columns = entry.clues.columns;
    if (outcome.result.verdict != Verdict::Undecided)
        outcome.result.known.clear();
    if (std::string fault = checkReportedSolutions(outcome, entry.clues); !fault.empty()) {
        outcome.failed = true;
        outcome.solverFault = true;
        outcome.error = entry.name + ": " + fault;
    }
    return outcome;
}

PuzzleOutcome solveColourEntry(const PuzzleEntry &entry, double timeoutSeconds,
                               const std::atomic<bool> *cancel, int threads)
{
    const ColourPuzzle &puzzle = entry.colour;
    PuzzleOutcome outcome;
    outcome.name = entry.name;
    outcome.colour = true;
    outcome.result.rows = puzzle.rows;
    outcome.result.columns = puzzle.columns;
    if (int64_t(puzzle.rows) * puzzle.columns > maxSolvedCells) {
        outcome.failed = true;
        outcome.error = entry.name + ": the puzzle has " + std::to_string(puzzle.rows) + " x "
            + std::to_string(puzzle.columns) + " cells; zdsolve solves at most "
            + std::to_string(maxSolvedCells) + " cells";
        return outcome;
    }
    const auto start = std::chrono::steady_clock::now();
    SolveOptions options;
    options.timeLimitSeconds = timeoutSeconds;
    options.cancel = cancel;
    options.threads = threads;
    const ColourSolveResult solved = solveColourCompletely(puzzle, options);
    SolveResult &result = outcome.result;
    result.verdict = solved.verdict;
    result.grade = solved.grade;
    result.problem = solved.problem;
    result.searchNodes = solved.searchNodes;
    result.probes = solved.probes;
    result.seconds = secondsSince(start);
    const bool hasSolution
        = solved.verdict == Verdict::Unique || solved.verdict == Verdict::Multiple;
    if ((hasSolution && !puzzle.isSolvedBy(solved.solution))
        || (solved.verdict == Verdict::Multiple
            && (!puzzle.isSolvedBy(solved.other) || solved.other == solved.solution))) {
        outcome.failed = true;
        outcome.solverFault = true;
        outcome.error = entry.name + ": the solver reported a solution that breaks the clues";
        return outcome;
    }
    outcome.colourSolution = pictureOfColourGrid(puzzle, solved.solution);
    outcome.colourOther = pictureOfColourGrid(puzzle, solved.other);
    if (solved.verdict == Verdict::Undecided)
        outcome.colourKnown = pictureOfColourGrid(puzzle, solved.known);
    return outcome;
}

namespace {

// Points standard output at a temporary file for as long as it lives, and
// hands back what was written there.
class CapturedOutput
{
public:
    CapturedOutput()
    {
        std::fflush(stdout);
        capture = std::tmpfile();
        saved = capture ? dup(STDOUT_FILENO) : -1;
        if (saved >= 0)
            dup2(fileno(capture), STDOUT_FILENO);
    }
    ~CapturedOutput()
    {
        finish();
        if (capture)
            std::fclose(capture);
    }
    CapturedOutput(const CapturedOutput &) = delete;
    CapturedOutput &operator=(const CapturedOutput &) = delete;

    std::string finish()
    {
        std::string text;
        std::fflush(stdout);
        if (saved < 0)
            return text;
        dup2(saved, STDOUT_FILENO);
        close(saved);
        saved = -1;
        std::rewind(capture);
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, capture)) > 0)
            text.append(buffer, got);
        return text;
    }

private:
    std::FILE *capture = nullptr;
    int saved = -1;
};

std::string passLinesOf(const std::string &printed)
{
    std::string passes;
    for (char c : printed)
        if (c == '0' || c == '1')
            passes += c;
    return passes;
}

Verdict lineVerdict(int code)
{
    return code == 0 ? Verdict::Unique : code == 1 ? Verdict::None : Verdict::Undecided;
}

} // namespace

PuzzleOutcome solveWithLineLogic(const PuzzleEntry &entry)
{
    PuzzleOutcome outcome;
    if (outcomeWithoutSolving(entry, outcome))
        return outcome;
    if (entry.isColour) {
        outcome.name = entry.name;
        outcome.failed = true;
        outcome.error = entry.name + ": the line method solves black-and-white puzzles only";
        return outcome;
    }
    outcome.lineMethod = true;
    outcome.name = entry.name;
    SolveResult &result = outcome.result;
    result.rows = entry.clues.rows;
    result.columns = entry.clues.columns;
    const auto start = std::chrono::steady_clock::now();
    CMalovanaKrizovka model;
    entry.clues.applyTo(model);
    CapturedOutput printed;
    outcome.resultCode = model.solve(nullptr, 0);
    outcome.passLines = passLinesOf(printed.finish());
    result.seconds = secondsSince(start);
    result.verdict = lineVerdict(outcome.resultCode);
    outcome.steps = model.stepCount();
    outcome.passes = model.passCount();
    result.known.reserve(static_cast<size_t>(result.rows) * result.columns);
    for (int r = 0; r < result.rows; ++r)
        for (int c = 0; c < result.columns; ++c)
            result.known.push_back(static_cast<CellState>(
                model.cell(static_cast<int16_t>(r), static_cast<int16_t>(c))));
    return outcome;
}

} // namespace zd
