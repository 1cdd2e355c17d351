#include "platform/os/Registry.h"

#include "platform/core/TStringList.h"

#include <QDir>
#include <QIODevice>
#include <QStandardPaths>

#include <cstring>

namespace vcl {

namespace {

const QString DefaultValueName = QStringLiteral("@");

QString NormalizeKey(const QString& key)
{
    return key.split(u'\\', Qt::SkipEmptyParts).join(u'\\');
}

bool IsBelow(const QString& path, const QString& parent)
{
    return parent.isEmpty() || (path.size() > parent.size() && path.startsWith(parent, Qt::CaseInsensitive)
                                && path[parent.size()] == u'\\');
}

// Escapes what the ini line would otherwise take apart: backslash, CR, LF and, in names, '=',
// a leading ';' or '[' and blanks at either end.
QString Escape(const QString& text, bool name)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool edge = i == 0 || i == text.size() - 1;
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (name && c == u'=')
            out += QStringLiteral("\\q");
        else if (name && i == 0 && (c == u';' || c == u'['))
            out += c == u';' ? QStringLiteral("\\s") : QStringLiteral("\\o");
        else if (name && edge && c.isSpace())
            out += QStringLiteral("\\_");
        else
            out += c;
    }
    return out;
}

QString Unescape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i].unicode()) {
        case 'r': out += u'\r'; break;
        case 'n': out += u'\n'; break;
        case 'q': out += u'='; break;
        case 's': out += u';'; break;
        case 'o': out += u'['; break;
        case '_': out += u' '; break;
        default: out += text[i]; break;
        }
    }
    return out;
}

QString StoredName(const QString& name)
{
    return name.isEmpty() ? DefaultValueName : Escape(name, true);
}

QString ValueNameOf(const QString& stored)
{
    return stored == DefaultValueName ? QString() : Unescape(stored);
}

TRegDataType TypeOf(const QString& raw)
{
    if (raw.startsWith(QLatin1String("sz:")))
        return TRegDataType::rdString;
    if (raw.startsWith(QLatin1String("expand:")))
        return TRegDataType::rdExpandString;
    if (raw.startsWith(QLatin1String("dword:")))
        return TRegDataType::rdInteger;
    if (raw.startsWith(QLatin1String("hex:")))
        return TRegDataType::rdBinary;
    return TRegDataType::rdUnknown;
}

bool DecodeDword(const QString& raw, int& value)
{
    bool ok = false;
    const uint v = raw.mid(6).trimmed().toUInt(&ok, 16);
    value = static_cast<int>(v);
    return ok;
}

bool DecodeBinary(const QString& raw, QByteArray& bytes)
{
    const QString data = raw.mid(4).trimmed();
    bytes.clear();
    if (data.isEmpty())
        return true;
    for (const QString& part : data.split(u',')) {
        bool ok = false;
        const uint b = part.trimmed().toUInt(&ok, 16);
        if (!ok || b > 0xFF)
            return false;
        bytes.append(static_cast<char>(b));
    }
    return true;
}

QString EncodeBinary(const QByteArray& bytes)
{
    QStringList parts;
    for (char b : bytes)
        parts << QStringLiteral("%1").arg(static_cast<unsigned char>(b), 2, 16, QLatin1Char('0'));
    return QStringLiteral("hex:") + parts.join(u',');
}

TMemIniFile LoadRoot(HKEY root)
{
    return TMemIniFile(RegistryRootFile(root), TTextEncoding::Utf8);
}

void SaveRoot(TMemIniFile& file, const QString& what)
{
    try {
        QDir().mkpath(RegistryDirectory());
        file.UpdateFile();
    } catch (const Exception& e) {
        throw ERegistryException(QStringLiteral("Failed to set data for '%s'. %s"), what, e.Message());
    }
}

} // namespace

QString RegistryDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/zq9-editor/registry");
}

