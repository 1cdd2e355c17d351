#include "platform/ui/Dialogs.h"

#include "platform/ui/TApplication.h"

#include <QMessageBox>

namespace vcl {

namespace {

TMessageBoxHandler& Handler()
{
    static TMessageBoxHandler handler;
    return handler;
}

int ShowRealBox(const TMessageBoxRequest& r)
{
    QMessageBox box;
    box.setWindowTitle(r.Caption);
    box.setText(r.Text);
    switch (r.Flags & 0xF0) {
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct B { QMessageBox::StandardButton button; int id; };
    std::vector<B> buttons;
    switch (r.Flags & 0x0F) {
    case MB_OKCANCEL: buttons = { { QMessageBox::Ok, IDOK }, { QMessageBox::Cancel, IDCANCEL } }; break;
    case MB_ABORTRETRYIGNORE:
        buttons = { { QMessageBox::Abort, IDABORT }, { QMessageBox::Retry, IDRETRY }, { QMessageBox::Ignore, IDIGNORE } };
        break;
    case MB_YESNOCANCEL:
        buttons = { { QMessageBox::Yes, IDYES }, { QMessageBox::No, IDNO }, { QMessageBox::Cancel, IDCANCEL } };
        break;
    case MB_YESNO: buttons = { { QMessageBox::Yes, IDYES }, { QMessageBox::No, IDNO } }; break;
    case MB_RETRYCANCEL: buttons = { { QMessageBox::Retry, IDRETRY }, { QMessageBox::Cancel, IDCANCEL } }; break;
    default: buttons = { { QMessageBox::Ok, IDOK } }; break;
    }
    QMessageBox::StandardButtons set;
    for (const B& b : buttons)
        set |= b.button;
    box.setStandardButtons(set);
    const int pressed = box.exec();
    for (const B& b : buttons)
        if (pressed == b.button)
            return b.id;
    return (r.Flags & 0x0F) == MB_OK ? IDOK : IDCANCEL;
}

} // namespace

TMessageBoxSeam::TMessageBoxSeam(TMessageBoxHandler handler) : m_previous(std::move(Handler()))
{
    Handler() = std::move(handler);
}

TMessageBoxSeam::~TMessageBoxSeam()
{
    Handler() = std::move(m_previous);
}

int MessageBox(const QString& Text, const QString& Caption, unsigned Flags)
{
    const TMessageBoxRequest request { Text, Caption, Flags };
    if (Handler())
        return Handler()(request);
    return ShowRealBox(request);
}

void ShowMessage(const QString& Msg)
{
    MessageBox(Msg, Application ? Application->Title() : QString(), MB_OK);
}

TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx)
{
    (void)HelpCtx;
    unsigned flags = MB_OK;
    using B = TMsgDlgBtn;
    auto has = [&](B b) { return Buttons.Contains(b); };
    if (has(B::mbYes) && has(B::mbNo))
        flags = has(B::mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    else if (has(B::mbAbort) || has(B::mbIgnore))
        flags = MB_ABORTRETRYIGNORE;
    else if (has(B::mbRetry))
        flags = MB_RETRYCANCEL;
    else if (has(B::mbOK) && has(B::mbCancel))
        flags = MB_OKCANCEL;
    switch (DlgType) {
    case TMsgDlgType::mtWarning: flags |= MB_ICONWARNING; break;
    case TMsgDlgType::mtError: flags |= MB_ICONSTOP; break;
    case TMsgDlgType::mtInformation: flags |= MB_ICONINFORMATION; break;
    case TMsgDlgType::mtConfirmation: flags |= MB_ICONQUESTION; break;
    default: break;
    }
    static const QString captions[] = { QStringLiteral("Warning"), QStringLiteral("Error"),
                                        QStringLiteral("Information"), QStringLiteral("Confirm"), QString() };
    QString caption = captions[static_cast<int>(DlgType)];
    if (caption.isEmpty() && Application)
        caption = Application->Title();
    return MessageBox(Msg, caption, flags); // button IDs equal the modal results
}

} // namespace vcl
