#include "plot/iPlotFileWriting.h"

#include "platform/core/Exception.h"

#include <QFile>
#include <QSaveFile>

using namespace vcl;

namespace {

[[noreturn]] void OpenError(const QString& FileName, const QFile& File)
{
    throw EFOpenError(QStringLiteral("Cannot open file \"%s\". %s"), FileName, File.errorString());
}

} // namespace

void iWriteWholeFile(const QString& FileName, const QByteArray& Bytes)
{
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(Bytes) != Bytes.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%s\". %s"), FileName, file.errorString());
}

void iAppendToFile(const QString& FileName, const QByteArray& Bytes)
{
    QFile file(FileName);
    if (!file.exists() || !file.open(QIODevice::ReadWrite))
        OpenError(FileName, file);
    const qint64 size = file.size();
    if (!file.seek(size) || file.write(Bytes) != Bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.resize(size);
        throw EWriteError(QStringLiteral("Cannot write to file \"%s\". %s"), FileName, reason);
    }
}

void iCheckFileWritable(const QString& FileName)
{
    QFile file(FileName);
    if (!file.exists() || !file.open(QIODevice::ReadWrite))
        OpenError(FileName, file);
}

QByteArray iReadWholeFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        OpenError(FileName, file);
    return file.readAll();
}
