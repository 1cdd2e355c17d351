#include "widgets/RzRegIniFile.h"

#include "platform/os/OsVersion.h"
#include "platform/os/ShellFolders.h"
#include "platform/ui/TApplication.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace rz {

using namespace vcl;

vcl::HKEY RegKeyRoot(TRzRegKey Key)
{
    return HKEY_CLASSES_ROOT + static_cast<HKEY>(Key);
}

unsigned RegAccessMask(TRzRegAccess Access)
{
    static const unsigned masks[] = { KEY_QUERY_VALUE, KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_ENUMERATE_SUB_KEYS,
                                      KEY_NOTIFY, KEY_CREATE_LINK, KEY_READ, KEY_WRITE, KEY_EXECUTE, KEY_ALL_ACCESS };
    unsigned mask = 0;
    for (int i = 0; i <= static_cast<int>(TRzRegAccessKey::keyAllAccess); ++i)
        if (Access.Contains(static_cast<TRzRegAccessKey>(i)))
            mask |= masks[i];
    return mask;
}

int SpecialFolderId(TRzSpecialFolder Folder)
{
    switch (Folder) {
    case TRzSpecialFolder::sfUserAppDataRoaming: return CSIDL_APPDATA;
    case TRzSpecialFolder::sfUserAppDataLocal: return CSIDL_LOCAL_APPDATA;
    case TRzSpecialFolder::sfUserDocuments: return CSIDL_PERSONAL;
    case TRzSpecialFolder::sfProgramData: return CSIDL_COMMON_APPDATA;
    case TRzSpecialFolder::sfNone: break;
    }
    return 0;
}

