#include "widgets/AdvSmoothSplashScreenWindow.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TextMetrics.h"
#include "widgets/AdvSmoothHTMLGDIP.h"
#include "widgets/AdvSmoothSplashScreen.h"
#include "widgets/GDIPPictureContainer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

#include <chrono>
#include <thread>

using namespace vcl;

namespace {

void Sleep(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TGPRectF ToRectF(const TSplashRectF& r)
{
    return GPRectF(float(r.X), float(r.Y), float(r.Width), float(r.Height));
}

QRegion RoundRectRegion(int x1, int y1, int x2, int y2, int d)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x1, y1, x2 - x1, y2 - y1), d / 2.0, d / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

QRegion RectRegion(int x1, int y1, int x2, int y2)
{
    return QRegion(x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1));
}

TextRenderingHint HintOf(TAdvSmoothSplashScreenTextRenderingHint hint)
{
    switch (hint) {
    case TAdvSmoothSplashScreenTextRenderingHint::tAntiAlias: return TextRenderingHint::TextRenderingHintAntiAlias;
    case TAdvSmoothSplashScreenTextRenderingHint::tAntiAliasGridFit:
        return TextRenderingHint::TextRenderingHintAntiAliasGridFit;
    case TAdvSmoothSplashScreenTextRenderingHint::tClearType: break;
    }
    return TextRenderingHint::TextRenderingHintClearTypeGridFit;
}

// A heading text measured, or drawn with the brush of its gradient type; yields its size.
TSize DrawHeadingText(TGPGraphics* g, const QString& text, int x, int y, int angle, bool measureOnly, TColor colorEnd,
                      TColor colorStart, int opacityEnd, int opacityStart, HatchStyle hatch, TAdvGDIPPicture* picture,
                      TAdvGradientType type, const TFont* font)
{
    if (text.isEmpty() || !g)
        return {};
    std::unique_ptr<TGPFont> gpFont(g->MakeFont(font));
    TGPStringFormat format;
    format.SetAlignment(StringAlignment::StringAlignmentNear);
    TGPRectF box;
    g->MeasureString(text, -1, gpFont.get(), GPRectF(float(x), float(y), 1500, 500), &format, box);
    const TSize size(RoundToInt(box.Width), RoundToInt(box.Height));
    if (measureOnly)
        return size;

    const ARGB start = AlphaGPColor(std::uint8_t(opacityStart), colorStart);
    const ARGB end = AlphaGPColor(std::uint8_t(opacityEnd), colorEnd);
    const float fx = float(x), fy = float(y), w = float(size.cx), h = float(size.cy);
    std::unique_ptr<TGPBrush> brush;
    std::unique_ptr<TGPImage> texture;
    if (colorEnd == clNone && type != TAdvGradientType::gtTexture && type != TAdvGradientType::gtNone) {
        brush = std::make_unique<TGPSolidBrush>(start);
    } else {
        switch (type) {
        case TAdvGradientType::gtSolid: brush = std::make_unique<TGPSolidBrush>(start); break;
        case TAdvGradientType::gtVertical:
            brush = std::make_unique<TGPLinearGradientBrush>(GPPointF(fx, fy), GPPointF(fx, fy + h), start, end);
            break;
        case TAdvGradientType::gtHorizontal:
            brush = std::make_unique<TGPLinearGradientBrush>(GPPointF(fx, fy), GPPointF(fx + w, fy), start, end);
            break;
        case TAdvGradientType::gtForwardDiagonal:
            brush = std::make_unique<TGPLinearGradientBrush>(GPPointF(fx, fy), GPPointF(fx + w, fy + h), start, end);
            break;
        case TAdvGradientType::gtBackwardDiagonal:
            brush = std::make_unique<TGPLinearGradientBrush>(GPPointF(fx, fy + h), GPPointF(fx + w, fy), end, start);
            break;
        case TAdvGradientType::gtAngle: {
            auto linear = std::make_unique<TGPLinearGradientBrush>(
                GPRectF(fx, fy, float(RoundToInt(w + 10.0)), h + 10), start, end, float(angle), true);
            linear->SetGammaCorrection(true);
            brush = std::move(linear);
            break;
        }
        case TAdvGradientType::gtHatch: brush = std::make_unique<TGPHatchBrush>(hatch, start, end); break;
        case TAdvGradientType::gtTexture:
            if (picture && !picture->Empty()) {
                texture = std::make_unique<TGPImage>(picture->Data());
                brush = std::make_unique<TGPTextureBrush>(texture.get(), WrapMode::WrapModeTile);
            }
            break;
        case TAdvGradientType::gtRadial:
        case TAdvGradientType::gtPath:
        case TAdvGradientType::gtNone: break;
        }
    }
    if (brush)
        g->DrawString(text, -1, gpFont.get(), GPRectF(fx, fy, float(RoundToInt(w + 10.0)), h + 10), &format,
                      brush.get());
    return size;
}

