#include "widgets/AdvSmoothSplashScreenProgress.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"

#include <algorithm>
#include <cmath>

using namespace vcl;

namespace {

bool HasBorder(const TGDIPFill* fill)
{
    return fill->BorderColor() != clNone;
}

// A band filled with a two-colour gradient; the brush lies over the band grown by 1 pixel.
void GradientBand(TGPGraphics* g, const TGPRectF& band, ARGB from, ARGB to, LinearGradientMode mode)
{
    if (band.Width <= 0 || band.Height <= 0)
        return;
    const TGPRectF grown { band.X - 1, band.Y - 1, band.Width + 2, band.Height + 2 };
    TGPLinearGradientBrush brush(grown, from, to, mode);
    g->FillRectangle(&brush, band);
}

} // namespace

// ---------------------------------------------------------------- TGDIPSplashProgress

TGDIPSplashProgress::TGDIPSplashProgress()
    : m_backGroundFill(std::make_unique<TGDIPFill>()),
      m_progressFill(std::make_unique<TGDIPFill>()),
      m_font(std::make_unique<TFont>()),
      m_progressFont(std::make_unique<TFont>())
{
    const auto changed = [this](TObject*) { Changed(); };
    m_backGroundFill->OnChange = changed;
    m_progressFill->OnChange = changed;
    m_font->OnChange = changed;
    m_progressFont->OnChange = changed;
}

TGDIPSplashProgress::~TGDIPSplashProgress()
{
    m_backGroundFill->OnChange = nullptr;
    m_progressFill->OnChange = nullptr;
    m_font->OnChange = nullptr;
    m_progressFont->OnChange = nullptr;
}

void TGDIPSplashProgress::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TGDIPSplashProgress::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TGDIPSplashProgress*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    if (s == this) {
        Changed();
        return;
    }
    {
        // The parts' own notices would report every single copy.
        const TNotifyEvent keep = OnChange;
        OnChange = nullptr;
        m_backGroundFill->Assign(s->m_backGroundFill.get());
        m_progressFill->Assign(s->m_progressFill.get());
        m_font->Assign(s->m_font.get());
        m_progressFont->Assign(s->m_progressFont.get());
        OnChange = keep;
    }
    m_valueFormat = s->m_valueFormat;
    m_valueType = s->m_valueType;
    m_valuePosition = s->m_valuePosition;
    m_valuePositionLeft = s->m_valuePositionLeft;
    m_valuePositionTop = s->m_valuePositionTop;
    m_valueVisible = s->m_valueVisible;
    m_visible = s->m_visible;
    m_left = s->m_left;
    m_top = s->m_top;
    m_width = s->m_width;
    m_height = s->m_height;
    m_step = s->m_step;
    m_minimum = s->m_minimum;
    m_maximum = s->m_maximum;
    m_position = s->m_position;
    m_glowAnimation = s->m_glowAnimation;
    m_progressAnimation = s->m_progressAnimation;
    Changed();
}

void TGDIPSplashProgress::SetBackGroundFill(TGDIPFill* value) { m_backGroundFill->Assign(value); }
void TGDIPSplashProgress::SetProgressFill(TGDIPFill* value) { m_progressFill->Assign(value); }
void TGDIPSplashProgress::SetFont(TFont* value) { m_font->Assign(value); }
void TGDIPSplashProgress::SetProgressFont(TFont* value) { m_progressFont->Assign(value); }

#define SPLASH_PROGRESS_SETTER(Name, member, Type)                                                                  \
    void TGDIPSplashProgress::Set##Name(Type value)                                                                  \
    {                                                                                                                \
        if (value != member) {                                                                                       \
            member = value;                                                                                          \
            Changed();                                                                                               \
        }                                                                                                            \
    }
