// The response plot control: mapping, layout, the pixels it paints (grid, curves, markers,
// highlight, free text), the redraw chain, pointer navigation, and a whole channel drawn by a Plot.

#include "response/CurveBuilder.h"
#include "responseplot/LMyFFTDraw.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "responseplot/PlotScene.h"
#include "response/Plot.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TForm.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using vcl::SaturateToInt;
using S = vcl::TShiftStateItem;

namespace {

using scene::EnsureGuiApp;

// Records which pages reach the screen.
template <typename Base>
class Recording : public Base
{
public:
    explicit Recording(vcl::TComponent* owner) : Base(owner) {}
    std::vector<std::string> copies;

    std::string NameOf(const TPaintPage* p) const
    {
        if (p == this->PlotPage()) return "plot";
        if (p == this->XLabelPage()) return "xlabel";
        if (p == this->YLabelPage()) return "ylabel";
        if (p == this->XTitlePage()) return "xtitle";
        if (p == this->YTitlePage()) return "ytitle";
        if (p == this->PlotTitlePage()) return "plottitle";
        if (p == this->MarginPage()) return "margin";
        if (p == this->CoordPage()) return "coord";
        return "?";
    }

protected:
    void CopyPageToScreen(TPaintPage* page) override
    {
        copies.push_back(NameOf(page));
        Base::CopyPageToScreen(page);
    }
};

using scene::MainWindowSettings;
using scene::PagePixel;

// Plot-page column of a frequency and row of a level.
int Col(LMyFFTDrawBase& c, double hz) { return SaturateToInt(c.ScreenX(c.FrequencyToX(hz))); }
int Row(LMyFFTDrawBase& c, double db) { return SaturateToInt(c.ScreenY(db)); }

class PlotControl : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MainWindowSettings(ctl, 1070);
        ctl.copies.clear();
    }
    // The application comes first: a control is a widget.
    bool app { (EnsureGuiApp(), true) };
    Recording<LMyFFTDrawPhase> ctl { nullptr };
};

} // namespace

TEST_F(PlotControl, MapsDataToPixelsAndBackOnBothAxisFormats)
{
    const double W = ctl.GetPlotWidth(), H = ctl.GetPlotHeight();
    const vcl::TRect place = ctl.PlotPage()->Place;
    struct Case { double got, want; const char* what; };
    const Case cases[] = {
        { ctl.ScreenX(966.0), 0.0, "ScreenX(XMin)" },
        { ctl.ScreenX(3840.0), W, "ScreenX(XMax)" },
        { ctl.ScreenY(18.0), 0.0, "ScreenY(YMax)" },
        { ctl.ScreenY(-18.0), H, "ScreenY(YMin)" },
        { ctl.ScreenY(0.0), H / 2, "ScreenY(0)" },
        { ctl.PlotX(place.Left), 966.0, "PlotX(left)" },
        { ctl.PlotX(place.Left + W), 3840.0, "PlotX(right)" },
        { ctl.PlotY(place.Top + H), -18.0, "PlotY(bottom)" },
        { ctl.PlotY(place.Top), 18.0, "PlotY(top)" },
        { ctl.FrequencyToX(20.0), 1138.4, "20 Hz" },
        { ctl.FrequencyToX(1000.0), 2624.9, "1 kHz" },
        { ctl.FrequencyToX(20000.0), 3763.3, "20 kHz" },
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.got, c.want, 0.05) << c.what;

    // A Log X axis puts 0 where 0.1 * XMin is, one decade left of XMin.
    ctl.SetXAxisFormat(TMyAxisFormat::Log);
    ctl.SetXMin(10.0);
    ctl.SetXMax(1000.0);
    EXPECT_DOUBLE_EQ(ctl.ScreenX(0.0), ctl.ScreenX(1.0));
    EXPECT_NEAR(ctl.ScreenX(100.0), W / 2, 1e-9);
    EXPECT_NEAR(ctl.PlotX(place.Left + W / 2), 100.0, 1e-9);

    // A repaired bound that empties the range (XMax -5 -> 10 = XMin) widens it by a decade.
    ctl.SetXMax(-5.0);
    EXPECT_EQ(ctl.XMax(), 100.0);
    EXPECT_TRUE(std::isfinite(ctl.ScreenX(50.0)));
    LMyFFTDrawPhase fresh(nullptr);
    fresh.SetXAxisFormat(TMyAxisFormat::Log); // auto-scaled, no curves: -1..1 first
    EXPECT_EQ(fresh.XMax(), 1.0);
    EXPECT_DOUBLE_EQ(fresh.XMin(), 0.1);
}

