#pragma once
// What the two response plot controls share: curves over a log-frequency axis drawn through
// off-screen pages, with grid, labels, titles, band markers, the selected-band highlight, a marker
// line, a free text and pointer navigation. The twins differ only in their value labels and label
// layouts, which they supply.

#include "responseplot/HighlightStamp.h"
#include "responseplot/LMyFFTTypes.h"
#include "responseplot/PaintPage.h"
#include "responseplot/PlotPageCache.h"
#include "response/ResponseView.h"

#include "platform/ui/TPaintBox.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class LMyFFTDrawBase : public vcl::TPaintBox, public ResponseView
{
public:
    static constexpr int BlockCount = 50;
    static constexpr int CurvePoints = 4096;
    // The selected band's translucent grey, 0xAARRGGBB.
    static constexpr std::uint32_t HighlightArgb = 0x1E808080u;

    ~LMyFFTDrawBase() override;

    // --- curves (ids are Plot section indices) ---
    bool FFTDraw(const double* x, const double* y, int n, int id, vcl::TColor colour, TMyPlotStyle style);
    bool FFTDraw(const double* y, int n, int id, vcl::TColor colour, TMyPlotStyle style) override;
    bool FFTDraw(const double* y, int n, double x0, double x1, int id, vcl::TColor colour, TMyPlotStyle style);
    bool RemovePlot(int id) override;
    bool GetPlotStyle(TMyPlotStyle& out, int id) const;
    bool GetPlotColor(vcl::TColor& out, int id) const;
    bool GetPlotNumPoints(int& out, int id) const;
    bool GetPlotX(std::vector<double>& out, int id) const;
    bool GetPlotY(std::vector<double>& out, int id) const;
    bool SetPlotColor(vcl::TColor colour, int id);
    bool SetPlotStyle(TMyPlotStyle style, int id);
    const TPlotList& PlotList() const { return *m_plotList; }

    void AssignPlot(const LMyFFTDrawBase* source);
    void AssignPlotData(const LMyFFTDrawBase* source);
    void AppendPlotData(const LMyFFTDrawBase* source);
    void AssignPlotProperties(const LMyFFTDrawBase* source);

    // --- bounds and mapping ---
    void SetXYMinMax(double xMin, double xMax, double yMin, double yMax);
    void FindXMaxMin();
    void FindYMaxMin();
    void CompareMaxMin();
    void CalculateLogMaxMin();
    // Data to plot-page pixels (not clamped).
    double ScreenX(double x) const;
    double ScreenY(double y) const;
    double FFTScreenX(double x) const { return ScreenX(x); }
    double FFTScreenY(double y) const { return ScreenY(y); }
    // Control pixels to data.
    double PlotX(double px) const;
    double PlotY(double py) const;
    // The data X of a frequency in Hz on the control's log-frequency grid.
    double FrequencyToX(double freqHz) const;

    // --- pages and the redraw chain ---
    void ResizePaintPage();
    void UpdatePaintPage(TPaintPage* page);
    void DrawPlotsAndLabelsNoUpdate();
    void DrawPlotsAndLabels();
    void Redraw();
    void DrawTitles();
    void RedrawScreen();
    void ClearPlot();
    void UpdateCurvePage() { UpdatePaintPage(m_plotPage.get()); }
    // Between these (they nest) the control draws nothing: curve changes, markers, labels, the
    // highlight, the free text and the plot page's updates are kept as state only, and the last
    // release asks for one paint, which draws every page from that state. A paint is never held.
    void HoldRedraws();
    void ReleaseRedraws();
    bool SetPlotWidth(int width);
    int GetPlotWidth() const { return m_plotPage->Bitmap.Width(); }
    int GetPlotHeight() const { return m_plotPage->Bitmap.Height(); }
    // What the control shows: every page as last copied (the screen surface).
    const vcl::TBitmap& ScreenImage() const { return m_screen; }

    // --- axis, grid, labels ---
    void DrawAxis();
    void DrawGrid();
    void DrawTicks();
    void DrawXAxisLabels();
    void DrawYAxisLabels();

    // --- curves and overlays on the plot page ---
    void DrawOnePlot(const TPlotListMember* member);
    void DrawAllPlots();
    void SetCurveDisplay(bool on) override { m_curveDisplay = on; }
    bool CurveDisplay() const { return m_curveDisplay; }
    void DrawCurveFill(int type, const double* curve, int count) override;
    void CuveDisplayPaint();
    void DrawLine(double x, vcl::TColor colour, bool handle);
    void LinePaint();
    void SetLineSize(int value);
    const std::array<double, CurvePoints>& DisplayCurve() const { return m_displayCurve; }
    bool LineShown() const { return m_lineShown; }
    int LineScreenX() const { return m_lineScreenX; }

    // --- markers, labels, free text ---
    void DrawBlock(double y, double x, vcl::TColor colour, int index, bool hidden, int kind) override;
    void SetBlockPosition(double screenX, double screenY, int index);
    vcl::TPoint GetBlockPos(int index) const;
    void SetBlockParameter(int index, double freqHz, double gainDb, double q, int curveType) override;
    void BlockPaint();
    void SetParameterDisplay(bool on) { m_parameterDisplay = on; }
    bool ParameterDisplay() const { return m_parameterDisplay; }
    void ShowParam(int layout, double gain, double x, float freqHz, double q, vcl::TColor colour);
    void DrawParam(int layout, double gain, double x, float freqHz, double q, vcl::TColor colour) override;
    void DrawTextA(int x, int y, int size, vcl::TColor colour, const QString& fontName, const QString& text);
    void TextPaint();
    const QString& FreeText() const { return m_freeText; }

    // --- pointer navigation (not wired to the mouse; an owner routes its input here) ---
    virtual void MouseDown1(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y);
    virtual void MouseMove1(vcl::TShiftState shift, int x, int y);
    virtual void MouseUp1(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y);
    virtual void DblClick1();
    void DrawMouseCoord();
    bool PanDrag() const { return m_panDrag; }
    bool StretchDrag() const { return m_stretchDrag; }
    bool ZoomDrag() const { return m_zoomDrag; }
    const vcl::TRect* ZoomRect() const { return m_zoomRect.get(); }

    void Change();
    vcl::TNotifyEvent OnChange;

    // --- properties ---
    bool AutoRedraw() const { return m_autoRedraw; }
    virtual void SetAutoRedraw(bool v);
    vcl::TColor AxisColor() const { return m_axisColor; }
    virtual void SetAxisColor(vcl::TColor v);
    TMyAxisStyle AxisStyle() const { return m_axisStyle; }
    virtual void SetAxisStyle(TMyAxisStyle v);
    TMyAxisFormat YAxisFormat() const { return m_yAxisFormat; }
    virtual void SetYAxisFormat(TMyAxisFormat v);
    TMyAxisFormat XAxisFormat() const { return m_xAxisFormat; }
    virtual void SetXAxisFormat(TMyAxisFormat v);
    TStringFloatFormat YLabelFormat() const { return m_yLabelFormat; }
    virtual void SetYLabelFormat(TStringFloatFormat v);
    TStringFloatFormat XLabelFormat() const { return m_xLabelFormat; }
    virtual void SetXLabelFormat(TStringFloatFormat v);
    int YLabelPrecision() const { return m_yLabelPrecision; }
    virtual void SetYLabelPrecision(int v);
    int XLabelPrecision() const { return m_xLabelPrecision; }
    virtual void SetXLabelPrecision(int v);
    int YLabelDigits() const { return m_yLabelDigits; }
    virtual void SetYLabelDigits(int v);
    int XLabelDigits() const { return m_xLabelDigits; }
    virtual void SetXLabelDigits(int v);
    bool ShowXLabel() const { return m_showXLabel; }
    virtual void SetShowXLabel(bool v);
    bool ShowYLabel() const { return m_showYLabel; }
    virtual void SetShowYLabel(bool v);
    bool ShowCoordinates() const { return m_showCoordinates; }
    virtual void SetShowCoordinates(bool v);
    bool YAutoScale() const { return m_yAutoScale; }
    virtual void SetYAutoScale(bool v);
    bool XAutoScale() const { return m_xAutoScale; }
    virtual void SetXAutoScale(bool v);
    double YMax() const { return m_yMax; }
    virtual void SetYMax(double v);
    double YMin() const { return m_yMin; }
    virtual void SetYMin(double v);
    double XMax() const { return m_xMax; }
    virtual void SetXMax(double v);
    double XMin() const { return m_xMin; }
    virtual void SetXMin(double v);
    double LogXMin() const { return m_logXMin; }
    double LogXMax() const { return m_logXMax; }
    double LogYMin() const { return m_logYMin; }
    double LogYMax() const { return m_logYMax; }
    int PointSize() const { return m_pointSize; }
    virtual void SetPointSize(int v);
    bool MouseControl() const { return m_mouseControl; }
    void SetMouseControl(bool v) { m_mouseControl = v; }
    double MouseX() const { return m_mouseX; }
    double MouseY() const { return m_mouseY; }
    bool ShowHorzGrid() const { return m_showHorzGrid; }
    virtual void SetShowHorzGrid(bool v);
    bool ShowVertGrid() const { return m_showVertGrid; }
    virtual void SetShowVertGrid(bool v);
    bool ShowHorzTicks() const { return m_showHorzTicks; }
    virtual void SetShowHorzTicks(bool v);
    bool ShowVertTicks() const { return m_showVertTicks; }
    virtual void SetShowVertTicks(bool v);
    int HorzTickLength() const { return m_horzTickLength; }
    virtual void SetHorzTickLength(int v);
    int VertTickLength() const { return m_vertTickLength; }
    virtual void SetVertTickLength(int v);
    int NumHorzGrid() const { return m_numHorzGrid; }
    virtual void SetNumHorzGrid(int v);
    int NumVertGrid() const { return m_numVertGrid; }
    virtual void SetNumVertGrid(int v);
    vcl::TColor GridColor() const { return m_gridColor; }
    virtual void SetGridColor(vcl::TColor v);
    bool ShowXTitle() const { return m_showXTitle; }
    virtual void SetShowXTitle(bool v);
    bool ShowYTitle() const { return m_showYTitle; }
    virtual void SetShowYTitle(bool v);
    bool ShowPlotTitle() const { return m_showPlotTitle; }
    virtual void SetShowPlotTitle(bool v);
    const QString& XTitle() const { return m_xTitle; }
    virtual void SetXTitle(const QString& v);
    const QString& YTitle() const { return m_yTitle; }
    virtual void SetYTitle(const QString& v);
    const QString& PlotTitle() const { return m_plotTitle; }
    virtual void SetPlotTitle(const QString& v);
    vcl::TFont* PlotTitleFont() const { return m_plotTitleFont.get(); }
    virtual void SetPlotTitleFont(const vcl::TFont* v);
    vcl::TFont* AxisTitleFont() const { return m_axisTitleFont.get(); }
    virtual void SetAxisTitleFont(const vcl::TFont* v);
    vcl::TFont* AxisLabelFont() const { return m_axisLabelFont.get(); }
    virtual void SetAxisLabelFont(const vcl::TFont* v);
    vcl::TFont* MouseCoordFont() const { return m_mouseCoordFont.get(); }
    virtual void SetMouseCoordFont(const vcl::TFont* v);
    TFFTNumber FFTNuimber() const { return m_fftNumber; }
    void SetFFTNuimber(TFFTNumber v) { m_fftNumber = v; }
    TSampleRate SampleRate() const { return m_sampleRate; }
    void SetSampleRate(TSampleRate v) { m_sampleRate = v; }

    TPaintPage* PlotPage() const { return m_plotPage.get(); }
    TPaintPage* XLabelPage() const { return m_xLabelPage.get(); }
    TPaintPage* YLabelPage() const { return m_yLabelPage.get(); }
    TPaintPage* XTitlePage() const { return m_xTitlePage.get(); }
    TPaintPage* YTitlePage() const { return m_yTitlePage.get(); }
    TPaintPage* PlotTitlePage() const { return m_plotTitlePage.get(); }
    TPaintPage* MarginPage() const { return m_marginPage.get(); }
    TPaintPage* CoordPage() const { return m_coordPage.get(); }

protected:
    explicit LMyFFTDrawBase(vcl::TComponent* owner);
    // For the copy constructors: the empty members only; the twin then runs AssignPlot.
    struct NoSetup {};
    LMyFFTDrawBase(vcl::TComponent* owner, NoSetup);

    void SetProperties();
    void Initialize();
    void CleanUp();

    void Paint() override;

    // Copies a page's Area to its Place on the screen surface and asks for it to be shown.
    virtual void CopyPageToScreen(TPaintPage* page);
    // Pages and screen image take the device scale of the canvas the control paints on, so that a
    // high-density screen shows the curves and text sharp; drawing between paints keeps the last.
    void FollowDeviceScale(int scale);

    // --- what the twins do differently ---
    // The value labels' unit and scale ("dB" and 1 for the twin without its own).
    virtual QString YLabelUnit() const = 0;
    virtual double YLabelFactor() const = 0;
    // Draws the shape and text of marker kinds beyond 0..3; false when the kind draws nothing.
    virtual bool DrawExtraMarker(int kind, double sx, double sy) = 0;
    // Layout code of another band's labels from its curve type.
    virtual int BandLabelLayout(double curveType) const = 0;
    // Offsets of the Q, frequency and gain labels from the anchor (absent ones are NoLabel).
    struct LabelOffsets
    {
        int q;
        int freq;
        int gain;
    };
    static constexpr int NoLabel = 0x7FFFFFFF;
    virtual LabelOffsets ParamOffsets(int layout, bool above) const = 0;
    virtual LabelOffsets SelectedOffsets(int layout, bool above) const = 0;

    // Label text of a number in a format.
    static QString FormatNumber(double value, TStringFloatFormat format, int precision, int digits);

    // The twin with a Y label unit and scale keeps them here.
    QString m_yLabel;
    double m_yLabelScale { 1.0 };

private:
    void UseTextFont(vcl::TCanvas& c) const; // the free text's font, clear background
    void DrawLabels(const LabelOffsets& offsets, double gain, double x, float freqHz, double q, vcl::TColor colour);
    void DrawMarkerShape(int kind, int index, double sx, double sy);
    void FillHighlight(int count, bool outlineClosing);
    HighlightStamp::Shape HighlightShape(int count, bool outlineClosing) const;
    void DrawHighlightPath(vcl::TCanvas& canvas, const HighlightStamp::Shape& shape) const;
    void DrawCurveLine(const TPlotListMember& member, std::int64_t w, std::int64_t h);
    // Everything DrawAllPlots reads, as numbers.
    std::vector<double> PlotPageFingerprint() const;
    void DrawZoomBand();
    void DrawVerticalLine(vcl::TPenStyle style);
    bool ValidSlot(int index) const { return index >= 0 && index < BlockCount; }
    double Nyquist() const;
    int GridPoints() const;
    void PlaceMarkers();
    int LayoutOnce(bool& placed);
    // Out of sight in a window and not laid out yet, the pages are empty and the first paint lays
    // them out and draws every one of them over the whole control: until then nothing is drawn,
    // nor the screen image made.
    bool DrawsNothingYet() const;

    std::unique_ptr<TPlotList> m_plotList;
    int m_lineSize { 0 };
    int m_paintedWidth { 0 };
    int m_paintedHeight { 0 };
    bool m_autoRedraw { false };
    vcl::TColor m_axisColor { 0 };
    TMyAxisStyle m_axisStyle { TMyAxisStyle::Box };
    TMyAxisFormat m_xAxisFormat { TMyAxisFormat::Linear };
    TMyAxisFormat m_yAxisFormat { TMyAxisFormat::Linear };
    bool m_showXLabel { false };
    bool m_showYLabel { false };
    bool m_showCoordinates { false };
    bool m_yAutoScale { false };
    bool m_xAutoScale { false };
    bool m_mouseControl { false };
    int m_pointSize { 0 };
    double m_yMax { 0 };
    double m_yMin { 0 };
    double m_xMax { 0 };
    double m_xMin { 0 };
    double m_mouseX { 0 };
    double m_mouseY { 0 };
    int m_xLabelPrecision { 0 };
    int m_yLabelPrecision { 0 };
    int m_xLabelDigits { 0 };
    int m_yLabelDigits { 0 };
    TStringFloatFormat m_yLabelFormat { TStringFloatFormat::sffGeneral };
    TStringFloatFormat m_xLabelFormat { TStringFloatFormat::sffGeneral };
    bool m_showVertGrid { false };
    bool m_showHorzGrid { false };
    int m_numVertGrid { 0 };
    int m_numHorzGrid { 0 };
    bool m_showVertTicks { false };
    bool m_showHorzTicks { false };
    int m_vertTickLength { 0 };
    int m_horzTickLength { 0 };
    vcl::TColor m_gridColor { 0 };
    bool m_showXTitle { false };
    bool m_showYTitle { false };
    bool m_showPlotTitle { false };
    QString m_xTitle;
    QString m_yTitle;
    QString m_plotTitle;
    std::unique_ptr<vcl::TFont> m_plotTitleFont;
    std::unique_ptr<vcl::TFont> m_axisTitleFont;
    std::unique_ptr<vcl::TFont> m_axisLabelFont;
    std::unique_ptr<vcl::TFont> m_mouseCoordFont;
    double m_logXMin { 0 };
    double m_logXMax { 0 };
    double m_logYMin { 0 };
    double m_logYMax { 0 };
    int m_lastMouseX { 0 };
    int m_lastMouseY { 0 };
    int m_dragStartX { 0 };
    int m_dragStartY { 0 };
    bool m_panDrag { false };
    bool m_stretchDrag { false };
    bool m_zoomDrag { false };
    std::unique_ptr<TPaintPage> m_plotPage;
    std::unique_ptr<TPaintPage> m_xLabelPage;
    std::unique_ptr<TPaintPage> m_yLabelPage;
    std::unique_ptr<TPaintPage> m_plotTitlePage;
    std::unique_ptr<TPaintPage> m_xTitlePage;
    std::unique_ptr<TPaintPage> m_yTitlePage;
    std::unique_ptr<TPaintPage> m_marginPage;
    std::unique_ptr<TPaintPage> m_coordPage;
    std::unique_ptr<vcl::TRect> m_zoomRect;

    struct Block
    {
        double x { 0 }, y { 0 };
        double freq { 0 }, gain { 0 }, q { 0 }, curveType { 0 };
        vcl::TColor colour { 0 };
        vcl::TPoint pos;
        double screenX { 0 }, screenY { 0 };
        bool hidden { false };
        int kind { 0 };
    };
    std::array<Block, BlockCount> m_blocks {};

    bool m_curveDisplay { false };
    int m_paramType { 0 };
    double m_paramGain { 0 };
    double m_paramX { 0 };
    float m_paramFreq { 0 };
    double m_paramQ { 0 };
    vcl::TColor m_paramColor { 0 };
    std::array<double, CurvePoints> m_displayCurve {};
    bool m_parameterDisplay { false };
    double m_lineX { 0 };
    int m_lineScreenX { 0 };
    vcl::TColor m_lineColor { 0 };
    bool m_lineHandle { false };
    bool m_lineShown { false };
    int m_textX { 0 };
    int m_textY { 0 };
    int m_textSize { 0 };
    QString m_textFontName;
    vcl::TColor m_textColor { 0 };
    QString m_freeText;
    TFFTNumber m_fftNumber { TFFTNumber::n256 };
    TSampleRate m_sampleRate { TSampleRate::n48000 };

    // The plot page as the last full redraw left it.
    PlotPageCache m_plotPageCache;
    // The highlight as DrawCurveFill and as the overlay pass draw it.
    HighlightStamp m_fillStamp { HighlightArgb };
    HighlightStamp m_displayStamp { HighlightArgb };
    // Buffers of the curve strokes, kept between curves.
    std::vector<vcl::TPoint> m_strokePoints;
    std::vector<int> m_strokeCounts;

    // What the control shows; pages are copied here and the widget shows it.
    vcl::TBitmap m_screen;
    bool m_painting { false };
    bool m_pagesPlaced { false }; // laid out at least once
    int m_redrawHolds { 0 };
    bool m_heldRedraw { false };
    bool m_heldUpdate { false };
    bool m_heldDrawingSkipped { false };
    // True (and noted) when a drawing call is held: the paint the release asks for draws it.
    bool SkipsDrawingHeld();
    bool Held() const { return m_redrawHolds > 0 && !m_painting; }
    // The redraw a curve change asks for, unless held.
    void RedrawAfterCurveChange();
};