SPLASH_PROGRESS_SETTER(ValueFormat, m_valueFormat, const QString&)
SPLASH_PROGRESS_SETTER(ValueType, m_valueType, TGDIPProgressValueType)
SPLASH_PROGRESS_SETTER(ValuePosition, m_valuePosition, TGDIPProgressValuePosition)
SPLASH_PROGRESS_SETTER(ValuePositionLeft, m_valuePositionLeft, int)
SPLASH_PROGRESS_SETTER(ValuePositionTop, m_valuePositionTop, int)
SPLASH_PROGRESS_SETTER(ValueVisible, m_valueVisible, bool)
SPLASH_PROGRESS_SETTER(Left, m_left, int)
SPLASH_PROGRESS_SETTER(Top, m_top, int)
SPLASH_PROGRESS_SETTER(Width, m_width, int)
SPLASH_PROGRESS_SETTER(Height, m_height, int)
SPLASH_PROGRESS_SETTER(Minimum, m_minimum, double)
SPLASH_PROGRESS_SETTER(Maximum, m_maximum, double)
SPLASH_PROGRESS_SETTER(Position, m_position, double)
SPLASH_PROGRESS_SETTER(GlowAnimation, m_glowAnimation, bool)
SPLASH_PROGRESS_SETTER(ProgressAnimation, m_progressAnimation, bool)
#undef SPLASH_PROGRESS_SETTER

void TGDIPSplashProgress::SetVisible(bool value)
{
    m_visible = value;
    Changed();
}

TGPRectF TGDIPSplashProgress::GetInsideRectF(const TRect& r) const
{
    double x = r.Left, y = r.Top, right = r.Right - 1, bottom = r.Bottom - 1;
    if (HasBorder(m_backGroundFill.get())) {
        const int shrink = (m_backGroundFill->BorderWidth() + 1) / 2;
        x += shrink;
        y += shrink;
        right -= shrink;
        bottom -= shrink;
    }
    return { float(x), float(y), float(right - x), float(bottom - y) };
}

TGPRectF TGDIPSplashProgress::CalculateProgressRectangle(const TRect& r, double min, double max, double pos) const
{
    const TGPRectF inner = GetInsideRectF(r);
    const bool border = HasBorder(m_progressFill.get()) && m_progressFill->BorderWidth() != 0;
    const double b = border ? m_progressFill->BorderWidth() : 0;
    const double total = double(inner.X + inner.Width) - b - inner.X;
    const double width = max - min > 0 ? std::min(total, (pos - min) / (max - min) * total) : 0.0;
    if (border)
        return { float(inner.X + b / 2), float(inner.Y + b / 2), float(width), float(inner.Height - b) };
    return { inner.X, inner.Y, float(width), inner.Height };
}

QString TGDIPSplashProgress::ValueText(double min, double max, double position) const
{
    const double p = std::clamp(position, std::min(min, max), std::max(min, max));
    double value = p;
    if (m_valueType == TGDIPProgressValueType::vtPercentage)
        value = min < max ? (p - min) / (max - min) * 100.0 : max;
    try {
        return Format(m_valueFormat, value);
    } catch (const Exception&) {
        // A format that does not take one number shows no text rather than failing the paint.
        return {};
    }
}

void TGDIPSplashProgress::DrawEndShading(TGPGraphics* g, const TGPRectF& r)
{
    const ARGB dark = PackARGB(30, 0, 0, 0);
    const ARGB clear = PackARGB(0, 0, 0, 0);
    GradientBand(g, { r.X, r.Y, 10, r.Height }, dark, clear, LinearGradientMode::LinearGradientModeHorizontal);
    GradientBand(g, { r.X + r.Width - 10, r.Y, 10, r.Height }, clear, dark,
                 LinearGradientMode::LinearGradientModeHorizontal);
}

void TGDIPSplashProgress::DrawGloss(TGPGraphics* g, const TGPRectF& inner)
{
    const float w = inner.Width, h = inner.Height;
    GradientBand(g, { inner.X, inner.Y, w, float(h / 2.5) }, PackARGB(180, 255, 255, 255), PackARGB(0, 255, 255, 255),
                 LinearGradientMode::LinearGradientModeVertical);
    GradientBand(g, { inner.X, inner.Y + h - float(h / 5.0), w, float(h / 5.0) }, PackARGB(0, 255, 255, 255),
                 PackARGB(255, 255, 255, 255), LinearGradientMode::LinearGradientModeVertical);
}

