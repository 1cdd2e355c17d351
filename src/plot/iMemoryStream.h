#pragma once
// Memory streams with the text operations of the plot's scheme files: 8-bit text lines, and a
// minimal XML element reader and writer (elements only: no attributes are read, no self-closing
// tags, entities or comments).

#include "platform/core/TStream.h"

#include <QString>

class TiMemoryStream : public vcl::TMemoryStream
{
public:
    // The characters in the 8-bit code page, one byte each, no length or terminator; raises
    // "String Exceeds 255 Characters" for longer text (nothing is written then).
    void WriteString(const QString& Value);
    void WriteCRLF();
    void WriteStringCRLF(const QString& Value);
    // One byte as a character (no code-page conversion); raises "EOF" at the end of the stream.
    QChar ReadChar();
};

class TiXMLMemoryStream : public TiMemoryStream
{
public:
    const QString& CurrentElementStart() const { return m_currentElementStart; }

    void StartElement(const QString& Name);                      // "<Name>" CR LF
    void EndElement(const QString& Name);                        // "</Name>" CR LF
    void WriteElement(const QString& Name, const QString& Value); // "<Name>Value</Name>" CR LF

    // The name of the next start tag, skipping closing tags; text after a blank in the tag is skipped.
    QString GetNameElementStart();
    void GotoElementStart(const QString& Value);
    // The text up to the next "<", which is left to be read next.
    QString GetElementValue();
    // The name of the closing tag that must follow at once; raises
    // "XML Parsing Error - "<" not Found" or "XML Parsing Error - "/" not Found".
    QString GetNameElementStop();
    // The value of the next element Name.
    QString GetElement(const QString& Name);
    // After any line breaks: a tag's text between "<" and ">" (the stream left after it), or the
    // text up to the next "<" (left to be read next).
    QString GetNextPiece();
    // GetNextPiece without moving the stream.
    QString PeekNextPiece();

private:
    // Collects a tag name up to ">", ignoring everything from a blank on.
    QString ReadTagName();
    void StepBack() { Seek(-1, vcl::TSeekOrigin::soCurrent); }

    QString m_currentElementStart;
};
