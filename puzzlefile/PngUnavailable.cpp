#include "PngPicture.h"

namespace zd {

// Built without libpng: PNG files are recognised, and refused with a reason.

bool pngPicturesAvailable()
{
    return false;
}

ParseError parsePngPicture(std::string_view, std::vector<std::string> &)
{
    return { 1, "PNG pictures cannot be read: this build has no libpng" };
}

} // namespace zd
