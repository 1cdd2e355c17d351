#include "responseplot/LMyFFTDrawBase.h"

#include "platform/core/NumberUtils.h"
#include "platform/core/SoftAssert.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

using vcl::SaturateToInt;

namespace {

constexpr vcl::TColor White = 0xFFFFFF;
constexpr vcl::TColor Red = 0x0000FF;
constexpr vcl::TColor Yellow = 0x00FFFF;
constexpr gdiplus::ARGB HighlightColour = gdiplus::MakeARGB(30, 128, 128, 128);
static_assert(HighlightColour == LMyFFTDrawBase::HighlightArgb);
// Spline points are held inside this many pixels so that absurd values cannot upset the rasteriser.
constexpr int FillLimit = 1000000;

// Base-10 logarithms of the frequency labels, in drawing order (the first four on narrow controls).
constexpr double LabelLogs[10] = { 1.301029996, 2.0,         3.0,         4.0,         4.301029996,
                                   1.698970004, 2.301029996, 2.698970004, 3.301029996, 3.698970004 };

// Text far off the page is still "written" there; its cell must stay representable.
void TextAt(vcl::TCanvas& c, int x, int y, const QString& text)
{
    c.TextOut(std::clamp(x, -FillLimit, FillLimit), std::clamp(y, -FillLimit, FillLimit), text);
}

// Marks the control as painting for a scope.
struct PaintingFlag
{
    explicit PaintingFlag(bool& flag) : m_flag(flag), m_saved(flag) { m_flag = true; }
    ~PaintingFlag() { m_flag = m_saved; }
    bool& m_flag;
    bool m_saved;
};

} // namespace

// ---------------------------------------------------------------- construction

LMyFFTDrawBase::LMyFFTDrawBase(vcl::TComponent* owner) : vcl::TPaintBox(owner)
{
    SetProperties();
    Initialize();
}

LMyFFTDrawBase::LMyFFTDrawBase(vcl::TComponent* owner, NoSetup) : vcl::TPaintBox(owner) {}

LMyFFTDrawBase::~LMyFFTDrawBase()
{
    CleanUp();
}

void LMyFFTDrawBase::SetProperties()
{
    SetHeight(250);
    SetWidth(500);
    SetColor(vcl::clBlack);
    m_autoRedraw = true;
    m_axisColor = 0x008C00;
    m_axisStyle = TMyAxisStyle::CenteredBox;
    m_xAxisFormat = TMyAxisFormat::Linear;
    m_yAxisFormat = TMyAxisFormat::Linear;
    m_showXLabel = true;
    m_showYLabel = true;
    m_showCoordinates = true;
    m_yAutoScale = true;
    m_xAutoScale = true;
    m_mouseControl = true;
    m_pointSize = 2;
    m_yLabelScale = 1.0;
    m_yMax = 18.0;
    m_yMin = -18.0;
    m_xMax = 4130.0;
    m_xMin = 1030.0;
    m_yLabelPrecision = 5;
    m_xLabelPrecision = 4;
    m_xLabelDigits = 4;
    m_yLabelDigits = 4;
    m_yLabelFormat = TStringFloatFormat::sffGeneral;
    m_xLabelFormat = TStringFloatFormat::sffGeneral;
    m_showVertGrid = m_showHorzGrid = true;
    m_showVertTicks = m_showHorzTicks = true;
    m_vertTickLength = 0;
    m_horzTickLength = 0;
    m_numVertGrid = 10;
    m_numHorzGrid = 11;
    m_gridColor = 0x004800;
    m_showXTitle = m_showYTitle = m_showPlotTitle = false;
    m_xTitle = QStringLiteral("Frequency ");
    m_yTitle = QStringLiteral("dB");
    m_plotTitle = QStringLiteral("Frequency Response");
    m_fftNumber = TFFTNumber::n4096;
    m_sampleRate = TSampleRate::n48000;
    m_paintedWidth = m_paintedHeight = 0;
    m_mouseX = m_mouseY = 0;
    m_panDrag = m_stretchDrag = m_zoomDrag = false;
    m_curveDisplay = false;
    m_lineShown = false;
    m_freeText.clear();
}

void LMyFFTDrawBase::Initialize()
{
    m_plotList = std::make_unique<TPlotList>();
    m_plotPage = std::make_unique<TPaintPage>();
    m_xLabelPage = std::make_unique<TPaintPage>();
    m_yLabelPage = std::make_unique<TPaintPage>();
    m_plotTitlePage = std::make_unique<TPaintPage>();
    m_xTitlePage = std::make_unique<TPaintPage>();
    m_yTitlePage = std::make_unique<TPaintPage>();
    m_marginPage = std::make_unique<TPaintPage>();
    m_coordPage = std::make_unique<TPaintPage>();
    auto font = [](vcl::TColor colour) {
        auto f = std::make_unique<vcl::TFont>();
        f->SetColor(colour);
        return f;
    };
    m_plotTitleFont = font(vcl::clLime);
    m_axisTitleFont = font(vcl::clLime);
    m_axisLabelFont = font(vcl::clYellow);
    m_mouseCoordFont = font(vcl::clLime);
}

void LMyFFTDrawBase::CleanUp()
{
    m_plotList.reset();
    m_plotPage.reset();
    m_xLabelPage.reset();
    m_yLabelPage.reset();
    m_plotTitlePage.reset();
    m_xTitlePage.reset();
    m_yTitlePage.reset();
    m_marginPage.reset();
    m_coordPage.reset();
    m_plotTitleFont.reset();
    m_axisTitleFont.reset();
    m_axisLabelFont.reset();
    m_mouseCoordFont.reset();
}

