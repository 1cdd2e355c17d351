// Colour schemes: folders from the settings store, the library's and the user's scheme files,
// categories merged by name, schemes applied by property path, and malformed files refused.

#include "PlotTestSupport.h"
#include "platform/os/XdgTestDirs.h"

#include "plot/iXYPlot.h"

#include "platform/os/Registry.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

using ptest::WriteAll;

void SetThemeFolders(HKEY Root, const QString& Library, const QString& User)
{
    TRegistry registry;
    registry.SetRootKey(Root);
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("SOFTWARE\\Zarvik\\Themes"), true));
    registry.WriteString(QStringLiteral("Zarvik Defined Theme Path"), Library);
    registry.WriteString(QStringLiteral("User Defined Theme Path"), User);
}

// One line per element, CR LF, as the scheme files are written.
QByteArray SchemeFile(std::initializer_list<const char*> Lines)
{
    QByteArray out;
    for (const char* line : Lines)
        out += QByteArray(line) + "\r\n";
    return out;
}

const QByteArray kLibrarySchemes = SchemeFile({
    "<SchemeTypes>", "<SchemeType>", "<Name>Dark</Name>",
    "<Scheme>", "<Name>Night</Name>", "<Properties>",
    "<BackGroundColor>255</BackGroundColor>", "<BorderStyle>1</BorderStyle>", "<HintsFont.Color>$00FF00</HintsFont.Color>",
    "<XYAxesReverse>-1</XYAxesReverse>", "<PrintMarginLeft>0.5</PrintMarginLeft>", "<TitleText>Night plot</TitleText>",
    "</Properties>", "</Scheme>",
    "<Scheme>", "<Name>Dusk</Name>", "<Properties>", "<XYAxesReverse>0</XYAxesReverse>", "</Properties>", "</Scheme>",
    "</SchemeType>", "</SchemeTypes>",
});

const QByteArray kUserSchemes = SchemeFile({
    "<SchemeTypes>", "<SchemeType>", "<Name>DARK</Name>",
    "<Scheme>", "<Name>Mine</Name>", "<Properties>", "<UpdateFrameRate>lots</UpdateFrameRate>", "</Properties>", "</Scheme>",
    "</SchemeType>",
    "<SchemeType>", "<Name>Print</Name>",
    "<Scheme>", "<Name>Paper</Name>", "<Properties>", "</Properties>", "</Scheme>",
    "</SchemeType>", "</SchemeTypes>",
});

class PlotSchemesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        plot = new TiXYPlot(form);
        library = dirs.Root() + QStringLiteral("/library");
        user = dirs.Root() + QStringLiteral("/user");
        QDir().mkpath(library);
        QDir().mkpath(user);
    }
    void TearDown() override { delete form; }

    ostest::TXdgTestDirs dirs;
    QString library, user;
    TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
};

TEST_F(PlotSchemesTest, FoldersComeFromTheSettingsStoreCurrentUserFirst)
{
    plot->LoadThemes();
    EXPECT_EQ(plot->GetThemeCategoryCount(), 0);

    QString lib, usr;
    SetThemeFolders(HKEY_LOCAL_MACHINE, QStringLiteral(" /opt/schemes "), QStringLiteral("/home/a/schemes/"));
    TiVCLComponent::GetThemePaths(lib, usr);
    EXPECT_EQ(lib, QStringLiteral("/opt/schemes/"));
    EXPECT_EQ(usr, QStringLiteral("/home/a/schemes/"));
    SetThemeFolders(HKEY_CURRENT_USER, QStringLiteral("/mine"), QStringLiteral("  "));
    TiVCLComponent::GetThemePaths(lib, usr);
    EXPECT_EQ(lib, QStringLiteral("/mine/"));
    EXPECT_EQ(usr, QStringLiteral("/home/a/schemes/"));
}

