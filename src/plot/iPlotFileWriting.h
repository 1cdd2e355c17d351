#pragma once
// Whole-file writes of the plot's data, log and configuration files: a file is either written
// completely or left as it was.

#include <QByteArray>
#include <QString>

// Replaces FileName with Bytes through a temporary file renamed into place; raises EFCreateError.
void iWriteWholeFile(const QString& FileName, const QByteArray& Bytes);
// Appends Bytes to the existing FileName in one write; a short write is cut back off again.
// Raises EFOpenError when the file cannot be opened, EWriteError when the write fails.
void iAppendToFile(const QString& FileName, const QByteArray& Bytes);
// Opens the existing FileName for reading and writing and closes it again; raises EFOpenError.
void iCheckFileWritable(const QString& FileName);
// The whole file; raises EFOpenError.
QByteArray iReadWholeFile(const QString& FileName);
