#include "platform/core/TReader.h"

#include "platform/core/AnsiCodec.h"
#include "platform/core/Exception.h"
#include "platform/core/PublishedProperties.h"
#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

namespace vcl {

namespace {

qsizetype IndexOfName(const QStringList& names, const QString& name)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

template <typename T>
T GetLittleEndian(TReader& reader)
{
    T value;
    reader.Stream().ReadBuffer(&value, sizeof value);
    return qFromLittleEndian(value);
}

// 80-bit extended precision: sign and 15-bit exponent, 64-bit mantissa with its integer bit.
double ExtendedToDouble(const std::uint8_t bytes[10])
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    const int signExp = bytes[8] | (bytes[9] << 8);
    const bool negative = (signExp & 0x8000) != 0;
    const int exponent = signExp & 0x7FFF;
    double value;
    if (exponent == 0x7FFF)
        value = (mantissa << 1) == 0 ? INFINITY : NAN;
    else if (exponent == 0 && mantissa == 0)
        value = 0.0;
    else
        value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
    return negative ? -value : value;
}

} // namespace

void TReader::ReadRootComponent(TComponent& Root)
{
    const std::int64_t start = Stream().Position();
    CheckStructure();
    Stream().SetPosition(start + static_cast<std::int64_t>(sizeof FormStreamSignature));
    const QString className = ReadStr();
    if (className != Root.ClassName()) {
        RunAtEndActions();
        throw EReadError(QStringLiteral("Stream holds a %s, not a %s"), className, Root.ClassName());
    }
    const QString name = ReadStr();
    Root.Loading();
    try {
        if (!name.isEmpty() && name != Root.Name())
            Root.SetName(name);
        while (!EndOfList())
            ReadProperty(Root);
        ReadListEnd();
        ReadListEnd();
    } catch (...) {
        Root.Loaded();
        RunAtEndActions();
        throw;
    }
    Root.Loaded();
    RunAtEndActions();
}

void TReader::CheckStructure()
{
    const auto fail = [] { return EReadError(QStringLiteral("Invalid stream format")); };
    char signature[sizeof FormStreamSignature];
    if (Stream().Read(signature, sizeof signature) != sizeof signature
        || std::memcmp(signature, FormStreamSignature, sizeof signature) != 0)
        throw fail();
    try {
        ReadStr();
        ReadStr();
        SkipProperties();
        ReadListEnd();
        ReadListEnd();
    } catch (const EReadError&) {
        throw fail();
    }
}

void TReader::SkipProperties()
{
    while (!EndOfList()) {
        ReadStr();
        SkipValue();
    }
}

void TReader::ReadProperty(TPersistent& Instance)
{
    const QString path = ReadStr();
    TPersistent* target = &Instance;
    QStringList parts = path.split('.');
    const QString name = parts.takeLast();
    for (const QString& part : parts) {
        target = GetObjectProp(*target, part);
        if (!target)
            throw EReadError(QStringLiteral("Property %s does not exist"), path);
    }
    if (const TPropertyInfo* prop = FindPublishedProperty(*target, name)) {
        ReadPropValue(*target, *prop);
        return;
    }
    const QString outerName = std::exchange(m_definedName, name);
    m_definedFound = false;
    target->DefineProperties(*this);
    const bool found = m_definedFound;
    m_definedName = outerName;
    if (!found)
        throw EReadError(QStringLiteral("Property %s does not exist"), path);
}

