#pragma once
// A progress gauge of gradient blocks (or one smooth bar, or three stacked level segments), horizontal
// or vertical, whose colours follow the percentage reached, with the percentage as text; or an endless
// busy display that a timer bounces along the bar.

#include "platform/ui/TFont.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TTimer.h"

#include <QString>

namespace vcl { class TBitmap; }

enum class TGaugeOrientation { goHorizontal, goVertical };

// Everything the drawing routine needs, one field per input.
struct TGaugeSettings
{
    vcl::TColor Level0Color { 0 };
    vcl::TColor Level0ColorTo { 0 };
    vcl::TColor Level1Color { 0 };
    vcl::TColor Level1ColorTo { 0 };
    vcl::TColor Level2Color { 0 };
    vcl::TColor Level2ColorTo { 0 };
    vcl::TColor Level3Color { 0 };
    vcl::TColor Level3ColorTo { 0 };
    int Level1Perc { 70 };
    int Level2Perc { 90 };
    vcl::TColor BorderColor { 0 };
    vcl::TColor Level0BkColor { vcl::clNone };
    vcl::TColor Level1BkColor { vcl::clNone };
    vcl::TColor Level2BkColor { vcl::clNone };
    bool ShowBorder { true };
    bool Stacked { false };
    bool ShowPercentage { true };
    bool ShowPosition { true };
    vcl::TFont Font;
    bool CompletionSmooth { false };
    bool ShowGradient { true };
    int Steps { 8 };
    int Position { 0 }; // the percentage
    int Value { 0 };    // the raw position
    int Max { 100 };
    vcl::TColor BackgroundColor { 0xFFFFFF };
    TGaugeOrientation Orientation { TGaugeOrientation::goHorizontal };
    bool Rounded { true };
    bool ParentColor { false };
    QString Format;
    bool Infinite { false };
    int InfinitePos { 0 };
};

// Bands of colour from `from` towards `to` along y (alongY) or x over Rect: band i of Steps (0 means 1)
// has from + round(i x (to - from) / Steps) per channel, so the last band stops one step short of `to`.
void DrawGaugeGradient(vcl::TCanvas& Canvas, vcl::TColor from, vcl::TColor to, bool alongY, const vcl::TRect& Rect,
                       int Steps);
// The whole gauge over Rect: frame, level zones, blocks, bar or segments, the infinite window, the text.
void DrawGauge(vcl::TCanvas& Canvas, const vcl::TRect& Rect, const TGaugeSettings& Settings);
// The text over the bar for percentage p: "p%", the raw value, or Format applied to (value, Max).
QString GaugeText(const TGaugeSettings& Settings, int p);

class TAdvProgressBar : public vcl::TGraphicControl
{
public:
    explicit TAdvProgressBar(vcl::TComponent* AOwner);
    ~TAdvProgressBar() override;

    // Position, Min, Max, the level colours and percentages, Font and the drawing options; a value equal
    // to its initial one is left out of a form except for the ones always written.
    const vcl::TPropertyTable* PublishedProperties() const override;

    int Position() const { return m_position; }
    // In range: stored and painted at once when the bar or its percentage changes; out of range:
    // the bound is stored without a paint.
    void SetPosition(int value);
    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    // Stores and repaints; the position is not clamped again (callers may step beyond it).
    void SetMax(int value);

