#include "platform/os/IniFiles.h"

#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"
#include "platform/os/XdgTestDirs.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDateTime>

using namespace vcl;
using ostest::ReadAll;
using ostest::WriteAll;

namespace {

QStringList Lines(const TStrings& s) { return s.ToStringList(); }

} // namespace

TEST(MemIniFile, EveryTypedValueSurvivesTheFileAndBadTextGivesTheDefault)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/s.ini";
    const TDateTime when = DateTimeFromQt(QDateTime(QDate(2026, 12, 10), QTime(16, 55, 57, 250)));
    {
        TMemIniFile ini(path);
        ini.WriteString("Main", "Name", " padded text ");
        ini.WriteInteger("Main", "Count", -42);
        ini.WriteBool("Main", "On", true);
        ini.WriteFloat("Main", "Gain", 0.125);
        ini.WriteDate("Main", "Day", when);
        ini.WriteTime("Main", "Clock", when);
        ini.WriteDateTime("Main", "Stamp", when);
        QBuffer in;
        in.setData(QByteArray("\x00\x7F\xFF", 3));
        in.open(QIODevice::ReadOnly);
        ini.WriteBinaryStream("Main", "Blob", in);
        ini.UpdateFile();
    }
    TMemIniFile ini(path);
    EXPECT_EQ(ini.ReadString("main", "NAME", "x"), " padded text ");
    EXPECT_EQ(ini.ReadInteger("Main", "Count", 0), -42);
    EXPECT_TRUE(ini.ReadBool("Main", "On", false));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Main", "Gain", 0), 0.125);
    EXPECT_DOUBLE_EQ(ini.ReadDate("Main", "Day", 0), std::trunc(when));
    EXPECT_NEAR(ini.ReadTime("Main", "Clock", 0), when - std::trunc(when), 1e-9);
    EXPECT_NEAR(ini.ReadDateTime("Main", "Stamp", 0), when, 1e-9);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_EQ(ini.ReadBinaryStream("Main", "Blob", out), 3);
    EXPECT_EQ(out.data(), QByteArray("\x00\x7F\xFF", 3));
    EXPECT_EQ(ini.ReadString("Main", "Blob", ""), "007FFF");

    // Text that is no value of the asked kind, and missing names, give the default.
    ini.WriteString("Bad", "V", "12abc");
    EXPECT_EQ(ini.ReadInteger("Bad", "V", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Bad", "V", 1.5), 1.5);
    EXPECT_DOUBLE_EQ(ini.ReadDate("Bad", "V", 3.0), 3.0);
    EXPECT_DOUBLE_EQ(ini.ReadDateTime("Bad", "V", 4.0), 4.0);
    EXPECT_TRUE(ini.ReadBool("Bad", "Missing", true));
    QBuffer none;
    none.open(QIODevice::WriteOnly);
    EXPECT_EQ(ini.ReadBinaryStream("Bad", "V", none), 0);
    ini.WriteString("Bad", "Hex", "0x1F");
    EXPECT_EQ(ini.ReadInteger("Bad", "Hex", 0), 31);
}

TEST(MemIniFile, SectionsNamesAndValuesAreListedErasedAndDeleted)
{
    QTemporaryDir dir;
    WriteAll(dir.path() + "/a.ini", "; comment\r\nstray=before any section\r\n[One]\r\nA = 1\r\nB=two=2\r\nflag\r\n\r\n[Two]\r\nC=3\r\n");
    TMemIniFile ini(dir.path() + "/a.ini");
    TStringList s;
    ini.ReadSections(s);
    EXPECT_EQ(Lines(s), QStringList({ "One", "Two" }));
    ini.ReadSection("one", s);
    EXPECT_EQ(Lines(s), QStringList({ "A", "B", "flag" }));
    ini.ReadSectionValues("One", s);
    EXPECT_EQ(Lines(s), QStringList({ "A= 1", "B=two=2", "flag=" }));
    EXPECT_TRUE(ini.SectionExists("TWO"));
    EXPECT_TRUE(ini.ValueExists("One", "b"));
    EXPECT_FALSE(ini.ValueExists("One", "stray"));

    ini.DeleteKey("One", "a");
    ini.EraseSection("two");
    ini.UpdateFile();
    EXPECT_EQ(ReadAll(dir.path() + "/a.ini"), QByteArray("[One]\r\nB=two=2\r\nflag=\r\n"));
}

TEST(MemIniFile, ByteOrderMarksChooseTheEncodingAndWritingKeepsIt)
{
    struct Case
    {
        TTextEncoding encoding;
        QByteArray bom;
    };
    const Case cases[] = { { TTextEncoding::Utf8, "\xEF\xBB\xBF" }, { TTextEncoding::Utf16LE, "\xFF\xFE" },
                           { TTextEncoding::Utf16BE, "\xFE\xFF" }, { TTextEncoding::Ansi, "" } };
    const QString text = QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"); // Grüß: every encoding holds it
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.path() + "/e.ini";
        {
            TMemIniFile ini(path, c.encoding);
            ini.WriteString("S", "Text", text);
            ini.UpdateFile();
        }
        EXPECT_TRUE(ReadAll(path).startsWith(c.bom)) << static_cast<int>(c.encoding);
        TMemIniFile again(path);
        EXPECT_EQ(again.Encoding(), c.encoding);
        EXPECT_EQ(again.ReadString("S", "Text", ""), text);
        again.WriteString("S", "More", "1");
        again.UpdateFile(); // the encoding read is the one written back
        EXPECT_TRUE(ReadAll(path).startsWith(c.bom));
        EXPECT_EQ(TMemIniFile(path).ReadString("S", "Text", ""), text);
    }
}

TEST(MemIniFile, AFailedWriteRaisesAndLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    WriteAll(dir.path() + "/plain", "not a directory");
    TMemIniFile blocked(dir.path() + "/plain/s.ini");
    blocked.WriteString("S", "V", "1");
    EXPECT_THROW(blocked.UpdateFile(), EFCreateError);

    // A file is replaced only once fully written: a reader never meets half a file.
    const QString path = dir.path() + "/keep.ini";
    WriteAll(path, "[S]\r\nV=old\r\n");
    TMemIniFile ini(path);
    ini.WriteString("S", "V", "new");
    ini.UpdateFile();
    EXPECT_EQ(ReadAll(path), QByteArray("[S]\r\nV=new\r\n"));
}
