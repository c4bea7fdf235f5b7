// Draws colour pictures of overlapping blobs (ellipses) and writes each as
// a puzzle file, for timing zdsolve on colour puzzles:
//
//   colour_blobs FOLDER [SEED]
//
// writes blobs-SIZE-cK-N.non and .xml (alternately) for sizes 20 to 100 and
// 2 to 6 colours besides the background. The same seed draws the same files.

#include "AtomicFile.h"
#include "ColourPuzzle.h"
#include "PuzzleFormats.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

using namespace zd;

namespace {

std::vector<PaletteColour> blobPalette(int colours)
{
    static const PaletteColour all[] = {
        { "red", 'r', 0xD62728 },    { "green", 'g', 0x2CA02C },  { "blue", 'b', 0x1F77B4 },
        { "orange", 'o', 0xFF7F0E }, { "purple", 'p', 0x9467BD }, { "brown", 'n', 0x8C564B },
    };
    std::vector<PaletteColour> palette { { "white", '.', 0xFFFFFF } };
    palette.insert(palette.end(), all, all + colours);
    return palette;
}

// Blobs of a few cells to a third of the picture across, later ones over earlier ones.
ColourGrid drawBlobs(int size, int colours, std::mt19937 &random)
{
    ColourGrid grid(static_cast<size_t>(size) * size, 0);
    std::uniform_real_distribution<double> position(0, size);
    std::uniform_real_distribution<double> radius(1.5, size / 6.0 + 1.5);
    std::uniform_int_distribution<int> colour(1, colours);
    const int blobs = 4 + size * size / 150;
    for (int b = 0; b < blobs; ++b) {
        const double cx = position(random);
        const double cy = position(random);
        const double rx = radius(random);
        const double ry = radius(random);
        const int k = colour(random);
        for (int r = 0; r < size; ++r)
            for (int c = 0; c < size; ++c) {
                const double dx = (c + 0.5 - cx) / rx;
                const double dy = (r + 0.5 - cy) / ry;
                if (dx * dx + dy * dy <= 1)
                    grid[static_cast<size_t>(r) * size + c] = k;
            }
    }
    return grid;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: colour_blobs FOLDER [SEED]\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    std::mt19937 random(argc == 3 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1);
    int written = 0;
    for (int size : { 20, 30, 50, 70, 100 })
        for (int colours = 2; colours <= 6; ++colours)
            for (int n = 1; n <= 2; ++n) {
                PuzzleEntry entry;
                const ColourGrid grid = drawBlobs(size, colours, random);
                entry.colour = colourPuzzleOfGrid(blobPalette(colours), size, size, grid);
                entry.isColour = !entry.colour.usesOneColour();
                entry.goal = pictureOfColourGrid(entry.colour, grid);
                const PuzzleFormat format = n == 1 ? PuzzleFormat::Non : PuzzleFormat::Xml;
                const std::string name = "blobs-" + std::to_string(size) + "-c"
                    + std::to_string(colours) + "-" + std::to_string(n) + "."
                    + puzzleFormatName(format);
                std::string content;
                std::string error;
                if (!entry.isColour || !writePuzzleContent(entry, format, content, error)
                    || !writeFileAtomically((folder / name).string(), content, error)) {
                    std::fprintf(stderr, "colour_blobs: %s: %s\n", name.c_str(),
                                 entry.isColour ? error.c_str() : "drew one colour only");
                    continue;
                }
                ++written;
            }
    std::printf("%d puzzles in %s\n", written, folder.string().c_str());
    return 0;
}
