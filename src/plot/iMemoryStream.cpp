#include "plot/iMemoryStream.h"

#include "platform/core/AnsiCodec.h"
#include "platform/core/Exception.h"

void TiMemoryStream::WriteString(const QString& Value)
{
    if (Value.size() > 255)
        throw vcl::Exception(QStringLiteral("String Exceeds 255 Characters"));
    const QByteArray bytes = vcl::AnsiCodec::EncodeToByteArray(Value);
    WriteBuffer(bytes.constData(), bytes.size());
}

void TiMemoryStream::WriteCRLF()
{
    WriteBuffer("\r\n", 2);
}

void TiMemoryStream::WriteStringCRLF(const QString& Value)
{
    WriteString(Value);
    WriteCRLF();
}

QChar TiMemoryStream::ReadChar()
{
    unsigned char byte = 0;
    if (Read(&byte, 1) != 1)
        throw vcl::Exception(QStringLiteral("EOF"));
    return QChar(static_cast<char16_t>(byte));
}

void TiXMLMemoryStream::StartElement(const QString& Name)
{
    WriteStringCRLF('<' + Name + '>');
}

void TiXMLMemoryStream::EndElement(const QString& Name)
{
    WriteStringCRLF("</" + Name + '>');
}

void TiXMLMemoryStream::WriteElement(const QString& Name, const QString& Value)
{
    // Each piece is checked against the 255-character limit on its own.
    WriteString('<' + Name + '>');
    WriteString(Value);
    WriteString("</" + Name + '>');
    WriteCRLF();
}

QString TiXMLMemoryStream::ReadTagName()
{
    QString name;
    bool collecting = true;
    for (QChar c = ReadChar(); c != '>'; c = ReadChar()) {
        if (c == ' ')
            collecting = false;
        if (collecting)
            name += c;
    }
    return name;
}

QString TiXMLMemoryStream::GetNameElementStart()
{
    while (ReadChar() != '<') {
    }
    for (;;) {
        QString name;
        bool collecting = true;
        bool closing = false;
        for (QChar c = ReadChar(); c != '>'; c = ReadChar()) {
            if (c == '/') {
                closing = true;
                break;
            }
            if (c == ' ')
                collecting = false;
            if (collecting)
                name += c;
        }
        if (!closing)
            return name;
        while (ReadChar() != '<') {
        }
    }
}

void TiXMLMemoryStream::GotoElementStart(const QString& Value)
{
    while (GetNameElementStart() != Value) {
    }
}

QString TiXMLMemoryStream::GetElementValue()
{
    QString value;
    for (QChar c = ReadChar(); c != '<'; c = ReadChar())
        value += c;
    StepBack();
    return value;
}

QString TiXMLMemoryStream::GetNameElementStop()
{
    if (ReadChar() != '<')
        throw vcl::Exception(QStringLiteral("XML Parsing Error - \"<\" not Found"));
    if (ReadChar() != '/')
        throw vcl::Exception(QStringLiteral("XML Parsing Error - \"/\" not Found"));
    return ReadTagName();
}

QString TiXMLMemoryStream::GetElement(const QString& Name)
{
    GotoElementStart(Name);
    const QString value = GetElementValue();
    while (GetNameElementStop() != Name) {
    }
    return value;
}

QString TiXMLMemoryStream::GetNextPiece()
{
    QChar c = ReadChar();
    while (c == '\r' || c == '\n')
        c = ReadChar();
    QString piece;
    if (c == '<') {
        for (c = ReadChar(); c != '>'; c = ReadChar())
            piece += c;
        return piece;
    }
    for (; c != '<'; c = ReadChar())
        piece += c;
    StepBack();
    return piece;
}

QString TiXMLMemoryStream::PeekNextPiece()
{
    const std::int64_t here = Position();
    try {
        const QString piece = GetNextPiece();
        SetPosition(here);
        return piece;
    } catch (...) {
        SetPosition(here);
        throw;
    }
}
