#pragma once
// Base of every plot-library control: double-buffered paint through iPaintTo, repaint requests
// merged under update blocks and a frame-rate limit, background and border, and the relay of mouse,
// key and focus input to component-level operations.

#include "plot/iPlotTypes.h"
#include "plot/iUpdateObject.h"

#include "platform/core/Exception.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCustomControl.h"

#include <memory>

namespace vcl {
class TTimer;
}

class TiComponent : public vcl::TCustomControl, public IiUpdateClient
{
public:
    explicit TiComponent(vcl::TComponent* AOwner);
    ~TiComponent() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    // --- published ---
    bool OptionSaveAllProperties() const { return FOptionSaveAllProperties; }
    void SetOptionSaveAllProperties(bool Value) { FOptionSaveAllProperties = Value; }
    bool AutoFrameRate() const { return FAutoFrameRate; }
    void SetAutoFrameRate(bool Value);
    int UpdateFrameRate() const { return FUpdateFrameRate; }
    void SetUpdateFrameRate(int Value);
    void SetEnabled(bool Value) override;

    // Published by the derived controls that show them.
    vcl::TColor BackGroundColor() const { return FBackGroundColor; }
    virtual void SetBackGroundColor(vcl::TColor Value);
    TiBevelStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TiBevelStyle Value);
    bool CachedDrawing() const { return FCachedDrawing; }
    virtual void SetCachedDrawing(bool Value);
    // A picture stretched over the client area in place of the colour (nullptr: none).
    vcl::TBitmap* BackGroundPicture() const { return FBackGroundPicture.get(); }
    void SetBackGroundPicture(vcl::TBitmap* Value);

    bool ShowDisabledState() const { return FShowDisabledState; }
    bool HasFocus() const { return FHasFocus; }
    bool UserGenerated() const { return FUserGenerated; }
    bool ErrorActive() const { return FErrorActive; }
    void SetErrorActive(bool Value);
    QString ErrorText() const { return FErrorText; }
    vcl::TColor ErrorBackGroundColor() const { return FErrorBackGroundColor; }
    vcl::TFont* ErrorFont() const { return FErrorFont.get(); }
    bool NeedsRepaint() const { return FNeedsRepaint; }
    // True when a repaint request now would change nothing: one is marked already and is held by
    // an update block or merged into a repaint on its way (frame timer armed, or window invalidated
    // under the frame-rate limit). Sources of many changes ask this before reporting each one.
    bool RepaintRequestMerged() const
    {
        return FNeedsRepaint
            && (FUpdateActive || (FAutoFrameRate && FUpdateFrameRate > 0 && (FPaintPending || FFrameScheduled)));
    }
    bool UpdateActive() const { return FUpdateActive; }
    bool BackGroundChanged() const { return FBackGroundChanged; }
    void SetLoading(bool Value) { FLoading = Value; }

    virtual vcl::TPoint GetCenterPoint() const;

    // --- public operations ---
    virtual void RepaintAll();
    // Blocks do not nest: one EndUpdate ends any number of BeginUpdate calls.
    virtual void BeginUpdate();
    virtual void EndUpdate();
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    // The published properties as property lines after "File Type = <class>"; without
    // OptionSaveAllProperties the common control properties stay out. Failures raise
    // "Error Saving Properties - <reason>".
    virtual void SavePropertiesToFile(const QString& FileName);
    // Applies a properties file inside one update block; failures raise "Error Loading Properties - <reason>".
    virtual void LoadPropertiesFromFile(const QString& FileName);

    // Repaints at once: clears the pending flag, notes the time and invalidates the window.
    void InvalidateNow();

    // The control painted off screen at its size, written as a Windows bitmap file.
    void SaveImageToBitmap(const QString& FileName);

    TiPaintEvent OnPaint;
    TChangePropertyEvent OnChangeProtected;
    TRequestEditEvent OnRequestEdit;
    TGetDesigningEvent OnGetDesigning;

