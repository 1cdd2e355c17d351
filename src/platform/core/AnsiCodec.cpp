#include "platform/core/AnsiCodec.h"

#include <algorithm>
#include <array>

namespace vcl {

namespace {

// Bytes 0x80..0x9F; the rest of the page is the same as Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t AnsiCodec::DecodeByte(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::uint8_t AnsiCodec::EncodeChar(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<std::uint8_t>(ch);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == ch)
            return static_cast<std::uint8_t>(0x80 + i);
    return '?';
}

QString AnsiCodec::Decode(std::span<const std::uint8_t> bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::uint8_t b : bytes)
        text.append(QChar(DecodeByte(b)));
    return text;
}

QString AnsiCodec::Decode(const QByteArray& bytes)
{
    return Decode(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                static_cast<std::size_t>(bytes.size())));
}

QString AnsiCodec::DecodeZ(std::span<const std::uint8_t> bytes)
{
    std::size_t n = 0;
    while (n < bytes.size() && bytes[n] != 0)
        ++n;
    return Decode(bytes.first(n));
}

std::vector<std::uint8_t> AnsiCodec::Encode(const QString& text, std::size_t maxBytes)
{
    std::vector<std::uint8_t> out;
    out.reserve(std::min<std::size_t>(maxBytes, static_cast<std::size_t>(text.size())));
    for (qsizetype i = 0; i < text.size() && out.size() < maxBytes; ++i) {
        const char16_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(EncodeChar(ch));
    }
    return out;
}

std::vector<std::uint8_t> AnsiCodec::Encode(const QString& text)
{
    return Encode(text, static_cast<std::size_t>(text.size()));
}

QByteArray AnsiCodec::EncodeToByteArray(const QString& text)
{
    const std::vector<std::uint8_t> bytes = Encode(text);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace vcl
