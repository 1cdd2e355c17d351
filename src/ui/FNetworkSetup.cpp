#include "ui/FNetworkSetup.h"

#include "platform/core/NumberUtils.h"
#include "platform/core/SoftAssert.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "ui/FInformation.h"
#include "ui/MainLinkViews.h"
#include "ui/MainWindowAccess.h"
#include "ui/FNetWorkScan.h"

#include <QApplication>
#include <QWindow>

#include <algorithm>

TfmNetworkSetup* fmNetworkSetup = nullptr;

namespace {

constexpr int MaxDialogId = 250; // narrower than the device's 1..254
constexpr char16_t KeyEnter = u'\r';
constexpr char16_t KeyBackspace = u'\b';


vcl::TEdit* NewNumberEdit(TfmNetworkSetup* form, vcl::TWinControl* parent, const QString& name, int left, int top)
{
    auto* e = new vcl::TEdit(form);
    e->SetName(name);
    e->SetParent(parent);
    e->SetBounds(left, top, 40, 22);
    e->SetMaxLength(3);
    return e;
}

// The dialog belongs to the window it is opened from: it stays in front of it, also of one that
// keeps itself above the other windows (the connection search).
void KeepInFrontOf(QWidget* dialog, QWidget* owner)
{
    const bool ownerOnTop = owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != ownerOnTop)
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, ownerOnTop);
    (void)dialog->winId(); // the native window, to carry its owner
    if (QWindow* window = dialog->windowHandle())
        window->setTransientParent(owner ? owner->windowHandle() : nullptr);
}

} // namespace

TfmNetworkSetup::TfmNetworkSetup(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmNetworkSetup"));
    SetBounds(0, 0, 300, 230);  // before the border style fixes the size
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmNetworkSetup::FormShow);

    gbIdSetting = new vcl::TGroupBox(this);
    gbIdSetting->SetName(QStringLiteral("gbIdSetting"));
    gbIdSetting->SetParent(this);
    gbIdSetting->SetBounds(12, 8, 276, 60);

    lbMessage = new vcl::TLabel(this);
    lbMessage->SetName(QStringLiteral("lbMessage"));
    lbMessage->SetParent(gbIdSetting);
    lbMessage->SetBounds(16, 26, 80, 16);

    edId = NewNumberEdit(this, gbIdSetting, QStringLiteral("edId"), 110, 22);
    edId->SetText(QStringLiteral("1"));
    edId->OnEnter = vcl::Method(this, &TfmNetworkSetup::edIdEnter);
    edId->OnMouseDown = vcl::Method(this, &TfmNetworkSetup::edIdMouseDown);
    edId->OnExit = vcl::Method(this, &TfmNetworkSetup::edIdExit);
    edId->OnKeyPress = vcl::Method(this, &TfmNetworkSetup::edIdKeyPress);

    gbIpSetting = new vcl::TGroupBox(this);
    gbIpSetting->SetName(QStringLiteral("gbIpSetting"));
    gbIpSetting->SetParent(this);
    gbIpSetting->SetBounds(12, 76, 276, 60);

    for (int i = 0; i < 4; ++i) {
        auto* e = NewNumberEdit(this, gbIpSetting, QStringLiteral("edIp%1").arg(i + 1), 16 + i * 64, 24);
        e->OnEnter = vcl::Method(this, &TfmNetworkSetup::edIp1Enter);
        e->OnMouseDown = vcl::Method(this, &TfmNetworkSetup::edIp1MouseDown);
        e->OnExit = vcl::Method(this, &TfmNetworkSetup::edIp1Exit);
        e->OnKeyPress = vcl::Method(this, &TfmNetworkSetup::edIp1KeyPress);
        edIp[i] = e;
        if (i < 3) {
            auto* dot = new vcl::TLabel(this);
            dot->SetParent(gbIpSetting);
            dot->SetBounds(16 + i * 64 + 48, 28, 8, 16);
            dot->SetCaption(QStringLiteral("."));
        }
    }

    bnSet = new vcl::TButton(this);
    bnSet->SetName(QStringLiteral("bnSet"));
    bnSet->SetParent(this);
    bnSet->SetBounds(40, 150, 96, 32);
    bnSet->OnClick = vcl::Method(this, &TfmNetworkSetup::bnSetClick);

    bnExit = new vcl::TButton(this);
    bnExit->SetName(QStringLiteral("bnExit"));
    bnExit->SetParent(this);
    bnExit->SetBounds(164, 150, 96, 32);
    bnExit->OnClick = vcl::Method(this, &TfmNetworkSetup::bnExitClick);
}

TfmNetworkSetup::~TfmNetworkSetup()
{
    BeforeDestruction();
    if (fmNetworkSetup == this) // nothing reaches a window that is gone
        fmNetworkSetup = nullptr;
}

QString TfmNetworkSetup::IpText()
{
    return LinkViews::IpText(MainConnection() ? MainConnection()->DeviceAddress() : 0);
}

