// Replies and dump blocks from the device handed to the model in any order. A reply the model
// refuses leaves it unchanged; a whole dump in order becomes the current image; a preset loaded
// from bytes is stored as given and sent as its 149 commands.

#include "FuzzSupport.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "device/CommandSender.h"
#include "device/LinkHost.h"
#include "device/PresetListHost.h"

#include <algorithm>
#include <vector>

namespace {

class CountingHost : public LinkHost, public CommandSender
{
public:
    void SendCommand(const LCmd&, int, bool) override { ++sent; }
    int GetDeviceId() const override { return 1; }
    bool IsSendSuppressed() const override { return false; }
    void MarkCurveStale(int) override {}
    int sent { 0 };
};

class NameLists : public PresetListHost
{
public:
    void SetRecallRowName(int row, const std::string& name) override { check(row, 1, name); }
    void SetStoreRowName(int row, const std::string& name) override { check(row, 0, name); }

private:
    static void check(int row, int first, const std::string& name)
    {
        fuzz::Require(row >= first && row < first + LUnitControl::PresetSlots, "preset list row");
        fuzz::Require(name.size() <= 14, "preset name length");
    }
};

struct Snapshot
{
    PresetImage image;
    std::array<std::uint8_t, LUnitControl::PresetSlots> used;
    DeviceInfo info;
    std::vector<StoredPreset> stored;

    explicit Snapshot(const LUnitControl& unit) : image(unit.GetImage()), used(unit.PresetUsed()), info(unit.GetDeviceInfo())
    {
        for (int n = 1; n <= LUnitControl::PresetSlots; ++n)
            stored.push_back(unit.GetStoredPreset(n));
    }
    bool operator==(const Snapshot& o) const
    {
        return image == o.image && used == o.used && info == o.info
            && std::equal(stored.begin(), stored.end(), o.stored.begin(), o.stored.end(),
                          [](const StoredPreset& a, const StoredPreset& b) { return a.Number == b.Number && a.Dump == b.Dump; });
    }
};

void wholeDump(LUnitControl& unit, fuzz::Input& in)
{
    std::vector<std::uint8_t> dump(LUnitControl::DumpBlocks * LUnitControl::DumpBlockSize);
    for (std::uint8_t& b : dump)
        b = in.Byte();
    for (int block = 0; block < LUnitControl::DumpBlocks; ++block) {
        std::vector<std::uint8_t> payload { static_cast<std::uint8_t>(block) };
        const auto from = dump.begin() + block * LUnitControl::DumpBlockSize;
        payload.insert(payload.end(), from, from + LUnitControl::DumpBlockSize);
        fuzz::Require(unit.OnPresetDumpBlock(payload), "a dump block in range is taken");
    }
    const PresetImage& image = unit.GetImage();
    fuzz::Require(std::equal(image.begin() + 2, image.end(), dump.begin() + 2), "a whole dump becomes the image");
}

void loadPreset(LUnitControl& unit, CountingHost& host, fuzz::Input& in)
{
    const std::vector<std::uint8_t> bytes = in.Bytes(720);
    const Snapshot before(unit);
    host.sent = 0;
    if (!unit.LoadPresetAndSend(bytes)) {
        fuzz::Require(bytes.size() < 706 && Snapshot(unit) == before && host.sent == 0, "a refused preset changes nothing");
        return;
    }
    fuzz::Require(std::equal(bytes.begin(), bytes.begin() + 706, unit.GetImage().begin() + 2), "a loaded preset is stored");
    fuzz::Require(host.sent == 149, "a loaded preset is sent whole");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CountingHost host;
    NameLists lists;
    LUnitControl unit;
    unit.SetLinkHost(&host);
    unit.SetSender(&host);
    unit.SetPresetListHost(&lists);
    fuzz::Input in(data, size);
    while (!in.Empty()) {
        const std::uint8_t op = in.Byte() % 8;
        if (op == 6) {
            wholeDump(unit, in);
            continue;
        }
        if (op == 7) {
            loadPreset(unit, host, in);
            continue;
        }
        const int n = static_cast<std::int8_t>(in.Byte());
        const std::vector<std::uint8_t> payload = in.Bytes(80);
        const Snapshot before(unit);
        bool taken = true;
        switch (op) {
        case 0: taken = unit.OnPresetDumpBlock(payload); break;
        case 1: taken = unit.OnStoredPresetDumpBlock(n, payload); break;
        case 2: taken = unit.OnDeviceInfo(payload); break;
        case 3: taken = unit.SetPresetUsedFlags(payload); break;
        case 4: taken = unit.OnPresetNameReply(n, payload); break;
        default: unit.ResetPresetNames(); break;
        }
        if (!taken)
            fuzz::Require(Snapshot(unit) == before, "a refused reply leaves the model unchanged");
    }
    return 0;
}
