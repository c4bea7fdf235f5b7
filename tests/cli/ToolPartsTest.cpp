#include "Conversion.h"
#include "JsonLine.h"
#include "ProgressBar.h"
#include "ToolOptions.h"

#include <gtest/gtest.h>

using namespace zd;

namespace {

TEST(ToolOptions, ReadsValuesInBothSpellingsAndKeepsInputsInOrder)
{
    const ParsedOptions parsed
        = parseToolOptions({ "a.zd", "--jobs=3", "--timeout", "2.5", "--method", "line", "-j", "4",
                             "dir", "--format=NIN", "--json", "--brief", "--no-progress",
                             "--engine", "cdcl", "--threads=3", "--", "--odd-name.zd" });
    ASSERT_EQ(parsed.error, "");
    const ToolOptions &options = parsed.options;
    EXPECT_EQ(options.inputs, (std::vector<std::string> { "a.zd", "dir", "--odd-name.zd" }));
    EXPECT_EQ(options.jobs, 4);
    EXPECT_DOUBLE_EQ(options.timeoutSeconds, 2.5);
    EXPECT_EQ(options.method, SolveMethod::Line);
    EXPECT_EQ(options.format, PuzzleFormat::Nin);
    EXPECT_TRUE(options.json);
    EXPECT_TRUE(options.brief);
    EXPECT_FALSE(options.progress);
    EXPECT_EQ(options.engine, SolverEngine::Cdcl);
    EXPECT_EQ(options.threads, 3);
}

TEST(ToolOptions, RejectsBadCommandLinesWithAReason)
{
    const std::pair<std::vector<std::string>, const char *> cases[] = {
        { {}, "no puzzle" },
        { { "a.zd", "--jobs" }, "--jobs needs a value" },
        { { "a.zd", "--jobs", "-1" }, "--jobs takes" },
        { { "a.zd", "-j", "2x" }, "-j takes" },
        { { "a.zd", "--timeout", "-3" }, "--timeout takes" },
        { { "a.zd", "--timeout", "nan" }, "--timeout takes" },
        { { "a.zd", "--engine", "cadical" }, "--engine takes 'sat' or 'cdcl'" },
        { { "a.zd", "--threads" }, "--threads needs a value" },
        { { "a.zd", "--threads", "0" }, "--threads takes a whole number from 1 to 64, not '0'" },
        { { "a.zd", "--threads=65" }, "--threads takes" },
        { { "a.zd", "--threads", "two" }, "--threads takes" },
        { { "a.zd", "--format", "txt" }, "--format takes one of zd, zdb, non, nin, tcga" },
        { { "a.zd", "--to", "nin" }, "--to takes zd, zdb, non or xml" },
        { { "a.zd", "--to", "non", "--json" }, "--json does not go with --to" },
        { { "a.zd", "--ambiguous", "--to", "zd" }, "--ambiguous goes with the complete solver" },
        { { "a.zd", "--make-unique", "--method", "line" }, "--make-unique goes with the complete" },
        { { "a.zd", "--json=yes" }, "unknown option '--json=yes'" },
        { { "a.zd", "-x" }, "unknown option '-x'" },
    };
    for (const auto &[arguments, words] : cases) {
        const ParsedOptions parsed = parseToolOptions(arguments);
        EXPECT_NE(parsed.error.find(words), std::string::npos)
            << words << " / got: " << parsed.error;
    }
}

TEST(JsonLine, EscapesWhatWouldBreakTheLine)
{
    EXPECT_EQ(jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(jsonString("line\nnext\ttab\x01"), "\"line\\nnext\\ttab\\u0001\"");
    EXPECT_EQ(jsonString("caf\xC3\xA9"), "\"caf\xC3\xA9\""); // valid UTF-8 stays
    EXPECT_EQ(jsonString("bad\xFF\xC3"), "\"bad\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(jsonString("\xED\xA0\x80"),
              "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""); // a surrogate
    JsonLine json;
    json.add("n", 3).addNull("x").add("rows", std::vector<std::string> { "#.", ".#" });
    EXPECT_EQ(json.finish(), "{\"n\": 3, \"x\": null, \"rows\": [\"#.\", \".#\"]}\n");
}

TEST(ProgressBar, FillsInProportionAndNeverOverflows)
{
    EXPECT_EQ(progressLine(0, 10, 0, 10), "[----------] 0/10  0 s");
    EXPECT_EQ(progressLine(5, 10, 3.7, 10), "[#####-----] 5/10  3 s");
    EXPECT_EQ(progressLine(12, 10, 1, 10), "[##########] 10/10  1 s");
    EXPECT_EQ(progressLine(0, 0, 0, 4), "[####] 0/0  0 s");
}

TEST(Conversion, NamesFilesAfterTheSourceAndThePuzzleNumber)
{
    EXPECT_EQ(convertedFileName("dir/a.zd", PuzzleFormat::Non), "a.non");
    EXPECT_EQ(convertedFileName("dir/set.tcga#12", PuzzleFormat::Text), "set-12.zd");
    EXPECT_EQ(convertedFileName("odd#dir/b.nin", PuzzleFormat::Text), "b.zd");
}

} // namespace