void TGDIPSplashProgress::DrawValue(TGPGraphics* g, const TRect& r, double min, double max, double position)
{
    const QString text = ValueText(min, max, position);
    if (text.isEmpty())
        return;
    const TGPRectF inner = GetInsideRectF(r);
    const TGPRectF filled = CalculateProgressRectangle(r, min, max, std::clamp(position, min, std::max(min, max)));

    auto measure = [&](TFont* font) {
        std::unique_ptr<TGPFont> f(g->MakeFont(font));
        TGPRectF box;
        g->MeasureString(text, -1, f.get(), inner, box);
        return box;
    };
    const TGPRectF size = measure(m_font.get());
    double offsetY = (inner.Height - size.Height) / 2;
    double x = inner.X;
    switch (m_valuePosition) {
    case TGDIPProgressValuePosition::vpProgressCenter:
        x = filled.Width >= size.Width ? inner.X + (filled.Width - size.Width) / 2 : inner.X;
        break;
    case TGDIPProgressValuePosition::vpProgressRight:
        x = filled.Width >= size.Width ? inner.X + filled.Width - size.Width : inner.X;
        break;
    case TGDIPProgressValuePosition::vpCenter: x = r.Left + (inner.Width - size.Width) / 2; break;
    case TGDIPProgressValuePosition::vpLeft: x = inner.X; break;
    case TGDIPProgressValuePosition::vpRight: x = r.Left + inner.Width - size.Width; break;
    case TGDIPProgressValuePosition::vpCustom:
        x = r.Left + m_valuePositionLeft;
        offsetY = m_valuePositionTop;
        break;
    }
    TFont* font = filled.X + filled.Width > x + size.Width / 2 ? m_progressFont.get() : m_font.get();
    std::unique_ptr<TGPFont> gpFont(g->MakeFont(font));
    TGPSolidBrush brush(OpaqueGPColor(font->Color()));
    g->DrawString(text, -1, gpFont.get(), GPPointF(float(x), float(r.Top + offsetY)), &brush);
}

void TGDIPSplashProgress::Draw(TGPGraphics* g, const TRect& r, double min, double max, double position)
{
    if (!g)
        return;
    m_backGroundFill->Fill(g, GPRectF(float(r.Left), float(r.Top), float(r.Right - r.Left - 1),
                                      float(r.Bottom - r.Top - 1)));
    const TGPRectF filled = CalculateProgressRectangle(r, min, max, position);
    m_progressFill->Fill(g, filled);
    if (filled.Width > 0)
        DrawEndShading(g, filled);
    const TGPRectF inner = GetInsideRectF(r);
    DrawEndShading(g, inner);
    if (m_valueVisible)
        DrawValue(g, r, min, max, position);
    DrawGloss(g, inner);
}

// ---------------------------------------------------------------- TAdvSplashProgressBar

TAdvSplashProgressBar::TAdvSplashProgressBar(TComponent* AOwner)
    : TGraphicControl(AOwner), m_appearance(std::make_unique<TGDIPSplashProgress>())
{
    SetBounds(Left(), Top(), 150, 17);
    m_rect = TRect(0, 0, Width(), Height());
    m_appearance->OnChange = [this](TObject*) { Synchronise(); };
    m_animationTimer = new TTimer(this);
    m_animationTimer->SetInterval(10);
    m_animationTimer->OnTimer = [this](TObject*) { AnimationTick(); };
    m_animationTimer->SetEnabled(true);
}

TAdvSplashProgressBar::~TAdvSplashProgressBar()
{
    m_appearance->OnChange = nullptr;
    BeforeDestruction();
}

bool TAdvSplashProgressBar::Animating() const
{
    return m_progressAnimation && !ComponentState().Contains(TComponentStateItem::csLoading);
}

bool TAdvSplashProgressBar::Glowing() const
{
    return m_glowAnimation && !ComponentState().Contains(TComponentStateItem::csLoading);
}

void TAdvSplashProgressBar::SetPosition(double value)
{
    const double v = std::max(m_minimum, std::min(value, m_maximum));
    m_position = v;
    if (Animating()) {
        m_positionTo = v;
        return;
    }
    m_positionTo = v;
    m_positionTemp = v;
    if (OnPositionChanged)
        OnPositionChanged(this, m_position);
    Invalidate();
}

void TAdvSplashProgressBar::SetMinimum(double value)
{
    if (value == m_minimum)
        return;
    m_minimum = value;
    if (m_position < m_minimum) {
        if (!Animating()) {
            m_position = m_minimum;
            m_positionTemp = m_minimum;
        }
        m_positionTo = m_minimum;
    }
    Invalidate();
}

