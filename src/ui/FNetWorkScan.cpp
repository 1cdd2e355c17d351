#include "ui/FNetWorkScan.h"

#include "platform/os/SerialPortList.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TTimer.h"
#include "ui/MainWindowAccess.h"
#include "ui/FProcess.h"
#include "ui/MainLinkViews.h"
#include "widgets/AdvProgressBar.h"

#include <QHash>

#include <climits>

TfmNetwork* fmNetwork = nullptr;

namespace {

constexpr unsigned UsbWatchDogMs = 6000;
constexpr unsigned NetWatchDogMs = 2000;
constexpr unsigned ComWatchDogMs = 10000;


// The number a port name ends in ("COM3" 3, "COM10" 10, "COM123" 123); a name without one sorts
// after every numbered one instead of stopping the search.
int PortNumber(const QString& name)
{
    int start = static_cast<int>(name.size());
    while (start > 0 && name[start - 1].isDigit())
        --start;
    bool ok = false;
    const int n = name.mid(start, 9).toInt(&ok);
    return ok ? n : INT_MAX;
}

} // namespace

QString DialogText(const char* key)
{
    static const QHash<QString, QString> english = {
        { QStringLiteral("SID_CONNECT"), QStringLiteral("Connect") },
        { QStringLiteral("SID_START_SCAN"), QStringLiteral("Scaning") },
        { QStringLiteral("SID_SET"), QStringLiteral("Set") },
        { QStringLiteral("SID_DEMO"), QStringLiteral("Demo") },
        { QStringLiteral("SID_SCAN_USB"), QStringLiteral("Scan USB") },
        { QStringLiteral("SID_SCAN_NET"), QStringLiteral("Scan Ethernet") },
        { QStringLiteral("SID_SCAN"), QStringLiteral("Scaning") },
        { QStringLiteral("SID_NO_DEVICE"), QStringLiteral("No Device found.") },
        { QStringLiteral("SID_LINK_BROKEN"), QStringLiteral("Link Broken") },
        { QStringLiteral("SID_SET_NETWORK"), QStringLiteral("Setting ID/IP") },
        { QStringLiteral("SID_INPUT_ID"), QStringLiteral(" Input ID Number") },
        { QStringLiteral("SID_NUMBER"), QStringLiteral("Number :") },
        { QStringLiteral("SID_IP_ADDRESS"), QStringLiteral(" Input IP Address") },
        { QStringLiteral("SID_EXIT"), QStringLiteral("Exit") },
        { QStringLiteral("SID_ID_NUMBER_ERROR"), QStringLiteral("ID Setting Error") },
        { QStringLiteral("SID_PROCESS"), QStringLiteral("Process") },
    };
    const QString k = QString::fromLatin1(key);
    QString text = MainDevice() ? MainDevice()->GetSidText(k) : QString();
    if (text.isEmpty())
        text = english.value(k);
    return text;
}

TfmNetwork::TfmNetwork(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmNetwork"));
    SetBounds(0, 0, 360, 170);  // before the border style fixes the size
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    OnShow = vcl::Method(this, &TfmNetwork::FormShow);

    lblScan = new vcl::TLabel(this);
    lblScan->SetName(QStringLiteral("lblScan"));
    lblScan->SetParent(this);
    lblScan->SetAutoSize(false);
    lblScan->SetBounds(16, 16, 328, 20);
    lblScan->SetCaption(QString());

    lblDeviceID = new vcl::TLabel(this);
    lblDeviceID->SetName(QStringLiteral("lblDeviceID"));
    lblDeviceID->SetParent(this);
    lblDeviceID->SetAutoSize(false);
    lblDeviceID->SetAlignment(vcl::TAlignment::taRightJustify);
    lblDeviceID->SetBounds(264, 40, 80, 20);
    lblDeviceID->SetCaption(QString());

    pbScan = new TAdvProgressBar(this);
    pbScan->SetName(QStringLiteral("pbScan"));
    pbScan->SetParent(this);
    pbScan->SetBounds(16, 64, 328, 24);
    pbScan->SetShowPercentage(false);
    pbScan->SetShowPosition(false);
    pbScan->SetPosition(0);

    cbCOM = new vcl::TComboBox(this);
    cbCOM->SetName(QStringLiteral("cbCOM"));
    cbCOM->SetParent(this);
    cbCOM->SetVisible(false);

    auto button = [this](const char* name, int left, void (TfmNetwork::*handler)(vcl::TObject*)) {
        auto* b = new vcl::TButton(this);
        b->SetName(QString::fromLatin1(name));
        b->SetParent(this);
        b->SetBounds(left, 112, 100, 32);
        b->OnClick = vcl::Method(this, handler);
        return b;
    };
    btnOK = button("btnOK", 16, &TfmNetwork::btnOKClick);
    btnId = button("btnId", 130, &TfmNetwork::btnIdClick);
    btnExit = button("btnExit", 244, &TfmNetwork::btnExitClick);

    tmRunUsbConnect = NewTimer(QStringLiteral("tmRunUsbConnect"), 100, &TfmNetwork::tmRunUsbConnectTimer);
    tmRunNetConnect = NewTimer(QStringLiteral("tmRunNetConnect"), 100, &TfmNetwork::tmRunNetConnectTimer);
    tmRunComConnect = NewTimer(QStringLiteral("tmRunComConnect"), 100, &TfmNetwork::tmRunComConnectTimer);
    tmConnect = NewTimer(QStringLiteral("tmConnect"), 100, &TfmNetwork::tmConnectTimer);
    tmWatchDog = NewTimer(QStringLiteral("tmWatchDog"), ComWatchDogMs, &TfmNetwork::tmWatchDogTimer);
    tmLinkBroken = NewTimer(QStringLiteral("tmLinkBroken"), 100, &TfmNetwork::tmLinkBrokenTimer);
}

