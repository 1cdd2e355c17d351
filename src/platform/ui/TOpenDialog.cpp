#include "platform/ui/TOpenDialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vcl {

namespace {

TFileDialogHandler& Handler()
{
    static TFileDialogHandler handler;
    return handler;
}

std::optional<QString> ShowRealDialog(const TFileDialogRequest& r)
{
    QFileDialog dialog(nullptr, r.Title, r.InitialDir);
    dialog.setAcceptMode(r.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const bool multiple = !r.Save && r.Options.Contains(TOpenOption::ofAllowMultiSelect);
    dialog.setFileMode(r.Save ? QFileDialog::AnyFile : multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (r.Save && !r.Options.Contains(TOpenOption::ofOverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtNameFilters(r.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (r.FilterIndex >= 1 && r.FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[r.FilterIndex - 1]);
    }
    if (!r.DefaultExt.isEmpty())
        dialog.setDefaultSuffix(r.DefaultExt);
    if (!r.FileName.isEmpty())
        dialog.selectFile(r.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.size() == 1)
        return files.first();
    // Several files: the folder, then each name, every one ended by a NUL.
    QString answer = QFileInfo(files.first()).absolutePath() + QChar(u'\0');
    for (const QString& file : files)
        answer += QFileInfo(file).fileName() + QChar(u'\0');
    return answer;
}

} // namespace

QStringList QtNameFilters(const QString& filter)
{
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return out;
}

TFileDialogSeam::TFileDialogSeam(TFileDialogHandler handler) : m_previous(std::move(Handler()))
{
    Handler() = std::move(handler);
}

TFileDialogSeam::~TFileDialogSeam()
{
    Handler() = std::move(m_previous);
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

TOpenDialog::~TOpenDialog()
{
    BeforeDestruction();
}

bool TOpenDialog::Execute()
{
    return DoExecute(false);
}

bool TSaveDialog::Execute()
{
    return DoExecute(true);
}

bool TOpenDialog::DoExecute(bool save)
{
    const TFileDialogRequest request { save, m_title, m_filter, m_filterIndex, m_fileName, m_initialDir, m_defaultExt,
                                       m_options };
    const std::optional<QString> chosen = Handler() ? Handler()(request) : ShowRealDialog(request);
    if (!chosen)
        return false;
    m_fileName = *chosen;
    return true;
}

} // namespace vcl
