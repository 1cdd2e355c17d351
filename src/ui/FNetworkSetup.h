#pragma once
// Sets the device ID that every command carries and the IPv4 address of the network candidate.

#include "platform/ui/TForm.h"

#include <QString>

#include <array>

namespace vcl {
class TButton;
class TEdit;
class TGroupBox;
class TLabel;
}

class TfmNetworkSetup : public vcl::TForm
{
public:
    explicit TfmNetworkSetup(vcl::TComponent* owner);
    ~TfmNetworkSetup() override;

    // "%d.%d.%d.%d" of the main window's DeviceIp, first octet from the most significant byte.
    static QString IpText();

    void FormShow(vcl::TObject* Sender);
    // Applies the ID (1..250) and, while not linked, the address; closes when either was applied.
    void bnSetClick(vcl::TObject* Sender);
    void bnExitClick(vcl::TObject* Sender);

    void edIp1Enter(vcl::TObject* Sender);
    void edIp1MouseDown(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y);
    void edIp1Exit(vcl::TObject* Sender);
    void edIp1KeyPress(vcl::TObject* Sender, char16_t& Key);
    void edIdEnter(vcl::TObject* Sender);
    void edIdMouseDown(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y);
    void edIdExit(vcl::TObject* Sender);
    void edIdKeyPress(vcl::TObject* Sender, char16_t& Key);

    vcl::TGroupBox* gbIdSetting { nullptr };
    vcl::TLabel* lbMessage { nullptr };
    vcl::TEdit* edId { nullptr };
    vcl::TGroupBox* gbIpSetting { nullptr };
    std::array<vcl::TEdit*, 4> edIp {}; // edIp1 .. edIp4
    vcl::TButton* bnSet { nullptr };
    vcl::TButton* bnExit { nullptr };

public:
    // Locked entries (while online) are disabled and greyed; unlocked ones take input.
    void LockEntries(bool locked);

private:
    // Clamps the edit's value into lo..hi (hi only for octets); true when the text changed.
    static bool ClampEdit(vcl::TEdit* edit, int lo, int hi, bool clampLow);
    void ShowDeviceId();
};

extern TfmNetworkSetup* fmNetworkSetup;
