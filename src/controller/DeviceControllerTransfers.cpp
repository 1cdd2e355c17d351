// The device controller's preset transfers: store and recall of a user preset, factory reset, the
// whole-unit upload into the model and download from a file, and the end of a preset-file load.

#include "controller/DeviceController.h"

#include "controller/AckState.h"
#include "controller/ReplySizes.h"
#include "device/CM_MCS.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "platform/core/AnsiCodec.h"

#include <algorithm>

namespace {

using Timer = DeviceControllerView::Timer;

constexpr int DownloadBlockCount = 15;
constexpr std::size_t DownloadBlockSize = 50;
// Record bytes 1..717 are dump bytes 0..716; what a record does not hold goes out as zero bytes.
constexpr std::size_t RecordDumpEnd = 718;
constexpr int DownloadEndRecord = 32;
constexpr int LastPresetBlock = 14;
// The progress of a store: the name, then the store itself.
constexpr int StoreSteps = 2;
constexpr int RecallSteps = 15;

} // namespace

void DeviceController::StorePreset(int row, const QString& name)
{
    // Offline nothing happens: a state set now would act on the next link's first acknowledge.
    if (!Linked)
        return;
    AckState = ACK_STORE_PRESET;
    ChainStep();
    View.StopTimer(Timer::LevelPoll);
    View.ClearMeters();
    CurPresetNo = row + 1;
    PresetNameBytes bytes;
    bytes.fill(' ');
    const auto encoded = vcl::AnsiCodec::Encode(name.left(static_cast<int>(bytes.size())));
    std::copy_n(encoded.begin(), std::min(encoded.size(), bytes.size()), bytes.begin());
    if (UnitControl) {
        UnitControl->MarkPresetUsed(row);
        UnitControl->SetPresetName(bytes);
    }
    View.ShowStoredPreset(row + 1, name);
    SetReplyTimeout(10000);
    SendCommand(CM_MCS_PRESETNAME(DeviceId, UnitControl ? UnitControl->GetPresetName() : bytes), SEND_APPEND, true);
    View.ProgressSetStatus(View.Text(QStringLiteral("SID_STORE_PRESET")));
    View.ProgressSetPosition(0);
    View.ProgressSetMax(StoreSteps);
    View.ProgressShowModal();
}

void DeviceController::RecallPreset(int n)
{
    if (!Linked)
        return;
    AckState = ACK_RECALL_PRESET;
    ChainStep();
    View.StopTimer(Timer::LevelPoll);
    View.ClearMeters();
    SetReplyTimeout(10000);
    CurPresetNo = n;
    SendCode(MCS_CMD_RECALL_PRESET, n, SEND_APPEND);
    View.ProgressSetStatus(View.Text(QStringLiteral("SID_LOAD_PRESET")));
    View.ProgressSetPosition(0);
    View.ProgressSetMax(RecallSteps);
    View.ProgressShowModal();
}

void DeviceController::StartFactoryReset()
{
    AckState = ACK_FACTORY_RESET;
    if (Linked)
        ChainStep();
    View.StopTimer(Timer::LevelPoll);
    View.ClearMeters();
    SetReplyTimeout(10000);
    SendCode(MCS_CMD_FACTORY_RESET, SEND_APPEND);
}

// --- whole-unit upload ---

void DeviceController::UploadUnit()
{
    if (!Linked) {
        View.ShowInformation(View.Text(QStringLiteral("SID_INFO_CON_FIRST")));
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
        View.ShowInformation(View.Text(QStringLiteral("SID_INFO_NO_SAVE_EXIST")));
        return;
    }
    View.StopTimer(Timer::UnitSave); // a resume of the polls left from the last upload must not fire now
    View.StopTimer(Timer::LevelPoll);
    View.ClearMeters();
    ChainStep();
    SendCommand(CM_MCS_READ_EEPROM(DeviceId, 0, 18), SEND_APPEND, true);
    View.ProgressSetPosition(0);
    View.ProgressSetMax(used);
    View.ProgressSetStatus(View.Text(QStringLiteral("SID_UPLOAD_PRESET")));
    View.ProgressShowModal();
}

void DeviceController::UploadNextPreset(int presetNo)
{
    AckState = ACK_SELECT_PRESET;
    SendCode(MCS_CMD_SELECT_PRESET, presetNo & 0xFF, SEND_APPEND);
}

void DeviceController::OnPresetBlockReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::Block))
        return;
    const int b = payload[0];
    // A block that no upload asked for (none running), or not the one asked for, changes nothing.
    if (UploadPresetNo < 1 || UploadPresetNo > LUnitControl::PresetSlots || !IsAnswerTo(MCS_CMD_READ_PRESET_BLOCK, b))
        return;
    ChainStep();
    if (UnitControl)
        UnitControl->OnStoredPresetDumpBlock(UploadPresetNo, payload);
    if (b < LastPresetBlock) {
        Ask(MCS_CMD_READ_PRESET_BLOCK, b + 1);
        return;
    }
    do
        ++UploadPresetNo;
    while (UploadPresetNo <= LUnitControl::PresetSlots && !(UnitControl && UnitControl->IsPresetUsed(UploadPresetNo - 1)));
    if (UploadPresetNo <= LUnitControl::PresetSlots) {
        AckState = ACK_SELECT_PRESET;
        View.ProgressSetPosition(View.ProgressPosition() + 1);
        SendCode(MCS_CMD_SELECT_PRESET, UploadPresetNo, SEND_APPEND);
        return;
    }
    SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
    View.ProgressClose();
    ChainEnd();
    // The file step resumes the level polls once the file is written.
    View.StartTimer(Timer::UnitSave);
}

