// libFuzzer harness for the picture reader (PictureFile.h). Every input must
// give either a message that names the file or a rectangular picture of '#'
// and '.' within the size limits, whose clues it solves and which the .non
// format writes and reads back with the same clues and goal.
#include "FuzzCheck.h"
#include "PbmPicture.h"
#include "PictureFile.h"

#include <cstdint>
#include <string_view>

using namespace zd;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view content(reinterpret_cast<const char *>(data), size);
    const PuzzleEntry entry = parsePictureContent(content, "f");
    if (entry.failed()) {
        FUZZ_CHECK(entry.error.rfind("f:", 0) == 0, "a message that does not name the file");
        return 0;
    }
    const std::vector<std::string> &picture = entry.goal;
    FUZZ_CHECK(!picture.empty() && !picture[0].empty(), "a picture without pixels");
    FUZZ_CHECK(static_cast<long long>(picture.size()) * static_cast<long long>(picture[0].size())
                   <= maxPicturePixels,
               "a picture over the pixel limit");
    for (const std::string &row : picture) {
        FUZZ_CHECK(row.size() == picture[0].size(), "rows of different lengths");
        FUZZ_CHECK(row.find_first_not_of("#.") == std::string::npos, "a cell neither # nor .");
    }
    FUZZ_CHECK(entry.clues.isSolvedBy(gridOfPicture(picture)), "clues the picture does not solve");
    std::string written;
    std::string error;
    FUZZ_CHECK(writePuzzleContent(entry, PuzzleFormat::Non, written, error), "not written as .non");
    const std::vector<PuzzleEntry> again = parsePuzzleContent(written, PuzzleFormat::Non, "again");
    FUZZ_CHECK(again.size() == 1 && !again[0].failed(), "written picture does not read back");
    FUZZ_CHECK(again[0].clues.rowClues == entry.clues.rowClues
                   && again[0].clues.columnClues == entry.clues.columnClues
                   && again[0].goal == picture,
               "written picture reads back with other clues or goal");
    return 0;
}
