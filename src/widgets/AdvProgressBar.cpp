#include "widgets/AdvProgressBar.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TBitmap.h"

namespace {

constexpr vcl::TColor MaskColor = 0xFF00FF; // corners outside the rounded frame, drawn transparent
constexpr int InfiniteStep = 4;

} // namespace

TAdvProgressBar::TAdvProgressBar(vcl::TComponent* AOwner) : vcl::TGraphicControl(AOwner)
{
    m_font.SetName(QStringLiteral("Verdana"));
    m_font.SetSize(10);
    m_font.OnChange = [this](vcl::TObject*) { Invalidate(); };
    m_timer.SetEnabled(false);
    m_timer.SetInterval(static_cast<unsigned>(m_infiniteInterval));
    m_timer.OnTimer = [this](vcl::TObject*) { InfiniteTimerTick(); };
    SetBounds(0, 0, 128, 18);
}

TAdvProgressBar::~TAdvProgressBar()
{
    m_timer.SetEnabled(false);
    m_timer.OnTimer = nullptr;
    m_font.OnChange = nullptr;
}

int TAdvProgressBar::Percentage() const
{
    if (m_max == m_min)
        return 0;
    return vcl::RoundToInt(double(m_position) / (double(m_max) - double(m_min)) * 100.0);
}

QString TAdvProgressBar::PositionText() const
{
    TGaugeSettings s;
    FillSettings(s);
    return GaugeText(s, Percentage());
}

void TAdvProgressBar::PaintNow()
{
    ++m_positionPaints;
    Repaint();
}

void TAdvProgressBar::SetPosition(int value)
{
    if (value < m_min) {
        m_position = m_min;
        return;
    }
    if (value > m_max) {
        m_position = m_max;
        return;
    }
    m_position = value;
    const int p = Percentage();
    const bool sameBlock = m_blockSize != 0 && value % m_blockSize != 0 && value / m_blockSize == m_lastBlock
                           && p == m_lastPerc;
    if (!sameBlock)
        PaintNow();
    m_lastPerc = p;
    if (m_blockSize != 0)
        m_lastBlock = value / m_blockSize;
}

void TAdvProgressBar::UpdateBlockSize()
{
    // The difference is taken in 64 bits: bounds far apart must not overflow.
    m_blockSize = static_cast<int>((std::int64_t(m_max) - m_min) / 100);
    Invalidate();
}

void TAdvProgressBar::SetMin(int value)
{
    m_min = value;
    UpdateBlockSize();
}

void TAdvProgressBar::SetMax(int value)
{
    m_max = value;
    UpdateBlockSize();
}

void TAdvProgressBar::SetLevelColor(int level, vcl::TColor value)
{
    m_levelColor[level & 3] = value;
    Invalidate();
}

void TAdvProgressBar::SetLevelColorTo(int level, vcl::TColor value)
{
    m_levelColorTo[level & 3] = value;
    Invalidate();
}

void TAdvProgressBar::SetLevelBkColor(int level, vcl::TColor value)
{
    vcl::TColor& held = m_levelBkColor[level % 3];
    if (held == value)
        return;
    held = value;
    Invalidate();
}

void TAdvProgressBar::SetLevel1Perc(int value) { m_level1Perc = value; Invalidate(); }
void TAdvProgressBar::SetLevel2Perc(int value) { m_level2Perc = value; Invalidate(); }
void TAdvProgressBar::SetBackgroundColor(vcl::TColor value) { m_backgroundColor = value; Invalidate(); }
void TAdvProgressBar::SetBorderColor(vcl::TColor value) { m_borderColor = value; Invalidate(); }
void TAdvProgressBar::SetShowBorder(bool value) { m_showBorder = value; Invalidate(); }
void TAdvProgressBar::SetRounded(bool value) { m_rounded = value; Invalidate(); }
void TAdvProgressBar::SetOrientation(TGaugeOrientation value) { m_orientation = value; Invalidate(); }
void TAdvProgressBar::SetStacked(bool value) { m_stacked = value; Invalidate(); }
void TAdvProgressBar::SetCompletionSmooth(bool value) { m_completionSmooth = value; Invalidate(); }
void TAdvProgressBar::SetShowGradient(bool value) { m_showGradient = value; Invalidate(); }
void TAdvProgressBar::SetSteps(int value) { m_steps = value; Invalidate(); }
void TAdvProgressBar::SetShowPosition(bool value) { m_showPosition = value; Invalidate(); }
void TAdvProgressBar::SetShowPercentage(bool value) { m_showPercentage = value; Invalidate(); }
void TAdvProgressBar::SetFormat(const QString& value) { m_format = value; Invalidate(); }

