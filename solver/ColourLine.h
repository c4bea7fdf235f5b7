#pragma once

#include "ColourPuzzle.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zd {

// One line's clues as a deterministic automaton over cell colours, and the
// exact line solver on it. States: "j blocks done, at least one background
// cell since (or the line's start)" and "t cells into block j". A block ends
// either with a background cell or, when the next block has another colour,
// straight into the next block: the gap rule of colour puzzles.
class ColourLine
{
public:
    explicit ColourLine(const ColourLineClues &lineClues);

    const ColourLineClues &blocks() const { return clues; }
    // The state of block j's first cell: after i cells it is live exactly
    // when block j can start at cell i - 1.
    int firstStateOfBlock(int j) const { return firstCellOf[j]; }

    int stateCount() const { return static_cast<int>(colourOfState.size()); }
    static constexpr int initialState = 0;
    // Where reading a cell of `colour` in `state` leads, or -1 (no such line).
    int next(int state, int colour) const;
    bool accepts(int state) const;
    // The moves out of a state: at most the background and one colour.
    struct Moves
    {
        int count = 0;
        int colour[2] = {};
        int target[2] = {};
    };
    const Moves &movesOf(int state) const { return moves[state]; }

    // Narrows each cell's colours (masks[i], bit k: colour k still possible)
    // to those some placement of the blocks gives it. Returns false when no
    // placement fits, leaving the masks undefined.
    bool solve(ColourMask *masks, int length, int stride = 1) const;
    // Which states are live after i cells (i = 0..length) for the masks:
    // reachable from the start and able to reach an accepting end. Row i of
    // the result is live[i * stateCount() ...]. Empty when nothing fits.
    std::vector<uint8_t> liveStates(const ColourMask *masks, int length, int stride = 1) const;

private:
    Moves computeMoves(int state) const;
    bool findLiveStates(const ColourMask *masks, int length, int stride, std::vector<uint8_t> &live,
                        std::vector<int> &band) const;

    std::vector<int> colourOfState; // per state: its block's colour, 0 in a gap
    std::vector<int> gapNextBlockState; // gap state: the state of the next block's first cell
    std::vector<int> followState; // block state: its next cell in the block, or -1 at its end
    std::vector<int> endGapState; // last cell of a block: the gap after it
    std::vector<int> endNextState; // last cell: the next block's first cell when colours differ
    ColourLineClues clues;
    std::vector<int> firstCellOf;
    std::vector<Moves> moves;
    int finalGap = 0;
    int finalBlockEnd = -1;
};

} // namespace zd
