// The response plot control's frame and copies: copying curves and settings from another control,
// the axis styles, the Log grid and the ticks, the value and frequency labels in every number
// format, and the point styles of a curve. Pixels are checked against the positions the drawing
// rules give, and label pages against the same texts written where the rules put them.

#include "responseplot/LMyFFTDrawPhase.h"
#include "responseplot/PlotScene.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TBitmap.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

using vcl::SaturateToInt;

namespace {

constexpr vcl::TColor Axis = 0x008C00;
constexpr vcl::TColor Grid = 0x004800;

using scene::EnsureGuiApp;
using scene::MainWindowSettings;
using scene::PagePixel;

std::vector<int> Ids(const TPlotList& list)
{
    std::vector<int> ids;
    for (const TPlotListMember* m = list.Head(); m != nullptr; m = m->Next.get())
        ids.push_back(m->Id);
    return ids;
}

// A flat curve over the whole grid.
std::vector<double> Flat(double level)
{
    return std::vector<double>(4096, level);
}

class PlotFrame : public ::testing::Test
{
protected:
    void SetUp() override { MainWindowSettings(ctl); }
    // Only what a case switches on is drawn.
    void Bare()
    {
        ctl.SetAutoRedraw(false);
        ctl.SetShowHorzGrid(false);
        ctl.SetShowVertGrid(false);
        ctl.SetShowHorzTicks(false);
        ctl.SetShowVertTicks(false);
        ctl.SetAxisStyle(TMyAxisStyle::None);
        ctl.SetAutoRedraw(true);
    }
    int W() { return ctl.GetPlotWidth(); }
    int H() { return ctl.GetPlotHeight(); }
    // Rows of a column (or columns of a row) painted in a colour.
    std::set<int> RowsIn(int x, vcl::TColor colour)
    {
        std::set<int> rows;
        for (int y = 0; y < H(); ++y)
            if (PagePixel(ctl, x, y) == colour)
                rows.insert(y);
        return rows;
    }
    std::set<int> ColumnsIn(int y, vcl::TColor colour)
    {
        std::set<int> cols;
        for (int x = 0; x < W(); ++x)
            if (PagePixel(ctl, x, y) == colour)
                cols.insert(x);
        return cols;
    }

    bool app { (EnsureGuiApp(), true) };
    LMyFFTDrawPhase ctl { nullptr };
};

} // namespace

// ---------------------------------------------------------------- copies from another control

