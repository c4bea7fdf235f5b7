#include "OutcomeReport.h"

#include "ExitCodes.h"
#include "JsonLine.h"
#include "PrintableText.h"

#include <algorithm>
#include <cstdio>

namespace zd {

namespace {

std::string secondsText(double seconds)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f s", seconds);
    return buffer;
}

std::vector<std::string> rowsOf(const PuzzleOutcome &outcome, const CellGrid &grid)
{
    return pictureOfGrid(grid, outcome.columns);
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
    std::string out = printableText(outcome.name) + ": " + verdictWord(outcome);
    if (outcome.grade)
        out += std::string(" (grade ") + gradeName(*outcome.grade) + ")";
    out += " in " + secondsText(outcome.seconds);
    if (outcome.verdict == Verdict::None && !outcome.reason.empty())
        out += ": " + outcome.reason;
    out += '\n';
    if (brief)
        return out;
    const CellGrid &grid = outcome.verdict == Verdict::Undecided ? outcome.known : outcome.solution;
    if (grid.empty())
        return out;
    appendGrid(out, rowsOf(outcome, grid));
    if (outcome.verdict == Verdict::Multiple && !outcome.other.empty()) {
        out += "another solution:\n";
        appendGrid(out, rowsOf(outcome, outcome.other));
    }
    return out + '\n';
}

// The model's own report: its pass lines, result code, counts and grid.
std::string lineMethodText(const PuzzleOutcome &outcome, bool brief)
{
    if (brief)
        return printableText(outcome.name) + ": " + verdictWord(outcome) + " (result "
            + std::to_string(outcome.resultCode) + ", " + std::to_string(outcome.steps) + " steps, "
            + std::to_string(outcome.passes) + " passes) in " + secondsText(outcome.seconds) + "\n";
    std::string out = printableText(outcome.name) + ":\n";
    for (char pass : outcome.passLines)
        out += std::string(1, pass) + '\n';
    out += "result: " + std::to_string(outcome.resultCode) + " (" + verdictWord(outcome) + ")\n";
    out += "steps: " + std::to_string(outcome.steps) + "\n";
    out += "passes: " + std::to_string(outcome.passes) + "\n";
    appendGrid(out, rowsOf(outcome, outcome.known));
    return out + '\n';
}

} // namespace

std::string verdictWord(const PuzzleOutcome &outcome)
{
    if (outcome.failed)
        return "error";
    if (!outcome.lineMethod)
        return verdictName(outcome.verdict);
    switch (outcome.verdict) {
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
    JsonLine json;
    json.add("file", outcome.name).add("rows", outcome.rows).add("columns", outcome.columns);
    json.add("verdict", verdictWord(outcome))
        .addOrNull("grade", outcome.grade ? gradeName(*outcome.grade) : "");
    json.addSeconds("seconds", outcome.seconds);
    if (outcome.lineMethod) {
        json.add("result", outcome.resultCode).add("steps", int64_t(outcome.steps));
        json.add("passes", int64_t(outcome.passes)).add("pass_lines", outcome.passLines);
        const CellGrid solved = outcome.hasVerdict(Verdict::Unique) ? outcome.known : CellGrid();
        json.addOrNull("solution", rowsOf(outcome, solved));
        json.addOrNull("known", rowsOf(outcome, outcome.known));
    } else {
        json.addOrNull("solution", rowsOf(outcome, outcome.solution))
            .addOrNull("other", rowsOf(outcome, outcome.other));
        json.addOrNull("known", rowsOf(outcome, outcome.known));
        json.add("search_nodes", outcome.searchNodes).add("probes", outcome.probes);
    }
    if (outcome.hasVerdict(Verdict::None) && !outcome.lineMethod)
        json.addOrNull("reason", outcome.reason);
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
    totalSeconds += outcome.seconds;
    if (!outcome.failed && outcome.seconds > slowestSeconds) {
        slowestSeconds = outcome.seconds;
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
