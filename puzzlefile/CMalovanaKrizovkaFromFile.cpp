#include "CMalovanaKrizovkaFromFile.h"

#include "TextPuzzleFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace zd;

CMalovanaKrizovkaFromFile::~CMalovanaKrizovkaFromFile() = default;

bool CMalovanaKrizovkaFromFile::readFile(const char *path, std::string &content, int &closeResult)
{
    std::FILE *file = std::fopen(path, "rb");
    if (!file) {
        loadError = std::string(path) + ": cannot open: " + std::strerror(errno);
        return false;
    }
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, got);
    const bool readFailed = std::ferror(file) != 0;
    closeResult = std::fclose(file);
    if (readFailed) {
        loadError = std::string(path) + ": cannot read: " + std::strerror(errno);
        return false;
    }
    return true;
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
    if (keepsPath)
        storedPath = path;
    clues.applyTo(*this);
    return closeResult;
}

void CMalovanaKrizovkaFromFile::loadClues(const PuzzleClues &clues, const char *path)
{
    loadError.clear();
    if (keepsPath)
        storedPath = path;
    clues.applyTo(*this);
}
