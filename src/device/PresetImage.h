#pragma once
// The 718-byte preset image: its byte layout and the built-in default preset.

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t PresetImageSize = 718;
using PresetImage = std::array<std::uint8_t, PresetImageSize>;

inline constexpr int ChannelCount = 8; // InA, InB, Out1..Out6
inline constexpr int InputCount = 2;
inline constexpr int OutputCount = 6;
inline constexpr int InputBands = 8;
inline constexpr int OutputBands = 9;

// Field offsets inside an input channel's 78-byte record.
struct InChannelParams
{
    static constexpr std::size_t Size = 78;
    static constexpr std::size_t Name = 0; // 8 bytes, zero-padded
    static constexpr std::size_t Gate = 8;
    static constexpr std::size_t Peq = 16; // 8 bands of 6 bytes
    static constexpr std::size_t HpLp = 64;
    static constexpr std::size_t Gain = 70;
    static constexpr std::size_t Polarity = 72;
    static constexpr std::size_t Delay = 74;
    static constexpr std::size_t Link = 76;
};

// Field offsets inside an output channel's 86-byte record.
struct OutChannelParams
{
    static constexpr std::size_t Size = 86;
    static constexpr std::size_t Name = 0; // 8 bytes, zero-padded
    static constexpr std::size_t Matrix = 8;
    static constexpr std::size_t HpLp = 10;
    static constexpr std::size_t Peq = 16; // 9 bands of 6 bytes
    static constexpr std::size_t Comp = 70;
    static constexpr std::size_t Gain = 78;
    static constexpr std::size_t Polarity = 80;
    static constexpr std::size_t Delay = 82;
    static constexpr std::size_t Link = 84;
};

// Offsets inside the image; per-channel offsets are relative to the channel's record.
namespace PresetLayout {

inline constexpr std::size_t Header = 0;
inline constexpr std::size_t PresetName = 2;
inline constexpr std::size_t PresetNameSize = 14;
inline constexpr std::size_t InMuteMask = 688;
inline constexpr std::size_t OutMuteMask = 690;
inline constexpr std::size_t BandBypassMasks = 692; // + 2 * ch
inline constexpr std::size_t WorkMode = 708;
inline constexpr std::size_t SineFreq = 710;
inline constexpr std::size_t DelayUnit = 712;
inline constexpr std::size_t InEqBypassMask = 714;
inline constexpr std::size_t OutEqBypassMask = 716;

inline constexpr std::size_t InRecordSize = InChannelParams::Size;
inline constexpr std::size_t OutRecordSize = OutChannelParams::Size;
inline constexpr std::size_t ChannelNameSize = 8;

// Input record fields.
inline constexpr std::size_t InGate = InChannelParams::Gate;
inline constexpr std::size_t InPeq = InChannelParams::Peq;
inline constexpr std::size_t InHpLp = InChannelParams::HpLp;
inline constexpr std::size_t InGain = InChannelParams::Gain;
inline constexpr std::size_t InPolarity = InChannelParams::Polarity;
inline constexpr std::size_t InDelay = InChannelParams::Delay;
inline constexpr std::size_t InLink = InChannelParams::Link;

// Output record fields.
inline constexpr std::size_t OutMatrix = OutChannelParams::Matrix;
inline constexpr std::size_t OutHpLp = OutChannelParams::HpLp;
inline constexpr std::size_t OutPeq = OutChannelParams::Peq;
inline constexpr std::size_t OutComp = OutChannelParams::Comp;
inline constexpr std::size_t OutGain = OutChannelParams::Gain;
inline constexpr std::size_t OutPolarity = OutChannelParams::Polarity;
inline constexpr std::size_t OutDelay = OutChannelParams::Delay;
inline constexpr std::size_t OutLink = OutChannelParams::Link;

constexpr bool IsInput(int ch)
{
    return ch == 0 || ch == 1;
}

constexpr std::size_t ChannelRecord(int ch)
{
    return IsInput(ch) ? 16 + InRecordSize * static_cast<std::size_t>(ch) : OutRecordSize * static_cast<std::size_t>(ch);
}

static_assert(ChannelRecord(1) + InRecordSize == ChannelRecord(2) && ChannelRecord(7) + OutRecordSize == InMuteMask);

} // namespace PresetLayout

namespace detail {

constexpr void Put16(PresetImage& img, std::size_t at, unsigned v)
{
    img[at] = static_cast<std::uint8_t>(v & 0xFF);
    img[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

constexpr void PutText(PresetImage& img, std::size_t at, const char* text)
{
    for (std::size_t i = 0; text[i] != '\0'; ++i)
        img[at + i] = static_cast<std::uint8_t>(text[i]);
}

constexpr void PutPeq(PresetImage& img, std::size_t at, unsigned freq)
{
    Put16(img, at, 120);
    Put16(img, at + 2, freq);
    img[at + 4] = 35;
    img[at + 5] = 0;
}

constexpr PresetImage BuildDefaultPresetImage()
{
    using namespace PresetLayout;
    PresetImage img {};
    PutText(img, PresetName, "Default Preset");
    constexpr const char* inNames[] = {"InA", "InB"};
    constexpr unsigned inFreqs[] = {41, 71, 101, 140, 170, 200, 240, 270};
    for (int ch = 0; ch < InputCount; ++ch) {
        const std::size_t r = ChannelRecord(ch);
        PutText(img, r, inNames[ch]);
        Put16(img, r + InGate + 2, 99); // release 100 ms
        Put16(img, r + InGate + 4, 99); // hold 100 ms
        for (int b = 0; b < InputBands; ++b)
            PutPeq(img, r + InPeq + 6 * static_cast<std::size_t>(b), inFreqs[b]);
        Put16(img, r + InHpLp + 2, 300);
        Put16(img, r + InLink, 1u << ch);
    }
    constexpr const char* outNames[] = {"Out1", "Out2", "Out3", "Out4", "Out5", "Out6"};
    constexpr unsigned outFreqs[] = {31, 63, 95, 127, 158, 190, 222, 253, 285};
    for (int k = 0; k < OutputCount; ++k) {
        const std::size_t r = ChannelRecord(k + 2);
        PutText(img, r, outNames[k]);
        Put16(img, r + OutMatrix, (k % 2 == 0) ? 0x0001 : 0x0002);
        Put16(img, r + OutHpLp + 2, 300);
        for (int b = 0; b < OutputBands; ++b)
            PutPeq(img, r + OutPeq + 6 * static_cast<std::size_t>(b), outFreqs[b]);
        Put16(img, r + OutComp + 2, 49);  // attack 50 ms
        Put16(img, r + OutComp + 4, 499); // release 500 ms
        Put16(img, r + OutComp + 6, 220); // threshold +20 dB
        Put16(img, r + OutGain, 280);
        Put16(img, r + OutLink, 1u << k);
    }
    return img;
}

} // namespace detail

inline constexpr PresetImage DefaultPresetImage = detail::BuildDefaultPresetImage();
