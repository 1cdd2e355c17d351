#pragma once
// The boundary to the OPC client library: its file name, the C signatures of the exports the plot
// calls, the layout of OLE strings and variants that cross it, and the two callback interfaces the
// library calls back through. Plain C++ with no project dependencies, so that a replacement
// library can be built against this header alone.

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace iopc {

// Looked up through the platform's library search.
inline constexpr char16_t LibraryName[] = u"libzq9opcclient.so";

// An OLE string: UTF-16 characters after a 32-bit byte length, terminated by a zero character;
// the pointer is to the first character. Both sides allocate and free with these two helpers.
using OleString = char16_t*;

inline OleString OleStringAlloc(const char16_t* Text, std::uint32_t Length)
{
    auto* block = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) + (Length + 1) * sizeof(char16_t)));
    if (!block)
        return nullptr;
    block[0] = Length * sizeof(char16_t);
    auto* chars = reinterpret_cast<char16_t*>(block + 1);
    if (Length)
        std::memcpy(chars, Text, Length * sizeof(char16_t));
    chars[Length] = 0;
    return chars;
}

inline std::uint32_t OleStringLength(const char16_t* Text)
{
    return Text ? reinterpret_cast<const std::uint32_t*>(Text)[-1] / sizeof(char16_t) : 0;
}

inline void OleStringFree(OleString Text)
{
    if (Text)
        std::free(reinterpret_cast<std::uint32_t*>(Text) - 1);
}

// Variant types.
enum VarType : std::uint16_t {
    vtEmpty = 0,
    vtI2 = 2,
    vtI4 = 3,
    vtR4 = 4,
    vtR8 = 5,
    vtDate = 7,
    vtBstr = 8,
    vtBool = 11,
    vtI1 = 16,
    vtUI1 = 17,
    vtUI2 = 18,
    vtUI4 = 19,
    vtI8 = 20,
    vtUI8 = 21,
};

// A 16-byte OLE variant. A vtBstr variant owns its string.
struct Variant
{
    std::uint16_t vt;
    std::uint16_t reserved1;
    std::uint16_t reserved2;
    std::uint16_t reserved3;
    union {
        std::int8_t i1;
        std::uint8_t ui1;
        std::int16_t i2;
        std::uint16_t ui2;
        std::int32_t i4;
        std::uint32_t ui4;
        std::int64_t i8;
        std::uint64_t ui8;
        float r4;
        double r8;
        double date;
        std::int16_t boolVal;
        OleString bstr;
    };
};
static_assert(sizeof(Variant) == 16, "OLE variants are 16 bytes");

inline void VariantClear(Variant& Value)
{
    if (Value.vt == vtBstr)
        OleStringFree(Value.bstr);
    std::memset(&Value, 0, sizeof Value);
}

// IiOPCItemCallback {7F440F9E-2014-4D28-8C84-83B938DBACC0}: QueryInterface, AddRef, Release, DataChanged.
struct ItemCallback;
struct ItemCallbackTable
{
    std::int32_t (*QueryInterface)(ItemCallback* Self, const void* Iid, void** Object);
    std::int32_t (*AddRef)(ItemCallback* Self);
    std::int32_t (*Release)(ItemCallback* Self);
    void (*DataChanged)(ItemCallback* Self, std::int32_t Unused);
};
struct ItemCallback
{
    const ItemCallbackTable* Table;
};

// IiOPCManagerCallback {A2E9253A-E335-4D6E-A298-CFA504F5B837}: QueryInterface, AddRef, Release,
// BeforeGroupUpdate, AfterGroupUpdate.
struct ManagerCallback;
struct ManagerCallbackTable
{
    std::int32_t (*QueryInterface)(ManagerCallback* Self, const void* Iid, void** Object);
    std::int32_t (*AddRef)(ManagerCallback* Self);
    std::int32_t (*Release)(ManagerCallback* Self);
    void (*BeforeGroupUpdate)(ManagerCallback* Self, std::int32_t GroupHandle);
    void (*AfterGroupUpdate)(ManagerCallback* Self, std::int32_t GroupHandle);
};
struct ManagerCallback
{
    const ManagerCallbackTable* Table;
};

// Signatures of the exports that are called (extern "C" in the library).
extern "C" {
using SignalAddFn = void (*)(std::int32_t* Handle, OleString ComputerName, OleString ServerName, OleString ItemName,
                             OleString GroupName, std::int32_t UpdateRate, std::uint8_t Suspended,
                             std::uint16_t ValueType, ItemCallback* Callback);
using SignalHandleFn = void (*)(std::int32_t Handle);
using SignalGetFlagFn = void (*)(std::int32_t Handle, std::uint8_t* Value);
using SignalSendDataFn = void (*)(std::int32_t Handle, const Variant* Value);
using SignalGetDataFn = void (*)(std::int32_t Handle, Variant* Value);
using SignalGetTimeStampFn = void (*)(std::int32_t Handle, double* Value);
using SignalGetQualityFn = void (*)(std::int32_t Handle, std::uint16_t* Value);
using GroupAddFn = void (*)(std::int32_t* Handle, OleString Name, OleString ComputerName, OleString ServerName,
                            std::int32_t UpdateRate, ManagerCallback* Callback);
using GroupHandleFn = void (*)(std::int32_t Handle);
using GroupSetUpdateRateFn = void (*)(std::int32_t Handle, std::int32_t Rate);
using NoArgumentFn = void (*)();
using CountFn = std::int32_t (*)();
using ServerConnectionGetNameFn = void (*)(OleString* Name, std::int32_t Index);
using ManagerCreatedFn = std::uint8_t (*)();
using GetLastCallErrorStringFn = void (*)(OleString* Text);
}

} // namespace iopc