TEST_F(PlotControl, CurveListReplacesByIdKeepsFirstColourAndCopiesReversed)
{
    std::vector<double> a(10, 1.0), b(10, 2.0);
    EXPECT_FALSE(ctl.FFTDraw(a.data(), 10, 12, vcl::clRed, 0));
    EXPECT_TRUE(ctl.FFTDraw(b.data(), 10, 12, vcl::clBlue, 3));
    vcl::TColor colour = 0;
    int style = -1;
    std::vector<double> y;
    ASSERT_TRUE(ctl.GetPlotColor(colour, 12) && ctl.GetPlotStyle(style, 12) && ctl.GetPlotY(y, 12));
    EXPECT_EQ(colour, vcl::clRed);
    EXPECT_EQ(style, 0);
    EXPECT_EQ(y, b);
    EXPECT_FALSE(ctl.RemovePlot(99));

    std::vector<double> x;
    ctl.FFTDraw(a.data(), 10, 0.0, 90.0, 5, vcl::clRed, 0);
    ASSERT_TRUE(ctl.GetPlotX(x, 5));
    EXPECT_EQ(x.front(), 0.0);
    EXPECT_EQ(x.back(), 90.0);

    TPlotList list;
    for (int id = 1; id <= 3; ++id)
        list.Add(a.data(), a.data(), 10, id, 0, 0);
    const TPlotList copy(list);
    std::vector<int> ids;
    for (auto* m = copy.Head(); m; m = m->Next.get())
        ids.push_back(m->Id);
    EXPECT_EQ(ids, (std::vector<int> { 1, 2, 3 })); // the source holds 3, 2, 1 from its head

    // Auto-scaled bounds, skipping a point that is not a number.
    LMyFFTDrawPhase fresh(nullptr);
    fresh.FindYMaxMin();
    EXPECT_EQ(fresh.YMax(), 1.0);
    EXPECT_EQ(fresh.YMin(), -1.0);
    std::vector<double> flat(5, 0.0);
    flat[0] = std::numeric_limits<double>::quiet_NaN();
    fresh.FFTDraw(flat.data(), 5, 1, vcl::clRed, 0);
    EXPECT_EQ(fresh.YMax(), 1.0);
    EXPECT_EQ(fresh.YMin(), 0.0);
    // No points: nothing is added.
    EXPECT_FALSE(fresh.FFTDraw(flat.data(), 0, 2, vcl::clRed, 0));
    int n = -1;
    EXPECT_FALSE(fresh.GetPlotNumPoints(n, 2));
}