QString RegistryRootFile(HKEY Root)
{
    static const char* const names[] = { "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                         "HKEY_USERS", "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG",
                                         "HKEY_DYN_DATA" };
    if (Root < HKEY_CLASSES_ROOT || Root > HKEY_DYN_DATA)
        return QString();
    return RegistryDirectory() + u'/' + QLatin1String(names[Root - HKEY_CLASSES_ROOT]) + QStringLiteral(".ini");
}

// --- TRegistry ---

void TRegistry::SetRootKey(HKEY Value)
{
    if (m_root == Value)
        return;
    CloseKey();
    m_root = Value;
}

QString TRegistry::Resolve(const QString& Key) const
{
    if (Key.startsWith(u'\\') || !m_open || m_current.isEmpty())
        return NormalizeKey(Key);
    const QString relative = NormalizeKey(Key);
    return relative.isEmpty() ? m_current : m_current + u'\\' + relative;
}

bool TRegistry::KeyExists(const QString& Key)
{
    const QString path = Resolve(Key);
    if (path.isEmpty())
        return !RegistryRootFile(m_root).isEmpty();
    TMemIniFile file = LoadRoot(m_root);
    return file.SectionExists(path);
}

bool TRegistry::OpenKey(const QString& Key, bool CanCreate)
{
    const QString path = Resolve(Key);
    if (RegistryRootFile(m_root).isEmpty())
        return false;
    if (!path.isEmpty() && !KeyExists(QLatin1Char('\\') + path)) {
        if (!CanCreate || !CreateKey(QLatin1Char('\\') + path))
            return false;
    }
    m_current = path;
    m_open = true;
    return true;
}

void TRegistry::CloseKey()
{
    m_current.clear();
    m_open = false;
}

bool TRegistry::CreateKey(const QString& Key)
{
    const QString path = Resolve(Key);
    if (path.isEmpty() || RegistryRootFile(m_root).isEmpty() || !(m_access & KEY_CREATE_SUB_KEY))
        return false;
    TMemIniFile file = LoadRoot(m_root);
    QString prefix;
    for (const QString& part : path.split(u'\\')) {
        prefix = prefix.isEmpty() ? part : prefix + u'\\' + part;
        file.AddSection(prefix);
    }
    try {
        SaveRoot(file, path);
    } catch (const ERegistryException&) {
        return false;
    }
    return true;
}

bool TRegistry::DeleteKey(const QString& Key)
{
    const QString path = Resolve(Key);
    if (path.isEmpty() || !(m_access & KEY_CREATE_SUB_KEY))
        return false;
    TMemIniFile file = LoadRoot(m_root);
    TStringList sections;
    file.ReadSections(sections);
    bool found = false;
    for (int i = 0; i < sections.Count(); ++i) {
        const QString s = sections.Strings(i);
        if (s.compare(path, Qt::CaseInsensitive) == 0 || IsBelow(s, path)) {
            file.EraseSection(s);
            found = true;
        }
    }
    if (!found)
        return false;
    SaveRoot(file, path);
    return true;
}

QString TRegistry::RawValue(const QString& Name, bool& Found)
{
    Found = false;
    if (!m_open || !(m_access & KEY_QUERY_VALUE))
        return QString();
    TMemIniFile file = LoadRoot(m_root);
    Found = file.ValueExists(m_current, StoredName(Name));
    return file.ReadString(m_current, StoredName(Name), QString());
}

bool TRegistry::ValueExists(const QString& Name)
{
    bool found = false;
    RawValue(Name, found);
    return found;
}

TRegDataType TRegistry::GetDataType(const QString& Name)
{
    bool found = false;
    const QString raw = RawValue(Name, found);
    return found ? TypeOf(raw) : TRegDataType::rdUnknown;
}

bool TRegistry::DeleteValue(const QString& Name)
{
    if (!m_open || !(m_access & KEY_SET_VALUE) || !ValueExists(Name))
        return false;
    TMemIniFile file = LoadRoot(m_root);
    file.DeleteKey(m_current, StoredName(Name));
    SaveRoot(file, Name);
    return true;
}

