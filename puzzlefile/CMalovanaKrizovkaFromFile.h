#pragma once

#include "CMalovanaKrizovka.h"
#include "PuzzleClues.h"

#include <string>

namespace zd {
struct PuzzleClues;
}

// The window loads no more cells than zdsolve solves: the model's grid costs
// four bytes a cell, and a small file may announce 32767 x 32767.
inline constexpr long long maxLoadedCells = 16LL * 1024 * 1024;

// CMalovanaKrizovkaFromFile: the puzzle model that fills itself from a text
// puzzle file (see TextPuzzleFormat.h) and remembers the path it opened.
class CMalovanaKrizovkaFromFile : public CMalovanaKrizovka
{
public:
    CMalovanaKrizovkaFromFile() = default;
    ~CMalovanaKrizovkaFromFile() override;

    // Reads the whole file and checks it before the model is touched. Returns
    // 0 both on success and when the file cannot be read or is malformed (then
    // nothing changes); lastError() tells them apart. A non-zero result means
    // the file was read but closing it failed.
    virtual int load(const char *path);

    // Takes clues another format's reader read from `path`, which is kept
    // as load() keeps it; refuses, as load() does, a puzzle too large
    // (lastError() says so and nothing changes).
    void loadClues(const zd::PuzzleClues &clues, const char *path);

    // Path of the last text file load() opened; "" before any.
    const char *filePath() const { return storedPath.c_str(); }

    // Empty after a successful load, else "PATH:LINE: what is wrong".
    const std::string &lastError() const { return loadError; }

    // A model that keeps no path leaves filePath() empty (the viewer's reader).
    void setKeepsPath(bool keep) { keepsPath = keep; }

protected:
    // Reads a file's bytes; returns false (with lastError set) when it cannot be
    // opened, is not a regular file or is larger than zdsolve reads.
    // `closeResult` is close()'s result.
    bool readFile(const char *path, std::string &content, int &closeResult);
    // False (with lastError set) for a puzzle of more than maxLoadedCells.
    bool acceptsSize(const char *path, const zd::PuzzleClues &clues);

    std::string storedPath;
    std::string loadError;
    bool keepsPath = true;
};