void TAdvSplashProgressBar::SetMaximum(double value)
{
    if (value == m_maximum)
        return;
    m_maximum = value;
    if (m_position > m_maximum) {
        if (!Animating()) {
            m_position = m_maximum;
            m_positionTemp = m_maximum;
        }
        m_positionTo = m_maximum;
    }
    Invalidate();
}

void TAdvSplashProgressBar::SetStep(double value)
{
    if (value != m_step) {
        m_step = value;
        Invalidate();
    }
}

void TAdvSplashProgressBar::SetGlowAnimation(bool value)
{
    if (value != m_glowAnimation) {
        m_glowAnimation = value;
        Invalidate();
    }
}

void TAdvSplashProgressBar::SetProgressAnimation(bool value)
{
    if (value != m_progressAnimation) {
        m_progressAnimation = value;
        Invalidate();
    }
    if (!Animating())
        SetPosition(m_position);
}

void TAdvSplashProgressBar::SetAppearance(TGDIPSplashProgress* value)
{
    if (value != m_appearance.get())
        m_appearance->Assign(value); // its notice synchronises
    else
        Synchronise();
}

void TAdvSplashProgressBar::Synchronise()
{
    SetBounds(m_appearance->Left(), m_appearance->Top(), m_appearance->Width(), m_appearance->Height());
    SetVisible(m_appearance->Visible());
    SetStep(m_appearance->Step());
    SetMinimum(m_appearance->Minimum());
    SetMaximum(m_appearance->Maximum());
    SetPosition(m_appearance->Position());
    SetGlowAnimation(m_appearance->GlowAnimation());
    SetProgressAnimation(m_appearance->ProgressAnimation());
    Invalidate();
}

void TAdvSplashProgressBar::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TAdvSplashProgressBar*>(Source);
    if (!s) {
        TGraphicControl::Assign(Source);
        return;
    }
    m_step = s->m_step;
    m_minimum = s->m_minimum;
    m_maximum = s->m_maximum;
    m_position = s->m_position;
    m_glowAnimation = s->m_glowAnimation;
    m_progressAnimation = s->m_progressAnimation;
    m_appearance->Assign(s->m_appearance.get());
    Invalidate();
}

bool TAdvSplashProgressBar::AnimationInProgress() const
{
    return Animating() && std::abs(m_positionTemp - m_positionTo) >= 0.001;
}

void TAdvSplashProgressBar::Resize()
{
    TGraphicControl::Resize();
    Invalidate();
}

void TAdvSplashProgressBar::AnimationTick()
{
    if (Animating()) {
        const double step = std::abs(m_positionTo - m_positionTemp) / 15.0;
        if (std::abs(m_positionTemp - m_positionTo) < 1e-6) {
            m_positionTemp = m_positionTo;
            m_position = m_positionTo;
            if (OnPositionChanged)
                OnPositionChanged(this, m_position);
        } else {
            const double move = std::max(step, 1e-6);
            m_positionTemp += m_positionTemp < m_positionTo ? move : -move;
            m_position = m_positionTemp;
            if (OnPositionChanged)
                OnPositionChanged(this, m_position);
            Invalidate();
        }
    }
    if (m_position > m_minimum && Glowing()) {
        if (m_glowCount >= 1500)
            m_glowPos += 3;
        const TGPRectF filled = m_appearance->CalculateProgressRectangle(m_rect, m_minimum, m_maximum, m_position);
        if (filled.Width >= m_glowPos) {
            m_glowCount += 10;
        } else {
            m_glowCount = 0;
            m_glowPos = -40;
        }
        Invalidate();
    }
}

void TAdvSplashProgressBar::DrawGlow(TGPGraphics* g)
{
    const TGPRectF filled = m_appearance->CalculateProgressRectangle(m_rect, m_minimum, m_maximum, m_position);
    const TGPRectF inner = m_appearance->GetInsideRectF(m_rect);
    g->SetClip(filled);
    const float x = float(m_glowPos);
    GradientBand(g, { x - 30, inner.Y, 30, inner.Height }, PackARGB(0, 255, 255, 255), PackARGB(120, 255, 255, 255),
                 LinearGradientMode::LinearGradientModeHorizontal);
    GradientBand(g, { x, inner.Y, 30, inner.Height }, PackARGB(120, 255, 255, 255), PackARGB(0, 255, 255, 255),
                 LinearGradientMode::LinearGradientModeHorizontal);
    g->ResetClip();
}