TEST_F(PlotControl, LayoutOfTheMainWindowPlotAndOfAControlTooSmall)
{
    const int labelHeight = ctl.XLabelPage()->Canvas()->TextHeight(QStringLiteral("966"));
    const vcl::TRect plot = ctl.PlotPage()->Place;
    EXPECT_EQ(plot.Top, 10);
    EXPECT_EQ(plot.Right, 1060);
    EXPECT_EQ(plot.Bottom, SaturateToInt(255 - 1.2 * labelHeight));
    EXPECT_GT(plot.Left, 0);
    EXPECT_EQ(ctl.XLabelPage()->Place, vcl::Rect(plot.Left, plot.Bottom, 1060, 255));
    EXPECT_EQ(ctl.YLabelPage()->Place, vcl::Rect(0, 10, plot.Left, 255));
    EXPECT_EQ(ctl.MarginPage()->Place, vcl::Rect(1060, 0, 1070, 255));
    EXPECT_EQ(ctl.CoordPage()->Place.Right, 1065);

    ctl.SetShowPlotTitle(true);
    EXPECT_EQ(ctl.PlotPage()->Place.Top, 2 * ctl.PlotTitlePage()->Canvas()->TextHeight(ctl.PlotTitle()));

    // Too low for its labels: the optional parts are hidden and the layout ends.
    LMyFFTDrawPhase low(nullptr);
    low.SetBounds(0, 0, 300, 20);
    low.SetShowXTitle(true);
    EXPECT_FALSE(low.ShowXLabel());
    EXPECT_FALSE(low.ShowXTitle());
    EXPECT_FALSE(low.ShowPlotTitle());
    EXPECT_EQ(low.PlotPage()->Place.Bottom, 20);
    LMyFFTDrawPhase tiny(nullptr);
    tiny.SetBounds(0, 0, 300, 5);
    tiny.ResizePaintPage(); // nothing fits even bare; it must still end
    SUCCEED();
}

TEST_F(PlotControl, GridAxisAndCurvePixels)
{
    std::vector<double> y(4096, 6.0);
    ctl.FFTDraw(y.data(), 4096, 12, vcl::clRed, 0);
    ctl.UpdateCurvePage();
    const int rowPlus3 = Row(ctl, 3.0);
    const int rowMinus9 = Row(ctl, -9.0);
    const int col1500 = Col(ctl, 1500.0);
    // Decade lines in the axis colour, the others in the grid colour, every 3 dB a grid row.
    EXPECT_EQ(PagePixel(ctl, Col(ctl, 1000.0), rowMinus9 + 5), 0x008C00);
    EXPECT_EQ(PagePixel(ctl, Col(ctl, 2000.0), rowMinus9 + 5), 0x004800);
    EXPECT_EQ(PagePixel(ctl, Col(ctl, 100.0), rowMinus9 + 5), 0x008C00);
    EXPECT_EQ(PagePixel(ctl, col1500, rowPlus3), 0x004800);
    EXPECT_EQ(PagePixel(ctl, col1500, rowPlus3 + 3), vcl::clBlack);
    EXPECT_EQ(PagePixel(ctl, col1500, Row(ctl, 0.0)), 0x008C00); // the centred axis at 0 dB
    EXPECT_EQ(PagePixel(ctl, 0, 50), 0x008C00);                   // frame
    // The curve at +6 dB.
    EXPECT_EQ(PagePixel(ctl, col1500, Row(ctl, 6.0)), vcl::clRed);
    EXPECT_EQ(PagePixel(ctl, col1500, Row(ctl, 6.0) + 4), vcl::clBlack);
    // And on the screen surface at the page's place.
    const vcl::TRect place = ctl.PlotPage()->Place;
    EXPECT_EQ(ctl.ScreenImage().Image().pixel(place.Left + col1500, place.Top + Row(ctl, 6.0)) & 0xFFFFFF, 0xFF0000u);

    // A point that is not a number breaks the curve instead of dragging it to a corner.
    std::vector<double> gap(4096, -9.0);
    for (int i = 2000; i < 2200; ++i)
        gap[static_cast<std::size_t>(i)] = std::numeric_limits<double>::quiet_NaN();
    ctl.FFTDraw(gap.data(), 4096, 3, vcl::clBlue, 0);
    ctl.DrawAllPlots();
    EXPECT_EQ(PagePixel(ctl, SaturateToInt(ctl.ScreenX(1900)), Row(ctl, -9.0)), vcl::clBlue);
    EXPECT_NE(PagePixel(ctl, SaturateToInt(ctl.ScreenX(2100)), Row(ctl, -9.0)), vcl::clBlue);
    int blueOnTop = 0;
    for (int x = 0; x < ctl.GetPlotWidth(); ++x)
        blueOnTop += PagePixel(ctl, x, 1) == vcl::clBlue ? 1 : 0;
    EXPECT_EQ(blueOnTop, 0);
}

