#include "SolveMethods.h"

#include "CMalovanaKrizovka.h"
#include "ClueLines.h"
#include "CompleteSolver.h"

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool isComplete(const std::vector<std::string> &rows)
{
    for (const std::string &row : rows)
        if (row.find('?') != std::string::npos)
            return false;
    return true;
}

// The solver's answer must meet every clue; "multiple" needs two different ones.
std::string checkReportedSolutions(const PuzzleOutcome &outcome, const PuzzleClues &clues)
{
    const bool hasSolution = outcome.verdict == "unique" || outcome.verdict == "multiple";
    if (hasSolution
        && (!isComplete(outcome.solution) || !pictureMatchesClues(outcome.solution, clues)))
        return "the solver reported a solution that breaks the clues";
    if (outcome.verdict == "multiple"
        && (!isComplete(outcome.other) || !pictureMatchesClues(outcome.other, clues)
            || outcome.other == outcome.solution))
        return "the solver reported a second solution that breaks the clues or equals the first";
    return {};
}

} // namespace

std::vector<std::string> gridRows(const std::vector<int32_t> &cells, int rows, int columns)
{
    std::vector<std::string> picture;
    if (cells.size() != static_cast<size_t>(rows) * static_cast<size_t>(columns))
        return picture;
    for (int r = 0; r < rows; ++r) {
        std::string row(static_cast<size_t>(columns), '?');
        for (int c = 0; c < columns; ++c) {
            const int32_t state = cells[static_cast<size_t>(r) * columns + c];
            row[c] = state == CellFilled ? '#' : state == CellEmpty ? '.' : '?';
        }
        picture.push_back(std::move(row));
    }
    return picture;
}

bool outcomeWithoutSolving(const PuzzleEntry &entry, PuzzleOutcome &outcome)
{
    const int64_t cells = int64_t(entry.clues.rows) * entry.clues.columns;
    if (!entry.failed() && cells <= maxSolvedCells)
        return false;
    outcome = {};
    outcome.name = entry.name;
    outcome.rows = entry.clues.rows;
    outcome.columns = entry.clues.columns;
    outcome.verdict = "error";
    outcome.error = entry.failed() ? entry.error
                                   : entry.name + ": the puzzle has "
            + std::to_string(entry.clues.rows) + " x " + std::to_string(entry.clues.columns)
            + " cells; zdsolve solves at most " + std::to_string(maxSolvedCells) + " cells";
    return true;
}

PuzzleOutcome solveWithCompleteSolver(const PuzzleEntry &entry, double timeoutSeconds,
                                      const std::atomic<bool> *cancel, SolverEngine engine)
{
    PuzzleOutcome outcome;
    if (outcomeWithoutSolving(entry, outcome))
        return outcome;
    const auto start = std::chrono::steady_clock::now();
    CMalovanaKrizovka model;
    entry.clues.applyTo(model);
    SolveOptions options;
    options.timeLimitSeconds = timeoutSeconds;
    options.cancel = cancel;
    options.engine = engine;
    const SolveResult result = solveCompletely(model, options);
    outcome.seconds = secondsSince(start);
    outcome.name = entry.name;
    outcome.rows = entry.clues.rows;
    outcome.columns = entry.clues.columns;
    outcome.verdict = verdictName(result.verdict);
    // A grade tells how a solution is reached; without one it says nothing.
    if (result.verdict == Verdict::Unique || result.verdict == Verdict::Multiple)
        outcome.grade = gradeName(result.grade);
    outcome.solution = gridRows(result.solution, outcome.rows, outcome.columns);
    outcome.other = gridRows(result.other, outcome.rows, outcome.columns);
    if (result.verdict == Verdict::Timeout)
        outcome.known = gridRows(result.known, outcome.rows, outcome.columns);
    outcome.reason = result.problem;
    outcome.searchNodes = result.searchNodes;
    outcome.probes = result.probes;
    if (std::string fault = checkReportedSolutions(outcome, entry.clues); !fault.empty()) {
        outcome.verdict = "error";
        outcome.grade.clear();
        outcome.solverFault = true;
        outcome.error = entry.name + ": " + fault;
    }
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

const char *lineVerdict(int code)
{
    return code == 0 ? "solved" : code == 1 ? "rejected" : "stuck";
}

} // namespace

PuzzleOutcome solveWithLineLogic(const PuzzleEntry &entry)
{
    PuzzleOutcome outcome;
    if (outcomeWithoutSolving(entry, outcome))
        return outcome;
    outcome.lineMethod = true;
    outcome.name = entry.name;
    outcome.rows = entry.clues.rows;
    outcome.columns = entry.clues.columns;
    const auto start = std::chrono::steady_clock::now();
    CMalovanaKrizovka model;
    entry.clues.applyTo(model);
    CapturedOutput printed;
    outcome.resultCode = model.solve(nullptr, 0);
    outcome.passLines = passLinesOf(printed.finish());
    outcome.seconds = secondsSince(start);
    outcome.verdict = lineVerdict(outcome.resultCode);
    outcome.steps = model.stepCount();
    outcome.passes = model.passCount();
    std::vector<int32_t> cells;
    cells.reserve(static_cast<size_t>(outcome.rows) * outcome.columns);
    for (int r = 0; r < outcome.rows; ++r)
        for (int c = 0; c < outcome.columns; ++c)
            cells.push_back(model.cell(static_cast<int16_t>(r), static_cast<int16_t>(c)));
    outcome.known = gridRows(cells, outcome.rows, outcome.columns);
    return outcome;
}
