#pragma once
// Byte streams as the class library has them: a position, reads and writes that may come up short,
// and ReadBuffer / WriteBuffer that raise when they do. TMemoryStream keeps its bytes in memory.

#include "platform/core/TObject.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace vcl {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject
{
public:
    // Reads up to Count bytes, returns how many were read.
    virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
    // Writes up to Count bytes, returns how many were written.
    virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
    // Moves the position; the result is the new position.
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

    std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(std::int64_t value) { Seek(value, TSeekOrigin::soBeginning); }
    virtual std::int64_t Size();

    // Raise EReadError "Stream read error" / EWriteError "Stream write error" when short.
    void ReadBuffer(void* Buffer, std::int64_t Count);
    void WriteBuffer(const void* Buffer, std::int64_t Count);
    // Copies Count bytes from Source at its position (all of Source from its start when Count is 0).
    std::int64_t CopyFrom(TStream& Source, std::int64_t Count);
};

class TMemoryStream : public TStream
{
public:
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() override { return m_bytes.size(); }

    // Cuts or extends (with zero bytes) the stream; the position stays within it.
    void SetSize(std::int64_t NewSize);
    void Clear();
    const QByteArray& Bytes() const { return m_bytes; }
    // Replaces the content and moves to its start.
    void SetBytes(const QByteArray& bytes);

    void LoadFromFile(const QString& FileName);   // EFOpenError "Cannot open file "<name>"..."
    void SaveToFile(const QString& FileName) const; // EFCreateError "Cannot create file "<name>"..."

private:
    QByteArray m_bytes;
    std::int64_t m_position { 0 };
};

} // namespace vcl
