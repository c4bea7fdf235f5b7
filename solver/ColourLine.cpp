#include "ColourLine.h"

namespace zd {

ColourLine::ColourLine(const ColourLineClues &clues)
{
    // State numbers: gap 0, block 0's cells, gap 1, block 1's cells, ...
    std::vector<int> gapOf(clues.size() + 1);
    std::vector<int> firstCellOf(clues.size());
    int state = 0;
    for (size_t j = 0; j <= clues.size(); ++j) {
        gapOf[j] = state++;
        if (j < clues.size()) {
            firstCellOf[j] = state;
            state += clues[j].length;
        }
    }
    const size_t count = static_cast<size_t>(state);
    colourOfState.assign(count, 0);
    gapNextBlockState.assign(count, -1);
    followState.assign(count, -1);
    endGapState.assign(count, -1);
    endNextState.assign(count, -1);
    for (size_t j = 0; j < clues.size(); ++j) {
        gapNextBlockState[gapOf[j]] = firstCellOf[j];
        const int last = firstCellOf[j] + clues[j].length - 1;
        for (int s = firstCellOf[j]; s <= last; ++s) {
            colourOfState[s] = clues[j].colour;
            followState[s] = s < last ? s + 1 : -1;
        }
        endGapState[last] = gapOf[j + 1];
        if (j + 1 < clues.size() && clues[j + 1].colour != clues[j].colour)
            endNextState[last] = firstCellOf[j + 1];
    }
    finalGap = gapOf[clues.size()];
    finalBlockEnd = clues.empty() ? -1 : finalGap - 1;
}

int ColourLine::next(int state, int colour) const
{
    const Moves moves = movesOf(state);
    for (int k = 0; k < moves.count; ++k)
        if (moves.colour[k] == colour)
            return moves.target[k];
    return -1;
}

bool ColourLine::accepts(int state) const
{
    return state == finalGap || state == finalBlockEnd;
}

namespace {

// Calls visit(colour, target) for every move out of `state` that a cell of
// `mask` allows; a state has at most two (the background and one colour).
template<class Visit>
void forEachMove(const ColourLine &line, int state, ColourMask mask, Visit visit)
{
    const ColourLine::Moves moves = line.movesOf(state);
    for (int k = 0; k < moves.count; ++k)
        if (mask & (ColourMask(1) << moves.colour[k]))
            visit(moves.colour[k], moves.target[k]);
}

} // namespace

ColourLine::Moves ColourLine::movesOf(int state) const
{
    Moves moves;
    const auto add = [&moves](int colour, int target) {
        if (target < 0)
            return;
        moves.colour[moves.count] = colour;
        moves.target[moves.count] = target;
        ++moves.count;
    };
    if (colourOfState[state] == 0) {
        add(0, state);
        if (gapNextBlockState[state] >= 0)
            add(colourOfState[gapNextBlockState[state]], gapNextBlockState[state]);
    } else if (followState[state] >= 0) {
        add(colourOfState[state], followState[state]);
    } else {
        add(0, endGapState[state]);
        if (endNextState[state] >= 0)
            add(colourOfState[endNextState[state]], endNextState[state]);
    }
    return moves;
}

std::vector<uint8_t> ColourLine::liveStates(const ColourMask *masks, int length, int stride) const
{
    const size_t states = colourOfState.size();
    std::vector<uint8_t> forward((static_cast<size_t>(length) + 1) * states, 0);
    forward[initialState] = 1;
    for (int i = 0; i < length; ++i) {
        const ColourMask mask = masks[static_cast<ptrdiff_t>(i) * stride];
        const uint8_t *here = &forward[static_cast<size_t>(i) * states];
        uint8_t *after = &forward[(static_cast<size_t>(i) + 1) * states];
        bool any = false;
        for (size_t q = 0; q < states; ++q)
            if (here[q])
                forEachMove(*this, static_cast<int>(q), mask, [&](int, int target) {
                    after[target] = 1;
                    any = true;
                });
        if (!any)
            return {};
    }
    // Backward: keep the states from which an accepting end is reachable.
    uint8_t *last = &forward[static_cast<size_t>(length) * states];
    bool accepted = false;
    for (size_t q = 0; q < states; ++q) {
        last[q] = last[q] && accepts(static_cast<int>(q)) ? 1 : 0;
        accepted = accepted || last[q];
    }
    if (!accepted)
        return {};
    for (int i = length - 1; i >= 0; --i) {
        const ColourMask mask = masks[static_cast<ptrdiff_t>(i) * stride];
        uint8_t *here = &forward[static_cast<size_t>(i) * states];
        const uint8_t *after = &forward[(static_cast<size_t>(i) + 1) * states];
        for (size_t q = 0; q < states; ++q) {
            if (!here[q])
                continue;
            bool leadsOn = false;
            forEachMove(*this, static_cast<int>(q), mask,
                        [&](int, int target) { leadsOn = leadsOn || after[target]; });
            here[q] = leadsOn ? 1 : 0;
        }
    }
    return forward;
}

bool ColourLine::solve(ColourMask *masks, int length, int stride) const
{
    const std::vector<uint8_t> live = liveStates(masks, length, stride);
    if (live.empty())
        return false;
    const size_t states = colourOfState.size();
    for (int i = 0; i < length; ++i) {
        ColourMask &mask = masks[static_cast<ptrdiff_t>(i) * stride];
        const uint8_t *here = &live[static_cast<size_t>(i) * states];
        const uint8_t *after = &live[(static_cast<size_t>(i) + 1) * states];
        ColourMask possible = 0;
        for (size_t q = 0; q < states && possible != mask; ++q)
            if (here[q])
                forEachMove(*this, static_cast<int>(q), mask, [&](int colour, int target) {
                    if (after[target])
                        possible |= ColourMask(1) << colour;
                });
        if (possible == 0)
            return false;
        mask = possible;
    }
    return true;
}

} // namespace zd
