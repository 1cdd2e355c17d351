// Preset (.prs) and whole-unit (.unt) files opened from disk. A refused file leaves the model (or
// the caller's contents) unchanged and sends nothing; an accepted preset file becomes the model's
// preset exactly, and an accepted whole-unit file is read record by record as it stands.

#include "FuzzSupport.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "device/CommandSender.h"
#include "device/LinkHost.h"
#include "device/PresetFiles.h"

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

void openPreset(const std::vector<std::uint8_t>& file)
{
    CountingHost host;
    LUnitControl unit;
    unit.SetLinkHost(&host);
    unit.SetSender(&host);
    const PresetImage before = unit.GetImage();
    const FileResult result = OpenPresetFile(unit, fuzz::ScratchFile(file, ".prs"));
    if (result != FileResult::Ok) {
        fuzz::Require(result == FileResult::ErrorFile, "a refused preset file is a file error");
        fuzz::Require(unit.GetImage() == before && host.sent == 0, "a refused preset file changes nothing");
        return;
    }
    fuzz::Require(file.size() == PresetFileSize, "only a preset-sized file is taken");
    const BytePacket saved = unit.PresetToBytes();
    fuzz::Require(std::equal(saved.begin(), saved.end(), file.begin()), "the preset is taken as the file holds it");
}

void readUnit(const std::vector<std::uint8_t>& file)
{
    UnitFileContents contents;
    contents.Info.fill(0xA5);
    const FileResult result = ReadUnitFile(fuzz::ScratchFile(file, ".unt"), contents);
    if (result != FileResult::Ok) {
        fuzz::Require(result == FileResult::ErrorDownload, "a refused unit file is a download error");
        fuzz::Require(std::all_of(contents.Info.begin(), contents.Info.end(), [](auto b) { return b == 0xA5; }),
                      "a refused unit file changes nothing");
        return;
    }
    fuzz::Require(file.size() > UnitFileRefusedSize, "only a long enough unit file is taken");
    fuzz::Require(std::equal(contents.Info.begin(), contents.Info.end(), file.begin() + FILE_IDENTITY.size()), "device information");
    for (std::size_t k = 0; k < UnitRecordCount; ++k) {
        const auto& record = contents.Records[k];
        for (std::size_t i = 0; i < UnitRecordSize; ++i) {
            const std::size_t at = UnitHeaderSize + k * UnitRecordSize + i;
            fuzz::Require(record[i] == (at < std::min(file.size(), UnitFileSize) ? file[at] : 0), "record bytes");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::vector<std::uint8_t> file(data + 1, data + size);
    // Half the inputs get the identity the readers look for first, so the rest of the file is reached.
    if (data[0] & 2) {
        file.resize(std::max(file.size(), FILE_IDENTITY.size()));
        std::copy(FILE_IDENTITY.begin(), FILE_IDENTITY.end(), file.begin());
    }
    if (data[0] & 1) {
        if (data[0] & 4)
            file.resize(UnitFileSize);
        readUnit(file);
    } else {
        if (data[0] & 4)
            file.resize(PresetFileSize);
        openPreset(file);
    }
    return 0;
}
