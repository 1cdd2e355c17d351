#include "platform/os/IniFiles.h"

#include "platform/core/NumberUtils.h"
#include "platform/core/TStringList.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIODevice>

#include <cmath>

namespace vcl {

namespace {

constexpr double MsecsPerDay = 86400000.0;

QDate DayZero() { return QDate(1899, 12, 30); }

bool ParseInteger(QString text, int& value)
{
    text = text.trimmed();
    bool ok = false;
    qlonglong v = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = text.mid(2).toLongLong(&ok, 16);
    else if (text.startsWith(u'$'))
        v = text.mid(1).toLongLong(&ok, 16);
    else
        v = text.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > static_cast<qlonglong>(UINT32_MAX))
        return false;
    value = static_cast<int>(static_cast<quint32>(v)); // 0xFFFFFFFF reads as -1, as written
    return true;
}

QString DateText(TDateTime v) { return DateTimeToQt(v).date().toString(QStringLiteral("yyyy-MM-dd")); }

QString TimeText(TDateTime v)
{
    const QTime t = DateTimeToQt(v).time();
    return t.toString(t.msec() != 0 ? QStringLiteral("HH:mm:ss.zzz") : QStringLiteral("HH:mm:ss"));
}

std::optional<QDate> ParseDate(const QString& text)
{
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? std::optional(d) : std::nullopt;
}

std::optional<QTime> ParseTime(const QString& text)
{
    const QString t = text.trimmed();
    QTime time = QTime::fromString(t, QStringLiteral("HH:mm:ss.zzz"));
    if (!time.isValid())
        time = QTime::fromString(t, QStringLiteral("HH:mm:ss"));
    return time.isValid() ? std::optional(time) : std::nullopt;
}

TDateTime FromParts(QDate date, QTime time)
{
    const double days = static_cast<double>(DayZero().daysTo(date));
    const double fraction = time.msecsSinceStartOfDay() / MsecsPerDay;
    return days < 0 ? days - fraction : days + fraction;
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

TDateTime DateTimeFromQt(const QDateTime& Value)
{
    return FromParts(Value.date(), Value.time());
}

QDateTime DateTimeToQt(TDateTime Value)
{
    if (!std::isfinite(Value))
        return QDateTime(DayZero(), QTime(0, 0));
    const double whole = std::trunc(Value);
    const double fraction = std::fabs(Value - whole);
    const QDate date = DayZero().addDays(static_cast<qint64>(whole));
    const int msecs = std::min(static_cast<int>(std::llround(fraction * MsecsPerDay)), 86399999);
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(msecs));
}

// --- TCustomIniFile: typed values as text ---

bool TCustomIniFile::SectionExists(const QString& Section)
{
    TStringList names;
    ReadSection(Section, names);
    return names.Count() > 0;
}

bool TCustomIniFile::ValueExists(const QString& Section, const QString& Ident)
{
    TStringList names;
    ReadSection(Section, names);
    for (int i = 0; i < names.Count(); ++i)
        if (names.Strings(i).compare(Ident, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int TCustomIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default)
{
    int value = Default;
    return ParseInteger(ReadString(Section, Ident, QString()), value) ? value : Default;
}

void TCustomIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value)
{
    WriteString(Section, Ident, QString::number(Value));
}

bool TCustomIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default)
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TCustomIniFile::ReadFloat(const QString& Section, const QString& Ident, double Default)
{
    const QString text = ReadString(Section, Ident, QString()).trimmed();
    return text.isEmpty() ? Default : StrToFloatDef(text, Default);
}

void TCustomIniFile::WriteFloat(const QString& Section, const QString& Ident, double Value)
{
    WriteString(Section, Ident, FloatToStr(Value));
}

TDateTime TCustomIniFile::ReadDate(const QString& Section, const QString& Ident, TDateTime Default)
{
    const auto date = ParseDate(ReadString(Section, Ident, QString()));
    return date ? FromParts(*date, QTime(0, 0)) : Default;
}

TDateTime TCustomIniFile::ReadTime(const QString& Section, const QString& Ident, TDateTime Default)
{
    const auto time = ParseTime(ReadString(Section, Ident, QString()));
    return time ? time->msecsSinceStartOfDay() / MsecsPerDay : Default;
}

TDateTime TCustomIniFile::ReadDateTime(const QString& Section, const QString& Ident, TDateTime Default)
{
    const QString text = ReadString(Section, Ident, QString()).trimmed();
    const qsizetype blank = text.indexOf(u' ');
    const auto date = ParseDate(blank < 0 ? text : text.left(blank));
    if (!date)
        return Default;
    if (blank < 0)
        return FromParts(*date, QTime(0, 0));
    const auto time = ParseTime(text.mid(blank + 1));
    return time ? FromParts(*date, *time) : Default;
}

void TCustomIniFile::WriteDate(const QString& Section, const QString& Ident, TDateTime Value)
{
    WriteString(Section, Ident, DateText(Value));
}

void TCustomIniFile::WriteTime(const QString& Section, const QString& Ident, TDateTime Value)
{
    WriteString(Section, Ident, TimeText(Value));
}

void TCustomIniFile::WriteDateTime(const QString& Section, const QString& Ident, TDateTime Value)
{
    WriteString(Section, Ident, DateText(Value) + u' ' + TimeText(Value));
}

int TCustomIniFile::ReadBinaryStream(const QString& Section, const QString& Ident, QIODevice& Stream)
{
    const QString text = ReadString(Section, Ident, QString()).trimmed();
    if (text.size() % 2 != 0)
        return 0;
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (qsizetype i = 0; i < text.size(); i += 2) {
        const int hi = HexDigit(text[i]);
        const int lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0)
            return 0;
        bytes.append(static_cast<char>((hi << 4) | lo));
    }
    return static_cast<int>(Stream.write(bytes));
}

