#pragma once

#include "CMalovanaKrizovkaFromFile.h"

// CMalovanaKrizovkaFromFileBin: the puzzle model that reads the binary puzzle
// format (see BinaryPuzzleFormat.h) instead of text. It does not store the path.
class CMalovanaKrizovkaFromFileBin : public CMalovanaKrizovkaFromFile
{
public:
    int load(const char *path) override;
};