// --- whole-unit download ---

void DeviceController::DownloadUnit(const UnitFileContents& file)
{
    UnitFileInfo = file.Info;
    for (auto& slot : UnitRecords)
        slot.fill(0);
    for (std::size_t k = 0; k < file.Records.size(); ++k)
        std::copy(file.Records[k].begin(), file.Records[k].end(), UnitRecords[k].begin());

    DownloadRecordNo = 1;
    View.StopTimer(Timer::LevelPoll);
    View.ClearMeters();
    SetReplyTimeout(10000);
    ChainStep();
    AckState = ACK_ERASE_FOR_DOWNLOAD;
    SendCode(MCS_CMD_FACTORY_RESET, SEND_APPEND);
    View.SetInputEnabled(false);
    View.ProgressSetStatus(View.Text(QStringLiteral("SID_DOWNLOAD_PRESET")));
    View.ProgressSetPosition(0);
    View.ProgressSetMax(file.UsedRecordCount());
    View.ProgressShow();
}

void DeviceController::DownloadNextRecord(int recordNo)
{
    DownloadRecordNo = std::max(recordNo, 1);
    while (DownloadRecordNo < DownloadEndRecord) {
        const auto& record = UnitRecords[static_cast<std::size_t>(DownloadRecordNo - 1)];
        if (record[1] == 0xFF) {
            std::copy_n(record.begin() + 1, DownloadBlockSize, DownloadBlock.begin());
            AskedCode = MCS_CMD_DOWNLOAD;
            AskedNumber = 0;
            SendCommand(CM_MCS_DOWNLOAD(DeviceId, record[0] - 1, 0, DownloadBlockSize, DownloadBlock), SEND_APPEND, true);
            return;
        }
        ++DownloadRecordNo;
        View.ProgressSetPosition(DownloadRecordNo);
    }
    FinishDownload();
}

void DeviceController::OnDownloadBlockReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::BlockNumber))
        return;
    const int a = payload[0];
    // A block reply outside a running download, or for another block than the one written, changes nothing.
    if (DownloadRecordNo < 1 || DownloadRecordNo >= DownloadEndRecord || !IsAnswerTo(MCS_CMD_DOWNLOAD, a))
        return;
    ChainStep();
    if (a < DownloadBlockCount - 1) {
        const auto& record = UnitRecords[static_cast<std::size_t>(DownloadRecordNo - 1)];
        const std::size_t from = 51 + DownloadBlockSize * static_cast<std::size_t>(a);
        for (std::size_t i = 0; i < DownloadBlockSize; ++i)
            DownloadBlock[i] = from + i < RecordDumpEnd ? record[from + i] : 0;
        AskedCode = MCS_CMD_DOWNLOAD;
        AskedNumber = a + 1;
        SendCommand(CM_MCS_DOWNLOAD(DeviceId, DownloadRecordNo - 1, a + 1, DownloadBlockSize, DownloadBlock), SEND_APPEND,
                    true);
        return;
    }
    ++DownloadRecordNo;
    View.ProgressSetPosition(DownloadRecordNo);
    if (DownloadRecordNo < DownloadEndRecord)
        DownloadNextRecord(DownloadRecordNo);
    else
        FinishDownload();
}

void DeviceController::FinishDownload()
{
    ChainEnd();
    View.ProgressClose();
    View.ProgressSetStatus(QString());
    View.SetInputEnabled(true);
    SendCommand(CM_MCS_MCU_RESET(DeviceId), SEND_APPEND, true);
    View.StartTimer(Timer::Disconnect);
}

void DeviceController::CopyChannel(int src, int dst, bool reread)
{
    if (!Linked)
        return;
    if (reread)
        AckState = ACK_REREAD;
    SendCommand(CM_MCS_CMD(DeviceId, MCS_CMD_COPY_CHANNEL, src, dst), SEND_APPEND, true);
}

void DeviceController::StartReread()
{
    View.StopTimer(Timer::LevelPoll);
    AckState = ACK_REREAD;
    SendCode(MCS_CMD_KEEP_ALIVE, SEND_APPEND);
}

// --- preset files ---

void DeviceController::PresetLoaded()
{
    PostLoadState = POST_LOAD_PENDING;
    if (!Linked)
        return;
    // The window shows this load, not what the last transfer left in it.
    View.ProgressSetStatus(View.Text(QStringLiteral("SID_DOWNLOAD_PRESET")));
    View.ProgressSetPosition(0);
    View.ProgressSetMax(1);
    ChainStep();
    View.ProgressShowModal();
}
