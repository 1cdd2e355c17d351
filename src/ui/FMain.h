#pragma once
// The main window: owns the device model, the response plots and the open transport.

#include "platform/ui/TForm.h"
#include "response/CurveStaleMarks.h"

#include "controller/DeviceController.h"
#include "device/BytePacket.h"
#include "platform/os/TClientSocket.h"
#include "platform/os/TThreadCallQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TTimer.h"
#include "transport/LTransportHost.h"
#include "ui/MainDeviceView.h"
#include "ui/MainShellControls.h"
#include "ui/MainWindowAccess.h"
#include "ui/MainWindowScroller.h"
#include "ui/editors/EditorConstants.h"

#include <array>
#include <map>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class LCmd;
class LCommProc;
class Plot;
class LNetProc;
class LUnitControl;
class LUsbProc;
struct FileProblem;
class TJvHidDevice;
class TJvHidDeviceController;

namespace editors {
class EditorSet;
class EditorWindow;
}

class TfmMain : public vcl::TForm, public DeviceAccess, public ConnectionAccess, public EditingAccess
{
public:
    explicit TfmMain(vcl::TComponent* owner);
    ~TfmMain() override;

    // --- window creation and shell ---

    // The start-up sequence, raised once the window is built.
    void FormCreate(vcl::TObject* Sender);

    // (FMainLayout*.cpp) Every control of the window with its composed name; the pages' boxes.
    void BuildLayout();
    // Closing asks first: the quit dialog shows, and only a confirmed close goes on.
    void FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action);
    // Stretches the page area and its plots with the room above the design size.
    void FormResize(vcl::TObject* Sender);
    // (FMainPages.cpp) The page switch bound to the thirteen page buttons.
    void rzbMenuInAClick(vcl::TObject* Sender);
    int LinkMaskOf(int ch) const override;
    // (FMainText.cpp) Writes every caption of the window from its key in the current language.
    void ApplyLanguage();
    void ChineseSimplifiedClick(vcl::TObject* Sender);
    void EnglishClick(vcl::TObject* Sender);
    // (FMainMenus.cpp) The main menu and its commands.
    void BuildMenus();
    void OpenClick(vcl::TObject* Sender);
    void SaveClick(vcl::TObject* Sender);
    void UploadClick(vcl::TObject* Sender);
    void DownloadClick(vcl::TObject* Sender);
    void FactoryDefaultClick(vcl::TObject* Sender);
    void ExitClick(vcl::TObject* Sender);
    void LockClick(vcl::TObject* Sender);
    void TestToneClick(vcl::TObject* Sender);
    void ChNameListClick(vcl::TObject* Sender);
    void Rs232CodeClick(vcl::TObject* Sender);
    void MemoShowClick(vcl::TObject* Sender);
    void HidDataClick(vcl::TObject* Sender);
    void AboutClick(vcl::TObject* Sender);
    void bStoreClick(vcl::TObject* Sender);
    void bRecallClick(vcl::TObject* Sender);
    // Shows the information dialog with the text of key, modally.
    void ShowInformation(const QString& key);
    // (FMainNames.cpp) Channel names on the block diagram and the page buttons' hints.
    std::array<std::uint8_t, 8> GetChannelName(int ch) const override;
    void SetChannelName(int ch, const char* name) override;
    void lbMatrixChNameInAClick(vcl::TObject* Sender);

    // (FMainSplash.cpp) The start-up splash, shown while the window is built.
    void ConfigureSplash();
    class TAdvSmoothSplashScreen* asScreen { nullptr };
    // Forgets the splash once it is gone (the application may free it before this window), and stops
    // the editors once a control they were handed is gone.
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

    int CurPage { editors::GainPage };
    int ExtraHeight { 0 };
    // The scroll bars of a window below its design size (FMainLayoutResize.cpp).
    std::unique_ptr<MainWindowScroller> Scroller;

    // --- the window's own controls ---
    // (FMainLayoutShell.cpp) What the captions, the page switch, the menus and the resizing work on,
    // looked up once as the layout is built.
    const MainShellControls& Shell() const { return m_shell; }

private:
    MainShellControls m_shell;

    // (FMainLayoutResize.cpp) The rules of the window's resizing, by kind of control.
    struct DesignPlace { int Left, Top, Width, Height; };
    const DesignPlace& DesignOf(vcl::TControl* c);
    void ApplyResizeRules();
    void ResizeDelayRows(int h);
    void ResizePageMeters(int h);
    void SpreadDiagram(int w);
    void PlaceDelayMarkers();
    std::map<const vcl::TControl*, DesignPlace> DesignPlaces;

public:
    // The quit dialog's answer; a confirmed one closes the window.
    void ConfirmExit(bool confirmed) override;
    bool ExitConfirmed() const override { return m_exitConfirmed; }
    // Performs a click on the Gain page button and leaves it down.
    void ShowGainPage() override;

