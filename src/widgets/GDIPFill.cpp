#include "widgets/GDIPFill.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>

const QString TGDIPFill::ClipboardFormat = QStringLiteral("GDI+ Fill");

// --- ini file ---

TFillIniFile::TFillIniFile(const QString& fileName) : m_fileName(fileName)
{
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        Parse(QString::fromUtf8(file.readAll()));
}

TFillIniFile::~TFillIniFile()
{
    if (m_dirty)
        UpdateFile();
}

std::unique_ptr<TFillIniFile> TFillIniFile::FromText(const QString& text)
{
    std::unique_ptr<TFillIniFile> ini(new TFillIniFile());
    ini->Parse(text);
    return ini;
}

void TFillIniFile::Parse(const QString& text)
{
    m_sections.clear();
    Section* current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = Find(name);
            if (current == nullptr) {
                m_sections.append(Section { name, {}, {} });
                current = &m_sections.last();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (current == nullptr || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        bool found = false;
        for (qsizetype i = 0; i < current->keys.size(); ++i)
            if (current->keys[i].compare(key, Qt::CaseInsensitive) == 0) {
                found = true;
                break;
            }
        if (!found) {
            current->keys.append(key);
            current->values.append(value);
        }
    }
}

QString TFillIniFile::Text() const
{
    QString out;
    for (const Section& s : m_sections) {
        out += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (qsizetype i = 0; i < s.keys.size(); ++i)
            out += s.keys[i] + QLatin1Char('=') + s.values[i] + QStringLiteral("\r\n");
        out += QStringLiteral("\r\n");
    }
    return out;
}

TFillIniFile::Section* TFillIniFile::Find(const QString& section)
{
    for (Section& s : m_sections)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

const TFillIniFile::Section* TFillIniFile::Find(const QString& section) const
{
    for (const Section& s : m_sections)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

QString TFillIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    if (const Section* s = Find(section))
        for (qsizetype i = 0; i < s->keys.size(); ++i)
            if (s->keys[i].compare(key, Qt::CaseInsensitive) == 0)
                return s->values[i];
    return defaultValue;
}

bool TFillIniFile::ValueExists(const QString& section, const QString& key) const
{
    if (const Section* s = Find(section))
        for (const QString& k : s->keys)
            if (k.compare(key, Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

int TFillIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const QString text = ReadString(section, key, QString());
    bool ok = false;
    const int value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toInt(&ok, 16)
                                                                                 : text.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

void TFillIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section* s = Find(section);
    if (s == nullptr) {
        m_sections.append(Section { section, {}, {} });
        s = &m_sections.last();
    }
    m_dirty = true;
    for (qsizetype i = 0; i < s->keys.size(); ++i)
        if (s->keys[i].compare(key, Qt::CaseInsensitive) == 0) {
            s->values[i] = value;
            return;
        }
    s->keys.append(key);
    s->values.append(value);
}

void TFillIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

bool TFillIniFile::UpdateFile()
{
    if (m_fileName.isEmpty())
        return true;
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Text().toUtf8());
    const bool ok = file.commit();
    if (ok)
        m_dirty = false;
    return ok;
}

// --- geometry ---

TFitSize FitPictureToRect(double pw, double ph, double rw, double rh, TPictureMode mode)
{
    if (pw <= 0 || ph <= 0 || rw <= 0 || rh <= 0)
        return {};
    if (pw < rw && ph < rh && mode == TPictureMode::pmNormal)
        return { pw, ph };
    if (rw / rh > pw / ph)
        return { rh * pw / ph, rh };
    return { rw, rw * ph / pw };
}

std::unique_ptr<TGPGraphicsPath> CreateFillShapePath(const TGPRectF& a, int r, TFillRoundingType t)
{
    auto path = std::make_unique<TGPGraphicsPath>(FillMode::FillModeAlternate);
    const float x = a.X, y = a.Y, w = a.Width, h = a.Height;
    if (r <= 0)
        t = TFillRoundingType::rtNone;
    const float d = float(2 * r);
    using R = TFillRoundingType;
    const bool tl = t == R::rtTop || t == R::rtBoth || t == R::rtLeft;
    const bool tr = t == R::rtTop || t == R::rtBoth || t == R::rtRight;
    const bool br = t == R::rtBottom || t == R::rtBoth || t == R::rtRight;
    const bool bl = t == R::rtBottom || t == R::rtBoth || t == R::rtLeft;
    // Clockwise from the top-left corner; straight edges join the corners.
    const TGPPointF square[4] = { { x, y }, { x + w, y }, { x + w, y + h }, { x, y + h } };
    const bool round[4] = { tl, tr, br, bl };
    const TGPRectF box[4] = { { x, y, d, d }, { x + w - d, y, d, d }, { x + w - d, y + h - d, d, d }, { x, y + h - d, d, d } };
    const float start[4] = { 180, 270, 0, 90 };
    std::vector<TGPPointF> pending;
    for (int i = 0; i < 4; ++i) {
        if (round[i]) {
            if (!pending.empty()) {
                path->AddLines(pending.data(), int(pending.size()));
                pending.clear();
            }
            path->AddArc(box[i], start[i], 90);
        } else {
            pending.push_back(square[i]);
        }
    }
    if (!pending.empty())
        path->AddLines(pending.data(), int(pending.size()));
    path->CloseFigure();
    return path;
}

vcl::TRect PlacedPictureRect(int L, int T, int R, int B, int pw, int ph, TFillPicturePosition position, int customX,
                             int customY, bool aspectRatio, TPictureMode aspectMode)
{
    auto c = [](int a, int b, int s) { return a + (b - a - s) / 2; };
    using P = TFillPicturePosition;
    int left = L, top = T;
    switch (position) {
    case P::ppTopLeft:
        break;
    case P::ppTopCenter:
        left = c(L, R, pw);
        break;
    case P::ppTopRight:
        left = R - pw;
        break;
    case P::ppBottomLeft:
        top = B - ph;
        break;
    case P::ppBottomCenter:
        left = c(L, R, pw);
        top = B - ph;
        break;
    case P::ppBottomRight:
        left = R - pw;
        top = B - ph;
        break;
    case P::ppCenterLeft:
        top = c(T, B, ph);
        break;
    case P::ppCenterCenter:
        left = c(L, R, pw);
        top = c(T, B, ph);
        break;
    case P::ppCenterRight:
        left = R - pw;
        top = c(T, B, ph);
        break;
    case P::ppCustom:
        left = customX;
        top = customY;
        break;
    case P::ppTiled:
        return {};
    case P::ppStretched: {
        const double rw = R - L, rh = B - T;
        TFitSize size { rw, rh };
        if (aspectRatio)
            size = FitPictureToRect(pw, ph, rw, rh, aspectMode);
        const int l = vcl::RoundToInt(L + (rw - size.Width) / 2);
        const int t = vcl::RoundToInt(T + (rh - size.Height) / 2);
        return vcl::TRect(l, t, l + vcl::RoundToInt(size.Width), t + vcl::RoundToInt(size.Height));
    }
    }
    return vcl::TRect(left, top, left + pw, top + ph);
}

// --- fill ---

TGDIPFill::TGDIPFill()
    : m_picture(std::make_unique<TAdvGDIPPicture>()), m_backGroundPicture(std::make_unique<TAdvGDIPPicture>())
{
    m_picture->OnChange = [this](vcl::TObject*) { Changed(); };
    m_backGroundPicture->OnChange = [this](vcl::TObject*) { Changed(); };
}

TGDIPFill::~TGDIPFill() = default;

void TGDIPFill::Changed()
{
    if (OnChange && m_updateCount == 0)
        OnChange(this);
}

#define ZQ9_FILL_SETTER(Type, Name, member)                                                                            \
    void TGDIPFill::Set##Name(Type value)                                                                              \
    {                                                                                                                  \
        if (member == value)                                                                                           \
            return;                                                                                                    \
        member = value;                                                                                                \
        Changed();                                                                                                     \
    }
ZQ9_FILL_SETTER(vcl::TColor, Color, m_color)
ZQ9_FILL_SETTER(vcl::TColor, ColorTo, m_colorTo)
ZQ9_FILL_SETTER(vcl::TColor, ColorMirror, m_colorMirror)
ZQ9_FILL_SETTER(vcl::TColor, ColorMirrorTo, m_colorMirrorTo)
ZQ9_FILL_SETTER(TAdvGradientType, GradientType, m_gradientType)
ZQ9_FILL_SETTER(TAdvGradientType, GradientMirrorType, m_gradientMirrorType)
ZQ9_FILL_SETTER(::HatchStyle, HatchStyle, m_hatchStyle)
ZQ9_FILL_SETTER(::HatchStyle, HatchStyleMirror, m_hatchStyleMirror)
ZQ9_FILL_SETTER(std::uint8_t, Opacity, m_opacity)
ZQ9_FILL_SETTER(std::uint8_t, OpacityTo, m_opacityTo)
ZQ9_FILL_SETTER(std::uint8_t, OpacityMirror, m_opacityMirror)
ZQ9_FILL_SETTER(std::uint8_t, OpacityMirrorTo, m_opacityMirrorTo)
ZQ9_FILL_SETTER(vcl::TColor, BorderColor, m_borderColor)
ZQ9_FILL_SETTER(std::uint8_t, BorderOpacity, m_borderOpacity)
ZQ9_FILL_SETTER(int, BorderWidth, m_borderWidth)
ZQ9_FILL_SETTER(int, Rounding, m_rounding)
ZQ9_FILL_SETTER(TFillRoundingType, RoundingType, m_roundingType)
ZQ9_FILL_SETTER(vcl::TColor, ShadowColor, m_shadowColor)
ZQ9_FILL_SETTER(int, ShadowOffset, m_shadowOffset)
ZQ9_FILL_SETTER(TShadowType, ShadowType, m_shadowType)
ZQ9_FILL_SETTER(int, Angle, m_angle)
ZQ9_FILL_SETTER(TGlowMode, Glow, m_glow)
ZQ9_FILL_SETTER(vcl::TColor, GlowGradientColor, m_glowGradientColor)
ZQ9_FILL_SETTER(vcl::TColor, GlowRadialColor, m_glowRadialColor)
ZQ9_FILL_SETTER(TFillPicturePosition, PicturePosition, m_picturePosition)
ZQ9_FILL_SETTER(int, PictureLeft, m_pictureLeft)
ZQ9_FILL_SETTER(int, PictureTop, m_pictureTop)
ZQ9_FILL_SETTER(TFillPictureSize, PictureSize, m_pictureSize)
ZQ9_FILL_SETTER(int, PictureWidth, m_pictureWidth)
ZQ9_FILL_SETTER(int, PictureHeight, m_pictureHeight)
ZQ9_FILL_SETTER(bool, PictureAspectRatio, m_pictureAspectRatio)
ZQ9_FILL_SETTER(TPictureMode, PictureAspectMode, m_pictureAspectMode)
ZQ9_FILL_SETTER(TFillPictureMode, BackGroundPictureMode, m_backGroundPictureMode)
ZQ9_FILL_SETTER(TFillPicturePosition, BackGroundPicturePosition, m_backGroundPicturePosition)
ZQ9_FILL_SETTER(int, BackGroundPictureLeft, m_backGroundPictureLeft)
ZQ9_FILL_SETTER(int, BackGroundPictureTop, m_backGroundPictureTop)
ZQ9_FILL_SETTER(bool, BackGroundPictureAspectRatio, m_backGroundPictureAspectRatio)
ZQ9_FILL_SETTER(TPictureMode, BackGroundPictureAspectMode, m_backGroundPictureAspectMode)
#undef ZQ9_FILL_SETTER

void TGDIPFill::SetPicture(TAdvGDIPPicture* value)
{
    if (value == m_picture.get())
        return;
    m_picture->Assign(value); // the picture's change notifies
}

void TGDIPFill::SetBackGroundPicture(TAdvGDIPPicture* value)
{
    if (value == m_backGroundPicture.get())
        return;
    m_backGroundPicture->Assign(value);
}

void TGDIPFill::Assign(vcl::TPersistent* Source)
{
    auto* f = dynamic_cast<TGDIPFill*>(Source);
    if (f == nullptr || f == this)
        return;
    ++m_updateCount; // one notification for the whole copy
    m_color = f->m_color;
    m_colorTo = f->m_colorTo;
    m_colorMirror = f->m_colorMirror;
    m_colorMirrorTo = f->m_colorMirrorTo;
    m_gradientType = f->m_gradientType;
    m_gradientMirrorType = f->m_gradientMirrorType;
    m_hatchStyle = f->m_hatchStyle;
    m_hatchStyleMirror = f->m_hatchStyleMirror;
    m_opacity = f->m_opacity;
    m_opacityTo = f->m_opacityTo;
    m_opacityMirror = f->m_opacityMirror;
    m_opacityMirrorTo = f->m_opacityMirrorTo;
    m_borderColor = f->m_borderColor;
    m_borderOpacity = f->m_borderOpacity;
    m_borderWidth = f->m_borderWidth;
    m_rounding = f->m_rounding;
    m_roundingType = f->m_roundingType;
    m_shadowColor = f->m_shadowColor;
    m_shadowOffset = f->m_shadowOffset;
    m_shadowType = f->m_shadowType;
    m_angle = f->m_angle;
    m_glow = f->m_glow;
    m_glowGradientColor = f->m_glowGradientColor;
    m_glowRadialColor = f->m_glowRadialColor;
    m_picturePosition = f->m_picturePosition;
    m_pictureLeft = f->m_pictureLeft;
    m_pictureTop = f->m_pictureTop;
    m_pictureSize = f->m_pictureSize;
    m_pictureWidth = f->m_pictureWidth;
    m_pictureHeight = f->m_pictureHeight;
    m_pictureAspectRatio = f->m_pictureAspectRatio;
    m_pictureAspectMode = f->m_pictureAspectMode;
    m_backGroundPictureMode = f->m_backGroundPictureMode;
    m_backGroundPicturePosition = f->m_backGroundPicturePosition;
    m_backGroundPictureLeft = f->m_backGroundPictureLeft;
    m_backGroundPictureTop = f->m_backGroundPictureTop;
    m_backGroundPictureAspectRatio = f->m_backGroundPictureAspectRatio;
    m_backGroundPictureAspectMode = f->m_backGroundPictureAspectMode;
    m_picture->Assign(f->m_picture.get());
    m_backGroundPicture->Assign(f->m_backGroundPicture.get());
    --m_updateCount;
    Changed();
}

void TGDIPFill::FillRadialGradient(TGPGraphics* g, const TGPRectF& area, bool topForm, TFillRoundingType corners,
                                   int radius, vcl::TColor A, vcl::TColor B, std::uint8_t a, std::uint8_t b)
{
    const auto shape = CreateFillShapePath(area, radius, corners);
    TGPSolidBrush base(topForm ? AlphaGPColor(a, A) : AlphaGPColor(b, B));
    g->FillPath(&base, shape.get());
    g->SetClip(shape.get());
    TGPGraphicsPath ellipse;
    const float x = area.X, y = area.Y, w = area.Width, h = area.Height;
    if (topForm)
        ellipse.AddEllipse(x, y - h / 2, w, 1.5f * h);
    else
        ellipse.AddEllipse(x, y, w, 1.5f * h);
    TGPPathGradientBrush brush(&ellipse);
    brush.SetCenterPoint(TGPPointF { x + w / 2, topForm ? y : y + h });
    brush.SetCenterColor(topForm ? AlphaGPColor(b, B) : AlphaGPColor(a, A));
    const ARGB surround = topForm ? AlphaGPColor(a, A) : AlphaGPColor(b, B);
    int count = 1;
    brush.SetSurroundColors(&surround, count);
    g->FillRectangle(&brush, area);
    g->ResetClip();
}

void TGDIPFill::DrawGradientBackGround(TGPGraphics* g, const TGPRectF& R, bool Mirror, std::uint8_t oc,
                                       std::uint8_t octo, std::uint8_t ocmr, std::uint8_t ocmrto)
{
    if (g == nullptr)
        return;
    TAdvGradientType type = Mirror ? m_gradientMirrorType : m_gradientType;
    const vcl::TColor c1 = Mirror ? m_colorMirror : m_color;
    const vcl::TColor c2 = Mirror ? m_colorMirrorTo : m_colorTo;
    const std::uint8_t o1 = Mirror ? ocmr : oc;
    const std::uint8_t o2 = Mirror ? ocmrto : octo;
    if (c1 == vcl::clNone)
        type = TAdvGradientType::gtNone;
    else if (c2 == vcl::clNone)
        type = TAdvGradientType::gtSolid;
    std::unique_ptr<TGPGraphicsPath> path;
    if (m_rounding != 0) {
        TFillRoundingType corners = m_roundingType;
        if (m_colorMirror != vcl::clNone) {
            using T = TFillRoundingType;
            switch (m_roundingType) {
            case T::rtTop:
                corners = Mirror ? T::rtNone : T::rtTop;
                break;
            case T::rtBottom:
                corners = Mirror ? T::rtBottom : T::rtNone;
                break;
            case T::rtBoth:
                corners = Mirror ? T::rtBottom : T::rtTop;
                break;
            default:
                break;
            }
        }
        path = CreateFillShapePath(R, m_rounding, corners);
    }
    TGradientAreaParams p;
    p.Graphics = g;
    p.Path = path.get();
    p.UsePath = path != nullptr;
    p.Rect = R;
    p.GradientType = type;
    p.StartColor = c1;
    p.EndColor = c2;
    p.StartOpacity = o1;
    p.EndOpacity = o2;
    p.Hatch = Mirror ? m_hatchStyleMirror : m_hatchStyle;
    p.Angle = m_angle;
    p.Picture = m_backGroundPicturePosition == TFillPicturePosition::ppTiled ? m_backGroundPicture.get() : nullptr;
    p.BorderColor = vcl::clNone;
    p.Mirror = Mirror;
    if (path) {
        const SmoothingMode previous = g->GetSmoothingMode();
        g->SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
        FillGradientArea(p);
        g->SetSmoothingMode(previous);
    } else {
        FillGradientArea(p);
    }
}

void TGDIPFill::DrawGlow(TGPGraphics* g, const TGPRectF& R)
{
    if (g == nullptr || m_glow == TGlowMode::gmNone)
        return;
    g->SetClip(R);
    const float x1 = R.X + 1, y1 = R.Y + 1, w1 = R.Width - 2, h1 = R.Height - 2;
    if (m_glow == TGlowMode::gmGradient || m_glow == TGlowMode::gmRadialGradient) {
        const auto outline = CreateFillShapePath(TGPRectF { x1, y1, w1, h1 }, m_rounding, m_roundingType);
        TGPPen pen(AlphaGPColor(200, m_glowGradientColor), 1);
        g->DrawPath(&pen, outline.get());
        auto sheen = [&](const TGPRectF& band, const TGPPointF (&left)[3], const TGPPointF (&right)[3], std::uint8_t top,
                         std::uint8_t bottom) {
            TGPGraphicsPath shape;
            shape.AddRectangle(band);
            shape.AddPolygon(left, 3);
            shape.AddPolygon(right, 3);
            TGPLinearGradientBrush brush(TGPRectF { band.X - 1, band.Y - 1, band.Width + 2, band.Height + 2 },
                                         AlphaGPColor(top, m_glowGradientColor),
                                         AlphaGPColor(bottom, m_glowGradientColor),
                                         LinearGradientMode::LinearGradientModeVertical);
            g->FillPath(&brush, &shape);
        };
        const TGPPointF ul[3] = { { x1, y1 }, { x1 + 5, y1 }, { x1 + 5, y1 + 4 } };
        const TGPPointF ur[3] = { { x1 + w1, y1 }, { x1 + w1 - 5, y1 }, { x1 + w1 - 5, y1 + 4 } };
        sheen(TGPRectF { x1 + 5, y1, w1 - 10, 4 }, ul, ur, 175, 0);
        const TGPPointF ll[3] = { { x1, y1 + h1 }, { x1 + 5, y1 + h1 }, { x1 + 5, y1 + h1 - 7 } };
        const TGPPointF lr[3] = { { x1 + w1, y1 + h1 }, { x1 + w1 - 5, y1 + h1 }, { x1 + w1 - 5, y1 + h1 - 7 } };
        sheen(TGPRectF { x1 + 5, y1 + h1 - 7, w1 - 10, 7 }, ll, lr, 0, 220);
    }
    if (m_glow == TGlowMode::gmRadial || m_glow == TGlowMode::gmRadialGradient) {
        TGPGraphicsPath ellipse;
        const TGPRectF e { x1 + 10, y1 - h1 / 2, w1 - 20, 3 * h1 };
        ellipse.AddEllipse(e);
        TGPPathGradientBrush brush(&ellipse);
        brush.SetCenterPoint(TGPPointF { e.X + e.Width / 2, e.Y + e.Height / 2 });
        brush.SetCenterColor(AlphaGPColor(150, m_glowRadialColor));
        const ARGB surround = AlphaGPColor(0, m_color);
        int count = 1;
        brush.SetSurroundColors(&surround, count);
        g->FillPath(&brush, &ellipse);
    }
    g->ResetClip();
}

void TGDIPFill::DrawPlacedPicture(TGPGraphics* g, TAdvGDIPPicture* picture, int L, int T, int R, int B, int pw, int ph,
                                  TFillPicturePosition position, int customX, int customY, bool aspect,
                                  TPictureMode mode)
{
    if (picture == nullptr || picture->Empty() || position == TFillPicturePosition::ppTiled)
        return;
    picture->GDIPDraw(g, PlacedPictureRect(L, T, R, B, pw, ph, position, customX, customY, aspect, mode));
}

TGPRectF TGDIPFill::Fill(TGPGraphics* g, const TGPRectF& R, std::uint8_t ABorderOpacity, std::uint8_t AOpacity,
                         std::uint8_t AOpacityTo, std::uint8_t AOpacityMirror, std::uint8_t AOpacityMirrorTo)
{
    const std::uint8_t bo = ABorderOpacity == 255 ? m_borderOpacity : ABorderOpacity;
    const std::uint8_t oc = AOpacity == 255 ? m_opacity : AOpacity;
    const std::uint8_t octo = AOpacityTo == 255 ? m_opacityTo : AOpacityTo;
    const std::uint8_t ocm = AOpacityMirror == 255 ? m_opacityMirror : AOpacityMirror;
    const std::uint8_t ocmto = AOpacityMirrorTo == 255 ? m_opacityMirrorTo : AOpacityMirrorTo;
    TGPRectF area = R;
    if (g == nullptr)
        return area;
    const bool line = area.Width == 1 || area.Height == 1;
    if (line) {
        if (m_borderWidth > 0 && m_borderColor != vcl::clNone) {
            TGPPen pen(AlphaGPColor(bo, m_borderColor), float(m_borderWidth));
            g->DrawLine(&pen, area.X, area.Y, area.X + area.Width, area.Y + area.Height);
        }
    } else {
        // Shadow.
        const int o = m_shadowOffset;
        if (o > 0 && m_shadowColor != vcl::clNone) {
            if (m_shadowType == TShadowType::stBottom) {
                FillRadialGradient(g, TGPRectF { area.X, area.Y + area.Height - 2 * o, area.Width, float(2 * o) }, true,
                                   TFillRoundingType::rtBottom, m_rounding, m_shadowColor, m_shadowColor, 0, 255);
                area.Height -= float(o);
            } else {
                const bool surround = m_shadowType == TShadowType::stSurround;
                const auto path = CreateFillShapePath(area, surround ? o : m_rounding,
                                                      surround ? TFillRoundingType::rtBoth : m_roundingType);
                TGPPathGradientBrush brush(path.get());
                brush.SetWrapMode(WrapMode::WrapModeClamp);
                const ARGB colours[3] = { PackARGB(0, 0, 0, 0), AlphaGPColor(180, m_shadowColor),
                                          AlphaGPColor(180, m_shadowColor) };
                const float positions[3] = { 0.0f, 0.1f, 1.0f };
                brush.SetInterpolationColors(colours, positions, 3);
                g->FillPath(&brush, path.get());
                if (surround) {
                    area.X += float(o);
                    area.Y += float(o);
                    area.Width -= float(2 * o);
                    area.Height -= float(2 * o);
                } else {
                    area.Width -= float(o);
                    area.Height -= float(o);
                }
            }
        }
        // Body.
        const bool onePiece = m_gradientType == TAdvGradientType::gtHatch
            || m_gradientType == TAdvGradientType::gtTexture || m_colorMirror == vcl::clNone;
        const vcl::TColor colorTo = m_colorTo == vcl::clNone ? m_color : m_colorTo;
        if (onePiece) {
            if (m_gradientType == TAdvGradientType::gtRadial) {
                if (m_color != vcl::clNone)
                    FillRadialGradient(g, area, true, m_roundingType, m_rounding, m_color, colorTo, oc, octo);
            } else {
                DrawGradientBackGround(g, area, false, oc, octo, ocm, ocmto);
            }
        } else {
            const float h2 = area.Height / 2;
            const TGPRectF upper { area.X, area.Y, area.Width, area.Height - h2 + 1 };
            const TGPRectF lower { area.X, area.Y + h2 - 1, area.Width, area.Height - h2 + 1 };
            if (m_gradientType == TAdvGradientType::gtRadial) {
                if (m_color != vcl::clNone)
                    FillRadialGradient(g, upper, true, TFillRoundingType::rtTop, m_rounding, m_color, colorTo, oc, octo);
            } else {
                DrawGradientBackGround(g, upper, false, oc, octo, ocm, ocmto);
            }
            if (m_gradientMirrorType == TAdvGradientType::gtRadial) {
                const vcl::TColor mirrorTo = m_colorMirrorTo == vcl::clNone ? m_colorMirror : m_colorMirrorTo;
                if (m_colorMirror != vcl::clNone)
                    FillRadialGradient(g, lower, false, TFillRoundingType::rtBottom, m_rounding, m_colorMirror,
                                       mirrorTo, ocm, ocmto);
            } else {
                DrawGradientBackGround(g, lower, true, oc, octo, ocm, ocmto);
            }
        }
    }
    const int left = vcl::RoundToInt(area.X), top = vcl::RoundToInt(area.Y);
    const int right = left + vcl::RoundToInt(area.Width), bottom = top + vcl::RoundToInt(area.Height);
    if (!line) {
        if (m_gradientType == TAdvGradientType::gtTexture && m_backGroundPictureMode == TFillPictureMode::pmInsideFill) {
            const auto clip = CreateFillShapePath(area, m_rounding, m_roundingType);
            g->SetClip(clip.get());
            DrawPlacedPicture(g, m_backGroundPicture.get(), left, top, right, bottom, m_backGroundPicture->Width(),
                              m_backGroundPicture->Height(), m_backGroundPicturePosition, m_backGroundPictureLeft,
                              m_backGroundPictureTop, m_backGroundPictureAspectRatio, m_backGroundPictureAspectMode);
            g->ResetClip();
        }
        if (m_borderWidth > 0 && m_borderColor != vcl::clNone) {
            const auto path = CreateFillShapePath(area, m_rounding, m_roundingType);
            TGPPen pen(AlphaGPColor(bo, m_borderColor), float(m_borderWidth));
            g->DrawPath(&pen, path.get());
        }
    }
    DrawGlow(g, area);
    const float bw = float(m_borderWidth);
    FocusRect = TGPRectF { area.X + bw, area.Y + bw, area.Width - 2 * bw, area.Height - 2 * bw };
    if (Focus) {
        const auto path = CreateFillShapePath(FocusRect, m_rounding - m_borderWidth, m_roundingType);
        const SmoothingMode previous = g->GetSmoothingMode();
        g->SetSmoothingMode(SmoothingMode::SmoothingModeDefault);
        TGPPen pen(AlphaGPColor(oc, FocusColor), 1);
        pen.SetDashStyle(DashStyle::DashStyleDot);
        g->DrawPath(&pen, path.get());
        g->SetSmoothingMode(previous);
    }
    if (m_gradientType == TAdvGradientType::gtTexture && m_backGroundPictureMode == TFillPictureMode::pmOutsideFill)
        DrawPlacedPicture(g, m_backGroundPicture.get(), left, top, right, bottom, m_backGroundPicture->Width(),
                          m_backGroundPicture->Height(), m_backGroundPicturePosition, m_backGroundPictureLeft,
                          m_backGroundPictureTop, m_backGroundPictureAspectRatio, m_backGroundPictureAspectMode);
    if (!m_picture->Empty()) {
        const bool original = m_pictureSize == TFillPictureSize::psOriginal;
        DrawPlacedPicture(g, m_picture.get(), left, top, right, bottom, original ? m_picture->Width() : m_pictureWidth,
                          original ? m_picture->Height() : m_pictureHeight, m_picturePosition, m_pictureLeft,
                          m_pictureTop, m_pictureAspectRatio, m_pictureAspectMode);
    }
    return area;
}

// --- persistence ---

namespace {

QString ToHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray FromHex(QString text)
{
    text = text.toUpper();
    QByteArray out;
    out.reserve(text.size() / 2);
    auto digit = [](QChar c) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return c.unicode() - '0';
        if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            return c.unicode() - 'A' + 10;
        throw vcl::EConvertError(QStringLiteral("No Hex-Number"));
    };
    for (qsizetype i = 0; i + 1 < text.size(); i += 2)
        out.append(char(digit(text[i]) * 16 + digit(text[i + 1])));
    return out;
}

// An ordinal read back into an enumeration; a value outside it keeps the current one.
template <typename E>
void ReadEnum(const TFillIniFile& ini, const QString& section, const QString& key, E& field, int count)
{
    const int v = ini.ReadInteger(section, key, int(field));
    if (v >= 0 && v < count)
        field = E(v);
}

} // namespace

void TGDIPFill::WriteKeys(TFillIniFile& ini, const QString& s, bool everything)
{
    ini.WriteInteger(s, QStringLiteral("Color"), m_color);
    ini.WriteInteger(s, QStringLiteral("ColorTo"), m_colorTo);
    ini.WriteInteger(s, QStringLiteral("ColorMirror"), m_colorMirror);
    ini.WriteInteger(s, QStringLiteral("ColorMirrorTo"), m_colorMirrorTo);
    ini.WriteInteger(s, QStringLiteral("GradientType"), int(m_gradientType));
    ini.WriteInteger(s, QStringLiteral("GradientMirrorType"), int(m_gradientMirrorType));
    ini.WriteInteger(s, QStringLiteral("HatchStyle"), int(m_hatchStyle));
    ini.WriteInteger(s, QStringLiteral("HatchStyleMirror"), int(m_hatchStyleMirror));
    ini.WriteInteger(s, QStringLiteral("BackGroundPictureMode"), int(m_backGroundPictureMode));
    ini.WriteInteger(s, QStringLiteral("BackGroundPicturePosition"), int(m_backGroundPicturePosition));
    ini.WriteInteger(s, QStringLiteral("BackGroundPictureLeft"), m_backGroundPictureLeft);
    ini.WriteInteger(s, QStringLiteral("BackGroundPictureTop"), m_backGroundPictureTop);
    ini.WriteInteger(s, QStringLiteral("PicturePosition"), int(m_picturePosition));
    ini.WriteInteger(s, QStringLiteral("PictureLeft"), m_pictureLeft);
    ini.WriteInteger(s, QStringLiteral("PictureTop"), m_pictureTop);
    ini.WriteInteger(s, QStringLiteral("PictureSize"), int(m_pictureSize));
    ini.WriteInteger(s, QStringLiteral("PictureWidth"), m_pictureWidth);
    ini.WriteInteger(s, QStringLiteral("PictureHeight"), m_pictureHeight);
    ini.WriteInteger(s, QStringLiteral("Opacity"), m_opacity);
    ini.WriteInteger(s, QStringLiteral("OpacityTo"), m_opacityTo);
    ini.WriteInteger(s, QStringLiteral("OpacityMirror"), m_opacityMirror);
    ini.WriteInteger(s, QStringLiteral("OpacityMirrorTo"), m_opacityMirrorTo);
    ini.WriteInteger(s, QStringLiteral("BorderColor"), m_borderColor);
    ini.WriteInteger(s, QStringLiteral("BorderOpacity"), m_borderOpacity);
    ini.WriteInteger(s, QStringLiteral("BorderWidth"), m_borderWidth);
    ini.WriteInteger(s, QStringLiteral("Rounding"), m_rounding);
    ini.WriteInteger(s, QStringLiteral("RoundingType"), int(m_roundingType));
    ini.WriteInteger(s, QStringLiteral("ShadowOffset"), m_shadowOffset);
    ini.WriteInteger(s, QStringLiteral("ShadowColor"), m_shadowColor);
    ini.WriteInteger(s, QStringLiteral("Angle"), m_angle);
    ini.WriteInteger(s, QStringLiteral("Glow"), int(m_glow));
    ini.WriteInteger(s, QStringLiteral("GlowGradientColor"), m_glowGradientColor);
    ini.WriteInteger(s, QStringLiteral("GlowRadialColor"), m_glowRadialColor);
    const QString picture = ToHex(m_picture->Data());
    ini.WriteString(s, QStringLiteral("Picture"), picture);
    ini.WriteInteger(s, QStringLiteral("PictureSize"), int(picture.size()));
    const QString background = ToHex(m_backGroundPicture->Data());
    ini.WriteString(s, QStringLiteral("BackgroundPicture"), background);
    ini.WriteInteger(s, QStringLiteral("BackgroundPictureSize"), int(background.size()));
    // "PictureSize" ends up holding the text length: the size mode goes under a key of its own.
    ini.WriteInteger(s, QStringLiteral("PictureSizeMode"), int(m_pictureSize));
    if (everything) {
        ini.WriteInteger(s, QStringLiteral("ShadowType"), int(m_shadowType));
        ini.WriteInteger(s, QStringLiteral("PictureAspectRatio"), m_pictureAspectRatio ? 1 : 0);
        ini.WriteInteger(s, QStringLiteral("PictureAspectMode"), int(m_pictureAspectMode));
        ini.WriteInteger(s, QStringLiteral("BackGroundPictureAspectRatio"), m_backGroundPictureAspectRatio ? 1 : 0);
        ini.WriteInteger(s, QStringLiteral("BackGroundPictureAspectMode"), int(m_backGroundPictureAspectMode));
    }
}

void TGDIPFill::ReadKeys(TFillIniFile& ini, const QString& s, bool everything)
{
    auto colour = [&](const char* key, vcl::TColor& field) { field = ini.ReadInteger(s, QLatin1String(key), field); };
    auto integer = [&](const char* key, int& field) { field = ini.ReadInteger(s, QLatin1String(key), field); };
    auto byte = [&](const char* key, std::uint8_t& field) {
        field = std::uint8_t(std::clamp(ini.ReadInteger(s, QLatin1String(key), field), 0, 255));
    };
    colour("Color", m_color);
    colour("ColorTo", m_colorTo);
    colour("ColorMirror", m_colorMirror);
    colour("ColorMirrorTo", m_colorMirrorTo);
    ReadEnum(ini, s, QStringLiteral("GradientType"), m_gradientType, 11);
    ReadEnum(ini, s, QStringLiteral("GradientMirrorType"), m_gradientMirrorType, 11);
    ReadEnum(ini, s, QStringLiteral("HatchStyle"), m_hatchStyle, int(::HatchStyle::HatchStyleTotal));
    ReadEnum(ini, s, QStringLiteral("HatchStyleMirror"), m_hatchStyleMirror, int(::HatchStyle::HatchStyleTotal));
    ReadEnum(ini, s, QStringLiteral("BackGroundPictureMode"), m_backGroundPictureMode, 2);
    ReadEnum(ini, s, QStringLiteral("BackGroundPicturePosition"), m_backGroundPicturePosition, 12);
    integer("BackGroundPictureLeft", m_backGroundPictureLeft);
    integer("BackGroundPictureTop", m_backGroundPictureTop);
    ReadEnum(ini, s, QStringLiteral("PicturePosition"), m_picturePosition, 12);
    integer("PictureLeft", m_pictureLeft);
    integer("PictureTop", m_pictureTop);
    ReadEnum(ini, s, QStringLiteral("PictureSize"), m_pictureSize, 2);
    integer("PictureWidth", m_pictureWidth);
    integer("PictureHeight", m_pictureHeight);
    byte("Opacity", m_opacity);
    byte("OpacityTo", m_opacityTo);
    byte("OpacityMirror", m_opacityMirror);
    byte("OpacityMirrorTo", m_opacityMirrorTo);
    colour("BorderColor", m_borderColor);
    byte("BorderOpacity", m_borderOpacity);
    integer("BorderWidth", m_borderWidth);
    integer("Rounding", m_rounding);
    ReadEnum(ini, s, QStringLiteral("RoundingType"), m_roundingType, 6);
    integer("ShadowOffset", m_shadowOffset);
    colour("ShadowColor", m_shadowColor);
    integer("Angle", m_angle);
    ReadEnum(ini, s, QStringLiteral("Glow"), m_glow, 4);
    colour("GlowGradientColor", m_glowGradientColor);
    colour("GlowRadialColor", m_glowRadialColor);
    if (ini.ValueExists(s, QStringLiteral("PictureSizeMode")))
        ReadEnum(ini, s, QStringLiteral("PictureSizeMode"), m_pictureSize, 2);
    if (everything) {
        ReadEnum(ini, s, QStringLiteral("ShadowType"), m_shadowType, 3);
        m_pictureAspectRatio = ini.ReadInteger(s, QStringLiteral("PictureAspectRatio"), m_pictureAspectRatio) != 0;
        ReadEnum(ini, s, QStringLiteral("PictureAspectMode"), m_pictureAspectMode, 2);
        m_backGroundPictureAspectRatio
            = ini.ReadInteger(s, QStringLiteral("BackGroundPictureAspectRatio"), m_backGroundPictureAspectRatio) != 0;
        ReadEnum(ini, s, QStringLiteral("BackGroundPictureAspectMode"), m_backGroundPictureAspectMode, 2);
    }
    const int n = ini.ReadInteger(s, QStringLiteral("PictureSize"), 0);
    if (n > 0) {
        const QByteArray bytes = FromHex(ini.ReadString(s, QStringLiteral("Picture"), QString()).left(n));
        ++m_updateCount;
        m_picture->LoadFromBytes(bytes);
        --m_updateCount;
    }
    const int nb = ini.ReadInteger(s, QStringLiteral("BackgroundPictureSize"), 0);
    if (nb > 0) {
        const QByteArray bytes = FromHex(ini.ReadString(s, QStringLiteral("BackgroundPicture"), QString()).left(nb));
        ++m_updateCount;
        m_backGroundPicture->LoadFromBytes(bytes);
        --m_updateCount;
    }
}

void TGDIPFill::SaveToFile(TFillIniFile& Ini, const QString& Section)
{
    WriteKeys(Ini, Section, false);
}

void TGDIPFill::LoadFromFile(TFillIniFile& Ini, const QString& Section)
{
    ReadKeys(Ini, Section, false);
    Changed();
}

void TGDIPFill::SaveToFile(const QString& FileName, const QString& Section)
{
    TFillIniFile ini(FileName);
    SaveToFile(ini, Section);
    if (!ini.UpdateFile())
        throw vcl::EFCreateError(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
}

void TGDIPFill::LoadFromFile(const QString& FileName, const QString& Section)
{
    TFillIniFile ini(FileName);
    LoadFromFile(ini, Section);
}

void TGDIPFill::SaveToClipBoard()
{
    const auto ini = TFillIniFile::FromText(QString());
    WriteKeys(*ini, ClipboardFormat, true);
    auto* data = new QMimeData;
    data->setData(ClipboardFormat, ini->Text().toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

void TGDIPFill::LoadFromClipBoard()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasFormat(ClipboardFormat))
        return;
    const auto ini = TFillIniFile::FromText(QString::fromUtf8(data->data(ClipboardFormat)));
    ReadKeys(*ini, ClipboardFormat, true);
    Changed();
}
