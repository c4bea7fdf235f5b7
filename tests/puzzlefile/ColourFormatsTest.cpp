#include "PuzzleFormats.h"
#include "TemporaryFile.h"

#include <gtest/gtest.h>
#include <random>

namespace zd {
namespace {

const std::string xmlSample = R"(<?xml version="1.0"?>
<!DOCTYPE pbn SYSTEM "pbn-0.3.dtd">
<puzzleset>
<puzzle type="grid" defaultcolor="red">
<title>Flag &amp; pole</title>
<color name="white" char=".">fff</color>
<color name="red" char="r">#ff0000</color>
<color name="blue" char="b">00f</color>
<clues type="columns">
<line><count>1</count></line>
<line><count color="blue">1</count><count>1</count></line>
<line/>
</clues>
<clues type="rows">
<line><count>1</count><count color="blue">1</count></line>
<line><count>1</count></line>
</clues>
<solution type="goal"><image>
|rb.|
|.r.|
</image></solution>
</puzzle>
</puzzleset>
)";

const std::string nonSample = "width 3\nheight 2\ncolor red #ff0000 r\ncolor blue #0000ff b\n"
                              "rows\n1red,1blue\n1red\ncolumns\n1red\n1blue 1red\n0\n";
const std::string nonNamedSample = "width 3\nheight 2\ncolor red #ff0000 r\ncolor blue #0000ff b\n"
                                   "rows\nred: 1, blue: 1\nred: 1\ncolumns\nred: 1\nblue: 1 "
                                   "red: 1\n0\n";

PuzzleEntry readOne(const std::string &content, PuzzleFormat format)
{
    const std::vector<PuzzleEntry> entries = parsePuzzleContent(content, format, "f");
    EXPECT_EQ(entries.size(), 1u);
    return entries.empty() ? PuzzleEntry {} : entries.front();
}

// The sample in each format reads to the same clues, with the default
// colour filled in and the empty column kept.
TEST(ColourFormats, EveryDialectReadsTheSameClues)
{
    const ColourLineClues expectedRow0 { { 1, 1 }, { 1, 2 } };
    const std::vector<ColourLineClues> expectedColumns { { { 1, 1 } }, { { 1, 2 }, { 1, 1 } }, {} };
    for (const auto &[content, format] :
         { std::pair { xmlSample, PuzzleFormat::Xml }, std::pair { nonSample, PuzzleFormat::Non },
           std::pair { nonNamedSample, PuzzleFormat::Non } }) {
        const PuzzleEntry entry = readOne(content, format);
        ASSERT_FALSE(entry.failed()) << entry.error;
        EXPECT_TRUE(entry.isColour);
        EXPECT_EQ(entry.colour.rowClues[0], expectedRow0);
        EXPECT_EQ(entry.colour.columnClues, expectedColumns);
        EXPECT_EQ(entry.colour.palette[1], (PaletteColour { "red", 'r', 0xFF0000 }));
    }
    EXPECT_EQ(readOne(xmlSample, PuzzleFormat::Xml).goal,
              (std::vector<std::string> { "rb.", ".r." }));
}

TEST(ColourFormats, OneColourGoesTheBlackAndWhiteWay)
{
    const PuzzleEntry entry
        = readOne("<puzzleset><puzzle><clues type=\"rows\"><line><count>2</count></line>"
                  "<line/></clues><clues type=\"columns\"><line><count>1</count></line>"
                  "<line><count>1</count></line></clues></puzzle></puzzleset>",
                  PuzzleFormat::Xml);
    ASSERT_FALSE(entry.failed()) << entry.error;
    EXPECT_FALSE(entry.isColour);
    EXPECT_EQ(entry.clues.rowClues, (std::vector<std::vector<int>> { { 2 }, { 0 } }));
}

// Each bad input is refused at its line with what is wrong.
TEST(ColourFormats, BadInputsNameTheLineAndTheProblem)
{
    const std::string head = "width 2\nheight 1\ncolor a #ff0000\ncolor b #00ff00\nrows\n";
    const std::string xmlHead = "<puzzleset><puzzle>\n<color name=\"red\">f00</color>\n";
    const std::string xmlTail = "</puzzle></puzzleset>\n";
    const std::string columns = "<clues type=\"columns\"><line/></clues>\n";
    std::string manyColours = "width 1\nheight 1\n";
    for (int k = 0; k < 32; ++k)
        manyColours += "color c" + std::to_string(k) + " #000000\n";
    std::string many;
    for (int k = 0; k < (1 << 20); ++k)
        many += "<b/>";
    std::string xmlManyColours = xmlHead;
    for (int k = 0; k < 30; ++k)
        xmlManyColours += "<color name=\"c" + std::to_string(k) + "\">000</color>\n";
    std::string attributes;
    for (int k = 0; k < 65; ++k)
        attributes += " a" + std::to_string(k) + "=''";
    std::string manyAttributes;
    for (int k = 0; k < (1 << 19); ++k)
        manyAttributes += "<b c=''/>";
    std::string deep;
    for (int k = 0; k < 100000; ++k)
        deep += "<a>";
    const struct
    {
        PuzzleFormat format;
        std::string content;
        std::string message;
    } cases[] = {
        { PuzzleFormat::Non, head + "1a,1c\ncolumns\n1a\n1b\n", "f:6: colour c is not declared" },
        { PuzzleFormat::Non, head + "green: 2\ncolumns\n1a\n1b\n",
          "f:6: colour green is not declared" },
        { PuzzleFormat::Non, head + "2\ncolumns\n1a\n1b\n", "f:6: clue 2 has no colour" },
        { PuzzleFormat::Non, head + "1a 1b\n1a\ncolumns\n1a\n1b\n",
          "f:5: the 'rows' section has 2 clue lines but height is 1" },
        { PuzzleFormat::Non, head + "1a 1b\ncolumns\n1a\n1b\ngoal \"ba\"\n",
          "f:10: the goal does not agree with the clues" },
        { PuzzleFormat::Non, "width 1\nheight 1\ncolor a #12345\n",
          "f:3: colour a has no RGB value such as #ff0000" },
        { PuzzleFormat::Non, head + "1a 1b 1a\ncolumns\n1a\n1b\n",
          "f:6: row 1 has more clues than a line of 2 cells holds" },
        { PuzzleFormat::Non, "rows\n1a 1b 1a\ncolumns\n1a\n1b\nwidth 2\nheight 1\ncolor a #f00\n",
          "f:2: colour a is not declared" },
        { PuzzleFormat::Non, manyColours, "f:34: more than 32 colours" },
        { PuzzleFormat::Xml, std::string(5000, '<') + "a>", "f:1: '<' that starts no element" },
        { PuzzleFormat::Xml, deep, "f:1: elements nest deeper than 64" },
        { PuzzleFormat::Xml, "<a>" + many + "</a>", "f:1: more than 1048576 elements" },
        { PuzzleFormat::Xml, "<puzzleset" + attributes + "/>",
          "f:1: more than 64 attributes in <puzzleset>" },
        { PuzzleFormat::Xml, "<a>" + manyAttributes + "</a>",
          "f:1: more than 1048576 elements and attributes" },
        { PuzzleFormat::Xml, xmlManyColours + xmlTail, "f:1: more than 32 colours" },
        { PuzzleFormat::Xml,
          "<puzzleset><puzzle>\n<color name=\"red\" char=\"x\">f00</color>\n"
          "<color name=\"blue\" char=\"x\">00f</color>\n<clues type=\"rows\"><line>"
          "<count color=\"red\">1</count><count color=\"blue\">1</count></line></clues>\n"
          "<clues type=\"columns\"><line><count color=\"red\">1</count></line><line>"
          "<count color=\"blue\">1</count></line></clues>\n<solution><image>\n|xx|\n"
          "</image></solution>\n"
              + xmlTail,
          "f:6: the goal's character x stands for both red and blue" },
        { PuzzleFormat::Xml,
          xmlHead
              + "<clues type=\"rows\"><line>\n<count color=\"blue\">1</count></line>"
                "</clues>\n"
              + columns + xmlTail,
          "f:4: colour blue is not declared" },
        { PuzzleFormat::Xml,
          xmlHead + "<clues type=\"rows\"><line><count>x</count></line></clues>" + columns
              + xmlTail,
          "f:3: count must be a number between 1 and 32767" },
        { PuzzleFormat::Xml, xmlHead + "<clues type=\"rows\"><line/></clues>\n" + xmlTail,
          "f:1: the puzzle has no <clues type=\"columns\">" },
        { PuzzleFormat::Xml,
          xmlHead + "<clues type=\"rows\"><line/></clues>" + columns
              + "<solution><image>|X|</image></solution>" + xmlTail,
          "f:4: the goal does not agree with the clues" },
        { PuzzleFormat::Xml, xmlHead + "</clues>",
          "f:3: end tag </clues> does not close <puzzle>" },
        { PuzzleFormat::Xml, xmlHead, "f:3: the file ends inside <puzzle> of line 1" },
        { PuzzleFormat::Xml, "<puzzleset a=\"&bad;\"/>", "f:1: unknown entity &bad;" },
        { PuzzleFormat::Xml, "<puzzleset>\n<puzzle/>\n</puzzleset>\n<x/>",
          "f:4: a second element after the document's element" },
    };
    for (const auto &bad : cases) {
        const std::vector<PuzzleEntry> entries = parsePuzzleContent(bad.content, bad.format, "f");
        ASSERT_EQ(entries.size(), 1u) << bad.content;
        EXPECT_EQ(entries[0].error, bad.message) << bad.content;
        EXPECT_FALSE(entries[0].isColour);
    }
}

// A reader that shows black and white only is told, not given empty clues.
TEST(ColourFormats, FileReadersTakeColourOnlyWhenAsked)
{
    const TemporaryFile file(nonSample, ".non");
    EXPECT_EQ(readPuzzleFile(file.path(), PuzzleFormat::Non)[0].error,
              file.path()
                  + ": a puzzle of several colours, which is read only where colours are "
                    "shown");
    EXPECT_TRUE(readPuzzleFile(file.path(), PuzzleFormat::Non, ColourPuzzles::Read)[0].isColour);
}

TEST(ColourFormats, SeveralPuzzlesAreNumbered)
{
    const std::string one = "<puzzle><clues type=\"rows\"><line/></clues><clues "
                            "type=\"columns\"><line/></clues></puzzle>";
    const std::vector<PuzzleEntry> entries = parsePuzzleContent(
        "<puzzleset>" + one + "<puzzle/>" + one + "</puzzleset>", PuzzleFormat::Xml, "s.xml");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].name, "s.xml#3");
    EXPECT_TRUE(entries[1].failed());
    EXPECT_FALSE(entries[2].failed());
}

