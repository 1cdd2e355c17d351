// Preset store and recall, whole-unit upload into a file and download from a file, against the
// emulator over loopback TCP; byte checks of what the device received.
#include "FMainConnectTestRig.h"

#include "device/PresetFiles.h"

#include <QTemporaryDir>

#include <fstream>
#include <iterator>

using namespace seqtest;

namespace {

// Requests since the last clear, without the level polls.
std::vector<BytePacket> Sent(const DeviceEmulator& emu)
{
    std::vector<BytePacket> out;
    for (auto& f : emu.Requests())
        if (f[5] != 0x40)
            out.push_back(f);
    return out;
}

BytePacket Payload(const BytePacket& frame)
{
    return BytePacket(frame.begin() + 6, frame.end() - 3);
}

void StoreWithProgram(Rig& r, int row, const char* name, std::uint8_t seed)
{
    for (std::size_t i = 0; i < 750; ++i)
        r.emu.SetProgramByte(i, static_cast<std::uint8_t>(i * 3 + seed));
    r.emu.SetProgramByte(0, 0xFF);
    r.form->StorePreset(row, QString::fromLatin1(name)); // returns when the progress window closes
    ASSERT_TRUE(r.Quiet());
}

BytePacket ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return BytePacket(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(FMainPresets, StoreSendsNameThenStoreThenKeepAliveAndRecallReadsFifteenBlocks)
{
    Rig r;
    ASSERT_TRUE(r.ConnectAndUpload());
    r.emu.ClearRecords();
    StoreWithProgram(r, 4, "My Preset", 1);
    auto sent = Sent(r.emu);
    ASSERT_EQ(Codes(sent), (std::vector<std::uint8_t> { 0x26, 0x21, 0x12 }));
    const std::string name = "My Preset     ";
    EXPECT_EQ(Payload(sent[0]), BytePacket(name.begin(), name.end()));
    EXPECT_EQ(Payload(sent[1]), BytePacket { 5 });
    EXPECT_EQ(r.form->CurPresetNo, 5);
    EXPECT_EQ(r.form->lbPstNum->Caption(), QStringLiteral("U05"));
    EXPECT_EQ(r.form->lbPstName->Caption(), QStringLiteral("My Preset"));
    EXPECT_TRUE(r.unit->IsPresetUsed(4));
    EXPECT_EQ(r.form->AckState, ACK_IDLE);
    EXPECT_EQ(fmProcess->BarPosition(), 2);
    EXPECT_TRUE(r.form->tmInLevelDet->Enabled());

    r.emu.SetProgramByte(300, 0); // recall brings the stored program back
    r.emu.ClearRecords();
    r.form->RecallPreset(5);
    ASSERT_TRUE(r.Quiet());
    sent = Sent(r.emu);
    std::vector<std::uint8_t> want { 0x20 };
    want.insert(want.end(), 15, 0x27);
    want.push_back(0x12);
    ASSERT_EQ(Codes(sent), want);
    EXPECT_EQ(Payload(sent[0]), BytePacket { 5 });
    EXPECT_EQ(r.unit->GetImage()[300], static_cast<std::uint8_t>(300 * 3 + 1));
    EXPECT_EQ(r.form->CurPresetNo, 5);
    EXPECT_FALSE(fmProcess->Visible());
    EXPECT_TRUE(r.form->tmInLevelDet->Enabled());
}

TEST(FMainPresets, StoreAndRecallWhileNotLinkedOnlySetTheirState)
{
    Rig r;
    r.form->StorePreset(0, QStringLiteral("x"));
    EXPECT_EQ(r.form->AckState, ACK_STORE_PRESET);
    r.form->RecallPreset(1);
    EXPECT_EQ(r.form->AckState, ACK_RECALL_PRESET);
    EXPECT_FALSE(fmProcess->Visible());
    EXPECT_EQ(r.emu.RequestCount(), 0u);
}

// Disabled: the run does not finish yet (a modal display left open); to be found before it is enabled.
TEST(FMainPresets, DISABLED_WholeUnitUploadWritesTheStoredPresetsAndDownloadSendsThemBack)
{
    Rig r;
    QTemporaryDir dir;
    ASSERT_TRUE(r.ConnectAndUpload());
    StoreWithProgram(r, 2, "Three", 5);
    StoreWithProgram(r, 6, "Seven", 9);

    const std::string chosen = dir.filePath(QStringLiteral("unit")).toStdString();
    vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest& req) -> std::optional<QString> {
        EXPECT_TRUE(req.Save);
        EXPECT_EQ(req.Filter, QStringLiteral("*.unt|*.unt"));
        return QString::fromStdString(chosen);
    });
    r.emu.ClearRecords();
    r.form->UploadUnit();
    EXPECT_EQ(fmProcess->Max(), 2);
    ASSERT_TRUE(SpinUntil([&] { return !r.form->tmUpload->Enabled() && r.form->tmInLevelDet->Enabled(); }));
    auto sent = Sent(r.emu);
    std::vector<std::uint8_t> want { 0x19, 0x24 };
    want.insert(want.end(), 15, 0x28);
    want.push_back(0x24);
    want.insert(want.end(), 15, 0x28);
    want.push_back(0x12);
    ASSERT_EQ(Codes(sent), want);
    EXPECT_EQ(Payload(sent[0]), (BytePacket { 0, 0, 18 }));
    EXPECT_EQ(Payload(sent[1]), BytePacket { 3 });
    EXPECT_EQ(Payload(sent[17]), BytePacket { 7 });

