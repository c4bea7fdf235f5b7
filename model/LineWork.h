#pragma once

#include "LineClueCheck.h"

#include <cstdint>
#include <vector>

// One block of a line while a line method works on it. The clue records keep
// 16-bit fields; the methods work on 32-bit copies so that a block pushed
// past the end of a long line cannot wrap around.
struct BlockState
{
    int32_t length = 0;
    int32_t position = 0;
    int32_t earliestStart = 0;
    int32_t latestStart = 0;
    int32_t firstMatchStart = 0;
};

// Storage for one line solve, kept in the model so that a line solve
// allocates nothing once the buffers have grown to the longest line.
struct LineScratch
{
    std::vector<int32_t> working; // the line's cells as the method decides them
    std::vector<int32_t> reversed; // the working line read from its far end
    std::vector<int32_t> placement; // the cells of the placement being tested
    std::vector<int32_t> intersection; // cells every agreeing placement shares
    std::vector<BlockState> blocks; // the line's blocks in clue order
    std::vector<BlockState> reversedBlocks; // the same blocks, last one first
    zd::LineFitScratch fit; // placement checks (placementFits)
};
