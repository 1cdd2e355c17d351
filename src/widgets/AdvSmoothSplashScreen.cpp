#include "widgets/AdvSmoothSplashScreen.h"

#include "platform/ui/TApplication.h"
#include "widgets/AdvSmoothSplashScreenWindow.h"
#include "widgets/GDIPPictureContainer.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

using namespace vcl;

TAdvSmoothSplashScreen::TAdvSmoothSplashScreen(TComponent* AOwner)
    : TComponent(AOwner),
      m_basicProgramInfo(std::make_unique<TBasicProgramInfo>()),
      m_fill(std::make_unique<TGDIPFill>()),
      m_progressBar(std::make_unique<TGDIPSplashProgress>()),
      m_items(std::make_unique<TSplashItems>(this)),
      m_listItems(std::make_unique<TSplashListItems>(this)),
      m_listItemsSettings(std::make_unique<TSplashListItemsSettings>()),
      m_topLayerItems(std::make_unique<TAdvSplashTopLayerItems>(this))
{
    m_items->OnChange = [this](TObject*) { Refresh(); };
    m_topLayerItems->OnChange = [this](TObject*) { InvalidateWindow(); };
    m_listItems->OnChange = [this](TObject*) { Refresh(); };
    m_progressBar->OnChange = [this](TObject* Sender) { UpdateProgressBar(Sender); };
    m_basicProgramInfo->OnChange = [this](TObject*) {
        if (!ComponentState().Contains(TComponentStateItem::csLoading))
            Refresh();
    };

    m_closeTimer = new TTimer(this);
    m_closeTimer->SetEnabled(false);
    m_closeTimer->SetInterval(static_cast<unsigned>(std::max(0, m_timeOut)));
    m_closeTimer->OnTimer = [this](TObject* Sender) { CloseTimerTick(Sender); };
    m_focusTimer = new TTimer(this);
    m_focusTimer->SetEnabled(false);
    m_focusTimer->SetInterval(20);
    m_focusTimer->OnTimer = [this](TObject* Sender) { FocusTimerTick(Sender); };
}

TAdvSmoothSplashScreen::~TAdvSmoothSplashScreen()
{
    // The timers and the other owned components go while this part still exists.
    BeforeDestruction();
}

void TAdvSmoothSplashScreen::Loaded()
{
    TComponent::Loaded();
    LoadVersionInfo();
    if (m_autoShow)
        Show();
}

void TAdvSmoothSplashScreen::LoadVersionInfo()
{
    if (!m_basicProgramInfo->AutoLoad())
        return;
    // Executables on this platform carry no version resource: the texts stay as they are.
}

void TAdvSmoothSplashScreen::SetStayOnTop(bool value)
{
    m_stayOnTop = value;
    InvalidateWindow();
}

void TAdvSmoothSplashScreen::SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint value)
{
    m_textRendering = value;
    InvalidateWindow();
}

void TAdvSmoothSplashScreen::SetTopLayerItems(TAdvSplashTopLayerItems* value)
{
    if (value != m_topLayerItems.get()) {
        m_topLayerItems->Assign(value);
        InvalidateWindow();
    }
}

void TAdvSmoothSplashScreen::SetPictureContainer(TGDIPPictureContainer* value)
{
    m_pictureContainer = value;
    if (value)
        value->FreeNotification(this);
}

void TAdvSmoothSplashScreen::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == m_splashWindow) {
        m_splashWindow = nullptr;
        m_showing = false;
    }
    if (ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    if (AComponent == m_pictureContainer)
        m_pictureContainer = nullptr;
    if (m_images && dynamic_cast<TComponent*>(m_images) == AComponent)
        m_images = nullptr;
}

void TAdvSmoothSplashScreen::InvalidateWindow()
{
    if (m_showing && m_splashWindow)
        m_splashWindow->Invalidate();
}

// ---------------------------------------------------------------- show and hide

void TAdvSmoothSplashScreen::Show()
{
    Show(m_displayPosX, m_displayPosY);
}

void TAdvSmoothSplashScreen::Show(int, int)
{
    if (m_showing)
        return;
    if (OnBeforeShow)
        OnBeforeShow(this);
    if (auto* form = dynamic_cast<TForm*>(Owner()))
        m_mainForm = form;
    if (Application && Application->MainForm())
        m_mainForm = Application->MainForm();
    if (m_closeOnMainFormShow && m_mainForm)
        InstallShowHook();
    // Only the user-interface thread shows the splash: the window classes are made for it alone.
    ShowSplashWindow();
}

