#include "BinaryPuzzleFormat.h"

#include "ClueLines.h"

namespace zd {

namespace {

constexpr size_t headerSize = 8;

int32_t readInt32LittleEndian(std::string_view bytes, size_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    return static_cast<int32_t>(value);
}

void appendInt32LittleEndian(std::string &bytes, int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

ParseError errorAt(size_t offset, std::string message)
{
    return ParseError { static_cast<int>(offset),
                        "byte " + std::to_string(offset) + ": " + std::move(message) };
}

// Unpacks one record; `offset` is the record's place in the file, for messages.
// `length` is the line's cell count, which bounds how many clues it holds.
ParseError unpackRecord(std::string_view record, size_t offset, const char *what, int index,
                        int length, std::vector<int> &clues)
{
    const std::string where = std::string(what) + " " + std::to_string(index + 1);
    size_t pos = 0;
    while (pos < record.size()) {
        const auto first = static_cast<uint8_t>(record[pos]);
        if (first == 0)
            break;
        if (clues.size() == static_cast<size_t>(maxCluesInLine(length)))
            return errorAt(offset + pos, tooManyCluesMessage(where, length));
        int value = first;
        if (first & 0x80) {
            if (pos + 1 >= record.size())
                return errorAt(offset + pos,
                               "two-byte clue of " + where
                                   + " is cut off by the end of its record");
            value = ((first & 0x7F) << 8) | static_cast<uint8_t>(record[pos + 1]);
            if (value == 0)
                return errorAt(offset + pos, "record of " + where + " holds a clue 0");
            pos += 2;
        } else {
            pos += 1;
        }
        clues.push_back(value);
    }
    if (clues.empty())
        clues.push_back(0);
    return {};
}

bool packRecord(const std::vector<int> &clues, size_t recordSize, std::string &bytes,
                std::string &error, const std::string &where)
{
    std::string record;
    const bool onlyZero = clues.empty() || (clues.size() == 1 && clues[0] == 0);
    if (!onlyZero) {
        for (int value : clues) {
            if (value <= 0 || value > maxClueValue) {
                error = where + " has the clue " + std::to_string(value)
                    + ", which the binary format cannot hold";
                return false;
            }
            if (value < 0x80) {
                record += static_cast<char>(value);
            } else {
                record += static_cast<char>(0x80 | (value >> 8));
                record += static_cast<char>(value & 0xFF);
            }
        }
    }
    if (record.size() > recordSize) {
        error = where + " needs " + std::to_string(record.size()) + " bytes but its record has "
            + std::to_string(recordSize);
        return false;
    }
    record.resize(recordSize, '\0');
    bytes += record;
    return true;
}

} // namespace

ParseError parseBinaryPuzzle(std::string_view bytes, PuzzleClues &clues)
{
    if (bytes.size() < headerSize)
        return errorAt(bytes.size(), "file ends before the row and column counts");
    const int32_t rows = readInt32LittleEndian(bytes, 0);
    const int32_t columns = readInt32LittleEndian(bytes, 4);
    if (rows < 0 || rows > maxPuzzleCount)
        return errorAt(0,
                       "row count " + std::to_string(rows) + " is outside 0.."
                           + std::to_string(maxPuzzleCount));
    if (columns < 0 || columns > maxBinaryColumns)
        return errorAt(4,
                       "column count " + std::to_string(columns) + " is outside 0.."
                           + std::to_string(maxBinaryColumns));

    const size_t recordSize = static_cast<size_t>(columns);
    const size_t separatorOffset = headerSize + static_cast<size_t>(rows) * recordSize;
    const size_t needed = separatorOffset + 1 + recordSize * recordSize;
    if (bytes.size() < needed)
        return errorAt(bytes.size(),
                       "file ends early: " + std::to_string(rows) + " rows and "
                           + std::to_string(columns) + " columns need " + std::to_string(needed)
                           + " bytes");

    PuzzleClues parsed;
    parsed.rows = rows;
    parsed.columns = columns;
    parsed.rowClues.resize(rows);
    parsed.columnClues.resize(columns);
    for (int r = 0; r < rows; ++r) {
        const size_t offset = headerSize + r * recordSize;
        if (ParseError error = unpackRecord(bytes.substr(offset, recordSize), offset, "row", r,
                                            columns, parsed.rowClues[r]);
            error.failed())
            return error;
    }
    for (int c = 0; c < columns; ++c) {
        const size_t offset = separatorOffset + 1 + c * recordSize;
        if (ParseError error = unpackRecord(bytes.substr(offset, recordSize), offset, "column", c,
                                            rows, parsed.columnClues[c]);
            error.failed())
            return error;
    }
    clues = std::move(parsed);
    return {};
}

bool formatBinaryPuzzle(const PuzzleClues &clues, std::string &bytes, std::string &error)
{
    if (clues.rows < 0 || clues.rows > maxPuzzleCount) {
        error = "the binary format holds at most " + std::to_string(maxPuzzleCount) + " rows";
        return false;
    }
    if (clues.columns < 0 || clues.columns > maxBinaryColumns) {
        error = "the binary format holds at most " + std::to_string(maxBinaryColumns) + " columns";
        return false;
    }
    const size_t recordSize = static_cast<size_t>(clues.columns);
    std::string out;
    appendInt32LittleEndian(out, clues.rows);
    appendInt32LittleEndian(out, clues.columns);
    for (int r = 0; r < clues.rows; ++r)
        if (!packRecord(clues.rowClues[r], recordSize, out, error, "row " + std::to_string(r + 1)))
            return false;
    out += '\0';
    for (int c = 0; c < clues.columns; ++c)
        if (!packRecord(clues.columnClues[c], recordSize, out, error,
                        "column " + std::to_string(c + 1)))
            return false;
    bytes = std::move(out);
    return true;
}

} // namespace zd
