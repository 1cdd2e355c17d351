#include "ui/FileDialogFolder.h"

#include "platform/os/ShellFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace {

// Writable for this user, whatever the permission bits, mounts or access lists say: a file can be made.
bool CanCreateFileIn(const QString& folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".zq9-write-test-XXXXXX")));
    return probe.open();
}

} // namespace

QString FileDialogFolder(const QString& programFolder)
{
    if (CanCreateFileIn(programFolder))
        return programFolder;
    const QString documents = vcl::ShellFolderPath(vcl::CSIDL_PERSONAL);
    if (!documents.isEmpty() && QDir(documents).exists())
        return QDir::cleanPath(documents);
    return QDir::homePath();
}

QString FileFailureText(const QString& message, const std::string& path, const std::string& reason)
{
    if (path.empty())
        return message;
    QString shown = QFile::decodeName(QByteArray::fromStdString(path));
    shown.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    if (!reason.empty())
        shown += QStringLiteral(": ") + QString::fromLocal8Bit(QByteArray::fromStdString(reason));
    return message + QLatin1Char('\n') + shown;
}
