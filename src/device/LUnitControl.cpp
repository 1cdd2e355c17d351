#include "device/LUnitControl.h"

#include "device/CommandSender.h"
#include "device/LinkHost.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"

#include <algorithm>

using namespace PresetLayout;

namespace {

bool ValidChannel(int ch)
{
    return ch >= 0 && ch < ChannelCount;
}

bool ValidOutput(int ch)
{
    return ch >= InputCount && ch < ChannelCount;
}

int BandCount(int ch)
{
    return IsInput(ch) ? InputBands : OutputBands;
}

bool ValidBand(int ch, int band)
{
    return ValidChannel(ch) && band >= 0 && band < BandCount(ch);
}

// Bit of ch inside its side's masks (mute, EQ bypass, link).
int SideBit(int ch)
{
    return IsInput(ch) ? ch : ch - InputCount;
}

} // namespace

LUnitControl::LUnitControl()
{
    LoadDefaultPreset();
}

void LUnitControl::LoadDefaultPreset()
{
    m_image = DefaultPresetImage;
}

std::uint16_t LUnitControl::Read16(std::size_t at) const
{
    return le::Read16(m_image, at);
}

void LUnitControl::Write16(std::size_t at, unsigned v)
{
    le::Write16(m_image, at, v);
}

std::size_t LUnitControl::Field(int ch, std::size_t inOffset, std::size_t outOffset) const
{
    return ChannelRecord(ch) + (IsInput(ch) ? inOffset : outOffset);
}

std::size_t LUnitControl::PeqOffset(int ch, int band) const
{
    return Field(ch, InPeq, OutPeq) + PeqBand::Size * static_cast<std::size_t>(band);
}

// --- read accessors ---

std::uint16_t LUnitControl::GetGain(int ch) const
{
    return ValidChannel(ch) ? Read16(Field(ch, InGain, OutGain)) : 0;
}

std::uint16_t LUnitControl::GetDelay(int ch) const
{
    return ValidChannel(ch) ? Read16(Field(ch, InDelay, OutDelay)) : 0;
}

bool LUnitControl::GetPolarity(int ch) const
{
    return ValidChannel(ch) && Read16(Field(ch, InPolarity, OutPolarity)) != 0;
}

bool LUnitControl::IsMute(int ch) const
{
    if (!ValidChannel(ch))
        return false;
    return (Read16(IsInput(ch) ? InMuteMask : OutMuteMask) >> SideBit(ch)) & 1u;
}

PeqBand LUnitControl::GetPeq(int ch, int band) const
{
    if (!ValidBand(ch, band))
        return {};
    return PeqBand::Read(std::span<const std::uint8_t, PeqBand::Size>(m_image.data() + PeqOffset(ch, band), PeqBand::Size));
}

PeqBand LUnitControl::GetDefaultPeq(int ch, int band) const
{
    if (!ValidBand(ch, band))
        return {};
    return PeqBand::Read(
        std::span<const std::uint8_t, PeqBand::Size>(DefaultPresetImage.data() + PeqOffset(ch, band), PeqBand::Size));
}

bool LUnitControl::IsPeqBandBypassed(int ch, int band) const
{
    if (!ValidBand(ch, band))
        return false;
    return (Read16(BandBypassMasks + 2 * static_cast<std::size_t>(ch)) >> band) & 1u;
}

HpLpParams LUnitControl::GetHpLp(int ch) const
{
    if (!ValidChannel(ch))
        return {};
    return HpLpParams::Read(
        std::span<const std::uint8_t, HpLpParams::Size>(m_image.data() + Field(ch, InHpLp, OutHpLp), HpLpParams::Size));
}

GateParams LUnitControl::GetInGate(int ch) const
{
    if (!IsInput(ch))
        return {};
    return GateParams::Read(
        std::span<const std::uint8_t, GateParams::Size>(m_image.data() + ChannelRecord(ch) + InGate, GateParams::Size));
}

CompParams LUnitControl::GetOutComp(int ch) const
{
    if (!ValidOutput(ch))
        return {};
    return CompParams::Read(
        std::span<const std::uint8_t, CompParams::Size>(m_image.data() + ChannelRecord(ch) + OutComp, CompParams::Size));
}

std::uint16_t LUnitControl::GetMatrix(int ch) const
{
    return ValidOutput(ch) ? Read16(ChannelRecord(ch) + OutMatrix) : 0;
}

std::uint16_t LUnitControl::GetLink(int ch) const
{
    return ValidChannel(ch) ? Read16(Field(ch, InLink, OutLink)) : 0;
}

