#pragma once
// An ordered list of strings, each with an optional object, with text and file conversions.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vcl {

// How text files are encoded; Ansi is the fixed 8-bit codec (AnsiCodec).
enum class TTextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

class TStrings : public TPersistent
{
public:
    ~TStrings() override = default;

    virtual int Count() const = 0;
    virtual QString Get(int Index) const = 0;
    virtual void Put(int Index, const QString& S);
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    virtual void Insert(int Index, const QString& S) = 0;
    virtual void InsertObject(int Index, const QString& S, TObject* AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;

    QString Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const QString& S) { Put(Index, S); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    virtual int Add(const QString& S);
    virtual int AddObject(const QString& S, TObject* AObject);
    void Append(const QString& S) { Add(S); }
    virtual void AddStrings(const TStrings* Strings);
    virtual int IndexOf(const QString& S) const;
    int IndexOfObject(const TObject* AObject) const;
    virtual void Exchange(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);
    bool Equals(const TStrings* Strings) const;

    // Copies the strings and objects of another TStrings; other sources raise the Assign error.
    void Assign(TPersistent* Source) override;

    // Each line followed by CR LF.
    virtual QString Text() const;
    // Splits at CR LF, CR or LF; a final line break adds no empty line.
    virtual void SetText(const QString& Value);
    // Comma-separated, strings with blanks, commas or quotes in double quotes.
    QString CommaText() const;
    void SetCommaText(const QString& Value);
    QStringList ToStringList() const;

    // Reads a file: a UTF-8 or UTF-16 byte-order mark selects that encoding, otherwise the
    // 8-bit codec is used. Raises EFOpenError when the file cannot be read; the list is left
    // unchanged then.
    virtual void LoadFromFile(const QString& FileName);
    // Writes Text() in Encoding() (the one of the last load, 8-bit by default) with its byte-order
    // mark. The file is replaced only once fully written; raises EFCreateError on failure.
    virtual void SaveToFile(const QString& FileName) const;
    void SaveToFile(const QString& FileName, TTextEncoding Encoding) const;
    void LoadFromBytes(const QByteArray& Bytes);
    QByteArray SaveToBytes(TTextEncoding Encoding) const;
    TTextEncoding Encoding() const { return m_encoding; }
    void SetEncoding(TTextEncoding Encoding) { m_encoding = Encoding; }

    // Nested updates: notices are held back until the outermost EndUpdate (see TUpdateGuard).
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

protected:
    TStrings() = default;
    // Called with true on the first BeginUpdate and false on the last EndUpdate.
    virtual void SetUpdateState(bool Updating) {}
    [[noreturn]] static void Error(const QString& Message, int Data);

private:
    int m_updateCount { 0 };
    TTextEncoding m_encoding { TTextEncoding::Ansi };
};

} // namespace vcl
