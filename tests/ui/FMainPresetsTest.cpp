// Preset store and recall, whole-unit upload into a file and download from a file, against the
// emulator over loopback TCP; byte checks of what the device received.
#include "FMainConnectTestRig.h"

#include "device/PresetFiles.h"
#include "platform/ui/TLabel.h"
#include "ui/FileDialogFolder.h"
#include "widgets/RzBmpBtn.h"
#include "transport/LTransportHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
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
    EXPECT_EQ(r.form->Controller.CurrentPreset(), 5);
    EXPECT_EQ(r.form->lbPstNum->Caption(), QStringLiteral("U05"));
    EXPECT_EQ(r.form->lbPstName->Caption(), QStringLiteral("My Preset"));
    EXPECT_TRUE(r.unit->IsPresetUsed(4));
    EXPECT_EQ(r.form->Controller.PendingAck(), ACK_IDLE);
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
    EXPECT_EQ(r.form->Controller.CurrentPreset(), 5);
    EXPECT_FALSE(fmProcess->Visible());
    EXPECT_TRUE(r.form->tmInLevelDet->Enabled());
}

// Edits reach the device's program, a stored preset keeps them, a recall brings them back, and the
// factory preset brings the factory settings.
TEST(FMainPresets, EditsStoredInTheDeviceComeBackOnRecall)
{
    Rig r;
    r.emu.SetState(DeviceState {}); // a device with factory settings
    const QString working = QDir::currentPath();
    ASSERT_TRUE(r.ConnectAndUpload());
    auto deviceHasModel = [&] {
        const DeviceState kept = r.emu.State();
        return std::equal(r.unit->GetImage().begin() + 2, r.unit->GetImage().end(), kept.Program.begin() + 2);
    };
    r.unit->SetGain(3, 200);
    r.unit->SetDelay(0, 480);
    ASSERT_TRUE(r.Quiet());
    EXPECT_TRUE(deviceHasModel());
    r.form->StorePreset(6, QStringLiteral("Round Trip"));
    ASSERT_TRUE(r.Quiet());

    r.unit->SetGain(3, 10);
    ASSERT_TRUE(r.Quiet());
    r.form->RecallPreset(7);
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(r.unit->GetGain(3), 200);
    EXPECT_EQ(r.unit->GetDelay(0), 480);
    EXPECT_EQ(r.form->lbPstNum->Caption(), QStringLiteral("U07"));
    EXPECT_TRUE(deviceHasModel());

    r.form->RecallPreset(0);
    ASSERT_TRUE(r.Quiet());
    EXPECT_EQ(r.unit->GetGain(3), le::Read16(DefaultPresetImage, PresetLayout::ChannelRecord(3) + PresetLayout::OutGain));
    EXPECT_TRUE(deviceHasModel());
    EXPECT_EQ(QDir::currentPath(), working) << "connecting and reading the device leave the working folder alone";
}

