#include "CMalovanaKrizovkaFromFileBin.h"

#include "BinaryPuzzleFormat.h"

using namespace zd;

int CMalovanaKrizovkaFromFileBin::load(const char *path)
{
    loadError.clear();
    std::string content;
    int closeResult = 0;
    if (!readFile(path, content, closeResult))
        return 0;
    PuzzleClues clues;
    if (ParseError error = parseBinaryPuzzle(content, clues); error.failed()) {
        loadError = std::string(path) + ": " + error.message;
        return 0;
    }
    if (!acceptsSize(path, clues))
        return 0;
    clues.applyTo(*this);
    return closeResult;
}
