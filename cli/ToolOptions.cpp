#include "ToolOptions.h"

#include <charconv>
#include <cmath>

namespace zd {

namespace {

constexpr int maxJobs = 1024;
// Each searcher of a portfolio holds its own copy of the search's memory.
constexpr int maxThreads = 64;

// Splits "--name=value" into name and value; other arguments come back whole.
void splitInlineValue(const std::string &argument, std::string &name,
                      std::optional<std::string> &value)
{
    const size_t equals = argument.find('=');
    if (argument.rfind("--", 0) == 0 && equals != std::string::npos) {
        name = argument.substr(0, equals);
        value = argument.substr(equals + 1);
    } else {
        name = argument;
        value.reset();
    }
}

bool parseCount(const std::string &text, int most, int &count)
{
    int value = 0;
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (code != std::errc() || end != text.data() + text.size() || value < 1 || value > most)
        return false;
    count = value;
    return true;
}

bool parseSeconds(const std::string &text, double &seconds)
{
    double value = 0;
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (code != std::errc() || end != text.data() + text.size() || !std::isfinite(value)
        || value < 0 || value > 1e9)
        return false;
    seconds = value;
    return true;
}

// Applies one option that takes a value; returns a usage error or "".
std::string applyValue(const std::string &name, const std::string &value, ToolOptions &options)
{
    if (name == "--method") {
        if (value == "complete")
            options.method = SolveMethod::Complete;
        else if (value == "line")
            options.method = SolveMethod::Line;
        else
            return "--method takes 'complete' or 'line', not '" + value + "'";
    } else if (name == "--format") {
        options.format = puzzleFormatNamed(value);
        if (!options.format)
            return "--format takes one of " + puzzleFormatList() + ", not '" + value + "'";
    } else if (name == "--to") {
        options.convertTo = puzzleFormatNamed(value);
        if (!options.convertTo || *options.convertTo == PuzzleFormat::Nin
            || *options.convertTo == PuzzleFormat::Tournament)
            return "--to takes zd, zdb, non or xml, not '" + value + "'";
    } else if (name == "-o" || name == "--output") {
        if (value.empty())
            return name + " needs a file or folder name";
        options.outputPath = value;
    } else if (name == "-j" || name == "--jobs") {
        if (!parseCount(value, maxJobs, options.jobs))
            return name + " takes a whole number from 1 to " + std::to_string(maxJobs) + ", not '"
                + value + "'";
    } else if (name == "--threads") {
        if (!parseCount(value, maxThreads, options.threads))
            return "--threads takes a whole number from 1 to " + std::to_string(maxThreads)
                + ", not '" + value + "'";
    } else if (name == "--timeout") {
        if (!parseSeconds(value, options.timeoutSeconds))
            return "--timeout takes seconds (0 for no limit), not '" + value + "'";
    } else if (name == "--engine") {
        if (value == "sat")
            options.engine = SolverEngine::Sat;
        else if (value == "cdcl")
            options.engine = SolverEngine::Cdcl;
        else
            return "--engine takes 'sat' or 'cdcl', not '" + value + "'";
    }
    return {};
}

bool takesValue(const std::string &name)
{
    return name == "--method" || name == "--format" || name == "--to" || name == "-o"
        || name == "--output" || name == "-j" || name == "--jobs" || name == "--timeout"
        || name == "--engine" || name == "--threads";
}

// Applies an option without a value; false when the name is unknown.
bool applyFlag(const std::string &name, ToolOptions &options)
{
    if (name == "--json")
        options.json = true;
    else if (name == "--brief")
        options.brief = true;
    else if (name == "--explain")
        options.explain = true;
    else if (name == "--ambiguous")
        options.ambiguous = true;
    else if (name == "--make-unique")
        options.makeUnique = true;
    else if (name == "--no-progress")
        options.progress = false;
    else if (name == "-h" || name == "--help")
        options.help = true;
    else
        return false;
    return true;
}

std::string checkCombination(const ToolOptions &options)
{
    if (options.help)
        return {};
    if (options.inputs.empty())
        return "no puzzle file or folder given";
    if (!options.outputPath.empty() && !options.convertTo)
        return "-o is for --to: name the format to convert to";
    if (options.convertTo && options.json)
        return "--json does not go with --to: conversion writes puzzle files";
    if (options.explain && (options.convertTo || options.method == SolveMethod::Line))
        return "--explain goes with the complete solver only, not with --to or --method line";
    if ((options.ambiguous || options.makeUnique)
        && (options.convertTo || options.method == SolveMethod::Line))
        return std::string(options.ambiguous ? "--ambiguous" : "--make-unique")
            + " goes with the complete solver only, not with --to or --method line";
    return {};
}

} // namespace

ParsedOptions parseToolOptions(const std::vector<std::string> &arguments)
{
    ParsedOptions parsed;
    ToolOptions &options = parsed.options;
    bool onlyInputs = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (onlyInputs || argument.empty() || argument[0] != '-' || argument == "-") {
            options.inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyInputs = true;
            continue;
        }
        std::string name;
        std::optional<std::string> value;
        splitInlineValue(argument, name, value);
        if (takesValue(name)) {
            if (!value) {
                if (i + 1 == arguments.size()) {
                    parsed.error = name + " needs a value";
                    return parsed;
                }
                value = arguments[++i];
            }
            parsed.error = applyValue(name, *value, options);
        } else if (value || !applyFlag(name, options)) {
            parsed.error = "unknown option '" + argument + "'";
        }
        if (!parsed.error.empty())
            return parsed;
    }
    parsed.error = checkCombination(options);
    return parsed;
}

} // namespace zd
