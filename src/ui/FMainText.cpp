// The main window's text look-up by SID_ key in the current language.

#include "ui/FMain.h"

#include "ui/SidTables.h"

QString TfmMain::GetSidText(const QString& key) const
{
    // "ChineseBIG5" has no table of its own; it and an unset language read the English one.
    const QStringList& table = Language == QLatin1String("ChineseGB") ? SidTables::Simplified() : SidTables::English();
    return SidTables::Lookup(table, key);
}