    vcl::TColor LevelColor(int level) const { return m_levelColor[level & 3]; }
    vcl::TColor LevelColorTo(int level) const { return m_levelColorTo[level & 3]; }
    void SetLevelColor(int level, vcl::TColor value);
    void SetLevelColorTo(int level, vcl::TColor value);
    // The same per level, as the property table names them (Level0Color ... Level3ColorTo).
    template <int N> vcl::TColor LevelColorOf() const { return m_levelColor[N]; }
    template <int N> void SetLevelColorOf(vcl::TColor value) { SetLevelColor(N, value); }
    template <int N> vcl::TColor LevelColorToOf() const { return m_levelColorTo[N]; }
    template <int N> void SetLevelColorToOf(vcl::TColor value) { SetLevelColorTo(N, value); }
    template <int N> vcl::TColor LevelBkColorOf() const { return m_levelBkColor[N]; }
    template <int N> void SetLevelBkColorOf(vcl::TColor value) { SetLevelBkColor(N, value); }
    int Level1Perc() const { return m_level1Perc; }
    void SetLevel1Perc(int value);
    int Level2Perc() const { return m_level2Perc; }
    void SetLevel2Perc(int value);
    // Background of the three level zones; clNone leaves a zone in BackgroundColor.
    vcl::TColor LevelBkColor(int level) const { return m_levelBkColor[level % 3]; }
    void SetLevelBkColor(int level, vcl::TColor value);
    vcl::TColor BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(vcl::TColor value);
    vcl::TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(vcl::TColor value);
    bool ShowBorder() const { return m_showBorder; }
    void SetShowBorder(bool value);
    bool Rounded() const { return m_rounded; }
    void SetRounded(bool value);
    TGaugeOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TGaugeOrientation value);
    bool Stacked() const { return m_stacked; }
    void SetStacked(bool value);
    bool CompletionSmooth() const { return m_completionSmooth; }
    void SetCompletionSmooth(bool value);
    bool ShowGradient() const { return m_showGradient; }
    void SetShowGradient(bool value);
    int Steps() const { return m_steps; }
    void SetSteps(int value);
    bool ShowPosition() const { return m_showPosition; }
    void SetShowPosition(bool value);
    bool ShowPercentage() const { return m_showPercentage; }
    void SetShowPercentage(bool value);
    const QString& Format() const { return m_format; }
    void SetFormat(const QString& value);
    vcl::TFont* Font() const { return &m_font; }
    void SetFont(const vcl::TFont& value);
    // Infinite and Animated together run the timer; switching Infinite on restarts at 0.
    bool Infinite() const { return m_infinite; }
    void SetInfinite(bool value);
    bool Animated() const { return m_animated; }
    void SetAnimated(bool value);
    int InfiniteInterval() const { return m_infiniteInterval; }
    void SetInfiniteInterval(int value);
    // Always "1.2.0.1"; writes are ignored.
    QString Version() const { return QStringLiteral("1.2.0.1"); }
    void SetVersion(const QString&) {}

    // One step of the endless display: 4 up to 100, then 4 down to 0, and so on; paints at once.
    void InfiniteTimerTick();
    int InfinitePos() const { return m_infinitePos; }
    // The owned animation timer (disabled unless Infinite and Animated).
    vcl::TTimer* InfiniteTimer() { return &m_timer; }

    // The percentage the bar shows: position / (Max - Min) * 100 rounded half to even, 0 when Max = Min.
    int Percentage() const;
    // The text drawn over the bar ("40%", or the raw position without ShowPercentage).
    QString PositionText() const;
    // How many synchronous paints position writes and timer ticks asked for (tests watch the rule).
    int PositionPaints() const { return m_positionPaints; }

    // The drawing routine's inputs from the properties (the font copied).
    void FillSettings(TGaugeSettings& s) const;
    // Draws the whole gauge into bmp (client size); public so the look can be checked off-screen.
    void DrawTo(vcl::TBitmap& bmp) const;

protected:
    void Paint() override;

private:
    void UpdateBlockSize();
    void UpdateTimer();
    void PaintNow();

    int m_position { 50 };
    int m_min { 0 };
    int m_max { 100 };
    vcl::TColor m_levelColor[4] { 0x00FF00, 0x00FFFF, 0x53A9FF, 0x0000FF };
    vcl::TColor m_levelColorTo[4] { 0xE1FFE1, 0xCAFFFF, 0xA8D3FF, 0xCACAFF };
    vcl::TColor m_levelBkColor[3] { vcl::clNone, vcl::clNone, vcl::clNone };
    int m_level1Perc { 70 };
    int m_level2Perc { 90 };
    vcl::TColor m_backgroundColor { 0xFFFFFF };
    vcl::TColor m_borderColor { 0x808080 };
    bool m_showBorder { true };
    bool m_rounded { true };
    TGaugeOrientation m_orientation { TGaugeOrientation::goHorizontal };
    bool m_stacked { false };
    bool m_completionSmooth { false };
    bool m_showGradient { true };
    int m_steps { 8 };
    bool m_showPosition { true };
    bool m_showPercentage { true };
    QString m_format;
    mutable vcl::TFont m_font;
    bool m_infinite { false };
    bool m_animated { false };
    int m_infiniteInterval { 50 };

    int m_blockSize { 1 };
    int m_lastBlock { 0 };
    int m_lastPerc { 0 };
    int m_infinitePos { 0 };
    bool m_infiniteUp { false };
    int m_positionPaints { 0 };
    vcl::TTimer m_timer { nullptr };
};
