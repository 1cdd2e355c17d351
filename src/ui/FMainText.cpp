// The main window's text look-up by SID_ key (English until the language tables come).

#include "ui/FMain.h"

#include <QHash>

QString TfmMain::GetSidText(const QString& key) const
{
    static const QHash<QString, QString> english = {
        { QStringLiteral("SID_ONLINE"), QStringLiteral("OnLine") },
        { QStringLiteral("SID_OFFLINE"), QStringLiteral("OffLine") },
        { QStringLiteral("SID_UPLOAD_PRESET"), QStringLiteral("Upload preset now , please wait...") },
        { QStringLiteral("SID_DOWNLOAD_PRESET"), QStringLiteral("Download preset now , please wait...") },
        { QStringLiteral("SID_STORE_PRESET"), QStringLiteral("Store preset now , please wait...") },
        { QStringLiteral("SID_LOAD_PRESET"), QStringLiteral("Load preset now , please wait...") },
        { QStringLiteral("SID_UPLOAD_PARAMETER"), QStringLiteral("Upload parameters now , please wait...") },
        { QStringLiteral("SID_LINK_BROKEN"), QStringLiteral("Link Broken") },
        { QStringLiteral("SID_INFO_CON_FIRST"), QStringLiteral("You Must Connect First !!") },
        { QStringLiteral("SID_INFO_NO_SAVE_EXIST"), QStringLiteral("No Saving Preset Exist !!") },
        { QStringLiteral("SID_INFO_ERROR_FILE"), QStringLiteral("Open File Error !!") },
        { QStringLiteral("SID_INFO_ERROR_UNIT"), QStringLiteral("Unit's Type Error !!") },
        { QStringLiteral("SID_INFO_ERROR_VERSION"), QStringLiteral("Unit's Version Error !!") },
        { QStringLiteral("SID_INFO_ERROR_DOWNLAOD"), QStringLiteral("Download File Error !!") },
    };
    return english.value(key);
}
