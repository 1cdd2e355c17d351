// The main window's preset transfers: store and recall of a user preset, factory reset, the whole-unit
// upload into a file and download from a file, and the preset file commands.

#include "ui/FMain.h"

#include "device/CM_MCS.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/PresetFiles.h"
#include "device/SendMode.h"
#include "platform/core/AnsiCodec.h"
#include "platform/core/Exception.h"
#include "ui/AckState.h"
#include "ui/MainLinkViews.h"
#include "ui/ReplySizes.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr int DownloadBlockCount = 15;
constexpr std::size_t DownloadBlockSize = 50;
// Record bytes 1..717 are dump bytes 0..716; what a record does not hold goes out as zero bytes.
constexpr std::size_t RecordDumpEnd = 718;
constexpr int DownloadEndRecord = 32;

// A chosen file's path as the file system spells it (UTF-8 on Linux), so folders and names outside
// the 8-bit code page open and save; only texts stored in the device and in files are 8-bit.
std::string FileSystemPath(const QString& chosen)
{
    const QByteArray bytes = QFile::encodeName(chosen);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

void TfmMain::StorePreset(int row, const QString& name)
{
    // Offline nothing happens: a state set now would act on the next link's first acknowledge.
    if (!Linked)
        return;
    AckState = ACK_STORE_PRESET;
    ChainStep();
    tmInLevelDet->SetEnabled(false);
    ClearMeters();
    CurPresetNo = row + 1;
    PresetNameBytes bytes;
    bytes.fill(' ');
    const auto encoded = vcl::AnsiCodec::Encode(name.left(static_cast<int>(bytes.size())));
    std::copy_n(encoded.begin(), std::min(encoded.size(), bytes.size()), bytes.begin());
    if (UnitControl) {
        UnitControl->MarkPresetUsed(row);
        UnitControl->SetPresetName(bytes);
    }
    lbPstNum->SetCaption(QStringLiteral("U%1").arg(row + 1, 2, 10, QLatin1Char('0')));
    lbPstName->SetCaption(name);
    SetReplyTimeout(10000);
    SendCommand(CM_MCS_PRESETNAME(DeviceId, UnitControl ? UnitControl->GetPresetName() : bytes), SEND_APPEND, true);
    LinkViews::ProgressSetStatus(GetSidText(QStringLiteral("SID_STORE_PRESET")));
    LinkViews::ProgressSetPosition(0);
    LinkViews::ProgressSetMax(2);
    LinkViews::ProgressShowModal();
}

void TfmMain::RecallPreset(int n)
{
    if (!Linked)
        return;
    AckState = ACK_RECALL_PRESET;
    ChainStep();
    tmInLevelDet->SetEnabled(false);
    ClearMeters();
    SetReplyTimeout(10000);
    CurPresetNo = n;
    SendCode(MCS_CMD_RECALL_PRESET, n, SEND_APPEND);
    LinkViews::ProgressSetStatus(GetSidText(QStringLiteral("SID_LOAD_PRESET")));
    LinkViews::ProgressSetPosition(0);
    LinkViews::ProgressSetMax(15);
    LinkViews::ProgressShowModal();
}

void TfmMain::StartFactoryReset()
{
    AckState = ACK_FACTORY_RESET;
    if (Linked)
        ChainStep();
    tmInLevelDet->SetEnabled(false);
    ClearMeters();
    SetReplyTimeout(10000);
    SendCode(MCS_CMD_FACTORY_RESET, SEND_APPEND);
}

// --- whole-unit upload ---

void TfmMain::UploadUnit()
{
    if (!Linked) {
        LinkViews::InformationShowModal(GetSidText(QStringLiteral("SID_INFO_CON_FIRST")));
        return;
    }
    int used = 0;
    UploadPresetNo = 255;
    for (int k = 0; k < LUnitControl::PresetSlots; ++k) {
        if (UnitControl && UnitControl->IsPresetUsed(k)) {
            if (used == 0)
                UploadPresetNo = k + 1;
            ++used;
        }
    }
    if (used == 0) {
        LinkViews::InformationShowModal(GetSidText(QStringLiteral("SID_INFO_NO_SAVE_EXIST")));
        return;
    }
    tmUpload->SetEnabled(false); // a resume of the polls left from the last upload must not fire now
    UploadFileWritten = false;
    tmInLevelDet->SetEnabled(false);
    ClearMeters();
    ChainStep();
    SendCommand(CM_MCS_READ_EEPROM(DeviceId, 0, 18), SEND_APPEND, true);
    LinkViews::ProgressSetPosition(0);
    LinkViews::ProgressSetMax(used);
    LinkViews::ProgressSetStatus(GetSidText(QStringLiteral("SID_UPLOAD_PRESET")));
    LinkViews::ProgressShowModal();
}

void TfmMain::UploadNextPreset(int presetNo)
{
    AckState = ACK_SELECT_PRESET;
    SendCode(MCS_CMD_SELECT_PRESET, presetNo & 0xFF, SEND_APPEND);
}

void TfmMain::OnPresetBlockReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::Block))
        return;
    const int b = payload[0];
    // A block that no upload asked for (none running) changes nothing.
    if (UploadPresetNo < 1 || UploadPresetNo > LUnitControl::PresetSlots)
        return;
    ChainStep();
    if (UnitControl)
        UnitControl->OnStoredPresetDumpBlock(UploadPresetNo, payload);
    if (b < 14) {
        SendCode(MCS_CMD_READ_PRESET_BLOCK, b + 1, SEND_APPEND);
        return;
    }
    do
        ++UploadPresetNo;
    while (UploadPresetNo <= LUnitControl::PresetSlots && !(UnitControl && UnitControl->IsPresetUsed(UploadPresetNo - 1)));
    if (UploadPresetNo <= LUnitControl::PresetSlots) {
        AckState = ACK_SELECT_PRESET;
        LinkViews::ProgressSetPosition(LinkViews::ProgressPosition() + 1);
        SendCode(MCS_CMD_SELECT_PRESET, UploadPresetNo, SEND_APPEND);
        return;
    }
    SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
    LinkViews::ProgressClose();
    ChainEnd();
    tmUpload->SetEnabled(true);
}

