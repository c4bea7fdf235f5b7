#include "ClueLines.h"

#include "LineClueCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace zd {

LineSplitter::LineSplitter(std::string_view content)
    : text(content)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        offset = 3;
    if (text.find('\n') == std::string_view::npos && text.find('\r') != std::string_view::npos)
        lineEnd = '\r';
}

bool LineSplitter::next(std::string_view &line)
{
    if (offset >= text.size())
        return false;
    const size_t end = text.find(lineEnd, offset);
    if (end == std::string_view::npos) {
        line = text.substr(offset);
        offset = text.size();
    } else {
        line = text.substr(offset, end - offset);
        offset = end + 1;
    }
    ++number;
    return true;
}

bool isClueBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmedLine(std::string_view line)
{
    size_t begin = 0;
    size_t end = line.size();
    while (begin < end && isClueBlank(line[begin]))
        ++begin;
    while (end > begin && isClueBlank(line[end - 1]))
        --end;
    return line.substr(begin, end - begin);
}

ParseError lineError(int line, const std::string &message)
{
    return ParseError { line, "line " + std::to_string(line) + ": " + message };
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

namespace {

std::string shownCharacter(char c)
{
    if (c >= 33 && c <= 126)
        return std::string("'") + c + "'";
    return "byte " + std::to_string(static_cast<uint8_t>(c));
}

} // namespace

int readBoundedNumber(std::string_view text, size_t &pos, int limit)
{
    int64_t value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        if (value > limit)
            value = limit + 1;
        ++pos;
    }
    return static_cast<int>(value);
}

int maxCluesInLine(int length)
{
    if (length < 0)
        return maxCluesInAnyLine;
    return std::max(1, std::min((length + 1) / 2, maxCluesInAnyLine));
}

namespace {

std::string counted(int count, const char *noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

} // namespace

std::string tooManyCluesMessage(const std::string &where, int length)
{
    const std::string most = counted(maxCluesInLine(length), "clue");
    if (length < 0)
        return "clue line of " + where + " has more than " + most + ", more than any line can hold";
    return "clue line of " + where + " has more than " + most + ", more than a line of "
        + counted(length, "cell") + " holds";
}

ParseError parseClueNumbers(std::string_view line, int lineNumber, const std::string &where,
                            ClueSeparators separators, int length, std::vector<int> &clues)
{
    const size_t mostClues = static_cast<size_t>(maxCluesInLine(length));
    const bool commas = separators == ClueSeparators::BlanksAndCommas;
    const char *allowed = commas ? "digits, commas and blanks" : "digits and blanks";
    std::vector<int> numbers;
    bool expectNumber = false; // just after a comma
    size_t pos = 0;
    while (true) {
        while (pos < line.size() && isClueBlank(line[pos]))
            ++pos;
        if (pos == line.size())
            break;
        if (commas && line[pos] == ',' && !numbers.empty() && !expectNumber) {
            expectNumber = true;
            ++pos;
            continue;
        }
        if (!isDigit(line[pos]))
            return lineError(lineNumber,
                             "clue line of " + where + " holds " + shownCharacter(line[pos])
                                 + " at column " + std::to_string(pos + 1) + "; only " + allowed
                                 + " are allowed");
        if (numbers.size() == mostClues)
            return lineError(lineNumber, tooManyCluesMessage(where, length));
        const int value = readBoundedNumber(line, pos, maxClueValue);
        if (value > maxClueValue)
            return lineError(
                lineNumber, "clue of " + where + " is larger than " + std::to_string(maxClueValue));
        numbers.push_back(value);
        expectNumber = false;
    }
    if (expectNumber)
        return lineError(lineNumber, "clue line of " + where + " ends with a comma");
    if (numbers.empty())
        numbers.push_back(0);
    if (numbers.size() > 1)
        for (int value : numbers)
            if (value == 0)
                return lineError(lineNumber,
                                 "clue line of " + where
                                     + " has a 0 beside other numbers; write 0 alone");
    clues = std::move(numbers);
    return {};
}

int parseCount(std::string_view text)
{
    if (text.empty())
        return -1;
    size_t pos = 0;
    const int value = readBoundedNumber(text, pos, maxPuzzleCount);
    if (pos != text.size() || value < 1 || value > maxPuzzleCount)
        return -1;
    return value;
}

std::string splitKeyword(std::string_view line, std::string_view &rest)
{
    size_t end = 0;
    while (end < line.size() && !isClueBlank(line[end]))
        ++end;
    rest = trimmedLine(line.substr(end));
    std::string keyword(line.substr(0, end));
    for (char &c : keyword)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return keyword;
}

ParseError readSizeLine(std::string_view rest, int lineNumber, const char *what, int &value,
                        int &seenAt)
{
    if (seenAt != 0)
        return lineError(lineNumber,
                         std::string("second '") + what + "' line; the first is line "
                             + std::to_string(seenAt));
    value = parseCount(rest);
    if (value < 0)
        return lineError(lineNumber,
                         std::string(what) + " must be a number between 1 and "
                             + std::to_string(maxPuzzleCount));
    seenAt = lineNumber;
    return {};
}

ParseError startSection(int lineNumber, const char *name, int &seenAt)
{
    if (seenAt != 0)
        return lineError(lineNumber,
                         std::string("second '") + name + "' section; the first starts at line "
                             + std::to_string(seenAt));
    seenAt = lineNumber;
    return {};
}

ParseError checkSectionCount(size_t found, int expected, int sectionLine, const char *section,
                             const char *size)
{
    if (found == static_cast<size_t>(expected))
        return {};
    return lineError(sectionLine,
                     std::string("the '") + section + "' section has " + std::to_string(found)
                         + " clue lines but " + size + " is " + std::to_string(expected));
}

ParseError goalCells(std::string_view text, int width, int height, int goalLine,
                     std::string_view &cells)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    const int64_t count = int64_t(width) * height;
    if (static_cast<int64_t>(text.size()) != count)
        return lineError(goalLine,
                         "goal has " + std::to_string(text.size()) + " cells but the puzzle has "
                             + std::to_string(count));
    cells = text;
    return {};
}

bool cellsMatchClues(std::string_view cells, const PuzzleClues &clues)
{
    const auto width = static_cast<size_t>(clues.columns);
    if (clues.rows < 0 || cells.size() != width * static_cast<size_t>(clues.rows)
        || clues.rowClues.size() != static_cast<size_t>(clues.rows)
        || clues.columnClues.size() != width)
        return false;
    const auto stateAt = [&cells](size_t index) {
        return cells[index] == '1' ? CellFilled : CellEmpty;
    };
    for (size_t r = 0; r < static_cast<size_t>(clues.rows); ++r)
        if (!lineMatchesClues(clues.rowClues[r], clues.columns,
                              [&](int c) { return stateAt(r * width + c); }))
            return false;
    for (size_t c = 0; c < width; ++c)
        if (!lineMatchesClues(clues.columnClues[c], clues.rows,
                              [&](int r) { return stateAt(r * width + c); }))
            return false;
    return true;
}

} // namespace zd