private:
    bool m_exitConfirmed { false };

public:

    // --- creation and search ---
    // (FMain.cpp) Caption, the single-instance lock, the model, the ten curve sets, the client
    // socket's address and the timer that opens the connection search.

    // Opens the network setup dialog modally; its entries are locked while online.
    void NetworkSetupClick(vcl::TObject* Sender);
    // Another running instance (per user and display) is brought forward and this one ends; the
    // lock is held while this window lives. An empty name picks the default; offscreen runs skip
    // the test unless a name is given.
    static void SetInstanceName(const QString& name);
    // Set when FormCreate found another instance and ended this one.
    bool OtherInstanceFound { false };
    // The curve sets of InA, InB, Out1..Out6 and the Gain page's input and output plots.
    std::array<Plot*, editors::PlotCount> Plots {};
    QString Language;

private:
    bool ClaimSingleInstance();
    // What creation makes and the window owns: the model, its host, the curve sets, the instance lock.
    struct CreatedParts;
    std::unique_ptr<CreatedParts, void (*)(CreatedParts*)> Created { nullptr, nullptr };

public:

    // --- send path and link fields ---
    // (FMainLink.cpp) Every command leaves here for the open transport (serial, else USB, else
    // network); replies come back through Dispatch. Transports are made with TransportHost().

    void SendCommand(const LCmd& cmd, int mode, bool framed) override { Controller.SendCommand(cmd, mode, framed); }
    int GetDeviceId() const override { return Controller.GetDeviceId(); }
    bool IsLinked() const override { return Controller.IsLinked(); }
    bool IsSendSuppressed() const override { return SuppressSend; }
    void SetPresetListHost(PresetListHost* lists) override;
    // 1..254; shows "ID : n" and becomes the open transport's keep-alive address.
    void SetDeviceId(int id) override;
    void SetReplyTimeout(unsigned ms) { Controller.SetReplyTimeout(ms); }
    void SetMaxResend(int count) { Controller.SetMaxResend(count); }
    void SetKeepAliveOff(bool off) { Controller.SetKeepAliveOff(off); }
    // Serial traffic traces; any thread.
    void TraceComWrite(const std::uint8_t* data, unsigned count);
    void TraceComRead(const std::uint8_t* data, unsigned count);
    // A finished trace line for the traffic window; any thread. Shown while that window is visible
    // and the transport the line belongs to is open.
    enum class TraceSource { Usb, Com, Net };
    void PostTrace(TraceSource source, std::string line);
    std::string WideToAnsi(const QString& text) const override;
    void Dispatch(vcl::TMessage& Message) override;
    // A reply frame, handled by the device controller.
    virtual void OnReplyFrame(const BytePacket& frame) { Controller.OnReplyFrame(frame); }
    // A frame that answered no request in flight (UM_RX_FRAME_STRAY): counted, and one of another
    // device drops the candidate of a search.
    void OnStrayFrame(const BytePacket& frame) { Controller.OnStrayFrame(frame); }
    // A transport failure (FMainTeardown.cpp); wParam holds the code, and in its upper 32 bits the
    // reporting transport's source number (0: unnamed). Notices of a transport that is no longer open
    // are ignored.
    void OnCommEvent(vcl::TMessage& Message);
    // The source number of the open transport (serial, else USB, else network); 0 when none is open.
    std::uint32_t OpenTransportSource() const { return Controller.OpenTransportSource(); }
    // What the transports report to and write through; made on first use (user-interface thread).
    LTransportHost* TransportHost();

    // The network client socket lives in the controller (NetworkLink()); these are its entries.
    void PrepareNetwork() override;
    void ClientSocketConnecting(vcl::TClientSocket& Socket);
    void ClientSocketConnect(vcl::TClientSocket& Socket);
    void ClientSocketRead(vcl::TClientSocket& Socket);
    void ClientSocketError(vcl::TClientSocket& Socket, vcl::TErrorEvent ErrorEvent, int& ErrorCode);
    const BytePacket& NetLastFrame() { return Controller.NetworkLink().LastFrame(); }

    // Writes one frame as an output report; set by the USB glue, called on the USB worker thread.
    std::function<void(const std::uint8_t* data, unsigned count)> UsbWriteHandler;

    TJvHidDevice* HidDevice { nullptr };
    std::uint32_t DeviceIp { 0 };
    bool UsbDeviceClaimed() const override { return HidDevice != nullptr; }
    std::uint32_t DeviceAddress() const override { return DeviceIp; }
    void SetDeviceAddress(std::uint32_t ip) override;
    void SetComPortName(const QString& port) override { Controller.SetSerialPort(port); }
    void EnableLinkButton() override;
    void OpenNetworkSetup() override;

