#include "platform/os/Registry.h"

#include "platform/core/TStringList.h"
#include "platform/os/XdgTestDirs.h"

#include <gtest/gtest.h>

#include <QBuffer>

using namespace vcl;
using ostest::ReadAll;
using ostest::WriteAll;

namespace {

QString UserFile() { return RegistryRootFile(HKEY_CURRENT_USER); }

} // namespace

TEST(Registry, RootsAreFilesKeysAreSectionsAndValuesKeepTheirType)
{
    ostest::TXdgTestDirs xdg;
    EXPECT_EQ(UserFile(), xdg.Config() + "/zq9-editor/registry/HKEY_CURRENT_USER.ini");
    EXPECT_EQ(RegistryRootFile(HKEY_LOCAL_MACHINE), xdg.Config() + "/zq9-editor/registry/HKEY_LOCAL_MACHINE.ini");

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Temp\\App\\", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Temp\\App");
    reg.WriteString("Path", "C:\\dir\r\nnext");
    reg.WriteInteger("Count", -1);
    reg.WriteBinaryData("Blob", QByteArray("\x01\xAB", 2));
    reg.WriteString("", "default");
    reg.WriteString("a=b", "x");

    EXPECT_EQ(ReadAll(UserFile()), QByteArray("\xEF\xBB\xBF"
                                              "[Software]\r\n\r\n"
                                              "[Software\\Temp]\r\n\r\n"
                                              "[Software\\Temp\\App]\r\n"
                                              "Path=sz:C:\\\\dir\\r\\nnext\r\n"
                                              "Count=dword:ffffffff\r\n"
                                              "Blob=hex:01,ab\r\n"
                                              "@=sz:default\r\n"
                                              "a\\qb=sz:x\r\n"));

    TRegistry again;
    ASSERT_TRUE(again.OpenKey("software\\TEMP\\app", false)); // keys are found without regard to case
    EXPECT_EQ(again.ReadString("Path"), "C:\\dir\r\nnext");
    EXPECT_EQ(again.ReadInteger("COUNT"), -1);
    EXPECT_EQ(again.ReadBinaryData("Blob"), QByteArray("\x01\xAB", 2));
    EXPECT_EQ(again.ReadString(""), "default");
    EXPECT_EQ(again.GetDataType("Count"), TRegDataType::rdInteger);
    EXPECT_THROW(again.ReadInteger("Path"), ERegistryException);
    TStringList names;
    again.GetValueNames(names);
    EXPECT_EQ(names.ToStringList(), QStringList({ "Path", "Count", "Blob", "", "a=b" }));
    ASSERT_TRUE(again.OpenKey("\\Software", false));
    again.GetKeyNames(names);
    EXPECT_EQ(names.ToStringList(), QStringList({ "Temp" }));
    EXPECT_TRUE(again.DeleteKey("\\Software\\Temp"));
    EXPECT_FALSE(again.KeyExists("\\Software\\Temp\\App"));
    EXPECT_TRUE(again.KeyExists("\\Software"));
}

TEST(Registry, AccessRightsLimitWhatAKeyAllows)
{
    ostest::TXdgTestDirs xdg;
    TRegistry reader(KEY_READ);
    EXPECT_FALSE(reader.OpenKey("\\Software\\New", true));
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey("\\Software\\New", true));
    writer.WriteInteger("V", 1);
    ASSERT_TRUE(reader.OpenKey("\\Software\\New", false));
    EXPECT_EQ(reader.ReadInteger("V"), 1);
    EXPECT_THROW(reader.WriteInteger("V", 2), ERegistryException);
    EXPECT_EQ(writer.ReadInteger("V"), 1);
}

TEST(RegistryIniFile, SectionValuesAreListedSortedInTheirTypesFormat)
{
    ostest::TXdgTestDirs xdg;
    TRegistryIniFile ini("\\Software\\Temp\\Prog");
    ini.WriteString("Sec", "Name", "text");
    ini.WriteInteger("Sec", "X", 5);
    QBuffer bytes;
    bytes.setData(QByteArray("\x0A\xFF", 2));
    bytes.open(QIODevice::ReadOnly);
    ini.WriteBinaryStream("Sec", "Bin", bytes);
    ini.WriteString("Sec", "", "dflt");
    // A value of a type the store does not know, written by hand.
    QByteArray file = ReadAll(UserFile());
    file.replace("X=dword:00000005", "X=dword:00000005\r\nOdd=qword:1");
    WriteAll(UserFile(), file);

    TStringList lines;
    ini.ReadSectionValues("Sec", lines);
    EXPECT_EQ(lines.ToStringList(), QStringList({ "Default=dflt", "Bin=0A FF ", "Name=text", "Odd=Unknown Data Type", "X=5" }));
    ini.ReadSectionValues("Missing", lines);
    EXPECT_EQ(lines.Count(), 0);
}

TEST(RegistryIniFile, TypedReadsWritesAndSections)
{
    ostest::TXdgTestDirs xdg;
    TRegistryIniFile ini("\\Software\\Temp\\Prog");
    ini.WriteInteger("A", "N", 12);
    ini.WriteBool("A", "B", true);
    ini.WriteFloat("A", "F", 2.5);
    ini.WriteDateTime("A", "T", 46000.75);
    ini.WriteString("A", "S", "77");
    ini.WriteInteger("A", "S", 78); // a string value stays a string
    ini.WriteString("B", "Z", "z");

    TRegistry raw;
    ASSERT_TRUE(raw.OpenKey("\\Software\\Temp\\Prog\\A", false));
    EXPECT_EQ(raw.GetDataType("N"), TRegDataType::rdInteger);
    EXPECT_EQ(raw.GetDataType("B"), TRegDataType::rdInteger);
    EXPECT_EQ(raw.GetDataType("F"), TRegDataType::rdBinary);
    EXPECT_EQ(raw.GetDataType("S"), TRegDataType::rdString);

    EXPECT_EQ(ini.ReadInteger("A", "N", 0), 12);
    EXPECT_EQ(ini.ReadString("A", "N", ""), "12");
    EXPECT_TRUE(ini.ReadBool("A", "B", false));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("A", "F", 0), 2.5);
    EXPECT_DOUBLE_EQ(ini.ReadDateTime("A", "T", 0), 46000.75);
    EXPECT_EQ(ini.ReadInteger("A", "S", 0), 78);
    EXPECT_EQ(ini.ReadString("A", "F", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("Missing", "N", -3), -3);

    TStringList s;
    ini.ReadSections(s);
    EXPECT_EQ(s.ToStringList(), QStringList({ "A", "B" }));
    ini.ReadSection("A", s);
    EXPECT_EQ(s.ToStringList(), QStringList({ "N", "B", "F", "T", "S" }));
    ini.DeleteKey("A", "N");
    EXPECT_FALSE(ini.ValueExists("A", "N"));
    ini.EraseSection("A");
    EXPECT_FALSE(ini.SectionExists("A"));
    EXPECT_TRUE(ini.SectionExists("B"));
}

TEST(RegistryIniFile, AWriteThatCannotReachTheDiskRaises)
{
    ostest::TXdgTestDirs xdg;
    TRegistryIniFile ini("\\Software\\Temp\\Prog");
    QDir(RegistryDirectory()).removeRecursively();
    WriteAll(RegistryDirectory(), "a file where the folder should be");
    EXPECT_THROW(ini.WriteString("S", "V", "x"), ERegistryException);
}