void TAdvSmoothSplashScreen::ShowSplashWindow()
{
    TSplashScreenWindow::ShowSplashWindow(this);
}

void TAdvSmoothSplashScreen::Hide()
{
    if (!m_showing)
        return;
    m_closeTimer->SetEnabled(false);
    if (m_displayStyle == TDisplayStyle::dsFadeInOut && m_splashWindow && m_splashWindow->Visible())
        m_splashWindow->FadeOutWindow(20, 5, 10);
    m_showing = false;
    if (m_mainForm && m_closeOnMainFormShow)
        RemoveShowHook();
    FreeSplashWindow();
    if (OnClose)
        OnClose(this);
}

void TAdvSmoothSplashScreen::FreeSplashWindow()
{
    if (!m_splashWindow)
        return;
    TSplashScreenWindow* window = m_splashWindow;
    m_splashWindow = nullptr;
    window->RemoveFreeNotification(this);
    delete window;
}

void TAdvSmoothSplashScreen::InstallShowHook()
{
    const auto hook = Method(this, &TAdvSmoothSplashScreen::MainFormShow);
    // A hook already in place stays: saving it as the old handler would make the show call itself.
    if (SameMethod(m_mainForm->OnShow, hook))
        return;
    m_oldMainFormShow = m_mainForm->OnShow;
    m_mainForm->OnShow = hook;
}

void TAdvSmoothSplashScreen::RemoveShowHook()
{
    m_mainForm->OnShow = m_oldMainFormShow;
}

void TAdvSmoothSplashScreen::SetMainForm(TForm* value)
{
    if (m_mainForm && m_closeOnMainFormShow)
        RemoveShowHook();
    m_mainForm = value;
    if (m_closeOnMainFormShow && m_mainForm)
        InstallShowHook();
}