void TfmNetworkSetup::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    KeepInFrontOf(this, owner != this ? owner : nullptr);
    const std::uint32_t ip = MainConnection() ? MainConnection()->DeviceAddress() : 0;
    for (int i = 0; i < 4; ++i)
        edIp[i]->SetText(QString::number((ip >> (24 - 8 * i)) & 0xFF));
    SetCaption(DialogText("SID_SET_NETWORK"));
    gbIdSetting->SetCaption(DialogText("SID_INPUT_ID"));
    lbMessage->SetCaption(DialogText("SID_NUMBER"));
    gbIpSetting->SetCaption(DialogText("SID_IP_ADDRESS"));
    bnSet->SetCaption(DialogText("SID_SET"));
    bnExit->SetCaption(DialogText("SID_EXIT"));
}

void TfmNetworkSetup::ShowDeviceId()
{
    edId->SetText(QString::number(MainDevice() ? MainDevice()->GetDeviceId() : 1));
}

void TfmNetworkSetup::LockEntries(bool locked)
{
    const vcl::TColor background = locked ? vcl::RGB(192, 192, 192) : vcl::clWindow;
    gbIpSetting->SetEnabled(!locked);
    for (auto* edit : edIp) {
        edit->SetEnabled(!locked);
        edit->SetColor(background);
    }
    edId->SetEnabled(!locked);
    edId->SetColor(background);
}

void TfmNetworkSetup::bnSetClick(vcl::TObject* Sender)
{
    (void)Sender;
    DeviceAccess* device = MainDevice();
    ConnectionAccess* connection = MainConnection();
    if (!device || !connection)
        return;
    bool applied = false;
    // An empty or unreadable number is as invalid as one out of range.
    int id = 0;
    if (!vcl::TryStrToInt(edId->Text(), id))
        id = 0;
    if (id < 1 || id > MaxDialogId) {
        if (fmInformation) {
            fmInformation->SetMessage(DialogText("SID_ID_NUMBER_ERROR"));
            fmInformation->ShowModal();
        }
        ShowDeviceId();
    } else {
        device->SetDeviceId(id);
        applied = true;
    }

    if (!device->IsLinked()) {
        std::uint32_t ip = 0;
        for (int i = 0; i < 4; ++i) {
            // An empty octet is 0; one over 255 is taken as 255.
            int octet = 0;
            if (!vcl::TryStrToInt(edIp[i]->Text(), octet))
                octet = 0;
            ip = (ip << 8) | static_cast<std::uint32_t>(std::clamp(octet, 0, 255));
        }
        connection->SetDeviceAddress(ip);
        applied = true;
    }
    if (applied)
        Close();
}

void TfmNetworkSetup::bnExitClick(vcl::TObject* Sender)
{
    (void)Sender;
    ShowDeviceId();
    Close();
}

bool TfmNetworkSetup::ClampEdit(vcl::TEdit* edit, int lo, int hi, bool clampLow)
{
    int value = 0;
    if (!vcl::TryStrToInt(edit->Text(), value))
        return false; // nothing to correct yet; Set reports an unreadable number
    QString corrected;
    if (value > hi)
        corrected = QString::number(hi);
    else if (clampLow && value < lo)
        corrected = QString::number(lo);
    if (corrected.isEmpty())
        return false;
    edit->SetText(corrected);
    return true;
}

void TfmNetworkSetup::edIp1Enter(vcl::TObject* Sender)
{
    if (auto* e = dynamic_cast<vcl::TEdit*>(Sender))
        e->SelectAll();
}

void TfmNetworkSetup::edIp1MouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    edIp1Enter(Sender);
}

void TfmNetworkSetup::edIp1Exit(vcl::TObject* Sender)
{
    if (auto* e = dynamic_cast<vcl::TEdit*>(Sender))
        if (ClampEdit(e, 0, 255, false))
            e->SelectAll();
}

void TfmNetworkSetup::edIp1KeyPress(vcl::TObject* Sender, char16_t& Key)
{
    auto* e = dynamic_cast<vcl::TEdit*>(Sender);
    if (!ZQ9_EXPECT(e))
        return;
    if (Key == KeyEnter) {
        ClampEdit(e, 0, 255, false);
        e->SelectAll();
        Key = 0;
        return;
    }
    if (Key != KeyBackspace && (Key < u'0' || Key > u'9'))
        Key = 0; // digits only
}

void TfmNetworkSetup::edIdEnter(vcl::TObject* Sender)
{
    edIp1Enter(Sender);
}

void TfmNetworkSetup::edIdMouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    edIp1Enter(Sender);
}

void TfmNetworkSetup::edIdExit(vcl::TObject* Sender)
{
    (void)Sender;
    if (ClampEdit(edId, 1, MaxDialogId, true))
        edId->SelectAll();
}

void TfmNetworkSetup::edIdKeyPress(vcl::TObject* Sender, char16_t& Key)
{
    (void)Sender;
    if (Key == KeyEnter) {
        ClampEdit(edId, 1, MaxDialogId, true);
        edId->SelectAll();
        Key = 0;
        return;
    }
    if (Key != KeyBackspace && (Key < u'0' || Key > u'9'))
        Key = 0;
}
