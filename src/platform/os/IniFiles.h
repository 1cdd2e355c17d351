#pragma once
// Settings stores with the ini-file interface. TCustomIniFile turns every typed read and write
// into text; TMemIniFile keeps one ini file in memory and writes it back whole. The registry-backed
// store (TRegistryIniFile) is in Registry.h.

#include "platform/core/TStrings.h"

#include <QString>

#include <optional>
#include <vector>

class QDateTime;
class QIODevice;

namespace vcl {

// Days since 1899-12-30, the time of day as the fraction.
using TDateTime = double;

TDateTime DateTimeFromQt(const QDateTime& Value);
QDateTime DateTimeToQt(TDateTime Value);

class TCustomIniFile
{
public:
    explicit TCustomIniFile(const QString& FileName) : m_fileName(FileName) {}
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    const QString& FileName() const { return m_fileName; }

    virtual bool SectionExists(const QString& Section);
    virtual bool ValueExists(const QString& Section, const QString& Ident);

    virtual QString ReadString(const QString& Section, const QString& Ident, const QString& Default) = 0;
    virtual void WriteString(const QString& Section, const QString& Ident, const QString& Value) = 0;
    // Decimal, or hexadecimal after "0x" or "$"; text that is no number gives Default.
    virtual int ReadInteger(const QString& Section, const QString& Ident, int Default);
    virtual void WriteInteger(const QString& Section, const QString& Ident, int Value);
    // Any integer but 0 is true; written as "1" or "0".
    virtual bool ReadBool(const QString& Section, const QString& Ident, bool Default);
    virtual void WriteBool(const QString& Section, const QString& Ident, bool Value);
    // '.' decimals whatever the locale; text that is no number gives Default.
    virtual double ReadFloat(const QString& Section, const QString& Ident, double Default);
    virtual void WriteFloat(const QString& Section, const QString& Ident, double Value);
    // "yyyy-MM-dd", "HH:mm:ss" and "yyyy-MM-dd HH:mm:ss" (milliseconds appended when not 0).
    virtual TDateTime ReadDate(const QString& Section, const QString& Ident, TDateTime Default);
    virtual TDateTime ReadDateTime(const QString& Section, const QString& Ident, TDateTime Default);
    virtual TDateTime ReadTime(const QString& Section, const QString& Ident, TDateTime Default);
    virtual void WriteDate(const QString& Section, const QString& Ident, TDateTime Value);
    virtual void WriteDateTime(const QString& Section, const QString& Ident, TDateTime Value);
    virtual void WriteTime(const QString& Section, const QString& Ident, TDateTime Value);
    // The value's bytes written into Stream at its position; returns their count (0 when the
    // value is missing or not valid hexadecimal text).
    virtual int ReadBinaryStream(const QString& Section, const QString& Ident, QIODevice& Stream);
    // Stores the bytes from Stream's position to its end, as two hexadecimal digits each.
    virtual void WriteBinaryStream(const QString& Section, const QString& Ident, QIODevice& Stream);

    // The names in a section; the section names; the "name=value" lines of a section.
    virtual void ReadSection(const QString& Section, TStrings& Strings) = 0;
    virtual void ReadSections(TStrings& Strings) = 0;
    virtual void ReadSectionValues(const QString& Section, TStrings& Strings) = 0;
    virtual void EraseSection(const QString& Section) = 0;
    virtual void DeleteKey(const QString& Section, const QString& Ident) = 0;
    // Writes what is held in memory to the backing store.
    virtual void UpdateFile() = 0;

protected:
    QString m_fileName;
};

// A whole ini file in memory. Sections and names are found without regard to case; names are
// trimmed, values kept as written. Loading keeps the encoding its byte-order mark names (8-bit
// without one); UpdateFile writes in Encoding() and replaces the file only once fully written,
// raising EFCreateError when it cannot.
class TMemIniFile : public TCustomIniFile
{
public:
    // Reads FileName when it exists; Encoding, when given, is used for writing from then on.
    explicit TMemIniFile(const QString& FileName, std::optional<TTextEncoding> Encoding = std::nullopt);

    TTextEncoding Encoding() const { return m_encoding; }
    void SetEncoding(TTextEncoding Value) { m_encoding = Value; }

    bool SectionExists(const QString& Section) override;
    bool ValueExists(const QString& Section, const QString& Ident) override;
    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) override;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value) override;
    void ReadSection(const QString& Section, TStrings& Strings) override;
    void ReadSections(TStrings& Strings) override;
    void ReadSectionValues(const QString& Section, TStrings& Strings) override;
    void EraseSection(const QString& Section) override;
    void DeleteKey(const QString& Section, const QString& Ident) override;
    void UpdateFile() override;

    // Adds an empty section (no value) unless it exists.
    void AddSection(const QString& Section);
    void Clear();
    // The file's text as it would be written; replacing it re-reads sections and values.
    void GetStrings(TStrings& Strings) const;
    void SetStrings(const TStrings& Strings);

private:
    struct Entry
    {
        QString Name;
        QString Value;
    };
    struct Section
    {
        QString Name;
        std::vector<Entry> Entries;
    };

    Section* FindSection(const QString& Name);
    static Entry* FindEntry(Section& S, const QString& Ident);

    std::vector<Section> m_sections;
    TTextEncoding m_encoding { TTextEncoding::Ansi };
};

} // namespace vcl
