#include "platform/core/TStrings.h"

#include "platform/core/AnsiCodec.h"
#include "platform/core/Exception.h"
#include "platform/core/TUpdateGuard.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace vcl {

void TStrings::Error(const QString& Message, int Data)
{
    throw EStringListError(Message, Data);
}

void TStrings::Put(int Index, const QString& S)
{
    TUpdateGuard<TStrings> guard(*this);
    TObject* object = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

TObject* TStrings::GetObject(int Index) const
{
    return nullptr;
}

void TStrings::PutObject(int Index, TObject* AObject)
{
}

void TStrings::InsertObject(int Index, const QString& S, TObject* AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

int TStrings::Add(const QString& S)
{
    const int index = Count();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const QString& S, TObject* AObject)
{
    const int index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::AddStrings(const TStrings* Strings)
{
    if (!Strings)
        return;
    TUpdateGuard<TStrings> guard(*this);
    for (int i = 0; i < Strings->Count(); ++i)
        AddObject(Strings->Get(i), Strings->GetObject(i));
}

int TStrings::IndexOf(const QString& S) const
{
    for (int i = 0; i < Count(); ++i)
        if (Get(i).compare(S, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == AObject)
            return i;
    return -1;
}

void TStrings::Exchange(int Index1, int Index2)
{
    TUpdateGuard<TStrings> guard(*this);
    const QString s1 = Get(Index1);
    TObject* o1 = GetObject(Index1);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, s1);
    PutObject(Index2, o1);
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    TUpdateGuard<TStrings> guard(*this);
    const QString s = Get(CurIndex);
    TObject* o = GetObject(CurIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, s, o);
}

bool TStrings::Equals(const TStrings* Strings) const
{
    if (!Strings || Strings->Count() != Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != Strings->Get(i))
            return false;
    return true;
}

void TStrings::Assign(TPersistent* Source)
{
    if (auto* source = dynamic_cast<TStrings*>(Source)) {
        if (source == this)
            return;
        TUpdateGuard<TStrings> guard(*this);
        Clear();
        AddStrings(source);
        return;
    }
    TPersistent::Assign(Source);
}

QString TStrings::Text() const
{
    QString text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += QStringLiteral("\r\n");
    }
    return text;
}

void TStrings::SetText(const QString& Value)
{
    TUpdateGuard<TStrings> guard(*this);
    Clear();
    const qsizetype n = Value.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        while (i < n && Value[i] != QLatin1Char('\r') && Value[i] != QLatin1Char('\n'))
            ++i;
        Add(Value.mid(start, i - start));
        if (i < n && Value[i] == QLatin1Char('\r'))
            ++i;
        if (i < n && Value[i] == QLatin1Char('\n'))
            ++i;
    }
}

QString TStrings::CommaText() const
{
    if (Count() == 1 && Get(0).isEmpty())
        return QStringLiteral("\"\"");
    QString out;
    for (int i = 0; i < Count(); ++i) {
        const QString s = Get(i);
        bool quote = false;
        for (QChar c : s)
            if (c.unicode() <= u' ' || c == QLatin1Char('"') || c == QLatin1Char(','))
                quote = true;
        if (i > 0)
            out += QLatin1Char(',');
        if (quote) {
            QString escaped = s;
            escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
            out += QLatin1Char('"') + escaped + QLatin1Char('"');
        } else {
            out += s;
        }
    }
    return out;
}

void TStrings::SetCommaText(const QString& Value)
{
    TUpdateGuard<TStrings> guard(*this);
    Clear();
    const qsizetype n = Value.size();
    const auto blank = [&](qsizetype at) { return at < n && Value[at].unicode() >= 1 && Value[at].unicode() <= u' '; };
    qsizetype i = 0;
    while (blank(i))
        ++i;
    while (i < n) {
        QString s;
        if (Value[i] == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (Value[i] == QLatin1Char('"')) {
                    if (i + 1 < n && Value[i + 1] == QLatin1Char('"')) {
                        s += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                s += Value[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && Value[i].unicode() > u' ' && Value[i] != QLatin1Char(','))
                ++i;
            s = Value.mid(start, i - start);
        }
        Add(s);
        while (blank(i))
            ++i;
        if (i < n && Value[i] == QLatin1Char(',')) {
            if (i + 1 == n)
                Add(QString());
            do
                ++i;
            while (blank(i));
        }
    }
}

QStringList TStrings::ToStringList() const
{
    QStringList list;
    for (int i = 0; i < Count(); ++i)
        list << Get(i);
    return list;
}

void TStrings::LoadFromBytes(const QByteArray& Bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(Bytes.constData());
    const qsizetype n = Bytes.size();
    QString text;
    TTextEncoding encoding = TTextEncoding::Ansi;
    if (n >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        encoding = TTextEncoding::Utf8;
        // Only the first mark is one; a second is the text's own U+FEFF, which Qt's plain decoding
        // would drop.
        QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        text = decode(QByteArrayView(Bytes).sliced(3));
    } else if (n >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF))) {
        const bool little = data[0] == 0xFF;
        encoding = little ? TTextEncoding::Utf16LE : TTextEncoding::Utf16BE;
        const qsizetype units = (n - 2) / 2; // an odd trailing byte is no character
        text.resize(units);
        for (qsizetype u = 0; u < units; ++u) {
            const unsigned char a = data[2 + 2 * u];
            const unsigned char b = data[3 + 2 * u];
            text[u] = QChar(static_cast<char16_t>(little ? (a | (b << 8)) : ((a << 8) | b)));
        }
    } else {
        text = AnsiCodec::Decode(Bytes);
    }
    TUpdateGuard<TStrings> guard(*this);
    SetText(text);
    m_encoding = encoding;
}

QByteArray TStrings::SaveToBytes(TTextEncoding Encoding) const
{
    const QString text = Text();
    switch (Encoding) {
    case TTextEncoding::Ansi:
        return AnsiCodec::EncodeToByteArray(text);
    case TTextEncoding::Utf8:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE: {
        const bool little = Encoding == TTextEncoding::Utf16LE;
        QByteArray out;
        out.reserve(2 + text.size() * 2);
        out.append(little ? "\xFF\xFE" : "\xFE\xFF", 2);
        for (QChar c : text) {
            const char16_t u = c.unicode();
            const char lo = static_cast<char>(u & 0xFF);
            const char hi = static_cast<char>(u >> 8);
            out.append(little ? lo : hi);
            out.append(little ? hi : lo);
        }
        return out;
    }
    }
    return {};
}

void TStrings::LoadFromFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%s\". %s"), FileName, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFOpenError(QStringLiteral("Cannot open file \"%s\". %s"), FileName, file.errorString());
    LoadFromBytes(bytes);
}

void TStrings::SaveToFile(const QString& FileName) const
{
    SaveToFile(FileName, m_encoding);
}

void TStrings::SaveToFile(const QString& FileName, TTextEncoding Encoding) const
{
    QSaveFile file(FileName);
    const QByteArray bytes = SaveToBytes(Encoding);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%s\". %s"), FileName, file.errorString());
}

void TStrings::BeginUpdate()
{
    if (m_updateCount == 0)
        SetUpdateState(true);
    ++m_updateCount;
}

void TStrings::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        SetUpdateState(false);
}

} // namespace vcl
