#include "PuzzleClues.h"
#include "TextPuzzleFormat.h"
#include "ZdsolveRun.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zd;

namespace {

namespace fs = std::filesystem;

// Runs zdsolve after the shell text `prefix` (a limit, a wrapper command),
// with standard output sent to `output`, or to a file that `run.out` holds.
RunResult runInShell(const std::string &prefix, const std::vector<std::string> &arguments,
                     const std::string &output = "")
{
    TemporaryFolder streams;
    std::string command = prefix + " '" + ZDSOLVE_PROGRAM + "'";
    for (const std::string &argument : arguments)
        command += " '" + argument + "'";
    const std::string out = output.empty() ? streams.path("out") : output;
    command += " >'" + out + "' 2>'" + streams.path("err") + "' </dev/null";
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = output.empty() ? fileContent(out) : "";
    result.err = fileContent(streams.path("err"));
    return result;
}

std::vector<std::string> folderListing(const std::string &folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The text with every "@/" replaced by the folder's path (which ends in '/').
std::string inFolder(std::string text, const TemporaryFolder &folder)
{
    for (size_t at = text.find("@/"); at != std::string::npos; at = text.find("@/"))
        text.replace(at, 2, folder.path());
    return text;
}

struct OverwriteCase
{
    const char *name;
    std::vector<std::string> arguments; // "@" stands for the folder
    const char *message;
};

// `--to zdb -o self.zd self.zd` replaced the puzzle with binary bytes, and a
// folder converted into itself let a.non overwrite a.zd.
TEST(HostileRun, OutputThatIsAnInputIsRefusedBeforeAnythingIsWritten)
{
    const OverwriteCase cases[] = {
        { "the same file",
          { "--to", "zdb", "-o", "@/self.zd", "@/self.zd" },
          "@/self.zd would overwrite the input @/self.zd; nothing was written" },
        { "through a link",
          { "--to", "zd", "-o", "@/link.zd", "@/self.zd" },
          "@/link.zd would overwrite the input @/self.zd" },
        { "a folder into itself",
          { "--to", "zd", "-o", "@/", "@/" },
          "@/a.zd would overwrite the input @/a.zd" },
    };
    for (const OverwriteCase &test : cases) {
        TemporaryFolder folder;
        folder.write("self.zd", uniquePuzzle);
        folder.write("a.zd", multiplePuzzle);
        folder.write("a.non", "width 1\nheight 1\nrows\n1\ncolumns\n1\n");
        fs::create_symlink("self.zd", folder.path("link.zd"));
        const std::vector<std::string> before = folderListing(folder.path());
        std::vector<std::string> arguments;
        for (const std::string &argument : test.arguments)
            arguments.push_back(inFolder(argument, folder));
        const RunResult run = runZdsolveProgram(arguments);
        EXPECT_EQ(run.exitCode, 64) << test.name;
        const std::string message = inFolder(test.message, folder);
        EXPECT_TRUE(contains(run.err, message)) << test.name << ": " << run.err;
        EXPECT_EQ(fileContent(folder.path("self.zd")), uniquePuzzle) << test.name;
        EXPECT_EQ(fileContent(folder.path("a.zd")), multiplePuzzle) << test.name;
        EXPECT_EQ(folderListing(folder.path()), before) << test.name;
    }
}

// A puzzle whose text takes several kilobytes in any format.
std::string largePuzzle()
{
    std::vector<std::string> picture(60, std::string(60, '.'));
    for (int r = 0; r < 60; ++r)
        for (int c = (r % 2); c < 60; c += 2)
            picture[r][c] = '#';
    return formatTextPuzzle(PuzzleClues::fromPicture(picture));
}

// A full disk left a truncated file in place of a good one, and empty files in
// a converted folder; the message gave no reason. `ulimit -f` makes every
// write past 2 KB fail (dash counts 512-byte blocks) the way a full disk does.
TEST(HostileRun, FailedWritesLeaveEarlierFilesAndNoPiecesBehind)
{
    TemporaryFolder folder;
    const std::string large = folder.write("large.zd", largePuzzle());
    const std::string small = folder.write("small.zd", uniquePuzzle);
    const std::string existing = folder.write("out/old.non", "kept\n");
    const std::string limit = "trap '' XFSZ; ulimit -f 4;";

    RunResult run = runInShell(limit, { "--to", "non", "-o", existing, large });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, existing + ": cannot write: File too large")) << run.err;
    EXPECT_EQ(fileContent(existing), "kept\n");

