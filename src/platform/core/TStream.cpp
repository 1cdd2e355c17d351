#include "platform/core/TStream.h"

#include "platform/core/Exception.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace vcl {

std::int64_t TStream::Size()
{
    const std::int64_t here = Position();
    const std::int64_t end = Seek(0, TSeekOrigin::soEnd);
    SetPosition(here);
    return end;
}

void TStream::ReadBuffer(void* Buffer, std::int64_t Count)
{
    if (Count != 0 && Read(Buffer, Count) != Count)
        throw EReadError(QStringLiteral("Stream read error"));
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count)
{
    if (Count != 0 && Write(Buffer, Count) != Count)
        throw EWriteError(QStringLiteral("Stream write error"));
}

std::int64_t TStream::CopyFrom(TStream& Source, std::int64_t Count)
{
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.Size();
    }
    char buffer[8192];
    std::int64_t left = Count;
    while (left > 0) {
        const std::int64_t n = std::min<std::int64_t>(left, sizeof buffer);
        Source.ReadBuffer(buffer, n);
        WriteBuffer(buffer, n);
        left -= n;
    }
    return Count;
}

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count)
{
    const std::int64_t n = std::clamp<std::int64_t>(m_bytes.size() - m_position, 0, std::max<std::int64_t>(Count, 0));
    if (n > 0)
        std::memcpy(Buffer, m_bytes.constData() + m_position, static_cast<std::size_t>(n));
    m_position += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count)
{
    if (Count <= 0)
        return 0;
    if (m_position + Count > m_bytes.size())
        m_bytes.resize(m_position + Count);
    std::memcpy(m_bytes.data() + m_position, Buffer, static_cast<std::size_t>(Count));
    m_position += Count;
    return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin)
{
    std::int64_t base = 0;
    if (Origin == TSeekOrigin::soCurrent)
        base = m_position;
    else if (Origin == TSeekOrigin::soEnd)
        base = m_bytes.size();
    m_position = std::max<std::int64_t>(0, base + Offset);
    return m_position;
}

void TMemoryStream::SetSize(std::int64_t NewSize)
{
    m_bytes.resize(std::max<std::int64_t>(NewSize, 0), '\0');
    m_position = std::min<std::int64_t>(m_position, m_bytes.size());
}

void TMemoryStream::Clear()
{
    m_bytes.clear();
    m_position = 0;
}

void TMemoryStream::SetBytes(const QByteArray& bytes)
{
    m_bytes = bytes;
    m_position = 0;
}

void TMemoryStream::LoadFromFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%s\". %s"), FileName, file.errorString());
    SetBytes(file.readAll());
}

void TMemoryStream::SaveToFile(const QString& FileName) const
{
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_bytes) != m_bytes.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%s\". %s"), FileName, file.errorString());
}

} // namespace vcl