protected:
    // --- repaint requests ---
    void InvalidateChange();
    void BackGroundChange();
    // Under the frame-rate limit a request either repaints now or leaves the repaint pending until
    // the frame period has passed. While a repaint is already on its way (the window waits to paint,
    // or the frame timer runs) further requests only keep it pending: a stream of data adds reads the
    // clock once a frame, not once an add.
    void InvalidateFrameRate();

    // Store when different, then repaint by kind: 0 InvalidateChange, 1 BackGroundChange, else store only.
    void SetBooleanProperty(bool Value, bool& Field, int Kind);
    void SetIntegerProperty(int Value, int& Field, int Kind);
    void SetColorProperty(vcl::TColor Value, vcl::TColor& Field, int Kind);
    template <class T> void SetPropertyField(T Value, T& Field, int Kind);

    bool IsLoading() const;
    bool IsDesigning() const;
    vcl::TBitmap* GetBackGroundBitmap();

    // --- painting ---
    virtual void iPaintTo(vcl::TCanvas* Canvas) = 0;
    virtual void DrawBackGround(vcl::TCanvas* Canvas, vcl::TColor Color);
    virtual void DrawBorder(vcl::TCanvas* Canvas);
    void Paint() override;

    // --- internal timer (the window layer) ---
    virtual bool InternalTimerActive() const = 0;
    virtual void InternalTimerStart(int FirstInterval, int Interval) = 0;
    virtual void InternalTimerStop() = 0;

    // --- component-level input ---
    virtual void iSetFocus();
    virtual void iKillFocus();
    virtual void iWantSpecialKey(vcl::WORD& CharCode, vcl::LRESULT& Result) {}
    virtual void iKeyUp(vcl::WORD& Key, vcl::TShiftState Shift) {}
    virtual void iKeyDown(vcl::WORD& Key, vcl::TShiftState Shift) {}
    virtual void iKeyPress(char16_t& Key) {}
    virtual void iMouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {}
    virtual void iMouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {}
    virtual void iMouseMove(vcl::TShiftState Shift, int X, int Y) {}
    virtual void iDoubleClick() {}
    virtual bool iMouseWheel(int WheelDelta, vcl::TShiftState Shift, vcl::TPoint MousePos) { return false; }

    // Runs a user notification with UserGenerated set; exceptions of the platform's class are swallowed.
    template <typename Fn>
    void RelayUser(Fn&& fn);

    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;

    // IiUpdateClient
    bool UpdateClientActive() const override { return FUpdateActive; }
    bool UpdateClientNeedsRepaint() const override { return FNeedsRepaint; }
    int UpdateClientFrameRate() const override { return FUpdateFrameRate; }
    double UpdateClientLastUpdate() const override { return FLastUpdate; }
    void UpdateClientInvalidateNow() override { InvalidateNow(); }

    bool FUpdateActive { false };
    int FUpdateFrameRate { 60 };
    double FLastUpdate { 0.0 };
    bool FNeedsRepaint { false };
    std::unique_ptr<vcl::TBitmap> FBackGroundBitmap;
    std::unique_ptr<vcl::TBitmap> FOffScreenBitmap;
    std::unique_ptr<vcl::TBitmap> FBackGroundPicture;
    vcl::TColor FBackGroundColor { vcl::clBtnFace };
    bool FBackGroundChanged { true };
    TiBevelStyle FBorderStyle { TiBevelStyle::ibsNone };
    int FOffsetY { 0 };
    int FOffsetX { 0 };
    bool FShowDisabledState { false };
    bool FHasFocus { false };
    bool FAutoFrameRate { false };
    bool FLoading { false };
    bool FActiveXDesigning { false };
    bool FCachedDrawing { true };
    bool FOptionSaveAllProperties { false };
    bool FUserGenerated { false };
    bool FErrorActive { false };
    QString FErrorText { QStringLiteral("Error") };
    vcl::TColor FErrorBackGroundColor { 0 };
    std::unique_ptr<vcl::TFont> FErrorFont;

private:
    void ScheduleFrame(double DelayDays);
    void FrameDue();

    bool FPaintPending { false };
    bool FFrameScheduled { false };
    std::unique_ptr<vcl::TTimer> FFrameTimer;
};

template <typename Fn>
void TiComponent::RelayUser(Fn&& fn)
{
    struct Restore
    {
        bool& flag;
        bool previous;
        ~Restore() { flag = previous; }
    } restore { FUserGenerated, FUserGenerated };
    FUserGenerated = true;
    try {
        fn();
    } catch (const vcl::Exception&) {
    }
}
