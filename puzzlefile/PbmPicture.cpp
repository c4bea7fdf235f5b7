#include "PbmPicture.h"

#include "PuzzleClues.h"

namespace zd {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

class PbmReader
{
public:
    explicit PbmReader(std::string_view text)
        : content(text)
    { }

    ParseError read(std::vector<std::string> &picture);

private:
    ParseError error(const std::string &what) const
    {
        return { line, "line " + std::to_string(line) + ": " + what };
    }
    // Skips blanks and comments, counting lines.
    void skipBlanks();
    bool readCount(const char *name, int &count, ParseError &problem);
    ParseError readPlain(int width, int height, std::vector<std::string> &rows);
    ParseError readPacked(int width, int height, std::vector<std::string> &rows);

    std::string_view content;
    size_t pos = 0;
    int line = 1;
};

void PbmReader::skipBlanks()
{
    while (pos < content.size()) {
        if (content[pos] == '#') {
            while (pos < content.size() && content[pos] != '\n')
                ++pos;
        } else if (isBlank(content[pos])) {
            line += content[pos] == '\n' ? 1 : 0;
            ++pos;
        } else {
            return;
        }
    }
}

bool PbmReader::readCount(const char *name, int &count, ParseError &problem)
{
    skipBlanks();
    if (pos == content.size()) {
        problem = error(std::string("file ends before the ") + name);
        return false;
    }
    long long value = 0;
    const size_t start = pos;
    while (pos < content.size() && content[pos] >= '0' && content[pos] <= '9') {
        value = value * 10 + (content[pos++] - '0');
        if (value > maxPuzzleCount) {
            problem
                = error(std::string("the ") + name + " is above " + std::to_string(maxPuzzleCount));
            return false;
        }
    }
    if (pos == start || (pos < content.size() && !isBlank(content[pos]) && content[pos] != '#')) {
        problem = error(std::string("the ") + name + " is not a whole number");
        return false;
    }
    if (value == 0) {
        problem = error(std::string("the ") + name + " is 0: the picture has no pixels");
        return false;
    }
    count = static_cast<int>(value);
    return true;
}

ParseError PbmReader::readPlain(int width, int height, std::vector<std::string> &rows)
{
    for (int r = 0; r < height; ++r) {
        std::string row(static_cast<size_t>(width), '.');
        for (int c = 0; c < width; ++c) {
            skipBlanks();
            const auto pixel = [&] {
                return "pixel " + std::to_string(c + 1) + " of row " + std::to_string(r + 1);
            };
            if (pos == content.size())
                return error("file ends before " + pixel());
            const char digit = content[pos++];
            if (digit != '0' && digit != '1')
                return error(pixel() + " is '" + std::string(1, digit) + "', not 0 or 1");
            if (digit == '1')
                row[static_cast<size_t>(c)] = '#';
        }
        rows.push_back(std::move(row));
    }
    return {};
}

ParseError PbmReader::readPacked(int width, int height, std::vector<std::string> &rows)
{
    // One blank ends the header; the raster may start with any byte.
    if (pos == content.size() || !isBlank(content[pos]))
        return error("the height is not followed by one blank before the packed pixels");
    ++pos;
    const size_t rowBytes = (static_cast<size_t>(width) + 7) / 8;
    const size_t needed = rowBytes * static_cast<size_t>(height);
    if (content.size() - pos < needed) {
        const size_t fullRows = (content.size() - pos) / rowBytes;
        return { static_cast<int>(content.size() + 1),
                 "byte " + std::to_string(content.size() + 1) + ": file ends in row "
                     + std::to_string(fullRows + 1) + " of " + std::to_string(height)
                     + " of the packed pixels" };
    }
    for (int r = 0; r < height; ++r) {
        std::string row(static_cast<size_t>(width), '.');
        for (int c = 0; c < width; ++c) {
            const auto byte = static_cast<unsigned char>(content[pos + static_cast<size_t>(c / 8)]);
            if (byte >> (7 - c % 8) & 1u)
                row[static_cast<size_t>(c)] = '#';
        }
        pos += rowBytes;
        rows.push_back(std::move(row));
    }
    return {};
}

ParseError PbmReader::read(std::vector<std::string> &picture)
{
    if (content.size() < 2 || content[0] != 'P' || (content[1] != '1' && content[1] != '4'))
        return error("not a PBM picture: it starts with neither P1 nor P4");
    const bool packed = content[1] == '4';
    pos = 2;
    if (pos < content.size() && !isBlank(content[pos]) && content[pos] != '#')
        return error("not a PBM picture: P1 or P4 must be followed by a blank");
    int width = 0;
    int height = 0;
    ParseError problem;
    if (!readCount("width", width, problem) || !readCount("height", height, problem))
        return problem;
    if (static_cast<long long>(width) * height > maxPicturePixels)
        return error(std::to_string(width) + " x " + std::to_string(height)
                     + " pixels are more than " + std::to_string(maxPicturePixels));
    std::vector<std::string> rows;
    problem = packed ? readPacked(width, height, rows) : readPlain(width, height, rows);
    if (problem.failed())
        return problem;
    picture = std::move(rows);
    return {};
}

} // namespace

ParseError parsePbmPicture(std::string_view content, std::vector<std::string> &picture)
{
    return PbmReader(content).read(picture);
}

} // namespace zd
