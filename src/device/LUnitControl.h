#pragma once
// The model of one device: the current preset image, stored-preset flags and copies, the device
// information block; its setters store an edit into the linked channels and send it through the link host.

#include "device/BytePacket.h"
#include "device/CM_MCS.h"
#include "device/PresetImage.h"
#include "device/PresetRecords.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

class CommandSender;
class LinkHost;
class PresetListHost;
class LCmd;

enum class FileResult;
struct FileProblem;

class LUnitControl
{
public:
    static constexpr int PresetSlots = 30;
    static constexpr int DumpBlocks = 15;
    static constexpr int DumpBlockSize = 50;

    LUnitControl();

    // Where commands go (the link's send path), what the screen asks of the model (the suppress flag,
    // curve marks) and where preset names are shown; each may be null (nothing sent, suppressed,
    // marked or shown).
    void SetSender(CommandSender* sender) { m_sender = sender; }
    void SetLinkHost(LinkHost* host) { m_host = host; }
    void SetPresetListHost(PresetListHost* lists) { m_lists = lists; }

    void LoadDefaultPreset();
    const PresetImage& GetImage() const { return m_image; }

    // --- read accessors (a channel of the wrong side or out of range reads as zero) ---
    std::uint16_t GetGain(int ch) const;
    std::uint16_t GetDelay(int ch) const;
    bool GetPolarity(int ch) const;
    bool IsMute(int ch) const;
    PeqBand GetPeq(int ch, int band) const;
    PeqBand GetDefaultPeq(int ch, int band) const;
    bool IsPeqBandBypassed(int ch, int band) const;
    HpLpParams GetHpLp(int ch) const;
    GateParams GetInGate(int ch) const;
    CompParams GetOutComp(int ch) const;
    std::uint16_t GetMatrix(int ch) const;
    std::uint16_t GetLink(int ch) const;
    ChannelNameBytes GetChannelName(int ch) const;
    PresetNameBytes GetPresetName() const;
    std::uint16_t GetEqBypassMask(int ch) const;
    std::uint16_t GetDelayUnit() const;
    std::uint16_t GetWorkMode() const;
    std::uint16_t GetSineFreq() const;
    bool IsPresetUsed(int n) const;
    const std::array<std::uint8_t, PresetSlots>& PresetUsed() const { return m_presetUsed; }
    const DeviceInfo& GetDeviceInfo() const { return m_info; }
    // Slot of stored preset n (1..30); n out of range gives slot 1.
    const StoredPreset& GetStoredPreset(int n) const;

    // --- writers that send nothing ---
    void SetEqBypassMask(int ch, std::uint16_t mask);
    // Band b's bit of the band-bypass mask of ch and of every channel of ch's link mask.
    void SetPeqBandBypassed(int ch, int band, bool bypassed);
    void MarkPresetUsed(int n);
    void SetPresetName(const PresetNameBytes& name);

    // --- setters: store into every channel of ch's link mask, send one command for ch ---
    void SetOutComp(int ch, const CompParams& comp);
    void SetInGate(int ch, const GateParams& gate);
    void SetPolarity(int ch, std::uint8_t polarity);
    void SetPeq(int ch, int band, const PeqBand& peq, bool bypassed);
    void SetHp(int ch, std::uint16_t freqIndex, std::uint8_t slope);
    void SetHp(int ch, const HpLpParams& hplp) { SetHp(ch, hplp.HpFreq, hplp.HpSlope); }
    void SetLp(int ch, std::uint16_t freqIndex, std::uint8_t slope);
    void SetLp(int ch, const HpLpParams& hplp) { SetLp(ch, hplp.LpFreq, hplp.LpSlope); }
    void SetGain(int ch, std::uint16_t value);
    void SetDelay(int ch, std::uint16_t samples);
    void SetMute(int ch, std::uint8_t on);

    // --- setters that store into ch (or the image) only ---
    void SetDelayUnit(std::uint16_t unit);
    void SetMatrix(int ch, std::uint16_t inputMask);
    void SetLink(int ch, std::uint16_t mask);
    void SetChannelName(int ch, const ChannelNameBytes& name);

    // --- transfers with the device; each returns false and changes nothing for a refused payload ---
    // Payload: block number 0..14, then up to 50 bytes. Block 14 decodes the collected dump.
    bool OnPresetDumpBlock(std::span<const std::uint8_t> payload);
    bool OnStoredPresetDumpBlock(int n, std::span<const std::uint8_t> payload);
    bool OnDeviceInfo(std::span<const std::uint8_t> payload);
    bool SetPresetUsedFlags(std::span<const std::uint8_t> payload);
    void ResetPresetNames();
    // Row r = entry number + 1 (1..30); payload: entry number, then 14 name bytes.
    bool OnPresetNameReply(int row, std::span<const std::uint8_t> payload);
    // Image bytes 2..707 in order (at least 706 bytes): stored, then sent as 149 commands.
    bool LoadPresetAndSend(std::span<const std::uint8_t> bytes);
    // Copies a's settings into b of the same side; b keeps its name, matrix mask and link mask.
    void CopyChannel(int a, int b);

    // --- files ---
    // The identity followed by image bytes 2..707 (722 bytes).
    BytePacket PresetToBytes() const;
    // The whole-unit file image: identity, device information, 30 records of 720 bytes.
    BytePacket UnitFileBytes() const;
    // Writes the whole-unit file under the name chosen in the save dialog; an empty name is a cancel.
    FileResult SaveUnitFile(const std::string& chosenName, FileProblem* problem = nullptr) const;

private:
    std::uint16_t Read16(std::size_t at) const;
    void Write16(std::size_t at, unsigned v);
    std::size_t Field(int ch, std::size_t inOffset, std::size_t outOffset) const;
    std::size_t PeqOffset(int ch, int band) const;
    template <typename Fn> void ForEachLinked(int ch, Fn&& store);
    int Address() const;
    void Send(const LCmd& cmd, int mode) const;
    void SendAlways(const LCmd& cmd) const;
    bool CollectDumpBlock(std::span<const std::uint8_t> payload, bool& complete);

    PresetImage m_image {};
    std::array<std::uint8_t, PresetSlots> m_presetUsed {};
    DeviceInfo m_info {};
    std::array<std::uint8_t, DumpBlocks * DumpBlockSize> m_dump {};
    std::array<StoredPreset, PresetSlots> m_presets {};
    CommandSender* m_sender { nullptr };
    LinkHost* m_host { nullptr };
    PresetListHost* m_lists { nullptr };
};
