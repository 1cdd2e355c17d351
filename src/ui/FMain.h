#pragma once
// The main window: owns the device model, the response plots and the open transport.

#include "platform/ui/TForm.h"

#include "device/BytePacket.h"
#include "platform/os/TClientSocket.h"
#include "platform/os/TThreadCallQueue.h"
#include "platform/ui/Messages.h"
#include "transport/LNetSocketGlue.h"
#include "transport/LTransportHost.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

class LCmd;
class LCommProc;
class LNetProc;
class LUnitControl;
class LUsbProc;
class TJvHidDevice;
class TJvHidDeviceController;

class TfmMain : public vcl::TForm
{
public:
    explicit TfmMain(vcl::TComponent* owner);
    ~TfmMain() override;

    // --- window creation and shell ---

    // The start-up sequence, raised once the window is built.
    void FormCreate(vcl::TObject* Sender);

    // --- send path and link fields ---
    // (FMainLink.cpp) Every command leaves here for the open transport (serial, else USB, else
    // network); replies come back through Dispatch. Transports are made with TransportHost().

    void SendCommand(const LCmd& cmd, int mode, bool framed);
    int GetDeviceId() const { return DeviceId; }
    bool IsLinked() const { return Linked; }
    // 1..254; shows "ID : n" and becomes the open transport's keep-alive address.
    void SetDeviceId(int id);
    void SetReplyTimeout(unsigned ms);
    void SetMaxResend(int count);
    void SetKeepAliveOff(bool off);
    // Serial traffic traces; any thread.
    void TraceComWrite(const std::uint8_t* data, unsigned count);
    void TraceComRead(const std::uint8_t* data, unsigned count);
    // A finished trace line for the traffic window; any thread. Shown while that window is visible
    // and the transport the line belongs to is open.
    enum class TraceSource { Usb, Com, Net };
    void PostTrace(TraceSource source, std::string line);
    std::string WideToAnsi(const QString& text) const;
    void Dispatch(vcl::TMessage& Message) override;
    // The reply dispatch and the failure handler (their bodies belong to the reply handling).
    virtual void OnReplyFrame(const BytePacket& frame);
    void OnCommEvent(vcl::TMessage& Message);
    // What the transports report to and write through; made on first use (user-interface thread).
    LTransportHost* TransportHost();

    // Network client socket glue.
    void PrepareNetwork();
    void NetWrite(const std::uint8_t* data, unsigned count); // worker thread; never blocks
    void ClientSocketConnecting(vcl::TClientSocket& Socket);
    void ClientSocketConnect(vcl::TClientSocket& Socket);
    void ClientSocketRead(vcl::TClientSocket& Socket);
    void ClientSocketError(vcl::TClientSocket& Socket, vcl::TErrorEvent ErrorEvent, int& ErrorCode);
    const BytePacket& NetLastFrame();

    // Writes one frame as an output report; set by the USB glue, called on the USB worker thread.
    std::function<void(const std::uint8_t* data, unsigned count)> UsbWriteHandler;

    LUnitControl* UnitControl { nullptr };
    TJvHidDevice* HidDevice { nullptr };
    LUsbProc* UsbProc { nullptr };
    LCommProc* CommProc { nullptr };
    QString ComPortName;
    LNetProc* NetProc { nullptr };
    int DeviceId { 1 };
    bool Online { false };
    bool ConnectPending { false };
    bool Linked { false };
    int CurPresetNo { 0 };
    int PostLoadState { 0 };
    int AckState { 0 };
    int UploadPresetNo { 0 };
    int DownloadRecordNo { 0 };
    std::array<std::array<std::uint8_t, 728>, 31> UnitRecords {};
    std::array<std::uint8_t, 50> DownloadBlock {};
    std::array<std::uint8_t, 18> UnitFileInfo {};
    std::uint32_t DeviceIp { 0 };
    vcl::TClientSocket ClientSocket;

private:
    void EnsureLink();
    std::unique_ptr<LTransportHost> LinkHostImpl;
    std::unique_ptr<LNetSocketGlue> NetGlue;
    std::unique_ptr<vcl::TThreadCallQueue> UiCalls;

public:

    // --- USB glue ---
    // (FMainUsb.cpp) The HID controller finds and claims the ZQ9 (vendor 0x0168, product 0x0821);
    // each frame goes out as one output report and each input report brings one frame back.

    // Creates HidCtl with its handlers assigned as the form file does; call once at creation.
    void SetUpUsb();
    // Worker thread: one frame as one output report on the claimed device.
    void UsbWrite(const std::uint8_t* data, unsigned n);
    bool HidCtlEnumerate(TJvHidDevice* HidDev, int Idx);
    void HidCtlDeviceChange(vcl::TObject* Sender);
    void HidCtlDeviceUnplug(TJvHidDevice* HidDev);
    void HidCtlDeviceData(TJvHidDevice* HidDev, std::uint8_t ReportID, const std::uint8_t* Data, std::uint16_t Size);
    void HidCtlDeviceDataError(TJvHidDevice* HidDev, std::uint32_t Error);

    TJvHidDeviceController* HidCtl { nullptr };
    // The hidden status label's text ("Detect HID" while the ZQ9 is claimed, "OffLine" after it went).
    QString UsbStatusText;
    // Starts the link-loss sequence (tmLinkBroken); set by the link teardown.
    std::function<void()> StartLinkBroken;

private:
    // Held while HidDevice changes and while the USB worker writes through it.
    std::mutex UsbDeviceLock;
    std::unique_ptr<TJvHidDeviceController, void (*)(TJvHidDeviceController*)> HidCtlOwner { nullptr, nullptr };
};

extern TfmMain* fmMain;
