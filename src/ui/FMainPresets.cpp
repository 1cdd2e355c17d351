// The main window's file side of the preset transfers: the whole-unit file after an upload, the
// whole-unit file a download writes into the device, and the preset file commands. The transfers
// themselves are the device controller's.

#include "ui/FMain.h"

#include "device/LUnitControl.h"
#include "device/PresetFiles.h"
#include "ui/MainLinkViews.h"

#include <QFile>

namespace {

// A chosen file's path as the file system spells it (UTF-8 on Linux), so folders and names outside
// the 8-bit code page open and save; only texts stored in the device and in files are 8-bit.
std::string FileSystemPath(const QString& chosen)
{
    const QByteArray bytes = QFile::encodeName(chosen);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

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
    Controller.DownloadUnit(file);
}

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
    Controller.PresetLoaded();
}