PuzzleEntry through(const PuzzleEntry &entry, PuzzleFormat format)
{
    std::string content;
    std::string error;
    EXPECT_TRUE(writePuzzleContent(entry, format, content, error)) << error;
    return readOne(content, format);
}

// Random colour pictures, with their goal, through XML, .non and XML again.
TEST(ColourFormats, RoundTripsKeepPaletteCluesAndGoal)
{
    std::mt19937 random(5);
    const std::vector<PaletteColour> palette { { "white", '.', 0xFFFFFF },
                                               { "red", 'r', 0xFF0000 },
                                               { "dark-green", 'g', 0x006400 },
                                               { "blue", 'B', 0x0000FF } };
    for (int trial = 0; trial < 20; ++trial) {
        const int rows = 1 + trial % 6;
        const int columns = 1 + trial % 5;
        ColourGrid grid(static_cast<size_t>(rows) * columns);
        for (int &cell : grid)
            cell = std::uniform_int_distribution<int>(0, 3)(random);
        PuzzleEntry entry;
        entry.colour = colourPuzzleOfGrid(palette, rows, columns, grid);
        entry.isColour = !entry.colour.usesOneColour();
        if (!entry.isColour)
            continue;
        entry.goal = pictureOfColourGrid(entry.colour, grid);
        const PuzzleEntry viaNon = through(through(entry, PuzzleFormat::Xml), PuzzleFormat::Non);
        const PuzzleEntry back = through(viaNon, PuzzleFormat::Xml);
        for (const PuzzleEntry *read : { &viaNon, &back }) {
            ASSERT_FALSE(read->failed()) << read->error;
            EXPECT_EQ(read->colour, entry.colour) << "trial " << trial;
            EXPECT_EQ(read->goal, entry.goal) << "trial " << trial;
        }
    }
    PuzzleEntry colour = readOne(nonSample, PuzzleFormat::Non);
    std::string content;
    std::string error;
    EXPECT_FALSE(writePuzzleContent(colour, PuzzleFormat::Text, content, error));
    EXPECT_EQ(error,
              "a colour puzzle cannot be written in the black-and-white zd format; use xml "
              "or non");
}

} // namespace
} // namespace zd