    run = runInShell(limit, { "--to", "non", "-o", folder.path("out/"), large, small });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(folderListing(folder.path("out")),
              (std::vector<std::string> { "old.non", "small.non" }));

    run = runZdsolveProgram({ "--to", "zd", "-o", folder.path("missing/c.zd"), small });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "missing/c.zd: cannot write: No such file or directory"))
        << run.err;
}

// Write errors on standard output were ignored: `> /dev/full` exited 0.
TEST(HostileRun, LostStandardOutputFailsTheRun)
{
    TemporaryFolder folder;
    const std::string puzzle = folder.write("p.zd", uniquePuzzle);
    const std::vector<std::string> runs[]
        = { { puzzle }, { "--json", puzzle }, { "--to", "zd", puzzle } };
    for (const std::vector<std::string> &arguments : runs) {
        const RunResult run = runInShell("", arguments, "/dev/full");
        EXPECT_EQ(run.exitCode, 2) << arguments[0];
        EXPECT_TRUE(contains(run.err, "cannot write to standard output: No space left on device"))
            << run.err;
    }
}

// A FIFO hung the run before any other file was solved; an empty folder and
// an unreadable subfolder were passed over without a word.
TEST(HostileRun, EveryPathThatIsNotReadIsReported)
{
    TemporaryFolder folder;
    folder.write("dir/good.zd", uniquePuzzle);
    folder.write("dir/locked/hidden.zd", uniquePuzzle);
    fs::create_directories(folder.path("empty"));
    ASSERT_EQ(::mkfifo(folder.path("pipe.zd").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(folder.path("dir/inner.zd").c_str(), 0644), 0);
    fs::permissions(folder.path("dir/locked"), fs::perms::none);
    // As root every folder can be listed: run as nobody then.
    const std::string user
        = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
    const RunResult run = runInShell(
        "timeout 60 " + user,
        { "--brief", folder.path("pipe.zd"), folder.path("dir"), folder.path("empty") });
    fs::permissions(folder.path("dir/locked"), fs::perms::owner_all);
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_TRUE(contains(run.out, "good.zd: unique")) << run.out;
    for (const std::string &message :
         { folder.path("pipe.zd") + ": a named pipe, not a puzzle file",
           folder.path("dir/inner.zd") + ": a named pipe, not a puzzle file",
           folder.path("dir/locked") + ": cannot list the folder: Permission denied",
           folder.path("empty") + ": the folder holds no puzzle files" })
        EXPECT_TRUE(contains(run.err, message)) << message << "\n" << run.err;
}

// Control characters of file names reached the terminal raw.
TEST(HostileRun, ControlCharactersInNamesAreShownEscaped)
{
    TemporaryFolder folder;
    folder.write("a\x1b[2Jb\nc.zd", uniquePuzzle);
    folder.write("bad\x07.zd", badPuzzle);
    const RunResult run = runZdsolveProgram({ "--brief", folder.path() });
    EXPECT_TRUE(contains(run.out, "a\\x1b[2Jb\\x0ac.zd: unique")) << run.out;
    EXPECT_TRUE(contains(run.err, "bad\\x07.zd:3: clue line")) << run.err;
    for (char control : { '\x1b', '\x07' })
        EXPECT_FALSE(contains(run.out + run.err, std::string(1, control)));
}

} // namespace