QString TRegistry::ReadString(const QString& Name)
{
    bool found = false;
    const QString raw = RawValue(Name, found);
    const TRegDataType type = found ? TypeOf(raw) : TRegDataType::rdUnknown;
    if (type == TRegDataType::rdString)
        return Unescape(raw.mid(3));
    if (type == TRegDataType::rdExpandString)
        return Unescape(raw.mid(7));
    if (!found)
        return QString(); // a missing string value reads as empty, as the class library does
    throw ERegistryException(QStringLiteral("Invalid data type for '%s'"), Name);
}

int TRegistry::ReadInteger(const QString& Name)
{
    bool found = false;
    const QString raw = RawValue(Name, found);
    int value = 0;
    if (!found || TypeOf(raw) != TRegDataType::rdInteger || !DecodeDword(raw, value))
        throw ERegistryException(QStringLiteral("Invalid data type for '%s'"), Name);
    return value;
}

QByteArray TRegistry::ReadBinaryData(const QString& Name)
{
    bool found = false;
    const QString raw = RawValue(Name, found);
    QByteArray bytes;
    if (!found || TypeOf(raw) != TRegDataType::rdBinary || !DecodeBinary(raw, bytes))
        throw ERegistryException(QStringLiteral("Invalid data type for '%s'"), Name);
    return bytes;
}

void TRegistry::WriteRaw(const QString& Name, const QString& Raw)
{
    if (!m_open || !(m_access & KEY_SET_VALUE))
        throw ERegistryException(QStringLiteral("Failed to set data for '%s'"), Name);
    TMemIniFile file = LoadRoot(m_root);
    if (!m_current.isEmpty())
        file.WriteString(m_current, StoredName(Name), Raw);
    else
        throw ERegistryException(QStringLiteral("Failed to set data for '%s'"), Name);
    SaveRoot(file, Name);
}

void TRegistry::WriteString(const QString& Name, const QString& Value)
{
    WriteRaw(Name, QStringLiteral("sz:") + Escape(Value, false));
}

void TRegistry::WriteInteger(const QString& Name, int Value)
{
    WriteRaw(Name, QStringLiteral("dword:%1").arg(static_cast<uint>(Value), 8, 16, QLatin1Char('0')));
}

void TRegistry::WriteBinaryData(const QString& Name, const QByteArray& Value)
{
    WriteRaw(Name, EncodeBinary(Value));
}

void TRegistry::GetValueNames(TStrings& Strings)
{
    Strings.BeginUpdate();
    Strings.Clear();
    if (m_open && !m_current.isEmpty()) {
        TMemIniFile file = LoadRoot(m_root);
        TStringList names;
        file.ReadSection(m_current, names);
        for (int i = 0; i < names.Count(); ++i)
            Strings.Add(ValueNameOf(names.Strings(i)));
    }
    Strings.EndUpdate();
}

void TRegistry::GetKeyNames(TStrings& Strings)
{
    Strings.BeginUpdate();
    Strings.Clear();
    if (m_open) {
        TMemIniFile file = LoadRoot(m_root);
        TStringList sections;
        file.ReadSections(sections);
        TStringList seen;
        seen.SetCaseSensitive(false);
        for (int i = 0; i < sections.Count(); ++i) {
            const QString s = sections.Strings(i);
            if (!IsBelow(s, m_current))
                continue;
            const QString rest = m_current.isEmpty() ? s : s.mid(m_current.size() + 1);
            const QString child = rest.section(u'\\', 0, 0);
            if (!child.isEmpty() && seen.IndexOf(child) < 0) {
                seen.Add(child);
                Strings.Add(child);
            }
        }
    }
    Strings.EndUpdate();
}

// --- TRegistryIniFile ---

TRegistryIniFile::TRegistryIniFile(const QString& FileName, HKEY Root, unsigned Access)
    : TCustomIniFile(FileName), m_reg(Access)
{
    m_reg.SetRootKey(Root);
    m_reg.OpenKey(FileName, true);
}

