#pragma once
// What the dialogs ask of the main window and, through it, of the device controller. Dialogs reach
// the window only through these, never through its fields; each is null while no main window exists.

#include <QString>

#include <array>
#include <cstdint>
#include <string>

class LCmd;
class PresetListHost;

// The device end: commands, the link and the preset transfers.
class DeviceAccess
{
public:
    virtual void SendCommand(const LCmd& cmd, int mode, bool framed) = 0;
    virtual int GetDeviceId() const = 0;
    // 1..254; shown beside the link state and used from the next frame on.
    virtual void SetDeviceId(int id) = 0;
    virtual bool IsLinked() const = 0;
    // Set while the window writes its controls from the model: nothing may be sent then.
    virtual bool IsSendSuppressed() const = 0;
    // A multi-step transfer made a step (its stall watch starts again).
    virtual void ChainStep() = 0;
    virtual void Disconnect() = 0;
    virtual void StartFactoryReset() = 0;
    virtual void StorePreset(int row, const QString& name) = 0;
    virtual void RecallPreset(int n) = 0;
    // Where the model writes the preset names it reads from the device.
    virtual void SetPresetListHost(PresetListHost* lists) = 0;
    // The text of a SID_ key in the current language, and a text in the device's 8-bit code.
    virtual QString GetSidText(const QString& key) const = 0;
    virtual std::string WideToAnsi(const QString& text) const = 0;

protected:
    ~DeviceAccess() = default;
};

// The connection search and the network setup.
class ConnectionAccess
{
public:
    virtual bool UsbDeviceClaimed() const = 0;
    // The network candidate's address, first octet in the most significant byte; 0: none.
    virtual std::uint32_t DeviceAddress() const = 0;
    // A new address for the network candidate: the client socket dials it from now on and the window shows it.
    virtual void SetDeviceAddress(std::uint32_t ip) = 0;
    // The serial port the next serial connect opens.
    virtual void SetComPortName(const QString& port) = 0;
    virtual void ConnectUsb() = 0;
    virtual void ConnectNet() = 0;
    virtual void ConnectCom() = 0;
    virtual void PrepareNetwork() = 0;
    virtual void EnableLinkButton() = 0;
    // Opens the network setup dialog as its menu item does.
    virtual void OpenNetworkSetup() = 0;

protected:
    ~ConnectionAccess() = default;
};

// The editing the channel, link, copy, PEQ reset and quit dialogs do on the main window.
class EditingAccess
{
public:
    virtual std::array<std::uint8_t, 8> GetChannelName(int ch) const = 0;
    virtual void SetChannelName(int ch, const char* name) = 0;
    virtual void CopyChannel(int src, int dst, bool reread) = 0;
    virtual int LinkMaskOf(int ch) const = 0;
    virtual void SetLinkMask(int ch, int mask) = 0;
    virtual void SetMenuCaption(int master, int ch) = 0;
    virtual void ShowOverlayButtons(int ch, bool show) = 0;
    virtual void RereadAfterLink() = 0;
    // Performs a click on the Gain page button and leaves it down.
    virtual void ShowGainPage() = 0;
    virtual void ResetChannelPeq(int ch) = 0;
    // The quit dialog's answer; a confirmed one closes the window.
    virtual void ConfirmExit(bool confirmed) = 0;
    virtual bool ExitConfirmed() const = 0;

protected:
    ~EditingAccess() = default;
};

DeviceAccess* MainDevice();
ConnectionAccess* MainConnection();
EditingAccess* MainEditing();