TEST_F(PlotControl, MarkersSitAtTheirBandAndKeepSlotsInRange)
{
    const double x = ctl.FrequencyToX(1000.0);
    ctl.DrawBlock(6.0, x, vcl::clFuchsia, 3, false, 1);
    ctl.DrawBlock(0.0, ctl.FrequencyToX(80.0), 0xF0FBFF, 10, false, 3);
    ctl.DrawAllPlots();
    ctl.UpdateCurvePage();
    const vcl::TPoint p = ctl.GetBlockPos(3);
    EXPECT_EQ(p, vcl::Point(Col(ctl, 1000.0), Row(ctl, 6.0)));
    // The wide pen of the overlay pass rings the marker in its colour.
    EXPECT_EQ(PagePixel(ctl, p.X, p.Y - 3), vcl::clFuchsia);
    auto whiteIn = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int yy = y0; yy < y1; ++yy)
            for (int xx = x0; xx < x1; ++xx)
                n += PagePixel(ctl, xx, yy) == vcl::clWhite ? 1 : 0;
        return n;
    };
    EXPECT_GT(whiteIn(p.X - 3, p.Y - 23, p.X + 12, p.Y - 6), 0); // its number "4" above it
    const vcl::TPoint hp = ctl.GetBlockPos(10);
    EXPECT_GT(whiteIn(hp.X - 8, hp.Y - 20, hp.X + 25, hp.Y - 6), 0); // "HPF"

    // Slots outside 0..49 are ignored.
    ctl.DrawBlock(1.0, x, vcl::clRed, 50, false, 1);
    ctl.DrawBlock(1.0, x, vcl::clRed, -1, false, 1);
    ctl.SetBlockParameter(77, 1, 1, 1, 1);
    EXPECT_EQ(ctl.GetBlockPos(50), vcl::TPoint());

    // A hidden marker is drawn once and is gone after the next redraw.
    ctl.DrawBlock(-9.0, ctl.FrequencyToX(5000.0), vcl::clAqua, 5, true, 0);
    const vcl::TPoint hidden = ctl.GetBlockPos(5);
    EXPECT_EQ(PagePixel(ctl, hidden.X - 3, hidden.Y), vcl::clAqua);
    ctl.DrawAllPlots();
    ctl.UpdateCurvePage();
    EXPECT_NE(PagePixel(ctl, hidden.X - 3, hidden.Y), vcl::clAqua);
}

TEST_F(PlotControl, SelectedBandHighlightIsATranslucentGreyFillDownToZeroDb)
{
    std::vector<double> curve(4096, 6.0);
    const double x = ctl.FrequencyToX(1500.0);
    ctl.DrawParam(0, 6.0, x, 1500.0f, 1.0, vcl::clYellow);
    ctl.DrawCurveFill(0, curve.data(), 4096);
    ctl.SetCurveDisplay(true);
    ctl.DrawAllPlots();
    ctl.UpdateCurvePage(); // exactly one overlay pass on a fresh page
    const int col = Col(ctl, 1200.0);
    const vcl::TColor inside = PagePixel(ctl, col, Row(ctl, 1.5));
    EXPECT_NEAR(vcl::GetRValue(inside), 128 * 30 / 255.0, 1.0);
    EXPECT_EQ(vcl::GetRValue(inside), vcl::GetGValue(inside));
    EXPECT_EQ(PagePixel(ctl, col, Row(ctl, -1.5)), vcl::clBlack);
    // Its labels in the selected colour above... below the marker (gain > 0 puts them under it).
    int yellow = 0;
    const vcl::TPoint anchor(Col(ctl, 1500.0), Row(ctl, 6.0));
    for (int yy = anchor.Y + 20; yy < anchor.Y + 60; ++yy)
        for (int xx = anchor.X - 20; xx < anchor.X + 40; ++xx)
            yellow += PagePixel(ctl, xx, yy) == vcl::clYellow ? 1 : 0;
    EXPECT_GT(yellow, 0);

    // Switched off, the highlight is gone with the next curve redraw.
    ctl.SetCurveDisplay(false);
    ctl.DrawAllPlots();
    ctl.UpdateCurvePage();
    EXPECT_EQ(PagePixel(ctl, col, Row(ctl, 1.5)), vcl::clBlack);

    // More points than the stored curve holds are cut at 4096.
    std::vector<double> longer(5000, -3.0);
    ctl.DrawCurveFill(3, longer.data(), 5000);
    EXPECT_EQ(ctl.DisplayCurve()[4095], -3.0);
}