TEST(FMainPresets, StoreOrRecallTriedOfflineDoesNothingNowNorOnTheNextConnection)
{
    struct Case
    {
        const char* name;
        std::function<void(TfmMain&)> act;
    } cases[] = {
        { "store", [](TfmMain& f) { f.StorePreset(0, QStringLiteral("x")); } },
        { "recall", [](TfmMain& f) { f.RecallPreset(1); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        c.act(*r.form);
        EXPECT_EQ(r.form->Controller.PendingAck(), ACK_IDLE);
        EXPECT_FALSE(fmProcess->Visible());
        EXPECT_EQ(r.emu.RequestCount(), 0u);
        // The upload's closing keep-alive is acknowledged: no step of the offline attempt may run on it.
        ASSERT_TRUE(r.ConnectAndUpload());
        EXPECT_EQ(r.emu.CountOf(0x21), 0u) << "nothing stored";
        EXPECT_EQ(r.emu.CountOf(0x27), 15u) << "no program read beyond the upload";
        EXPECT_EQ(r.form->Controller.PendingAck(), ACK_IDLE);
    }
}

TEST(FMainPresets, AWholeUnitDownloadCutByALostLinkDoesNotGoOnWithTheNextDevice)
{
    Rig r;
    QTemporaryDir dir;
    ASSERT_TRUE(r.ConnectAndUpload());
    // A file with one used record, as the system writes it.
    BytePacket file(FILE_IDENTITY.begin(), FILE_IDENTITY.end());
    file.insert(file.end(), 18, 0xA5);
    for (std::size_t k = 0; k < 30; ++k) {
        if (k == 3) {
            file.push_back(4);
            file.push_back(0xFF);
            file.insert(file.end(), 716, 0x11);
        } else {
            file.insert(file.end(), 718, 0x64);
        }
        file.push_back(0x0D);
        file.push_back(0x0A);
    }
    const std::string path = dir.filePath(QStringLiteral("unit.unt")).toStdString();
    ASSERT_TRUE(WriteFileBytes(path, file));
    vcl::TFileDialogSeam open([&](const vcl::TFileDialogRequest&) -> std::optional<QString> { return QString::fromStdString(path); });

    r.emu.SetSilent(true); // the erase request goes unanswered
    r.form->DownloadUnit();
    ASSERT_TRUE(r.emu.WaitForRequests(1, 10000));
    EXPECT_EQ(r.form->Controller.PendingAck(), ACK_ERASE_FOR_DOWNLOAD);
    // The device is lost: the transport's report tears the link down.
    r.form->TransportHost()->PostCommEventFrom(r.form->OpenTransportSource(), COMM_NO_REPLY, 1);
    ASSERT_TRUE(SpinUntil([&] { return r.form->Controller.Net() == nullptr; }));
    EXPECT_TRUE(r.form->Enabled());
    EXPECT_FALSE(fmProcess->Visible());

    r.emu.SetSilent(false);
    r.emu.ClearRecords();
    r.form->PrepareNetwork();
    ASSERT_TRUE(SpinUntil([&] { return r.server.HasClient() && r.form->Controller.NetworkLink().ClientSocket().Connected(); }));
    ASSERT_TRUE(r.ConnectAndUpload());
    for (std::uint8_t code : { 0x1A, 0x25, 0x04 })
        EXPECT_EQ(r.emu.CountOf(code), 0u) << "code " << int(code);
    EXPECT_EQ(r.form->Controller.PendingAck(), ACK_IDLE);
    EXPECT_TRUE(r.form->Controller.IsOnline());
}

TEST(FMainPresets, WholeUnitUploadWritesTheStoredPresetsAndDownloadSendsThemBack)
{
    Rig r;
    QTemporaryDir dir;
    std::vector<QString> boxes; // an exception escaping a handler would show one and stop the chain
    vcl::TMessageBoxSeam seam([&](const vcl::TMessageBoxRequest& m) { return boxes.push_back(m.Text), vcl::IDOK; });
    ASSERT_TRUE(r.ConnectAndUpload());
    StoreWithProgram(r, 2, "Three", 5);
    StoreWithProgram(r, 6, "Seven", 9);

    // The device's dump of a stored preset: the program StoreWithProgram set, under the name stored with it.
    const std::uint8_t seeds[30] = { 0, 0, 5, 0, 0, 0, 9 };
    const std::string names[30] = { "", "", "Three         ", "", "", "", "Seven         " };
    auto dump = [&](std::size_t k, std::size_t at) -> std::uint8_t {
        if (at == 0)
            return 0xFF;
        if (at >= 2 && at < 16)
            return static_cast<std::uint8_t>(names[k][at - 2]);
        return static_cast<std::uint8_t>(at * 3 + seeds[k]);
    };
    // The whole-unit file: identity, the device information (EEPROM bytes 0..17), then per preset
    // its number and dump bytes 0..716 (718 'd' when unused) and CR LF.
    BytePacket wantFile(FILE_IDENTITY.begin(), FILE_IDENTITY.end());
    for (std::size_t i = 0; i < 18; ++i)
        wantFile.push_back(static_cast<std::uint8_t>(0xA0 + i));
    for (std::size_t k = 0; k < 30; ++k) {
        if (seeds[k]) {
            wantFile.push_back(static_cast<std::uint8_t>(k + 1));
            for (std::size_t at = 0; at < 717; ++at)
                wantFile.push_back(dump(k, at));
        } else {
            wantFile.insert(wantFile.end(), 718, 0x64);
        }
        wantFile.push_back(0x0D);
        wantFile.push_back(0x0A);
    }
    ASSERT_EQ(wantFile.size(), UnitFileSize);

    const std::string chosen = dir.filePath(QStringLiteral("unit")).toStdString();
    std::size_t pollsBeforeFile = 0;
    vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest& req) -> std::optional<QString> {
        EXPECT_TRUE(req.Save);
        EXPECT_EQ(req.Filter, QStringLiteral("*.unt|*.unt"));
        pollsBeforeFile = r.emu.CountOf(0x40);
        return QString::fromStdString(chosen);
    });
    r.emu.ClearRecords();
    r.form->UploadUnit();
    EXPECT_EQ(fmProcess->Max(), 2);
    // The file is written, then the window waits without blocking before the meters poll again.
    ASSERT_TRUE(SpinUntil([&] { return r.form->UploadFileWritten || r.form->tmInLevelDet->Enabled(); }));
    EXPECT_TRUE(r.form->UploadFileWritten && r.form->tmUpload->Enabled() && !r.form->tmInLevelDet->Enabled())
        << "the wait runs in the event loop";
    ASSERT_TRUE(SpinUntil([&] { return !r.form->tmUpload->Enabled() && r.form->tmInLevelDet->Enabled(); }));
    EXPECT_EQ(pollsBeforeFile, 0u) << "no level poll while the presets are read";
    ASSERT_TRUE(r.Quiet());
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
    EXPECT_EQ(ReadFile(chosen + ".unt"), wantFile);

    // The file back into the device: erase, the information bytes 1..17 to EEPROM address 1, the
    // used records in 15 blocks each, the restart, then the link is dropped.
    vcl::TFileDialogSeam open([&](const vcl::TFileDialogRequest& req) -> std::optional<QString> {
        EXPECT_FALSE(req.Save);
        return QString::fromStdString(chosen + ".unt");
    });
    // Once the link is closed the window says why it went off line.
    std::vector<QString> told;
    bool toldOffline = false;
    ModalAnswer info(fmInformation, [&](vcl::TForm& f) {
        told.push_back(LinkViews::InformationText());
        toldOffline = r.form->Controller.Net() == nullptr && !r.form->Controller.IsLinked();
        f.SetModalResult(vcl::mrOk);
    });
    r.emu.ClearRecords();
    r.form->DownloadUnit();
    EXPECT_FALSE(r.form->Enabled());
    EXPECT_TRUE(fmProcess->Visible());
    EXPECT_EQ(fmProcess->Max(), 2);
    ASSERT_TRUE(SpinUntil([&] { return r.form->Controller.Net() == nullptr && info.Count == 1; }));
    EXPECT_EQ(told, std::vector<QString> { r.form->GetSidText(QStringLiteral("SID_INFO_DEVICE_RESTART")) });
    EXPECT_TRUE(toldOffline) << "the message came before the link was closed";

    std::vector<BytePacket> wantFrames { DeviceEmulator::RequestFrame(1, 0x23) };
    BytePacket eeprom { 1, 0, 17 };
    for (std::size_t i = 1; i < 18; ++i)
        eeprom.push_back(static_cast<std::uint8_t>(0xA0 + i));
    wantFrames.push_back(DeviceEmulator::RequestFrame(1, 0x1A, eeprom));
    for (std::uint8_t index : { 2, 6 }) {
        for (std::uint8_t b = 0; b < 15; ++b) {
            BytePacket p { b, index };
            // Block b carries dump bytes 50b..50b+49; what a record does not hold (717 on) goes as 0.
            for (std::size_t at = 50u * b; at < 50u * b + 50; ++at)
                p.push_back(at < 717 ? dump(index, at) : 0);
            wantFrames.push_back(DeviceEmulator::RequestFrame(1, 0x25, p));
        }
    }
    wantFrames.push_back(DeviceEmulator::RequestFrame(1, 0x04));
    sent = Sent(r.emu);
    ASSERT_EQ(sent.size(), wantFrames.size()) << testing::PrintToString(Codes(sent));
    for (std::size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ(sent[i], wantFrames[i]) << "frame " << i;
    EXPECT_TRUE(r.form->Enabled());
    EXPECT_FALSE(fmProcess->Visible());
    EXPECT_FALSE(r.form->Controller.IsLinked());
    EXPECT_TRUE(boxes.empty()) << boxes.front().toStdString();
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
    // A refused file is named on a second line.
    const QString refused = QStringLiteral("Download File Error !!");
    EXPECT_EQ(shown, (std::vector<QString> { QStringLiteral("You Must Connect First !!"), QStringLiteral("You Must Connect First !!"),
                                             QStringLiteral("No Saving Preset Exist !!"),
                                             FileFailureText(refused, shortFile.toStdString(), ""),
                                             FileFailureText(refused, foreign.toStdString(), "") }));
    EXPECT_TRUE(Sent(r.emu).empty());
    EXPECT_TRUE(r.form->Enabled());
}

namespace {

// The preset file the window must write for a model: identity, image bytes 2..707, CR LF.
BytePacket PresetFileOf(const LUnitControl& unit)
{
    BytePacket out(FILE_IDENTITY.begin(), FILE_IDENTITY.end());
    out.insert(out.end(), unit.GetImage().begin() + 2, unit.GetImage().begin() + 708);
    out.push_back(0x0D);
    out.push_back(0x0A);
    return out;
}

void NamePreset(LUnitControl& unit, const char* text)
{
    PresetNameBytes name;
    name.fill(' ');
    std::copy_n(text, std::min<std::size_t>(std::strlen(text), name.size()), name.begin());
    unit.SetPresetName(name);
}

} // namespace

TEST(FMainPresets, SavePresetFileWritesIdentityImageAndLineEndUnderTheFileNameRule)
{
    Rig r;
    QTemporaryDir dir;
    // The process's working folder is the user's business: saving never changes it.
    const QString working = QDir::currentPath();
    NamePreset(*r.unit, "Saved Name");
    struct Case
    {
        const char* chosen;
        const char* written;
    } cases[] = {
        { "plain", "plain.prs" },
        { "lower.prs", "lower.prs" },
        { "upper.PRS", "upper.prs" },
        { "mixed.Prs", "mixed.Prs.prs" },
        { "cut.prs.old", "cut.prs" },
    };
    QString chosen;
    vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest& req) -> std::optional<QString> {
        EXPECT_TRUE(req.Save);
        EXPECT_EQ(req.Filter, QStringLiteral("*.prs|*.prs"));
        EXPECT_TRUE(req.FileName.isEmpty());
        EXPECT_TRUE(req.Options.Contains(vcl::TOpenOption::ofOverwritePrompt));
        EXPECT_EQ(req.InitialDir, QCoreApplication::applicationDirPath()) << "a program folder that may be written";
        return chosen;
    });
    const BytePacket want = PresetFileOf(*r.unit);
    ASSERT_EQ(want.size(), PresetFileSize);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        chosen = dir.filePath(QString::fromLatin1(c.chosen));
        r.form->SavePresetFile();
        EXPECT_EQ(ReadFile(dir.filePath(QString::fromLatin1(c.written)).toStdString()), want);
    }
    EXPECT_EQ(QDir::currentPath(), working);
    EXPECT_EQ(r.emu.RequestCount(), 0u);
}