void TReader::ReadPropValue(TPersistent& Instance, const TPropertyInfo& Prop)
{
    TPropertyValue value;
    switch (Prop.Kind) {
    case TPropertyKind::Integer:
    case TPropertyKind::Color:
        value = ReadInt64();
        break;
    case TPropertyKind::Enumeration: {
        if (NextValue() != TValueType::vaIdent) {
            value = ReadInt64();
            break;
        }
        const QString ident = ReadIdent();
        const auto index = IndexOfName(Prop.ElementNames, ident);
        if (index < 0)
            InvalidValue();
        value = std::int64_t(index);
        break;
    }
    case TPropertyKind::Set:
        value = static_cast<std::int64_t>(ReadSet(Prop.ElementNames));
        break;
    case TPropertyKind::Boolean:
        value = std::int64_t(ReadBoolean() ? 1 : 0);
        break;
    case TPropertyKind::Float:
        value = ReadFloat();
        break;
    case TPropertyKind::String:
        value = ReadString();
        break;
    case TPropertyKind::Object: {
        auto* collection = dynamic_cast<TCollection*>(GetObjectProp(Instance, Prop.Name));
        if (!collection)
            InvalidValue();
        ReadCollection(*collection);
        return;
    }
    default:
        SkipValue();
        return;
    }
    if (!Prop.IsWritable())
        throw EReadError(QStringLiteral("Property %s is read-only"), Prop.Name);
    SetPropValue(Instance, Prop, value);
}

void TReader::DefineProperty(const QString& Name, TReaderProc ReadData, TWriterProc, bool)
{
    if (m_definedFound || Name.compare(m_definedName, Qt::CaseInsensitive) != 0 || !ReadData)
        return;
    m_definedFound = true;
    ReadData(*this);
}

void TReader::DefineBinaryProperty(const QString& Name, TStreamProc ReadData, TStreamProc, bool)
{
    if (m_definedFound || Name.compare(m_definedName, Qt::CaseInsensitive) != 0 || !ReadData)
        return;
    m_definedFound = true;
    TMemoryStream bytes;
    bytes.SetBytes(ReadBinary());
    ReadData(bytes);
}

TValueType TReader::ReadValue()
{
    return static_cast<TValueType>(GetLittleEndian<std::uint8_t>(*this));
}

TValueType TReader::NextValue()
{
    const TValueType value = ReadValue();
    Stream().Seek(-1, TSeekOrigin::soCurrent);
    return value;
}

void TReader::ReadListBegin()
{
    if (ReadValue() != TValueType::vaList)
        InvalidValue();
}

void TReader::ReadListEnd()
{
    if (ReadValue() != TValueType::vaNull)
        InvalidValue();
}

std::int64_t TReader::ReadInt64()
{
    switch (ReadValue()) {
    case TValueType::vaInt8:
        return GetLittleEndian<std::int8_t>(*this);
    case TValueType::vaInt16:
        return GetLittleEndian<std::int16_t>(*this);
    case TValueType::vaInt32:
        return GetLittleEndian<std::int32_t>(*this);
    case TValueType::vaInt64:
        return GetLittleEndian<std::int64_t>(*this);
    default:
        InvalidValue();
    }
}

int TReader::ReadInteger()
{
    const std::int64_t value = ReadInt64();
    if (value < INT32_MIN || value > INT32_MAX)
        InvalidValue();
    return static_cast<int>(value);
}

