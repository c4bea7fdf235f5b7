#include "ClueLines.h"

#include <cstdint>

namespace zd {

bool LineSplitter::next(std::string_view &line)
{
    if (offset >= text.size())
        return false;
    const size_t end = text.find('\n', offset);
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

ParseError parseClueNumbers(std::string_view line, int lineNumber, const std::string &where,
                            ClueSeparators separators, std::vector<int> &clues)
{
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

} // namespace zd