void TAdvSmoothSplashScreen::MainFormShow(TObject* Sender)
{
    // The handler may be replaced while it runs: keep the saved one.
    const TNotifyEvent previous = m_oldMainFormShow;
    Hide();
    if (previous)
        previous(Sender);
    if (m_focusParentForm && m_mainForm)
        m_focusTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::CloseTimerTick(TObject*)
{
    const bool wasShowing = m_showing;
    Hide();
    if (wasShowing && m_focusParentForm && m_mainForm)
        m_focusTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::FocusTimerTick(TObject*)
{
    m_focusTimer->SetEnabled(false);
    ClickForm(m_mainForm);
}

void TAdvSmoothSplashScreen::FocusFormTimerTick(TObject*)
{
    m_focusFormTimer->SetEnabled(false);
    ClickForm(m_newFocusForm);
}

void TAdvSmoothSplashScreen::SetFocusToForm(TForm* AForm)
{
    if (!m_focusFormTimer) {
        m_focusFormTimer = new TTimer(this);
        m_focusFormTimer->SetEnabled(false);
        m_focusFormTimer->SetInterval(20);
        m_focusFormTimer->OnTimer = [this](TObject* Sender) { FocusFormTimerTick(Sender); };
    }
    m_newFocusForm = AForm;
    m_focusFormTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::ClickForm(TForm* F)
{
    if (!F)
        return;
    const QPoint local = F->ClientOrigin();
    const QPoint global = F->mapToGlobal(local);
    const QPoint saved = QCursor::pos();
    QCursor::setPos(global);
    QWidget* target = F->childAt(local);
    if (!target)
        target = F;
    const QPointF at = target->mapFromGlobal(QPointF(global));
    QMouseEvent down(QEvent::MouseButtonPress, at, QPointF(global), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, QPointF(global), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &up);
    F->activateWindow();
    QCursor::setPos(saved);
}

// ---------------------------------------------------------------- refresh, fades, progress

void TAdvSmoothSplashScreen::Refresh()
{
    if (m_showing && m_splashWindow)
        m_splashWindow->Refresh();
}

void TAdvSmoothSplashScreen::EndUpdate()
{
    if (m_updateCount > 0)
        --m_updateCount;
    if (m_updateCount == 0)
        Refresh();
}

void TAdvSmoothSplashScreen::FadeIn(int Step, int Wait, int Max)
{
    if (!m_splashWindow || !m_splashWindow->Visible())
        return;
    m_splashWindow->FadeInWindow(Step, 3 * Wait, Max);
}

void TAdvSmoothSplashScreen::FadeOut(int Step, int Wait, int Min)
{
    if (!m_splashWindow || !m_splashWindow->Visible())
        return;
    m_splashWindow->FadeOutWindow(Step, Wait, Min);
}

void TAdvSmoothSplashScreen::UpdateProgressBar(TObject*)
{
    if (!m_showing || !m_splashWindow || !m_splashWindow->ProgressBarControl())
        return;
    TAdvSplashProgressBar* bar = m_splashWindow->ProgressBarControl();
    bar->SetPosition(m_progressBar->Position());
    bar->SetGlowAnimation(m_progressBar->GlowAnimation());
    bar->SetStep(m_progressBar->Step());
    bar->SetProgressAnimation(m_progressBar->ProgressAnimation());
    bar->SetMaximum(m_progressBar->Maximum());
    bar->SetMinimum(m_progressBar->Minimum());
    bar->SetVisible(m_progressBar->Visible());
    bar->SetLeft(m_progressBar->Left());
    bar->SetTop(m_progressBar->Top());
    bar->SetWidth(m_progressBar->Width());
    bar->SetHeight(m_progressBar->Height());
    bar->SetAppearance(m_progressBar.get());
    if (m_splashWindow->Layered())
        Refresh();
}

// ---------------------------------------------------------------- style presets

void TAdvSmoothSplashScreen::SetComponentStyle(TStylePreset AStyle)
{
    m_fill->SetGradientType(TAdvGradientType::gtVertical);
    struct Preset
    {
        TColor color, colorTo, mirror, mirrorTo, border;
        bool mirrorVertical;
    };
    Preset p {};
    switch (AStyle) {
    case TStylePreset::tsOffice2003Blue: p = { 0xFDEADA, 0xE4AE88, clNone, clNone, 0xDFD2C5, false }; break;
    case TStylePreset::tsOffice2003Silver: p = { 0xF7F3F3, 0xE6D8D8, clNone, clNone, 0x927476, false }; break;
    case TStylePreset::tsOffice2003Olive: p = { 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x6B7760, false }; break;
    case TStylePreset::tsOffice2003Classic: p = { 0xFFFFFF, 0xC9D1D5, clNone, clNone, 0x808080, false }; break;
    case TStylePreset::tsOffice2007Luna: p = { 0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7, 0xE3B28D, true }; break;
    case TStylePreset::tsOffice2007Obsidian: p = { 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, 0x000000, true }; break;
    case TStylePreset::tsWindowsXP: p = { clBtnFace, clBtnFace, clNone, clNone, 0x000000, false }; break;
    case TStylePreset::tsWhidbey: p = { 0xFFFFFF, 0xD9E9EC, clNone, clNone, 0x828F92, false }; break;
    case TStylePreset::tsCustom: return;
    case TStylePreset::tsOffice2007Silver: p = { 0xF6F1EE, 0xE7DCD5, 0xE7DCD5, 0xF4F4EE, 0x74706F, true }; break;
    case TStylePreset::tsWindowsVista: p = { 0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDDE99, false }; break;
    case TStylePreset::tsWindows7: p = { 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, false }; break;
    case TStylePreset::tsTerminal: p = { clBtnFace, clBtnFace, clNone, clNone, 0x808080, false }; break;
    case TStylePreset::tsOffice2010Blue: p = { 0xFDF6EF, 0xF0DAC7, clNone, clNone, 0xC7B29F, false }; break;
    case TStylePreset::tsOffice2010Silver: p = { 0xFFFFFF, 0xEDE5E0, clNone, clNone, 0xD2CDC8, false }; break;
    case TStylePreset::tsOffice2010Black: p = { 0xBFBFBF, 0x919191, clNone, clNone, 0x6D6D6D, false }; break;
    }
    m_fill->SetColor(p.color);
    m_fill->SetColorTo(p.colorTo);
    m_fill->SetColorMirror(p.mirror);
    m_fill->SetColorMirrorTo(p.mirrorTo);
    m_fill->SetBorderColor(p.border);
    if (p.mirrorVertical)
        m_fill->SetGradientMirrorType(TAdvGradientType::gtVertical);
}
