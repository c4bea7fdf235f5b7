#pragma once

#include "LineSolverTestAccess.h"

#include <optional>
#include <string>
#include <vector>

// Every placement of `clues` in a line of `length` cells, as pictures.
inline void allPlacements(const std::vector<int> &clues, std::size_t block, std::string &line,
                          std::size_t from, std::vector<std::string> &out)
{
    if (block == clues.size()) {
        out.push_back(line);
        return;
    }
    const std::size_t size = static_cast<std::size_t>(clues[block]);
    for (std::size_t start = from; start + size <= line.size(); ++start) {
        std::fill(line.begin() + start, line.begin() + start + size, '#');
        allPlacements(clues, block + 1, line, start + size + 1, out);
        std::fill(line.begin() + start, line.begin() + start + size, '.');
    }
}

inline std::vector<std::string> allPlacements(const std::vector<int> &clues, std::size_t length)
{
    std::vector<std::string> out;
    std::string line(length, '.');
    if (clues.size() == 1 && clues[0] == 0)
        out.push_back(line);
    else
        allPlacements(clues, 0, line, 0, out);
    return out;
}

inline bool agrees(const std::string &placement, const std::string &known)
{
    for (std::size_t c = 0; c < known.size(); ++c)
        if (known[c] != '?' && known[c] != placement[c])
            return false;
    return true;
}

// The cells on which every placement agreeing with `known` agrees; nothing
// when no placement agrees.
inline std::optional<std::string> intersectionOfAgreeing(const std::vector<std::string> &placements,
                                                         const std::string &known)
{
    std::optional<std::string> result;
    for (const std::string &placement : placements) {
        if (!agrees(placement, known))
            continue;
        if (!result) {
            result = placement;
            continue;
        }
        for (std::size_t c = 0; c < placement.size(); ++c)
            if ((*result)[c] != placement[c])
                (*result)[c] = '?';
    }
    return result;
}
