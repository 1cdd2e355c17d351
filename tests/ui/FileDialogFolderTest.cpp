// Where the file dialogs open, and how a failed file is reported.
#include "ui/FileDialogFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// HOME (and with it the documents folder) set to a folder of the test's own while it lives.
class HomeOverride
{
public:
    explicit HomeOverride(const QString& home) : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    }
    ~HomeOverride()
    {
        qputenv("HOME", m_home);
        qputenv("XDG_CONFIG_HOME", m_config);
    }

private:
    QByteArray m_home, m_config;
};

} // namespace

TEST(FileDialogFolder, ProgramFolderWhileWritableElseTheUsersDocumentsElseHome)
{
    QTemporaryDir program, home;
    HomeOverride override(home.path());
    EXPECT_EQ(FileDialogFolder(program.path()), program.path());
    EXPECT_TRUE(QDir(program.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
        << "trying the folder leaves nothing behind";

    // An installed program's folder that cannot take a file (here one that is not there).
    const QString installed = program.filePath(QStringLiteral("usr/local/bin"));
    EXPECT_EQ(FileDialogFolder(installed), home.path()) << "no documents folder: home";
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Documents")));
    EXPECT_EQ(FileDialogFolder(installed), home.filePath(QStringLiteral("Documents")));
}

TEST(FileDialogFolder, FailureTextAddsTheFileAndTheSystemsReasonOnASecondLine)
{
    const QString m = QStringLiteral("Open File Error !!");
    EXPECT_EQ(FileFailureText(m, "/usr/local/bin/a.prs", "Permission denied"),
              m + QStringLiteral("\n/\u200Busr/\u200Blocal/\u200Bbin/\u200Ba.prs: Permission denied"));
    EXPECT_EQ(FileFailureText(m, "b.unt", ""), m + QStringLiteral("\nb.unt")) << "read, but not a file of its kind";
    EXPECT_EQ(FileFailureText(m, "", ""), m);
    EXPECT_EQ(FileFailureText(m, "/tmp/\xe9\x9f\xb3.prs", "x"), m + QStringLiteral("\n/\u200Btmp/\u200B\u97f3.prs: x"))
        << "file names are the file system's UTF-8";
}