// Two ticks: the first writes the file, the next one, 300 ms after the file is written, resumes
// the level polls; the window goes on working in between.
void TfmMain::tmUploadTimer(vcl::TObject*)
{
    if (!tmUpload->Enabled())
        return;
    tmUpload->SetEnabled(false);
    if (UploadFileWritten) {
        UploadFileWritten = false;
        if (Linked)
            tmInLevelDet->SetEnabled(true);
        return;
    }
    sdSaveUnit->SetFileName(QString());
    if (sdSaveUnit->Execute() && UnitControl) {
        // A file that cannot be written is reported rather than passed over.
        if (UnitControl->SaveUnitFile(FileSystemPath(sdSaveUnit->FileName())) == FileResult::ErrorFile)
            LinkViews::InformationShowModal(GetSidText(QStringLiteral("SID_INFO_ERROR_FILE")));
    }
    SetProgramFolder();
    UploadFileWritten = true;
    tmUpload->SetEnabled(true);
}

// --- whole-unit download ---

void TfmMain::DownloadUnit()
{
    if (!Linked) {
        LinkViews::InformationShowModal(GetSidText(QStringLiteral("SID_INFO_CON_FIRST")));
        return;
    }
    if (!odOpenUnit->Execute())
        return;
    UnitFileContents file;
    if (ReadUnitFile(FileSystemPath(odOpenUnit->FileName()), file) != FileResult::Ok) {
        LinkViews::InformationShowModal(GetSidText(QStringLiteral("SID_INFO_ERROR_DOWNLAOD")));
        return;
    }
    UnitFileInfo = file.Info;
    for (auto& slot : UnitRecords)
        slot.fill(0);
    for (std::size_t k = 0; k < file.Records.size(); ++k)
        std::copy(file.Records[k].begin(), file.Records[k].end(), UnitRecords[k].begin());

    DownloadRecordNo = 1;
    tmInLevelDet->SetEnabled(false);
    ClearMeters();
    SetReplyTimeout(10000);
    ChainStep();
    AckState = ACK_ERASE_FOR_DOWNLOAD;
    SendCode(MCS_CMD_FACTORY_RESET, SEND_APPEND);
    SetEnabled(false);
    const int used = static_cast<int>(
        std::count_if(UnitRecords.begin(), UnitRecords.begin() + UnitRecordCount, [](const auto& r) { return r[1] == 0xFF; }));
    LinkViews::ProgressSetStatus(GetSidText(QStringLiteral("SID_DOWNLOAD_PRESET")));
    LinkViews::ProgressSetPosition(0);
    LinkViews::ProgressSetMax(used);
    LinkViews::ProgressShow();
}

