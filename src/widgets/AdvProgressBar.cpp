#include "widgets/AdvProgressBar.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TBitmap.h"

#include <algorithm>

namespace {

constexpr vcl::TColor MaskColor = 0xFF00FF; // corners outside the rounded frame, drawn transparent

int RoundInt(double v)
{
    return static_cast<int>(vcl::Round(v));
}

// Bands of colour from 'from' towards 'to' across [start, end) along y (vertical) or x.
void DrawGradient(vcl::TCanvas& canvas, vcl::TColor from, vcl::TColor to, bool alongY, int x1, int y1, int x2, int y2,
                  int steps)
{
    if (steps <= 0)
        steps = 1;
    const vcl::TColor f = vcl::ColorToRGB(from);
    const vcl::TColor t = vcl::ColorToRGB(to);
    auto r = [](vcl::TColor c) { return static_cast<int>(c & 0xFF); };
    auto g = [](vcl::TColor c) { return static_cast<int>((c >> 8) & 0xFF); };
    auto b = [](vcl::TColor c) { return static_cast<int>((c >> 16) & 0xFF); };
    const double dr = double(r(t) - r(f)) / steps;
    const double dg = double(g(t) - g(f)) / steps;
    const double db = double(b(t) - b(f)) / steps;
    const int start = alongY ? y1 : x1;
    const int end = alongY ? y2 : x2;
    const double band = double(end - start) / steps;
    for (int i = 0; i < steps; ++i) {
        const vcl::TColor c = vcl::RGB(std::clamp(r(f) + RoundInt(i * dr), 0, 255), std::clamp(g(f) + RoundInt(i * dg), 0, 255),
                                       std::clamp(b(f) + RoundInt(i * db), 0, 255));
        const int s = start + RoundInt(i * band);
        const int e = std::min(s + static_cast<int>(band) + 1, end);
        canvas.Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(c);
        if (alongY)
            canvas.FillRect(vcl::TRect(x1, s, x2, e));
        else
            canvas.FillRect(vcl::TRect(s, y1, e, y2));
    }
}

} // namespace

TAdvProgressBar::TAdvProgressBar(vcl::TComponent* AOwner) : vcl::TGraphicControl(AOwner)
{
    m_font.SetName(QStringLiteral("Verdana"));
    m_font.SetSize(10);
    SetBounds(0, 0, 128, 18);
}

TAdvProgressBar::~TAdvProgressBar() = default;

int TAdvProgressBar::Percentage() const
{
    if (m_max == m_min)
        return 0;
    return RoundInt(double(m_position) / double(m_max - m_min) * 100.0);
}

QString TAdvProgressBar::PositionText() const
{
    return m_showPercentage ? QString::number(Percentage()) + QLatin1Char('%') : QString::number(m_position);
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
    if (!sameBlock) {
        ++m_positionPaints;
        Repaint();
    }
    m_lastPerc = p;
    if (m_blockSize != 0)
        m_lastBlock = value / m_blockSize;
}

void TAdvProgressBar::UpdateBlockSize()
{
    m_blockSize = (m_max - m_min) / 100;
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

void TAdvProgressBar::SetLevel1Perc(int value) { m_level1Perc = value; Invalidate(); }
void TAdvProgressBar::SetLevel2Perc(int value) { m_level2Perc = value; Invalidate(); }
void TAdvProgressBar::SetBackgroundColor(vcl::TColor value) { m_backgroundColor = value; Invalidate(); }
void TAdvProgressBar::SetBorderColor(vcl::TColor value) { m_borderColor = value; Invalidate(); }
void TAdvProgressBar::SetShowBorder(bool value) { m_showBorder = value; Invalidate(); }
void TAdvProgressBar::SetRounded(bool value) { m_rounded = value; Invalidate(); }
void TAdvProgressBar::SetShowGradient(bool value) { m_showGradient = value; Invalidate(); }
void TAdvProgressBar::SetSteps(int value) { m_steps = value; Invalidate(); }
void TAdvProgressBar::SetShowPosition(bool value) { m_showPosition = value; Invalidate(); }
void TAdvProgressBar::SetShowPercentage(bool value) { m_showPercentage = value; Invalidate(); }

void TAdvProgressBar::SetFont(const vcl::TFont& value)
{
    m_font.Assign(const_cast<vcl::TFont*>(&value));
    Invalidate();
}

void TAdvProgressBar::Paint()
{
    if (!Parent() || width() <= 0 || height() <= 0)
        return;
    vcl::TBitmap bmp;
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
    DrawGauge(*bmp.Canvas(), 0, 0, bmp.Width(), bmp.Height());
}

void TAdvProgressBar::DrawBlock(vcl::TCanvas& canvas, int L, int T, int R, int B, vcl::TColor ca, vcl::TColor cb) const
{
    if (R <= L || B <= T)
        return;
    if (!m_showGradient) {
        canvas.Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(ca);
        canvas.FillRect(vcl::TRect(L, T, R, B));
        return;
    }
    const int mid = T + (B - T) / 2;
    DrawGradient(canvas, cb, ca, true, L, T, R, mid, m_steps);
    DrawGradient(canvas, ca, cb, true, L, mid, R, B, m_steps);
}

void TAdvProgressBar::DrawGauge(vcl::TCanvas& canvas, int L, int T, int R, int B) const
{
    const int p = Percentage();
    const int c = (R - L) - 2;

    canvas.Pen()->SetStyle(vcl::TPenStyle::psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
    if (m_rounded) {
        canvas.Pen()->SetColor(MaskColor);
        canvas.Brush()->SetColor(MaskColor);
        canvas.Rectangle(L, T, R, B);
    }
    canvas.Brush()->SetColor(m_backgroundColor);
    canvas.Pen()->SetColor(m_showBorder ? m_borderColor : m_backgroundColor);
    if (m_rounded)
        canvas.RoundRect(L, T, R, B, 6, 6);
    else
        canvas.Rectangle(L, T, R, B);

    if (p > 0 && c > 0) {
        int level = 3;
        if (p < m_level1Perc)
            level = 0;
        else if (p < m_level2Perc)
            level = 1;
        else if (p < 100)
            level = 2;
        const vcl::TColor ca = m_levelColor[level];
        const vcl::TColor cb = m_levelColorTo[level];
        // A position left above a lowered maximum never draws past the frame.
        const int n = std::min(RoundInt(double(p * c) / 100.0), c);
        if (n <= 9) {
            if (n > 1)
                DrawBlock(canvas, L + 2, T + 2, L + 2 + n - 1, B - 2, ca, cb);
        } else {
            int start = L + 2;
            int end = L + 9;
            DrawBlock(canvas, start, T + 2, end, B - 2, ca, cb);
            for (int i = 0; i < n / 9 - 1; ++i) {
                start = end + 2;
                end = start + 7;
                DrawBlock(canvas, start, T + 2, end, B - 2, ca, cb);
            }
            if (n % 9 > 2) {
                start = end + 2;
                DrawBlock(canvas, start, T + 2, start + n % 9 - 1, B - 2, ca, cb);
            }
        }
    }

    if (m_showPosition) {
        canvas.Brush()->SetStyle(vcl::TBrushStyle::bsClear);
        canvas.Font()->Assign(const_cast<vcl::TFont*>(&m_font));
        const QString text = PositionText();
        const int x = L + (R - L) / 2 - canvas.TextWidth(text) / 2;
        const int y = T + (B - T) / 2 - canvas.TextHeight(text) / 2;
        canvas.TextOut(x, y, text);
    }
}
