#pragma once
// Writes a component and its properties into a form stream (see TFiler.h for the layout).

#include "platform/core/TFiler.h"

namespace vcl {

class TComponent;
class TCollection;
struct TPropertyInfo;

class TWriter : public TFiler
{
public:
    explicit TWriter(TStream& Stream) : TFiler(Stream) {}

    // Signature, class name, name, properties, two list ends; then the AtEnd actions (also when
    // writing failed, before the error passes on).
    void WriteRootComponent(TComponent& Root);
    // Stored published properties, then the defined ones.
    void WriteProperties(const TPersistent& Instance);

    void DefineProperty(const QString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
    void DefineBinaryProperty(const QString& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

    void WriteValue(TValueType Value);
    void WriteListBegin() { WriteValue(TValueType::vaList); }
    void WriteListEnd() { WriteValue(TValueType::vaNull); }
    void WriteInteger(std::int64_t Value); // the smallest integer tag that holds it
    void WriteFloat(double Value);
    void WriteString(const QString& Value);
    void WriteIdent(const QString& Ident);
    void WriteBoolean(bool Value);
    void WriteSet(std::uint64_t Bits, const QStringList& ElementNames);
    void WriteBinary(const QByteArray& Bytes);
    void WriteCollection(const TCollection& Collection);
    // A property name (also a path such as "Font.Color").
    void WritePropName(const QString& Name);

private:
    void WritePublished(const TPersistent& Instance, const QString& Prefix);
    void WriteProperty(const TPersistent& Instance, const TPropertyInfo& Prop, const QString& Path);
    void WriteShortText(const QByteArray& Bytes);
    void WriteBytes(const void* Data, std::int64_t Count) { Stream().WriteBuffer(Data, Count); }

    QString m_prefix; // path of the nested object whose defined properties are written
};

} // namespace vcl
