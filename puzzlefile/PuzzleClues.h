#pragma once

#include <string>
#include <vector>

class CMalovanaKrizovka;

// The clues of one puzzle as a file describes them, before they reach a model.
// Readers parse a whole file into this first, so that a malformed file never
// leaves a model half-loaded.
struct PuzzleClues
{
    int rows = 0;
    int columns = 0;
    std::vector<std::vector<int>> rowClues; // rowClues[r]: clue numbers of row r, first block first
    std::vector<std::vector<int>> columnClues; // columnClues[c]: the same for column c

    // Sizes the model (discarding what it held) and appends every clue in file order.
    void applyTo(CMalovanaKrizovka &model) const;
    // Reads size and clues back from a model.
    static PuzzleClues fromModel(const CMalovanaKrizovka &model);
    // The clues of a picture given as rows of '#' (filled) and any other
    // character (empty); all rows must be equally long.
    static PuzzleClues fromPicture(const std::vector<std::string> &picture);
    // The clue list of one line drawn as '#' (filled) and other characters
    // (empty): its run lengths, or the single 0 when nothing is filled.
    static std::vector<int> cluesOfLine(const std::string &line);
};

// Largest row or column count and clue number the model's 16-bit fields hold.
inline constexpr int maxPuzzleCount = 32767;
inline constexpr int maxClueValue = 32767;

// The outcome of a parse: empty message on success, else "line N: what is wrong".
struct ParseError
{
    int line = 0; // 1-based line (text) or byte offset (binary) where the problem was seen
    std::string message;
    bool failed() const { return !message.empty(); }
};