void TCustomIniFile::WriteBinaryStream(const QString& Section, const QString& Ident, QIODevice& Stream)
{
    WriteString(Section, Ident, QString::fromLatin1(Stream.readAll().toHex().toUpper()));
}

// --- TMemIniFile ---

TMemIniFile::TMemIniFile(const QString& FileName, std::optional<TTextEncoding> Encoding) : TCustomIniFile(FileName)
{
    if (QFileInfo(FileName).isFile()) {
        TStringList lines;
        lines.LoadFromFile(FileName);
        SetStrings(lines);
        m_encoding = lines.Encoding();
    }
    if (Encoding)
        m_encoding = *Encoding;
}

TMemIniFile::Section* TMemIniFile::FindSection(const QString& Name)
{
    for (Section& s : m_sections)
        if (s.Name.compare(Name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

TMemIniFile::Entry* TMemIniFile::FindEntry(Section& S, const QString& Ident)
{
    const QString name = Ident.trimmed();
    for (Entry& e : S.Entries)
        if (e.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

bool TMemIniFile::SectionExists(const QString& Section)
{
    return FindSection(Section) != nullptr;
}

bool TMemIniFile::ValueExists(const QString& Section, const QString& Ident)
{
    auto* s = FindSection(Section);
    return s && FindEntry(*s, Ident);
}

QString TMemIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default)
{
    auto* s = FindSection(Section);
    const Entry* e = s ? FindEntry(*s, Ident) : nullptr;
    return e ? e->Value : Default;
}

void TMemIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    AddSection(Section);
    auto* s = FindSection(Section);
    if (Entry* e = FindEntry(*s, Ident))
        e->Value = Value;
    else
        s->Entries.push_back({ Ident.trimmed(), Value });
}

void TMemIniFile::AddSection(const QString& Section)
{
    if (!FindSection(Section))
        m_sections.push_back({ Section, {} });
}

void TMemIniFile::ReadSection(const QString& Section, TStrings& Strings)
{
    Strings.BeginUpdate();
    Strings.Clear();
    if (auto* s = FindSection(Section))
        for (const Entry& e : s->Entries)
            Strings.Add(e.Name);
    Strings.EndUpdate();
}

void TMemIniFile::ReadSections(TStrings& Strings)
{
    Strings.BeginUpdate();
    Strings.Clear();
    for (const Section& s : m_sections)
        Strings.Add(s.Name);
    Strings.EndUpdate();
}

void TMemIniFile::ReadSectionValues(const QString& Section, TStrings& Strings)
{
    Strings.BeginUpdate();
    Strings.Clear();
    if (auto* s = FindSection(Section))
        for (const Entry& e : s->Entries)
            Strings.Add(e.Name + u'=' + e.Value);
    Strings.EndUpdate();
}

void TMemIniFile::EraseSection(const QString& Section)
{
    std::erase_if(m_sections, [&](const struct Section& s) { return s.Name.compare(Section, Qt::CaseInsensitive) == 0; });
}

void TMemIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    if (auto* s = FindSection(Section)) {
        const QString name = Ident.trimmed();
        std::erase_if(s->Entries, [&](const Entry& e) { return e.Name.compare(name, Qt::CaseInsensitive) == 0; });
    }
}

void TMemIniFile::Clear()
{
    m_sections.clear();
}

void TMemIniFile::GetStrings(TStrings& Strings) const
{
    Strings.BeginUpdate();
    Strings.Clear();
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0)
            Strings.Add(QString());
        Strings.Add(u'[' + m_sections[i].Name + u']');
        for (const Entry& e : m_sections[i].Entries)
            Strings.Add(e.Name + u'=' + e.Value);
    }
    Strings.EndUpdate();
}

// Lines before the first section, blank lines and ';' comments carry nothing; a line without
// '=' is a name with an empty value.
void TMemIniFile::SetStrings(const TStrings& Strings)
{
    m_sections.clear();
    Section* current = nullptr;
    for (int i = 0; i < Strings.Count(); ++i) {
        const QString line = Strings.Strings(i);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
            AddSection(name);
            current = FindSection(name);
            continue;
        }
        if (!current)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        const QString name = (eq < 0 ? line : line.left(eq)).trimmed();
        const QString value = eq < 0 ? QString() : line.mid(eq + 1);
        if (Entry* e = FindEntry(*current, name))
            e->Value = value;
        else
            current->Entries.push_back({ name, value });
    }
}

void TMemIniFile::UpdateFile()
{
    TStringList lines;
    GetStrings(lines);
    lines.SaveToFile(m_fileName, m_encoding);
}

} // namespace vcl
