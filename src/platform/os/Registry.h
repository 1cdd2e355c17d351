#pragma once
// The registry of the class library, emulated by typed ini files: each root key is one file
// "<root name>.ini" in RegistryDirectory(), each key a section named by its path below the root
// ("Software\Temp\App"), each value a line "name=type:data" with the types
//   sz:<text>       a string (backslash, CR and LF written as \\, \r and \n)
//   dword:<8 hex>   a 32-bit integer
//   hex:<hh,hh,..>  binary data
// and "@" for a key's unnamed default value. Every operation reads the file afresh and every
// change replaces it only once fully written, so two registry objects never see stale data.

#include "platform/core/Exception.h"
#include "platform/os/IniFiles.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace vcl {

using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr HKEY HKEY_USERS = 0x80000003;
inline constexpr HKEY HKEY_PERFORMANCE_DATA = 0x80000004;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;
inline constexpr HKEY HKEY_DYN_DATA = 0x80000006;

// Access rights; reads need KEY_QUERY_VALUE, writes KEY_SET_VALUE, new keys KEY_CREATE_SUB_KEY.
inline constexpr unsigned KEY_QUERY_VALUE = 0x1;
inline constexpr unsigned KEY_SET_VALUE = 0x2;
inline constexpr unsigned KEY_CREATE_SUB_KEY = 0x4;
inline constexpr unsigned KEY_ENUMERATE_SUB_KEYS = 0x8;
inline constexpr unsigned KEY_NOTIFY = 0x10;
inline constexpr unsigned KEY_CREATE_LINK = 0x20;
inline constexpr unsigned KEY_READ = 0x20019;
inline constexpr unsigned KEY_WRITE = 0x20006;
inline constexpr unsigned KEY_EXECUTE = 0x20019;
inline constexpr unsigned KEY_ALL_ACCESS = 0xF003F;

class ERegistryException : public Exception
{
public:
    using Exception::Exception;
};

enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// "<XDG configuration directory>/zq9-editor/registry".
QString RegistryDirectory();
// The file that holds a root key ("HKEY_CURRENT_USER.ini"); empty for an unknown root.
QString RegistryRootFile(HKEY Root);

class TRegistry
{
public:
    explicit TRegistry(unsigned Access = KEY_ALL_ACCESS) : m_access(Access) {}

    HKEY RootKey() const { return m_root; }
    // Closes the open key.
    void SetRootKey(HKEY Value);
    unsigned Access() const { return m_access; }
    void SetAccess(unsigned Value) { m_access = Value; }
    // The open key's path below the root, without leading or trailing backslash; empty when none.
    const QString& CurrentPath() const { return m_current; }
    bool HasCurrentKey() const { return m_open; }

    // Key is relative to the open key, or to the root when it starts with "\". Missing keys are
    // created (with their parents) when CanCreate and the access allows; false otherwise.
    bool OpenKey(const QString& Key, bool CanCreate);
    void CloseKey();
    bool KeyExists(const QString& Key);
    bool CreateKey(const QString& Key);
    // Removes the key with its values and subkeys.
    bool DeleteKey(const QString& Key);

    // Values of the open key; an empty Name is the default value.
    bool ValueExists(const QString& Name);
    TRegDataType GetDataType(const QString& Name);
    bool DeleteValue(const QString& Name);
    // Raise ERegistryException for a missing value or one of another type.
    QString ReadString(const QString& Name);
    int ReadInteger(const QString& Name);
    QByteArray ReadBinaryData(const QString& Name);
    // Raise ERegistryException when no key is open, the access forbids it or the file cannot
    // be written.
    void WriteString(const QString& Name, const QString& Value);
    void WriteInteger(const QString& Name, int Value);
    void WriteBinaryData(const QString& Name, const QByteArray& Value);
    // The open key's value names ("" for the default value) and direct subkey names.
    void GetValueNames(TStrings& Strings);
    void GetKeyNames(TStrings& Strings);

private:
    QString Resolve(const QString& Key) const;
    QString RawValue(const QString& Name, bool& Found);
    void WriteRaw(const QString& Name, const QString& Raw);

    HKEY m_root { HKEY_CURRENT_USER };
    unsigned m_access;
    QString m_current;
    bool m_open { false };
};

// The ini-file operations over a registry key: sections are its subkeys, names their values.
// Integers are stored as integers (as strings where a string value already stands), floats and
// dates as 8-byte binary doubles, binary streams as binary data.
class TRegistryIniFile : public TCustomIniFile
{
public:
    // Opens (creating when allowed) the key FileName below Root.
    TRegistryIniFile(const QString& FileName, HKEY Root = HKEY_CURRENT_USER, unsigned Access = KEY_ALL_ACCESS);

    TRegistry& RegIniFile() { return m_reg; }

    bool SectionExists(const QString& Section) override;
    bool ValueExists(const QString& Section, const QString& Ident) override;
    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) override;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value) override;
    int ReadInteger(const QString& Section, const QString& Ident, int Default) override;
    void WriteInteger(const QString& Section, const QString& Ident, int Value) override;
    void WriteBool(const QString& Section, const QString& Ident, bool Value) override;
    double ReadFloat(const QString& Section, const QString& Ident, double Default) override;
    void WriteFloat(const QString& Section, const QString& Ident, double Value) override;
    TDateTime ReadDate(const QString& Section, const QString& Ident, TDateTime Default) override;
    TDateTime ReadDateTime(const QString& Section, const QString& Ident, TDateTime Default) override;
    TDateTime ReadTime(const QString& Section, const QString& Ident, TDateTime Default) override;
    void WriteDate(const QString& Section, const QString& Ident, TDateTime Value) override;
    void WriteDateTime(const QString& Section, const QString& Ident, TDateTime Value) override;
    void WriteTime(const QString& Section, const QString& Ident, TDateTime Value) override;
    int ReadBinaryStream(const QString& Section, const QString& Ident, QIODevice& Stream) override;
    void WriteBinaryStream(const QString& Section, const QString& Ident, QIODevice& Stream) override;
    void ReadSection(const QString& Section, TStrings& Strings) override;
    void ReadSections(TStrings& Strings) override;
    // Sorted lines by value type: "name=text", "name=123", "name=0A 1B " (each byte two
    // hexadecimal digits and a blank), "name=Unknown Data Type"; the default value is "Default".
    void ReadSectionValues(const QString& Section, TStrings& Strings) override;
    void EraseSection(const QString& Section) override;
    void DeleteKey(const QString& Section, const QString& Ident) override;
    void UpdateFile() override {}

private:
    // Opens Section below this key in Reg; false when it is missing (and not created).
    bool OpenSection(TRegistry& Reg, const QString& Section, bool Create);
    std::optional<double> ReadDouble(const QString& Section, const QString& Ident);
    void WriteDouble(const QString& Section, const QString& Ident, double Value);

    TRegistry m_reg;
};

} // namespace vcl