ChannelNameBytes LUnitControl::GetChannelName(int ch) const
{
    ChannelNameBytes name {};
    if (ValidChannel(ch))
        std::copy_n(m_image.begin() + static_cast<std::ptrdiff_t>(ChannelRecord(ch)), name.size(), name.begin());
    return name;
}

PresetNameBytes LUnitControl::GetPresetName() const
{
    PresetNameBytes name {};
    std::copy_n(m_image.begin() + PresetName, name.size(), name.begin());
    return name;
}

std::uint16_t LUnitControl::GetEqBypassMask(int ch) const
{
    if (!ValidChannel(ch))
        return 0;
    return Read16(IsInput(ch) ? InEqBypassMask : OutEqBypassMask);
}

std::uint16_t LUnitControl::GetDelayUnit() const
{
    return Read16(DelayUnit);
}

std::uint16_t LUnitControl::GetWorkMode() const
{
    return Read16(WorkMode);
}

std::uint16_t LUnitControl::GetSineFreq() const
{
    return Read16(SineFreq);
}

bool LUnitControl::IsPresetUsed(int n) const
{
    return n >= 0 && n < PresetSlots && m_presetUsed[static_cast<std::size_t>(n)] != 0;
}

const StoredPreset& LUnitControl::GetStoredPreset(int n) const
{
    return m_presets[static_cast<std::size_t>((n >= 1 && n <= PresetSlots) ? n - 1 : 0)];
}

// --- writers that send nothing ---

void LUnitControl::SetEqBypassMask(int ch, std::uint16_t mask)
{
    if (ValidChannel(ch))
        Write16(IsInput(ch) ? InEqBypassMask : OutEqBypassMask, mask);
}

void LUnitControl::MarkPresetUsed(int n)
{
    if (n >= 0 && n < PresetSlots)
        m_presetUsed[static_cast<std::size_t>(n)] = 1;
}

void LUnitControl::SetPresetName(const PresetNameBytes& name)
{
    std::copy(name.begin(), name.end(), m_image.begin() + PresetName);
}

// --- sending ---

int LUnitControl::Address() const
{
    return m_sender ? m_sender->GetDeviceId() : 0;
}

void LUnitControl::Send(const LCmd& cmd, int mode) const
{
    if (m_sender && !(m_host && m_host->IsSendSuppressed()))
        m_sender->SendCommand(cmd, mode, true);
}

void LUnitControl::SendAlways(const LCmd& cmd) const
{
    if (m_sender)
        m_sender->SendCommand(cmd, SEND_APPEND, true);
}

// The mask is read once, before anything is stored: an edit of a follower (own bit clear) stores nothing.
template <typename Fn> void LUnitControl::ForEachLinked(int ch, Fn&& store)
{
    const std::uint16_t mask = GetLink(ch);
    const int first = IsInput(ch) ? 0 : InputCount;
    const int count = IsInput(ch) ? InputCount : OutputCount;
    for (int i = 0; i < count; ++i)
        if ((mask >> i) & 1u)
            store(first + i);
}

// --- propagating setters ---

void LUnitControl::SetOutComp(int ch, const CompParams& comp)
{
    if (!ValidOutput(ch))
        return;
    ForEachLinked(ch, [&](int t) {
        comp.Write(std::span<std::uint8_t, CompParams::Size>(m_image.data() + ChannelRecord(t) + OutComp, CompParams::Size));
    });
    Send(CM_MCS_COMP(Address(), ch, comp), SEND_REPLACE);
}

void LUnitControl::SetInGate(int ch, const GateParams& gate)
{
    if (!IsInput(ch))
        return;
    ForEachLinked(ch, [&](int t) {
        gate.Write(std::span<std::uint8_t, GateParams::Size>(m_image.data() + ChannelRecord(t) + InGate, GateParams::Size));
    });
    Send(CM_MCS_GATE(Address(), ch, gate), SEND_REPLACE);
}

void LUnitControl::SetPolarity(int ch, std::uint8_t polarity)
{
    if (!ValidChannel(ch))
        return;
    ForEachLinked(ch, [&](int t) { Write16(Field(t, InPolarity, OutPolarity), polarity); });
    Send(CM_MCS_POLARITY(Address(), ch, polarity), SEND_REPLACE);
}

