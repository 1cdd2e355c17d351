#pragma once
// The device end of the editor, without a window: the open transport, the reply dispatch, the
// acknowledge state, the transfer buffers and counters, and the connect, store, recall, reset,
// whole-unit upload and download and preset-load sequences. It shows what happens through a
// DeviceControllerView.

#include "controller/DeviceControllerView.h"
#include "controller/NetworkSocketLink.h"
#include "device/BytePacket.h"
#include "device/CommandSender.h"
#include "device/PresetFiles.h"

#include <QString>

#include <array>
#include <cstdint>

class LCmd;
class LCommProc;
class LNetProc;
class LUnitControl;
class LUsbProc;

class DeviceController : public CommandSender
{
public:
    explicit DeviceController(DeviceControllerView& view);
    ~DeviceController() override;
    DeviceController(const DeviceController&) = delete;
    DeviceController& operator=(const DeviceController&) = delete;

    // --- send path and transport settings (DeviceController.cpp) ---
    // Every command leaves here for the open transport (serial, else USB, else network).
    void SendCommand(const LCmd& cmd, int mode, bool framed) override;
    // 1..254 (others are ignored); becomes the open transport's keep-alive address.
    void SetDeviceId(int id);
    void SetReplyTimeout(unsigned ms);
    void SetMaxResend(int count);
    void SetKeepAliveOff(bool off);
    bool HasTransport() const { return CommProc || UsbProc || NetProc; }
    // The source number of the open transport; 0 when none is open.
    std::uint32_t OpenTransportSource() const;
    // Closes, deletes and clears the open transport (serial, else USB, else network); false when none was open.
    bool DropOpenTransport();
    // Closes every transport, the open one and any candidate left of a search.
    void CloseTransports();

    // --- replies (DeviceController.cpp) ---
    // One reply frame, the answer to the request in flight: the device-ID filter, the reply table and
    // the acknowledge steps.
    void OnReplyFrame(const BytePacket& frame);
    // A frame that answered no request in flight (a late or second reply, an echo, a frame of another
    // device): it changes nothing but the count, except that one of another device drops the
    // candidate of a running search.
    void OnStrayFrame(const BytePacket& frame);

    // --- connecting (DeviceControllerConnect.cpp) ---
    void ConnectCom();
    void ConnectUsb();
    void ConnectNet();
    void OnLinkReply(const BytePacket& payload);
    void OnIdentityReply(const BytePacket& payload);
    void OnLockStatusReply(const BytePacket& payload);
    void OnParamUploadReply(const BytePacket& payload);
    void OnCurrentPresetReply(std::uint8_t presetNo);
    void OnPresetNameReply(const BytePacket& payload);
    void OnProgramBlockReply(const BytePacket& payload);
    // The level poll (Timer::LevelPoll).
    void PollLevels();

    // --- transfers (DeviceControllerTransfers.cpp) ---
    void StorePreset(int row, const QString& name);
    void RecallPreset(int n);
    void StartFactoryReset();
    // Reads every stored preset of the device into the model; Timer::UnitSave asks for the file after.
    void UploadUnit();
    void UploadNextPreset(int presetNo);
    void OnPresetBlockReply(const BytePacket& payload);
    // Writes a whole-unit file's presets into the device, which then restarts and the link ends.
    void DownloadUnit(const UnitFileContents& file);
    void DownloadNextRecord(int recordNo);
    void OnDownloadBlockReply(const BytePacket& payload);
    // Reads every setting of the device again (after its links changed).
    void StartReread();
    // A preset file's settings went into the model (and to the device when linked): the window shows
    // them and, online, the first level reply ends the load.
    void PresetLoaded();

