#pragma once
// What the link and transfer handling of the main window does to the other windows: the connection
// search, the progress window, the message window and the lock password prompt. One place, so the
// handlers read as steps and a window that is missing (not created yet) is simply skipped.

#include <QString>

#include <cstdint>

class TfmMain;

namespace LinkViews {

// --- connection search (fmNetwork) ---
// 1: the current candidate answered its identity; 0: it failed and the search moves on.
void SearchSetConnectResult(int result);
int SearchConnectResult();
// The search stops showing progress and offers its buttons again ("SID_LINK_BROKEN").
void SearchOnLinkBroken();
// The search dialog's start action: prepares the network candidate and starts the scan.
void SearchStart();
void SearchSetProgressZero();
bool SearchVisible();
void SearchHide();
// Shows the search dialog modally unless it is already shown.
void SearchShowModal();

// --- progress window (fmProcess) ---
void ProgressSetStatus(const QString& text);
QString ProgressStatus();
void ProgressSetPosition(int position);
int ProgressPosition();
void ProgressSetMax(int max);
int ProgressMax();
// Modally (returns when it is closed) or only made visible; nothing when it is already shown.
void ProgressShowModal();
void ProgressShow();
// A modal display asked for later (tmProcessShow); a close before then cancels it, so a transfer that
// ended first leaves no window waiting for a close that never comes.
void ProgressArmDeferredShow();
bool ProgressTakeDeferredShow();
// Hides it and ends a modal display; nothing when it is not shown.
void ProgressClose();
bool ProgressVisible();

// --- message window (fmInformation) ---
// Puts the text into the window and shows it modally; returns when the user closed it.
void InformationShowModal(const QString& text);
QString InformationText();

// --- lock password prompt (fmLockPassWord) ---
void LockSetVerdict(std::uint8_t verdict);
std::uint8_t LockVerdict();
void LockShowModal();

// The dotted form of the device address, first octet from the most significant byte.
QString IpText(std::uint32_t ip);

} // namespace LinkViews
