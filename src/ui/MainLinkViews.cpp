// The other windows as the link handling drives them. Where a window is not there the value is kept here.

#include "ui/MainLinkViews.h"

#include "platform/ui/TLabel.h"
#include "ui/FInformation.h"
#include "ui/FLockPassWord.h"
#include "ui/MainWindowAccess.h"
#include "ui/FNetWorkScan.h"
#include "ui/FProcess.h"
#include "widgets/AdvProgressBar.h"

#include <QTimer>

#include <utility>

namespace {

struct ViewState
{
    int ConnectResult { 0 };
    QString ProgressStatus;
    int ProgressPosition { 0 };
    int ProgressMax { 100 };
    QString InformationText;
    std::uint8_t LockVerdict { 255 };
    bool DeferredShow { false };
};

ViewState& State()
{
    static ViewState state;
    return state;
}

void ShowModalOnce(vcl::TForm* form)
{
    // A window already on screen (or in its own modal loop) is left as it is.
    if (form && !form->Visible() && !form->Modal() && form->Enabled())
        form->ShowModal();
}

void CloseShown(vcl::TForm* form)
{
    if (!form || !form->Visible())
        return;
    if (form->Modal())
        form->SetModalResult(vcl::mrCancel);
    // Off the screen at once: a window shown modally ends its display only when its loop runs
    // again, which a window shown after it (a message, the search) would hold up.
    form->Hide();
}

// A progress display whose loop has not returned yet (its window is already hidden).
bool ProgressLoopPending()
{
    return fmProcess && fmProcess->Modal();
}

} // namespace

namespace LinkViews {

void SearchSetConnectResult(int result)
{
    State().ConnectResult = result;
    if (fmNetwork)
        fmNetwork->SetConnectResult(static_cast<std::uint8_t>(result));
}

int SearchConnectResult()
{
    return fmNetwork ? fmNetwork->ConnectResult : State().ConnectResult;
}

void SearchOnLinkBroken()
{
    State().ConnectResult = 0;
    if (fmNetwork)
        fmNetwork->OnLinkBroken();
    else
        ProgressClose();
}

void SearchStart()
{
    if (fmNetwork)
        fmNetwork->btnOKClick(fmNetwork);
    else if (MainConnection())
        MainConnection()->PrepareNetwork();
}

void SearchSetProgressZero()
{
    if (fmNetwork)
        fmNetwork->ResetProgress();
}

bool SearchVisible()
{
    return fmNetwork && fmNetwork->Visible();
}

void SearchHide()
{
    CloseShown(fmNetwork);
}

void SearchShowModal()
{
    if (!fmNetwork)
        return;
    // Shown once a closed progress display has ended, so it never runs inside that display's loop
    // and the progress window never waits behind it.
    if (ProgressLoopPending()) {
        ProgressClose();
        QTimer::singleShot(10, fmNetwork, [] { SearchShowModal(); });
        return;
    }
    ShowModalOnce(fmNetwork);
}

void ProgressSetStatus(const QString& text)
{
    State().ProgressStatus = text;
    if (fmProcess)
        fmProcess->SetStatusText(text);
}

QString ProgressStatus()
{
    return fmProcess ? fmProcess->StatusText() : State().ProgressStatus;
}

void ProgressSetPosition(int position)
{
    State().ProgressPosition = position;
    if (fmProcess)
        fmProcess->SetPosition(position);
}

int ProgressPosition()
{
    return fmProcess ? fmProcess->BarPosition() : State().ProgressPosition;
}

void ProgressSetMax(int max)
{
    State().ProgressMax = max;
    if (fmProcess)
        fmProcess->SetMax(max);
}

int ProgressMax()
{
    return fmProcess ? fmProcess->Max() : State().ProgressMax;
}

void ProgressShowModal()
{
    ShowModalOnce(fmProcess);
}

void ProgressShow()
{
    if (fmProcess && !fmProcess->Visible())
        fmProcess->Show();
}

void ProgressArmDeferredShow()
{
    State().DeferredShow = true;
}

bool ProgressTakeDeferredShow()
{
    return std::exchange(State().DeferredShow, false);
}

void ProgressClose()
{
    State().DeferredShow = false;
    CloseShown(fmProcess);
}

bool ProgressVisible()
{
    return fmProcess && fmProcess->Visible();
}

void InformationShowModal(const QString& text)
{
    State().InformationText = text;
    if (fmInformation)
        fmInformation->SetMessage(text);
    ShowModalOnce(fmInformation);
}

QString InformationText()
{
    return fmInformation ? fmInformation->Message() : State().InformationText;
}

void LockSetVerdict(std::uint8_t verdict)
{
    State().LockVerdict = verdict;
    if (fmLockPassWord)
        fmLockPassWord->SetVerdict(verdict);
}

std::uint8_t LockVerdict()
{
    return fmLockPassWord ? fmLockPassWord->Verdict : State().LockVerdict;
}

void LockShowModal()
{
    ShowModalOnce(fmLockPassWord);
}

QString IpText(std::uint32_t ip)
{
    return QStringLiteral("%1.%2.%3.%4").arg(ip >> 24).arg((ip >> 16) & 0xFF).arg((ip >> 8) & 0xFF).arg(ip & 0xFF);
}

} // namespace LinkViews
