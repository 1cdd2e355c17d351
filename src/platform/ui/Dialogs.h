#pragma once
// Message boxes behind one seam: tests install an answer and nothing is shown.

#include "platform/core/TSet.h"
#include "platform/ui/ModalResult.h"

#include <QString>

#include <functional>

namespace vcl {

inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x02;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_RETRYCANCEL = 0x05;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONASTERISK = 0x40;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

struct TMessageBoxRequest
{
    QString Text;
    QString Caption;
    unsigned Flags = MB_OK;
};
// Returns the ID of the button "pressed".
using TMessageBoxHandler = std::function<int(const TMessageBoxRequest&)>;

// Installs a handler that answers every message box while it lives, then restores the previous.
class TMessageBoxSeam
{
public:
    explicit TMessageBoxSeam(TMessageBoxHandler handler);
    ~TMessageBoxSeam();
    TMessageBoxSeam(const TMessageBoxSeam&) = delete;
    TMessageBoxSeam& operator=(const TMessageBoxSeam&) = delete;

private:
    TMessageBoxHandler m_previous;
};

// A modal message box; returns the pressed button's ID.
int MessageBox(const QString& Text, const QString& Caption, unsigned Flags);
// An information box titled with the application title.
void ShowMessage(const QString& Msg);

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
// Goes through the same seam as MessageBox; returns the modal result of the pressed button.
TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);

} // namespace vcl