double TReader::ReadFloat()
{
    switch (NextValue()) {
    case TValueType::vaDouble: {
        ReadValue();
        const auto bits = GetLittleEndian<std::uint64_t>(*this);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case TValueType::vaExtended: {
        ReadValue();
        std::uint8_t bytes[10];
        Stream().ReadBuffer(bytes, sizeof bytes);
        return ExtendedToDouble(bytes);
    }
    default:
        return static_cast<double>(ReadInt64());
    }
}

QString TReader::ReadString()
{
    switch (ReadValue()) {
    case TValueType::vaString: {
        QByteArray bytes(GetLittleEndian<std::uint8_t>(*this), '\0');
        Stream().ReadBuffer(bytes.data(), bytes.size());
        return AnsiCodec::Decode(bytes);
    }
    case TValueType::vaLString: {
        QByteArray bytes(ReadLength(), '\0');
        Stream().ReadBuffer(bytes.data(), bytes.size());
        return AnsiCodec::Decode(bytes);
    }
    case TValueType::vaUTF8String:
        return ReadUtf8(ReadLength());
    default:
        InvalidValue();
    }
}

QString TReader::ReadIdent()
{
    switch (ReadValue()) {
    case TValueType::vaIdent:
        return ReadUtf8(GetLittleEndian<std::uint8_t>(*this));
    case TValueType::vaFalse:
        return QStringLiteral("False");
    case TValueType::vaTrue:
        return QStringLiteral("True");
    case TValueType::vaNil:
        return QStringLiteral("nil");
    case TValueType::vaNull:
        return QStringLiteral("Null");
    default:
        InvalidValue();
    }
}

bool TReader::ReadBoolean()
{
    const TValueType value = ReadValue();
    if (value != TValueType::vaTrue && value != TValueType::vaFalse)
        InvalidValue();
    return value == TValueType::vaTrue;
}

std::uint64_t TReader::ReadSet(const QStringList& ElementNames)
{
    if (ReadValue() != TValueType::vaSet)
        InvalidValue();
    std::uint64_t bits = 0;
    for (QString name = ReadStr(); !name.isEmpty(); name = ReadStr()) {
        const auto index = IndexOfName(ElementNames, name);
        if (index < 0 || index >= 64)
            InvalidValue();
        bits |= std::uint64_t(1) << index;
    }
    return bits;
}

QByteArray TReader::ReadBinary()
{
    if (ReadValue() != TValueType::vaBinary)
        InvalidValue();
    QByteArray bytes(ReadLength(), '\0');
    Stream().ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

void TReader::ReadCollection(TCollection& Collection)
{
    if (ReadValue() != TValueType::vaCollection)
        InvalidValue();
    Collection.BeginUpdate();
    try {
        Collection.Clear();
        while (!EndOfList()) {
            TCollectionItem* item = Collection.Add();
            ReadListBegin();
            while (!EndOfList())
                ReadProperty(*item);
            ReadListEnd();
        }
        ReadListEnd();
    } catch (...) {
        Collection.EndUpdate();
        throw;
    }
    Collection.EndUpdate();
}

QString TReader::ReadStr()
{
    return ReadUtf8(GetLittleEndian<std::uint8_t>(*this));
}

void TReader::SkipValue()
{
    const TValueType value = ReadValue();
    auto skip = [this](std::int64_t count) {
        if (Stream().Position() + count > Stream().Size())
            throw EReadError(QStringLiteral("Stream read error"));
        Stream().Seek(count, TSeekOrigin::soCurrent);
    };
    switch (value) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
        return;
    case TValueType::vaList:
        while (!EndOfList())
            SkipValue();
        ReadListEnd();
        return;
    case TValueType::vaInt8:
        return skip(1);
    case TValueType::vaInt16:
        return skip(2);
    case TValueType::vaInt32:
        return skip(4);
    case TValueType::vaInt64:
    case TValueType::vaDouble:
        return skip(8);
    case TValueType::vaExtended:
        return skip(10);
    case TValueType::vaString:
    case TValueType::vaIdent:
        return skip(GetLittleEndian<std::uint8_t>(*this));
    case TValueType::vaLString:
    case TValueType::vaUTF8String:
    case TValueType::vaBinary:
        return skip(ReadLength());
    case TValueType::vaSet:
        while (!ReadStr().isEmpty()) {
        }
        return;
    case TValueType::vaCollection:
        while (!EndOfList()) {
            ReadListBegin();
            SkipProperties();
            ReadListEnd();
        }
        ReadListEnd();
        return;
    default:
        InvalidValue();
    }
}

QString TReader::ReadUtf8(std::int64_t Count)
{
    QByteArray bytes(Count, '\0');
    Stream().ReadBuffer(bytes.data(), Count);
    return QString::fromUtf8(bytes);
}

std::int64_t TReader::ReadLength()
{
    const auto length = GetLittleEndian<std::uint32_t>(*this);
    if (Stream().Position() + length > Stream().Size())
        throw EReadError(QStringLiteral("Stream read error"));
    return length;
}

void TReader::InvalidValue()
{
    throw EReadError(QStringLiteral("Invalid property value"));
}

} // namespace vcl
