// The controls and timers of the main window's link handling, and the timers that pace the connect
// sequence the device controller runs.

#include "ui/FMain.h"

#include "controller/AckState.h"
#include "ui/MainLinkViews.h"
#include "ui/Skin.h"


// --- the controls and timers of the link handling ---

vcl::TTimer* TfmMain::NewLinkTimer(const QString& name, unsigned interval, void (TfmMain::*handler)(vcl::TObject*))
{
    auto* timer = new vcl::TTimer(this);
    timer->SetEnabled(false);
    timer->SetName(name);
    timer->SetInterval(interval);
    if (handler)
        timer->OnTimer = [this, handler](vcl::TObject* sender) { (this->*handler)(sender); };
    return timer;
}

vcl::TButton* TfmMain::NewLinkButton()
{
    auto* button = new vcl::TButton(this);
    button->SetName(QStringLiteral("rzbMenuLink"));
    button->SetParent(this);
    button->SetCaption(QStringLiteral("OffLine"));
    skin::ShowLinkState(*button, false);
    button->OnClick = [this](vcl::TObject* sender) { rzbMenuLinkClick(sender); };
    return button;
}

vcl::TLabel* TfmMain::NewLinkLabel(const QString& name, bool visible)
{
    auto* label = new vcl::TLabel(this);
    label->SetName(name);
    label->SetParent(this);
    label->SetVisible(visible);
    return label;
}

template <class Dialog>
Dialog* TfmMain::NewFileDialog(const QString& name, const QString& filter)
{
    auto* dialog = new Dialog(this);
    dialog->SetName(name);
    dialog->SetFilter(filter);
    if constexpr (std::is_same_v<Dialog, vcl::TSaveDialog>) {
        auto options = dialog->Options();
        options << vcl::TOpenOption::ofOverwritePrompt;
        dialog->SetOptions(options);
    }
    return dialog;
}

template vcl::TOpenDialog* TfmMain::NewFileDialog<vcl::TOpenDialog>(const QString&, const QString&);
template vcl::TSaveDialog* TfmMain::NewFileDialog<vcl::TSaveDialog>(const QString&, const QString&);

// --- the timers of the connect sequence ---

void TfmMain::tmLockPromptTimer(vcl::TObject*)
{
    tmLockPrompt->SetEnabled(false);
    if (Controller.PendingAck() == ACK_LOCK_PASSWORD)
        LinkViews::LockShowModal();
}

void TfmMain::tmProcessShowTimer(vcl::TObject*)
{
    tmProcessShow->SetEnabled(false);
    if (LinkViews::ProgressTakeDeferredShow())
        LinkViews::ProgressShowModal();
}

void TfmMain::tmInLevelDetTimer(vcl::TObject*)
{
    Controller.PollLevels();
}
