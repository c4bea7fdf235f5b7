#include "ColourPainting.h"

#include <cmath>

namespace zd {

namespace {

int clueColour(const std::vector<ColourLineClues> &lines, int line, int k)
{
    if (line < 0 || size_t(line) >= lines.size() || k < 0
        || size_t(k) >= lines[size_t(line)].size())
        return 0;
    return lines[size_t(line)][size_t(k)].colour;
}

// The relative luminance of the sRGB colour, 0 for black to 1 for white.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

// Inks whose contrast with white is below this ratio are hard to read on it
// (3 is the usual least for large text).
constexpr double leastContrastOnWhite = 3.0;

} // namespace

bool ColourShown::hasCells() const
{
    return puzzle != nullptr && cells != nullptr
        && cells->size() == size_t(std::max(puzzle->rows, 0)) * size_t(std::max(puzzle->columns, 0))
        && !cells->empty();
}

int ColourShown::rowClueColour(int row, int k) const
{
    return puzzle == nullptr ? 0 : clueColour(puzzle->rowClues, row, k);
}

int ColourShown::columnClueColour(int column, int k) const
{
    return puzzle == nullptr ? 0 : clueColour(puzzle->columnClues, column, k);
}

QColor paletteColour(const ColourPuzzle &puzzle, int colour)
{
    if (colour < 0 || size_t(colour) >= puzzle.palette.size())
        return Qt::black;
    return QColor::fromRgb(puzzle.palette[size_t(colour)].rgb);
}

QColor clueBacking(const QColor &ink)
{
    const double contrast = 1.05 / (luminance(ink) + 0.05);
    return contrast < leastContrastOnWhite ? QColor(60, 60, 60) : QColor(Qt::white);
}

} // namespace zd
