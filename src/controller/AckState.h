#pragma once
// What the next acknowledge from the device continues, and the state after a preset file was loaded.

inline constexpr int ACK_IDLE = 0;
inline constexpr int ACK_RECALL_PRESET = 1;
inline constexpr int ACK_STORE_PRESET = 2;
inline constexpr int ACK_FACTORY_RESET = 3;
inline constexpr int ACK_SELECT_PRESET = 4;
inline constexpr int ACK_INFO_WRITTEN = 5;
inline constexpr int ACK_REREAD = 6;
inline constexpr int ACK_LOCK_PASSWORD = 8;
inline constexpr int ACK_STORE_DONE = 9;
inline constexpr int ACK_ERASE_FOR_DOWNLOAD = 10;

// The first level reply after a preset file was loaded closes the progress window.
inline constexpr int POST_LOAD_PENDING = 12;

// The identity a supported device answers with.
inline constexpr char MODEL_TEXT[] = "ZQ9";
inline constexpr char MODEL_VERSION_TEXT[] = "ZQ9 V010";
