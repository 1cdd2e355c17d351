#include "widgets/RzRegIniFile.h"

#include "platform/core/TStringList.h"
#include "platform/os/OsVersion.h"
#include "platform/os/XdgTestDirs.h"
#include "widgets/WidgetTestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

using namespace rz;
using namespace vcl;

TEST(RzRegIniFile, TheIniFileIsFoundByPathSpecialFolderAndExecutable)
{
    ostest::TXdgTestDirs xdg;
    const QString exe = "/opt/zq9/bin/editor.bin";
    struct Case
    {
        QString path;
        TRzSpecialFolder folder;
        QString expected;
    };
    const Case cases[] = {
        { "", TRzSpecialFolder::sfNone, "/opt/zq9/bin/editor.ini" },
        { "settings", TRzSpecialFolder::sfNone, "/opt/zq9/bin/settings.ini" },
        { "settings.cfg", TRzSpecialFolder::sfNone, "/opt/zq9/bin/settings.ini" },
        { "/srv/x/s.cfg", TRzSpecialFolder::sfNone, "/srv/x/s.cfg" },
        { "", TRzSpecialFolder::sfUserAppDataRoaming, xdg.Config() + "/editor.ini" },
        { "Vendor\\App\\prefs.txt", TRzSpecialFolder::sfUserAppDataLocal, xdg.Data() + "/Vendor/App/prefs.ini" },
        { "Prog/s", TRzSpecialFolder::sfUserDocuments, xdg.Documents() + "/Prog/s.ini" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveIniFilePath(c.path, c.folder, exe), c.expected) << c.path.toStdString();
    EXPECT_TRUE(QFileInfo(xdg.Data() + "/Vendor/App").isDir()); // the folders are made

    // Without the NT line from 5 on there are no special folders: the default rules apply.
    TOsVersionOverride old({ 1, 4, 90 });
    EXPECT_EQ(ResolveIniFilePath("s", TRzSpecialFolder::sfUserAppDataRoaming, exe), "/opt/zq9/bin/s.ini");
}

TEST(RzRegIniFile, TheRegistryKeyComesFromPathTitleOrExecutable)
{
    EXPECT_EQ(ResolveRegistryKeyPath("", "ZQ9 Editor", "/x/editor.bin"), "\\Software\\Temp\\ZQ9 Editor");
    EXPECT_EQ(ResolveRegistryKeyPath("", "", "/x/editor.bin"), "\\Software\\Temp\\editor");
    EXPECT_EQ(ResolveRegistryKeyPath("\\Software\\Mine", "T", "/x/e"), "\\Software\\Mine");
}

TEST(RzRegIniFile, ChangingThePathTypeReopensTheStoreBeforeTheNextRead)
{
    wtest::App();
    ostest::TXdgTestDirs xdg;
    const QString title = Application->Title();
    Application->SetTitle("Regini Test");
    TRzRegIniFile store(nullptr);
    store.SetPath(xdg.Root() + "/s.ini");
    store.WriteString("S", "Where", "file");
    EXPECT_EQ(ostest::ReadAll(xdg.Root() + "/s.ini"), QByteArray("[S]\r\nWhere=file\r\n")); // on disk at once

    store.SetPathType(TRzRegIniPathType::ptRegistry);
    store.SetPath("");
    EXPECT_EQ(store.ReadString("S", "Where", "none"), "none");
    store.WriteInteger("S", "X", 5);
    EXPECT_EQ(store.Path(), "\\Software\\Temp\\Regini Test");
    TStringList lines;
    store.ReadSectionValues("S", lines);
    EXPECT_EQ(lines.ToStringList(), QStringList({ "X=5" }));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Temp\\Regini Test\\S", false));
    EXPECT_EQ(reg.ReadInteger("X"), 5);

    store.SetPathType(TRzRegIniPathType::ptIniFile);
    store.SetPath(xdg.Root() + "/s.ini");
    EXPECT_EQ(store.ReadString("S", "Where", "none"), "file");
    Application->SetTitle(title);
}

TEST(RzRegIniFile, FileEncodingIsAppliedOnEveryWrite)
{
    wtest::App();
    ostest::TXdgTestDirs xdg;
    const QString path = xdg.Root() + "/enc.ini";
    ostest::WriteAll(path, "\xEF\xBB\xBF[S]\r\nA=\xE4\xB8\xAD\r\n"); // UTF-8 text with its mark
    TRzRegIniFile store(nullptr);
    store.SetPath(path);
    store.WriteString("S", "B", "2");
    EXPECT_TRUE(ostest::ReadAll(path).startsWith("\xEF\xBB\xBF")); // the default keeps what was read
    store.SetFileEncoding(TRzIniFileEncoding::feUnicode);
    store.WriteString("S", "C", "3");
    const QByteArray bytes = ostest::ReadAll(path);
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_EQ(store.ReadString("S", "A", ""), QString::fromUtf8("\xE4\xB8\xAD"));
    store.EraseSection("S");
    EXPECT_FALSE(store.SectionExists("S"));
    EXPECT_FALSE(TMemIniFile(path).SectionExists("S"));

    store.SetPath(xdg.Root() + "/enc.ini/sub.ini"); // a file where a folder should be
    EXPECT_THROW(store.WriteString("S", "A", "x"), EFCreateError);
}