private:
    void EnsureLink();
    std::unique_ptr<LTransportHost> LinkHostImpl;
    std::unique_ptr<vcl::TThreadCallQueue> UiCalls;
    friend class MainDeviceView;
    MainDeviceView DeviceView { *this };

public:
    // The device end: the open transport, the reply dispatch and the transfer sequences. Declared
    // after what its transports report to and write through, so it closes them first.
    DeviceController Controller { DeviceView };


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

private:
    // Held while HidDevice changes and while the USB worker writes through it.
    std::mutex UsbDeviceLock;
    std::unique_ptr<TJvHidDeviceController, void (*)(TJvHidDeviceController*)> HidCtlOwner { nullptr, nullptr };

public:
    // --- connection and transfers ---
    // The device controller runs the sequences; the window adds its file dialogs (FMainPresets.cpp),
    // the timers that pace the link (FMainConnect.cpp) and the link button (FMainTeardown.cpp).

    // The text of a SID_ key in the current language.
    QString GetSidText(const QString& key) const override;

    void ConnectCom() override { Controller.ConnectCom(); }
    void ConnectUsb() override { Controller.ConnectUsb(); }
    void ConnectNet() override { Controller.ConnectNet(); }

    void StorePreset(int row, const QString& name) override { Controller.StorePreset(row, name); }
    void RecallPreset(int n) override { Controller.RecallPreset(n); }
    void StartFactoryReset() override { Controller.StartFactoryReset(); }
    void UploadUnit() { Controller.UploadUnit(); }
    // Asks for a whole-unit file and writes its presets into the device.
    void DownloadUnit();
    void SavePresetFile();
    void OpenPresetFile();

    void Disconnect() override { Controller.Disconnect(); }
    void rzbMenuLinkClick(vcl::TObject* Sender);
    // The link button's pressed look (down while online).
    bool LinkButtonDown() const { return MenuLinkDown; }

    void tmStartConnectTimer(vcl::TObject* Sender);
    void tmDisconnectTimer(vcl::TObject* Sender);
    void tmLinkBrokenTimer(vcl::TObject* Sender);
    void tmComScanTimer(vcl::TObject* Sender);
    void tmLockPromptTimer(vcl::TObject* Sender);
    void tmProcessShowTimer(vcl::TObject* Sender);
    void tmUploadTimer(vcl::TObject* Sender);
    void tmInLevelDetTimer(vcl::TObject* Sender);
    // A multi-step transfer (the connect-time upload, a store, recall, reset, whole-unit transfer or
    // preset-file load) that makes no step for ChainWatchMs has stalled: its progress window closes
    // and the link is treated as failed. Each step restarts the watch; the end of a chain stops it.
    void tmChainWatchTimer(vcl::TObject* Sender);
    void ChainStep() override { Controller.ChainStep(); }
    void ChainEnd() { Controller.ChainEnd(); }
    static constexpr unsigned ChainWatchMs = DeviceController::ChainWatchMs;

    // Stand-ins until the block editors exist: the refresh of every control, the meters.
    virtual void RefreshAll();
    virtual void ClearMeters();
    virtual void OnLevelReply(const BytePacket& payload);
    bool SuppressSend { false };

    vcl::TTimer* tmStartConnect { NewLinkTimer(QStringLiteral("tmStartConnect"), 300, &TfmMain::tmStartConnectTimer) };
    vcl::TTimer* tmDisconnect { NewLinkTimer(QStringLiteral("tmDisconnect"), 300, &TfmMain::tmDisconnectTimer) };
    // The device was told to restart (the end of a whole-unit download): once the link is closed,
    // the user is told why the window went off line.
    bool RestartNoticeDue { false };
    vcl::TTimer* tmLinkBroken { NewLinkTimer(QStringLiteral("tmLinkBroken"), 300, &TfmMain::tmLinkBrokenTimer) };
    vcl::TTimer* tmComScan { NewLinkTimer(QStringLiteral("tmComScan"), 1, &TfmMain::tmComScanTimer) };
    vcl::TTimer* tmLockPrompt { NewLinkTimer(QStringLiteral("tmLockPrompt"), 1000, &TfmMain::tmLockPromptTimer) };
    vcl::TTimer* tmProcessShow { NewLinkTimer(QStringLiteral("tmProcessShow"), 100, &TfmMain::tmProcessShowTimer) };
    vcl::TTimer* tmUpload { NewLinkTimer(QStringLiteral("tmUpload"), 300, &TfmMain::tmUploadTimer) };
    bool UploadFileWritten { false }; // tmUpload's next tick resumes the level polls
    vcl::TTimer* tmInLevelDet { NewLinkTimer(QStringLiteral("tmInLevelDet"), 300, &TfmMain::tmInLevelDetTimer) };
    vcl::TTimer* tmChainWatch { NewLinkTimer(QStringLiteral("tmChainWatch"), ChainWatchMs, &TfmMain::tmChainWatchTimer) };

    vcl::TButton* rzbMenuLink { NewLinkButton() };
    vcl::TLabel* lbStatus { NewLinkLabel(QStringLiteral("lbStatus"), false) };
    vcl::TLabel* lbShowIp { NewLinkLabel(QStringLiteral("lbShowIp"), true) };
    vcl::TLabel* lbPstNum { NewLinkLabel(QStringLiteral("lbPstNum"), true) };
    vcl::TLabel* lbPstName { NewLinkLabel(QStringLiteral("lbPstName"), true) };
    vcl::TOpenDialog* odOpenPreset { NewFileDialog<vcl::TOpenDialog>(QStringLiteral("odOpenPreset"), QStringLiteral("*.prs|*.prs")) };
    vcl::TSaveDialog* sdSavePreset { NewFileDialog<vcl::TSaveDialog>(QStringLiteral("sdSavePreset"), QStringLiteral("*.prs|*.prs")) };
    vcl::TOpenDialog* odOpenUnit { NewFileDialog<vcl::TOpenDialog>(QStringLiteral("odOpenUnit"), QStringLiteral("*.unt|*.unt")) };
    vcl::TSaveDialog* sdSaveUnit { NewFileDialog<vcl::TSaveDialog>(QStringLiteral("sdSaveUnit"), QStringLiteral("*.unt|*.unt")) };

