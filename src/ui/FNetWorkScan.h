#pragma once
// The connection search: the claimed USB device or the network address, then every serial port,
// each tried through the main window's connect routines until one answers with its identity.

#include "platform/ui/TForm.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class TAdvProgressBar;
namespace vcl {
class TButton;
class TComboBox;
class TLabel;
class TTimer;
}

class TfmNetwork : public vcl::TForm
{
public:
    explicit TfmNetwork(vcl::TComponent* owner);
    ~TfmNetwork() override;

    // Prepares the network candidate and starts a search (the link button runs it before showing).
    void btnOKClick(vcl::TObject* Sender);
    void StartScan();
    // 1: the candidate answered its identity; 0: it failed. The next step follows 100 ms later.
    void SetConnectResult(std::uint8_t result);
    // The search stops and offers its buttons again ("SID_LINK_BROKEN"); closes the progress window.
    void OnLinkBroken();
    // The search's line of status text.
    void ShowScanStatus(const QString& text);
    // The search's progress bar back at its start.
    void ResetProgress();
    void btnExitClick(vcl::TObject* Sender);
    void btnIdClick(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);

    void tmRunUsbConnectTimer(vcl::TObject* Sender);
    void tmRunNetConnectTimer(vcl::TObject* Sender);
    void tmRunComConnectTimer(vcl::TObject* Sender);
    void tmConnectTimer(vcl::TObject* Sender);
    void tmWatchDogTimer(vcl::TObject* Sender);
    void tmLinkBrokenTimer(vcl::TObject* Sender);

    // The serial ports the system lists, sorted by their number (what cbCOM holds after a search).
    QStringList SortedPorts() const;
    // Sorts port names by the number in their characters 4 and 5, the way the list is ordered.
    static void SortPortNames(QStringList& names);
    // N: the serial ports plus the fixed candidate.
    int CandidateCount() const;
    bool Searching() const;

    std::uint8_t ConnectResult { 0 };
    int ScanIndex { 0 };
    int FixedCandidates { 0 };

    vcl::TLabel* lblScan { nullptr };
    vcl::TLabel* lblDeviceID { nullptr };
    TAdvProgressBar* pbScan { nullptr };
    vcl::TComboBox* cbCOM { nullptr };
    vcl::TButton* btnOK { nullptr };
    vcl::TButton* btnId { nullptr };
    vcl::TButton* btnExit { nullptr };

    vcl::TTimer* tmRunUsbConnect { nullptr };
    vcl::TTimer* tmRunNetConnect { nullptr };
    vcl::TTimer* tmRunComConnect { nullptr };
    vcl::TTimer* tmConnect { nullptr };
    vcl::TTimer* tmWatchDog { nullptr };
    vcl::TTimer* tmLinkBroken { nullptr };

private:
    void ScanCandidates();
    void ListSerialPorts();
    void ArmWatchDog(unsigned ms);
    void SetButtonsEnabled(bool enabled);
    void ShowCounter();
    vcl::TTimer* NewTimer(const QString& name, unsigned interval, void (TfmNetwork::*handler)(vcl::TObject*));
};

extern TfmNetwork* fmNetwork;

// The text of a SID_ key through the main window; the English texts of the search, setup and progress
// windows stand in while the main window's look-up does not hold them yet.
QString DialogText(const char* key);
