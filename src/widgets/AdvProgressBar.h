#pragma once
// A block progress gauge with level colours by percentage and the percentage as text.

#include "platform/ui/TFont.h"
#include "platform/ui/TGraphicControl.h"

#include <QString>

namespace vcl { class TBitmap; }

class TAdvProgressBar : public vcl::TGraphicControl
{
public:
    explicit TAdvProgressBar(vcl::TComponent* AOwner);
    ~TAdvProgressBar() override;

    int Position() const { return m_position; }
    // In range: stored and painted at once when the bar or its percentage changes; out of range:
    // the bound is stored without a paint.
    void SetPosition(int value);
    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    // Stores and repaints; the position is not clamped again (callers may step beyond it).
    void SetMax(int value);

    vcl::TColor Level0Color() const { return m_levelColor[0]; }
    vcl::TColor LevelColor(int level) const { return m_levelColor[level & 3]; }
    vcl::TColor LevelColorTo(int level) const { return m_levelColorTo[level & 3]; }
    void SetLevelColor(int level, vcl::TColor value);
    void SetLevelColorTo(int level, vcl::TColor value);
    int Level1Perc() const { return m_level1Perc; }
    void SetLevel1Perc(int value);
    int Level2Perc() const { return m_level2Perc; }
    void SetLevel2Perc(int value);
    vcl::TColor BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(vcl::TColor value);
    vcl::TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(vcl::TColor value);
    bool ShowBorder() const { return m_showBorder; }
    void SetShowBorder(bool value);
    bool Rounded() const { return m_rounded; }
    void SetRounded(bool value);
    bool ShowGradient() const { return m_showGradient; }
    void SetShowGradient(bool value);
    int Steps() const { return m_steps; }
    void SetSteps(int value);
    bool ShowPosition() const { return m_showPosition; }
    void SetShowPosition(bool value);
    bool ShowPercentage() const { return m_showPercentage; }
    void SetShowPercentage(bool value);
    vcl::TFont* Font() { return &m_font; }
    void SetFont(const vcl::TFont& value);

    // The percentage the bar shows: position / (Max - Min) * 100 rounded half to even, 0 when Max = Min.
    int Percentage() const;
    // The text drawn over the bar ("40%", or the raw position without ShowPercentage).
    QString PositionText() const;
    // How many synchronous paints position writes asked for (tests watch the repaint rule).
    int PositionPaints() const { return m_positionPaints; }

    // Draws the whole gauge into bmp (client size); public so the look can be checked off-screen.
    void DrawTo(vcl::TBitmap& bmp) const;

protected:
    void Paint() override;

private:
    void DrawGauge(vcl::TCanvas& canvas, int L, int T, int R, int B) const;
    void DrawBlock(vcl::TCanvas& canvas, int L, int T, int R, int B, vcl::TColor ca, vcl::TColor cb) const;
    void UpdateBlockSize();

    int m_position { 50 };
    int m_min { 0 };
    int m_max { 100 };
    vcl::TColor m_levelColor[4] { 0x00FF00, 0x00FFFF, 0x53A9FF, 0x0000FF };
    vcl::TColor m_levelColorTo[4] { 0xE1FFE1, 0xCAFFFF, 0xA8D3FF, 0xCACAFF };
    int m_level1Perc { 70 };
    int m_level2Perc { 90 };
    vcl::TColor m_backgroundColor { 0xFFFFFF };
    vcl::TColor m_borderColor { 0x808080 };
    bool m_showBorder { true };
    bool m_rounded { true };
    bool m_showGradient { true };
    int m_steps { 8 };
    bool m_showPosition { true };
    bool m_showPercentage { true };
    vcl::TFont m_font;

    int m_blockSize { 1 };
    int m_lastBlock { 0 };
    int m_lastPerc { 0 };
    int m_positionPaints { 0 };
};