TEST_F(PlotFrame, AssignPlotTakesCurvesAndSettingsButKeepsItsSampleRateAndSize)
{
    LMyFFTDrawPhase source(nullptr);
    MainWindowSettings(source, 800);
    source.SetNumHorzGrid(7);
    source.SetYLabel(QString());
    source.SetYLabelScale(10.0);
    source.SetGridColor(0x00FFFF);
    source.SetPointSize(7);
    source.SetYLabelFormat(TStringFloatFormat::sffFixed);
    source.SetXLabelDigits(2);
    source.SetPlotTitle(QStringLiteral("Phase"));
    source.AxisLabelFont()->SetColor(vcl::clAqua);
    source.SetAxisLabelFont(source.AxisLabelFont());
    source.SetSampleRate(TSampleRate::n192000);
    const auto lower = Flat(-9.0), upper = Flat(9.0);
    source.FFTDraw(lower.data(), 4096, 1, vcl::clRed, 0);
    source.FFTDraw(upper.data(), 4096, 2, vcl::clBlue, 0);

    LMyFFTDrawPhase copy(nullptr);
    copy.SetSampleRate(TSampleRate::n48000);
    const auto own = Flat(0.0);
    copy.FFTDraw(own.data(), 4096, 9, vcl::clWhite, 0);
    copy.AssignPlot(&source);

    // The curves are copied (in reverse order), the control's own are gone.
    EXPECT_EQ(Ids(copy.PlotList()), (std::vector<int> { 1, 2 }));
    struct Same { double got, want; const char* what; };
    const Same same[] = {
        { double(copy.NumHorzGrid()), 7, "NumHorzGrid" },
        { copy.YLabelScale(), 10.0, "YLabelScale" },
        { double(copy.GridColor()), 0x00FFFF, "GridColor" },
        { double(copy.PointSize()), 7, "PointSize" },
        { double(copy.YLabelFormat()), double(TStringFloatFormat::sffFixed), "YLabelFormat" },
        { double(copy.XLabelDigits()), 2, "XLabelDigits" },
        { copy.XMin(), 966.0, "XMin" },
        { copy.YMax(), 18.0, "YMax" },
        { double(copy.AxisLabelFont()->Color()), double(vcl::clAqua), "AxisLabelFont colour" },
        { double(copy.SampleRate()), double(TSampleRate::n48000), "SampleRate kept" },
        { double(copy.Width()), 500, "Width kept" },
    };
    for (const Same& s : same)
        EXPECT_EQ(s.got, s.want) << s.what;
    EXPECT_TRUE(copy.YLabel().isEmpty());
    EXPECT_EQ(copy.PlotTitle(), QStringLiteral("Phase"));

    // Its pages are laid out and drawn: both curves at their levels on its own page, in the
    // copied grid colour, on the 48 kHz grid of its own sample rate.
    ASSERT_GT(copy.GetPlotWidth(), 0);
    const int col = SaturateToInt(copy.ScreenX(2000.0));
    EXPECT_EQ(PagePixel(copy, col, SaturateToInt(copy.ScreenY(-9.0))), vcl::clRed);
    EXPECT_EQ(PagePixel(copy, col, SaturateToInt(copy.ScreenY(9.0))), vcl::clBlue);
    EXPECT_EQ(PagePixel(copy, col, SaturateToInt(copy.ScreenY(0.0))), Axis); // the centred axis
    EXPECT_EQ(PagePixel(copy, col, SaturateToInt(copy.ScreenY(-18.0 + 36.0 / 8.0))), 0x00FFFF);

    // Its value labels are written in the copied label font.
    const QImage labels = copy.YLabelPage()->Bitmap.Image();
    int aqua = 0;
    for (int y = 0; y < labels.height(); ++y)
        for (int x = 0; x < labels.width(); ++x)
            aqua += vcl::FromQColor(labels.pixelColor(x, y)) == vcl::clAqua ? 1 : 0;
    EXPECT_GT(aqua, 20);

    // The copy owns its points: the source changing them later does not reach it.
    const auto moved = Flat(3.0);
    source.FFTDraw(moved.data(), 4096, 1, vcl::clRed, 0);
    std::vector<double> y;
    ASSERT_TRUE(copy.GetPlotY(y, 1));
    EXPECT_EQ(y.front(), -9.0);

    // The copy constructor does the same from the source itself.
    const LMyFFTDrawPhase built(source);
    EXPECT_EQ(Ids(built.PlotList()), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(built.GridColor(), vcl::TColor(0x00FFFF));
    EXPECT_EQ(built.SampleRate(), TSampleRate::n48000);
}

TEST_F(PlotFrame, AssignPlotDataAndAppendPlotDataTakeCurvesOnly)
{
    LMyFFTDrawPhase source(nullptr);
    MainWindowSettings(source);
    source.SetGridColor(0x00FFFF);
    const auto a = Flat(-9.0), b = Flat(9.0), c = Flat(12.0);
    source.FFTDraw(a.data(), 4096, 1, vcl::clRed, 0);
    source.FFTDraw(b.data(), 4096, 2, vcl::clBlue, 0);

    // Replaced: the list only; the settings stay this control's.
    ctl.FFTDraw(c.data(), 4096, 9, vcl::clWhite, 0);
    ctl.AssignPlotData(&source);
    EXPECT_EQ(Ids(ctl.PlotList()), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(ctl.GridColor(), Grid);
    const int col = SaturateToInt(ctl.ScreenX(2000.0));
    EXPECT_EQ(PagePixel(ctl, col, SaturateToInt(ctl.ScreenY(-9.0))), vcl::clRed);
    EXPECT_NE(PagePixel(ctl, col, SaturateToInt(ctl.ScreenY(12.0))), vcl::clWhite);

    // Appended: a known id takes the source's points but keeps its own colour; a new id goes to the head.
    LMyFFTDrawPhase target(nullptr);
    MainWindowSettings(target);
    target.FFTDraw(c.data(), 4096, 2, vcl::clWhite, 0);
    target.FFTDraw(c.data(), 4096, 7, vcl::clLime, 0);
    target.AppendPlotData(&source);
    EXPECT_EQ(Ids(target.PlotList()), (std::vector<int> { 1, 7, 2 }));
    vcl::TColor colour = 0;
    std::vector<double> y;
    ASSERT_TRUE(target.GetPlotColor(colour, 2) && target.GetPlotY(y, 2));
    EXPECT_EQ(colour, vcl::clWhite);
    EXPECT_EQ(y.front(), 9.0);
    const int tcol = SaturateToInt(target.ScreenX(2000.0));
    EXPECT_EQ(PagePixel(target, tcol, SaturateToInt(target.ScreenY(9.0))), vcl::clWhite);
    EXPECT_EQ(PagePixel(target, tcol, SaturateToInt(target.ScreenY(-9.0))), vcl::clRed);
    EXPECT_EQ(PagePixel(target, tcol, SaturateToInt(target.ScreenY(12.0))), vcl::clLime);

    // Appending a control to itself changes nothing; copying from nothing or itself neither.
    target.AppendPlotData(&target);
    target.AssignPlotData(&target);
    target.AssignPlot(&target);
    target.AssignPlot(nullptr);
    EXPECT_EQ(Ids(target.PlotList()), (std::vector<int> { 1, 7, 2 }));
    ASSERT_TRUE(target.GetPlotY(y, 7));
    EXPECT_EQ(y, c);

    // With AutoRedraw off the copies wait for the next redraw.
    LMyFFTDrawPhase quiet(nullptr);
    MainWindowSettings(quiet);
    quiet.SetAutoRedraw(false);
    quiet.AssignPlotData(&source);
    const int qcol = SaturateToInt(quiet.ScreenX(2000.0));
    EXPECT_NE(PagePixel(quiet, qcol, SaturateToInt(quiet.ScreenY(-9.0))), vcl::clRed);
    quiet.SetAutoRedraw(true);
    EXPECT_EQ(PagePixel(quiet, qcol, SaturateToInt(quiet.ScreenY(-9.0))), vcl::clRed);
}

// ---------------------------------------------------------------- axis, grid and ticks

TEST_F(PlotFrame, AxisStylesDrawTheirLinesOnly)
{
    Bare();
    struct Case {
        TMyAxisStyle style;
        bool left, right, top, bottom, zeroLine;
    };
    const Case cases[] = {
        { TMyAxisStyle::Box, true, true, true, true, false },
        { TMyAxisStyle::Centered, false, false, false, false, true },
        { TMyAxisStyle::CenteredBox, true, true, true, true, true },
        { TMyAxisStyle::LB, true, false, false, true, false },
        { TMyAxisStyle::None, false, false, false, false, false },
    };
    for (const Case& c : cases) {
        ctl.SetAxisStyle(c.style);
        const int w = W(), h = H(), mx = w / 3, my = h / 3;
        auto on = [&](int x, int y) { return PagePixel(ctl, x, y) == Axis; };
        const int style = int(c.style);
        EXPECT_EQ(on(0, my), c.left) << style;
        EXPECT_EQ(on(w - 1, my), c.right) << style;
        EXPECT_EQ(on(mx, 0), c.top) << style;
        EXPECT_EQ(on(mx, h - 1), c.bottom) << style;
        EXPECT_EQ(on(mx, SaturateToInt(ctl.ScreenY(0.0))), c.zeroLine) << style;
        EXPECT_FALSE(on(mx, my)) << style;
    }
}

TEST_F(PlotFrame, LogAxesGridEveryDecadeAndItsSubdivisions)
{
    Bare();
    ctl.SetAxisStyle(TMyAxisStyle::None);
    ctl.SetYAxisFormat(TMyAxisFormat::Log);
    ctl.SetYMin(1.0);
    ctl.SetYMax(1000.0);
    ctl.SetNumHorzGrid(1);
    ctl.SetShowHorzGrid(true);
    // Decades 1, 10, 100 and one line halfway between each and the next.
    std::set<int> want;
    for (double v : { 1.0, 5.5, 10.0, 55.0, 100.0, 550.0 }) {
        const int y = SaturateToInt(H() - H() * std::log10(v) / 3.0);
        if (y >= 0 && y < H())
            want.insert(y);
    }
    EXPECT_EQ(RowsIn(W() / 2, Grid), want);

    ctl.SetShowHorzGrid(false);
    ctl.SetXAxisFormat(TMyAxisFormat::Log);
    ctl.SetXMin(10.0);
    ctl.SetXMax(1000.0);
    ctl.SetNumVertGrid(2);
    ctl.SetShowVertGrid(true);
    want.clear();
    for (double v : { 10.0, 40.0, 70.0, 100.0, 400.0, 700.0 }) {
        const int x = SaturateToInt(W() * (std::log10(v) - 1.0) / 2.0);
        if (x >= 0 && x < W())
            want.insert(x);
    }
    EXPECT_EQ(ColumnsIn(H() / 2, Grid), want); // every Log line in the grid colour
    EXPECT_TRUE(ColumnsIn(H() / 2, Axis).empty());

    // Subdivisions of 0: the decades alone.
    ctl.SetNumVertGrid(0);
    const int decade = SaturateToInt(W() * (std::log10(100.0) - 1.0) / 2.0);
    EXPECT_EQ(ColumnsIn(H() / 2, Grid), (std::set<int> { 0, decade }));
}

TEST_F(PlotFrame, TicksRiseFromTheEdgesByTheirLength)
{
    Bare();
    ctl.SetVertTickLength(4);
    ctl.SetHorzTickLength(5);
    ctl.SetShowVertTicks(true);
    ctl.SetShowHorzTicks(true);
    const int h = H();
    // Linear X: the frequency positions, two pixels longer than the length; the end pixel is not drawn.
    const int kHz = SaturateToInt(ctl.ScreenX(ctl.FrequencyToX(1000.0)));
    std::set<int> want;
    for (int y = h - 5; y < h; ++y)
        want.insert(y);
    EXPECT_EQ(RowsIn(kHz, Axis), want);
    EXPECT_EQ(RowsIn(SaturateToInt(ctl.ScreenX(ctl.FrequencyToX(3000.0))), Axis), want);
    // Horizontal ticks at every grid row (3 dB steps), from the left edge.
    const int row = SaturateToInt(ctl.ScreenY(6.0));
    EXPECT_EQ(ColumnsIn(row, Axis), (std::set<int> { 0, 1, 2, 3, 4 }));
    EXPECT_TRUE(ColumnsIn(SaturateToInt(ctl.ScreenY(7.5)), Axis).empty());

    // Log X: at the Log grid positions, exactly the length.
    ctl.SetXAxisFormat(TMyAxisFormat::Log);
    ctl.SetXMin(10.0);
    ctl.SetXMax(1000.0);
    ctl.SetNumVertGrid(1);
    const int fiftyFive = SaturateToInt(W() * (std::log10(55.0) - 1.0) / 2.0);
    EXPECT_EQ(RowsIn(fiftyFive, Axis), (std::set<int> { h - 3, h - 2, h - 1 }));

    // Lengths are bounded by the control: above its size they become its size, below 0 they are 0.
    ctl.SetHorzTickLength(5000);
    ctl.SetVertTickLength(-3);
    EXPECT_EQ(ctl.HorzTickLength(), 1070);
    EXPECT_EQ(ctl.VertTickLength(), 0);
    EXPECT_EQ(ColumnsIn(row, Axis).size(), std::size_t(W()));
    for (int y = h - 3; y < h; ++y)
        EXPECT_NE(PagePixel(ctl, fiftyFive, y), Axis) << y;
}

// ---------------------------------------------------------------- labels

namespace {

struct Label
{
    QString text;
    int x, y;
};

// The page as it must look: the page's colour with the texts written in order.
void ExpectPage(TPaintPage& page, vcl::TColor background, const vcl::TFont* font, const std::vector<Label>& labels,
                const std::string& what)
{
    vcl::TBitmap want;
    want.SetSize(page.Bitmap.Width(), page.Bitmap.Height());
    vcl::TCanvas& c = *want.Canvas();
    c.Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
    c.Brush()->SetColor(background);
    c.FillRect(vcl::Rect(0, 0, want.Width(), want.Height()));
    c.Font()->Assign(const_cast<vcl::TFont*>(font));
    for (const Label& l : labels)
        c.TextOut(l.x, l.y, l.text);
    const QImage got = page.Bitmap.Image().convertToFormat(QImage::Format_RGB32);
    const QImage exp = want.Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(got.size(), exp.size()) << what;
    int differing = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            differing += (got.pixel(x, y) & 0xFFFFFFu) != (exp.pixel(x, y) & 0xFFFFFFu) ? 1 : 0;
    EXPECT_EQ(differing, 0) << what;
}

} // namespace

TEST_F(PlotFrame, ValueLabelsShowUnitScaleAndNumberFormat)
{
    struct Case {
        const char* what;
        TStringFloatFormat format;
        int precision, digits, grid;
        double scale;
        const char* unit;
        std::vector<const char*> texts; // top, bottom, then the middle ones upwards
    };
    using F = TStringFloatFormat;
    const Case cases[] = {
        { "magnitude", F::sffGeneral, 5, 4, 11, 1.0, "dB", { "+18dB", "-18dB", "-12dB", "-6dB", "0dB", "+6dB", "+12dB" } },
        { "phase", F::sffGeneral, 5, 4, 7, 10.0, "", { "+180", "-180", "-90", "0", "+90" } },
        { "fixed", F::sffFixed, 5, 1, 3, 1.0, "dB", { "+18.0dB", "-18.0dB", "0.0dB" } },
        { "exponent", F::sffExponent, 3, 2, 1, 1.0, "dB", { "+1.80E+01dB", "-1.80E+01dB" } },
        { "general, 2 digits", F::sffGeneral, 2, 0, 5, 1.0 / 3.0, "V", { "+6V", "-6V", "-2V", "+2V" } },
        { "no grid", F::sffGeneral, 5, 4, 0, 1.0, "dB", { "+18dB", "-18dB" } },
    };
    for (const Case& k : cases) {
        ctl.SetYLabelFormat(k.format);
        ctl.SetYLabelPrecision(k.precision);
        ctl.SetYLabelDigits(k.digits);
        ctl.SetNumHorzGrid(k.grid);
        ctl.SetYLabelScale(k.scale);
        ctl.SetYLabel(QString::fromLatin1(k.unit));
        ctl.Redraw();
        TPaintPage& page = *ctl.YLabelPage();
        vcl::TCanvas& c = *page.Canvas();
        const int pw = page.Bitmap.Width();
        std::vector<Label> labels;
        const double step = 36.0 / (k.grid + 1);
        for (std::size_t i = 0; i < k.texts.size(); ++i) {
            const QString text = QString::fromLatin1(k.texts[i]);
            const vcl::TSize s = c.TextExtent(text);
            int y = 0;
            if (i == 1)
                y = SaturateToInt(ctl.ScreenY(-18.0) - s.cy);
            else if (i >= 2)
                y = SaturateToInt(ctl.ScreenY(-18.0 + 2.0 * double(i - 1) * step) - s.cy / 2);
            labels.push_back({ text, pw - s.cx - 2, y });
        }
        ExpectPage(page, vcl::clBlack, ctl.AxisLabelFont(), labels, k.what);
    }

    // A Log value axis labels the decades inside the bounds, without sign, scaled as a power.
    ctl.SetYLabelFormat(F::sffGeneral);
    ctl.SetYLabelPrecision(5);
    ctl.SetYLabel(QStringLiteral("dB"));
    ctl.SetYAxisFormat(TMyAxisFormat::Log);
    ctl.SetYMin(1.0);
    ctl.SetYMax(1000.0);
    for (const double scale : { 1.0, 2.0 }) {
        ctl.SetYLabelScale(scale);
        TPaintPage& page = *ctl.YLabelPage();
        vcl::TCanvas& c = *page.Canvas();
        std::vector<Label> labels;
        for (const int k : { 1, 2 }) {
            const QString text = QString::number(std::pow(10.0, k * scale), 'f', 0) + QStringLiteral("dB");
            const vcl::TSize s = c.TextExtent(text);
            labels.push_back({ text, page.Bitmap.Width() - s.cx - 2,
                               SaturateToInt(ctl.ScreenY(std::pow(10.0, k)) - s.cy / 2) });
        }
        ExpectPage(page, vcl::clBlack, ctl.AxisLabelFont(), labels, "log, scale " + std::to_string(scale));
    }
}

TEST_F(PlotFrame, FrequencyLabelsFollowTheirNumberFormat)
{
    struct Case {
        const char* what;
        TStringFloatFormat format;
        int precision, digits;
        std::vector<const char*> texts;
    };
    using F = TStringFloatFormat;
    const Case cases[] = {
        { "general", F::sffGeneral, 4, 4,
          { "20Hz", "100Hz", "1KHz", "10KHz", "20KHz", "50Hz", "200Hz", "500Hz", "2KHz", "5KHz" } },
        { "fixed", F::sffFixed, 4, 1,
          { "20.0Hz", "100.0Hz", "1.0KHz", "10.0KHz", "20.0KHz", "50.0Hz", "200.0Hz", "500.0Hz", "2.0KHz", "5.0KHz" } },
        { "exponent", F::sffExponent, 2, 1,
          { "2.0E+1Hz", "1.0E+2Hz", "1.0E+0KHz", "1.0E+1KHz", "2.0E+1KHz", "5.0E+1Hz", "2.0E+2Hz", "5.0E+2Hz",
            "2.0E+0KHz", "5.0E+0KHz" } },
    };
    const double logs[10] = { 1.301029996, 2.0, 3.0, 4.0, 4.301029996, 1.698970004, 2.301029996, 2.698970004,
                              3.301029996, 3.698970004 };
    for (const Case& k : cases) {
        ctl.SetXLabelFormat(k.format);
        ctl.SetXLabelPrecision(k.precision);
        ctl.SetXLabelDigits(k.digits);
        EXPECT_TRUE(ctl.ShowXLabel()) << k.what;
        ctl.Redraw();
        TPaintPage& page = *ctl.XLabelPage();
        vcl::TCanvas& c = *page.Canvas();
        std::vector<Label> labels;
        for (int i = 0; i < 10; ++i) {
            const QString text = QString::fromLatin1(k.texts[std::size_t(i)]);
            const double px = ctl.ScreenX(4096.0 * logs[i] / std::log10(48000.0));
            labels.push_back({ text, SaturateToInt(px - c.TextWidth(text) / 2.0), 1 });
        }
        ExpectPage(page, vcl::clBlack, ctl.AxisLabelFont(), labels, k.what);
    }
}

// ---------------------------------------------------------------- point styles

TEST_F(PlotFrame, PointStylesDrawLinesAndSquaresInTheirColours)
{
    Bare();
    constexpr vcl::TColor Back = 0x402000;
    ctl.SetColor(Back);
    ctl.SetPointSize(4);
    // Five points 400 units apart on the 0 dB row.
    std::vector<double> xs, ys;
    for (int i = 0; i < 5; ++i) {
        xs.push_back(1200.0 + 400.0 * i);
        ys.push_back(0.0);
    }
    struct Case {
        int style;
        vcl::TColor inside, between, squareEdge; // inside the square off the line
    };
    const Case cases[] = {
        { 0, Back, vcl::clRed, Back },
        { 1, vcl::clRed, Back, vcl::clRed },
        { 2, Back, Back, vcl::clRed },
        { 3, vcl::clRed, vcl::clRed, vcl::clRed },
        { 4, Back, vcl::clRed, vcl::clRed },
        { 5, Back, Back, Back },
    };
    for (const Case& k : cases) {
        ctl.FFTDraw(xs.data(), ys.data(), 5, 1, vcl::clRed, k.style);
        ctl.SetPlotStyle(k.style, 1);
        const int y = SaturateToInt(ctl.ScreenY(0.0));
        for (int i = 1; i < 4; ++i) {
            const int x = SaturateToInt(ctl.ScreenX(xs[std::size_t(i)]));
            const int next = SaturateToInt(ctl.ScreenX(xs[std::size_t(i + 1)]));
            EXPECT_EQ(PagePixel(ctl, x, y - 2), k.inside) << "style " << k.style << " point " << i;
            EXPECT_EQ(PagePixel(ctl, (x + next) / 2, y), k.between) << "style " << k.style << " point " << i;
            EXPECT_EQ(PagePixel(ctl, x, y - 4), k.squareEdge) << "style " << k.style << " point " << i;
            EXPECT_EQ(PagePixel(ctl, x, y - 8), Back) << "style " << k.style << " point " << i;
        }
        ctl.RemovePlot(1);
    }

    // The point size sets the square: 0 becomes 1, above 10 becomes 10.
    for (const auto& [asked, size] : { std::pair { 0, 1 }, std::pair { 11, 10 }, std::pair { 6, 6 } }) {
        ctl.SetPointSize(asked);
        EXPECT_EQ(ctl.PointSize(), size);
        ctl.FFTDraw(xs.data(), ys.data(), 5, 1, vcl::clRed, 1);
        const int x = SaturateToInt(ctl.ScreenX(xs[2]));
        const int y = SaturateToInt(ctl.ScreenY(0.0));
        std::set<int> rows = RowsIn(x, vcl::clRed);
        ASSERT_FALSE(rows.empty()) << asked;
        EXPECT_LE(*rows.begin(), y - size + 1) << asked;
        EXPECT_GE(*rows.begin(), y - size - 1) << asked;
        EXPECT_GE(*rows.rbegin(), y + size - 2) << asked;
        EXPECT_LE(*rows.rbegin(), y + size) << asked;
        ctl.RemovePlot(1);
    }
}
