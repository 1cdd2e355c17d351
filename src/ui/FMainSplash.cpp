// The start-up splash: the skin's start-up picture with the program's name, version and a loading line.

#include "ui/FMain.h"

#include "ui/editors/EditorSet.h"

#include "device/Constants.h"
#include "ui/Skin.h"
#include "widgets/AdvSmoothSplashScreen.h"

void TfmMain::ConfigureSplash()
{
    using namespace vcl;
    TAdvSmoothSplashScreen& s = *asScreen;
    TGDIPFill* f = s.Fill();
    f->SetColor(clNone);
    f->SetColorTo(clNone);
    f->SetColorMirror(clNone);
    f->SetColorMirrorTo(clNone);
    f->SetBorderColor(clNone);
    f->SetOpacity(249);
    f->SetPicturePosition(TFillPicturePosition::ppBottomCenter);
    f->Picture()->LoadFromBytes(skin::PictureFile("splash"));
    s.SetTimeOut(100);
    s.SetDisplayStyle(TDisplayStyle::dsNormal);
    TSplashHeadingText* name = s.BasicProgramInfo()->ProgramName();
    name->SetText(QStringLiteral("ZQ9 DSP Processor Editor"));
    name->Font()->SetName(QStringLiteral("Tahoma"));
    // Sized so that the name ends before the version beside it with the Debian fonts.
    name->Font()->SetHeight(-25);
    name->Font()->SetStyle({ TFontStyle::fsBold });
    name->SetLocation(TItemLocation::ilCustom);
    name->SetPosX(85);
    name->SetPosY(130);
    name->SetColorStart(clWhite);
    name->SetColorEnd(clWhite);
    name->SetHatchStyle(HatchStyle::HatchStyleDivot);
    TSplashHeadingText* version = s.BasicProgramInfo()->ProgramVersion();
    version->SetText(QString::fromStdString(APP_VERSION));
    version->Font()->SetHeight(-19);
    version->SetLocation(TItemLocation::ilCustom);
    version->SetPosX(475);
    version->SetPosY(140);
    version->SetColorStart(clWhite);
    version->SetColorEnd(clWhite);
    version->SetHatchStyle(HatchStyle::HatchStyleDivot);
    s.BasicProgramInfo()->SetCopyRightLocation(TItemLocation::ilCustom);
    s.BasicProgramInfo()->SetCopyRightPosX(340);
    s.BasicProgramInfo()->SetCopyRightPosY(340);
    s.ListItems()->Add()->SetHTMLText(
        QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>"));
    TListItemsRect* r = s.ListItemsSettings()->Rect();
    r->SetLeft(180);
    r->SetTop(210);
    r->SetWidth(500);
    r->SetHeight(250);
    s.ListItemsSettings()->HTMLFont()->SetHeight(-11);
}

void TfmMain::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation)
{
    vcl::TForm::Notification(AComponent, Operation);
    if (Operation == vcl::TOperation::opRemove && AComponent == asScreen)
        asScreen = nullptr;
    if (Operation == vcl::TOperation::opRemove && m_editors)
        m_editors->Forget(AComponent);
    if (Operation == vcl::TOperation::opRemove)
        m_shell.Forget(AComponent);
}
