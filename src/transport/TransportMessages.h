#pragma once
// The message numbers of the transports' notices to the window that owns them.

inline constexpr unsigned UM_RX_BYTE = 0x54F;        // one received byte (raw mode; never posted)
inline constexpr unsigned UM_RX_FRAME = 0x550;       // sent: WParam a complete frame, LParam round-trip ms
inline constexpr unsigned UM_COMM_EVENT = 0x551;     // posted: WParam failure code, LParam its parameter
inline constexpr unsigned UM_RX_FRAME_OTHER = 0x552; // sent in place of UM_RX_FRAME at another baud rate
// Sent in place of UM_RX_FRAME for a frame that answers no request in flight (a late or repeated
// reply, a frame of another device, an echo); it ends no wait and lets no queued frame go.
inline constexpr unsigned UM_RX_FRAME_STRAY = 0x553;