TEST_F(PlotControl, FreeTextIsDrawnAndRedrawnByEveryOverlayPass)
{
    const int w = ctl.Width();
    ctl.DrawTextA(w / 3, ctl.Height() / 4, 60, vcl::clRed, QStringLiteral("Times New Roman"), QStringLiteral("BYPASS"));
    ctl.DrawAllPlots();
    ctl.UpdateCurvePage();
    int red = 0;
    for (int y = ctl.Height() / 4; y < ctl.GetPlotHeight(); ++y)
        for (int x = w / 3; x < w / 3 + 400 && x < ctl.GetPlotWidth(); ++x)
            red += PagePixel(ctl, x, y) == vcl::clRed ? 1 : 0;
    EXPECT_GT(red, 200);
    EXPECT_EQ(ctl.PlotPage()->Canvas()->Font()->Name(), QStringLiteral("Times New Roman"));
    ctl.DrawTextA(0, 0, 60, vcl::clRed, QString(), QString());
    EXPECT_EQ(ctl.PlotPage()->Canvas()->Font()->Name(), QStringLiteral("Times New Roman")); // empty face keeps it
}

TEST_F(PlotControl, RedrawChainCopiesOnlyWhatChanged)
{
    struct Case { const char* what; std::function<void()> act; std::vector<std::string> copies; };
    std::vector<double> y(4096, 0.0);
    const Case cases[] = {
        { "grid colour redraws the plot page only", [&] { ctl.SetGridColor(0x111111); }, {} },
        { "a curve draws pages without copying the plot", [&] { ctl.FFTDraw(y.data(), 4096, 12, vcl::clRed, 0); },
          { "xlabel", "ylabel" } },
        { "a bound redraws plot and labels", [&] { ctl.SetYMax(18.0); }, { "xlabel", "ylabel", "plot" } },
        { "a hidden title redraws the titles", [&] { ctl.SetXTitle(QStringLiteral("f")); }, { "plottitle", "margin" } },
        { "the curve page", [&] { ctl.UpdateCurvePage(); }, { "plot" } },
        { "redraw screen without titles", [&] { ctl.RedrawScreen(); }, { "xlabel", "ylabel", "margin", "plot" } },
        { "clear copies nothing", [&] { ctl.ClearPlot(); }, {} },
        { "auto redraw off", [&] { ctl.SetAutoRedraw(false); ctl.SetYMax(12.0); ctl.SetNumHorzGrid(7); }, {} },
        { "auto redraw on redraws everything", [&] { ctl.SetAutoRedraw(true); },
          { "xlabel", "ylabel", "plot", "plottitle", "margin" } },
    };
    for (const Case& c : cases) {
        ctl.copies.clear();
        c.act();
        EXPECT_EQ(ctl.copies, c.copies) << c.what;
    }

    // A paint at an unchanged size does not lay out again.
    (void)ctl.grab();
    const vcl::TRect before = ctl.PlotPage()->Place;
    ctl.SetShowYLabel(false); // lays out at once
    ctl.SetShowYLabel(true);
    (void)ctl.grab();
    EXPECT_EQ(ctl.PlotPage()->Place, before);
}