TfmNetwork::~TfmNetwork()
{
    BeforeDestruction();
    if (fmNetwork == this) // nothing reaches a window that is gone
        fmNetwork = nullptr;
}

vcl::TTimer* TfmNetwork::NewTimer(const QString& name, unsigned interval, void (TfmNetwork::*handler)(vcl::TObject*))
{
    auto* t = new vcl::TTimer(this);
    t->SetName(name);
    t->SetEnabled(false);
    t->SetInterval(interval);
    t->OnTimer = vcl::Method(this, handler);
    return t;
}

void TfmNetwork::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(DialogText("SID_CONNECT"));
    btnOK->SetCaption(DialogText("SID_START_SCAN"));
    btnId->SetCaption(DialogText("SID_SET"));
    btnExit->SetCaption(DialogText("SID_DEMO"));
}

void TfmNetwork::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (ConnectionAccess* connection = MainConnection())
        connection->PrepareNetwork();
    StartScan();
}

void TfmNetwork::StartScan()
{
    // A result left from an earlier search (a link since ended) must not end this one at once.
    ConnectResult = 0;
    tmConnect->SetEnabled(false);
    FixedCandidates = 0;
    SetButtonsEnabled(false);
    ScanCandidates();
}

void TfmNetwork::SetButtonsEnabled(bool enabled)
{
    btnOK->SetEnabled(enabled);
    btnId->SetEnabled(enabled);
    btnExit->SetEnabled(enabled);
}

bool TfmNetwork::Searching() const
{
    return !btnOK->Enabled();
}

void TfmNetwork::SortPortNames(QStringList& names)
{
    // Each name moves towards the front past every name with a larger number, as it is appended.
    for (int i = 1; i < names.size(); ++i)
        for (int j = i; j > 0 && PortNumber(names[j]) < PortNumber(names[j - 1]); --j)
            names.swapItemsAt(j, j - 1);
}

void TfmNetwork::ListSerialPorts()
{
    QStringList names;
    for (const auto& port : vcl::ListSerialPorts())
        names.append(QString::fromStdString(port.Name));
    SortPortNames(names);
    cbCOM->Items()->Clear();
    for (const auto& name : names)
        cbCOM->Items()->Add(name);
    if (!names.isEmpty())
        cbCOM->SetItemIndex(0);
}

QStringList TfmNetwork::SortedPorts() const
{
    QStringList names;
    for (int i = 0; i < cbCOM->Items()->Count(); ++i)
        names.append(cbCOM->Items()->Strings(i));
    return names;
}

int TfmNetwork::CandidateCount() const
{
    return cbCOM->Items()->Count() + FixedCandidates;
}

void TfmNetwork::ShowCounter()
{
    lblDeviceID->SetCaption(QString::number(ScanIndex) + QLatin1Char('/') + QString::number(CandidateCount()));
}

void TfmNetwork::ArmWatchDog(unsigned ms)
{
    // A watchdog still running with the same interval keeps its first expiry.
    tmWatchDog->SetInterval(ms);
    tmWatchDog->SetEnabled(true);
}

