#pragma once
// Window message record and the message numbers this program sends, posts or handles.

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
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_DEVICECHANGE = 0x0219;
inline constexpr UINT WM_USER = 0x0400;

// WParam of WM_DEVICECHANGE.
inline constexpr WPARAM DBT_DEVNODES_CHANGED = 0x0007;
inline constexpr WPARAM DBT_DEVICEARRIVAL = 0x8000;
inline constexpr WPARAM DBT_DEVICEREMOVECOMPLETE = 0x8004;

// Notices the controls send to themselves and their children.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
inline constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
// WParam the virtual key (Enter or Esc) or the character the focused control left; a control that
// acts on it sets Result to 1, which ends the round.
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 23;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 31;

} // namespace vcl

// The transports' notices to the main window.
inline constexpr vcl::UINT UM_RX_BYTE = 0x54F;        // one received byte (raw mode; never posted)
inline constexpr vcl::UINT UM_RX_FRAME = 0x550;       // sent: WParam a complete frame, LParam round-trip ms
inline constexpr vcl::UINT UM_COMM_EVENT = 0x551;     // posted: WParam failure code, LParam its parameter
inline constexpr vcl::UINT UM_RX_FRAME_OTHER = 0x552; // sent in place of UM_RX_FRAME at another baud rate