TSize DrawSolidText(TGPGraphics* g, const QString& text, int x, int y, const TFont* font)
{
    return DrawHeadingText(g, text, x, y, 0, false, clNone, font->Color(), 255, 255,
                           HatchStyle::HatchStyleHorizontal, nullptr, TAdvGradientType::gtSolid, font);
}

TSize DrawHeading(TGPGraphics* g, TSplashHeadingText* t, int x, int y, bool measureOnly)
{
    return DrawHeadingText(g, t->Text(), x, y, t->Angle(), measureOnly, t->ColorEnd(), t->ColorStart(),
                           t->OpacityEnd(), t->OpacityStart(), t->GetHatchStyle(), t->Picture(), t->GradientType(),
                           t->Font());
}

} // namespace

TSplashScreenWindow::TSplashScreenWindow(TComponent* AOwner) : TForm(AOwner)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
}

TSplashScreenWindow::~TSplashScreenWindow()
{
    BeforeDestruction();
}

TSplashScreenWindow* TSplashScreenWindow::ShowSplashWindow(TAdvSmoothSplashScreen* splash)
{
    if (!splash || splash->m_showing)
        return nullptr;
    TGDIPFill* fill = splash->Fill();
    const bool layered = fill->Opacity() < 255 || fill->OpacityTo() < 255;

    auto* w = new TSplashScreenWindow(Application);
    w->SetVisible(false);
    w->m_splashScreen = splash;
    splash->m_splashWindow = w;
    w->FreeNotification(splash); // the application may free the window first when it ends
    w->SetBorderStyle(TFormBorderStyle::bsNone);
    Qt::WindowFlags flags = Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    if (splash->StayOnTop())
        flags |= Qt::WindowStaysOnTopHint;
    w->setWindowFlags(flags);
    w->SetColor(clWhite);
    if (layered) {
        // The window system must know about the alpha channel before the window exists.
        w->setAttribute(Qt::WA_TranslucentBackground);
        w->setAutoFillBackground(false);
    }

    int width = splash->Width();
    int height = splash->Height();
    TAdvGDIPPicture* picture = fill->Picture();
    if (splash->AutoAdaptPictureSize() && !picture->Empty()) {
        if (picture->Width() <= 0 || picture->Height() <= 0)
            picture->GetImageSizes();
        const int h = (fill->BorderWidth() + 1) / 2;
        width = picture->Width() + 2 * h;
        height = picture->Height() + 2 * h;
    }
    int left = splash->DisplayPosX();
    int top = splash->DisplayPosY();
    if (splash->DisplayLocation() == TDisplayLocation::dlCenter) {
        QRect screen(0, 0, 1024, 768);
        if (QScreen* s = QGuiApplication::primaryScreen())
            screen = s->geometry();
        left = screen.x() + (screen.width() - width) / 2;
        top = screen.y() + (screen.height() - height) / 2;
    }
    w->SetBounds(left, top, width, height);
    w->setFixedSize(std::max(0, width), std::max(0, height));

    auto* bar = new TAdvSplashProgressBar(w);
    bar->SetParent(w);
    bar->SetVisible(false);
    bar->SetAppearance(splash->ProgressBar());
    bar->OnChange = [splash](TObject*) {
        if (splash->OnProgressChange)
            splash->OnProgressChange(splash);
    };
    bar->OnPositionChanged = [splash](TObject*, double value) {
        if (splash->OnProgressPositionChanged)
            splash->OnProgressPositionChanged(splash, value);
    };
    w->m_progressBar = bar;

    w->RenderLayered(); // nothing yet: the layered path is switched on below

    if (splash->DisplayStyle() == TDisplayStyle::dsFadeInOut) {
        if (layered)
            w->m_opacity = 5;
        else {
            w->m_alphaBlend = true;
            w->SetAlpha(5);
        }
    } else {
        w->m_opacity = 255;
    }

    w->SetVisible(true);
    splash->m_showing = true;
    w->ApplyRegion();
    w->WaitExposed();

    if (layered) {
        w->m_forcedTransparent = true;
        w->m_mainBuffer = std::make_unique<TGPBitmap>(width, height, gdiplus::PixelFormat32bppARGB);
        w->RenderLayered();
        w->RenderLayered();
        w->RenderLayered();
    } else {
        w->repaint();
    }

    if (!layered) {
        if (splash->DisplayStyle() == TDisplayStyle::dsFadeInOut) {
            int step = 5;
            while (w->m_alpha < splash->MaxOpacity()) {
                step = std::min(splash->MaxOpacity() - w->m_alpha, step);
                w->SetAlpha(w->m_alpha + step);
                Sleep(5);
            }
        }
        w->SetAlpha(splash->MaxOpacity());
    } else if (splash->DisplayStyle() == TDisplayStyle::dsFadeInOut) {
        w->FadeInWindow(20, 5, 255);
    }

    splash->m_closeTimer->SetInterval(static_cast<unsigned>(std::max(0, splash->TimeOut())));
    splash->m_closeTimer->SetEnabled(splash->CloseOnTimeout());
    return w;
}