namespace {

QString WithIniExtension(const QString& name)
{
    const QFileInfo info(name);
    const QString suffix = info.suffix();
    QString base = suffix.isEmpty() ? name : name.left(name.size() - suffix.size() - 1);
    return base + QStringLiteral(".ini");
}

// The directory part of a path written with either separator, or empty.
QString DirectoryPart(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString FileNamePart(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(slash + 1);
}

} // namespace

QString ResolveIniFilePath(const QString& Path, TRzSpecialFolder Folder, const QString& ExePath)
{
    QString p = Path;
    const TOsVersion& os = OsVersion();
    if (Folder != TRzSpecialFolder::sfNone && os.Platform == 2 && os.Major >= 5) {
        const QString dir = ShellFolderDirectory(SpecialFolderId(Folder), DirectoryPart(p));
        if (!dir.isEmpty())
            p = dir + WithIniExtension(p.isEmpty() ? FileNamePart(ExePath) : FileNamePart(p));
    }
    if (p.isEmpty())
        return WithIniExtension(ExePath);
    if (DirectoryPart(p).isEmpty())
        return DirectoryPart(ExePath) + WithIniExtension(p);
    return p;
}

QString ResolveRegistryKeyPath(const QString& Path, const QString& Title, const QString& ExePath)
{
    if (!Path.isEmpty())
        return Path;
    if (!Title.isEmpty())
        return QStringLiteral("\\Software\\Temp\\") + Title;
    return QStringLiteral("\\Software\\Temp\\") + QFileInfo(ExePath).completeBaseName();
}

TRzRegIniFile::TRzRegIniFile(TComponent* AOwner) : TComponent(AOwner) {}

TRzRegIniFile::~TRzRegIniFile() = default;

void TRzRegIniFile::SetPath(const QString& Value)
{
    if (FPath != Value) {
        FPath = Value;
        FRefreshStorage = true;
    }
}

#define RZ_STORE_LOCATOR(Setter, Field, Type) \
    void TRzRegIniFile::Setter(Type Value)     \
    {                                          \
        if (Field != Value) {                  \
            Field = Value;                     \
            FRefreshStorage = true;            \
        }                                      \
    }
RZ_STORE_LOCATOR(SetPathType, FPathType, TRzRegIniPathType)
RZ_STORE_LOCATOR(SetRegKey, FRegKey, TRzRegKey)
RZ_STORE_LOCATOR(SetRegAccess, FRegAccess, TRzRegAccess)
RZ_STORE_LOCATOR(SetSpecialFolder, FSpecialFolder, TRzSpecialFolder)
RZ_STORE_LOCATOR(SetFileEncoding, FFileEncoding, TRzIniFileEncoding)
#undef RZ_STORE_LOCATOR

namespace {

std::optional<TTextEncoding> EncodingOf(TRzIniFileEncoding Value)
{
    switch (Value) {
    case TRzIniFileEncoding::feUTF8: return TTextEncoding::Utf8;
    case TRzIniFileEncoding::feUnicode: return TTextEncoding::Utf16LE;
    case TRzIniFileEncoding::feDefault: break;
    }
    return std::nullopt; // the encoding the file was read in; 8-bit for a new file
}

} // namespace

void TRzRegIniFile::Relocate()
{
    FIni.reset();
    FReg.reset();
    const QString exe = QCoreApplication::applicationFilePath();
    if (FPathType == TRzRegIniPathType::ptIniFile) {
        FPath = ResolveIniFilePath(FPath, FSpecialFolder, exe);
        FIni = std::make_unique<TMemIniFile>(FPath, EncodingOf(FFileEncoding));
    } else {
        const QString title = Application ? Application->Title() : QString();
        FPath = ResolveRegistryKeyPath(FPath, title, exe);
        FReg = std::make_unique<TRegistryIniFile>(FPath, RegKeyRoot(FRegKey), RegAccessMask(FRegAccess));
    }
    FRefreshStorage = false;
}

TCustomIniFile& TRzRegIniFile::Store()
{
    if (FRefreshStorage || (!FIni && !FReg))
        Relocate();
    if (FIni)
        return *FIni;
    return *FReg;
}

void TRzRegIniFile::Flush()
{
    if (!FIni)
        return;
    if (const auto encoding = EncodingOf(FFileEncoding))
        FIni->SetEncoding(*encoding);
    FIni->UpdateFile();
}

bool TRzRegIniFile::SectionExists(const QString& Section) { return Store().SectionExists(Section); }
bool TRzRegIniFile::ValueExists(const QString& Section, const QString& Name) { return Store().ValueExists(Section, Name); }
bool TRzRegIniFile::ReadBool(const QString& S, const QString& N, bool D) { return Store().ReadBool(S, N, D); }
TDateTime TRzRegIniFile::ReadDate(const QString& S, const QString& N, TDateTime D) { return Store().ReadDate(S, N, D); }
TDateTime TRzRegIniFile::ReadDateTime(const QString& S, const QString& N, TDateTime D) { return Store().ReadDateTime(S, N, D); }
double TRzRegIniFile::ReadFloat(const QString& S, const QString& N, double D) { return Store().ReadFloat(S, N, D); }
int TRzRegIniFile::ReadInteger(const QString& S, const QString& N, int D) { return Store().ReadInteger(S, N, D); }
QString TRzRegIniFile::ReadString(const QString& S, const QString& N, const QString& D) { return Store().ReadString(S, N, D); }
TDateTime TRzRegIniFile::ReadTime(const QString& S, const QString& N, TDateTime D) { return Store().ReadTime(S, N, D); }
int TRzRegIniFile::ReadBinaryStream(const QString& S, const QString& N, QIODevice& Stream) { return Store().ReadBinaryStream(S, N, Stream); }
void TRzRegIniFile::ReadSection(const QString& S, TStrings& Strings) { Store().ReadSection(S, Strings); }
void TRzRegIniFile::ReadSections(TStrings& Strings) { Store().ReadSections(Strings); }
void TRzRegIniFile::ReadSectionValues(const QString& S, TStrings& Strings) { Store().ReadSectionValues(S, Strings); }

// Each change goes to the store, and an ini file is written out at once.
#define RZ_STORE_WRITE(Name, Type)                                                     \
    void TRzRegIniFile::Name(const QString& Section, const QString& Ident, Type Value) \
    {                                                                                  \
        Store().Name(Section, Ident, Value);                                           \
        Flush();                                                                       \
    }
RZ_STORE_WRITE(WriteBool, bool)
RZ_STORE_WRITE(WriteDate, TDateTime)
RZ_STORE_WRITE(WriteDateTime, TDateTime)
RZ_STORE_WRITE(WriteFloat, double)
RZ_STORE_WRITE(WriteInteger, int)
RZ_STORE_WRITE(WriteString, const QString&)
RZ_STORE_WRITE(WriteTime, TDateTime)
RZ_STORE_WRITE(WriteBinaryStream, QIODevice&)
#undef RZ_STORE_WRITE

void TRzRegIniFile::EraseSection(const QString& Section)
{
    Store().EraseSection(Section);
    Flush();
}

void TRzRegIniFile::DeleteKey(const QString& Section, const QString& Name)
{
    Store().DeleteKey(Section, Name);
    Flush();
}

} // namespace rz
