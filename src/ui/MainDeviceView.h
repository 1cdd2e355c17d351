#pragma once
// The main window as the device controller sees it: its timers, its link display and the other
// windows the link handling drives (through LinkViews).

#include "controller/DeviceControllerView.h"

class TfmMain;

class MainDeviceView : public DeviceControllerView
{
public:
    explicit MainDeviceView(TfmMain& form) : Form(form) {}

    LTransportHost* TransportHost() override;
    QString Text(const QString& key) const override;
    void StartTimer(Timer timer) override;
    void StopTimer(Timer timer) override;

    void ShowOnline(Route route) override;
    void ShowLinkReady() override;
    void ShowOffline() override;
    void ShowStoredPreset(int number, const QString& name) override;
    void RefreshFromModel() override;
    void ClearMeters() override;
    void ShowLevels(const BytePacket& payload) override;
    void SetInputEnabled(bool enabled) override;
    void ReportShortReply(const QString& text) override;
    void RefuseDevice(const QString& text) override;

    void ShowNetworkScanStatus(const QString& text) override;
    void TraceNetwork(const std::string& line) override;

    void SearchSetConnectResult(int result) override;
    int SearchConnectResult() const override;
    void SearchOnLinkBroken() override;
    void SearchSetProgressZero() override;
    void SearchShowModal() override;
    void SearchHide() override;
    bool SearchVisible() const override;

    void ProgressSetStatus(const QString& text) override;
    void ProgressSetPosition(int position) override;
    int ProgressPosition() const override;
    void ProgressSetMax(int max) override;
    int ProgressMax() const override;
    void ProgressShowModal() override;
    void ProgressShow() override;
    void ProgressArmDeferredShow() override;
    void ProgressClose() override;

    void ShowInformation(const QString& text) override;
    void SetLockVerdict(std::uint8_t verdict) override;

private:
    TfmMain& Form;
};
