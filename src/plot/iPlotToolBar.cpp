#include "plot/iPlotToolBar.h"

#include "plot/iGPCanvas.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDecorationHost.h"

#include "platform/ui/TCanvas.h"
#include "platform/ui/TImageList.h"

using namespace vcl;
using BT = TiPlotToolBarButtonType;

TiPlotToolBar::TiPlotToolBar(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FImageList(std::make_unique<TImageList>(24, 24))
{
    FHorizontal = true;
    FResumeButton = AddButton(BT::iptbbtResume, QStringLiteral("Resume All (Tracking)"), QStringLiteral("AUTO"), 0,
                              &TiPlotToolBar::DoButtonClickResume);
    FPauseButton = AddButton(BT::iptbbtPause, QStringLiteral("Pause All (Tracking)"), QStringLiteral("PAUSE"), 0,
                             &TiPlotToolBar::DoButtonClickPause);
    FResumePauseSpacer = AddSpacer();
    FAxesModeScrollButton = AddButton(BT::iptbbtScrollAxesMode, QStringLiteral("Scroll (Axes)"),
                                      QStringLiteral("SCROLL"), 2, &TiPlotToolBar::DoButtonClickScrollAxesMode);
    FAxesModeZoomButton = AddButton(BT::iptbbtZoomAxesMode, QStringLiteral("Zoom (Axes)"), QStringLiteral("ZOOM"), 2,
                                    &TiPlotToolBar::DoButtonClickZoomAxesMode);
    FAxesModeSpacer = AddSpacer();
    FZoomOutButton = AddButton(BT::iptbbtZoomOut, QStringLiteral("Zoom Out All Axes"), QStringLiteral("ZOOMOUT"), 0,
                               &TiPlotToolBar::DoButtonClickZoomOut);
    FZoomInButton = AddButton(BT::iptbbtZoomIn, QStringLiteral("Zoom In All Axes"), QStringLiteral("ZOOMIN"), 0,
                              &TiPlotToolBar::DoButtonClickZoomIn);
    FZoomInOutSpacer = AddSpacer();
    FSelectButton = AddButton(BT::iptbbtSelect, QStringLiteral("Select"), QStringLiteral("SELECT"), -1,
                              &TiPlotToolBar::DoButtonClickSelect);
    FZoomBoxButton = AddButton(BT::iptbbtZoomBox, QStringLiteral("Zoom Box"), QStringLiteral("SCROLLBOX"), -1,
                               &TiPlotToolBar::DoButtonClickZoomBox);
    FCursorButton = AddButton(BT::iptbbtCursor, QStringLiteral("Cursor"), QStringLiteral("CURSOR"), -2,
                              &TiPlotToolBar::DoButtonClickCursor);
    FZoomBoxCursorSpacer = AddSpacer();
    FEditButton = AddButton(BT::iptbbtEdit, QStringLiteral("Properties"), QStringLiteral("PROPERTIES"), 0,
                            &TiPlotToolBar::DoButtonClickEdit);
    FEditSpacer = AddSpacer();
    FCopyButton = AddButton(BT::iptbbtCopy, QStringLiteral("Copy to Clipboard"), QStringLiteral("COPY"), 0,
                            &TiPlotToolBar::DoButtonClickCopy);
    FSaveButton = AddButton(BT::iptbbtSave, QStringLiteral("Save to File"), QStringLiteral("SAVE"), 0,
                            &TiPlotToolBar::DoButtonClickSave);
    FPrintButton = AddButton(BT::iptbbtPrint, QStringLiteral("Print"), QStringLiteral("PRINTER"), 0,
                             &TiPlotToolBar::DoButtonClickPrint);
    FPreviewButton = AddButton(BT::iptbbtPreview, QStringLiteral("Preview"), QStringLiteral("PREVIEW"), 0,
                               &TiPlotToolBar::DoButtonClickPreview);
    FSelectButton->SetVisible(false);
    FPreviewButton->SetVisible(false);
    FAxesModeScrollButton->SetDown(true);
    FCursorButton->OnDownChange = [this](TObject*) { CursorDownChange(); };
    FSelectButton->OnDownChange = [this](TObject*) { SelectDownChange(); };
    ApplyPictureSize();
}

TiPlotToolBar::~TiPlotToolBar()
{
    for (auto& button : FButtonList) {
        button->OnDownChange = nullptr;
        button->OnChange = nullptr;
    }
}

TiPlotToolBarButton* TiPlotToolBar::AddButton(BT Type, const QString& Hint, const QString& ImageName, int GroupIndex,
                                              void (TiPlotToolBar::*Action)())
{
    auto button = std::make_unique<TiPlotToolBarButton>(FOwner, this);
    button->SetButtonType(Type);
    button->SetHint(Hint);
    button->SetImageName(ImageName);
    button->SetGroupIndex(GroupIndex);
    button->SetImageList(FImageList.get());
    button->OnClick = [this, Action](TObject*) { (this->*Action)(); };
    button->OnGroupClick = [this](TObject* Sender) { GroupRelease(static_cast<TiPlotToolBarButton*>(Sender)); };
    button->OnInvalidate = [this](TObject*) { InvalidateNow(); };
    button->OnChange = [this](TObject*) { DoChange(); };
    FButtonList.push_back(std::move(button));
    return FButtonList.back().get();
}

TiPlotToolBarButton* TiPlotToolBar::AddSpacer()
{
    auto spacer = std::make_unique<TiPlotToolBarButton>(FOwner, this);
    spacer->SetStyle(TiPlotToolBarButtonStyle::iptbbsSpacer);
    spacer->OnChange = [this](TObject*) { DoChange(); };
    FButtonList.push_back(std::move(spacer));
    return FButtonList.back().get();
}

TiPlotToolBarButton* TiPlotToolBar::ButtonOfType(BT Type) const
{
    for (const auto& button : FButtonList)
        if (button->Style() == TiPlotToolBarButtonStyle::iptbbsButton && button->ButtonType() == Type)
            return button.get();
    return nullptr;
}

int TiPlotToolBar::Index() const
{
    const TiPlotComponent* plot = iplot::PlotOf(this);
    return plot ? iplot::IndexIn(plot->Master()->ToolBarManager(), this) : -1;
}

void TiPlotToolBar::SetShowAxesModeButtons(bool Value)
{
    FAxesModeScrollButton->SetVisible(Value);
    FAxesModeZoomButton->SetVisible(Value);
}

void TiPlotToolBar::SetShowZoomInOutButtons(bool Value)
{
    FZoomInButton->SetVisible(Value);
    FZoomOutButton->SetVisible(Value);
}

void TiPlotToolBar::SetZoomInOutFactor(double Value)
{
    SetDoubleProperty(Value < 1.0 ? 1.0 : Value, FZoomInOutFactor, &TiPlotObject::DoChange);
}

void TiPlotToolBar::SetFlatButtons(bool Value)
{
    if (FFlatButtons == Value)
        return;
    FFlatButtons = Value;
    for (auto& button : FButtonList)
        button->SetFlat(Value);
    DoChange();
}

void TiPlotToolBar::SetSmallButtons(bool Value)
{
    if (FSmallButtons == Value)
        return;
    FSmallButtons = Value;
    ApplyPictureSize();
    DoChange();
}

void TiPlotToolBar::ApplyPictureSize()
{
    static const QString kSmall = QStringLiteral("SMALL");
    for (auto& button : FButtonList) {
        if (button->Style() != TiPlotToolBarButtonStyle::iptbbsButton)
            continue;
        QString name = button->ImageName();
        if (name.startsWith(kSmall))
            name = name.mid(kSmall.size());
        button->SetImageName(FSmallButtons ? kSmall + name : name);
        button->SetImageIndex(-1);
    }
    FImageList->Clear();
    FImageList->SetSize(FSmallButtons ? 16 : 24, FSmallButtons ? 16 : 24);
}

int TiPlotToolBar::GetRequiredWidth(TCanvas*) { return FSmallButtons ? 28 : 36; }

void TiPlotToolBar::UpdateSpacersAndEnabling()
{
    FResumePauseSpacer->SetVisible(FResumeButton->Visible() || FPauseButton->Visible());
    FAxesModeSpacer->SetVisible(FAxesModeScrollButton->Visible() || FAxesModeZoomButton->Visible());
    FZoomInOutSpacer->SetVisible(FZoomInButton->Visible() || FZoomOutButton->Visible());
    FZoomBoxCursorSpacer->SetVisible(FZoomBoxButton->Visible() || FCursorButton->Visible());
    FEditSpacer->SetVisible(FEditButton->Visible());
    bool anyOff = false;
    bool anyOn = false;
    if (const TiPlotComponent* plot = iplot::PlotOf(this)) {
        for (int i = 0; i < plot->XAxisCount(); ++i)
            (plot->XAxis(i)->TrackingEnabled() ? anyOn : anyOff) = true;
        for (int i = 0; i < plot->YAxisCount(); ++i)
            (plot->YAxis(i)->TrackingEnabled() ? anyOn : anyOff) = true;
    }
    FResumeButton->TiPlotButton::SetEnabled(anyOff);
    FPauseButton->TiPlotButton::SetEnabled(anyOn);
}

void TiPlotToolBar::Draw(TCanvas* Canvas, TColor BackGroundColor)
{
    if (!FVisible)
        return;
    // Spacer and enabled states are kept silent: they follow the plot and need no repaint of their own.
    std::vector<TNotifyEvent> saved;
    for (auto& button : FButtonList) {
        saved.push_back(std::move(button->OnChange));
        button->OnChange = nullptr;
    }
    UpdateSpacersAndEnabling();
    for (size_t i = 0; i < FButtonList.size(); ++i)
        FButtonList[i]->OnChange = std::move(saved[i]);

    TRect r = DrawRect();
    r.Right += 1;
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(r);
    if (!FFlatBorder)
        iDrawEdge(Canvas, r, 1);
    const int size = FSmallButtons ? 22 : 30;
    int x = FLeft + 3;
    for (auto& button : FButtonList) {
        if (!button->Visible())
            continue;
        const int width = button->Style() == TiPlotToolBarButtonStyle::iptbbsSpacer ? 10 : size;
        button->SetDrawRect(TRect(x, FTop + 3, x + width, FTop + 3 + size));
        button->Draw(Canvas, BackGroundColor);
        x += width;
    }
}

TiPlotObject* TiPlotToolBar::GetMouseOverObject(int X, int Y)
{
    TiPlotObject* result = TiPlotLayoutObject::GetMouseOverObject(X, Y);
    for (auto& button : FButtonList)
        if (button->Visible() && button->DrawRect().Contains(TPoint(X, Y)))
            return button.get();
    return result;
}

void TiPlotToolBar::NotificationSetFocus(TiPlotObject* AObject)
{
    if (AObject != this && AObject && AObject->UserSelected())
        SetUserSelected(false);
}

void TiPlotToolBar::AddMenuItems(TPopupMenu* PopupMenu)
{
    TiPlotLayoutObject::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TiPlotToolBar::GroupRelease(TiPlotToolBarButton* Sender)
{
    for (auto& button : FButtonList)
        if (button.get() != Sender && button->GroupIndex() == Sender->GroupIndex())
            button->SetDown(false);
}
