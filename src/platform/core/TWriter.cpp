#include "platform/core/TWriter.h"

#include "platform/core/Exception.h"
#include "platform/core/PublishedProperties.h"
#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"

#include <QtEndian>

namespace vcl {

namespace {

template <typename T>
void PutLittleEndian(TWriter& writer, T value)
{
    const T le = qToLittleEndian(value);
    writer.Stream().WriteBuffer(&le, sizeof le);
}

} // namespace

void TWriter::WriteRootComponent(TComponent& Root)
{
    try {
        WriteBytes(FormStreamSignature, sizeof FormStreamSignature);
        WriteShortText(Root.ClassName().toUtf8());
        WriteShortText(Root.Name().toUtf8());
        WriteProperties(Root);
        WriteListEnd();
        WriteListEnd(); // no child components
    } catch (...) {
        RunAtEndActions();
        throw;
    }
    RunAtEndActions();
}

void TWriter::WriteProperties(const TPersistent& Instance)
{
    WritePublished(Instance, QString());
    // DefineProperties does not change what it describes; it only declares.
    const_cast<TPersistent&>(Instance).DefineProperties(*this);
}

void TWriter::WritePublished(const TPersistent& Instance, const QString& Prefix)
{
    const TPropertyTable* table = Instance.PublishedProperties();
    if (!table)
        return;
    for (const TPropertyInfo& prop : table->Properties()) {
        if (!prop.IsReadable() || !IsStoredProp(Instance, prop))
            continue;
        WriteProperty(Instance, prop, Prefix.isEmpty() ? prop.Name : Prefix + '.' + prop.Name);
    }
}

void TWriter::WriteProperty(const TPersistent& Instance, const TPropertyInfo& Prop, const QString& Path)
{
    if (Prop.Kind == TPropertyKind::Object) {
        TPersistent* held = GetObjectProp(Instance, Prop.Name);
        if (!held)
            return;
        if (auto* collection = dynamic_cast<TCollection*>(held)) {
            WritePropName(Path);
            WriteCollection(*collection);
            return;
        }
        WritePublished(*held, Path);
        const QString outer = std::exchange(m_prefix, Path);
        held->DefineProperties(*this);
        m_prefix = outer;
        return;
    }
    if (Prop.Kind == TPropertyKind::Method || Prop.Kind == TPropertyKind::ClassRef || !Prop.IsWritable()
        || IsDefaultPropValue(Instance, Prop))
        return;
    const TPropertyValue value = GetPropValue(Instance, Prop);
    WritePropName(Path);
    switch (Prop.Kind) {
    case TPropertyKind::Enumeration: {
        const auto ordinal = std::get<std::int64_t>(value);
        if (ordinal >= 0 && ordinal < Prop.ElementNames.size())
            WriteIdent(Prop.ElementNames[ordinal]);
        else
            WriteInteger(ordinal);
        break;
    }
    case TPropertyKind::Set:
        WriteSet(static_cast<std::uint64_t>(std::get<std::int64_t>(value)), Prop.ElementNames);
        break;
    case TPropertyKind::Boolean:
        WriteBoolean(std::get<std::int64_t>(value) != 0);
        break;
    case TPropertyKind::Float:
        WriteFloat(std::get<double>(value));
        break;
    case TPropertyKind::String:
        WriteString(std::get<QString>(value));
        break;
    default:
        WriteInteger(std::get<std::int64_t>(value));
        break;
    }
}

void TWriter::DefineProperty(const QString& Name, TReaderProc, TWriterProc WriteData, bool HasData)
{
    if (!HasData || !WriteData)
        return;
    WritePropName(m_prefix.isEmpty() ? Name : m_prefix + '.' + Name);
    WriteData(*this);
}

void TWriter::DefineBinaryProperty(const QString& Name, TStreamProc, TStreamProc WriteData, bool HasData)
{
    if (!HasData || !WriteData)
        return;
    TMemoryStream bytes;
    WriteData(bytes);
    WritePropName(m_prefix.isEmpty() ? Name : m_prefix + '.' + Name);
    WriteBinary(bytes.Bytes());
}

void TWriter::WriteValue(TValueType Value)
{
    const auto tag = static_cast<std::uint8_t>(Value);
    WriteBytes(&tag, 1);
}

void TWriter::WriteInteger(std::int64_t Value)
{
    if (Value >= INT8_MIN && Value <= INT8_MAX) {
        WriteValue(TValueType::vaInt8);
        PutLittleEndian(*this, static_cast<std::int8_t>(Value));
    } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
        WriteValue(TValueType::vaInt16);
        PutLittleEndian(*this, static_cast<std::int16_t>(Value));
    } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
        WriteValue(TValueType::vaInt32);
        PutLittleEndian(*this, static_cast<std::int32_t>(Value));
    } else {
        WriteValue(TValueType::vaInt64);
        PutLittleEndian(*this, Value);
    }
}

void TWriter::WriteFloat(double Value)
{
    WriteValue(TValueType::vaDouble);
    std::uint64_t bits;
    static_assert(sizeof bits == sizeof Value);
    std::memcpy(&bits, &Value, sizeof bits);
    PutLittleEndian(*this, bits);
}

void TWriter::WriteString(const QString& Value)
{
    const QByteArray utf8 = Value.toUtf8();
    WriteValue(TValueType::vaUTF8String);
    PutLittleEndian(*this, static_cast<std::uint32_t>(utf8.size()));
    WriteBytes(utf8.constData(), utf8.size());
}

void TWriter::WriteIdent(const QString& Ident)
{
    if (Ident.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        WriteValue(TValueType::vaFalse);
    else if (Ident.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        WriteValue(TValueType::vaTrue);
    else if (Ident.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0)
        WriteValue(TValueType::vaNil);
    else if (Ident.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0)
        WriteValue(TValueType::vaNull);
    else {
        WriteValue(TValueType::vaIdent);
        WriteShortText(Ident.toUtf8());
    }
}

void TWriter::WriteBoolean(bool Value)
{
    WriteValue(Value ? TValueType::vaTrue : TValueType::vaFalse);
}

void TWriter::WriteSet(std::uint64_t Bits, const QStringList& ElementNames)
{
    WriteValue(TValueType::vaSet);
    for (int i = 0; i < ElementNames.size() && i < 64; ++i)
        if (Bits & (std::uint64_t(1) << i))
            WriteShortText(ElementNames[i].toUtf8());
    WriteShortText(QByteArray());
}

void TWriter::WriteBinary(const QByteArray& Bytes)
{
    WriteValue(TValueType::vaBinary);
    PutLittleEndian(*this, static_cast<std::uint32_t>(Bytes.size()));
    WriteBytes(Bytes.constData(), Bytes.size());
}

void TWriter::WriteCollection(const TCollection& Collection)
{
    WriteValue(TValueType::vaCollection);
    for (int i = 0; i < Collection.Count(); ++i) {
        WriteListBegin();
        WriteProperties(*Collection.Items(i));
        WriteListEnd();
    }
    WriteListEnd();
}

void TWriter::WritePropName(const QString& Name)
{
    WriteShortText(Name.toUtf8());
}

void TWriter::WriteShortText(const QByteArray& Bytes)
{
    if (Bytes.size() > 255)
        throw EWriteError(QStringLiteral("Name too long for the stream: %s"), QString::fromUtf8(Bytes.left(64)));
    const auto length = static_cast<std::uint8_t>(Bytes.size());
    WriteBytes(&length, 1);
    WriteBytes(Bytes.constData(), Bytes.size());
}

} // namespace vcl
