// The main window's file side of the preset transfers: the whole-unit file after an upload, the
// whole-unit file a download writes into the device, and the preset file commands. The transfers
// themselves are the device controller's.

#include "ui/FMain.h"

#include "device/LUnitControl.h"
#include "device/PresetFiles.h"
#include "ui/FileDialogFolder.h"
#include "ui/MainLinkViews.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// A chosen file's path as the file system spells it (UTF-8 on Linux), so folders and names outside
// the 8-bit code page open and save; only texts stored in the device and in files are 8-bit.
std::string FileSystemPath(const QString& chosen)
{
    const QByteArray bytes = QFile::encodeName(chosen);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Shows the dialog in the program's folder, or the user's documents folder where the program's may
// not be written (an installed program); the process's working folder is never changed.
bool ExecuteInStartFolder(vcl::TOpenDialog& dialog)
{
    dialog.SetInitialDir(FileDialogFolder(QCoreApplication::applicationDirPath()));
    return dialog.Execute();
}

} // namespace

void TfmMain::ShowFileFailure(const char* sid, const FileProblem& problem)
{
    LinkViews::InformationShowModal(FileFailureText(GetSidText(QString::fromLatin1(sid)), problem.Path, problem.Reason));
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
        if (Controller.IsLinked())
            tmInLevelDet->SetEnabled(true);
        return;
    }
    sdSaveUnit->SetFileName(QString());
    if (ExecuteInStartFolder(*sdSaveUnit) && Controller.Model()) {
        // A file that cannot be written is reported rather than passed over.
        FileProblem problem;
        if (Controller.Model()->SaveUnitFile(FileSystemPath(sdSaveUnit->FileName()), &problem) == FileResult::ErrorFile)
            ShowFileFailure("SID_INFO_ERROR_FILE", problem);
    }
    UploadFileWritten = true;
    tmUpload->SetEnabled(true);
}

void TfmMain::DownloadUnit()
{
    if (!Controller.IsLinked()) {
        LinkViews::InformationShowModal(GetSidText(QStringLiteral("SID_INFO_CON_FIRST")));
        return;
    }
    if (!ExecuteInStartFolder(*odOpenUnit))
        return;
    UnitFileContents file;
    FileProblem problem;
    if (ReadUnitFile(FileSystemPath(odOpenUnit->FileName()), file, &problem) != FileResult::Ok) {
        ShowFileFailure("SID_INFO_ERROR_DOWNLAOD", problem);
        return;
    }
    Controller.DownloadUnit(file);
}

void TfmMain::SavePresetFile()
{
    sdSavePreset->SetFileName(QString());
    if (ExecuteInStartFolder(*sdSavePreset) && Controller.Model()) {
        // A file that cannot be written is reported rather than passed over.
        FileProblem problem;
        if (::SavePresetFile(*Controller.Model(), FileSystemPath(sdSavePreset->FileName()), &problem) == FileResult::ErrorFile)
            ShowFileFailure("SID_INFO_ERROR_FILE", problem);
    }
}

void TfmMain::OpenPresetFile()
{
    if (!ExecuteInStartFolder(*odOpenPreset))
        return;
    BytePacket body;
    FileProblem problem;
    if (ReadPresetFile(FileSystemPath(odOpenPreset->FileName()), body, &problem) != FileResult::Ok) {
        ShowFileFailure("SID_INFO_ERROR_FILE", problem);
        return;
    }
    if (Controller.Model())
        Controller.Model()->LoadPresetAndSend(body);
    SuppressSend = true;
    RefreshAll();
    SuppressSend = false;
    Controller.PresetLoaded();
}
