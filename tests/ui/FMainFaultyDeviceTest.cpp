// The main window against a misbehaving emulator over loopback TCP: a whole-unit upload with late
// or repeated replies saves every preset with its own data, and a transfer that fails leaves no
// progress window behind the search or a message.
#include "FMainConnectTestRig.h"

#include "device/PresetFiles.h"

#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <string>

using namespace seqtest;

namespace {

using Fault = DeviceEmulator::Fault;

BytePacket ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return BytePacket(std::istreambuf_iterator<char>(in), {});
}

// Stores the device's program, set from the seed, as user preset row + 1.
void StoreWithProgram(Rig& r, int row, const char* name, std::uint8_t seed)
{
    for (std::size_t i = 0; i < 750; ++i)
        r.emu.SetProgramByte(i, static_cast<std::uint8_t>(i * 3 + seed));
    r.emu.SetProgramByte(0, 0xFF);
    r.form->StorePreset(row, QString::fromLatin1(name));
    ASSERT_TRUE(r.Quiet());
}

// The whole-unit file of a device whose presets k hold the programs of seeds[k] (0: unused), each
// under the name it was stored with (14 characters, padded with spaces).
BytePacket UnitFileOf(const std::uint8_t (&seeds)[30], const std::string (&names)[30])
{
    BytePacket file(FILE_IDENTITY.begin(), FILE_IDENTITY.end());
    for (std::size_t i = 0; i < 18; ++i)
        file.push_back(static_cast<std::uint8_t>(0xA0 + i));
    for (std::size_t k = 0; k < 30; ++k) {
        if (seeds[k]) {
            file.push_back(static_cast<std::uint8_t>(k + 1));
            const std::string name = (names[k] + std::string(14, ' ')).substr(0, 14);
            for (std::size_t at = 0; at < 717; ++at) {
                if (at == 0)
                    file.push_back(0xFF);
                else if (at >= 2 && at < 16)
                    file.push_back(static_cast<std::uint8_t>(name[at - 2]));
                else
                    file.push_back(static_cast<std::uint8_t>(at * 3 + seeds[k]));
            }
        } else {
            file.insert(file.end(), 718, 0x64);
        }
        file.push_back(0x0D);
        file.push_back(0x0A);
    }
    return file;
}

} // namespace

TEST(FMainFaultyDevice, AWholeUnitUploadWithLateOrRepeatedRepliesSavesEveryPresetWithItsOwnData)
{
    struct Case
    {
        const char* what;
        Fault fault;
        std::uint8_t code;
        int skip;
        unsigned ms;
    } cases[] = {
        { "a late device information", Fault::Late, 0x19, 0, 700 },
        { "a late block of the second preset", Fault::Late, 0x28, 20, 700 },
        { "a block answered twice", Fault::Twice, 0x28, 4, 30 },
        { "the last block of the first preset answered twice", Fault::Twice, 0x28, 14, 30 },
        { "a preset selection acknowledged twice", Fault::Twice, 0x24, 1, 30 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        QTemporaryDir dir;
        ASSERT_TRUE(r.ConnectAndUpload());
        StoreWithProgram(r, 1, "Two", 5);
        StoreWithProgram(r, 4, "Five", 9);
        const std::uint8_t seeds[30] = { 0, 5, 0, 0, 9 };
        const std::string names[30] = { "", "Two", "", "", "Five" };
        const std::string chosen = dir.filePath(QStringLiteral("unit")).toStdString();
        vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest&) -> std::optional<QString> { return QString::fromStdString(chosen); });
        // Every step's time-out kept short, so a late reply comes after the resend.
        QTimer shortTimeOut;
        QObject::connect(&shortTimeOut, &QTimer::timeout, [&] { r.form->SetReplyTimeout(400); });
        shortTimeOut.start(2);
        r.emu.ArmFault(c.fault, c.code, c.skip, c.ms);
        r.emu.ClearRecords();
        r.form->UploadUnit();
        ASSERT_TRUE(SpinUntil([&] { return !r.form->tmUpload->Enabled() && r.form->tmInLevelDet->Enabled(); }));
        shortTimeOut.stop();
        EXPECT_EQ(ReadFile(chosen + ".unt"), UnitFileOf(seeds, names));
        EXPECT_FALSE(QFile::exists(QString::fromStdString(chosen + ".unt.part")));
        EXPECT_EQ(r.emu.CountOf(0x24), 2u) << "each preset selected once";
    }
}

TEST(FMainFaultyDevice, ATransferThatFailsClosesItsProgressWindowBeforeTheSearchOrAMessage)
{
    struct Case
    {
        const char* what;
        std::function<void(DeviceEmulator&)> arm;
        bool progressDue; // the failure comes after the progress window's delayed display
    } cases[] = {
        { "a device reset in the middle of the upload", [](DeviceEmulator& e) { e.ArmFault(Fault::Reset, 0x29, 10); }, true },
        { "a device reset while the program is read", [](DeviceEmulator& e) { e.ArmFault(Fault::Reset, 0x27, 5); }, true },
        { "an empty reply to a name request", [](DeviceEmulator& e) { e.ShortenNextReplyTo(0x29, 0); }, false },
        { "an empty reply to a program block request", [](DeviceEmulator& e) { e.ShortenNextReplyTo(0x27, 0); }, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r(true);
        int progressShown = 0;
        bool progressGoneFirst = true;
        ModalAnswer progress(fmProcess, [&](vcl::TForm&) { ++progressShown; });
        vcl::TMessageBoxSeam messages([&](const vcl::TMessageBoxRequest&) {
            progressGoneFirst = progressGoneFirst && !fmProcess->Visible();
            return vcl::IDOK;
        });
        int searchShown = 0;
        ModalAnswer search(fmNetwork, [&](vcl::TForm& f) {
            ++searchShown;
            progressGoneFirst = progressGoneFirst && !fmProcess->Visible() && !fmProcess->Modal();
            f.SetModalResult(vcl::mrCancel);
        });
        r.form->tmChainWatch->SetInterval(1500); // the test's own clock for a stalled transfer
        c.arm(r.emu);
        r.form->ConnectNet();
        ASSERT_TRUE(SpinUntil([&] { return searchShown == 1; }, 60000));
        if (c.progressDue) {
            EXPECT_EQ(progressShown, 1) << "the upload showed its progress";
        }
        EXPECT_TRUE(progressGoneFirst) << "the progress window was still up";
        EXPECT_FALSE(fmProcess->Visible());
        EXPECT_FALSE(r.form->Controller.IsLinked());
    }
}