    // --- the end of a link (DeviceControllerLink.cpp) ---
    // A transport failure `code` reported by transport `source` (0: unnamed); a notice of a transport
    // that is no longer open is ignored.
    void OnCommEvent(std::uint32_t source, std::uint32_t code);
    void Disconnect();
    // A multi-step transfer made no step for ChainWatchMs (Timer::ChainWatch).
    void OnChainStalled();
    // Timer::Disconnect, Timer::CandidateScan and the link-broken notice of the window.
    void OnDisconnectTimer();
    void OnLinkBroken();
    void OnCandidateScanTimer();
    // Each step of a multi-step transfer restarts the stall watch; the end of a chain stops it.
    void ChainStep();
    void ChainEnd();
    static constexpr unsigned ChainWatchMs = 15000;

    // --- the link's state, read by the window and its dialogs ---
    // The model the replies fill; set once the window made it. The model sends through this
    // controller from then on.
    void SetModel(LUnitControl* model);
    LUnitControl* Model() const { return UnitControl; }
    LCommProc* Com() const { return CommProc; }
    LUsbProc* Usb() const { return UsbProc; }
    LNetProc* Net() const { return NetProc; }
    // The serial port the next ConnectCom opens ("COM3").
    const QString& SerialPort() const { return ComPortName; }
    void SetSerialPort(const QString& port) { ComPortName = port; }
    int GetDeviceId() const override { return DeviceId; }
    bool IsOnline() const { return Online; }
    bool IsConnectPending() const { return ConnectPending; }
    bool IsLinked() const { return Linked; }
    int CurrentPreset() const { return CurPresetNo; }
    int PostLoad() const { return PostLoadState; }
    int PendingAck() const { return AckState; }
    // Frames passed over: strays and replies whose block or entry number is not the one asked for.
    std::size_t DroppedReplyCount() const { return DroppedReplies; }
    // The network client socket and its glue: the network transport writes through it (from its
    // worker, never blocking) and reads from it; it closes when the network transport is dropped.
    NetworkSocketLink& NetworkLink() { return NetSocket; }

    // --- requests of the editors ---
    // Copies channel src onto dst in the device; with reread, the device's acknowledge starts a read
    // of every setting. Only while linked.
    void CopyChannel(int src, int dst, bool reread);

private:
    // True (and the reply reported once its handling has returned) when the payload holds fewer
    // than `need` bytes: the reply is dropped whole.
    bool ReplyTooShort(const BytePacket& payload, std::size_t need);
    void OnAck();
    void OnLevels(const BytePacket& payload);
    void SendCode(int code, int mode);
    void SendCode(int code, int byte1, int mode);
    // Resets what an interrupted transfer leaves behind, so nothing of it runs on the next link.
    void ForgetTransfer();
    // Sends a numbered request of a transfer (block, entry) and remembers the number, so only its
    // answer moves the transfer on.
    void Ask(int code, int number);
    // True when a numbered reply to `code` carries the number asked for (or none was asked); a reply
    // with another number is counted and dropped.
    bool IsAnswerTo(int code, int number);
    void FinishDownload();
    void ReportBrokenLink();

    friend class DeviceControllerProbe; // tests set up a state they cannot reach through a link

    DeviceControllerView& View;
    LUnitControl* UnitControl { nullptr };
    LCommProc* CommProc { nullptr };
    LUsbProc* UsbProc { nullptr };
    LNetProc* NetProc { nullptr };
    QString ComPortName;
    int DeviceId { 1 };
    bool Online { false };
    bool ConnectPending { false };
    bool Linked { false };
    int CurPresetNo { 0 };
    int PostLoadState { 0 };
    int AckState { 0 };
    int UploadPresetNo { 0 };
    int DownloadRecordNo { 0 };
    std::size_t DroppedReplies { 0 };
    int AskedCode { -1 };
    int AskedNumber { -1 };
    std::array<std::array<std::uint8_t, UnitRecordSize>, 31> UnitRecords {};
    std::array<std::uint8_t, 50> DownloadBlock {};
    DeviceInfo UnitFileInfo {};
    NetworkSocketLink NetSocket;
};
