#include "ui/MainDeviceView.h"

#include "device/Constants.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "transport/hid/TJvHidDeviceController.h"
#include "ui/FMain.h"
#include "ui/FNetWorkScan.h"
#include "ui/MainLinkViews.h"
#include "ui/Skin.h"

#include <QTimer>

namespace {

vcl::TTimer* TimerOf(TfmMain& form, DeviceControllerView::Timer timer)
{
    using Timer = DeviceControllerView::Timer;
    switch (timer) {
    case Timer::ChainWatch:
        return form.tmChainWatch;
    case Timer::LevelPoll:
        return form.tmInLevelDet;
    case Timer::LockPrompt:
        return form.tmLockPrompt;
    case Timer::ProgressShow:
        return form.tmProcessShow;
    case Timer::UnitSave:
        return form.tmUpload;
    case Timer::Disconnect:
        return form.tmDisconnect;
    case Timer::CandidateScan:
        return form.tmComScan;
    }
    return nullptr;
}

} // namespace

LTransportHost* MainDeviceView::TransportHost()
{
    return Form.TransportHost();
}

QString MainDeviceView::Text(const QString& key) const
{
    return Form.GetSidText(key);
}

void MainDeviceView::StartTimer(Timer timer)
{
    vcl::TTimer* t = TimerOf(Form, timer);
    // A running watch starts over: each step of a transfer gives the next one its full time.
    if (timer == Timer::ChainWatch)
        t->SetEnabled(false);
    // The controller asks for the delayed disconnect only once it has told the device to restart.
    if (timer == Timer::Disconnect)
        Form.RestartNoticeDue = true;
    t->SetEnabled(true);
}

void MainDeviceView::StopTimer(Timer timer)
{
    TimerOf(Form, timer)->SetEnabled(false);
    if (timer == Timer::UnitSave)
        Form.UploadFileWritten = false;
}

void MainDeviceView::ShowOnline(Route route)
{
    Form.rzbMenuLink->SetCaption(Form.GetSidText(QStringLiteral("SID_ONLINE")));
    skin::ShowLinkState(*Form.rzbMenuLink, true);
    if (route == Route::Com)
        Form.lbShowIp->SetCaption(Form.Controller.SerialPort());
    else if (route == Route::Usb)
        Form.lbShowIp->SetCaption(QStringLiteral("USB"));
    else
        Form.lbShowIp->SetCaption(QStringLiteral("IP : ") + LinkViews::IpText(Form.DeviceIp));
    Form.MenuLinkDown = true;
}

void MainDeviceView::ShowLinkReady()
{
    Form.rzbMenuLink->SetEnabled(true);
    Form.MenuLinkDown = true;
}

void MainDeviceView::ShowNetworkScanStatus(const QString& text)
{
    if (fmNetwork)
        fmNetwork->ShowScanStatus(text);
}

void MainDeviceView::TraceNetwork(const std::string& line)
{
    Form.PostTrace(TfmMain::TraceSource::Net, line);
}

void MainDeviceView::ShowOffline()
{
    if (Form.HidCtl)
        Form.HidCtl->DeviceChange();
    Form.rzbMenuLink->SetCaption(Form.GetSidText(QStringLiteral("SID_OFFLINE")));
    skin::ShowLinkState(*Form.rzbMenuLink, false);
    Form.SetCaption(QString::fromStdString(APP_TITLE + " " + APP_VERSION));
    Form.lbShowIp->SetCaption(QStringLiteral("Disconnected"));
    Form.rzbMenuLink->SetEnabled(true);
    Form.MenuLinkDown = false;
}

void MainDeviceView::ShowStoredPreset(int number, const QString& name)
{
    Form.lbPstNum->SetCaption(QStringLiteral("U%1").arg(number, 2, 10, QLatin1Char('0')));
    Form.lbPstName->SetCaption(name);
}

void MainDeviceView::RefreshFromModel()
{
    Form.SuppressSend = true;
    Form.RefreshAll();
    Form.SuppressSend = false;
}

void MainDeviceView::ClearMeters()
{
    Form.ClearMeters();
}

void MainDeviceView::ShowLevels(const BytePacket& payload)
{
    Form.OnLevelReply(payload);
}

void MainDeviceView::SetInputEnabled(bool enabled)
{
    Form.SetEnabled(enabled);
    // A hidden or minimised window cannot take the focus; what follows must still happen.
    if (enabled && Form.CanFocus())
        Form.SetFocus();
}

void MainDeviceView::ReportShortReply(const QString& text)
{
    // Reported as the application reports any failure, but only after the reply's handling has
    // returned: a message box must not hold the transport's delivery. A transfer cannot go on
    // after it, so its progress window goes first.
    LinkViews::ProgressClose();
    QTimer::singleShot(0, &Form, [form = &Form, text] {
        try {
            throw vcl::ERangeError(text);
        } catch (...) {
            if (vcl::Application)
                vcl::Application->HandleException(form);
        }
    });
}

void MainDeviceView::RefuseDevice(const QString& text)
{
    // The message waits for the user, so it is shown once this reply's handling has returned.
    QTimer::singleShot(0, &Form, [form = &Form, text] {
        LinkViews::InformationShowModal(text);
        form->tmDisconnect->SetEnabled(true);
    });
}

void MainDeviceView::SearchSetConnectResult(int result) { LinkViews::SearchSetConnectResult(result); }
int MainDeviceView::SearchConnectResult() const { return LinkViews::SearchConnectResult(); }
void MainDeviceView::SearchOnLinkBroken() { LinkViews::SearchOnLinkBroken(); }
void MainDeviceView::SearchSetProgressZero() { LinkViews::SearchSetProgressZero(); }
void MainDeviceView::SearchShowModal() { LinkViews::SearchShowModal(); }
void MainDeviceView::SearchHide() { LinkViews::SearchHide(); }
bool MainDeviceView::SearchVisible() const { return LinkViews::SearchVisible(); }

void MainDeviceView::ProgressSetStatus(const QString& text) { LinkViews::ProgressSetStatus(text); }
void MainDeviceView::ProgressSetPosition(int position) { LinkViews::ProgressSetPosition(position); }
int MainDeviceView::ProgressPosition() const { return LinkViews::ProgressPosition(); }
void MainDeviceView::ProgressSetMax(int max) { LinkViews::ProgressSetMax(max); }
int MainDeviceView::ProgressMax() const { return LinkViews::ProgressMax(); }
void MainDeviceView::ProgressShowModal() { LinkViews::ProgressShowModal(); }
void MainDeviceView::ProgressShow() { LinkViews::ProgressShow(); }
void MainDeviceView::ProgressArmDeferredShow() { LinkViews::ProgressArmDeferredShow(); }
void MainDeviceView::ProgressClose() { LinkViews::ProgressClose(); }

void MainDeviceView::ShowInformation(const QString& text) { LinkViews::InformationShowModal(text); }
void MainDeviceView::SetLockVerdict(std::uint8_t verdict) { LinkViews::LockSetVerdict(verdict); }
