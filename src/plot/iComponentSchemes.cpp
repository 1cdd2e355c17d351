// Colour schemes: the library's and the user's scheme files, found through the settings store,
// read into categories of named schemes, and applied to the control's published properties.

#include "plot/iMemoryStream.h"
#include "plot/iSchemeLists.h"
#include "plot/iVCLComponent.h"

#include "platform/core/NumberUtils.h"
#include "platform/core/PublishedProperties.h"
#include "platform/os/Registry.h"

#include <QFile>

using namespace vcl;

namespace {

const QString kThemesKey = QStringLiteral("SOFTWARE\\Zarvik\\Themes");
const QString kLibraryValue = QStringLiteral("Zarvik Defined Theme Path");
const QString kUserValue = QStringLiteral("User Defined Theme Path");

[[noreturn]] void Malformed()
{
    throw Exception(QStringLiteral("Error Loading Scheme. XML File Malformed"));
}

void Expect(TiXMLMemoryStream& Stream, const QString& Piece)
{
    if (Stream.GetNextPiece() != Piece)
        Malformed();
}

// The two folder values under Root; a missing key or value reads as empty.
void ReadThemeValues(HKEY Root, QString& Library, QString& User)
{
    TRegistry registry(KEY_READ);
    registry.SetRootKey(Root);
    Library.clear();
    User.clear();
    if (!registry.OpenKey(kThemesKey, false))
        return;
    if (registry.ValueExists(kLibraryValue) && registry.GetDataType(kLibraryValue) == TRegDataType::rdString)
        Library = registry.ReadString(kLibraryValue).trimmed();
    if (registry.ValueExists(kUserValue) && registry.GetDataType(kUserValue) == TRegDataType::rdString)
        User = registry.ReadString(kUserValue).trimmed();
}

QString WithSeparator(const QString& Folder)
{
    return Folder.isEmpty() || Folder.endsWith(u'/') ? Folder : Folder + u'/';
}

QByteArray ReadIfPresent(const QString& FileName)
{
    QFile file(FileName);
    if (FileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// The value converted as a property of Kind takes it; Range01 marks a property of exactly 0..1.
TPropertyValue ConvertedValue(const TPropertyInfo& Prop, const QString& Value)
{
    switch (Prop.Kind) {
    case TPropertyKind::Integer:
    case TPropertyKind::Set:
    case TPropertyKind::Color:
        return TPropertyValue(StrToInt64(Value));
    case TPropertyKind::Boolean:
    case TPropertyKind::Enumeration: {
        QString text = Value;
        if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
            text = QStringLiteral("1");
        else if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
            text = QStringLiteral("0");
        const bool range01 = Prop.Kind == TPropertyKind::Boolean || Prop.ElementNames.size() == 2;
        if (range01 && text != QLatin1String("0"))
            text = QStringLiteral("1");
        return TPropertyValue(StrToInt64(text));
    }
    case TPropertyKind::Float:
        return TPropertyValue(StrToFloat(Value));
    case TPropertyKind::String:
        return TPropertyValue(Value);
    default:
        return TPropertyValue();
    }
}

} // namespace

void TiVCLComponent::GetThemePaths(QString& LibraryPath, QString& UserPath)
{
    ReadThemeValues(HKEY_LOCAL_MACHINE, LibraryPath, UserPath);
    QString library, user;
    ReadThemeValues(HKEY_CURRENT_USER, library, user);
    if (!library.isEmpty())
        LibraryPath = library;
    if (!user.isEmpty())
        UserPath = user;
    LibraryPath = WithSeparator(LibraryPath);
    UserPath = WithSeparator(UserPath);
}

void TiVCLComponent::LoadThemes()
{
    FThemeCategoryList.clear();
    QString library, user;
    GetThemePaths(library, user);
    const QByteArray libraryFile = ReadIfPresent(library.isEmpty() ? QString() : library + ClassName() + QStringLiteral(".xml"));
    if (!libraryFile.isEmpty())
        LoadSchemeFile(libraryFile, false);
    const QByteArray userFile = ReadIfPresent(user.isEmpty() ? QString() : user + ClassName() + QStringLiteral("User.xml"));
    if (!userFile.isEmpty())
        LoadSchemeFile(userFile, true);
}

void TiVCLComponent::LoadSchemeFile(const QByteArray& Bytes, bool User)
{
    TiXMLMemoryStream stream;
    stream.Write(Bytes.constData(), Bytes.size());
    stream.SetPosition(0);
    stream.GotoElementStart(QStringLiteral("SchemeTypes"));
    while (stream.PeekNextPiece() == QLatin1String("SchemeType")) {
        stream.GotoElementStart(QStringLiteral("SchemeType"));
        const QString categoryName = stream.GetElement(QStringLiteral("Name"));
        auto category = std::find_if(FThemeCategoryList.begin(), FThemeCategoryList.end(), [&](const ThemeCategory& c) {
            return c.Name.compare(categoryName, Qt::CaseInsensitive) == 0;
        });
        if (category == FThemeCategoryList.end())
            category = FThemeCategoryList.insert(FThemeCategoryList.end(), ThemeCategory { categoryName, {} });
        while (stream.PeekNextPiece() == QLatin1String("Scheme")) {
            stream.GotoElementStart(QStringLiteral("Scheme"));
            ThemeScheme scheme;
            scheme.Name = stream.GetElement(QStringLiteral("Name"));
            scheme.Properties = User ? std::shared_ptr<TStringList>(std::make_shared<TiUserSchemeList>())
                                     : std::shared_ptr<TStringList>(std::make_shared<TiZarvikSchemeList>());
            category->Schemes.push_back(scheme);
            stream.GotoElementStart(QStringLiteral("Properties"));
            while (stream.PeekNextPiece() != QLatin1String("/Properties")) {
                const std::int64_t before = stream.Position();
                const QString path = stream.PeekNextPiece();
                const QString value = stream.GetElement(path);
                if (stream.Position() <= before)
                    Malformed();
                if (!path.isEmpty())
                    scheme.Properties->Add(path + QStringLiteral(" = ") + value);
            }
            Expect(stream, QStringLiteral("/Properties"));
            Expect(stream, QStringLiteral("/Scheme"));
        }
        Expect(stream, QStringLiteral("/SchemeType"));
    }
    Expect(stream, QStringLiteral("/SchemeTypes"));
}

int TiVCLComponent::GetThemeCategoryCount() const
{
    return static_cast<int>(FThemeCategoryList.size());
}

QString TiVCLComponent::GetThemeCategoryName(int CategoryIndex) const
{
    if (CategoryIndex < 0 || CategoryIndex >= GetThemeCategoryCount())
        ListIndexError(CategoryIndex);
    return FThemeCategoryList[static_cast<std::size_t>(CategoryIndex)].Name;
}

int TiVCLComponent::GetThemeCategorySchemeCount(int CategoryIndex) const
{
    if (CategoryIndex < 0 || CategoryIndex >= GetThemeCategoryCount())
        ListIndexError(CategoryIndex);
    return static_cast<int>(FThemeCategoryList[static_cast<std::size_t>(CategoryIndex)].Schemes.size());
}

const TiVCLComponent::ThemeScheme& TiVCLComponent::SchemeAt(int CategoryIndex, int SchemeIndex) const
{
    if (SchemeIndex < 0 || SchemeIndex >= GetThemeCategorySchemeCount(CategoryIndex))
        ListIndexError(SchemeIndex);
    return FThemeCategoryList[static_cast<std::size_t>(CategoryIndex)].Schemes[static_cast<std::size_t>(SchemeIndex)];
}

QString TiVCLComponent::GetThemeCategorySchemeName(int CategoryIndex, int SchemeIndex) const
{
    return SchemeAt(CategoryIndex, SchemeIndex).Name;
}

bool TiVCLComponent::GetThemeCategorySchemeIsUser(int CategoryIndex, int SchemeIndex) const
{
    return dynamic_cast<const TiUserSchemeList*>(SchemeAt(CategoryIndex, SchemeIndex).Properties.get()) != nullptr;
}

void TiVCLComponent::ApplyScheme(int CategoryIndex, int SchemeIndex)
{
    const std::shared_ptr<TStringList> lines = SchemeAt(CategoryIndex, SchemeIndex).Properties;
    for (int i = 0; i < lines->Count(); ++i) {
        const QString line = lines->Strings(i);
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString path = line.left(eq).trimmed();
        if (path.isEmpty())
            continue;
        SetPropertyByPath(this, QString(), line.mid(eq + 2), path);
    }
}

void TiVCLComponent::SetPropertyByPath(TPersistent* Instance, const QString& Prefix, const QString& Value,
                                       const QString& Path)
{
    const TPropertyTable* table = Instance ? PropertyTableOf(*Instance) : nullptr;
    if (!table)
        return;
    for (const TPropertyInfo& prop : table->Properties()) {
        const QString fullName = Prefix.trimmed().isEmpty() ? prop.Name : Prefix + u'.' + prop.Name;
        if (prop.Kind == TPropertyKind::Object) {
            SetPropertyByPath(GetObjectProp(*Instance, prop.Name), fullName, Value, Path);
            continue;
        }
        if (!prop.IsWritable() || fullName.compare(Path, Qt::CaseInsensitive) != 0)
            continue;
        const TPropertyValue value = ConvertedValue(prop, Value);
        if (!std::holds_alternative<std::monostate>(value))
            SetPropValue(*Instance, prop, value);
    }
}
