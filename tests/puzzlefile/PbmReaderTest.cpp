#include "PbmPicture.h"
#include "PictureFile.h"
#include "RandomPicture.h"

#include <gtest/gtest.h>
#include <random>

using namespace zd;

namespace {

using Picture = std::vector<std::string>;

TEST(PbmReader, ReadsPlainAndPackedPictures)
{
    const struct
    {
        const char *name;
        std::string content;
        Picture picture;
    } cases[] = {
        { "plain, comments and CRLF",
          "P1\r\n# made by hand\r\n3 2 # width height\r\n1 0 1\r\n0 1 0\r\n",
          { "#.#", ".#." } },
        { "plain, digits run together", "P1 3 2 101010", { "#.#", ".#." } },
        { "plain, what follows is ignored", "P1\n1 1\n1\nP1\n1 1\nx", { "#" } },
        // The raster starts right after one blank, even when its first byte
        // is a blank's code; the bits after the width pad each row.
        { "packed, ten wide",
          std::string("P4\n10 2\n\x0a\xff\x80\x40", 12),
          { "....#.#.##", "#........#" } },
        { "packed, a comment in the header", std::string("P4 # c\n3 1\n\xa0", 12), { "#.#" } },
    };
    for (const auto &test : cases) {
        Picture picture;
        const ParseError error = parsePbmPicture(test.content, picture);
        EXPECT_FALSE(error.failed()) << test.name << ": " << error.message;
        EXPECT_EQ(picture, test.picture) << test.name;
    }
}

TEST(PbmReader, RejectsBadPicturesWithTheLineOrByte)
{
    const struct
    {
        std::string content;
        const char *message;
    } cases[] = {
        { "", "line 1: not a PBM picture: it starts with neither P1 nor P4" },
        { "P2\n1 1\n1\n", "line 1: not a PBM picture: it starts with neither P1 nor P4" },
        { "P12 1\n1\n", "line 1: not a PBM picture: P1 or P4 must be followed by a blank" },
        { "P1\n# size\n", "line 3: file ends before the width" },
        { "P1\n3\n", "line 3: file ends before the height" },
        { "P1\n3 x\n", "line 2: the height is not a whole number" },
        { "P1\n-3 1\n", "line 2: the width is not a whole number" },
        { "P1\n0 4\n", "line 2: the width is 0: the picture has no pixels" },
        { "P1\n32768 1\n", "line 2: the width is above 32767" },
        { "P4\n5000 5000\n", "line 2: 5000 x 5000 pixels are more than 16777216" },
        { "P1\n2 2\n10\n0", "line 4: file ends before pixel 2 of row 2" },
        { "P1\n2 2\n10\n02", "line 4: pixel 2 of row 2 is '2', not 0 or 1" },
        { "P4\n9 2", "line 2: the height is not followed by one blank before the packed pixels" },
        { "P4\n9 2\n\x01\x02\x03", "byte 11: file ends in row 2 of 2 of the packed pixels" },
    };
    for (const auto &test : cases) {
        Picture picture = { "kept" };
        const ParseError error = parsePbmPicture(test.content, picture);
        EXPECT_EQ(error.message, test.message) << test.content;
        EXPECT_EQ(picture, Picture { "kept" }) << test.content;
    }
    EXPECT_EQ(parsePictureContent("P1\n1 1\n2\n", "a.pbm").error,
              "a.pbm:3: pixel 1 of row 1 is '2', not 0 or 1");
}

// Random pictures written both ways read back as themselves, and the entry
// holds their clues and the picture as its goal.
TEST(PbmReader, RandomPicturesReadBackInBothEncodings)
{
    std::mt19937 random(24);
    for (int round = 0; round < 50; ++round) {
        const Picture picture = randomPicture(1 + static_cast<int>(random() % 12),
                                              1 + static_cast<int>(random() % 20), 0.5, random);
        const size_t width = picture[0].size();
        std::string plain = "P1\n" + std::to_string(width) + " " + std::to_string(picture.size());
        std::string packed
            = "P4\n" + std::to_string(width) + " " + std::to_string(picture.size()) + "\n";
        for (const std::string &row : picture) {
            plain += '\n';
            std::string bytes((width + 7) / 8, '\0');
            for (size_t c = 0; c < width; ++c) {
                plain += row[c] == '#' ? "1 " : "0 ";
                if (row[c] == '#')
                    bytes[c / 8] = static_cast<char>(bytes[c / 8] | 0x80 >> (c % 8));
            }
            packed += bytes;
        }
        for (const std::string &content : { plain, packed }) {
            const PuzzleEntry entry = parsePictureContent(content, "r.pbm");
            ASSERT_FALSE(entry.failed()) << entry.error;
            EXPECT_EQ(entry.goal, picture);
            EXPECT_TRUE(entry.clues.isSolvedBy(gridOfPicture(picture)));
        }
    }
}

} // namespace
