#include "CMalovanaKrizovkaFromFile.h"

#include "PuzzleFileBytes.h"
#include "PuzzleFormats.h"
#include "TextPuzzleFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace zd;

CMalovanaKrizovkaFromFile::~CMalovanaKrizovkaFromFile() = default;

bool CMalovanaKrizovkaFromFile::readFile(const char *path, std::string &content, int &closeResult)
{
    loadError = readPuzzleFileBytes(path, maxPuzzleFileBytes, content, &closeResult);
    return loadError.empty();
}

bool CMalovanaKrizovkaFromFile::acceptsSize(const char *path, const PuzzleClues &clues)
{
    const long long cells = static_cast<long long>(clues.rows) * clues.columns;
    if (cells <= maxLoadedCells)
        return true;
    loadError = std::string(path) + ": the puzzle has " + std::to_string(clues.rows) + " x "
        + std::to_string(clues.columns) + " cells; at most " + std::to_string(maxLoadedCells)
        + " cells (4096 x 4096) are loaded";
    return false;
}

int CMalovanaKrizovkaFromFile::load(const char *path)
{
    loadError.clear();
    std::string content;
    int closeResult = 0;
    if (!readFile(path, content, closeResult))
        return 0;
    PuzzleClues clues;
    if (ParseError error = parseTextPuzzle(content, clues); error.failed()) {
        loadError = std::string(path) + ":" + std::to_string(error.line) + ": "
            + error.message.substr(error.message.find(": ") + 2);
        return 0;
    }
    if (!acceptsSize(path, clues))
        return 0;
    if (keepsPath)
        storedPath = path;
    clues.applyTo(*this);
    return closeResult;
}

void CMalovanaKrizovkaFromFile::loadClues(const PuzzleClues &clues, const char *path)
{
    loadError.clear();
    if (!acceptsSize(path, clues))
        return;
    if (keepsPath)
        storedPath = path;
    clues.applyTo(*this);
}