void TAdvSplashProgressBar::Paint()
{
    TGPGraphics g(Canvas());
    g.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
    g.SetTextRenderingHint(TextRenderingHint::TextRenderingHintClearTypeGridFit);
    m_rect = TRect(0, 0, Width(), Height());
    m_appearance->Draw(&g, m_rect, m_minimum, m_maximum, m_position);
    if (Glowing() && m_position > 0)
        DrawGlow(&g);
}

void TAdvSplashProgressBar::SetComponentStyle(TStylePreset AStyle)
{
    if (AStyle == TStylePreset::tsCustom)
        return;
    struct Preset
    {
        TColor bg, bgTo, bgBorder, pf, pfTo, pfMirror, pfMirrorTo, pfBorder;
    };
    Preset p {};
    switch (AStyle) {
    case TStylePreset::tsOffice2003Blue:
        p = { 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x962D00 };
        break;
    case TStylePreset::tsOffice2003Silver:
        p = { 0xE6D8D8, 0xE6D8D8, 0xC0C0C0, 0xECE2E1, 0xB39698, clNone, clNone, 0x947C7C };
        break;
    case TStylePreset::tsOffice2003Olive:
        p = { 0xCFF0EA, 0xCFF0EA, 0xC0C0C0, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x588060 };
        break;
    case TStylePreset::tsOffice2003Classic:
        p = { 0xF2F2F2, 0xF2F2F2, 0xC0C0C0, 0xFFFFFF, 0xC9D1D5, clNone, clNone, 0x808080 };
        break;
    case TStylePreset::tsOffice2007Luna:
        p = { 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFDBC0, 0xFFD1AD };
        break;
    case TStylePreset::tsOffice2007Obsidian:
        p = { 0x5C534C, 0x5C534C, 0xC0C0C0, 0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB, 0x000000 };
        break;
    case TStylePreset::tsWindowsXP:
        p = { 0xB6B6B6, 0xB6B6B6, 0xC0C0C0, 0xFFFFFF, clBtnFace, clNone, clNone, 0x000000 };
        break;
    case TStylePreset::tsWhidbey:
        p = { 0xF5F9FA, 0xF5F9FA, 0xC0C0C0, 0xF5F9FA, 0xA8C0C0, clNone, clNone, 0x962D00 };
        break;
    case TStylePreset::tsCustom: return;
    case TStylePreset::tsOffice2007Silver:
        p = { 0xCAC1BA, 0xCAC1BA, 0xC0C0C0, 0xFAEEEB, 0xE5DBD7, 0xE2D8D4, 0xD1C7C5, 0x000000 };
        break;
    case TStylePreset::tsWindowsVista:
        p = { 0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A };
        break;
    case TStylePreset::tsWindows7:
        p = { 0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D };
        break;
    case TStylePreset::tsTerminal:
        p = { clBtnFace, clBtnFace, 0x808080, 0xFFFFFF, 0xFFFFFF, clNone, clNone, 0x808080 };
        break;
    case TStylePreset::tsOffice2010Blue:
        p = { 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xEDDBCD, clNone, clNone, clNone, 0x5B391E };
        break;
    case TStylePreset::tsOffice2010Silver:
        p = { 0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xEDE9E5, clNone, clNone, clNone, 0x7C6D66 };
        break;
    case TStylePreset::tsOffice2010Black:
        p = { 0xBFBFBF, 0x919191, 0xD7D7D6, 0x828282, clNone, clNone, clNone, 0x6D6D6D };
        break;
    }
    TGDIPFill* bg = m_appearance->BackGroundFill();
    TGDIPFill* pf = m_appearance->ProgressFill();
    bg->SetColor(p.bg);
    bg->SetColorTo(p.bgTo);
    bg->SetBorderColor(p.bgBorder);
    pf->SetColor(p.pf);
    pf->SetColorTo(p.pfTo);
    pf->SetColorMirror(p.pfMirror);
    pf->SetColorMirrorTo(p.pfMirrorTo);
    pf->SetBorderColor(p.pfBorder);
    if (AStyle != TStylePreset::tsTerminal)
        pf->SetGradientMirrorType(TAdvGradientType::gtVertical);
}