TEST_F(PlotControl, PointerReadOutPanZoomAndStretch)
{
    const vcl::TRect place = ctl.PlotPage()->Place;
    const int W = ctl.GetPlotWidth(), H = ctl.GetPlotHeight();
    const int cx = place.Left + W / 2, cy = place.Top + H / 2;

    // A right press sets no mode; moving reads the pointer out in axis units.
    ctl.MouseDown1(vcl::TMouseButton::mbRight, { S::ssRight }, cx, cy);
    EXPECT_FALSE(ctl.PanDrag() || ctl.ZoomDrag() || ctl.StretchDrag());
    ctl.copies.clear();
    ctl.MouseMove1({}, cx, cy);
    EXPECT_NEAR(ctl.MouseX(), 966.0 + (W / 2) * (3840.0 - 966.0) / W, 1e-9);
    EXPECT_NEAR(ctl.MouseY(), -18.0 + (H - H / 2) * 36.0 / H, 1e-9);
    EXPECT_EQ(ctl.copies, (std::vector<std::string> { "coord" }));
    ctl.MouseUp1(vcl::TMouseButton::mbRight, {}, cx, cy);

    // Left drag pans both ranges by the pointer's travel.
    ctl.MouseDown1(vcl::TMouseButton::mbLeft, { S::ssLeft }, cx, cy);
    EXPECT_TRUE(ctl.PanDrag());
    ctl.MouseMove1({ S::ssLeft }, cx + 100, cy + 10);
    const double dX = 2874.0 * 100 / W, dY = 36.0 * 10 / H;
    EXPECT_NEAR(ctl.XMin(), 966.0 - dX, 1e-9);
    EXPECT_NEAR(ctl.XMax(), 3840.0 - dX, 1e-9);
    EXPECT_NEAR(ctl.YMin(), -18.0 + dY, 1e-9);
    ctl.MouseUp1(vcl::TMouseButton::mbLeft, {}, cx + 100, cy + 10);
    EXPECT_FALSE(ctl.PanDrag());

    // Alt+left stretches: a drag to the right narrows X at both ends.
    ctl.SetXYMinMax(966.0, 3840.0, -18.0, 18.0);
    ctl.MouseDown1(vcl::TMouseButton::mbLeft, { S::ssAlt, S::ssLeft }, cx, cy);
    EXPECT_TRUE(ctl.StretchDrag());
    ctl.MouseMove1({ S::ssAlt, S::ssLeft }, cx + 50, cy);
    EXPECT_NEAR(ctl.XMin(), 966.0 + 2874.0 * 50 / W, 1e-9);
    EXPECT_NEAR(ctl.XMax(), 3840.0 - 2874.0 * 50 / W, 1e-9);
    ctl.MouseUp1(vcl::TMouseButton::mbLeft, {}, cx + 50, cy);

    // Ctrl+left draws a rubber band, normalised when dragged up and left, that becomes the ranges.
    ctl.SetXYMinMax(966.0, 3840.0, -18.0, 18.0);
    ctl.MouseDown1(vcl::TMouseButton::mbLeft, { S::ssCtrl, S::ssLeft }, cx, cy);
    ASSERT_TRUE(ctl.ZoomDrag());
    ctl.MouseMove1({ S::ssCtrl, S::ssLeft }, cx - 200, cy - 40);
    ASSERT_NE(ctl.ZoomRect(), nullptr);
    EXPECT_EQ(*ctl.ZoomRect(), vcl::Rect(cx - 200, cy - 40, cx, cy));
    const double wantXMin = ctl.PlotX(cx - 200), wantXMax = ctl.PlotX(cx);
    const double wantYMin = ctl.PlotY(cy), wantYMax = ctl.PlotY(cy - 40);
    ctl.MouseUp1(vcl::TMouseButton::mbLeft, {}, cx - 200, cy - 40);
    EXPECT_EQ(ctl.ZoomRect(), nullptr);
    EXPECT_FALSE(ctl.ZoomDrag());
    EXPECT_DOUBLE_EQ(ctl.XMin(), wantXMin);
    EXPECT_DOUBLE_EQ(ctl.XMax(), wantXMax);
    EXPECT_DOUBLE_EQ(ctl.YMin(), wantYMin);
    EXPECT_DOUBLE_EQ(ctl.YMax(), wantYMax);

    // Without coordinates the read-out is never drawn.
    ctl.SetShowCoordinates(false);
    ctl.copies.clear();
    ctl.MouseMove1({}, cx, cy);
    EXPECT_TRUE(ctl.copies.empty());
}

