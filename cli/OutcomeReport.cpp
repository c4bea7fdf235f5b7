#include "OutcomeReport.h"

#include "ExitCodes.h"
#include "JsonLine.h"
#include "PrintableText.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string secondsText(double seconds)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f s", seconds);
    return buffer;
}

void appendGrid(std::string &out, const std::vector<std::string> &rows)
{
    for (const std::string &row : rows)
        out += row + '\n';
}

std::string completeMethodText(const PuzzleOutcome &outcome, bool brief)
{
    if (outcome.verdict == "error")
        return printableText(outcome.name) + ": error: " + printableText(outcome.error) + "\n";
    std::string out = printableText(outcome.name) + ": " + outcome.verdict;
    if (!outcome.grade.empty())
        out += " (grade " + outcome.grade + ")";
    out += " in " + secondsText(outcome.seconds);
    if (outcome.verdict == "none" && !outcome.reason.empty())
        out += ": " + outcome.reason;
    out += '\n';
    if (brief)
        return out;
    const std::vector<std::string> &grid
        = outcome.verdict == "timeout" ? outcome.known : outcome.solution;
    if (grid.empty())
        return out;
    appendGrid(out, grid);
    if (outcome.verdict == "multiple" && !outcome.other.empty()) {
        out += "another solution:\n";
        appendGrid(out, outcome.other);
    }
    return out + '\n';
}

// The model's own report: its pass lines, result code, counts and grid.
std::string lineMethodText(const PuzzleOutcome &outcome, bool brief)
{
    if (brief)
        return printableText(outcome.name) + ": " + outcome.verdict + " (result "
            + std::to_string(outcome.resultCode) + ", " + std::to_string(outcome.steps) + " steps, "
            + std::to_string(outcome.passes) + " passes) in " + secondsText(outcome.seconds) + "\n";
    std::string out = printableText(outcome.name) + ":\n";
    for (char pass : outcome.passLines)
        out += std::string(1, pass) + '\n';
    out += "result: " + std::to_string(outcome.resultCode) + " (" + outcome.verdict + ")\n";
    out += "steps: " + std::to_string(outcome.steps) + "\n";
    out += "passes: " + std::to_string(outcome.passes) + "\n";
    appendGrid(out, outcome.known);
    return out + '\n';
}

} // namespace

std::string textReport(const PuzzleOutcome &outcome, bool brief)
{
    if (outcome.lineMethod)
        return lineMethodText(outcome, brief);
    return completeMethodText(outcome, brief);
}

std::string jsonReport(const PuzzleOutcome &outcome)
{
    JsonLine json;
    json.add("file", outcome.name).add("rows", outcome.rows).add("columns", outcome.columns);
    json.add("verdict", outcome.verdict).addOrNull("grade", outcome.grade);
    json.addSeconds("seconds", outcome.seconds);
    if (outcome.lineMethod) {
        json.add("result", outcome.resultCode).add("steps", int64_t(outcome.steps));
        json.add("passes", int64_t(outcome.passes)).add("pass_lines", outcome.passLines);
        json.addOrNull("solution",
                       outcome.verdict == "solved" ? outcome.known : std::vector<std::string>());
        json.addOrNull("known", outcome.known);
    } else {
        json.addOrNull("solution", outcome.solution).addOrNull("other", outcome.other);
        json.addOrNull("known", outcome.known);
        json.add("search_nodes", outcome.searchNodes).add("probes", outcome.probes);
    }
    if (outcome.verdict == "none")
        json.addOrNull("reason", outcome.reason);
    json.addOrNull("error", outcome.error);
    return json.finish();
}

int exitCodeFor(const PuzzleOutcome &outcome)
{
    if (outcome.verdict == "unique" || outcome.verdict == "solved")
        return ExitAllAnswered;
    if (outcome.verdict != "error")
        return ExitNotUnique;
    return outcome.solverFault ? ExitSolverFault : ExitBadFile;
}

void RunSummary::add(const PuzzleOutcome &outcome)
{
    ++count;
    ++verdicts[outcome.verdict];
    worstExit = std::max(worstExit, exitCodeFor(outcome));
    totalSeconds += outcome.seconds;
    if (outcome.verdict != "error" && outcome.seconds > slowestSeconds) {
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
