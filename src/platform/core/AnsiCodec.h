#pragma once
// The one fixed 8-bit text codec for bytes to and from the device and files: Windows-1252.
// Every byte value decodes to one character and encodes back to the same byte (the five bytes
// 1252 leaves undefined map to the C1 controls U+0081, U+008D, U+008F, U+0090, U+009D), so byte
// data survives a round trip. A character outside the code page encodes as '?', one per code
// point. Each character is one byte, so a cut to a byte count always falls between characters.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vcl {

class AnsiCodec
{
public:
    static QString Decode(std::span<const std::uint8_t> bytes);
    static QString Decode(const QByteArray& bytes);
    // Decodes up to the first NUL byte (a fixed-size text field).
    static QString DecodeZ(std::span<const std::uint8_t> bytes);

    static std::vector<std::uint8_t> Encode(const QString& text);
    static QByteArray EncodeToByteArray(const QString& text);
    // Encodes at most maxBytes bytes, never splitting a character (a surrogate pair is one '?').
    static std::vector<std::uint8_t> Encode(const QString& text, std::size_t maxBytes);

    static char16_t DecodeByte(std::uint8_t byte);
    // The byte of one BMP character, or '?' when the code page lacks it.
    static std::uint8_t EncodeChar(char16_t ch);
};

} // namespace vcl
