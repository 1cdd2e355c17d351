// Text files read into a string list: a UTF-8 or UTF-16 byte-order mark picks the encoding,
// anything else is 8-bit text. Whatever was read is saved in the same encoding and reads back to
// the same lines.

#include "FuzzSupport.h"
#include "platform/core/TStringList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    vcl::TStringList first;
    first.LoadFromBytes(bytes);
    const QByteArray saved = first.SaveToBytes(first.Encoding());
    vcl::TStringList second;
    second.LoadFromBytes(saved);
    fuzz::Require(second.Encoding() == first.Encoding(), "the encoding survives a save");
    fuzz::Require(second.ToStringList() == first.ToStringList(), "the lines survive a save");
    return 0;
}