// The window system maps a new window asynchronously; until it is exposed nothing drawn reaches
// the screen, and the application's thread stays busy creating its windows afterwards.
void TSplashScreenWindow::WaitExposed()
{
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

void TSplashScreenWindow::SetVisible(bool value)
{
    // Shown without activation and without the form's show events.
    TCustomControl::SetVisible(value);
}

void TSplashScreenWindow::Click()
{
    TForm::Click();
    if (m_splashScreen && m_splashScreen->OnClick)
        m_splashScreen->OnClick(m_splashScreen);
}

void TSplashScreenWindow::SetAlpha(int alpha)
{
    m_alpha = std::clamp(alpha, 0, 255);
    if (m_alphaBlend)
        setWindowOpacity(m_alpha / 255.0);
}

void TSplashScreenWindow::ApplyRegion()
{
    if (!m_splashScreen)
        return;
    TGDIPFill* fill = m_splashScreen->Fill();
    const int rounding = fill->Rounding();
    if (rounding <= 0 || fill->RoundingType() == TFillRoundingType::rtNone)
        return;
    const TRect c = ClientRect();
    const int L = c.Left, T = c.Top, R = c.Right, B = c.Bottom, d = 2 * rounding;
    QRegion region;
    switch (fill->RoundingType()) {
    case TFillRoundingType::rtTop: region = RoundRectRegion(L, T, R + 1, B, d).united(RectRegion(L, T + d, R, B)); break;
    case TFillRoundingType::rtBottom:
        region = RectRegion(L, T, R, B - d).united(RoundRectRegion(L, T, R + 1, B, d));
        break;
    case TFillRoundingType::rtBoth: region = RoundRectRegion(0, 0, R - L, B - T, d); break;
    case TFillRoundingType::rtLeft: region = RoundRectRegion(L, T, R, B + 1, d).united(RectRegion(L + d, T, R, B)); break;
    case TFillRoundingType::rtRight:
        region = RoundRectRegion(L, T, R, B + 1, d).united(RectRegion(L, T, R - d, B));
        break;
    case TFillRoundingType::rtNone: return;
    }
    setMask(region);
}

// ---------------------------------------------------------------- layered path

void TSplashScreenWindow::RenderLayered()
{
    if (!m_forcedTransparent || !m_mainBuffer)
        return;
    {
        TGPGraphics g(m_mainBuffer.get());
        g.Clear(0);
        raise();
        DrawBackGround(&g);
        DrawProgramInfo(&g);
        DrawListItems(&g);
        DrawTopLayerItems(&g);
        DrawItems(&g);
        DrawProgressBar(&g);
    }
    HandOver();
}

void TSplashScreenWindow::HandOver()
{
    if (!m_mainBuffer)
        return;
    QImage pixels;
    m_mainBuffer->GetHBITMAP(0, pixels);
    QImage shown(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    {
        QPainter p(&shown);
        p.setOpacity(m_opacity / 255.0);
        p.drawImage(0, 0, pixels);
    }
    m_shown = shown;
    if (QWidget::isVisible())
        repaint();
}

void TSplashScreenWindow::Refresh()
{
    if (m_forcedTransparent)
        RenderLayered();
    else
        repaint();
}

void TSplashScreenWindow::FadeInWindow(int Step, int Wait, int Max)
{
    if (m_forcedTransparent) {
        while (m_opacity < Max) {
            if (m_opacity + Step >= Max) {
                m_opacity = Max;
                HandOver();
                break;
            }
            m_opacity += Step;
            HandOver();
            Sleep(Wait);
        }
        return;
    }
    while (m_alpha < Max) {
        if (m_alpha + Step >= Max) {
            SetAlpha(Max);
            break;
        }
        SetAlpha(m_alpha + Step);
        Sleep(Wait);
    }
}

void TSplashScreenWindow::FadeOutWindow(int Step, int Wait, int Min)
{
    if (m_forcedTransparent) {
        while (m_opacity > Min) {
            if (Min >= m_opacity - Step) {
                m_opacity = Min;
                HandOver();
                break;
            }
            m_opacity -= Step;
            HandOver();
            Sleep(Wait);
        }
        return;
    }
    while (m_alpha > Min) {
        if (Min >= m_alpha - Step) {
            SetAlpha(Min);
            break;
        }
        SetAlpha(m_alpha - Step);
        Sleep(3 * Wait);
    }
}

// ---------------------------------------------------------------- painting

void TSplashScreenWindow::paintEvent(QPaintEvent* event)
{
    if (m_forcedTransparent) {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, m_shown);
        return;
    }
    TForm::paintEvent(event);
}

void TSplashScreenWindow::Paint()
{
    if (m_forcedTransparent)
        return;
    TForm::Paint();
    TGPGraphics g(Canvas());
    DrawBackGround(&g);
    DrawProgramInfo(&g);
    DrawListItems(&g);
    DrawTopLayerItems(&g);
    DrawItems(&g);
}

std::unique_ptr<TGPGraphics> TSplashScreenWindow::OwnGraphics()
{
    if (m_forcedTransparent && m_mainBuffer)
        return std::make_unique<TGPGraphics>(m_mainBuffer.get());
    return std::make_unique<TGPGraphics>(Canvas());
}

void TSplashScreenWindow::SetTextHint(TGPGraphics* g) const
{
    g->SetTextRenderingHint(HintOf(m_splashScreen->TextRendering()));
}

void TSplashScreenWindow::DrawBackGround(TGPGraphics* g)
{
    if (!m_splashScreen)
        return;
    std::unique_ptr<TGPGraphics> own;
    if (!g)
        g = (own = OwnGraphics()).get();
    g->SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
    m_splashScreen->Fill()->Fill(g, GPRectF(0, 0, float(Width() - 1), float(Height() - 1)));
}

TRect TSplashScreenWindow::InnerRect() const
{
    TGDIPFill* fill = m_splashScreen->Fill();
    return SplashInnerRect(Width(), Height(), fill->BorderColor() != clNone, fill->BorderWidth());
}

void TSplashScreenWindow::DrawProgramInfo(TGPGraphics* g)
{
    if (!m_splashScreen)
        return;
    std::unique_ptr<TGPGraphics> own;
    if (!g)
        g = (own = OwnGraphics()).get();
    SetTextHint(g);
    TBasicProgramInfo* info = m_splashScreen->BasicProgramInfo();
    TGDIPFill* fill = m_splashScreen->Fill();
    const TRect area =
        ProgramTextArea(InnerRect(), fill->ShadowOffset(), fill->ShadowColor() != clNone, fill->Rounding());

    const TSize nameSize = DrawHeading(g, info->ProgramName(), 0, 0, true);
    const TSize versionSize = DrawHeading(g, info->ProgramVersion(), 0, 0, true);
    const TSize copySize =
        info->CopyRight().isEmpty() ? TSize() : TextMetrics().TextExtent(*info->CopyRightFont(), info->CopyRight());
    const TProgramTextPlaces places = PlaceProgramTexts(
        area, { info->ProgramName()->Location(), nameSize, { info->ProgramName()->PosX(), info->ProgramName()->PosY() } },
        { info->ProgramVersion()->Location(), versionSize,
          { info->ProgramVersion()->PosX(), info->ProgramVersion()->PosY() } },
        { info->CopyRightLocation(), copySize, { info->CopyRightPosX(), info->CopyRightPosY() } });

    DrawHeading(g, info->ProgramName(), places.Name.X, places.Name.Y, false);
    DrawHeading(g, info->ProgramVersion(), places.Version.X, places.Version.Y, false);
    DrawSolidText(g, info->CopyRight(), places.CopyRight.X, places.CopyRight.Y, info->CopyRightFont());
}

namespace {

THTMLPictureFinder FinderOf(TAdvSmoothSplashScreen* splash)
{
    return [splash](const QString& name) -> TAdvGDIPPicture* {
        TGDIPPictureContainer* container = splash->PictureContainer();
        return container ? container->FindPicture(name) : nullptr;
    };
}

} // namespace

void TSplashScreenWindow::DrawListItems(TGPGraphics* g)
{
    if (!m_splashScreen)
        return;
    std::unique_ptr<TGPGraphics> own;
    if (!g)
        g = (own = OwnGraphics()).get();
    SetTextHint(g);
    TSplashListItems* items = m_splashScreen->ListItems();
    TSplashListItemsSettings* settings = m_splashScreen->ListItemsSettings();
    TListItemsRect* rect = settings->Rect();
    const THTMLPictureFinder finder = FinderOf(m_splashScreen);

    THTMLDrawOptions options;
    options.ShadowOffset = settings->HTMLShadowOffset();
    options.ShadowColor = settings->HTMLShadowColor();
    options.URLColor = settings->HTMLURLColor();
    options.LineSpacing = 2;

    std::vector<int> heights;
    for (int i = 0; i < items->Count(); ++i) {
        THTMLDrawOptions measure = options;
        measure.MeasureOnly = true;
        THTMLDrawResult result;
        HTMLDrawGDIP(g, *settings->HTMLFont(), items->Items(i)->HTMLText(), TRect(0, 0, rect->Width(), rect->Height()),
                     measure, result, m_splashScreen->Images(), finder);
        heights.push_back(result.YSize);
    }
    const std::vector<TRect> rects = LayoutListLines(rect->GetRect(), settings->Space(), heights);
    for (int i = 0; i < items->Count(); ++i) {
        TSplashListItem* item = items->Items(i);
        item->SetDisplayRect(rects[std::size_t(i)]);
        const TRect& dr = item->DisplayRect();
        if (dr.Top == -1 && dr.Bottom == -1)
            continue;
        if (item->HTMLText().isEmpty())
            continue;
        THTMLDrawResult result;
        HTMLDrawGDIP(g, *settings->HTMLFont(), item->HTMLText(),
                     TRect(dr.Left, dr.Top, dr.Left + rect->Width(), dr.Top + rect->Height()), options, result,
                     m_splashScreen->Images(), finder);
    }
}

void TSplashScreenWindow::DrawTopLayerItems(TGPGraphics* g)
{
    if (!m_splashScreen)
        return;
    std::unique_ptr<TGPGraphics> own;
    if (!g)
        g = (own = OwnGraphics()).get();
    SetTextHint(g);
    const TRect inner = InnerRect();
    const TSplashRectF area { double(inner.Left), double(inner.Top), double(inner.Width()), double(inner.Height()) };
    TAdvSplashTopLayerItems* items = m_splashScreen->TopLayerItems();
    const THTMLPictureFinder finder = FinderOf(m_splashScreen);
    for (int i = 0; i < items->Count(); ++i) {
        TAdvSplashTopLayerItem* item = items->Items(i);
        if (!item->Visible())
            continue;
        if (item->Fill()->Rounding() > 0 && item->Fill()->RoundingType() != TFillRoundingType::rtNone)
            g->SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
        const TSplashRectF r =
            TopLayerRect(area, item->Align(), item->Left(), item->Top(), item->Width(), item->Height());
        item->Fill()->Fill(g, ToRectF(r));

        TAdvSplashHTMLText* html = item->HTMLText();
        if (html->Text().isEmpty())
            continue;
        THTMLDrawOptions options;
        options.ShadowOffset = html->ShadowOffset();
        options.ShadowColor = html->ShadowColor();
        options.URLColor = html->URLColor();
        options.LineSpacing = 2;
        THTMLDrawOptions measure = options;
        measure.MeasureOnly = true;
        THTMLDrawResult size;
        HTMLDrawGDIP(g, *html->Font(), html->Text(), TRect(0, 0, RoundToInt(r.Width), RoundToInt(r.Height)), measure,
                     size, m_splashScreen->Images(), finder);
        const TPoint at =
            TopLayerTextPosition(r, html->Location(), TSize(size.XSize, size.YSize), html->Left(), html->Top());
        THTMLDrawResult drawn;
        HTMLDrawGDIP(g, *html->Font(), html->Text(), TRect(at.X, at.Y, at.X + size.XSize, at.Y + size.YSize), options,
                     drawn, m_splashScreen->Images(), finder);
    }
}

void TSplashScreenWindow::DrawItems(TGPGraphics* g)
{
    if (!m_splashScreen)
        return;
    std::unique_ptr<TGPGraphics> own;
    if (!g)
        g = (own = OwnGraphics()).get();
    SetTextHint(g);
    TSplashItems* items = m_splashScreen->Items();
    IHTMLImageList* images = m_splashScreen->Images();
    for (int i = 0; i < items->Count(); ++i) {
        TSplashItem* item = items->Items(i);
        if (!item->Visible())
            continue;
        int x = item->PosX();
        TAdvGDIPPicture* picture = item->Picture();
        if (!picture->Empty()) {
            // Raises "Could not allocate memory for image" when the bytes cannot be held.
            std::unique_ptr<TGPImage> image = DecodePictureBytes(picture->Data());
            const int w = int(image->GetWidth());
            const int h = int(image->GetHeight());
            if (image->GetFormat() == TGPImageFormat::ifPNG) {
                g->DrawImage(image.get(), item->PosX(), item->PosY());
            } else {
                TGPBitmap* bitmap = dynamic_cast<TGPBitmap*>(image.get());
                ARGB key = 0;
                if (bitmap)
                    bitmap->GetPixel(0, h - 1, key);
                else {
                    TGPBitmap probe(picture->Data());
                    probe.GetPixel(0, h - 1, key);
                }
                TGPImageAttributes attributes;
                attributes.SetColorKey(key, key);
                g->DrawImage(image.get(), GPRectF(float(item->PosX()), float(item->PosY()), float(w), float(h)), 0, 0,
                             float(w), float(h), Unit_::UnitPixel, &attributes);
            }
            x += w + m_splashScreen->PictureGap();
        } else if (images && item->ImageIndex() >= 0) {
            // Drawn through the window canvas: seen on the painted path only.
            if (item->ImageIndex() < images->Count() && Canvas()->HandleAllocated()) {
                const QImage image = images->Image(item->ImageIndex());
                Canvas()->StretchImage(TRect(item->PosX(), item->PosY(), item->PosX() + image.width(),
                                             item->PosY() + image.height()),
                                       image, TRect(0, 0, image.width(), image.height()), SRCCOPY);
            }
            x += images->Width() + m_splashScreen->PictureGap();
        }
        DrawSolidText(g, item->Text(), x, item->PosY(), item->Font());
    }
}

void TSplashScreenWindow::DrawProgressBar(TGPGraphics* g)
{
    if (!m_splashScreen || !m_progressBar || !m_splashScreen->ProgressBar()->Visible())
        return;
    std::unique_ptr<TGPGraphics> own;
    if (!g)
        g = (own = OwnGraphics()).get();
    m_progressBar->Appearance()->Draw(g, m_progressBar->BoundsRect(), 0, 100, m_progressBar->Position());
}
