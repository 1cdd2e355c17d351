#pragma once
// What the OPC tests share: the stand-in client library's test controls, pointing the binding at
// that library before it first looks for one, and the values the library hands over.

#include "plot/extras/iOPCLibraryAbi.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>

extern "C" {
void FakeOpcFailNextCall(const char16_t* Message);
void FakeOpcSetServerConnections(const char16_t* const* Names);
int FakeOpcSignalCount();
int FakeOpcSignalValueType(std::int32_t Handle);
int FakeOpcSignalByItem(const char16_t* Item);
int FakeOpcGroupByName(const char16_t* Name);
void FakeOpcSetValue(std::int32_t Handle, iopc::Variant Value, std::uint16_t Quality);
int FakeOpcSendDataCalls(int* LastHandle);
void FakeOpcFireDataChanged(std::int32_t Handle, int Foreign);
void FakeOpcFireGroupUpdate(std::int32_t Handle, int Foreign);
}

namespace opctest {

// The binding looks for the library on first use; point it at the stand-in before that.
inline const bool LibraryDirSet = qputenv("ZQ9_LIBRARY_DIR", ZQ9_FAKE_OPC_DIR);

inline constexpr std::uint16_t Good = 0xC0;

inline iopc::Variant Int(std::int32_t v)
{
    iopc::Variant value {};
    value.vt = iopc::vtI4;
    value.i4 = v;
    return value;
}

} // namespace opctest