void TfmNetwork::ScanCandidates()
{
    ListSerialPorts();
    const ConnectionAccess* connection = MainConnection();
    const bool usb = connection && connection->UsbDeviceClaimed();
    const bool net = !usb && connection && connection->DeviceAddress() != 0;
    FixedCandidates = (usb || net) ? 1 : 0;
    const int n = CandidateCount();

    if (n == 0) {
        tmWatchDog->SetEnabled(false);
        pbScan->SetPosition(pbScan->Max());
        lblScan->SetCaption(DialogText("SID_NO_DEVICE"));
        lblDeviceID->SetCaption(QString());
        tmConnect->SetEnabled(true);
        return;
    }
    ScanIndex = 1;
    ShowCounter();
    pbScan->SetMax(n);
    pbScan->SetPosition(1);
    if (usb) {
        lblScan->SetCaption(DialogText("SID_SCAN_USB"));
        ArmWatchDog(UsbWatchDogMs);
        tmRunUsbConnect->SetEnabled(true);
    } else if (net) {
        lblScan->SetCaption(DialogText("SID_SCAN_NET"));
        ArmWatchDog(NetWatchDogMs);
        tmRunNetConnect->SetEnabled(true);
    } else {
        const QString port = cbCOM->Items()->Strings(0);
        lblScan->SetCaption(DialogText("SID_SCAN") + port + QStringLiteral(" ......"));
        if (ConnectionAccess* candidate = MainConnection())
            candidate->SetComPortName(port);
        ArmWatchDog(ComWatchDogMs);
        tmRunComConnect->SetEnabled(true);
    }
}

void TfmNetwork::SetConnectResult(std::uint8_t result)
{
    ConnectResult = result;
    tmConnect->SetEnabled(true);
}

void TfmNetwork::OnLinkBroken()
{
    ConnectResult = 0;
    tmLinkBroken->SetEnabled(true);
    LinkViews::ProgressClose(); // also one still waiting for its delayed display
}

void TfmNetwork::ShowScanStatus(const QString& text)
{
    lblScan->SetCaption(text);
}

void TfmNetwork::ResetProgress()
{
    if (pbScan)
        pbScan->SetPosition(0);
}

void TfmNetwork::tmRunUsbConnectTimer(vcl::TObject* Sender)
{
    (void)Sender;
    tmRunUsbConnect->SetEnabled(false);
    if (ConnectionAccess* connection = MainConnection())
        connection->ConnectUsb();
}

void TfmNetwork::tmRunNetConnectTimer(vcl::TObject* Sender)
{
    (void)Sender;
    tmRunNetConnect->SetEnabled(false);
    if (ConnectionAccess* connection = MainConnection())
        connection->ConnectNet();
}

void TfmNetwork::tmRunComConnectTimer(vcl::TObject* Sender)
{
    (void)Sender;
    tmRunComConnect->SetEnabled(false);
    if (ConnectionAccess* connection = MainConnection())
        connection->ConnectCom();
}

void TfmNetwork::tmWatchDogTimer(vcl::TObject* Sender)
{
    (void)Sender;
    tmWatchDog->SetEnabled(false);
    tmConnect->SetEnabled(true);
}

void TfmNetwork::tmConnectTimer(vcl::TObject* Sender)
{
    (void)Sender;
    tmConnect->SetEnabled(false);
    if (ConnectResult == 1) {
        // Found: the watchdog must not move a search on that is over.
        tmWatchDog->SetEnabled(false);
        Close();
        return;
    }
    if (DeviceAccess* device = MainDevice())
        device->Disconnect();
    const int n = CandidateCount();
    if (ScanIndex >= n) {
        tmWatchDog->SetEnabled(false);
        SetButtonsEnabled(true);
        pbScan->SetPosition(pbScan->Max());
        lblScan->SetCaption(DialogText("SID_NO_DEVICE"));
        lblDeviceID->SetCaption(QString());
        return;
    }
    ++ScanIndex;
    pbScan->SetPosition(ScanIndex);
    ShowCounter();
    const int k = ScanIndex - FixedCandidates; // 1-based among the sorted ports
    const QString port = cbCOM->Items()->Strings(k - 1);
    lblScan->SetCaption(DialogText("SID_SCAN") + port + QStringLiteral(" ......"));
    if (ConnectionAccess* connection = MainConnection())
        connection->SetComPortName(port);
    ArmWatchDog(ComWatchDogMs);
    tmRunComConnect->SetEnabled(true);
}

void TfmNetwork::tmLinkBrokenTimer(vcl::TObject* Sender)
{
    (void)Sender;
    tmLinkBroken->SetEnabled(false);
    SetButtonsEnabled(true);
    lblScan->SetCaption(DialogText("SID_LINK_BROKEN"));
    lblDeviceID->SetCaption(QString());
}

void TfmNetwork::btnExitClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (ConnectionAccess* connection = MainConnection())
        connection->EnableLinkButton();
    Close();
}

void TfmNetwork::btnIdClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (ConnectionAccess* connection = MainConnection())
        connection->OpenNetworkSetup();
}
