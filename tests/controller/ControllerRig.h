#pragma once
// The device controller with no window: a view that records what it is asked to show, the model,
// and the device emulator at the far end of a pseudo-terminal opened as COM4.

#include "support/Patience.h"
#include "controller/DeviceController.h"
#include "controller/DeviceControllerView.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "platform/os/SerialPortList.h"
#include "support/DeviceEmulator.h"
#include "support/EmulatorLinks.h"
#include "support/TestTransportHost.h"
#include "transport/TransportMessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <functional>
#include <set>
#include <string>
#include <vector>

class RecordingView : public DeviceControllerView
{
public:
    explicit RecordingView(LTransportHost& host) : Host(host) {}

    LTransportHost* TransportHost() override { return &Host; }
    // Texts are their keys, so a test reads which text was asked for.
    QString Text(const QString& key) const override { return key; }
    void StartTimer(Timer timer) override { Running.insert(timer); }
    void StopTimer(Timer timer) override { Running.erase(timer); }
    bool IsRunning(Timer timer) const { return Running.count(timer) != 0; }

    void ShowOnline(Route route) override { OnlineRoute = static_cast<int>(route); }
    void ShowLinkReady() override { ++LinkReady; }
    void ShowOffline() override { ++Offline; }
    void ShowStoredPreset(int number, const QString& name) override { Stored = { number, name }; }
    void RefreshFromModel() override { ++Refreshes; }
    void ClearMeters() override {}
    void ShowLevels(const BytePacket&) override { ++Levels; }
    void SetInputEnabled(bool enabled) override { InputEnabled = enabled; }
    void ReportShortReply(const QString& text) override { ShortReplies << text; }
    void RefuseDevice(const QString& text) override { Refusal = text; }

    void ShowNetworkScanStatus(const QString& text) override { ScanStatus << text; }
    void TraceNetwork(const std::string& line) override { NetTraces.push_back(line); }

    void SearchSetConnectResult(int result) override { ConnectResult = result; }
    int SearchConnectResult() const override { return ConnectResult; }
    void SearchOnLinkBroken() override { ++SearchBroken; }
    void SearchSetProgressZero() override {}
    void SearchShowModal() override { ++SearchShown; }
    void SearchHide() override {}
    bool SearchVisible() const override { return true; }

    void ProgressSetStatus(const QString& text) override { ProgressStatus = text; }
    void ProgressSetPosition(int position) override { Position = position; }
    int ProgressPosition() const override { return Position; }
    void ProgressSetMax(int max) override { Max = max; }
    int ProgressMax() const override { return Max; }
    void ProgressShowModal() override { ++ProgressShown; }
    void ProgressShow() override { ++ProgressShown; }
    void ProgressArmDeferredShow() override {}
    void ProgressClose() override { ++ProgressClosed; }

    void ShowInformation(const QString& text) override { Information << text; }
    void SetLockVerdict(std::uint8_t verdict) override { Verdict = verdict; }

    std::set<Timer> Running;
    int OnlineRoute { -1 };
    int LinkReady { 0 };
    int Offline { 0 };
    std::pair<int, QString> Stored;
    int Refreshes { 0 };
    int Levels { 0 };
    bool InputEnabled { true };
    QStringList ShortReplies;
    QString Refusal;
    int ConnectResult { 0 };
    int SearchBroken { 0 };
    int SearchShown { 0 };
    QString ProgressStatus;
    int Position { 0 };
    int Max { 0 };
    int ProgressShown { 0 };
    int ProgressClosed { 0 };
    QStringList Information;
    int Verdict { -1 };
    QStringList ScanStatus;
    std::vector<std::string> NetTraces;

private:
    LTransportHost& Host;
};

struct ControllerRig
{
    ControllerRig()
    {
        vcl::SetSerialPortOverride(std::vector<vcl::TSerialPortEntry> { { "COM4", pty.SlavePath(), 4 } });
        controller.SetModel(&model);
        controller.SetSerialPort(QStringLiteral("COM4"));
        host.OnFrame = [this](const TestTransportHost::Delivered& d) {
            if (d.Message == UM_RX_FRAME_STRAY)
                controller.OnStrayFrame(d.Frame);
            else
                controller.OnReplyFrame(d.Frame);
        };
        host.OnCommEvent = [this](const TestTransportHost::CommEvent& e) { controller.OnCommEvent(0, e.Code); };
    }
    ~ControllerRig()
    {
        controller.CloseTransports();
        vcl::SetSerialPortOverride(std::nullopt);
    }

    // Runs the Qt loop until pred holds (judged once, so a condition that holds only for a moment
    // counts) or the outer limit passed.
    static bool SpinUntil(const std::function<bool()>& pred)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < patience::OuterLimitMs) {
            if (pred())
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return false;
    }

    // Runs the whole connect sequence; true once the settings upload finished and every request of it
    // (the closing keep-alive too) was answered, so no late acknowledge meets the next sequence.
    bool Connect()
    {
        controller.ConnectCom();
        return SpinUntil([this] {
            return view.LinkReady > 0 && emu.CountOf(MCS_CMD_KEEP_ALIVE) > 0 && host.Frames().size() == emu.RequestCount();
        });
    }

    // The Qt loop's application exists before anything that posts to it.
    struct AppFirst
    {
        AppFirst() { TestTransportHost::EnsureApp(); }
    } app;
    DeviceEmulator emu;
    EmulatorPty pty { emu };
    TestTransportHost host;
    RecordingView view { host };
    LUnitControl model;
    DeviceController controller { view };
};