TEST(PlotControlLabels, NarrowControlsShowFourFrequencyLabelsWideOnesTen)
{
    EnsureGuiApp();
    for (const int width : { 799, 800 }) {
        LMyFFTDrawPhase c(nullptr);
        MainWindowSettings(c, width);
        vcl::TCanvas& page = *c.XLabelPage()->Canvas();
        auto labelAt = [&](double hz) {
            const int x = SaturateToInt(c.ScreenX(c.FrequencyToX(hz)));
            int n = 0;
            for (int y = 0; y < c.XLabelPage()->Bitmap.Height(); ++y)
                for (int dx = -4; dx <= 4; ++dx)
                    n += page.Pixels(x + dx, y) == vcl::clYellow ? 1 : 0;
            return n > 0;
        };
        EXPECT_TRUE(labelAt(100.0)) << width;
        EXPECT_TRUE(labelAt(10000.0)) << width;
        EXPECT_EQ(labelAt(50.0), width >= 800) << width;
        EXPECT_EQ(labelAt(5000.0), width >= 800) << width;
    }
}

TEST(PlotControlTwin, DrawsLetterMarkersThatThePhaseControlDoesNot)
{
    EnsureGuiApp();
    LMyFFTDraw twin(nullptr);
    LMyFFTDrawPhase phase(nullptr);
    MainWindowSettings(twin, 1070);
    MainWindowSettings(phase, 1070);
    for (LMyFFTDrawBase* c : { static_cast<LMyFFTDrawBase*>(&twin), static_cast<LMyFFTDrawBase*>(&phase) }) {
        c->DrawBlock(-6.0, c->FrequencyToX(1000.0), vcl::clFuchsia, 0, false, 4);
        c->DrawAllPlots();
        c->UpdateCurvePage();
    }
    const vcl::TPoint p = twin.GetBlockPos(0);
    EXPECT_EQ(phase.GetBlockPos(0), p); // the slot is placed either way
    EXPECT_EQ(PagePixel(twin, p.X, p.Y - 3), vcl::clFuchsia);
    EXPECT_NE(PagePixel(phase, p.X, p.Y - 3), vcl::clFuchsia);
}

TEST(PlotControlChannel, APlotDrawsItsBandsCrossoverAndHighlight)
{
    EnsureGuiApp();
    LMyFFTDrawPhase ctl(nullptr);
    MainWindowSettings(ctl, 1070);
    Plot plot(&ctl);
    plot.SetPhaseMode(false);

    struct Editor : PeqBandReader
    {
        int GetChannelNumber() const override { return 3; }
        double GetFreqValue(int b) const override { return std::array { 100.0, 1000.0, 6000.0 }.at(std::size_t(b)); }
        double GetGainValue(int b) const override { return std::array { 6.0, -9.0, 4.0 }.at(std::size_t(b)); }
        double GetQValue(int b) const override { return std::array { 1.0, 2.0, 0.7 }.at(std::size_t(b)); }
        int GetTypeValue(int b) const override { return b == 2 ? 2 : 0; }
        bool GetBypassValue(int) const override { return false; }
    } editor;
    struct Model : CrossoverReader
    {
        CrossoverRecord GetHpLp(int) const override { return { 60, 270, 8, 10 }; }
    } model;
    BuildPeqCurve(plot, 2, editor);
    BuildHpCurve(plot, 2, model);
    BuildLpCurve(plot, 2, model);
    plot.ShowSelected(0, 1, -9.0f, 2.0f, true);
    ctl.SetBounds(0, 0, 1070, 255);
    const QImage shot = ctl.grab().toImage();
    if (const char* path = std::getenv("PLOTCTL_SHOT"))
        shot.save(QString::fromLocal8Bit(path));

    // The total in Out1's colour crosses the column of 1.5 kHz.
    const vcl::TRect place = ctl.PlotPage()->Place;
    const int x = place.Left + Col(ctl, 1500.0);
    bool red = false;
    for (int y = place.Top; y < place.Bottom; ++y)
        red = red || (shot.pixel(x, y) & 0xFFFFFF) == 0xFF0000u;
    EXPECT_TRUE(red) << std::hex << shot.pixel(x, place.Top + Row(ctl, -2.0)) << " fmt " << shot.format();
    const vcl::TPoint band = ctl.GetBlockPos(1);
    EXPECT_NEAR(band.Y, Row(ctl, -9.0), 1);
}

