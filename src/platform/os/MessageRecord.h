#pragma once
// The message record, its integer types and the system's message numbers that are not about windows.

#include <cstdint>

namespace vcl {

using UINT = unsigned int;
using WORD = std::uint16_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
// A window handle is a key into the handle table, never an address; 0 is "no window".
using HWND = std::uintptr_t;

struct TMessage
{
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_DEVICECHANGE = 0x0219;
inline constexpr UINT WM_USER = 0x0400;

// WParam of WM_DEVICECHANGE.
inline constexpr WPARAM DBT_DEVNODES_CHANGED = 0x0007;
inline constexpr WPARAM DBT_DEVICEARRIVAL = 0x8000;
inline constexpr WPARAM DBT_DEVICEREMOVECOMPLETE = 0x8004;

} // namespace vcl
