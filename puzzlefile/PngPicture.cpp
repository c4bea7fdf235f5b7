#include "PngPicture.h"

#include "PbmPicture.h"
#include "PuzzleClues.h"

#include <png.h>

namespace zd {

bool pngPicturesAvailable()
{
    return true;
}

ParseError parsePngPicture(std::string_view content, std::vector<std::string> &picture)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    const auto fail = [&image](const std::string &what) {
        png_image_free(&image);
        return ParseError { 1, "not a readable PNG picture: " + what };
    };
    if (!png_image_begin_read_from_memory(&image, content.data(), content.size()))
        return fail(image.message);
    if (static_cast<long long>(image.width) * image.height > maxPicturePixels
        || image.width > static_cast<png_uint_32>(maxPuzzleCount)
        || image.height > static_cast<png_uint_32>(maxPuzzleCount))
        return fail(std::to_string(image.width) + " x " + std::to_string(image.height)
                    + " pixels are too many (at most " + std::to_string(maxPuzzleCount)
                    + " a side, " + std::to_string(maxPicturePixels) + " in all)");
    // Grey and alpha, one byte each, so that transparent pixels read as empty.
    image.format = PNG_FORMAT_GA;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        return fail(image.message);
    std::vector<std::string> rows(image.height, std::string(image.width, '.'));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const png_byte *pixel = pixels.data() + 2 * (r * image.width + c);
            if (pixel[0] < 128 && pixel[1] >= 128)
                rows[r][c] = '#';
        }
    png_image_free(&image);
    picture = std::move(rows);
    return {};
}

} // namespace zd