TEST(FMainPresets, PresetFilesSaveAndOpenInFoldersWithNamesOutsideTheCodePage)
{
    Rig r;
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("Pr\u00e9sets \u97f3\u7bb1"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString chosen = QDir(folder).filePath(QStringLiteral("Hall \u5927\u5385.prs"));
    NamePreset(*r.unit, "Abroad");
    std::vector<QString> shown;
    ModalAnswer info(fmInformation, [&](vcl::TForm& f) {
        shown.push_back(LinkViews::InformationText());
        f.SetModalResult(vcl::mrOk);
    });
    vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest&) -> std::optional<QString> { return chosen; });
    r.form->SavePresetFile();
    ASSERT_TRUE(QFile::exists(chosen));
    const BytePacket saved = PresetFileOf(*r.unit);
    EXPECT_EQ(ReadFile(QFile::encodeName(chosen).toStdString()), saved);

    NamePreset(*r.unit, "Changed");
    r.form->OpenPresetFile();
    EXPECT_EQ(PresetFileOf(*r.unit), saved);
    EXPECT_TRUE(shown.empty());
}

TEST(FMainPresets, PresetFileThatCannotBeWrittenIsReported)
{
    Rig r;
    std::vector<QString> shown;
    ModalAnswer info(fmInformation, [&](vcl::TForm& f) {
        shown.push_back(LinkViews::InformationText());
        f.SetModalResult(vcl::mrOk);
    });
    vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest&) -> std::optional<QString> {
        return QStringLiteral("/nonexistent-folder/preset");
    });
    r.form->SavePresetFile();
    ASSERT_EQ(shown.size(), 1u);
    // The message, then the file (folders may break at each '/') and the system's reason.
    EXPECT_EQ(shown[0], r.form->GetSidText(QStringLiteral("SID_INFO_ERROR_FILE"))
                            + QStringLiteral("\n/\u200Bnonexistent-folder/\u200Bpreset.prs: No such file or directory"));
    EXPECT_GT(fmInformation->btnOK->Top(), fmInformation->lbMessage->Top() + fmInformation->lbMessage->Height())
        << "the window grows with the text";
}

