// LUnitControl: dumps from the device, stored-preset lists, the preset loader, channel copy and files.

#include "device/LUnitControl.h"

#include "device/LinkHost.h"
#include "device/McsCodes.h"
#include "device/PresetFiles.h"
#include "device/PresetListHost.h"

#include <algorithm>

using namespace PresetLayout;

namespace {

constexpr char DefaultPresetName[] = "Default Preset";

} // namespace

bool LUnitControl::CollectDumpBlock(std::span<const std::uint8_t> payload, bool& complete)
{
    complete = false;
    if (payload.empty())
        return false;
    const int block = payload[0];
    if (block >= DumpBlocks)
        return false;
    const std::size_t count = std::min<std::size_t>(payload.size() - 1, DumpBlockSize);
    std::copy_n(payload.begin() + 1, count, m_dump.begin() + block * DumpBlockSize);
    complete = block == DumpBlocks - 1;
    return true;
}

bool LUnitControl::OnPresetDumpBlock(std::span<const std::uint8_t> payload)
{
    bool complete = false;
    if (!CollectDumpBlock(payload, complete))
        return false;
    // The dump's two header bytes are the device's own; the image keeps its header.
    if (complete)
        std::copy(m_dump.begin() + 2, m_dump.begin() + PresetImageSize, m_image.begin() + 2);
    return true;
}

bool LUnitControl::OnStoredPresetDumpBlock(int n, std::span<const std::uint8_t> payload)
{
    if (n < 1 || n > PresetSlots)
        return false;
    bool complete = false;
    if (!CollectDumpBlock(payload, complete))
        return false;
    if (complete) {
        StoredPreset& slot = m_presets[static_cast<std::size_t>(n - 1)];
        slot.Number = static_cast<std::uint8_t>(n);
        std::copy_n(m_dump.begin(), slot.Dump.size(), slot.Dump.begin());
    }
    return true;
}

bool LUnitControl::OnDeviceInfo(std::span<const std::uint8_t> payload)
{
    if (payload.size() < m_info.size())
        return false;
    std::copy_n(payload.begin(), m_info.size(), m_info.begin());
    return true;
}

bool LUnitControl::SetPresetUsedFlags(std::span<const std::uint8_t> payload)
{
    if (payload.size() < m_presetUsed.size())
        return false;
    for (std::size_t n = 0; n < m_presetUsed.size(); ++n)
        m_presetUsed[n] = payload[n] == 0xFF ? 1 : 0;
    return true;
}

void LUnitControl::ResetPresetNames()
{
    if (!m_lists)
        return;
    for (int r = 1; r <= PresetSlots; ++r) {
        m_lists->SetRecallRowName(r, DefaultPresetName);
        m_lists->SetStoreRowName(r - 1, DefaultPresetName);
    }
}

bool LUnitControl::OnPresetNameReply(int row, std::span<const std::uint8_t> payload)
{
    if (row < 1 || row > PresetSlots || payload.size() < 1 + PresetNameSize)
        return false;
    std::string name(PresetNameSize, ' ');
    for (std::size_t i = 0; i < PresetNameSize; ++i)
        if (payload[1 + i] != 0)
            name[i] = static_cast<char>(payload[1 + i]);
    if (m_lists) {
        m_lists->SetRecallRowName(row, name);
        m_lists->SetStoreRowName(row - 1, name);
    }
    return true;
}

