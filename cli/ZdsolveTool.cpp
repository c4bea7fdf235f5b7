#include "ZdsolveTool.h"

#include "AuthoringReport.h"
#include "Conversion.h"
#include "ExitCodes.h"
#include "ExplainReport.h"
#include "InputFiles.h"
#include "Interruption.h"
#include "OutcomeReport.h"
#include "PrintableText.h"
#include "ProgressBar.h"
#include "PuzzleRunner.h"
#include "SolveMethods.h"
#include "StandardOutput.h"
#include "ToolOptions.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <thread>
#include <unistd.h>

namespace zd {

namespace {

void writeOut(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

std::vector<std::string> inputPaths(const std::vector<InputFile> &files)
{
    std::vector<std::string> paths;
    paths.reserve(files.size());
    for (const InputFile &file : files)
        paths.push_back(file.path);
    return paths;
}

// One job per core, or per `threads` cores when each puzzle takes that many.
int defaultJobs(int threads)
{
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::max(1, cores / std::max(threads, 1));
}

// Solves one entry; a failure inside the solver (such as running out of
// memory) becomes that puzzle's error instead of ending the run.
SolveOne solverFor(const ToolOptions &options)
{
    return [&options](const PuzzleEntry &entry) {
        if (wasInterrupted()) {
            PuzzleOutcome skipped;
            skipped.skipped = true;
            return skipped;
        }
        try {
            if (options.method == SolveMethod::Line)
                return solveWithLineLogic(entry);
            return solveWithCompleteSolver(entry, options.timeoutSeconds, &interruptionFlag(),
                                           options.engine, options.threads);
        } catch (const std::exception &failure) {
            PuzzleOutcome outcome;
            outcome.name = entry.name;
            outcome.failed = true;
            outcome.error = entry.name + ": could not be solved: " + failure.what();
            return outcome;
        }
    };
}

int solveAll(const ToolOptions &options, const std::vector<PuzzleEntry> &entries)
{
    // The line method redirects standard output while it runs, so it keeps
    // to the one thread that writes the reports.
    const int jobs = options.method == SolveMethod::Line ? 1
        : options.jobs > 0                               ? options.jobs
                                                         : defaultJobs(options.threads);
    ProgressBar bar(stderr, options.progress && isatty(STDERR_FILENO));
    RunSummary summary;
    SolveOne solve = solverFor(options);
    // --explain: each worker explains the puzzle it solved into the slot of
    // that entry (runPuzzles hands out the entries themselves).
    std::vector<ExplainedPuzzle> explained(options.explain ? entries.size() : 0);
    Difficulty allSteps;
    if (options.explain)
        solve = [&, plain = solve](const PuzzleEntry &entry) {
            PuzzleOutcome outcome = plain(entry);
            explained[static_cast<size_t>(&entry - entries.data())]
                = explainOutcome(entry, outcome, options.timeoutSeconds, &interruptionFlag());
            return outcome;
        };
    // --ambiguous, --make-unique: the same, after the explanation if any.
    const AuthoringRequest authoring { options.ambiguous, options.makeUnique, options.brief,
                                       options.timeoutSeconds, &interruptionFlag() };
    std::vector<AuthoredPuzzle> authored(authoring.any() ? entries.size() : 0);
    if (authoring.any())
        solve = [&, plain = solve](const PuzzleEntry &entry) {
            PuzzleOutcome outcome = plain(entry);
            AuthoredPuzzle &slot = authored[static_cast<size_t>(&entry - entries.data())];
            // As for the solve: a failure (out of memory) is this puzzle's, not the run's.
            try {
                slot = authorOutcome(entry, outcome, authoring);
            } catch (const std::exception &failure) {
                slot.text = std::string("authoring failed: ") + failure.what() + "\n";
            }
            return outcome;
        };
    const auto deliver = [&](size_t index, PuzzleOutcome &&outcome) {
        if (outcome.skipped)
            return;
        bar.clear();
        if (outcome.failed) {
            flushStandardOutput();
            std::fprintf(stderr, "zdsolve: %s\n", printableText(outcome.error).c_str());
        }
        const ExplainedPuzzle *explanation
            = index < explained.size() && explained[index].present ? &explained[index] : nullptr;
        const AuthoredPuzzle none;
        const AuthoredPuzzle &added = index < authored.size() ? authored[index] : none;
        std::string members = explanation ? explanation->jsonMembers : "";
        if (!members.empty() && !added.jsonMembers.empty())
            members += ", ";
        if (options.json)
            writeOut(jsonReport(outcome, members + added.jsonMembers));
        else
            writeOut(textReport(outcome, options.brief) + (explanation ? explanation->text : "")
                     + added.text);
        if (explanation)
            allSteps.add(explanation->difficulty);
        flushStandardOutput();
        summary.add(outcome);
    };
    runPuzzles(entries, jobs, solve, deliver, [&](size_t done) { bar.show(done, entries.size()); });
    bar.clear();
    if (summary.puzzles() > 1) {
        std::string text = summary.text();
        if (options.explain)
            text += "steps: " + difficultyText(allSteps) + "\n";
        if (options.json)
            std::fputs(text.c_str(), stderr);
        else
            writeOut(text);
    }
    if (wasInterrupted()) {
        std::fprintf(stderr, "zdsolve: interrupted; %zu of %zu puzzles were not solved\n",
                     entries.size() - static_cast<size_t>(summary.puzzles()), entries.size());
        return ExitInterrupted;
    }
    return summary.exitCode();
}

} // namespace

int runZdsolve(const std::vector<std::string> &arguments)
{
    const ParsedOptions parsed = parseToolOptions(arguments);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "zdsolve: %s\nTry 'zdsolve --help'.\n", parsed.error.c_str());
        return ExitUsage;
    }
    const ToolOptions &options = parsed.options;
    if (options.help) {
        writeOut(toolHelpText());
        return ExitAllAnswered;
    }
    const std::vector<InputFile> files = collectInputFiles(options.inputs, options.format);
    const std::vector<PuzzleEntry> entries = readInputs(files);
    if (entries.empty()) {
        std::fprintf(stderr, "zdsolve: no puzzle files found (extensions: %s)\n",
                     puzzleFormatList().c_str());
        return ExitBadFile;
    }
    if (options.convertTo)
        return convertPuzzles(entries, *options.convertTo, options.outputPath, inputPaths(files));
    catchInterruption();
    return solveAll(options, entries);
}

} // namespace zd
