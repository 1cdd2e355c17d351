#pragma once
// Results of modal windows and message boxes (the same numbers as the button identifiers).

namespace vcl {

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrClose = 8;
inline constexpr TModalResult mrHelp = 9;
inline constexpr TModalResult mrAll = 12;
inline constexpr TModalResult mrNoToAll = 13;
inline constexpr TModalResult mrYesToAll = 14;

} // namespace vcl
