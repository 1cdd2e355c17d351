#include "plot/iPlotDecorationHost.h"

#include "plot/iPlot.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"

using namespace vcl;

void TiPlotDecorationEvents::RunHook(const TiPlotEditorHook& Hook, const QString& What)
{
    if (!Hook)
        throw Exception(QStringLiteral("%1 is not available in this plot").arg(What));
    Hook();
}

namespace iplot {

TiPlotComponent* PlotOf(const TiPlotObject* Object)
{
    return Object ? dynamic_cast<TiPlotComponent*>(Object->Owner()) : nullptr;
}

bool CanFire(const TiPlotObject* Object)
{
    const TiPlotComponent* plot = PlotOf(Object);
    return plot && !plot->IsLoading();
}

int IndexIn(const TiPlotObjectManagerCustom* Manager, const TiPlotObject* Object)
{
    return Manager ? Manager->GetIndex(Object) : -1;
}

TiPlotToolBar* FirstToolBar(const TiPlotObject* Object)
{
    const TiPlotComponent* plot = PlotOf(Object);
    return plot && plot->ToolBarCount() > 0 ? plot->ToolBar(0) : nullptr;
}

bool SelectActive(const TiPlotObject* Object)
{
    const TiPlotToolBar* toolBar = FirstToolBar(Object);
    return toolBar && toolBar->SelectActive();
}

void SetSelectActive(const TiPlotObject* Object, bool Value)
{
    TiPlotToolBar* toolBar = FirstToolBar(Object);
    if (toolBar && toolBar->SelectActive() != Value)
        toolBar->DoButtonClickSelect();
}

void SetAllTracking(const TiPlotObject* Object, bool Enabled)
{
    const TiPlotComponent* plot = PlotOf(Object);
    if (!plot)
        return;
    for (int i = 0; i < plot->XAxisCount(); ++i)
        plot->XAxis(i)->SetTrackingEnabled(Enabled);
    for (int i = 0; i < plot->YAxisCount(); ++i)
        plot->YAxis(i)->SetTrackingEnabled(Enabled);
}

bool IsStripChart(const TiPlotObject* Object) { return dynamic_cast<TiPlot*>(PlotOf(Object)) != nullptr; }

void ObjectClick(TiPlotObject* Object, bool DblClickActive)
{
    if (auto* host = dynamic_cast<IiPlotObjectHost*>(Object->Owner()))
        host->ObjectClick(Object, DblClickActive);
}

int PercentToPixelsX(const TiPlotLayoutObject& View, double Percent)
{
    const TRect r = View.DrawRect();
    return RoundToInt(r.Width() * Percent / 100.0 + r.Left);
}

int PercentToPixelsY(const TiPlotLayoutObject& View, double Percent)
{
    const TRect r = View.DrawRect();
    return RoundToInt(r.Height() * (100.0 - Percent) / 100.0 + r.Top);
}

double PixelsXToPercent(const TiPlotLayoutObject& View, int X)
{
    const TRect r = View.DrawRect();
    return r.Width() == 0 ? 0.0 : static_cast<double>(X - r.Left) / r.Width() * 100.0;
}

double PixelsYToPercent(const TiPlotLayoutObject& View, int Y)
{
    const TRect r = View.DrawRect();
    return r.Height() == 0 ? 0.0 : (1.0 - static_cast<double>(Y - r.Top) / r.Height()) * 100.0;
}

} // namespace iplot

#include "platform/ui/TCanvas.h"
#include "platform/ui/TImageList.h"

#include <QColor>

namespace iplot {

namespace {

QImage Greyed(const QImage& Image, std::optional<TColor> Key, TColor Shadow, TColor& KeyOut)
{
    QImage grey = Image.convertToFormat(QImage::Format_RGB32);
    // A key colour that the picture does not use marks what is left out.
    KeyOut = Key ? *Key : static_cast<TColor>(0x00FE01FE);
    const QRgb keyRgb = qRgb(GetRValue(KeyOut), GetGValue(KeyOut), GetBValue(KeyOut));
    const QRgb shadowRgb = qRgb(GetRValue(Shadow), GetGValue(Shadow), GetBValue(Shadow));
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = line[x] | 0xFF000000u;
            if (Key && p == (keyRgb | 0xFF000000u))
                continue;
            line[x] = qGray(p) < 160 ? shadowRgb : keyRgb;
        }
    }
    return grey;
}

} // namespace

void DrawListImage(TCanvas* Canvas, const TImageList* List, int Index, int X, int Y, bool Enabled, TColor MaskColor)
{
    if (!Canvas || !List || Index < 0 || Index >= List->Count())
        return;
    const QImage& image = List->Image(Index);
    const TRect source(0, 0, image.width(), image.height());
    const TRect dest(X, Y, X + image.width(), Y + image.height());
    std::optional<TColor> key;
    if (MaskColor != clNone)
        key = MaskColor;
    if (Enabled) {
        Canvas->StretchImage(dest, image, source, SRCCOPY, key);
        return;
    }
    TColor greyKey = 0;
    const QImage grey = Greyed(image, key, ColorToRGB(clBtnShadow), greyKey);
    Canvas->StretchImage(dest, grey, source, SRCCOPY, greyKey);
}

} // namespace iplot
