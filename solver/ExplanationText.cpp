#include "Explanation.h"

#include <algorithm>

namespace zd {

// The steps in plain English. Lines, cells and positions are counted from 1,
// as people count; a cell's position along its line is its column in a row
// and its row in a column.

namespace {

const std::vector<int> &cluesOf(const PuzzleClues &clues, bool isRow, int index)
{
    return isRow ? clues.rowClues[static_cast<size_t>(index)]
                 : clues.columnClues[static_cast<size_t>(index)];
}

std::string lineName(bool isRow, int index, const PuzzleClues &clues)
{
    std::string text = std::string(isRow ? "Row " : "Column ") + std::to_string(index + 1) + " (";
    const std::vector<int> &numbers = cluesOf(clues, isRow, index);
    for (size_t i = 0; i < numbers.size(); ++i)
        text += (i ? " " : "") + std::to_string(numbers[i]);
    return text + ")";
}

std::string ordinal(int n)
{
    static const char *const words[]
        = { "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth" };
    if (n >= 1 && n <= 8)
        return words[n - 1];
    const char *suffix = n % 10 == 1 && n % 100 != 11 ? "st"
        : n % 10 == 2 && n % 100 != 12                ? "nd"
        : n % 10 == 3 && n % 100 != 13                ? "rd"
                                                      : "th";
    return std::to_string(n) + suffix;
}

// "the 4", or "the second 1" when the line has more than one 1.
std::string blockName(const std::vector<int> &numbers, int block)
{
    const int value = numbers[static_cast<size_t>(block)];
    const auto same = std::count(numbers.begin(), numbers.end(), value);
    if (same == 1)
        return "the " + std::to_string(value);
    const auto before = std::count(numbers.begin(), numbers.begin() + block, value);
    return "the " + ordinal(static_cast<int>(before) + 1) + " " + std::to_string(value);
}

// "cell 5", "cells 5-6", "cells 2, 5-6" for positions counted from 0.
std::string positionsText(std::vector<int> positions)
{
    std::sort(positions.begin(), positions.end());
    std::string ranges;
    for (size_t i = 0; i < positions.size();) {
        size_t j = i;
        while (j + 1 < positions.size() && positions[j + 1] == positions[j] + 1)
            ++j;
        ranges += (i ? ", " : "") + std::to_string(positions[i] + 1);
        if (j > i)
            ranges += "-" + std::to_string(positions[j] + 1);
        i = j + 1;
    }
    return (positions.size() == 1 ? "cell " : "cells ") + ranges;
}

// The cells of one line by state: "cells 2-3 filled and cell 5 empty".
std::string lineCellsText(const std::vector<CellFact> &facts, bool isRow)
{
    std::string text;
    for (const CellState state : { CellFilled, CellEmpty }) {
        std::vector<int> positions;
        for (const CellFact &fact : facts)
            if (fact.state == state)
                positions.push_back(isRow ? fact.column : fact.row);
        if (positions.empty())
            continue;
        text += (text.empty() ? "" : " and ") + positionsText(positions)
            + (state == CellFilled ? " filled" : " empty");
    }
    return text;
}

std::string cellName(const CellFact &fact)
{
    return "row " + std::to_string(fact.row + 1) + ", column " + std::to_string(fact.column + 1);
}

const char *stateWord(CellState state)
{
    return state == CellFilled ? "filled" : "empty";
}

std::string capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string spacesReason(const LineStep &step, const std::vector<int> &numbers)
{
    const int blocks
        = static_cast<int>(numbers.size() == 1 && numbers[0] == 0 ? 0 : numbers.size());
    if (blocks == 0)
        return "the line has no blocks";
    std::string reason;
    if (step.block > 0)
        reason = blockName(numbers, step.block - 1) + " ends at cell "
            + std::to_string(step.latest + numbers[static_cast<size_t>(step.block - 1)])
            + " at the latest";
    if (step.block < blocks)
        reason += (reason.empty() ? "" : " and ") + blockName(numbers, step.block)
            + " starts at cell " + std::to_string(step.earliest + 1) + " at the earliest";
    return reason;
}

} // namespace

std::string lineStepText(const LineStep &step, const PuzzleClues &clues)
{
    const std::vector<int> &numbers = cluesOf(clues, step.isRow, step.index);
    std::string text = lineName(step.isRow, step.index, clues) + ": "
        + lineCellsText(step.cells, step.isRow) + ": ";
    const char *them = step.cells.size() == 1 ? "it" : "them";
    switch (step.technique) {
    case Technique::Overlap:
        text += blockName(numbers, step.block) + " covers " + them + " wherever it goes (";
        if (step.earliest == step.latest)
            return text + "it can only start at cell " + std::to_string(step.earliest + 1) + ")";
        return text + "it starts between " + std::to_string(step.earliest + 1) + " and "
            + std::to_string(step.latest + 1) + ")";
    case Technique::Spaces:
        return text + "no block reaches " + them + " (" + spacesReason(step, numbers) + ")";
    default:
        break;
    }
    text += "every placement of the blocks agrees on " + std::string(them);
    if (!step.because.empty())
        text += ", given " + lineCellsText(step.because, step.isRow);
    return text;
}

std::string stepText(const ExplanationStep &step, const PuzzleClues &clues)
{
    switch (step.technique) {
    case Technique::Overlap:
    case Technique::Spaces:
    case Technique::Line:
        return lineStepText(step.line, clues);
    case Technique::Contradiction: {
        const Assumption &tried = step.cases.front();
        std::string text = capitalised(cellName(step.cells.front())) + " "
            + stateWord(step.cells.front().state) + ": if it were " + stateWord(tried.assumed.state)
            + ", ";
        if (!tried.chain.empty())
            text += std::to_string(tried.chain.size())
                + (tried.chain.size() == 1 ? " line step" : " line steps") + " would follow and ";
        std::string conflicted = lineName(step.conflict.isRow, step.conflict.index, clues);
        conflicted[0] = static_cast<char>(conflicted[0] - 'A' + 'a');
        return text + conflicted + " would have no placement";
    }
    case Technique::Both: {
        std::string text = std::to_string(step.cells.size())
            + (step.cells.size() == 1 ? " cell" : " cells") + " decided whichever way "
            + cellName(step.cases.front().assumed) + " goes: ";
        constexpr size_t listed = 8;
        for (size_t i = 0; i < step.cells.size() && i < listed; ++i)
            text
                += (i ? "; " : "") + cellName(step.cells[i]) + " " + stateWord(step.cells[i].state);
        if (step.cells.size() > listed)
            text += "; and " + std::to_string(step.cells.size() - listed) + " more";
        return text;
    }
    case Technique::Search:
        break;
    }
    return "The other " + std::to_string(step.cells.size())
        + " cells as search found them: no line and no single cell tried both ways decides "
          "any more";
}

std::string endText(const Explanation &explanation)
{
    const std::string left = std::to_string(explanation.undecided) + " cells";
    switch (explanation.end) {
    case ExplanationEnd::Solved:
        return {};
    case ExplanationEnd::SeveralSolutions:
        return "The other " + left + " have several solutions: logic cannot decide them.";
    case ExplanationEnd::NoSolution:
        if (!explanation.problem.empty())
            return "No grid meets the clues: " + explanation.problem + ".";
        return "No grid meets the clues"
            + std::string(explanation.steps.empty() ? "" : " and the steps") + ".";
    case ExplanationEnd::Stuck:
        return "Logic stops here with " + left + " undecided.";
    case ExplanationEnd::Stopped:
        break;
    }
    return "Stopped with " + left + " undecided.";
}

} // namespace zd
