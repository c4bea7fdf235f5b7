#pragma once

#include <random>
#include <string>
#include <vector>

namespace zd {

// A random picture of '#' (filled) and '.' (empty) cells: a puzzle whose
// solution is known, for tests that check what a solver decides.
inline std::vector<std::string> randomPicture(int rows, int columns, double density,
                                              std::mt19937 &random)
{
    std::bernoulli_distribution filled(density);
    std::vector<std::string> picture(rows, std::string(columns, '.'));
    for (std::string &row : picture)
        for (char &cell : row)
            if (filled(random))
                cell = '#';
    return picture;
}

} // namespace zd