namespace {

// A channel given to a plot as the main window gives it at start: settings, curves, the selected band.
void FeedAChannel(LMyFFTDrawPhase& ctl)
{
    ctl.SetBounds(8, 6, 1070, 255);
    ctl.SetFFTNuimber(TFFTNumber::n4096);
    ctl.SetSampleRate(TSampleRate::n96000);
    ctl.SetXAutoScale(false);
    ctl.SetYAutoScale(false);
    ctl.SetXMin(966);
    ctl.SetXMax(3840);
    ctl.SetYMin(-18);
    ctl.SetYMax(18);
    Plot plot(&ctl);
    plot.SetPhaseMode(false);
    struct Editor : PeqBandReader
    {
        int GetChannelNumber() const override { return 2; }
        double GetFreqValue(int b) const override { return b == 0 ? 250.0 : 4000.0; }
        double GetGainValue(int b) const override { return b == 0 ? 5.0 : -7.0; }
        double GetQValue(int) const override { return 1.5; }
        int GetTypeValue(int) const override { return 0; }
        bool GetBypassValue(int) const override { return false; }
    } editor;
    struct Model : CrossoverReader
    {
        CrossoverRecord GetHpLp(int) const override { return { 60, 270, 8, 10 }; }
    } model;
    BuildPeqCurve(plot, 0, editor);
    BuildHpCurve(plot, 0, model);
    BuildLpCurve(plot, 0, model);
    plot.ShowSelected(0, 0, 5.0f, 1.5f, true);
}

} // namespace

TEST(PlotControlOutOfSight, DrawsNothingUntilItsFirstPaintThenPaintsWhatItWouldHave)
{
    EnsureGuiApp();
    vcl::TForm window(nullptr); // never shown
    auto* hidden = new Recording<LMyFFTDrawPhase>(&window);
    hidden->SetParent(&window);
    Recording<LMyFFTDrawPhase> alone(nullptr); // in no window: draws as it is told
    FeedAChannel(*hidden);
    FeedAChannel(alone);
    EXPECT_TRUE(hidden->copies.empty());
    EXPECT_TRUE(hidden->ScreenImage().Empty());
    ASSERT_FALSE(alone.ScreenImage().Empty());

    const QImage shown = hidden->grab().toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), alone.grab().toImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(hidden->ScreenImage().Image(), alone.ScreenImage().Image());
    EXPECT_EQ(hidden->PlotPage()->Bitmap.Image(), alone.PlotPage()->Bitmap.Image());
    EXPECT_EQ(hidden->PlotPage()->Place, alone.PlotPage()->Place);
    // A later change out of sight is drawn at once, as before.
    hidden->copies.clear();
    hidden->SetYMax(12);
    EXPECT_FALSE(hidden->copies.empty());
}

// The font library keeps a cache for the life of the process that the leak checker would report.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
