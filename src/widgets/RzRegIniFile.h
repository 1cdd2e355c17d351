#pragma once
// A settings component offering the ini-file operations over either an ini file or a registry key,
// chosen by PathType. Its location comes from Path, an optional special folder, the executable's
// name or the application title; the store is opened before the first operation and again after
// any property that locates it changes. Ini-file changes reach the disk at once.

#include "platform/core/TComponent.h"
#include "platform/os/IniFiles.h"
#include "platform/os/Registry.h"

#include <memory>

class QIODevice;

namespace rz {

enum class TRzRegIniPathType { ptIniFile, ptRegistry };
enum class TRzRegKey { hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData,
                       hkeyCurrentConfig, hkeyDynData };
enum class TRzRegAccessKey { keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify,
                             keyCreateLink, keyRead, keyWrite, keyExecute, keyAllAccess };
using TRzRegAccess = vcl::TSet<TRzRegAccessKey>;
enum class TRzSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
enum class TRzIniFileEncoding { feDefault, feUTF8, feUnicode };

vcl::HKEY RegKeyRoot(TRzRegKey Key);
unsigned RegAccessMask(TRzRegAccess Access);
int SpecialFolderId(TRzSpecialFolder Folder);

// The ini file a store of these settings opens: ExePath is the executable's full path.
QString ResolveIniFilePath(const QString& Path, TRzSpecialFolder Folder, const QString& ExePath);
// The registry key: Path, or "\Software\Temp\" and the title (the executable's base name when empty).
QString ResolveRegistryKeyPath(const QString& Path, const QString& Title, const QString& ExePath);

class TRzRegIniFile : public vcl::TComponent
{
public:
    explicit TRzRegIniFile(vcl::TComponent* AOwner);
    ~TRzRegIniFile() override;

    const QString& Path() const { return FPath; }
    void SetPath(const QString& Value);
    TRzRegIniPathType PathType() const { return FPathType; }
    void SetPathType(TRzRegIniPathType Value);
    TRzRegKey RegKey() const { return FRegKey; }
    void SetRegKey(TRzRegKey Value);
    TRzRegAccess RegAccess() const { return FRegAccess; }
    void SetRegAccess(TRzRegAccess Value);
    TRzSpecialFolder SpecialFolder() const { return FSpecialFolder; }
    void SetSpecialFolder(TRzSpecialFolder Value);
    TRzIniFileEncoding FileEncoding() const { return FFileEncoding; }
    void SetFileEncoding(TRzIniFileEncoding Value);

    bool SectionExists(const QString& Section);
    bool ValueExists(const QString& Section, const QString& Name);
    bool ReadBool(const QString& Section, const QString& Name, bool Default);
    vcl::TDateTime ReadDate(const QString& Section, const QString& Name, vcl::TDateTime Default);
    vcl::TDateTime ReadDateTime(const QString& Section, const QString& Name, vcl::TDateTime Default);
    double ReadFloat(const QString& Section, const QString& Name, double Default);
    int ReadInteger(const QString& Section, const QString& Name, int Default);
    QString ReadString(const QString& Section, const QString& Name, const QString& Default);
    vcl::TDateTime ReadTime(const QString& Section, const QString& Name, vcl::TDateTime Default);
    int ReadBinaryStream(const QString& Section, const QString& Name, QIODevice& Stream);
    void WriteBool(const QString& Section, const QString& Name, bool Value);
    void WriteDate(const QString& Section, const QString& Name, vcl::TDateTime Value);
    void WriteDateTime(const QString& Section, const QString& Name, vcl::TDateTime Value);
    void WriteFloat(const QString& Section, const QString& Name, double Value);
    void WriteInteger(const QString& Section, const QString& Name, int Value);
    void WriteString(const QString& Section, const QString& Name, const QString& Value);
    void WriteTime(const QString& Section, const QString& Name, vcl::TDateTime Value);
    void WriteBinaryStream(const QString& Section, const QString& Name, QIODevice& Stream);
    void ReadSection(const QString& Section, vcl::TStrings& Strings);
    void ReadSections(vcl::TStrings& Strings);
    void ReadSectionValues(const QString& Section, vcl::TStrings& Strings);
    void EraseSection(const QString& Section);
    void DeleteKey(const QString& Section, const QString& Name);

private:
    vcl::TCustomIniFile& Store();
    // After a change of an ini file: the encoding again from FileEncoding, then the file written.
    void Flush();
    void Relocate();

    QString FPath;
    TRzRegIniPathType FPathType { TRzRegIniPathType::ptIniFile };
    TRzRegKey FRegKey { TRzRegKey::hkeyCurrentUser };
    TRzRegAccess FRegAccess { TRzRegAccessKey::keyAllAccess };
    TRzSpecialFolder FSpecialFolder { TRzSpecialFolder::sfNone };
    TRzIniFileEncoding FFileEncoding { TRzIniFileEncoding::feDefault };
    bool FRefreshStorage { true };
    std::unique_ptr<vcl::TMemIniFile> FIni;
    std::unique_ptr<vcl::TRegistryIniFile> FReg;
};

} // namespace rz
