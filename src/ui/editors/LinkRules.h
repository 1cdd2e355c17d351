#pragma once
// Link masks as the window uses them. A side's channels each hold a 16-bit mask of that side's bits:
// a single channel its own bit, a master its own bit and its followers' (all of higher index), a
// follower 0. Masks from a device or a file may break these rules; a channel whose mask does not fit
// them is treated as single, so every channel has exactly one leader.

#include <array>
#include <cstdint>

namespace editors {

using LinkMasks = std::array<std::uint16_t, 8>;

// ChannelIndex of the leader of ch under the rules above; ch itself for a single channel or master.
constexpr int LinkLeader(const LinkMasks& raw, int ch)
{
    const int first = ch < 2 ? 0 : 2;
    const auto bit = [](int c) { return 1 << (c < 2 ? c : c - 2); };
    if (raw[static_cast<std::size_t>(ch)] != 0)
        return ch;
    for (int c = first; c < ch; ++c) {
        const int m = raw[static_cast<std::size_t>(c)];
        // A master holds its own bit, no lower bit, and is no one's follower itself.
        if ((m & bit(ch)) && (m & bit(c)) && (m & (bit(c) - 1)) == 0 && LinkLeader(raw, c) == c)
            return c;
    }
    return ch;
}

// The mask of ch as the rules allow it: 0 for a follower, else its own bit and its followers' bits.
constexpr int ValidLinkMask(const LinkMasks& raw, int ch)
{
    if (ch < 0 || ch > 7)
        return 0;
    if (LinkLeader(raw, ch) != ch)
        return 0;
    const int first = ch < 2 ? 0 : 2, last = ch < 2 ? 1 : 7;
    int mask = 1 << (ch - first);
    for (int s = ch + 1; s <= last; ++s)
        if (LinkLeader(raw, s) == ch)
            mask |= 1 << (s - first);
    return mask;
}

} // namespace editors
