#include "OutcomeReport.h"

#include "ExitCodes.h"
#include "JsonLine.h"
#include "PrintableText.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace zd {

namespace {

std::string secondsText(double seconds)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f s", seconds);
    return buffer;
}

// The rows a report shows of one grid: a colour puzzle's own pictures, else
// the black-and-white grid drawn.
std::vector<std::string> rowsOf(const PuzzleOutcome &outcome, const CellGrid &grid,
                                const std::vector<std::string> &colourRows = {})
{
    return outcome.colour ? colourRows : pictureOfGrid(grid, outcome.result.columns);
}

void appendGrid(std::string &out, const std::vector<std::string> &rows)
{
    for (const std::string &row : rows)
        out += row + '\n';
}

std::string completeMethodText(const PuzzleOutcome &outcome, bool brief)
{
    if (outcome.failed)
        return printableText(outcome.name) + ": error: " + printableText(outcome.error) + "\n";
    const SolveResult &result = outcome.result;
    std::string out = printableText(outcome.name) + ": " + verdictWord(outcome);
    if (const std::optional<Grade> grade = outcome.grade())
        out += std::string(" (grade ") + gradeName(*grade) + ")";
    out += " in " + secondsText(result.seconds);
    if (result.verdict == Verdict::None && !result.problem.empty())
        out += ": " + result.problem;
    out += '\n';
    if (brief)
        return out;
    const bool undecided = result.verdict == Verdict::Undecided;
    const std::vector<std::string> rows
        = rowsOf(outcome, undecided ? result.known : result.solution,
                 undecided ? outcome.colourKnown : outcome.colourSolution);
    if (rows.empty())
        return out;
    appendGrid(out, rows);
    const std::vector<std::string> other = rowsOf(outcome, result.other, outcome.colourOther);
    if (result.verdict == Verdict::Multiple && !other.empty()) {
        out += "another solution:\n";
        appendGrid(out, other);
    }
    return out + '\n';
}

// The model's own report: its pass lines, result code, counts and grid.
std::string lineMethodText(const PuzzleOutcome &outcome, bool brief)
{
    if (brief)
        return printableText(outcome.name) + ": " + verdictWord(outcome) + " (result "
            + std::to_string(outcome.resultCode) + ", " + std::to_string(outcome.steps) + " steps, "
            + std::to_string(outcome.passes) + " passes) in " + secondsText(outcome.result.seconds)
            + "\n";
    std::string out = printableText(outcome.name) + ":\n";
    for (char pass : outcome.passLines)
        out += std::string(1, pass) + '\n';
    out += "result: " + std::to_string(outcome.resultCode) + " (" + verdictWord(outcome) + ")\n";
    out += "steps: " + std::to_string(outcome.steps) + "\n";
    out += "passes: " + std::to_string(outcome.passes) + "\n";
    appendGrid(out, rowsOf(outcome, outcome.result.known));
    return out + '\n';
}

} // namespace

std::string verdictWord(const PuzzleOutcome &outcome)
{
    if (outcome.failed)
        return "error";
    if (!outcome.lineMethod)
        return verdictName(outcome.result.verdict);
    switch (outcome.result.verdict) {
    case Verdict::Unique:
        return "solved";
    case Verdict::None:
        return "rejected";
    case Verdict::Multiple:
    case Verdict::Undecided:
        break;
    }
    return "stuck";
}

std::string textReport(const PuzzleOutcome &outcome, bool brief)
{
    if (outcome.lineMethod)
        return lineMethodText(outcome, brief);
    return completeMethodText(outcome, brief);
}

std::string jsonReport(const PuzzleOutcome &outcome, std::string_view moreMembers)
{
    const SolveResult &result = outcome.result;
    const std::optional<Grade> grade = outcome.grade();
    JsonLine json;
    json.add("file", outcome.name).add("rows", result.rows).add("columns", result.columns);
    json.add("verdict", verdictWord(outcome)).addOrNull("grade", grade ? gradeName(*grade) : "");
    json.addSeconds("seconds", result.seconds);
    if (outcome.lineMethod) {
        json.add("result", outcome.resultCode).add("steps", int64_t(outcome.steps));
        json.add("passes", int64_t(outcome.passes)).add("pass_lines", outcome.passLines);
        const CellGrid solved = outcome.hasVerdict(Verdict::Unique) ? result.known : CellGrid();
        json.addOrNull("solution", rowsOf(outcome, solved));
        json.addOrNull("known", rowsOf(outcome, result.known));
    } else {
        json.addOrNull("solution", rowsOf(outcome, result.solution, outcome.colourSolution))
            .addOrNull("other", rowsOf(outcome, result.other, outcome.colourOther));
        json.addOrNull("known", rowsOf(outcome, result.known, outcome.colourKnown));
        json.add("search_nodes", result.searchNodes).add("probes", result.probes);
    }
    if (outcome.hasVerdict(Verdict::None) && !outcome.lineMethod)
        json.addOrNull("reason", result.problem);
    json.addOrNull("error", outcome.error);
    if (!moreMembers.empty())
        json.addMembers(moreMembers);
    return json.finish();
}

int exitCodeFor(const PuzzleOutcome &outcome)
{
    if (outcome.hasVerdict(Verdict::Unique))
        return ExitAllAnswered;
    if (!outcome.failed)
        return ExitNotUnique;
    return outcome.solverFault ? ExitSolverFault : ExitBadFile;
}

void RunSummary::add(const PuzzleOutcome &outcome)
{
    ++count;
    ++verdicts[verdictWord(outcome)];
    worstExit = std::max(worstExit, exitCodeFor(outcome));
    totalSeconds += outcome.result.seconds;
    if (!outcome.failed && outcome.result.seconds > slowestSeconds) {
        slowestSeconds = outcome.result.seconds;
        slowestName = outcome.name;
    }
}

std::string RunSummary::text() const
{
    std::string out = std::to_string(count) + (count == 1 ? " puzzle" : " puzzles");
    const char *order[]
        = { "unique", "multiple", "none", "timeout", "solved", "stuck", "rejected", "error" };
    std::string counts;
    for (const char *verdict : order)
        if (auto found = verdicts.find(verdict); found != verdicts.end())
            counts += (counts.empty() ? "" : ", ") + std::to_string(found->second) + " " + verdict;
    if (!counts.empty())
        out += ": " + counts;
    out += "; " + secondsText(totalSeconds) + " in all";
    if (slowestSeconds >= 0)
        out += ", slowest " + secondsText(slowestSeconds) + " (" + printableText(slowestName) + ")";
    return out + '\n';
}

} // namespace zd
