#pragma once

#include "CompleteSolver.h"
#include "PuzzleFormats.h"

#include <optional>
#include <string>
#include <vector>

namespace zd {

enum class SolveMethod {
    Complete, // the complete solver: verdict, grade, uniqueness
    Line, // the model's line-by-line solver, with its pass lines
};

// Everything the command line says.
struct ToolOptions
{
    std::vector<std::string> inputs; // files and folders, in the order given
    SolveMethod method = SolveMethod::Complete;
    std::optional<PuzzleFormat> format; // --format: read every file as this
    std::optional<PuzzleFormat> convertTo; // --to: convert instead of solving
    std::string outputPath; // -o, for --to
    bool json = false;
    bool brief = false; // one line per puzzle, no grid
    bool explain = false; // --explain: the deduction steps of every puzzle
    bool ambiguous = false; // --ambiguous: the cells where solutions differ
    bool makeUnique = false; // --make-unique: the fewest changes to a unique picture
    bool progress = true; // a progress bar, shown only when standard error is a terminal
    bool help = false;
    int jobs = 0; // 0: one per core, or per --threads cores
    int threads = 1; // --threads: searches racing on each puzzle
    double timeoutSeconds = 0; // 0: no limit
    SolverEngine engine = SolverEngine::Sat; // --engine: what finishes hard puzzles
};

struct ParsedOptions
{
    ToolOptions options;
    std::string error; // a usage error; empty when the command line is good
};

// Reads the arguments after the program name.
ParsedOptions parseToolOptions(const std::vector<std::string> &arguments);

// The text --help prints: every option, the formats and the exit codes.
std::string toolHelpText();

} // namespace zd