void TfmMain::DownloadNextRecord(int recordNo)
{
    DownloadRecordNo = std::max(recordNo, 1);
    while (DownloadRecordNo < DownloadEndRecord) {
        const auto& record = UnitRecords[static_cast<std::size_t>(DownloadRecordNo - 1)];
        if (record[1] == 0xFF) {
            std::copy_n(record.begin() + 1, DownloadBlockSize, DownloadBlock.begin());
            SendCommand(CM_MCS_DOWNLOAD(DeviceId, record[0] - 1, 0, DownloadBlockSize, DownloadBlock), SEND_APPEND, true);
            return;
        }
        ++DownloadRecordNo;
        LinkViews::ProgressSetPosition(DownloadRecordNo);
    }
    FinishDownload();
}

void TfmMain::OnDownloadBlockReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::BlockNumber))
        return;
    const int a = payload[0];
    // A block reply outside a running download changes nothing.
    if (DownloadRecordNo < 1 || DownloadRecordNo >= DownloadEndRecord)
        return;
    ChainStep();
    if (a < DownloadBlockCount - 1) {
        const auto& record = UnitRecords[static_cast<std::size_t>(DownloadRecordNo - 1)];
        const std::size_t from = 51 + DownloadBlockSize * static_cast<std::size_t>(a);
        for (std::size_t i = 0; i < DownloadBlockSize; ++i)
            DownloadBlock[i] = from + i < RecordDumpEnd ? record[from + i] : 0;
        SendCommand(CM_MCS_DOWNLOAD(DeviceId, DownloadRecordNo - 1, a + 1, DownloadBlockSize, DownloadBlock), SEND_APPEND,
                    true);
        return;
    }
    ++DownloadRecordNo;
    LinkViews::ProgressSetPosition(DownloadRecordNo);
    if (DownloadRecordNo < DownloadEndRecord)
        DownloadNextRecord(DownloadRecordNo);
    else
        FinishDownload();
}

void TfmMain::FinishDownload()
{
    ChainEnd();
    LinkViews::ProgressClose();
    LinkViews::ProgressSetStatus(QString());
    SetEnabled(true);
    // A hidden or minimised window cannot take the focus; the restart and teardown must still follow.
    if (CanFocus())
        SetFocus();
    SendCommand(CM_MCS_MCU_RESET(DeviceId), SEND_APPEND, true);
    tmDisconnect->SetEnabled(true);
}

// --- preset files ---

void TfmMain::SavePresetFile()
{
    sdSavePreset->SetFileName(QString());
    if (sdSavePreset->Execute() && UnitControl) {
        // A file that cannot be written is reported rather than passed over.
        if (::SavePresetFile(*UnitControl, FileSystemPath(sdSavePreset->FileName())) == FileResult::ErrorFile)
            LinkViews::InformationShowModal(GetSidText(QStringLiteral("SID_INFO_ERROR_FILE")));
    }
    SetProgramFolder();
}

void TfmMain::OpenPresetFile()
{
    if (!odOpenPreset->Execute())
        return;
    BytePacket body;
    if (ReadPresetFile(FileSystemPath(odOpenPreset->FileName()), body) != FileResult::Ok) {
        LinkViews::InformationShowModal(GetSidText(QStringLiteral("SID_INFO_ERROR_FILE")));
        return;
    }
    if (UnitControl)
        UnitControl->LoadPresetAndSend(body);
    SuppressSend = true;
    RefreshAll();
    SuppressSend = false;
    PostLoadState = POST_LOAD_PENDING;
    if (Linked) {
        // The window shows this load, not what the last transfer left in it.
        LinkViews::ProgressSetStatus(GetSidText(QStringLiteral("SID_DOWNLOAD_PRESET")));
        LinkViews::ProgressSetPosition(0);
        LinkViews::ProgressSetMax(1);
        ChainStep();
        LinkViews::ProgressShowModal();
    }
}
