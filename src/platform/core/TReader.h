#pragma once
// Reads a form stream (see TFiler.h) into an existing component. Before anything is applied the
// whole stream is checked for a sound structure, so a truncated or garbled stream raises EReadError
// and leaves the component as it was.

#include "platform/core/TFiler.h"

#include <QStringList>

namespace vcl {

class TComponent;
class TCollection;
struct TPropertyInfo;

class TReader : public TFiler
{
public:
    explicit TReader(TStream& Stream) : TFiler(Stream) {}

    // Checks the stream, then reads the properties into Root between Loading and Loaded. Loaded
    // also runs when a property fails, so the component leaves its loading state; the AtEnd
    // actions follow; then the error passes on. EReadError texts: "Invalid stream format",
    // "Stream holds a <class>, not a <class>", "Property <name> does not exist",
    // "Invalid property value" and "Stream read error".
    void ReadRootComponent(TComponent& Root);
    // Reads one property (name and value) into Instance.
    void ReadProperty(TPersistent& Instance);

    void DefineProperty(const QString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
    void DefineBinaryProperty(const QString& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

    TValueType ReadValue();
    TValueType NextValue(); // the next tag, not consumed
    bool EndOfList() { return NextValue() == TValueType::vaNull; }
    void ReadListBegin();
    void ReadListEnd();
    std::int64_t ReadInt64();
    int ReadInteger(); // EReadError "Invalid property value" when the value exceeds 32 bits
    double ReadFloat();
    QString ReadString();
    QString ReadIdent(); // also False, True, nil and Null
    bool ReadBoolean();
    std::uint64_t ReadSet(const QStringList& ElementNames);
    QByteArray ReadBinary();
    // Clears the collection and reads its items.
    void ReadCollection(TCollection& Collection);
    QString ReadStr(); // a short name
    // Steps over one value of any kind.
    void SkipValue();

private:
    void CheckStructure();
    void ReadPropValue(TPersistent& Instance, const TPropertyInfo& Prop);
    QString ReadUtf8(std::int64_t Count);
    std::int64_t ReadLength();
    void SkipProperties();
    [[noreturn]] void InvalidValue();

    QString m_definedName;   // the defined property being looked for
    bool m_definedFound { false };
};

} // namespace vcl
