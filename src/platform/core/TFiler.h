#pragma once
// Form streams: the common part of TReader and TWriter. A stream holds one root component as
//     signature "ZQF1", class name, component name, its properties, end of list, end of list
// where each property is a name (short string) and one tagged value. Published properties come
// first, in table order (nested persistent objects as "Font.Color" paths, collections as a
// collection value); then the properties the object declares in DefineProperties.

#include "platform/core/TStream.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace vcl {

class TPersistent;
class TReader;
class TWriter;

// The value tags of the stream; each is one byte.
enum class TValueType : std::uint8_t {
    vaNull = 0,       // end of a list
    vaList = 1,       // list begin
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,   // 10-byte extended precision, read only
    vaString = 6,     // 1-byte length, 8-bit text
    vaIdent = 7,      // 1-byte length, an identifier (enumeration element)
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,    // 4-byte length, bytes
    vaSet = 11,       // identifiers up to an empty one
    vaLString = 12,   // 4-byte length, 8-bit text
    vaNil = 13,
    vaCollection = 14,
    vaInt64 = 19,
    vaUTF8String = 20, // 4-byte length, UTF-8 text
    vaDouble = 21,
};

inline constexpr char FormStreamSignature[4] = { 'Z', 'Q', 'F', '1' };

class TFiler
{
public:
    using TReaderProc = std::function<void(TReader&)>;
    using TWriterProc = std::function<void(TWriter&)>;
    using TStreamProc = std::function<void(TStream&)>;

    explicit TFiler(TStream& Stream) : m_stream(Stream) {}
    virtual ~TFiler() = default;
    TFiler(const TFiler&) = delete;
    TFiler& operator=(const TFiler&) = delete;

    // A property written by WriteData when HasData, read back by ReadData.
    virtual void DefineProperty(const QString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) = 0;
    // The same for raw bytes: WriteData fills a memory stream, ReadData gets one positioned at 0.
    virtual void DefineBinaryProperty(const QString& Name, TStreamProc ReadData, TStreamProc WriteData,
                                      bool HasData) = 0;

    TStream& Stream() { return m_stream; }
    // The component the objects being streamed belong to; streaming code may set it.
    TPersistent* RootAncestor() const { return m_rootAncestor; }
    void SetRootAncestor(TPersistent* value) { m_rootAncestor = value; }
    // Runs Action once the whole root component has been read or written, also when that failed.
    void AtEnd(std::function<void()> Action) { m_atEnd.push_back(std::move(Action)); }

protected:
    void RunAtEndActions();

private:
    TStream& m_stream;
    TPersistent* m_rootAncestor { nullptr };
    std::vector<std::function<void()>> m_atEnd;
};

} // namespace vcl