bool LUnitControl::LoadPresetAndSend(std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t BodySize = InMuteMask + 4 + 2 * ChannelCount - PresetName; // bytes 2..707
    static_assert(BodySize == 706);
    if (bytes.size() < BodySize)
        return false;
    std::copy_n(bytes.begin(), BodySize, m_image.begin() + PresetName);

    const int id = Address();
    SendAlways(CM_MCS_PRESETNAME(id, GetPresetName()));
    for (int ch = 0; ch < InputCount; ++ch) {
        const HpLpParams x = GetHpLp(ch);
        SendAlways(CM_MCS_CHANNEL_NAME(id, ch, GetChannelName(ch)));
        SendAlways(CM_MCS_GATE(id, ch, GetInGate(ch)));
        SendAlways(CM_MCS_HIGH_PASS(id, ch, x.HpFreq, x.HpSlope));
        SendAlways(CM_MCS_LOW_PASS(id, ch, x.LpFreq, x.LpSlope));
        SendAlways(CM_MCS_GAIN(id, ch, GetGain(ch)));
        SendAlways(CM_MCS_POLARITY(id, ch, GetPolarity(ch)));
        SendAlways(CM_MCS_DELAY(id, ch, GetDelay(ch)));
        SendAlways(CM_MCS_CMD(id, MCS_CMD_CHANNEL_LINK, ch, GetLink(ch) & 0xFF));
    }
    for (int ch = InputCount; ch < ChannelCount; ++ch) {
        const HpLpParams x = GetHpLp(ch);
        SendAlways(CM_MCS_CHANNEL_NAME(id, ch, GetChannelName(ch)));
        SendAlways(CM_MCS_MATRIX(id, ch, GetMatrix(ch)));
        SendAlways(CM_MCS_HIGH_PASS(id, ch, x.HpFreq, x.HpSlope));
        SendAlways(CM_MCS_LOW_PASS(id, ch, x.LpFreq, x.LpSlope));
        SendAlways(CM_MCS_COMP(id, ch, GetOutComp(ch)));
        SendAlways(CM_MCS_GAIN(id, ch, GetGain(ch)));
        SendAlways(CM_MCS_POLARITY(id, ch, GetPolarity(ch)));
        SendAlways(CM_MCS_DELAY(id, ch, GetDelay(ch)));
        SendAlways(CM_MCS_CMD(id, MCS_CMD_CHANNEL_LINK, ch, GetLink(ch) & 0xFF));
    }
    for (int ch = 0; ch < ChannelCount; ++ch)
        SendAlways(CM_MCS_MUTE(id, ch, IsMute(ch) ? 1 : 0));
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const int bands = IsInput(ch) ? InputBands : OutputBands;
        for (int b = 0; b < bands; ++b)
            SendAlways(CM_MCS_PEQ(id, ch, b, GetPeq(ch, b), IsPeqBandBypassed(ch, b)));
    }
    return true;
}

void LUnitControl::CopyChannel(int a, int b)
{
    const bool inputs = IsInput(a) && IsInput(b);
    const bool outputs = a >= InputCount && a < ChannelCount && b >= InputCount && b < ChannelCount;
    if ((!inputs && !outputs) || a == b)
        return;
    Write16(BandBypassMasks + 2 * static_cast<std::size_t>(b), Read16(BandBypassMasks + 2 * static_cast<std::size_t>(a)));
    const int bitA = inputs ? a : a - InputCount;
    const int bitB = inputs ? b : b - InputCount;
    for (std::size_t at : {inputs ? InMuteMask : OutMuteMask, inputs ? InEqBypassMask : OutEqBypassMask}) {
        const unsigned mask = Read16(at);
        const unsigned bit = (mask >> bitA) & 1u;
        Write16(at, (mask & ~(1u << bitB)) | (bit << bitB));
    }
    // Everything between the name (and an output's matrix mask) and the link mask.
    const std::size_t from = inputs ? InGate : OutHpLp;
    const std::size_t to = inputs ? InLink : OutLink;
    std::copy(m_image.begin() + static_cast<std::ptrdiff_t>(ChannelRecord(a) + from),
              m_image.begin() + static_cast<std::ptrdiff_t>(ChannelRecord(a) + to),
              m_image.begin() + static_cast<std::ptrdiff_t>(ChannelRecord(b) + from));
}

BytePacket LUnitControl::PresetToBytes() const
{
    BytePacket out;
    out.reserve(FILE_IDENTITY.size() + (WorkMode - PresetName));
    out.insert(out.end(), FILE_IDENTITY.begin(), FILE_IDENTITY.end());
    out.insert(out.end(), m_image.begin() + PresetName, m_image.begin() + WorkMode);
    return out;
}

BytePacket LUnitControl::UnitFileBytes() const
{
    BytePacket out;
    out.reserve(UnitFileSize);
    out.insert(out.end(), FILE_IDENTITY.begin(), FILE_IDENTITY.end());
    out.insert(out.end(), m_info.begin(), m_info.end());
    for (std::size_t k = 0; k < UnitRecordCount; ++k) {
        if (m_presetUsed[k]) {
            const StoredPreset& slot = m_presets[k];
            out.push_back(slot.Number);
            out.insert(out.end(), slot.Dump.begin(), slot.Dump.end() - 1);
        } else {
            out.insert(out.end(), PresetImageSize, 0x64);
        }
        out.push_back(0x0D);
        out.push_back(0x0A);
    }
    return out;
}

FileResult LUnitControl::SaveUnitFile(const std::string& chosenName, FileProblem* problem) const
{
    if (chosenName.empty())
        return FileResult::Cancelled;
    return WriteFileBytes(ApplyFileNameRule(chosenName, "unt"), UnitFileBytes(), problem) ? FileResult::Ok
                                                                                          : FileResult::ErrorFile;
}