TEST_F(PlotSchemesTest, UserSchemesJoinTheLibrarysCategoriesAndApplyByPath)
{
    SetThemeFolders(HKEY_LOCAL_MACHINE, library, user);
    WriteAll(library + QStringLiteral("/TiXYPlot.xml"), kLibrarySchemes);
    WriteAll(user + QStringLiteral("/TiXYPlotUser.xml"), kUserSchemes);
    plot->LoadThemes();
    ASSERT_EQ(plot->GetThemeCategoryCount(), 2);
    EXPECT_EQ(plot->GetThemeCategoryName(0), QStringLiteral("Dark"));
    EXPECT_EQ(plot->GetThemeCategoryName(1), QStringLiteral("Print"));
    ASSERT_EQ(plot->GetThemeCategorySchemeCount(0), 3);
    EXPECT_EQ(plot->GetThemeCategorySchemeName(0, 2), QStringLiteral("Mine"));
    EXPECT_FALSE(plot->GetThemeCategorySchemeIsUser(0, 1));
    EXPECT_TRUE(plot->GetThemeCategorySchemeIsUser(0, 2));
    EXPECT_THROW(plot->GetThemeCategorySchemeName(0, 3), EListError);
    EXPECT_THROW(plot->GetThemeCategoryName(2), EListError);

    plot->ApplyScheme(0, 0);
    EXPECT_EQ(plot->BackGroundColor(), clRed);
    EXPECT_EQ(plot->BorderStyle(), TiBevelStyle::ibsRaised);
    EXPECT_EQ(plot->HintsFont()->Color(), 0x00FF00);
    EXPECT_TRUE(plot->XYAxesReverse());
    EXPECT_EQ(plot->PrintMarginLeft(), 0.5);
    EXPECT_EQ(plot->TitleText(), QStringLiteral("Night plot"));
    plot->ApplyScheme(0, 1);
    EXPECT_FALSE(plot->XYAxesReverse());
    EXPECT_THROW(plot->ApplyScheme(0, 2), EConvertError);

    // Loading again replaces what was loaded.
    QFile::remove(user + QStringLiteral("/TiXYPlotUser.xml"));
    plot->LoadThemes();
    EXPECT_EQ(plot->GetThemeCategoryCount(), 1);
    EXPECT_EQ(plot->GetThemeCategorySchemeCount(0), 2);
}

TEST_F(PlotSchemesTest, MalformedFilesAreRefusedKeepingWhatWasRead)
{
    SetThemeFolders(HKEY_CURRENT_USER, library, QString());
    struct Case
    {
        const char* name;
        QByteArray file;
        const char* error;
        int categories;
    };
    const std::vector<Case> cases {
        { "scheme not closed",
          SchemeFile({ "<SchemeTypes>", "<SchemeType>", "<Name>A</Name>", "<Scheme>", "<Name>S</Name>", "<Properties>",
                       "</Properties>", "</SchemeType>", "</SchemeTypes>" }),
          "Error Loading Scheme. XML File Malformed", 1 },
        { "cut short", SchemeFile({ "<SchemeTypes>", "<SchemeType>", "<Name>A</Name>", "<Scheme>", "<Name>S" }), "EOF", 1 },
        { "value without its end tag",
          SchemeFile({ "<SchemeTypes>", "<SchemeType>", "<Name>A</Name>", "<Scheme>", "<Name>S</Name>", "<Properties>",
                       "<Color>255", "<Other>1</Other>" }),
          "XML Parsing Error - \"/\" not Found", 1 },
        { "not a scheme file", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), "EOF", 0 },
        { "types never closed", SchemeFile({ "<SchemeTypes>", "<Other>" }), "Error Loading Scheme. XML File Malformed", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteAll(library + QStringLiteral("/TiXYPlot.xml"), c.file);
        try {
            plot->LoadThemes();
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(c.error));
        }
        EXPECT_EQ(plot->GetThemeCategoryCount(), c.categories);
    }
}

} // namespace
