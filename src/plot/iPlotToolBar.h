#pragma once
// The toolbar of picture buttons that resume and pause tracking, switch the axes between scrolling
// and zooming, zoom, switch the select, zoom-box and cursor modes, open the property editor and
// copy, save, print and preview the plot; a layout object placed above or below the data view.

#include "plot/iPlotButton.h"
#include "plot/iPlotDecorationEvents.h"
#include "plot/iPlotObjects.h"

#include <memory>
#include <vector>

namespace vcl {
class TImageList;
}

class TiPlotToolBar;

enum class TiPlotToolBarButtonStyle { iptbbsButton, iptbbsSpacer };

// The colour of the button pictures that is left out when they are drawn.
inline constexpr vcl::TColor kToolBarPictureMask = 0x808000;

class TiPlotToolBarButton : public TiPlotButton
{
public:
    TiPlotToolBarButton(vcl::TWinControl* AOwner, TiPlotToolBar* AToolBar);

    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    TiPlotToolBarButtonStyle Style() const { return FStyle; }
    void SetStyle(TiPlotToolBarButtonStyle Value) { FStyle = Value; }
    vcl::TImageList* ImageList() const { return FImageList; }
    void SetImageList(vcl::TImageList* Value) { FImageList = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    const QString& ImageName() const { return FImageName; }
    void SetImageName(const QString& Value) { FImageName = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    bool MouseOver() const { return FMouseOver; }
    TiPlotToolBar* ToolBar() const { return FToolBar; }
    TiPlotToolBarButtonType ButtonType() const { return FButtonType; }
    void SetButtonType(TiPlotToolBarButtonType Value) { FButtonType = Value; }

    // Spacers draw nothing; the picture loads on the first draw (a missing one raises).
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    void iMouseMove(TiHintData& HintData, vcl::TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                    bool DblClickActive) override;

protected:
    void DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData) override;
    void DoMouseNotOver() override;

private:
    void LoadPicture();
    void DrawFlatEdge(vcl::TCanvas* Canvas, bool Lowered);

    QString FHint;
    TiPlotToolBarButtonStyle FStyle { TiPlotToolBarButtonStyle::iptbbsButton };
    vcl::TImageList* FImageList { nullptr };
    int FImageIndex { -1 };
    QString FImageName;
    bool FFlat { false };
    bool FMouseOver { false };
    TiPlotToolBar* FToolBar { nullptr };
    TiPlotToolBarButtonType FButtonType { TiPlotToolBarButtonType::iptbbtResume };
};

class TiPlotToolBar : public TiPlotLayoutObject
{
public:
    TiPlotToolBar(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                  vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotToolBar() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    // --- published ---
    bool ShowResumeButton() const { return FResumeButton->Visible(); }
    void SetShowResumeButton(bool Value) { FResumeButton->SetVisible(Value); }
    bool ShowPauseButton() const { return FPauseButton->Visible(); }
    void SetShowPauseButton(bool Value) { FPauseButton->SetVisible(Value); }
    bool ShowAxesModeButtons() const { return FAxesModeScrollButton->Visible(); }
    void SetShowAxesModeButtons(bool Value);
    bool ShowZoomInOutButtons() const { return FZoomInButton->Visible(); }
    void SetShowZoomInOutButtons(bool Value);
    bool ShowSelectButton() const { return FSelectButton->Visible(); }
    void SetShowSelectButton(bool Value) { FSelectButton->SetVisible(Value); }
    bool ShowZoomBoxButton() const { return FZoomBoxButton->Visible(); }
    void SetShowZoomBoxButton(bool Value) { FZoomBoxButton->SetVisible(Value); }
    bool ShowCursorButton() const { return FCursorButton->Visible(); }
    void SetShowCursorButton(bool Value) { FCursorButton->SetVisible(Value); }
    bool ShowEditButton() const { return FEditButton->Visible(); }
    void SetShowEditButton(bool Value) { FEditButton->SetVisible(Value); }
    bool ShowCopyButton() const { return FCopyButton->Visible(); }
    void SetShowCopyButton(bool Value) { FCopyButton->SetVisible(Value); }
    bool ShowSaveButton() const { return FSaveButton->Visible(); }
    void SetShowSaveButton(bool Value) { FSaveButton->SetVisible(Value); }
    bool ShowPrintButton() const { return FPrintButton->Visible(); }
    void SetShowPrintButton(bool Value) { FPrintButton->SetVisible(Value); }
    bool ShowPreviewButton() const { return FPreviewButton->Visible(); }
    void SetShowPreviewButton(bool Value) { FPreviewButton->SetVisible(Value); }
    // Values below 1 become 1.
    double ZoomInOutFactor() const { return FZoomInOutFactor; }
    void SetZoomInOutFactor(double Value);
    bool FlatBorder() const { return FFlatBorder; }
    void SetFlatBorder(bool Value) { SetBooleanProperty(Value, FFlatBorder, &TiPlotObject::DoChange); }
    bool FlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool Value);
    bool SmallButtons() const { return FSmallButtons; }
    void SetSmallButtons(bool Value);

