#include "ExplainReport.h"

#include "JsonLine.h"

namespace zd {

namespace {

std::string cellsJson(const std::vector<CellFact> &cells)
{
    std::string json = "[";
    for (size_t i = 0; i < cells.size(); ++i)
        json += (i ? ", [" : "[") + std::to_string(cells[i].row) + ", "
            + std::to_string(cells[i].column)
            + (cells[i].state == CellFilled ? ", \"#\"]" : ", \".\"]");
    return json + "]";
}

std::string lineJson(const LineStep &step)
{
    return std::string("[\"") + (step.isRow ? "row" : "column") + "\", "
        + std::to_string(step.index) + "]";
}

std::string lineStepJson(const LineStep &step, const PuzzleClues &clues)
{
    return std::string("{\"technique\": \"") + techniqueName(step.technique) + "\", \"line\": "
        + lineJson(step) + ", \"cells\": " + cellsJson(step.cells) + ", \"because\": "
        + cellsJson(step.because) + ", \"text\": " + jsonString(lineStepText(step, clues)) + "}";
}

std::string chainJson(const Assumption &tried, const PuzzleClues &clues)
{
    std::string json = "[";
    for (size_t i = 0; i < tried.chain.size(); ++i)
        json += (i ? ", " : "") + lineStepJson(tried.chain[i], clues);
    return json + "]";
}

std::string assumedJson(const Assumption &tried)
{
    const std::string cell = cellsJson({ tried.assumed });
    return cell.substr(1, cell.size() - 2); // one [r, c, v], not a list of them
}

std::string stepJson(const ExplanationStep &step, const PuzzleClues &clues)
{
    if (step.technique <= Technique::Line)
        return lineStepJson(step.line, clues);
    std::string json = std::string("{\"technique\": \"") + techniqueName(step.technique) + "\"";
    if (step.technique == Technique::Contradiction) {
        const Assumption &tried = step.cases.front();
        json += ", \"assume\": " + assumedJson(tried) + ", \"chain\": " + chainJson(tried, clues)
            + ", \"conflict\": {\"line\": " + lineJson(step.conflict)
            + ", \"because\": " + cellsJson(step.conflict.because) + "}";
    } else if (step.technique == Technique::Both) {
        json += ", \"cases\": [";
        for (size_t i = 0; i < step.cases.size(); ++i)
            json += std::string(i ? ", " : "") + "{\"assume\": " + assumedJson(step.cases[i])
                + ", \"chain\": " + chainJson(step.cases[i], clues) + "}";
        json += "]";
    }
    return json + ", \"cells\": " + cellsJson(step.cells)
        + ", \"text\": " + jsonString(stepText(step, clues)) + "}";
}

} // namespace

ExplainedPuzzle explainOutcome(const PuzzleEntry &entry, PuzzleOutcome &outcome,
                               double timeoutSeconds, const std::atomic<bool> *cancel)
{
    ExplainedPuzzle explained;
    // The explanation speaks black and white only.
    if (outcome.failed || outcome.skipped || outcome.lineMethod || outcome.colour
        || outcome.result.verdict == Verdict::Undecided)
        return explained;
    ExplainOptions options;
    options.solved = &outcome.result;
    options.timeLimitSeconds = timeoutSeconds;
    options.cancel = cancel;
    const Explanation explanation = explainPuzzle(entry.clues, options);
    // The grade reported is the explanation's, where the solver gave one.
    if (outcome.grade())
        outcome.result.grade = explanation.grade;
    explained.present = true;
    explained.text = explanationText(explanation, entry.clues);
    explained.jsonMembers = explanationJsonMembers(explanation, entry.clues);
    explained.difficulty = difficultyOf(explanation);
    return explained;
}

std::string difficultyText(const Difficulty &difficulty)
{
    std::string text;
    for (int t = 0; t < techniqueCount; ++t)
        text += (t ? ", " : "") + std::to_string(difficulty.steps[static_cast<size_t>(t)]) + " "
            + techniqueName(static_cast<Technique>(t));
    return text + "; longest chain " + std::to_string(difficulty.longestChain);
}

std::string explanationText(const Explanation &explanation, const PuzzleClues &clues)
{
    std::string text = "steps:\n";
    int number = 0;
    for (const ExplanationStep &step : explanation.steps) {
        text += std::to_string(++number) + ". " + stepText(step, clues) + "\n";
        for (const Assumption &tried : step.cases) {
            if (step.cases.size() > 1)
                text += "   if it is "
                    + std::string(tried.assumed.state == CellFilled ? "filled" : "empty") + ":\n";
            for (const LineStep &chained : tried.chain)
                text += "   - " + lineStepText(chained, clues) + "\n";
        }
    }
    if (const std::string end = endText(explanation); !end.empty())
        text += end + "\n";
    return text + "difficulty: " + difficultyText(difficultyOf(explanation)) + "\n\n";
}

std::string explanationJsonMembers(const Explanation &explanation, const PuzzleClues &clues)
{
    std::string json = "\"steps\": [";
    for (size_t i = 0; i < explanation.steps.size(); ++i)
        json += (i ? ", " : "") + stepJson(explanation.steps[i], clues);
    const Difficulty difficulty = difficultyOf(explanation);
    json += "], \"difficulty\": {";
    for (int t = 0; t < techniqueCount; ++t)
        json += std::string("\"") + techniqueName(static_cast<Technique>(t))
            + "\": " + std::to_string(difficulty.steps[static_cast<size_t>(t)]) + ", ";
    json += "\"longest_chain\": " + std::to_string(difficulty.longestChain) + "}";
    const std::string end = endText(explanation);
    return json + ", \"explanation_end\": " + (end.empty() ? "null" : jsonString(end));
}

} // namespace zd
