#pragma once
// A label with the panel's two-layer frame, 3-D text styles, flat or curved rotation, a mouse-over
// colour, ellipsis condensing and blinking driven by one timer shared by all labels.

#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"
#include "widgets/RzCommon.h"
#include "widgets/RzFrameController.h"

#include <memory>
#include <vector>

namespace rz {

enum class TRzLabelRotation { roNone, roFlat, roCurve };
enum class TCenterPoint {
    cpUpperLeft, cpUpperCenter, cpUpperRight, cpLeftCenter, cpCenter, cpRightCenter, cpLowerLeft, cpLowerCenter,
    cpLowerRight
};
enum class TCondenseCaption { ccNone, ccAtEnd, ccWithinPath };

inline constexpr vcl::UINT UM_BLINK_QUERY = 0xB3E8;
inline constexpr vcl::UINT UM_BLINK_SHOW = 0xB3E9;

// The one blink timer of the process: flips the phase and tells every blinking control.
class TRzBlinkingControlsList
{
public:
    TRzBlinkingControlsList();
    ~TRzBlinkingControlsList();

    void Add(vcl::TControl* Control);
    void Remove(vcl::TControl* Control);
    int Count() const { return static_cast<int>(FControls.size()); }
    void TimerFired();
    TBlinkState BlinkState() const { return FBlinkState; }
    unsigned IntervalOff() const { return FIntervalOff; }
    unsigned IntervalOn() const { return FIntervalOn; }
    void SetIntervalOff(unsigned Value);
    void SetIntervalOn(unsigned Value);
    bool TimerRunning() const { return FTimer.Enabled(); }

    // The shared list while any label lives, else nullptr.
    static TRzBlinkingControlsList* Instance();

private:
    TBlinkState FBlinkState { TBlinkState::bsOff };
    std::vector<vcl::TControl*> FControls;
    vcl::TTimer FTimer { nullptr };
    unsigned FIntervalOff { 500 };
    unsigned FIntervalOn { 500 };
};

class TRzLabel : public vcl::TLabel, public IFramingClient
{
public:
    explicit TRzLabel(vcl::TComponent* AOwner);
    ~TRzLabel() override;

    TRzFrameController* FrameController() const { return FFrameController.Get(); }
    void SetFrameController(TRzFrameController* Value) { FFrameController.Set(Value); }
    TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameController.Notifications; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications Value) { FFrameController.Notifications = Value; }
    void ApplyFrameController() override;

protected:
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

public:

    int Angle() const { return FAngle; }
    void SetAngle(int Value);
    bool Blinking() const { return FBlinking; }
    void SetBlinking(bool Value);
    TColor BlinkColor() const { return FBlinkColor; }
    void SetBlinkColor(TColor Value);
    unsigned BlinkIntervalOff() const;
    void SetBlinkIntervalOff(unsigned Value);
    unsigned BlinkIntervalOn() const;
    void SetBlinkIntervalOn(unsigned Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    TFrameStyleEx BorderInner() const { return FBorderInner; }
    void SetBorderInner(TFrameStyleEx Value);
    TFrameStyleEx BorderOuter() const { return FBorderOuter; }
    void SetBorderOuter(TFrameStyleEx Value);
    TSides BorderSides() const { return FBorderSides; }
    void SetBorderSides(TSides Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor BorderHighlight() const { return FBorderHighlight; }
    void SetBorderHighlight(TColor Value);
    TColor BorderShadow() const { return FBorderShadow; }
    void SetBorderShadow(TColor Value);
    TColor FlatColor() const { return FFlatColor; }
    void SetFlatColor(TColor Value);
    int FlatColorAdjustment() const { return FFlatColorAdjustment; }
    void SetFlatColorAdjustment(int Value);
    TCenterPoint CenterPoint() const { return FCenterPoint; }
    void SetCenterPoint(TCenterPoint Value);
    bool FlyByEnabled() const { return FFlyByEnabled; }
    void SetFlyByEnabled(bool Value);
    TColor FlyByColor() const { return FFlyByColor; }
    void SetFlyByColor(TColor Value);
    bool LightTextStyle() const { return FLightTextStyle; }
    void SetLightTextStyle(bool Value);
    TTextStyle TextStyle() const { return FTextStyle; }
    void SetTextStyle(TTextStyle Value);
    TRzLabelRotation Rotation() const { return FRotation; }
    void SetRotation(TRzLabelRotation Value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    int ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(int Value);
    int TextMargin() const { return FTextMargin; }
    void SetTextMargin(int Value);
    TCondenseCaption CondenseCaption() const { return FCondenseCaption; }
    void SetCondenseCaption(TCondenseCaption Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);

    // The label's own sizing and alignment (they measure through the shared text metrics).
    void SetAutoSize(bool Value);
    void SetAlignment(vcl::TAlignment Value);
    void SetWordWrap(bool Value);

    TRect AdjustRectForBorders(TRect Rect, bool IncludeBorderWidth) const;
    void ShowBlinkState(bool On);
    TColor CurrentColor() const { return FCurrentColor; }

    void Dispatch(vcl::TMessage& Message) override;

    const vcl::TPropertyTable* PublishedProperties() const override;
    // Older forms: "FrameSides" is read and dropped; nothing of it is written.
    void DefineProperties(vcl::TFiler& Filer) override;
    void AdjustBounds();

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    TRect AdjustTextRect(TRect R) const;
    unsigned TextFlags() const;
    void DrawStraightText(TCanvas& C, TRect R, unsigned Flags);
    void DrawFlatRotated(TCanvas& C, TRect R);
    void DrawCurved(TCanvas& C);

    int FAngle { 0 };
    TColor FBlinkColor { vcl::clHighlight };
    TBlinkState FBlinkState { TBlinkState::bsOff };
    bool FBlinking { false };
    int FBevelWidth { 1 };
    TFrameStyleEx FBorderInner { TFrameStyleEx::fsNone };
    TFrameStyleEx FBorderOuter { TFrameStyleEx::fsNone };
    TSides FBorderSides { sdAllSides };
    TColor FBorderColor { vcl::clBtnFace };
    TColor FBorderHighlight { vcl::clBtnHighlight };
    TColor FBorderShadow { vcl::clBtnShadow };
    int FBorderWidth { 0 };
    TColor FFlatColor { vcl::clBtnShadow };
    int FFlatColorAdjustment { 30 };
    TColor FFontColor { vcl::clWindowText };
    TCenterPoint FCenterPoint { TCenterPoint::cpCenter };
    TColor FOrigColor { vcl::clWindowText };
    bool FFlyByEnabled { false };
    TColor FFlyByColor { vcl::clHighlight };
    bool FLightTextStyle { false };
    TTextStyle FTextStyle { TTextStyle::tsNormal };
    TRzLabelRotation FRotation { TRzLabelRotation::roNone };
    TColor FHighlightColor { vcl::clBtnHighlight };
    TColor FShadowColor { vcl::clBtnShadow };
    int FShadowDepth { 2 };
    int FTextMargin { 0 };
    TCondenseCaption FCondenseCaption { TCondenseCaption::ccNone };
    TColor FCurrentColor { vcl::clWindowText };
    bool FShowAccelChar { true };
    bool FMouseOver { false };
    TRzFrameControllerLink FFrameController { *this };
};

} // namespace rz
