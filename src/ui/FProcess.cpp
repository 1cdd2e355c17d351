#include "ui/FProcess.h"

#include "platform/ui/TLabel.h"
#include "ui/FNetWorkScan.h"
#include "widgets/AdvProgressBar.h"

TfmProcess* fmProcess = nullptr;

TfmProcess::TfmProcess(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmProcess"));
    SetBounds(0, 0, 451, 92);  // before the border style fixes the size
    SetBorderStyle(vcl::TFormBorderStyle::bsSingle);
    SetPosition(vcl::TPosition::poScreenCenter);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    OnShow = vcl::Method(this, &TfmProcess::FormShow);

    ProgressBar = new TAdvProgressBar(this);
    ProgressBar->SetName(QStringLiteral("ProgressBar"));
    ProgressBar->SetParent(this);
    ProgressBar->SetBounds(8, 8, 431, 41);
    vcl::TFont font;
    font.SetName(QStringLiteral("Verdana"));
    font.SetHeight(-13);
    font.SetColor(vcl::clWindowText);
    ProgressBar->SetFont(font);
    ProgressBar->SetLevelColorTo(0, 14811105);
    ProgressBar->SetLevelColorTo(1, 13303807);
    ProgressBar->SetLevelColor(2, 5483007);
    ProgressBar->SetLevelColorTo(2, 11064319);
    ProgressBar->SetLevelColorTo(3, 13290239);
    ProgressBar->SetLevel1Perc(70);
    ProgressBar->SetLevel2Perc(90);
    ProgressBar->SetPosition(0);
    ProgressBar->SetShowBorder(true);

    StatusBar = new vcl::TLabel(this);
    StatusBar->SetName(QStringLiteral("StatusBar"));
    StatusBar->SetParent(this);
    StatusBar->SetAutoSize(false);
    StatusBar->SetAlign(vcl::TAlign::alBottom);
    StatusBar->SetHeight(19);
    StatusBar->SetCaption(QStringLiteral("download now"));
}

TfmProcess::~TfmProcess()
{
    BeforeDestruction();
    if (fmProcess == this) // nothing reaches a window that is gone
        fmProcess = nullptr;
}

QString TfmProcess::StatusText() const
{
    return StatusBar->Caption();
}

void TfmProcess::SetStatusText(const QString& text)
{
    StatusBar->SetCaption(text);
}

int TfmProcess::BarPosition() const
{
    return ProgressBar->Position();
}

void TfmProcess::SetPosition(int value)
{
    ProgressBar->SetPosition(value);
}

int TfmProcess::Max() const
{
    return ProgressBar->Max();
}

void TfmProcess::SetMax(int value)
{
    ProgressBar->SetMax(value);
}

void TfmProcess::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(DialogText("SID_PROCESS"));
}