bool TRegistryIniFile::OpenSection(TRegistry& Reg, const QString& Section, bool Create)
{
    Reg.SetRootKey(m_reg.RootKey());
    const QString base = m_reg.HasCurrentKey() ? m_reg.CurrentPath() : NormalizeKey(m_fileName);
    const QString path = base.isEmpty() ? Section : base + u'\\' + Section;
    return Reg.OpenKey(QLatin1Char('\\') + path, Create);
}

bool TRegistryIniFile::SectionExists(const QString& Section)
{
    TRegistry reg(m_reg.Access());
    return OpenSection(reg, Section, false);
}

bool TRegistryIniFile::ValueExists(const QString& Section, const QString& Ident)
{
    TRegistry reg(m_reg.Access());
    return OpenSection(reg, Section, false) && reg.ValueExists(Ident);
}

QString TRegistryIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default)
{
    TRegistry reg(m_reg.Access());
    if (!OpenSection(reg, Section, false) || !reg.ValueExists(Ident))
        return Default;
    switch (reg.GetDataType(Ident)) {
    case TRegDataType::rdString:
    case TRegDataType::rdExpandString: return reg.ReadString(Ident);
    case TRegDataType::rdInteger: return QString::number(reg.ReadInteger(Ident));
    default: return Default;
    }
}

void TRegistryIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    TRegistry reg(m_reg.Access());
    if (!OpenSection(reg, Section, true))
        throw ERegistryException(QStringLiteral("Failed to set data for '%s'"), Ident);
    reg.WriteString(Ident, Value);
}

int TRegistryIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default)
{
    TRegistry reg(m_reg.Access());
    if (!OpenSection(reg, Section, false) || !reg.ValueExists(Ident))
        return Default;
    if (reg.GetDataType(Ident) == TRegDataType::rdInteger)
        return reg.ReadInteger(Ident);
    return TCustomIniFile::ReadInteger(Section, Ident, Default);
}

void TRegistryIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value)
{
    TRegistry reg(m_reg.Access());
    if (!OpenSection(reg, Section, true))
        throw ERegistryException(QStringLiteral("Failed to set data for '%s'"), Ident);
    if (reg.GetDataType(Ident) == TRegDataType::rdString)
        reg.WriteString(Ident, QString::number(Value));
    else
        reg.WriteInteger(Ident, Value);
}

void TRegistryIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteInteger(Section, Ident, Value ? 1 : 0);
}

std::optional<double> TRegistryIniFile::ReadDouble(const QString& Section, const QString& Ident)
{
    TRegistry reg(m_reg.Access());
    if (!OpenSection(reg, Section, false) || reg.GetDataType(Ident) != TRegDataType::rdBinary)
        return std::nullopt;
    const QByteArray bytes = reg.ReadBinaryData(Ident);
    if (bytes.size() != sizeof(double))
        return std::nullopt;
    double v = 0;
    std::memcpy(&v, bytes.constData(), sizeof v);
    return v;
}

void TRegistryIniFile::WriteDouble(const QString& Section, const QString& Ident, double Value)
{
    TRegistry reg(m_reg.Access());
    if (!OpenSection(reg, Section, true))
        throw ERegistryException(QStringLiteral("Failed to set data for '%s'"), Ident);
    reg.WriteBinaryData(Ident, QByteArray(reinterpret_cast<const char*>(&Value), sizeof Value));
}

double TRegistryIniFile::ReadFloat(const QString& Section, const QString& Ident, double Default)
{
    const auto v = ReadDouble(Section, Ident);
    return v ? *v : TCustomIniFile::ReadFloat(Section, Ident, Default);
}

TDateTime TRegistryIniFile::ReadDate(const QString& Section, const QString& Ident, TDateTime Default)
{
    const auto v = ReadDouble(Section, Ident);
    return v ? *v : TCustomIniFile::ReadDate(Section, Ident, Default);
}

