#pragma once
// Where the file dialogs open and how a file that failed is reported.

#include <QString>

#include <string>

// The program's folder while a file can be created there; otherwise the user's documents folder
// (their home folder when that does not exist).
QString FileDialogFolder(const QString& programFolder);

// The message of a file that could not be used: the message itself, then on a second line the file's
// path and, when the system refused it, the system's reason. Folders may break after each '/'.
QString FileFailureText(const QString& message, const std::string& path, const std::string& reason);
