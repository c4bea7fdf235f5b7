#include "PbmPicture.h"
#include "PictureFile.h"
#include "PngPicture.h"
#include "RandomPicture.h"

#include <gtest/gtest.h>
#include <random>

using namespace zd;

namespace {

using Picture = std::vector<std::string>;

TEST(PictureReader, ReadsPlainAndPackedPictures)
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

TEST(PictureReader, RejectsBadPicturesWithTheLineOrByte)
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
TEST(PictureReader, RandomPicturesReadBackInBothEncodings)
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

// Made with zlib by hand: grey 3 x 2 (0, 255, 100 / 200, 0, 128), and
// 2 x 1 black in RGBA, opaque then transparent.
const std::string greyPng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x03\x00\x00\x00"
    "\x02\x08\x00\x00\x00\x00\xb8\x1f\x39\xc6\x00\x00\x00\x10\x49\x44\x41\x54\x78\x9c\x63\x60\xf8"
    "\x9f\xc2\x70\x82\xa1\x01\x00\x0a\xce\x02\xac\xb1\xd8\x6f\x0e\x00\x00\x00\x00\x49\x45\x4e\x44"
    "\xae\x42\x60\x82",
    73);
const std::string alphaPng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x02\x00\x00\x00"
    "\x01\x08\x06\x00\x00\x00\xf4\x22\x7f\x8a\x00\x00\x00\x0f\x49\x44\x41\x54\x78\x9c\x63\x60\x60"
    "\x60\xf8\x0f\xc4\x0c\x00\x05\x04\x01\x00\xb0\x05\x48\x92\x00\x00\x00\x00\x49\x45\x4e\x44\xae"
    "\x42\x60\x82",
    72);
// The header of a 5000 x 5000 grey picture and an empty first IDAT chunk.
const std::string hugePngHeader(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x13\x88\x00\x00\x13"
    "\x88\x08\x00\x00\x00\x00\x78\xf3\xd8\x17\x00\x00\x00\x00\x49\x44\x41\x54\x35\xaf\x06\x1e",
    45);

TEST(PictureReader, ReadsPngPicturesDarkAndOpaqueAsFilled)
{
    if (!pngPicturesAvailable())
        GTEST_SKIP() << "built without libpng";
    const struct
    {
        std::string content;
        Picture picture;
        const char *error;
    } cases[] = {
        { greyPng, { "#.#", ".#." }, "" },
        { alphaPng, { "#." }, "" },
        { greyPng.substr(0, 40), {}, "p.png: not a readable PNG picture: " },
        { hugePngHeader,
          {},
          "p.png: not a readable PNG picture: 5000 x 5000 pixels are too many (at most 32767 a "
          "side, 16777216 in all)" },
    };
    for (const auto &test : cases) {
        const PuzzleEntry entry = parsePictureContent(test.content, "p.png");
        EXPECT_EQ(entry.error.substr(0, std::string(test.error).size()), test.error);
        EXPECT_EQ(entry.failed(), *test.error != '\0') << entry.error;
        EXPECT_EQ(entry.goal, test.picture);
    }
}

} // namespace