void LMyFFTDrawBase::AssignPlot(const LMyFFTDrawBase* source)
{
    if (source == nullptr || source == this)
        return;
    CleanUp();
    Initialize();
    m_plotList = std::make_unique<TPlotList>(*source->m_plotList);
    AssignPlotProperties(source);
    FindXMaxMin();
    FindYMaxMin();
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::AssignPlotData(const LMyFFTDrawBase* source)
{
    if (source == nullptr || source == this)
        return;
    m_plotList = std::make_unique<TPlotList>(*source->m_plotList);
    FindXMaxMin();
    FindYMaxMin();
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::AppendPlotData(const LMyFFTDrawBase* source)
{
    if (source == nullptr)
        return;
    const TPlotList copy(*source->m_plotList); // the source may be this control
    m_plotList->Append(copy);
    FindXMaxMin();
    FindYMaxMin();
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::AssignPlotProperties(const LMyFFTDrawBase* source)
{
    if (source == nullptr || source == this)
        return;
    m_autoRedraw = source->m_autoRedraw;
    m_axisColor = source->m_axisColor;
    m_axisStyle = source->m_axisStyle;
    m_xAxisFormat = source->m_xAxisFormat;
    m_yAxisFormat = source->m_yAxisFormat;
    m_showXLabel = source->m_showXLabel;
    m_showYLabel = source->m_showYLabel;
    m_showCoordinates = source->m_showCoordinates;
    m_yAutoScale = source->m_yAutoScale;
    m_xAutoScale = source->m_xAutoScale;
    m_yLabelScale = source->m_yLabelScale;
    m_yMax = source->m_yMax;
    m_yMin = source->m_yMin;
    m_xMax = source->m_xMax;
    m_xMin = source->m_xMin;
    m_xLabelPrecision = source->m_xLabelPrecision;
    m_yLabelPrecision = source->m_yLabelPrecision;
    m_xLabelDigits = source->m_xLabelDigits;
    m_yLabelDigits = source->m_yLabelDigits;
    m_yLabelFormat = source->m_yLabelFormat;
    m_xLabelFormat = source->m_xLabelFormat;
    m_pointSize = source->m_pointSize;
    m_showVertGrid = source->m_showVertGrid;
    m_showHorzGrid = source->m_showHorzGrid;
    m_numVertGrid = source->m_numVertGrid;
    m_numHorzGrid = source->m_numHorzGrid;
    m_showVertTicks = source->m_showVertTicks;
    m_showHorzTicks = source->m_showHorzTicks;
    m_vertTickLength = source->m_vertTickLength;
    m_horzTickLength = source->m_horzTickLength;
    m_gridColor = source->m_gridColor;
    m_mouseControl = source->m_mouseControl;
    m_showXTitle = source->m_showXTitle;
    m_showYTitle = source->m_showYTitle;
    m_showPlotTitle = source->m_showPlotTitle;
    m_xTitle = source->m_xTitle;
    m_yTitle = source->m_yTitle;
    m_yLabel = source->m_yLabel;
    m_plotTitle = source->m_plotTitle;
    m_fftNumber = source->m_fftNumber;
    m_plotTitleFont->Assign(source->m_plotTitleFont.get());
    m_axisTitleFont->Assign(source->m_axisTitleFont.get());
    m_axisLabelFont->Assign(source->m_axisLabelFont.get());
    m_mouseCoordFont->Assign(source->m_mouseCoordFont.get());
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::Change()
{
    if (OnChange)
        OnChange(this);
}

// ---------------------------------------------------------------- curves

bool LMyFFTDrawBase::FFTDraw(const double* x, const double* y, int n, int id, vcl::TColor colour,
                             TMyPlotStyle style)
{
    // A curve without points (or without arrays) is not a curve: nothing is added.
    if (x == nullptr || y == nullptr || n < 1)
        return false;
    const bool existed = m_plotList->Add(x, y, n, id, colour, style);
    FindXMaxMin();
    FindYMaxMin();
    RedrawAfterCurveChange();
    return existed;
}

bool LMyFFTDrawBase::FFTDraw(const double* y, int n, int id, vcl::TColor colour, TMyPlotStyle style)
{
    if (y == nullptr || n < 1)
        return false;
    std::vector<double> x(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        x[static_cast<std::size_t>(i)] = i;
    return FFTDraw(x.data(), y, n, id, colour, style);
}

bool LMyFFTDrawBase::FFTDraw(const double* y, int n, double x0, double x1, int id, vcl::TColor colour,
                             TMyPlotStyle style)
{
    if (y == nullptr || n < 1)
        return false;
    std::vector<double> x(static_cast<std::size_t>(n));
    // One point sits at x0 (there is no spacing to divide).
    const double step = n > 1 ? (x1 - x0) / (n - 1) : 0.0;
    for (int i = 0; i < n; ++i)
        x[static_cast<std::size_t>(i)] = x0 + i * step;
    return FFTDraw(x.data(), y, n, id, colour, style);
}

void LMyFFTDrawBase::RedrawAfterCurveChange()
{
    if (!m_autoRedraw)
        return;
    if (Held())
        m_heldRedraw = true;
    else
        DrawPlotsAndLabelsNoUpdate();
}

bool LMyFFTDrawBase::RemovePlot(int id)
{
    if (!m_plotList->Remove(id))
        return false;
    FindXMaxMin();
    FindYMaxMin();
    RedrawAfterCurveChange();
    return true;
}

bool LMyFFTDrawBase::GetPlotStyle(TMyPlotStyle& out, int id) const
{
    const TPlotListMember* m = m_plotList->Find(id);
    if (m)
        out = m->Style;
    return m != nullptr;
}

bool LMyFFTDrawBase::GetPlotColor(vcl::TColor& out, int id) const
{
    const TPlotListMember* m = m_plotList->Find(id);
    if (m)
        out = m->Color;
    return m != nullptr;
}

bool LMyFFTDrawBase::GetPlotNumPoints(int& out, int id) const
{
    const TPlotListMember* m = m_plotList->Find(id);
    if (m)
        out = m->NumPoints;
    return m != nullptr;
}

bool LMyFFTDrawBase::GetPlotX(std::vector<double>& out, int id) const
{
    const TPlotListMember* m = m_plotList->Find(id);
    if (m)
        out = m->X;
    return m != nullptr;
}

bool LMyFFTDrawBase::GetPlotY(std::vector<double>& out, int id) const
{
    const TPlotListMember* m = m_plotList->Find(id);
    if (m)
        out = m->Y;
    return m != nullptr;
}

bool LMyFFTDrawBase::SetPlotColor(vcl::TColor colour, int id)
{
    TPlotListMember* m = m_plotList->FindToChange(id);
    if (!m)
        return false;
    m->Color = colour;
    DrawOnePlot(m);
    RedrawScreen();
    return true;
}

bool LMyFFTDrawBase::SetPlotStyle(TMyPlotStyle style, int id)
{
    TPlotListMember* m = m_plotList->FindToChange(id);
    if (!m)
        return false;
    m->Style = style;
    if (m_autoRedraw)
        DrawAllPlots();
    return true;
}

// ---------------------------------------------------------------- bounds and mapping

void LMyFFTDrawBase::SetXYMinMax(double xMin, double xMax, double yMin, double yMax)
{
    m_xMin = xMin;
    m_xMax = xMax;
    m_yMin = yMin;
    m_yMax = yMax;
    CalculateLogMaxMin();
    CompareMaxMin();
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

namespace {

// Bounds of every finite value of one coordinate over the list; false when there is none.
template <typename Pick>
bool ScanBounds(const TPlotList& list, Pick pick, double& hi, double& lo)
{
    bool any = false;
    for (const TPlotListMember* m = list.Head(); m != nullptr; m = m->Next.get()) {
        for (double v : pick(*m)) {
            if (!std::isfinite(v))
                continue; // a broken point must not become a bound
            if (!any) {
                hi = lo = v;
                any = true;
            } else if (v > hi) {
                hi = v;
            } else if (v < lo) {
                lo = v;
            }
        }
    }
    return any;
}

} // namespace

void LMyFFTDrawBase::FindXMaxMin()
{
    if (!m_xAutoScale)
        return;
    if (!ScanBounds(*m_plotList, [](const TPlotListMember& m) -> const std::vector<double>& { return m.X; },
                    m_xMax, m_xMin)) {
        m_xMax = 1.0;
        m_xMin = -1.0;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

void LMyFFTDrawBase::FindYMaxMin()
{
    if (!m_yAutoScale)
        return;
    if (!ScanBounds(*m_plotList, [](const TPlotListMember& m) -> const std::vector<double>& { return m.Y; },
                    m_yMax, m_yMin)) {
        m_yMax = 1.0;
        m_yMin = -1.0;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

void LMyFFTDrawBase::CompareMaxMin()
{
    if (m_yMax == m_yMin)
        m_yMax = m_yAxisFormat == TMyAxisFormat::Log ? m_yMin * 10 : m_yMax + 1;
    if (m_xMax == m_xMin)
        m_xMax = m_xAxisFormat == TMyAxisFormat::Log ? m_xMin * 10 : m_xMax + 1;
}

void LMyFFTDrawBase::CalculateLogMaxMin()
{
    if (m_xAxisFormat == TMyAxisFormat::Log) {
        if (m_xMax <= 0)
            m_xMax = 10;
        if (m_xMin <= 0)
            m_xMin = 0.1 * m_xMax;
        // A repair can make the range empty (XMin already 10): widen it by a decade, as an empty
        // range is widened, so the mapping never divides by zero.
        if (m_xMax == m_xMin)
            m_xMax = m_xMin * 10;
        m_logXMax = std::log10(m_xMax);
        m_logXMin = std::log10(m_xMin);
    }
    if (m_yAxisFormat == TMyAxisFormat::Log) {
        if (m_yMax <= 0)
            m_yMax = 10;
        if (m_yMin <= 0)
            m_yMin = 0.01 * m_yMax;
        if (m_yMax == m_yMin)
            m_yMax = m_yMin * 10;
        m_logYMax = std::log10(m_yMax);
        m_logYMin = std::log10(m_yMin);
    }
}

double LMyFFTDrawBase::ScreenX(double x) const
{
    const double w = m_plotPage ? m_plotPage->Bitmap.Width() : 0;
    if (m_xAxisFormat == TMyAxisFormat::Log) {
        const double lx = x > 0 ? std::log10(x) : std::log10(0.1 * m_xMin);
        return w * (lx - m_logXMin) / (m_logXMax - m_logXMin);
    }
    return w * (x - m_xMin) / (m_xMax - m_xMin);
}

double LMyFFTDrawBase::ScreenY(double y) const
{
    const double h = m_plotPage ? m_plotPage->Bitmap.Height() : 0;
    if (m_yAxisFormat == TMyAxisFormat::Log) {
        const double ly = y > 0 ? std::log10(y) : std::log10(0.1 * m_yMin);
        return h - h * (ly - m_logYMin) / (m_logYMax - m_logYMin);
    }
    return h - h * (y - m_yMin) / (m_yMax - m_yMin);
}

double LMyFFTDrawBase::PlotX(double px) const
{
    const double w = m_plotPage->Bitmap.Width();
    if (w <= 0)
        return m_xMin; // no plot area yet: every pixel is the left bound
    const double d = px - m_plotPage->Place.Left;
    if (m_xAxisFormat == TMyAxisFormat::Log)
        return std::pow(10.0, m_logXMin + d * (m_logXMax - m_logXMin) / w);
    return m_xMin + d * (m_xMax - m_xMin) / w;
}

double LMyFFTDrawBase::PlotY(double py) const
{
    const double h = m_plotPage->Bitmap.Height();
    if (h <= 0)
        return m_yMin;
    const double d = h - (py - m_plotPage->Place.Top);
    if (m_yAxisFormat == TMyAxisFormat::Log)
        return std::pow(10.0, m_logYMin + d * (m_logYMax - m_logYMin) / h);
    return m_yMin + d * (m_yMax - m_yMin) / h;
}

double LMyFFTDrawBase::Nyquist() const
{
    return 24000.0 * (static_cast<int>(m_sampleRate) + 1);
}

int LMyFFTDrawBase::GridPoints() const
{
    return 256 << static_cast<int>(m_fftNumber);
}

double LMyFFTDrawBase::FrequencyToX(double freqHz) const
{
    return GridPoints() * std::log10(freqHz) / std::log10(Nyquist());
}

QString LMyFFTDrawBase::FormatNumber(double value, TStringFloatFormat format, int precision, int digits)
{
    return vcl::FloatToStrF(value, static_cast<vcl::TFloatFormat>(static_cast<int>(format)), precision, digits);
}

// ---------------------------------------------------------------- pages, layout, redraw chain

namespace {

// The widest text among prefix + pi * 10^k, k = -100..100: room for any label the format can make.
int WidestEstimate(vcl::TCanvas& canvas, const QString& prefix, TStringFloatFormat format, int precision,
                   int digits)
{
    int widest = 0;
    for (int k = -100; k <= 100; ++k) {
        const double v = 3.14159265358979323846 * std::pow(10.0, k);
        const QString text = prefix
            + vcl::FloatToStrF(v, static_cast<vcl::TFloatFormat>(static_cast<int>(format)), precision, digits);
        widest = std::max(widest, canvas.TextWidth(text));
    }
    return widest;
}

} // namespace

bool LMyFFTDrawBase::DrawsNothingYet() const
{
    return !m_pagesPlaced && parentWidget() != nullptr && !isVisible();
}

void LMyFFTDrawBase::ResizePaintPage()
{
    m_pagesPlaced = true;
    // Each retry hides parts, so at most two retries can change anything; a control too small even
    // then keeps its earlier page places.
    for (int pass = 0; pass < 3; ++pass) {
        const int W = Width();
        const int H = Height();
        int L = -30, T = 0, B = H, B2 = H, Yw = 0;
        if (m_showXLabel) {
            m_xLabelPage->SetFont(m_axisLabelFont.get());
            const int h = m_xLabelPage->Canvas()->TextHeight(
                FormatNumber(m_xMin, m_xLabelFormat, m_xLabelPrecision, m_xLabelDigits));
            B = SaturateToInt(B - 1.2 * h);
        }
        if (m_showXTitle) {
            m_xTitlePage->SetFont(m_axisTitleFont.get());
            const int h = m_xTitlePage->Canvas()->TextHeight(m_xTitle);
            B -= 2 * h;
            B2 -= 2 * h;
        }
        if (m_showYLabel) {
            m_yLabelPage->SetFont(m_axisLabelFont.get());
            const int w = WidestEstimate(*m_yLabelPage->Canvas(), QString(), m_xLabelFormat,
                                         std::max(m_xLabelPrecision, m_yLabelPrecision),
                                         std::max(m_xLabelDigits, m_yLabelDigits));
            L += w + 4;
        }
        if (m_showYTitle) {
            m_yTitlePage->SetFont(m_axisTitleFont.get());
            const int h = m_yTitlePage->Canvas()->TextHeight(m_yTitle);
            L += 2 * h;
            Yw += 2 * h;
        }
        if (m_showPlotTitle) {
            m_plotTitlePage->SetFont(m_plotTitleFont.get());
            T += 2 * m_plotTitlePage->Canvas()->TextHeight(m_plotTitle);
        } else {
            T += 10;
        }
        if (m_showCoordinates) {
            m_coordPage->SetFont(m_mouseCoordFont.get());
            vcl::TCanvas& c = *m_coordPage->Canvas();
            const int cw = WidestEstimate(c, QStringLiteral("x = "), m_yLabelFormat, m_yLabelPrecision, m_yLabelDigits);
            const int ch = 2 * c.TextHeight(QStringLiteral("x = ")) + 10;
            m_coordPage->SetPlace(W - cw - 5, T + 4, W - 5, T + ch + 2);
        }
        if (T < B && L < W) {
            m_plotPage->SetPlace(L, T, W - 10, B);
            m_xLabelPage->SetPlace(L, B, W - 10, B2);
            m_xTitlePage->SetPlace(L, B2, W - 10, H);
            m_yLabelPage->SetPlace(Yw, T, L, H);
            m_yTitlePage->SetPlace(0, T, Yw, H);
            m_plotTitlePage->SetPlace(0, 0, W - 10, T);
            m_marginPage->SetPlace(W - 10, 0, W, H);
        }
        bool again = false;
        if (T > B && (m_showPlotTitle || m_showXLabel || m_showXTitle)) {
            m_showPlotTitle = m_showXLabel = m_showXTitle = false;
            again = true;
        }
        if (L > W && (m_showYLabel || m_showYTitle)) {
            m_showYLabel = m_showYTitle = false;
            again = true;
        }
        if (!again)
            break;
    }
    PlaceMarkers();
}

void LMyFFTDrawBase::PlaceMarkers()
{
    for (int i = 0; i < BlockCount; ++i)
        SetBlockPosition(ScreenX(m_blocks[i].x), ScreenY(m_blocks[i].y), i);
}

void LMyFFTDrawBase::CopyPageToScreen(TPaintPage* page)
{
    if (DrawsNothingYet())
        return;
    if (m_screen.Width() != Width() || m_screen.Height() != Height()) {
        m_screen.SetSize(std::max(0, Width()), std::max(0, Height()));
        m_screen.Canvas()->Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
        m_screen.Canvas()->Brush()->SetColor(Color());
        m_screen.Canvas()->FillRect(vcl::Rect(0, 0, Width(), Height()));
    }
    m_screen.Canvas()->SetCopyMode(vcl::SRCCOPY);
    m_screen.Canvas()->CopyRect(page->Place, *page->Canvas(), page->Area);
    if (!m_painting)
        update(page->Place.toQRect());
}

void LMyFFTDrawBase::HoldRedraws()
{
    ++m_redrawHolds;
}

void LMyFFTDrawBase::ReleaseRedraws()
{
    if (m_redrawHolds == 0 || --m_redrawHolds > 0)
        return;
    const bool redraw = std::exchange(m_heldRedraw, false);
    const bool update = std::exchange(m_heldUpdate, false);
    const bool skipped = std::exchange(m_heldDrawingSkipped, false);
    // A paint redraws every page from what the calls left, so one paint stands for all they held;
    // a control out of sight gets it when it is shown.
    if (redraw || update || skipped)
        QWidget::update();
}

bool LMyFFTDrawBase::SkipsDrawingHeld()
{
    if (!Held())
        return false;
    m_heldDrawingSkipped = true;
    return true;
}

void LMyFFTDrawBase::UpdatePaintPage(TPaintPage* page)
{
    if (DrawsNothingYet())
        return;
    if (page == m_plotPage.get() && Held()) {
        m_heldUpdate = true;
        return;
    }
    BlockPaint();
    if (m_lineShown)
        LinePaint();
    TextPaint();
    CuveDisplayPaint();
    CopyPageToScreen(page);
}

void LMyFFTDrawBase::DrawPlotsAndLabelsNoUpdate()
{
    if (DrawsNothingYet())
        return;
    DrawAllPlots();
    DrawXAxisLabels();
    DrawYAxisLabels();
}

void LMyFFTDrawBase::DrawPlotsAndLabels()
{
    DrawPlotsAndLabelsNoUpdate();
    UpdatePaintPage(m_plotPage.get());
}

void LMyFFTDrawBase::Redraw()
{
    DrawPlotsAndLabels();
    DrawTitles();
}

void LMyFFTDrawBase::DrawTitles()
{
    if (DrawsNothingYet())
        return;
    const vcl::TColor bg = Color();
    {
        m_plotTitlePage->Clear(bg);
        if (m_showPlotTitle) {
            m_plotTitlePage->SetFont(m_plotTitleFont.get());
            vcl::TCanvas& c = *m_plotTitlePage->Canvas();
            const vcl::TSize s = c.TextExtent(m_plotTitle);
            TextAt(c, (m_plotPage->Bitmap.Width() - s.cx) / 2 + m_plotPage->Place.Left,
                      m_plotTitlePage->Bitmap.Height() - (3 * s.cy) / 2, m_plotTitle);
        }
        UpdatePaintPage(m_plotTitlePage.get());
    }
    if (m_showXTitle) {
        m_xTitlePage->Clear(bg);
        m_xTitlePage->SetFont(m_axisTitleFont.get());
        vcl::TCanvas& c = *m_xTitlePage->Canvas();
        const vcl::TSize s = c.TextExtent(m_xTitle);
        TextAt(c, (m_xTitlePage->Bitmap.Width() - s.cx) / 2, m_xTitlePage->Bitmap.Height() - (3 * s.cy) / 2, m_xTitle);
        UpdatePaintPage(m_xTitlePage.get());
    }
    if (m_showYTitle) {
        m_yTitlePage->Clear(bg);
        m_yTitlePage->SetFont(m_axisTitleFont.get());
        vcl::TCanvas& c = *m_yTitlePage->Canvas();
        const vcl::TSize s = c.TextExtent(m_yTitle);
        TextAt(c, s.cy / 2, (m_plotPage->Bitmap.Height() - s.cx) / 2, m_yTitle);
        UpdatePaintPage(m_yTitlePage.get());
    }
    m_marginPage->Clear(bg);
    UpdatePaintPage(m_marginPage.get());
}

void LMyFFTDrawBase::RedrawScreen()
{
    if (m_showXLabel)
        UpdatePaintPage(m_xLabelPage.get());
    if (m_showXTitle)
        UpdatePaintPage(m_xTitlePage.get());
    if (m_showYLabel)
        UpdatePaintPage(m_yLabelPage.get());
    if (m_showYTitle)
        UpdatePaintPage(m_yTitlePage.get());
    if (m_showPlotTitle)
        UpdatePaintPage(m_plotTitlePage.get());
    UpdatePaintPage(m_marginPage.get());
    UpdatePaintPage(m_plotPage.get());
}

void LMyFFTDrawBase::ClearPlot()
{
    const vcl::TColor bg = Color();
    if (m_showXLabel)
        m_xLabelPage->Clear(bg);
    if (m_showXTitle)
        m_xTitlePage->Clear(bg);
    if (m_showYLabel)
        m_yLabelPage->Clear(bg);
    if (m_showYTitle)
        m_yTitlePage->Clear(bg);
    if (m_showPlotTitle)
        m_plotTitlePage->Clear(bg);
    m_marginPage->Clear(bg);
    m_plotPage->Clear(bg);
}

void LMyFFTDrawBase::FollowDeviceScale(int scale)
{
    if (scale == m_screen.DeviceScale())
        return;
    for (TPaintPage* page : { m_plotPage.get(), m_xLabelPage.get(), m_yLabelPage.get(), m_plotTitlePage.get(),
                              m_xTitlePage.get(), m_yTitlePage.get(), m_marginPage.get(), m_coordPage.get() })
        if (page)
            page->Bitmap.SetDeviceScale(scale);
    m_screen.SetDeviceScale(scale);
}

bool LMyFFTDrawBase::SetPlotWidth(int width)
{
    m_plotPage->Bitmap.SetWidth(std::max(0, width));
    return true;
}

void LMyFFTDrawBase::Paint()
{
    {
        PaintingFlag painting(m_painting);
        FollowDeviceScale(Canvas()->DeviceScale());
        if (Width() != m_paintedWidth || Height() != m_paintedHeight) {
            m_paintedWidth = Width();
            m_paintedHeight = Height();
            ResizePaintPage();
        }
        Redraw();
        BlockPaint();
        if (m_lineShown)
            LinePaint();
        TextPaint();
        CuveDisplayPaint();
    }
    if (!m_screen.Empty())
        Canvas()->StretchImage(vcl::Rect(0, 0, m_screen.Width(), m_screen.Height()), m_screen.Image(),
                               vcl::Rect(0, 0, m_screen.Width(), m_screen.Height()), vcl::SRCCOPY);
    vcl::TPaintBox::Paint();
}

// ---------------------------------------------------------------- axis, grid, ticks, labels

namespace {

// Data values of the horizontal grid lines (or the vertical ones of a Log X axis).
std::vector<double> GridValues(TMyAxisFormat format, double lo, double hi, double logLo, double logHi, int count)
{
    std::vector<double> values;
    if (format == TMyAxisFormat::Linear) {
        const double step = (hi - lo) / (count + 1.0);
        for (int k = 1; k <= count; ++k)
            values.push_back(lo + k * step);
        return values;
    }
    if (!std::isfinite(logLo) || !std::isfinite(logHi))
        return values;
    for (double d = std::floor(logLo); d < logHi; d += 1.0) {
        const double base = std::pow(10.0, d);
        const double next = std::pow(10.0, d + 1);
        values.push_back(base);
        for (int k = 1; k <= count; ++k)
            values.push_back(base + k * (next - base) / (count + 1.0));
    }
    return values;
}

} // namespace

void LMyFFTDrawBase::DrawAxis()
{
    if (!Visible())
        return;
    vcl::TCanvas& c = *m_plotPage->Canvas();
    const int W = m_plotPage->Bitmap.Width();
    const int H = m_plotPage->Bitmap.Height();
    c.Pen()->SetColor(m_axisColor);
    c.Pen()->SetStyle(vcl::TPenStyle::psSolid);
    c.Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
    c.Brush()->SetColor(m_axisColor);
    auto frame = [&] {
        c.FillRect(vcl::Rect(0, 0, W, 1));
        c.FillRect(vcl::Rect(0, H - 1, W, H));
        c.FillRect(vcl::Rect(0, 0, 1, H));
        c.FillRect(vcl::Rect(W - 1, 0, W, H));
    };
    auto centred = [&] {
        if (m_yMax != m_yMin) {
            const int y0 = SaturateToInt(ScreenY(0));
            c.MoveTo(0, y0);
            c.LineTo(W, y0);
        }
        if (m_xMax != m_xMin) {
            const int x0 = SaturateToInt(ScreenX(0));
            c.MoveTo(x0, 0);
            c.LineTo(x0, H);
        }
    };
    switch (m_axisStyle) {
    case TMyAxisStyle::Box:
        frame();
        break;
    case TMyAxisStyle::Centered:
        centred();
        break;
    case TMyAxisStyle::CenteredBox:
        frame();
        centred();
        break;
    case TMyAxisStyle::LB:
        c.MoveTo(0, 0);
        c.LineTo(0, H - 1);
        c.LineTo(W, H - 1);
        break;
    case TMyAxisStyle::None:
        break;
    }
}

void LMyFFTDrawBase::DrawGrid()
{
    vcl::TCanvas& c = *m_plotPage->Canvas();
    const int W = m_plotPage->Bitmap.Width();
    const int H = m_plotPage->Bitmap.Height();
    c.Pen()->SetStyle(vcl::TPenStyle::psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetColor(m_gridColor);
    if (m_showHorzGrid) {
        for (double v : GridValues(m_yAxisFormat, m_yMin, m_yMax, m_logYMin, m_logYMax, m_numHorzGrid)) {
            const int y = SaturateToInt(ScreenY(v));
            c.MoveTo(0, y);
            c.LineTo(W, y);
        }
    }
    if (m_showVertGrid) {
        if (m_xAxisFormat == TMyAxisFormat::Linear) {
            for (int a = 1; a <= 14; ++a) {
                for (int m = 1; m <= 10; ++m) {
                    c.Pen()->SetColor(m == 1 ? m_axisColor : m_gridColor);
                    const int x = SaturateToInt(ScreenX(FrequencyToX(m * std::pow(10.0, a))));
                    c.MoveTo(x, 0);
                    c.LineTo(x, H);
                }
            }
        } else {
            c.Pen()->SetColor(m_gridColor);
            for (double v : GridValues(m_xAxisFormat, m_xMin, m_xMax, m_logXMin, m_logXMax, m_numVertGrid)) {
                const int x = SaturateToInt(ScreenX(v));
                c.MoveTo(x, 0);
                c.LineTo(x, H);
            }
        }
    }
}

void LMyFFTDrawBase::DrawTicks()
{
    vcl::TCanvas& c = *m_plotPage->Canvas();
    const int H = m_plotPage->Bitmap.Height();
    c.Pen()->SetStyle(vcl::TPenStyle::psSolid);
    c.Pen()->SetWidth(1);
    c.Pen()->SetColor(m_axisColor);
    if (m_showHorzTicks) {
        for (double v : GridValues(m_yAxisFormat, m_yMin, m_yMax, m_logYMin, m_logYMax, m_numHorzGrid)) {
            const int y = SaturateToInt(ScreenY(v));
            c.MoveTo(0, y);
            c.LineTo(m_horzTickLength, y);
        }
    }
    if (m_showVertTicks) {
        if (m_xAxisFormat == TMyAxisFormat::Linear) {
            for (int a = 1; a <= 14; ++a) {
                for (int m = 1; m <= 10; ++m) {
                    const int x = SaturateToInt(ScreenX(FrequencyToX(m * std::pow(10.0, a))));
                    c.MoveTo(x, H);
                    c.LineTo(x, H - m_vertTickLength - 2);
                }
            }
        } else {
            for (double v : GridValues(m_xAxisFormat, m_xMin, m_xMax, m_logXMin, m_logXMax, m_numVertGrid)) {
                const int x = SaturateToInt(ScreenX(v));
                c.MoveTo(x, H);
                c.LineTo(x, H - m_vertTickLength);
            }
        }
    }
}

void LMyFFTDrawBase::DrawXAxisLabels()
{
    if (!m_showXLabel)
        return;
    m_xLabelPage->Clear(Color());
    m_xLabelPage->SetFont(m_axisLabelFont.get());
    vcl::TCanvas& c = *m_xLabelPage->Canvas();
    const int count = Width() >= 800 ? 10 : 4;
    const double logNyq = std::log10(Nyquist());
    for (int i = 0; i < count; ++i) {
        const double lg = LabelLogs[i];
        const double px = ScreenX(GridPoints() * lg / logNyq);
        const double f = std::pow(10.0, lg);
        const QString text = f < 1000
            ? FormatNumber(f, m_xLabelFormat, m_xLabelPrecision, m_xLabelDigits) + QStringLiteral("Hz")
            : FormatNumber(f * 0.001, m_xLabelFormat, m_xLabelPrecision, m_xLabelDigits) + QStringLiteral("KHz");
        TextAt(c, SaturateToInt(px - c.TextWidth(text) / 2.0), 1, text);
    }
    UpdatePaintPage(m_xLabelPage.get());
}

void LMyFFTDrawBase::DrawYAxisLabels()
{
    if (!m_showYLabel)
        return;
    m_yLabelPage->Clear(Color());
    m_yLabelPage->SetFont(m_axisLabelFont.get());
    vcl::TCanvas& c = *m_yLabelPage->Canvas();
    const int pageWidth = m_yLabelPage->Bitmap.Width();
    const QString unit = YLabelUnit();
    const double scale = YLabelFactor();
    auto number = [&](double v) { return FormatNumber(v, m_yLabelFormat, m_yLabelPrecision, m_yLabelDigits); };
    auto centred = [&](const QString& text, double v) {
        const vcl::TSize s = c.TextExtent(text);
        const int halfHeight = s.cy / 2; // whole pixels: the label sits on the pixel grid
        TextAt(c, pageWidth - s.cx - 2, SaturateToInt(ScreenY(v) - halfHeight), text);
    };
    if (m_yAxisFormat == TMyAxisFormat::Linear) {
        const QString top = QStringLiteral("+") + number(m_yMax * scale) + unit;
        TextAt(c, pageWidth - c.TextWidth(top) - 2, 0, top);
        const QString bottom = number(m_yMin * scale) + unit;
        const vcl::TSize bs = c.TextExtent(bottom);
        TextAt(c, pageWidth - bs.cx - 2, SaturateToInt(ScreenY(m_yMin) - bs.cy), bottom);
        const double step = (m_yMax - m_yMin) / (m_numHorzGrid + 1.0);
        for (int k = 2; k <= m_numHorzGrid; k += 2) {
            const double v = m_yMin + k * step;
            const QString text = (v > 0 ? QStringLiteral("+") : QString()) + number(step * scale * k + m_yMin * scale) + unit;
            centred(text, v);
        }
    } else if (std::isfinite(m_logYMin) && std::isfinite(m_logYMax)) {
        for (double k = std::floor(m_logYMin) + 1; k < m_logYMax; k += 1.0)
            centred(number(std::pow(10.0, k * scale)) + unit, std::pow(10.0, k));
    }
    UpdatePaintPage(m_yLabelPage.get());
}

// ---------------------------------------------------------------- curves and highlight

void LMyFFTDrawBase::DrawOnePlot(const TPlotListMember* member)
{
    if (!Visible() || member == nullptr)
        return;
    vcl::TCanvas& c = *m_plotPage->Canvas();
    const int W = m_plotPage->Bitmap.Width();
    const int H = m_plotPage->Bitmap.Height();
    const int P = m_pointSize;
    const int style = member->Style;
    c.Pen()->SetStyle(vcl::TPenStyle::psSolid);
    c.Pen()->SetWidth(2);
    c.Pen()->SetColor(member->Color);
    c.Brush()->SetStyle(vcl::TBrushStyle::bsSolid);
    c.Brush()->SetColor(style == 1 || style == 3 ? member->Color : Color());
    const std::int64_t w64 = W, h64 = H;
    if (style == 0) {
        DrawCurveLine(*member, w64, h64);
        return;
    }
    bool broken = true; // the next drawable point starts a new stroke
    for (int i = 0; i < member->NumPoints; ++i) {
        const double dx = member->X[static_cast<std::size_t>(i)];
        const double dy = member->Y[static_cast<std::size_t>(i)];
        // A point that is not a number has no place: the curve resumes at the next one.
        if (!std::isfinite(dx) || !std::isfinite(dy)) {
            broken = true;
            continue;
        }
        const int x = SaturateToInt(FFTScreenX(dx));
        const int y = SaturateToInt(FFTScreenY(dy));
        if (broken) {
            c.MoveTo(x, y);
            broken = false;
        }
        if (x < -2 * w64 || x >= 3 * w64 || y < -2 * h64 || y >= 3 * h64) {
            c.MoveTo(x, y);
            continue;
        }
        switch (style) {
        case 0:
            c.LineTo(x, y);
            break;
        case 1:
        case 2:
            c.Rectangle(x - P, y - P, x + P, y + P);
            break;
        case 3:
        case 4:
            c.LineTo(x, y);
            c.Rectangle(x - P, y - P, x + P, y + P);
            c.MoveTo(x, y);
            break;
        default:
            break;
        }
    }
    c.Pen()->SetWidth(2);
}

void LMyFFTDrawBase::DrawCurveLine(const TPlotListMember& member, std::int64_t w, std::int64_t h)
{
    // The pen goes from point to point; a point far off the page (or not a number) breaks the line,
    // and the next drawable point joins on from the point before it. All strokes in one pass.
    vcl::TCanvas& c = *m_plotPage->Canvas();
    m_strokePoints.clear();
    m_strokeCounts.clear();
    vcl::TPoint pen;
    bool havePen = false;   // the pen position joins on to the next drawable point
    bool inStroke = false;  // the last stroke ends at the pen position
    bool moved = false;     // some finite point moved the pen
    for (int i = 0; i < member.NumPoints; ++i) {
        const double dx = member.X[static_cast<std::size_t>(i)];
        const double dy = member.Y[static_cast<std::size_t>(i)];
        if (!std::isfinite(dx) || !std::isfinite(dy)) {
            havePen = inStroke = false;
            continue;
        }
        const vcl::TPoint p(SaturateToInt(FFTScreenX(dx)), SaturateToInt(FFTScreenY(dy)));
        moved = true;
        if (p.X < -2 * w || p.X >= 3 * w || p.Y < -2 * h || p.Y >= 3 * h) {
            pen = p;
            havePen = true;
            inStroke = false;
            continue;
        }
        if (!inStroke) {
            m_strokePoints.push_back(havePen ? pen : p);
            m_strokeCounts.push_back(1);
            inStroke = true;
        }
        m_strokePoints.push_back(p);
        ++m_strokeCounts.back();
        pen = p;
        havePen = true;
    }
    c.PolyPolyline(m_strokePoints, m_strokeCounts);
    if (moved)
        c.MoveTo(pen.X, pen.Y);
    c.Pen()->SetWidth(2);
}

std::vector<double> LMyFFTDrawBase::PlotPageFingerprint() const
{
    const vcl::TCanvas& c = *m_plotPage->Canvas();
    const auto e = [](auto v) { return static_cast<double>(static_cast<long long>(v)); };
    return { e(m_plotPage->Bitmap.Width()), e(m_plotPage->Bitmap.Height()), e(Color()), e(m_axisColor),
             e(m_axisStyle), e(m_xAxisFormat), e(m_yAxisFormat), m_xMin, m_xMax, m_yMin, m_yMax, m_logXMin, m_logXMax,
             m_logYMin, m_logYMax, e(m_showHorzGrid), e(m_showVertGrid), e(m_showHorzTicks), e(m_showVertTicks),
             e(m_numHorzGrid), e(m_numVertGrid), e(m_horzTickLength), e(m_vertTickLength), e(m_gridColor),
             e(m_fftNumber), e(m_sampleRate), e(m_pointSize), e(c.Pen()->Mode()),
             static_cast<double>(m_plotList->Generation()) };
}

void LMyFFTDrawBase::DrawAllPlots()
{
    if (!Visible() || DrawsNothingYet())
        return;
    // A redraw of what the page already showed after the last one is a copy of that.
    const std::vector<double> fingerprint = PlotPageFingerprint();
    if (m_plotPageCache.Restore(fingerprint, *m_plotPage->Canvas()))
        return;
    m_plotPage->Clear(Color());
    DrawGrid();
    DrawTicks();
    DrawAxis();
    for (const TPlotListMember* m = m_plotList->Head(); m != nullptr; m = m->Next.get())
        DrawOnePlot(m);
    m_plotPageCache.Keep(fingerprint, *m_plotPage->Canvas());
}

void LMyFFTDrawBase::DrawCurveFill(int type, const double* curve, int count)
{
    (void)type; // the outline is closed by the stored layout code, which callers pass here too
    if (curve == nullptr || count <= 0)
        return;
    count = std::min(count, CurvePoints);
    for (int i = 0; i < count; ++i)
        m_displayCurve[static_cast<std::size_t>(i)] = std::isfinite(curve[i]) ? curve[i] : 0.0;
    if (!SkipsDrawingHeld())
        FillHighlight(count, true);
}

HighlightStamp::Shape LMyFFTDrawBase::HighlightShape(int count, bool outlineClosing) const
{
    HighlightStamp::Shape shape;
    shape.count = count;
    shape.outlineClosing = outlineClosing;
    shape.width = m_plotPage->Bitmap.Width();
    shape.height = m_plotPage->Bitmap.Height();
    shape.xMin = m_xMin;
    shape.xMax = m_xMax;
    shape.yMin = m_yMin;
    shape.yMax = m_yMax;
    shape.closing = m_paramType < 0 ? -1 : std::min(m_paramType, 3);
    shape.rising = m_paramGain >= 0;
    shape.x10 = static_cast<float>(ScreenX(10.0));
    shape.x20000 = static_cast<float>(ScreenX(20000.0));
    shape.y0 = static_cast<float>(ScreenY(0.0));
    shape.yTop = static_cast<float>(ScreenY(m_yMax));
    shape.yBottom = static_cast<float>(ScreenY(m_yMin));
    return shape;
}

void LMyFFTDrawBase::FillHighlight(int count, bool outlineClosing)
{
    if (count < 2 || m_plotPage->Bitmap.Empty())
        return;
    const HighlightStamp::Shape shape = HighlightShape(count, outlineClosing);
    vcl::TCanvas& page = *m_plotPage->Canvas();
    // The path is drawn once per change of its shape; every pass after that stamps it.
    HighlightStamp& stamp = outlineClosing ? m_fillStamp : m_displayStamp;
    // The stamp holds pixels at scale 1; a page at a higher density draws the path itself.
    if (!page.ClipRegion() && page.Image() != nullptr && page.DeviceScale() == 1) {
        if (!stamp.Matches(shape, m_displayCurve.data()))
            stamp.Record(shape, m_displayCurve.data(), [&](vcl::TCanvas& c) { DrawHighlightPath(c, shape); });
        if (stamp.Stamp(*page.Image()))
            return;
    }
    DrawHighlightPath(page, shape);
}

void LMyFFTDrawBase::DrawHighlightPath(vcl::TCanvas& canvas, const HighlightStamp::Shape& shape) const
{
    using namespace gdiplus;
    const int count = shape.count;
    const double W = shape.width;
    const double H = shape.height;
    std::vector<GpPoint> points(static_cast<std::size_t>(count));
    auto clampPixel = [](double v) { return std::clamp(SaturateToInt(v), -FillLimit, FillLimit); };
    for (int i = 0; i < count; ++i) {
        const double v = m_displayCurve[static_cast<std::size_t>(i)];
        points[static_cast<std::size_t>(i)].X = clampPixel(W * (i - shape.xMin) / (shape.xMax - shape.xMin));
        points[static_cast<std::size_t>(i)].Y = clampPixel(H - H * (v - shape.yMin) / (shape.yMax - shape.yMin));
    }
    GpGraphics* g = nullptr;
    GpPath* p = nullptr;
    GpPen* pen = nullptr;
    GpSolidFill* brush = nullptr;
    GdipCreateFromCanvas(&canvas, &g);
    GdipCreatePath(FillMode::FillModeAlternate, &p);
    GdipCreatePen1(HighlightColour, 1.0f, Unit::UnitWorld, &pen);
    GdipCreateSolidFill(HighlightColour, &brush);
    const GraphicsPtr graphics(g);
    const PathPtr path(p);
    const PenPtr penOwner(pen);
    const BrushPtr brushOwner(brush);
    if (!ZQ9_EXPECT(graphics && path && penOwner && brushOwner))
        return;

    GdipAddPathCurveI(p, points.data(), count);
    if (!shape.outlineClosing)
        GdipDrawPath(g, pen, p);
    const REAL x10 = shape.x10, x20000 = shape.x20000, y0 = shape.y0;
    const REAL ytop = shape.yTop, ybottom = shape.yBottom;
    if (shape.closing == 0) {
        GdipAddPathLine(p, x10, y0, x20000, y0);
    } else if (shape.closing == 1) {
        GdipAddPathLine(p, x20000, y0, x10, y0);
        GdipAddPathLine(p, x10, y0, x10, shape.rising ? ytop : ybottom);
    } else if (shape.closing == 2) {
        GdipAddPathLine(p, x20000, shape.rising ? ytop : ybottom, x20000, y0);
        GdipAddPathLine(p, x20000, y0, x10, y0);
    } else if (shape.closing >= 3) {
        GdipAddPathLine(p, x20000, y0, x20000, ybottom);
        GdipAddPathLine(p, x20000, ybottom, x10, ybottom);
    }
    if (shape.outlineClosing)
        GdipDrawPath(g, pen, p);
    GdipFillPath(g, brush, p);
}

void LMyFFTDrawBase::CuveDisplayPaint()
{
    if (!m_curveDisplay)
        return;
    vcl::TCanvas& c = *m_plotPage->Canvas();
    c.Pen()->SetColor(m_paramColor);
    c.Pen()->SetWidth(1);
    c.Font()->SetColor(m_paramColor);
    c.Font()->SetSize(8);
    DrawLabels(SelectedOffsets(m_paramType, m_paramGain <= 0), m_paramGain, m_paramX, m_paramFreq, m_paramQ,
               m_paramColor);
    c.Font()->SetSize(m_textSize);
    FillHighlight(CurvePoints, false);
}

void LMyFFTDrawBase::DrawVerticalLine(vcl::TPenStyle style)
{
    vcl::TCanvas& c = *m_plotPage->Canvas();
    const double sx = ScreenX(m_lineX);
    c.Pen()->SetWidth(1);
    c.Pen()->SetStyle(style);
    c.Pen()->SetColor(Red);
    c.MoveTo(SaturateToInt(sx), 0);
    c.LineTo(SaturateToInt(sx), Height() - 10);
    c.Pen()->SetStyle(vcl::TPenStyle::psSolid);
}

void LMyFFTDrawBase::DrawLine(double x, vcl::TColor colour, bool handle)
{
    m_lineX = x;
    m_lineColor = colour;
    m_lineHandle = handle;
    m_lineShown = true;
    DrawVerticalLine(vcl::TPenStyle::psDash);
    if (handle) {
        vcl::TCanvas& c = *m_plotPage->Canvas();
        const double sx = ScreenX(x);
        const double sy = ScreenY(-3.0);
        c.Pen()->SetColor(Yellow);
        c.Pen()->SetWidth(1);
        c.Rectangle(SaturateToInt(sx - 4), SaturateToInt(sy - 4), SaturateToInt(sx + 4), SaturateToInt(sy + 4));
        m_lineScreenX = SaturateToInt(sx);
    }
}

void LMyFFTDrawBase::LinePaint()
{
    DrawVerticalLine(vcl::TPenStyle::psDot);
    if (m_lineHandle) {
        vcl::TCanvas& c = *m_plotPage->Canvas();
        const double sx = ScreenX(m_lineX);
        const double sy = ScreenY(-3.0);
        m_lineScreenX = SaturateToInt(sx);
        c.Pen()->SetColor(Yellow);
        c.Pen()->SetWidth(1);
        c.Rectangle(SaturateToInt(sx - 4), SaturateToInt(sy - 4), SaturateToInt(sx + 4), SaturateToInt(sy + 4));
    }
}

void LMyFFTDrawBase::SetLineSize(int value)
{
    if (value != m_lineSize)
        m_lineSize = value;
}

// ---------------------------------------------------------------- markers, labels, free text

void LMyFFTDrawBase::DrawMarkerShape(int kind, int index, double sx, double sy)
{
    vcl::TCanvas& c = *m_plotPage->Canvas();
    c.Brush()->SetStyle(vcl::TBrushStyle::bsCross);
    c.Font()->SetColor(White);
    const int l = SaturateToInt(sx - 3), t = SaturateToInt(sy - 3);
    const int r = SaturateToInt(sx + 3), b = SaturateToInt(sy + 3);
    switch (kind) {
    case 0:
    case 1:
        if (kind == 0)
            c.Rectangle(l, t, r, b);
        else
            c.Ellipse(l, t, r, b);
        c.Font()->SetSize(11);
        TextAt(c, SaturateToInt(sx - 3), SaturateToInt(sy - 23), vcl::Format(QStringLiteral("%i"), index + 1));
        break;
    case 2:
    case 3:
        c.Rectangle(l, t, r, b);
        c.Font()->SetSize(8);
        TextAt(c, SaturateToInt(sx - 8), SaturateToInt(sy - 20), kind == 2 ? QStringLiteral("LPF") : QStringLiteral("HPF"));
        c.Font()->SetSize(m_textSize);
        break;
    default:
        DrawExtraMarker(kind, sx, sy);
        break;
    }
}

void LMyFFTDrawBase::DrawBlock(double y, double x, vcl::TColor colour, int index, bool hidden, int kind)
{
    if (!ValidSlot(index))
        return; // there are 50 slots; another index has nowhere to go
    Block& b = m_blocks[static_cast<std::size_t>(index)];
    b.x = x;
    b.y = y;
    b.colour = colour;
    const double sx = ScreenX(x);
    const double sy = ScreenY(y);
    SetBlockPosition(sx, sy, index);
    vcl::TCanvas& c = *m_plotPage->Canvas();
    b.kind = kind;
    b.hidden = hidden;
    if (SkipsDrawingHeld())
        return;
    c.Pen()->SetColor(colour);
    c.Pen()->SetWidth(1);
    DrawMarkerShape(kind, index, sx, sy);
}

void LMyFFTDrawBase::SetBlockPosition(double screenX, double screenY, int index)
{
    if (!ValidSlot(index))
        return;
    Block& b = m_blocks[static_cast<std::size_t>(index)];
    b.screenX = screenX;
    b.screenY = screenY;
    b.pos = vcl::Point(SaturateToInt(screenX), SaturateToInt(screenY));
}

vcl::TPoint LMyFFTDrawBase::GetBlockPos(int index) const
{
    return ValidSlot(index) ? m_blocks[static_cast<std::size_t>(index)].pos : vcl::TPoint();
}

void LMyFFTDrawBase::SetBlockParameter(int index, double freqHz, double gainDb, double q, int curveType)
{
    if (!ValidSlot(index))
        return;
    Block& b = m_blocks[static_cast<std::size_t>(index)];
    b.freq = freqHz;
    b.gain = gainDb;
    b.q = q;
    b.curveType = curveType;
}

void LMyFFTDrawBase::BlockPaint()
{
    vcl::TCanvas& c = *m_plotPage->Canvas();
    for (int i = 0; i < BlockCount; ++i) {
        const Block& b = m_blocks[static_cast<std::size_t>(i)];
        if (b.hidden)
            continue;
        const double sx = ScreenX(b.x);
        const double sy = ScreenY(b.y);
        c.Pen()->SetColor(b.colour);
        c.Pen()->SetWidth(5);
        DrawMarkerShape(b.kind, i, sx, sy);
        if (b.kind == 1 && m_parameterDisplay && (b.x != m_paramX || b.y != m_paramGain))
            ShowParam(BandLabelLayout(b.curveType), b.gain, b.x, static_cast<float>(b.freq), b.q, White);
        c.Pen()->SetWidth(1);
    }
}

void LMyFFTDrawBase::DrawLabels(const LabelOffsets& offsets, double gain, double x, float freqHz, double q,
                                vcl::TColor colour)
{
    (void)colour;
    vcl::TCanvas& c = *m_plotPage->Canvas();
    const double sx = ScreenX(x);
    const double sy = ScreenY(gain);
    const int left = SaturateToInt(sx - 20);
    if (offsets.q != NoLabel)
        TextAt(c, left, SaturateToInt(sy + offsets.q), vcl::Format(QStringLiteral("Q:%4.2f"), q));
    if (offsets.freq != NoLabel) {
        const QString text = freqHz >= 1000 ? vcl::Format(QStringLiteral("%4.2fKHz"), freqHz * 0.001)
                                            : vcl::Format(QStringLiteral("%4.1fHz"), freqHz);
        TextAt(c, left, SaturateToInt(sy + offsets.freq), text);
    }
    if (offsets.gain != NoLabel)
        TextAt(c, left, SaturateToInt(sy + offsets.gain), vcl::Format(QStringLiteral("%4.1fdB"), gain));
}

void LMyFFTDrawBase::ShowParam(int layout, double gain, double x, float freqHz, double q, vcl::TColor colour)
{
    vcl::TCanvas& c = *m_plotPage->Canvas();
    c.Pen()->SetColor(colour);
    c.Pen()->SetWidth(1);
    c.Font()->SetColor(colour);
    c.Font()->SetSize(8);
    DrawLabels(ParamOffsets(layout, gain <= 0), gain, x, freqHz, q, colour);
    c.Font()->SetSize(m_textSize);
}

void LMyFFTDrawBase::DrawParam(int layout, double gain, double x, float freqHz, double q, vcl::TColor colour)
{
    m_paramType = layout;
    m_paramGain = gain;
    m_paramX = x;
    m_paramFreq = freqHz;
    m_paramQ = q;
    m_paramColor = colour;
    if (!SkipsDrawingHeld())
        ShowParam(layout, gain, x, freqHz, q, colour);
}

void LMyFFTDrawBase::DrawTextA(int x, int y, int size, vcl::TColor colour, const QString& fontName,
                               const QString& text)
{
    m_freeText = text;
    m_textX = x;
    m_textY = y;
    m_textSize = size;
    m_textColor = colour;
    m_textFontName = fontName;
    if (!SkipsDrawingHeld()) {
        TextPaint();
        return;
    }
    // The canvas as the text would have left it: the labels drawn next take its font.
    UseTextFont(*m_plotPage->Canvas());
}

void LMyFFTDrawBase::UseTextFont(vcl::TCanvas& c) const
{
    if (!m_textFontName.isEmpty())
        c.Font()->SetName(m_textFontName);
    c.Font()->SetSize(m_textSize);
    c.Font()->SetColor(m_textColor);
    c.Brush()->SetStyle(vcl::TBrushStyle::bsClear);
}

void LMyFFTDrawBase::TextPaint()
{
    vcl::TCanvas& c = *m_plotPage->Canvas();
    UseTextFont(c);
    TextAt(c, m_textX, m_textY, m_freeText);
}

// ---------------------------------------------------------------- pointer navigation

void LMyFFTDrawBase::DrawZoomBand()
{
    if (!m_zoomRect)
        return;
    if (m_screen.Width() != Width() || m_screen.Height() != Height())
        m_screen.SetSize(std::max(0, Width()), std::max(0, Height()));
    vcl::TCanvas& c = *m_screen.Canvas();
    c.Brush()->SetStyle(vcl::TBrushStyle::bsClear);
    c.Pen()->SetColor(vcl::clBlack);
    c.Pen()->SetWidth(1);
    c.Pen()->SetStyle(vcl::TPenStyle::psDot);
    c.Pen()->SetMode(vcl::TPenMode::pmNot);
    c.Rectangle(*m_zoomRect);
    c.Pen()->SetMode(vcl::TPenMode::pmCopy);
    c.Pen()->SetStyle(vcl::TPenStyle::psSolid);
    update();
}

void LMyFFTDrawBase::MouseDown1(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y)
{
    using S = vcl::TShiftStateItem;
    vcl::TControl::MouseDown(button, shift, x, y);
    if (button == vcl::TMouseButton::mbLeft) {
        if (shift == vcl::TShiftState { S::ssAlt, S::ssLeft } || shift == vcl::TShiftState { S::ssAlt, S::ssRight })
            m_stretchDrag = true;
        else if (shift == vcl::TShiftState { S::ssCtrl, S::ssLeft })
            m_zoomDrag = true;
        else
            m_panDrag = true;
    }
    if (m_zoomDrag && m_mouseControl) {
        m_zoomRect = std::make_unique<vcl::TRect>(x, y, x + 2, y + 2);
        m_dragStartX = x;
        m_dragStartY = y;
        DrawZoomBand();
    }
    m_lastMouseX = x;
    m_lastMouseY = y;
}

void LMyFFTDrawBase::MouseMove1(vcl::TShiftState shift, int x, int y)
{
    vcl::TControl::MouseMove(shift, x, y);
    const int dx = x - m_lastMouseX;
    const int dy = y - m_lastMouseY;
    m_lastMouseX = x;
    m_lastMouseY = y;
    const double W = m_plotPage->Bitmap.Width();
    const double H = m_plotPage->Bitmap.Height();
    const bool logX = m_xAxisFormat == TMyAxisFormat::Log;
    const bool logY = m_yAxisFormat == TMyAxisFormat::Log;
    const double dX = W > 0 ? (logX ? m_logXMax - m_logXMin : m_xMax - m_xMin) * dx / W : 0.0;
    const double dY = H > 0 ? (logY ? m_logYMax - m_logYMin : m_yMax - m_yMin) * dy / H : 0.0;
    if (m_mouseControl) {
        if (m_panDrag || m_stretchDrag) {
            double x0, x1, y0, y1;
            if (m_panDrag) {
                x0 = logX ? m_xMin / std::pow(10.0, dX) : m_xMin - dX;
                x1 = logX ? m_xMax / std::pow(10.0, dX) : m_xMax - dX;
                y0 = logY ? m_yMin * std::pow(10.0, dY) : m_yMin + dY;
                y1 = logY ? m_yMax * std::pow(10.0, dY) : m_yMax + dY;
            } else {
                x0 = logX ? m_xMin * std::pow(10.0, dX) : m_xMin + dX;
                x1 = logX ? m_xMax / std::pow(10.0, dX) : m_xMax - dX;
                y0 = logY ? m_yMin / std::pow(10.0, dY) : m_yMin - dY;
                y1 = logY ? m_yMax * std::pow(10.0, dY) : m_yMax + dY;
            }
            SetXYMinMax(x0, x1, y0, y1);
            if (!m_autoRedraw) {
                DrawAllPlots();
                DrawXAxisLabels();
                DrawYAxisLabels();
            }
        }
        if (m_zoomDrag && m_zoomRect) {
            DrawZoomBand();
            const int left = std::min(x, m_dragStartX);
            const int top = std::min(y, m_dragStartY);
            *m_zoomRect = vcl::Rect(left, top, left + std::abs(x - m_dragStartX), top + std::abs(y - m_dragStartY));
            DrawZoomBand();
        }
    }
    m_mouseX = PlotX(x);
    m_mouseY = PlotY(y);
    if (!m_stretchDrag && !m_panDrag)
        DrawMouseCoord();
}

void LMyFFTDrawBase::MouseUp1(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y)
{
    vcl::TControl::MouseUp(button, shift, x, y);
    m_panDrag = false;
    m_stretchDrag = false;
    if (m_zoomDrag && m_mouseControl && m_zoomRect) {
        DrawZoomBand();
        const vcl::TRect r = *m_zoomRect;
        m_zoomRect.reset();
        SetXYMinMax(PlotX(r.Left), PlotX(r.Right), PlotY(r.Bottom), PlotY(r.Top));
    }
    m_zoomRect.reset();
    m_zoomDrag = false;
}

void LMyFFTDrawBase::DblClick1()
{
    vcl::TControl::DblClick();
    if (m_mouseControl) {
        FindYMaxMin();
        FindXMaxMin();
        DrawPlotsAndLabels();
    }
}

void LMyFFTDrawBase::DrawMouseCoord()
{
    if (!m_showCoordinates || !Visible())
        return;
    m_coordPage->SetFont(m_mouseCoordFont.get());
    m_coordPage->Clear(Color());
    vcl::TCanvas& c = *m_coordPage->Canvas();
    const QString first = QStringLiteral("x = ") + FormatNumber(m_mouseX, m_xLabelFormat, m_xLabelPrecision, m_xLabelDigits);
    const QString second = QStringLiteral("y = ") + FormatNumber(m_mouseY, m_yLabelFormat, m_yLabelPrecision, m_yLabelDigits);
    TextAt(c, 0, 0, first);
    TextAt(c, 0, c.TextHeight(second) + 3, second);
    UpdatePaintPage(m_coordPage.get());
}

// ---------------------------------------------------------------- property setters

void LMyFFTDrawBase::SetAutoRedraw(bool v)
{
    m_autoRedraw = v;
    if (v)
        Redraw();
}

void LMyFFTDrawBase::SetAxisColor(vcl::TColor v)
{
    m_axisColor = v;
    DrawAxis();
}

void LMyFFTDrawBase::SetAxisStyle(TMyAxisStyle v)
{
    m_axisStyle = v;
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetXAxisFormat(TMyAxisFormat v)
{
    m_xAxisFormat = v;
    FindXMaxMin();
    if (v == TMyAxisFormat::Log) {
        if (m_xMax <= 0) {
            m_xMax = 10;
            m_xMin = 1;
        } else if (m_xMin <= 0) {
            m_xMin = 0.1 * m_xMax;
        }
        m_logXMin = std::log10(m_xMin);
        m_logXMax = std::log10(m_xMax);
    }
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetYAxisFormat(TMyAxisFormat v)
{
    m_yAxisFormat = v;
    FindYMaxMin();
    if (v == TMyAxisFormat::Log) {
        if (m_yMax <= 0) {
            m_yMax = 10;
            m_yMin = 1;
        } else if (m_yMin <= 0) {
            m_yMin = 0.1 * m_yMax;
        }
        m_logYMin = std::log10(m_yMin);
        m_logYMax = std::log10(m_yMax);
    }
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetYLabelFormat(TStringFloatFormat v)
{
    m_yLabelFormat = v;
    SetShowYLabel(m_showYLabel);
}

void LMyFFTDrawBase::SetXLabelFormat(TStringFloatFormat v)
{
    m_xLabelFormat = v;
    SetShowXLabel(m_showXLabel);
}

void LMyFFTDrawBase::SetYLabelPrecision(int v)
{
    m_yLabelPrecision = v;
    SetShowYLabel(m_showYLabel);
}

void LMyFFTDrawBase::SetXLabelPrecision(int v)
{
    m_xLabelPrecision = v;
    SetShowXLabel(m_showXLabel);
}

void LMyFFTDrawBase::SetYLabelDigits(int v)
{
    m_yLabelDigits = v;
    SetShowYLabel(m_showYLabel);
}

void LMyFFTDrawBase::SetXLabelDigits(int v)
{
    m_xLabelDigits = v;
    SetShowXLabel(m_showXLabel);
}

void LMyFFTDrawBase::SetShowXLabel(bool v)
{
    m_showXLabel = v;
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::SetShowYLabel(bool v)
{
    m_showYLabel = v;
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::SetShowCoordinates(bool v)
{
    m_showCoordinates = v;
    if (Visible() && m_autoRedraw) {
        m_coordPage->Clear(Color());
        CopyPageToScreen(m_coordPage.get());
        DrawAllPlots();
    }
}

void LMyFFTDrawBase::SetYAutoScale(bool v)
{
    m_yAutoScale = v;
    FindYMaxMin();
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetXAutoScale(bool v)
{
    m_xAutoScale = v;
    FindXMaxMin();
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetYMax(double v)
{
    m_yMax = v;
    CompareMaxMin();
    CalculateLogMaxMin();
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetYMin(double v)
{
    m_yMin = v;
    CompareMaxMin();
    CalculateLogMaxMin();
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetXMax(double v)
{
    m_xMax = v;
    CompareMaxMin();
    CalculateLogMaxMin();
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetXMin(double v)
{
    m_xMin = v;
    CompareMaxMin();
    CalculateLogMaxMin();
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetPointSize(int v)
{
    m_pointSize = v <= 0 ? 1 : std::min(v, 10);
    if (m_autoRedraw)
        DrawAllPlots();
}

void LMyFFTDrawBase::SetShowHorzGrid(bool v)
{
    m_showHorzGrid = v;
    if (m_autoRedraw)
        DrawAllPlots();
}

void LMyFFTDrawBase::SetShowVertGrid(bool v)
{
    m_showVertGrid = v;
    if (m_autoRedraw)
        DrawAllPlots();
}

void LMyFFTDrawBase::SetShowHorzTicks(bool v)
{
    m_showHorzTicks = v;
    if (m_autoRedraw)
        DrawAllPlots();
}

void LMyFFTDrawBase::SetShowVertTicks(bool v)
{
    m_showVertTicks = v;
    if (m_autoRedraw)
        DrawAllPlots();
}

void LMyFFTDrawBase::SetHorzTickLength(int v)
{
    m_horzTickLength = std::clamp(v, 0, std::max(0, Width()));
    if (m_autoRedraw)
        DrawAllPlots();
}

void LMyFFTDrawBase::SetVertTickLength(int v)
{
    m_vertTickLength = std::clamp(v, 0, std::max(0, Height()));
    if (m_autoRedraw)
        DrawAllPlots();
}

void LMyFFTDrawBase::SetNumHorzGrid(int v)
{
    m_numHorzGrid = std::max(0, v);
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetNumVertGrid(int v)
{
    m_numVertGrid = std::max(0, v);
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}

void LMyFFTDrawBase::SetGridColor(vcl::TColor v)
{
    m_gridColor = v;
    if (m_autoRedraw)
        DrawAllPlots();
}

void LMyFFTDrawBase::SetShowXTitle(bool v)
{
    m_showXTitle = v;
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::SetShowYTitle(bool v)
{
    m_showYTitle = v;
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::SetShowPlotTitle(bool v)
{
    m_showPlotTitle = v;
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::SetXTitle(const QString& v)
{
    m_xTitle = v;
    if (m_autoRedraw)
        DrawTitles();
}

void LMyFFTDrawBase::SetYTitle(const QString& v)
{
    m_yTitle = v;
    ResizePaintPage();
    if (m_autoRedraw)
        DrawTitles();
}

void LMyFFTDrawBase::SetPlotTitle(const QString& v)
{
    m_plotTitle = v;
    if (m_autoRedraw)
        DrawTitles();
}

void LMyFFTDrawBase::SetPlotTitleFont(const vcl::TFont* v)
{
    if (v == nullptr)
        return;
    m_plotTitleFont->Assign(const_cast<vcl::TFont*>(v));
    SetFont(v);
    m_plotTitlePage->SetFont(v);
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::SetAxisTitleFont(const vcl::TFont* v)
{
    if (v == nullptr)
        return;
    m_axisTitleFont->Assign(const_cast<vcl::TFont*>(v));
    SetFont(v);
    m_xTitlePage->SetFont(v);
    m_yTitlePage->SetFont(v);
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::SetAxisLabelFont(const vcl::TFont* v)
{
    if (v == nullptr)
        return;
    m_axisLabelFont->Assign(const_cast<vcl::TFont*>(v));
    SetFont(v);
    m_xLabelPage->SetFont(v);
    m_yLabelPage->SetFont(v);
    ResizePaintPage();
    if (m_autoRedraw)
        Redraw();
}

void LMyFFTDrawBase::SetMouseCoordFont(const vcl::TFont* v)
{
    if (v == nullptr)
        return;
    m_mouseCoordFont->Assign(const_cast<vcl::TFont*>(v));
    SetFont(v);
    m_coordPage->SetFont(v);
    ResizePaintPage();
    if (m_autoRedraw)
        DrawPlotsAndLabels();
}