void TAdvProgressBar::SetFont(const vcl::TFont& value)
{
    m_font.Assign(const_cast<vcl::TFont*>(&value)); // the font's change notice repaints
}

void TAdvProgressBar::UpdateTimer()
{
    m_timer.SetEnabled(m_infinite && m_animated);
}

void TAdvProgressBar::SetInfinite(bool value)
{
    m_infinite = value;
    if (value)
        m_infinitePos = 0;
    UpdateTimer();
    Invalidate();
}

void TAdvProgressBar::SetAnimated(bool value)
{
    m_animated = value;
    UpdateTimer();
    Invalidate();
}

void TAdvProgressBar::SetInfiniteInterval(int value)
{
    m_infiniteInterval = value;
    m_timer.SetInterval(static_cast<unsigned>(std::max(value, 0)));
}

void TAdvProgressBar::InfiniteTimerTick()
{
    if (m_infiniteUp) {
        m_infinitePos += InfiniteStep;
        if (m_infinitePos >= 100) {
            m_infinitePos = 100;
            m_infiniteUp = false;
        }
    } else {
        m_infinitePos -= InfiniteStep;
        if (m_infinitePos <= 0) {
            m_infinitePos = 0;
            m_infiniteUp = true;
        }
    }
    PaintNow();
}

void TAdvProgressBar::FillSettings(TGaugeSettings& s) const
{
    s.Level0Color = m_levelColor[0];
    s.Level0ColorTo = m_levelColorTo[0];
    s.Level1Color = m_levelColor[1];
    s.Level1ColorTo = m_levelColorTo[1];
    s.Level2Color = m_levelColor[2];
    s.Level2ColorTo = m_levelColorTo[2];
    s.Level3Color = m_levelColor[3];
    s.Level3ColorTo = m_levelColorTo[3];
    s.Level1Perc = m_level1Perc;
    s.Level2Perc = m_level2Perc;
    s.BorderColor = m_borderColor;
    s.Level0BkColor = m_levelBkColor[0];
    s.Level1BkColor = m_levelBkColor[1];
    s.Level2BkColor = m_levelBkColor[2];
    s.ShowBorder = m_showBorder;
    s.Stacked = m_stacked;
    s.ShowPercentage = m_showPercentage;
    s.ShowPosition = m_showPosition;
    s.Font.Assign(&m_font);
    s.CompletionSmooth = m_completionSmooth;
    s.ShowGradient = m_showGradient;
    s.Steps = m_steps;
    s.Position = Percentage();
    s.Value = m_position;
    s.Max = m_max;
    s.BackgroundColor = m_backgroundColor;
    s.Orientation = m_orientation;
    s.Rounded = m_rounded;
    s.Format = m_format;
    s.Infinite = m_infinite;
    s.InfinitePos = m_infinitePos;
}

void TAdvProgressBar::Paint()
{
    if (!Parent() || !Visible() || width() <= 0 || height() <= 0)
        return;
    vcl::TBitmap bmp;
    bmp.SetDeviceScale(Canvas()->DeviceScale()); // as fine as the screen: frame and text stay sharp
    bmp.SetSize(width(), height());
    DrawTo(bmp);
    if (m_rounded) {
        bmp.SetTransparentColor(MaskColor);
        bmp.SetTransparent(true);
    }
    Canvas()->Draw(0, 0, &bmp);
}

void TAdvProgressBar::DrawTo(vcl::TBitmap& bmp) const
{
    TGaugeSettings s;
    FillSettings(s);
    DrawGauge(*bmp.Canvas(), vcl::TRect(0, 0, bmp.Width(), bmp.Height()), s);
}