    // --- public ---
    bool ZoomBoxActive() const { return FZoomBoxButton->Down(); }
    bool CursorActive() const { return FCursorButton->Down(); }
    bool SelectActive() const { return FSelectButton->Down(); }
    int ButtonCount() const { return static_cast<int>(FButtonList.size()); }
    TiPlotToolBarButton* Button(int Index) const { return FButtonList.at(static_cast<size_t>(Index)).get(); }
    TiPlotToolBarButton* ButtonOfType(TiPlotToolBarButtonType Type) const;
    vcl::TImageList* Pictures() const { return FImageList.get(); }

    void DoButtonClickResume();
    void DoButtonClickPause();
    void DoButtonClickScrollAxesMode();
    void DoButtonClickZoomAxesMode();
    void DoButtonClickZoomIn();
    void DoButtonClickZoomOut();
    void DoButtonClickSelect();
    void DoButtonClickZoomBox();
    void DoButtonClickCursor();
    void DoButtonClickEdit();
    void DoButtonClickCopy();
    void DoButtonClickSave();
    void DoButtonClickPrint();
    void DoButtonClickPreview();
    void TurnOffCursor() { FCursorButton->SetDown(false); }
    int Index() const;

    // 36, or 28 with small buttons.
    int GetRequiredWidth(vcl::TCanvas* Canvas) override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    TiPlotObject* GetMouseOverObject(int X, int Y) override;
    void NotificationSetFocus(TiPlotObject* AObject) override;
    void AddMenuItems(vcl::TPopupMenu* PopupMenu) override;

private:
    TiPlotToolBarButton* AddButton(TiPlotToolBarButtonType Type, const QString& Hint, const QString& ImageName,
                                   int GroupIndex, void (TiPlotToolBar::*Action)());
    TiPlotToolBarButton* AddSpacer();
    void ApplyPictureSize();
    void GroupRelease(TiPlotToolBarButton* Sender);
    // Fires the before-event; true when the action may go on.
    bool Before(TiPlotToolBarButtonType Type);
    void After(TiPlotToolBarButtonType Type);
    void Zoom(TiPlotToolBarButtonType Type, double LinearFactor, double LogFactor);
    void SetAxesMode(bool ZoomMode);
    void CursorDownChange();
    void SelectDownChange();
    void UpdateSpacersAndEnabling();

    std::vector<std::unique_ptr<TiPlotToolBarButton>> FButtonList;
    std::unique_ptr<vcl::TImageList> FImageList;
    TiPlotToolBarButton* FResumeButton { nullptr };
    TiPlotToolBarButton* FPauseButton { nullptr };
    TiPlotToolBarButton* FResumePauseSpacer { nullptr };
    TiPlotToolBarButton* FAxesModeScrollButton { nullptr };
    TiPlotToolBarButton* FAxesModeZoomButton { nullptr };
    TiPlotToolBarButton* FAxesModeSpacer { nullptr };
    TiPlotToolBarButton* FZoomInButton { nullptr };
    TiPlotToolBarButton* FZoomOutButton { nullptr };
    TiPlotToolBarButton* FZoomInOutSpacer { nullptr };
    TiPlotToolBarButton* FSelectButton { nullptr };
    TiPlotToolBarButton* FZoomBoxButton { nullptr };
    TiPlotToolBarButton* FCursorButton { nullptr };
    TiPlotToolBarButton* FZoomBoxCursorSpacer { nullptr };
    TiPlotToolBarButton* FEditButton { nullptr };
    TiPlotToolBarButton* FEditSpacer { nullptr };
    TiPlotToolBarButton* FCopyButton { nullptr };
    TiPlotToolBarButton* FSaveButton { nullptr };
    TiPlotToolBarButton* FPrintButton { nullptr };
    TiPlotToolBarButton* FPreviewButton { nullptr };
    double FZoomInOutFactor { 2.0 };
    bool FFlatButtons { false };
    bool FSmallButtons { false };
    bool FFlatBorder { false };
};
