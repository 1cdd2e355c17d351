#pragma once
// Per-user and shared folders by the class library's folder identifiers, on the XDG directories.

#include <QString>

namespace vcl {

inline constexpr int CSIDL_PERSONAL = 5;       // documents: the XDG documents directory
inline constexpr int CSIDL_APPDATA = 26;       // roaming application data: the XDG configuration home
inline constexpr int CSIDL_LOCAL_APPDATA = 28; // local application data: the XDG data home
inline constexpr int CSIDL_COMMON_APPDATA = 35; // data of all users: the first XDG configuration directory

// The folder's path with a trailing '/', or empty for an unknown identifier or an unset folder.
QString ShellFolderPath(int Folder);

// ShellFolderPath with RelativeDir appended, created with its parents, with a trailing '/';
// empty when the folder is unknown or the directories cannot be created.
QString ShellFolderDirectory(int Folder, const QString& RelativeDir);

} // namespace vcl