private:
    vcl::TTimer* NewLinkTimer(const QString& name, unsigned interval, void (TfmMain::*handler)(vcl::TObject*));
    vcl::TButton* NewLinkButton();
    vcl::TLabel* NewLinkLabel(const QString& name, bool visible);
    template <class Dialog> Dialog* NewFileDialog(const QString& name, const QString& filter);
    // The information dialog with the message of the key and the failed file on a second line.
    void ShowFileFailure(const char* sid, const FileProblem& problem);
    // Closes, deletes and clears the open transport (serial, else USB, else network); false when none was open.
    bool DropOpenTransport() { return Controller.DropOpenTransport(); }

    bool MenuLinkDown { false };

public:
    // --- processing block editors ---
    // (FMainEditors.cpp) The editors are bound to their controls' events themselves; the window keeps
    // the entries the dialogs and the device view call, each passed to its block's editor.

    // The block editors, made once the layout has handed over their controls.
    editors::EditorSet& Editors() { return *m_editors; }
    const editors::EditorSet& Editors() const { return *m_editors; }
    // False once a control an editor works on is gone (the window is closing): the entries then do nothing.
    bool EditorsIntact() const;

    // Link groups and routing.
    int GroupMaskOf(int ch) const;
    void SetLinkMask(int ch, int mask) override;
    void SetMenuCaption(int master, int ch) override;
    void CopyChannel(int src, int dst, bool reread) override;
    void RereadAfterLink() override;
    void ResetChannelPeq(int ch) override;
    void PlaceDelayLine(int ch);

    // The one-shot timers of the editors' deferred redraws (the editors bind them).
    vcl::TTimer* tmEqCurve { NewLinkTimer(QStringLiteral("tmEqCurve"), 1, nullptr) };
    vcl::TTimer* tmHpLpCurve { NewLinkTimer(QStringLiteral("tmHpLpCurve"), 1, nullptr) };
    vcl::TTimer* tmCompDisp { NewLinkTimer(QStringLiteral("tmCompDisp"), 1, nullptr) };
    vcl::TTimer* tmMouseEqCurve { NewLinkTimer(QStringLiteral("tmMouseEqCurve"), 1, nullptr) };

    // Overlays of other channels' totals on the response plots, copied lazily.
    void MarkCurveStale(int ch) { StaleMarks.MarkCurveStale(ch); }
    void RefreshGainPageCurves();
    void RefreshChannelOverlays(int page);
    void ShowOverlayButtons(int ch, bool show) override;
    // Bit j of OverlayStale[k]: the copy of channel j's total on plot k is out of date.
    CurveStaleMarks StaleMarks;
    std::array<std::uint32_t, CurveStaleMarks::PlotCount>& OverlayStale = StaleMarks.OverlayStale;

    // Set only around the refresh inside the window's creation: the transfer curves are not drawn.
    bool StartupRefresh { false };

private:
    // Makes the editors over the controls the layout built and binds them (FMainEditors.cpp).
    void MakeEditors();
    std::unique_ptr<editors::EditorWindow> m_editorWindow;
    std::unique_ptr<editors::EditorSet> m_editors;
};

extern TfmMain* fmMain;
