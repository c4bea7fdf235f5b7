#include "ColourPalette.h"

#include "ClueLines.h"

#include <cctype>

namespace zd {

std::optional<uint32_t> parseRgb(std::string_view text)
{
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (text.size() != 3 && text.size() != 6)
        return std::nullopt;
    uint32_t rgb = 0;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (!std::isxdigit(u))
            return std::nullopt;
        const uint32_t digit
            = static_cast<uint32_t>(std::isdigit(u) ? c - '0' : std::tolower(u) - 'a' + 10);
        rgb = rgb * 16 + digit;
        if (text.size() == 3)
            rgb = rgb * 16 + digit;
    }
    return rgb;
}

std::string rgbText(uint32_t rgb)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text(6, '0');
    for (int i = 5; i >= 0; --i, rgb >>= 4)
        text[i] = digits[rgb & 0xF];
    return text;
}

namespace {

bool symbolFree(const ColourPuzzle &puzzle, char symbol)
{
    const unsigned char u = static_cast<unsigned char>(symbol);
    return u > ' ' && u < 127 && symbol != '.' && symbol != '?'
        && puzzle.colourOfSymbol(symbol) == colourUnknown;
}

} // namespace

char freeSymbol(const ColourPuzzle &puzzle, char wanted, std::string_view name)
{
    if (symbolFree(puzzle, wanted))
        return wanted;
    for (char c : name)
        if (symbolFree(puzzle, c))
            return c;
    for (char c :
         std::string_view("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"))
        if (symbolFree(puzzle, c))
            return c;
    return '#';
}

int colourNamed(const ColourPuzzle &puzzle, std::string_view name)
{
    for (size_t k = 0; k < puzzle.palette.size(); ++k)
        if (puzzle.palette[k].name == name)
            return static_cast<int>(k);
    return colourUnknown;
}

int overfullLine(const ColourPuzzle &puzzle, bool rows, std::string &message)
{
    const bool oneColour = puzzle.usesOneColour();
    const std::vector<ColourLineClues> &lines = rows ? puzzle.rowClues : puzzle.columnClues;
    const int length = rows ? puzzle.columns : puzzle.rows;
    const size_t most = static_cast<size_t>(oneColour ? maxCluesInLine(length) : length);
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].size() > most) {
            message = (rows ? "row " : "column ") + std::to_string(i + 1)
                + " has more clues than a line of " + std::to_string(length) + " cells holds";
            return static_cast<int>(i);
        }
    return -1;
}

std::string colourGoalProblem(const ColourPuzzle &puzzle, const std::vector<std::string> &goal)
{
    if (goal.size() != static_cast<size_t>(puzzle.rows))
        return "the goal has " + std::to_string(goal.size()) + " rows but the puzzle has "
            + std::to_string(puzzle.rows);
    for (size_t r = 0; r < goal.size(); ++r)
        if (goal[r].size() != static_cast<size_t>(puzzle.columns))
            return "row " + std::to_string(r + 1) + " of the goal has "
                + std::to_string(goal[r].size()) + " cells but the puzzle has "
                + std::to_string(puzzle.columns) + " columns";
    const ColourGrid grid = colourGridOfPicture(puzzle, goal);
    for (int cell : grid)
        if (cell == colourUnknown)
            return "the goal holds a character that is no colour of the puzzle";
    if (!puzzle.isSolvedBy(grid))
        return "the goal does not agree with the clues";
    return {};
}

} // namespace zd