TEST(FMainPresets, OpenPresetFileLoadsAGoodFileAndRefusesAWrongSizedOrForeignOne)
{
    Rig r;
    QTemporaryDir dir;
    NamePreset(*r.unit, "From The File");
    const BytePacket good = PresetFileOf(*r.unit);
    NamePreset(*r.unit, "In The Model");
    const PresetImage before = r.unit->GetImage();

    auto write = [&](const char* name, BytePacket bytes) {
        const std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return QString::fromStdString(path);
    };
    BytePacket longer = good;
    longer.push_back(0x0A);
    BytePacket foreign = good;
    foreign[7] = 'X'; // one character of the identity
    const QString refused[] = { write("short.prs", BytePacket(good.begin(), good.end() - 1)), write("long.prs", longer),
                                write("foreign.prs", foreign) };

    std::vector<QString> shown;
    ModalAnswer info(fmInformation, [&](vcl::TForm& f) {
        shown.push_back(LinkViews::InformationText());
        f.SetModalResult(vcl::mrOk);
    });
    QString pick;
    vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest& req) -> std::optional<QString> {
        EXPECT_FALSE(req.Save);
        EXPECT_EQ(req.Filter, QStringLiteral("*.prs|*.prs"));
        return pick;
    });
    for (const QString& f : refused) {
        SCOPED_TRACE(f.toStdString());
        pick = f;
        r.form->OpenPresetFile();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back(), FileFailureText(r.form->GetSidText(QStringLiteral("SID_INFO_ERROR_FILE")), f.toStdString(), ""));
        EXPECT_TRUE(r.unit->GetImage() == before) << "the model is unchanged";
        EXPECT_EQ(r.form->Controller.PostLoad(), 0);
    }
    EXPECT_EQ(shown.size(), 3u);

    pick = write("good.prs", good);
    r.form->OpenPresetFile();
    EXPECT_EQ(shown.size(), 3u);
    const PresetImage& after = r.unit->GetImage();
    EXPECT_EQ(BytePacket(after.begin() + 2, after.begin() + 708), BytePacket(good.begin() + 16, good.end() - 2));
    EXPECT_EQ(r.form->Controller.PostLoad(), POST_LOAD_PENDING);
    EXPECT_FALSE(r.form->SuppressSend);
    EXPECT_FALSE(fmProcess->Visible()) << "no progress display without a device";
}

TEST(FMainPresets, APresetFileLoadedOnlineShowsItsOwnProgressUntilTheDeviceTookIt)
{
    Rig r;
    QTemporaryDir dir;
    ASSERT_TRUE(r.ConnectAndUpload());
    StoreWithProgram(r, 1, "Before", 3); // leaves the progress window at its full position
    const std::string path = dir.filePath(QStringLiteral("p.prs")).toStdString();
    ASSERT_TRUE(WriteFileBytes(path, PresetFileOf(*r.unit)));
    vcl::TFileDialogSeam files([&](const vcl::TFileDialogRequest&) -> std::optional<QString> { return QString::fromStdString(path); });
    QString status;
    int position = -1;
    ModalAnswer progress(fmProcess, [&](vcl::TForm&) {
        status = fmProcess->StatusText();
        position = fmProcess->BarPosition();
    });
    r.form->OpenPresetFile(); // returns when the first level reply after the load closed the window
    EXPECT_EQ(status, r.form->GetSidText(QStringLiteral("SID_DOWNLOAD_PRESET")));
    EXPECT_EQ(position, 0);
    EXPECT_EQ(r.form->Controller.PostLoad(), 0);
    EXPECT_FALSE(fmProcess->Visible());
}
