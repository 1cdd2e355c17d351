#pragma once
// What the device controller asks of the window that shows its link: texts, timers, the window's own
// link display, and the search, progress, message and lock windows.

#include "device/BytePacket.h"

#include <QString>

#include <cstdint>
#include <string>

class LTransportHost;

class DeviceControllerView
{
public:
    // The one-shot and repeating timers that pace the link; the view owns them and calls the
    // controller's handler when one fires.
    enum class Timer { ChainWatch, LevelPoll, LockPrompt, ProgressShow, UnitSave, Disconnect, CandidateScan };
    // Which transport carries the link.
    enum class Route { Com, Usb, Net };

    virtual ~DeviceControllerView() = default;

    // What the transports the controller opens report to (made on first use).
    virtual LTransportHost* TransportHost() = 0;
    // The text of a SID_ key in the current language.
    virtual QString Text(const QString& key) const = 0;
    // Starts a timer (a running one starts over) or stops it; a stopped UnitSave forgets how far its
    // steps had come.
    virtual void StartTimer(Timer timer) = 0;
    virtual void StopTimer(Timer timer) = 0;

    // --- the window ---
    // The device answered as a supported unit over `route`.
    virtual void ShowOnline(Route route) = 0;
    // The settings upload of the connect sequence finished; the link button is usable again.
    virtual void ShowLinkReady() = 0;
    // The link ended: the window shows the offline state.
    virtual void ShowOffline() = 0;
    virtual void ShowStoredPreset(int number, const QString& name) = 0;
    // Every control from the model, sending nothing.
    virtual void RefreshFromModel() = 0;
    virtual void ClearMeters() = 0;
    virtual void ShowLevels(const BytePacket& payload) = 0;
    // The window takes no input while a whole unit is written into the device.
    virtual void SetInputEnabled(bool enabled) = 0;
    // A reply too short to handle; reported once the reply's handling has returned.
    virtual void ReportShortReply(const QString& text) = 0;
    // The device is not a supported unit: the text is shown once this reply's handling has returned,
    // then the link ends.
    virtual void RefuseDevice(const QString& text) = 0;

    // --- the network client socket ---
    // How far the socket's connection came, shown in the network search window.
    virtual void ShowNetworkScanStatus(const QString& text) = 0;
    // One line of network traffic for the traffic window (user-interface thread).
    virtual void TraceNetwork(const std::string& line) = 0;

    // --- the connection search ---
    // 1: the current candidate answered its identity; 0: it failed and the search moves on.
    virtual void SearchSetConnectResult(int result) = 0;
    virtual int SearchConnectResult() const = 0;
    virtual void SearchOnLinkBroken() = 0;
    virtual void SearchSetProgressZero() = 0;
    virtual void SearchShowModal() = 0;
    virtual void SearchHide() = 0;
    virtual bool SearchVisible() const = 0;

    // --- the progress window ---
    virtual void ProgressSetStatus(const QString& text) = 0;
    virtual void ProgressSetPosition(int position) = 0;
    virtual int ProgressPosition() const = 0;
    virtual void ProgressSetMax(int max) = 0;
    virtual int ProgressMax() const = 0;
    // Modally (returns once it is closed), only made visible, or modally once ProgressShow fires.
    virtual void ProgressShowModal() = 0;
    virtual void ProgressShow() = 0;
    virtual void ProgressArmDeferredShow() = 0;
    virtual void ProgressClose() = 0;

    // --- messages and the lock prompt ---
    // Shows the text modally; returns once the user closed it.
    virtual void ShowInformation(const QString& text) = 0;
    virtual void SetLockVerdict(std::uint8_t verdict) = 0;

protected:
    DeviceControllerView() = default;
    DeviceControllerView(const DeviceControllerView&) = default;
    DeviceControllerView& operator=(const DeviceControllerView&) = default;
};