TDateTime TRegistryIniFile::ReadDateTime(const QString& Section, const QString& Ident, TDateTime Default)
{
    const auto v = ReadDouble(Section, Ident);
    return v ? *v : TCustomIniFile::ReadDateTime(Section, Ident, Default);
}

TDateTime TRegistryIniFile::ReadTime(const QString& Section, const QString& Ident, TDateTime Default)
{
    const auto v = ReadDouble(Section, Ident);
    return v ? *v : TCustomIniFile::ReadTime(Section, Ident, Default);
}

void TRegistryIniFile::WriteFloat(const QString& Section, const QString& Ident, double Value) { WriteDouble(Section, Ident, Value); }
void TRegistryIniFile::WriteDate(const QString& Section, const QString& Ident, TDateTime Value) { WriteDouble(Section, Ident, Value); }
void TRegistryIniFile::WriteDateTime(const QString& Section, const QString& Ident, TDateTime Value) { WriteDouble(Section, Ident, Value); }
void TRegistryIniFile::WriteTime(const QString& Section, const QString& Ident, TDateTime Value) { WriteDouble(Section, Ident, Value); }

int TRegistryIniFile::ReadBinaryStream(const QString& Section, const QString& Ident, QIODevice& Stream)
{
    TRegistry reg(m_reg.Access());
    if (!OpenSection(reg, Section, false) || reg.GetDataType(Ident) != TRegDataType::rdBinary)
        return 0;
    return static_cast<int>(Stream.write(reg.ReadBinaryData(Ident)));
}

void TRegistryIniFile::WriteBinaryStream(const QString& Section, const QString& Ident, QIODevice& Stream)
{
    TRegistry reg(m_reg.Access());
    if (!OpenSection(reg, Section, true))
        throw ERegistryException(QStringLiteral("Failed to set data for '%s'"), Ident);
    reg.WriteBinaryData(Ident, Stream.readAll());
}

void TRegistryIniFile::ReadSection(const QString& Section, TStrings& Strings)
{
    TRegistry reg(m_reg.Access());
    if (OpenSection(reg, Section, false))
        reg.GetValueNames(Strings);
    else
        Strings.Clear();
}

void TRegistryIniFile::ReadSections(TStrings& Strings)
{
    m_reg.GetKeyNames(Strings);
}

void TRegistryIniFile::ReadSectionValues(const QString& Section, TStrings& Strings)
{
    Strings.BeginUpdate();
    Strings.Clear();
    TRegistry reg(m_reg.Access());
    if (OpenSection(reg, Section, false)) {
        TStringList names;
        reg.GetValueNames(names);
        names.Sort();
        for (int i = 0; i < names.Count(); ++i) {
            const QString name = names.Strings(i);
            const QString shown = name.isEmpty() ? QStringLiteral("Default") : name;
            QString value;
            try {
                switch (reg.GetDataType(name)) {
                case TRegDataType::rdString:
                case TRegDataType::rdExpandString: value = reg.ReadString(name); break;
                case TRegDataType::rdInteger: value = QString::number(reg.ReadInteger(name)); break;
                case TRegDataType::rdBinary:
                    for (char b : reg.ReadBinaryData(name))
                        value += QStringLiteral("%1 ").arg(static_cast<unsigned char>(b), 2, 16, QLatin1Char('0')).toUpper();
                    break;
                default: value = QStringLiteral("Unknown Data Type"); break;
                }
            } catch (const ERegistryException&) {
                value = QStringLiteral("Unknown Data Type"); // a hand-edited value that does not decode
            }
            Strings.Add(shown + u'=' + value);
        }
    }
    Strings.EndUpdate();
}

void TRegistryIniFile::EraseSection(const QString& Section)
{
    TRegistry reg(m_reg.Access());
    if (OpenSection(reg, Section, false))
        reg.DeleteKey(QLatin1Char('\\') + reg.CurrentPath());
}

void TRegistryIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    TRegistry reg(m_reg.Access());
    if (OpenSection(reg, Section, false))
        reg.DeleteValue(Ident);
}

} // namespace vcl
