#pragma once
// The splash screen's progress bar: its persistent description that draws a bar of any range
// into a GDI+ surface, and the graphic control that animates the position and a moving glow.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"
#include "platform/ui/TFont.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TTimer.h"
#include "widgets/AdvGDIP.h"
#include "widgets/AdvStyleIF.h"
#include "widgets/GDIPFill.h"

#include <functional>
#include <memory>

enum class TGDIPProgressValueType { vtPercentage, vtAbsolute };
enum class TGDIPProgressValuePosition { vpProgressCenter, vpProgressRight, vpCenter, vpLeft, vpRight, vpCustom };

using TAdvSmoothProgressBarPositionChanged = std::function<void(vcl::TObject* Sender, double Value)>;

// Settings of the splash progress bar and the drawing of a bar from them.
class TGDIPSplashProgress : public vcl::TPersistent
{
public:
    TGDIPSplashProgress();
    ~TGDIPSplashProgress() override;

    void Assign(vcl::TPersistent* Source) override;

    TGDIPFill* BackGroundFill() const { return m_backGroundFill.get(); }
    void SetBackGroundFill(TGDIPFill* value);
    TGDIPFill* ProgressFill() const { return m_progressFill.get(); }
    void SetProgressFill(TGDIPFill* value);
    vcl::TFont* Font() const { return m_font.get(); }
    void SetFont(vcl::TFont* value);
    vcl::TFont* ProgressFont() const { return m_progressFont.get(); }
    void SetProgressFont(vcl::TFont* value);
    const QString& ValueFormat() const { return m_valueFormat; }
    void SetValueFormat(const QString& value);
    TGDIPProgressValueType ValueType() const { return m_valueType; }
    void SetValueType(TGDIPProgressValueType value);
    TGDIPProgressValuePosition ValuePosition() const { return m_valuePosition; }
    void SetValuePosition(TGDIPProgressValuePosition value);
    int ValuePositionLeft() const { return m_valuePositionLeft; }
    void SetValuePositionLeft(int value);
    int ValuePositionTop() const { return m_valuePositionTop; }
    void SetValuePositionTop(int value);
    bool ValueVisible() const { return m_valueVisible; }
    void SetValueVisible(bool value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value); // notifies even when unchanged
    int Left() const { return m_left; }
    void SetLeft(int value);
    int Top() const { return m_top; }
    void SetTop(int value);
    int Width() const { return m_width; }
    void SetWidth(int value);
    int Height() const { return m_height; }
    void SetHeight(int value);
    double Step() const { return m_step; }
    void SetStep(double value) { m_step = value; } // stored without notice
    double Minimum() const { return m_minimum; }
    void SetMinimum(double value);
    double Maximum() const { return m_maximum; }
    void SetMaximum(double value);
    double Position() const { return m_position; }
    void SetPosition(double value);
    bool GlowAnimation() const { return m_glowAnimation; }
    void SetGlowAnimation(bool value);
    bool ProgressAnimation() const { return m_progressAnimation; }
    void SetProgressAnimation(bool value);

    // Draws the whole bar into r for the range and position.
    void Draw(TGPGraphics* g, const vcl::TRect& r, double min, double max, double position);
    // The filled part of the bar in r.
    TGPRectF CalculateProgressRectangle(const vcl::TRect& r, double min, double max, double pos) const;
    // r less the background border.
    TGPRectF GetInsideRectF(const vcl::TRect& r) const;
    // The value text for the range and position (the position clamped to it).
    QString ValueText(double min, double max, double position) const;

    vcl::TNotifyEvent OnChange;

private:
    void Changed();
    void DrawEndShading(TGPGraphics* g, const TGPRectF& r);
    void DrawGloss(TGPGraphics* g, const TGPRectF& inner);
    void DrawValue(TGPGraphics* g, const vcl::TRect& r, double min, double max, double position);

    std::unique_ptr<TGDIPFill> m_backGroundFill;
    std::unique_ptr<TGDIPFill> m_progressFill;
    std::unique_ptr<vcl::TFont> m_font;
    std::unique_ptr<vcl::TFont> m_progressFont;
    QString m_valueFormat { QStringLiteral("%.0f%%") };
    TGDIPProgressValueType m_valueType { TGDIPProgressValueType::vtAbsolute };
    TGDIPProgressValuePosition m_valuePosition { TGDIPProgressValuePosition::vpCenter };
    int m_valuePositionLeft { 0 };
    int m_valuePositionTop { 0 };
    bool m_valueVisible { false };
    bool m_visible { false };
    int m_left { 50 };
    int m_top { 100 };
    int m_width { 300 };
    int m_height { 17 };
    double m_step { 10.0 };
    double m_minimum { 0.0 };
    double m_maximum { 100.0 };
    double m_position { 0.0 };
    bool m_glowAnimation { false };
    bool m_progressAnimation { false };
};

// The progress bar control inside the splash window: live position, animation and glow.
class TAdvSplashProgressBar : public vcl::TGraphicControl, public IComponentStyle
{
public:
    explicit TAdvSplashProgressBar(vcl::TComponent* AOwner);
    ~TAdvSplashProgressBar() override;

    void Assign(vcl::TPersistent* Source) override;

    double Step() const { return m_step; }
    void SetStep(double value);
    double Minimum() const { return m_minimum; }
    void SetMinimum(double value);
    double Maximum() const { return m_maximum; }
    void SetMaximum(double value);
    double Position() const { return m_position; }
    void SetPosition(double value);
    bool GlowAnimation() const { return m_glowAnimation; }
    void SetGlowAnimation(bool value);
    bool ProgressAnimation() const { return m_progressAnimation; }
    void SetProgressAnimation(bool value);
    TGDIPSplashProgress* Appearance() const { return m_appearance.get(); }
    void SetAppearance(TGDIPSplashProgress* value);
    QString Version() const { return QStringLiteral("1.2.0.0"); }
    void SetVersion(const QString&) {}

    void Next() { Next(m_step); }
    void Next(double AStep) { SetPosition(m_position + AStep); }
    void Previous() { Previous(m_step); }
    void Previous(double AStep) { SetPosition(m_position - AStep); }
    void GoToValue(double AValue) { SetPosition(AValue); }
    void GoToStart() { SetPosition(m_minimum); }
    void GoToEnd() { SetPosition(m_maximum); }
    bool AnimationInProgress() const;

    void SetComponentStyle(TStylePreset AStyle) override;

    // One 10 ms step of the position animation and the glow (the timer's handler).
    void AnimationTick();
    double GlowPos() const { return m_glowPos; }
    int GlowCount() const { return m_glowCount; }
    vcl::TTimer* AnimationTimer() const { return m_animationTimer; }

    vcl::TNotifyEvent OnChange; // never fired
    TAdvSmoothProgressBarPositionChanged OnPositionChanged;

protected:
    void Paint() override;
    void Resize() override;

private:
    bool Animating() const;
    bool Glowing() const;
    void Synchronise();
    void DrawGlow(TGPGraphics* g);

    std::unique_ptr<TGDIPSplashProgress> m_appearance;
    double m_step { 10.0 };
    double m_minimum { 0.0 };
    double m_maximum { 100.0 };
    double m_position { 0.0 };
    double m_positionTo { 0.0 };
    double m_positionTemp { 0.0 };
    bool m_glowAnimation { false };
    bool m_progressAnimation { false };
    vcl::TRect m_rect;
    double m_glowPos { -40 };
    int m_glowCount { 3000 };
    vcl::TTimer* m_animationTimer { nullptr };
};
