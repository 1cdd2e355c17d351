#pragma once
// The progress window of multi-step transfers: one status text and a progress bar.

#include "platform/ui/TForm.h"

#include <QString>

class TAdvProgressBar;
namespace vcl { class TLabel; }

class TfmProcess : public vcl::TForm
{
public:
    explicit TfmProcess(vcl::TComponent* owner);
    ~TfmProcess() override;

    // The status bar's simple text.
    QString StatusText() const;
    void SetStatusText(const QString& text);
    // The bar's position and maximum (the bar's own rules: a write beyond a bound stores the bound).
    // (The form's own Position/SetPosition(TPosition) keep placing the window.)
    using vcl::TForm::SetPosition;
    int BarPosition() const;
    void SetPosition(int value);
    int Max() const;
    void SetMax(int value);

    // Caption from "SID_PROCESS".
    void FormShow(vcl::TObject* Sender);

    TAdvProgressBar* ProgressBar { nullptr };
    vcl::TLabel* StatusBar { nullptr };
};

extern TfmProcess* fmProcess;
