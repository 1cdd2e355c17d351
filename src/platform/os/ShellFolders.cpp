#include "platform/os/ShellFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace vcl {

namespace {

QString WithSlash(QString path)
{
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace

QString ShellFolderPath(int Folder)
{
    switch (Folder) {
    case CSIDL_PERSONAL: return WithSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    case CSIDL_APPDATA: return WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    case CSIDL_LOCAL_APPDATA: return WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    case CSIDL_COMMON_APPDATA: {
        const QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
        return dirs.size() > 1 ? WithSlash(dirs.last()) : QString();
    }
    default: return QString();
    }
}

QString ShellFolderDirectory(int Folder, const QString& RelativeDir)
{
    const QString base = ShellFolderPath(Folder);
    if (base.isEmpty())
        return QString();
    QString relative = RelativeDir;
    relative.replace(u'\\', u'/');
    while (relative.startsWith(u'/'))
        relative.remove(0, 1);
    const QString dir = WithSlash(QDir::cleanPath(base + relative));
    if (!QDir().mkpath(dir))
        return QString();
    return dir;
}

} // namespace vcl
