#pragma once
// Qt's own windows (file, colour, font and print dialogs, the edit boxes' context menus) follow the
// program's language: Qt's translations as Debian packages them, loaded for Simplified Chinese.

// Simplified Chinese when chinese, else Qt's own English. False when the translations for Chinese
// are not installed (Qt's windows then stay English).
bool UseQtDialogLanguage(bool chinese);