    const BytePacket file = ReadFile(chosen + ".unt");
    ASSERT_EQ(file.size(), UnitFileSize);
    const std::size_t rec3 = UnitHeaderSize + 2 * UnitRecordSize;
    EXPECT_EQ(file[rec3], 3);
    EXPECT_EQ(file[rec3 + 1], 0xFF);
    for (std::size_t i = 1; i < 717; ++i)
        ASSERT_EQ(file[rec3 + 1 + i], static_cast<std::uint8_t>(i * 3 + 5)) << i;
    EXPECT_EQ(file[UnitHeaderSize + 6 * UnitRecordSize], 7);
    EXPECT_EQ(file[UnitHeaderSize + 1], 0x64) << "an unused slot";

    // The file back into the device.
    vcl::TFileDialogSeam open([&](const vcl::TFileDialogRequest& req) -> std::optional<QString> {
        EXPECT_FALSE(req.Save);
        return QString::fromStdString(chosen + ".unt");
    });
    r.emu.ClearRecords();
    r.form->DownloadUnit();
    EXPECT_FALSE(r.form->Enabled());
    EXPECT_TRUE(fmProcess->Visible());
    EXPECT_EQ(fmProcess->Max(), 2);
    ASSERT_TRUE(SpinUntil([&] { return r.form->NetProc == nullptr; }));
    sent = Sent(r.emu);
    want = { 0x23, 0x1A };
    want.insert(want.end(), 30, 0x25);
    want.push_back(0x04);
    ASSERT_EQ(Codes(sent), want);
    BytePacket eeprom { 1, 0, 17 };
    eeprom.insert(eeprom.end(), file.begin() + 17, file.begin() + 34);
    EXPECT_EQ(Payload(sent[1]), eeprom);
    for (int k = 0; k < 2; ++k) {
        const std::size_t rec = UnitHeaderSize + (k == 0 ? 2 : 6) * UnitRecordSize;
        for (int b = 0; b < 15; ++b) {
            SCOPED_TRACE(testing::Message() << "record " << k << " block " << b);
            const BytePacket p = Payload(sent[2 + 15 * k + b]);
            ASSERT_EQ(p.size(), 52u);
            EXPECT_EQ(p[0], b);
            EXPECT_EQ(p[1], k == 0 ? 2 : 6);
            for (std::size_t i = 0; i < 50; ++i) {
                const std::size_t at = 1 + 50 * std::size_t(b) + i; // record byte
                EXPECT_EQ(p[2 + i], at <= 717 ? file[rec + at] : 0) << i;
            }
        }
    }
    EXPECT_TRUE(r.form->Enabled());
    EXPECT_FALSE(fmProcess->Visible());
    EXPECT_FALSE(r.form->Linked);
}

TEST(FMainPresets, RefusedTransfersShowTheirMessageAndSendNothing)
{
    Rig r;
    QTemporaryDir dir;
    std::vector<QString> shown;
    ModalAnswer info(fmInformation, [&](vcl::TForm& f) {
        shown.push_back(LinkViews::InformationText());
        f.SetModalResult(vcl::mrOk);
    });
    auto write = [&](const char* name, std::size_t size, bool identity) {
        BytePacket bytes(size, 0x64);
        if (identity)
            std::copy(FILE_IDENTITY.begin(), FILE_IDENTITY.end(), bytes.begin());
        const std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return QString::fromStdString(path);
    };
    const QString shortFile = write("short.unt", 21573, true);
    const QString foreign = write("foreign.unt", UnitFileSize, false);
    QString pick;
    vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest&) -> std::optional<QString> { return pick; });

    r.form->UploadUnit();
    r.form->DownloadUnit();
    ASSERT_TRUE(r.ConnectAndUpload());
    r.emu.ClearRecords();
    r.form->UploadUnit();
    for (const QString& f : { shortFile, foreign }) {
        pick = f;
        r.form->DownloadUnit();
    }
    ASSERT_TRUE(SpinUntil([&] { return shown.size() == 5; }));
    EXPECT_EQ(shown, (std::vector<QString> { QStringLiteral("You Must Connect First !!"), QStringLiteral("You Must Connect First !!"),
                                             QStringLiteral("No Saving Preset Exist !!"), QStringLiteral("Download File Error !!"),
                                             QStringLiteral("Download File Error !!") }));
    EXPECT_TRUE(Sent(r.emu).empty());
    EXPECT_TRUE(r.form->Enabled());
}