void LUnitControl::SetPeq(int ch, int band, const PeqBand& peq, bool bypassed)
{
    if (!ValidBand(ch, band))
        return;
    ForEachLinked(ch, [&](int t) {
        peq.Write(std::span<std::uint8_t, PeqBand::Size>(m_image.data() + PeqOffset(t, band), PeqBand::Size));
    });
    Send(CM_MCS_PEQ(Address(), ch, band, peq, bypassed), SEND_REPLACE);
    if (m_host)
        m_host->MarkCurveStale(ch);
}

void LUnitControl::SetPeqBandBypassed(int ch, int band, bool bypassed)
{
    if (!ValidBand(ch, band))
        return;
    ForEachLinked(ch, [&](int t) {
        const std::size_t at = BandBypassMasks + 2 * static_cast<std::size_t>(t);
        const auto bit = static_cast<std::uint16_t>(1u << band);
        Write16(at, static_cast<std::uint16_t>(bypassed ? (Read16(at) | bit) : (Read16(at) & ~bit)));
    });
}

void LUnitControl::SetHp(int ch, std::uint16_t freqIndex, std::uint8_t slope)
{
    if (!ValidChannel(ch))
        return;
    ForEachLinked(ch, [&](int t) {
        const std::size_t at = Field(t, InHpLp, OutHpLp);
        Write16(at, freqIndex);
        m_image[at + 4] = slope;
    });
    Send(CM_MCS_HIGH_PASS(Address(), ch, freqIndex, slope), SEND_REPLACE);
    if (m_host)
        m_host->MarkCurveStale(ch);
}

void LUnitControl::SetLp(int ch, std::uint16_t freqIndex, std::uint8_t slope)
{
    if (!ValidChannel(ch))
        return;
    ForEachLinked(ch, [&](int t) {
        const std::size_t at = Field(t, InHpLp, OutHpLp);
        Write16(at + 2, freqIndex);
        m_image[at + 5] = slope;
    });
    Send(CM_MCS_LOW_PASS(Address(), ch, freqIndex, slope), SEND_REPLACE);
    if (m_host)
        m_host->MarkCurveStale(ch);
}

void LUnitControl::SetGain(int ch, std::uint16_t value)
{
    if (!ValidChannel(ch))
        return;
    ForEachLinked(ch, [&](int t) { Write16(Field(t, InGain, OutGain), value); });
    Send(CM_MCS_GAIN(Address(), ch, value), SEND_REPLACE);
}

void LUnitControl::SetDelay(int ch, std::uint16_t samples)
{
    if (!ValidChannel(ch))
        return;
    ForEachLinked(ch, [&](int t) { Write16(Field(t, InDelay, OutDelay), samples); });
    Send(CM_MCS_DELAY(Address(), ch, samples), SEND_REPLACE);
}

void LUnitControl::SetMute(int ch, std::uint8_t on)
{
    if (!ValidChannel(ch))
        return;
    const std::size_t at = IsInput(ch) ? InMuteMask : OutMuteMask;
    ForEachLinked(ch, [&](int t) {
        const unsigned bit = 1u << SideBit(t);
        const unsigned mask = Read16(at);
        Write16(at, on != 0 ? (mask | bit) : (mask & ~bit));
    });
    Send(CM_MCS_MUTE(Address(), ch, on), SEND_REPLACE);
}

// --- non-propagating setters ---

void LUnitControl::SetDelayUnit(std::uint16_t unit)
{
    Write16(DelayUnit, unit);
    Send(CM_MCS_DELAYUNIT(Address(), unit), SEND_REPLACE);
}

void LUnitControl::SetMatrix(int ch, std::uint16_t inputMask)
{
    if (!ValidOutput(ch))
        return;
    Write16(ChannelRecord(ch) + OutMatrix, inputMask);
    Send(CM_MCS_MATRIX(Address(), ch, inputMask), SEND_REPLACE);
}

void LUnitControl::SetLink(int ch, std::uint16_t mask)
{
    if (!ValidChannel(ch))
        return;
    Write16(Field(ch, InLink, OutLink), mask);
    Send(CM_MCS_CMD(Address(), MCS_CMD_CHANNEL_LINK, ch, mask & 0xFF), SEND_APPEND);
}

void LUnitControl::SetChannelName(int ch, const ChannelNameBytes& name)
{
    if (!ValidChannel(ch))
        return;
    std::copy(name.begin(), name.end(), m_image.begin() + static_cast<std::ptrdiff_t>(ChannelRecord(ch)));
    Send(CM_MCS_CHANNEL_NAME(Address(), ch, name), SEND_APPEND);
}
