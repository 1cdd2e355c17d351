#pragma once
// A channel plot as the main window shows it: 1070 x 255, the main window's settings, nine bands, a
// crossover, the channel total, eight overlay curves, the band markers and the selected band's
// highlight. Shared by the picture tests and the speed measurements.

#include "device/Constants.h"
#include "response/CurveBuilder.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"

#include <QApplication>
#include <QImage>

#include <array>
#include <cmath>
#include <cstddef>

namespace scene {

inline void EnsureGuiApp()
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "plot_scene";
        static char* argv[] = { name, nullptr };
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
    }
}

// The settings the main window gives its channel plots.
template <typename Control>
void MainWindowSettings(Control& c, int width = 1070)
{
    c.SetHeight(255);
    c.SetWidth(width);
    c.SetAxisColor(0x008C00);
    c.SetGridColor(0x004800);
    c.SetYAutoScale(false);
    c.SetXAutoScale(false);
    c.SetYMax(18.0);
    c.SetYMin(-18.0);
    c.SetXMax(3840.0);
    c.SetXMin(966.0);
    c.SetVertTickLength(0);
    c.SetHorzTickLength(0);
    c.SetFFTNuimber(TFFTNumber::n4096);
    c.SetSampleRate(TSampleRate::n96000);
    c.ResizePaintPage();
    c.Redraw();
}

inline vcl::TColor PagePixel(LMyFFTDrawBase& c, int x, int y)
{
    return c.PlotPage()->Canvas()->Pixels(x, y);
}

class NineBands : public PeqBandReader
{
public:
    int GetChannelNumber() const override { return 9; }
    double GetFreqValue(int b) const override { return 40.0 * (1 << b) + drag; }
    double GetGainValue(int b) const override { return (b % 2 ? -4.5 : 3.0); }
    double GetQValue(int b) const override { return 0.71 + 0.3 * b; }
    int GetTypeValue(int b) const override
    {
        return std::array<int, 9> { 1, 0, 0, 0, 0, 0, 0, 2, 6 }[static_cast<std::size_t>(b)];
    }
    bool GetBypassValue(int) const override { return false; }
    double drag { 0.0 };
};

class Crossover : public CrossoverReader
{
public:
    // 8th-order Butterworth high-pass at index 40, Linkwitz-Riley 48 low-pass at index 250.
    CrossoverRecord GetHpLp(int) const override { return CrossoverRecord { 40, 250, 18, 20 }; }
};

// The channel plot of Out1 with everything on it.
class ChannelPlot
{
public:
    static constexpr int Channel = 2;
    static constexpr int OverlayCount = 8;

    explicit ChannelPlot(bool phase = false)
    {
        ctl.SetHeight(255);
        ctl.SetWidth(1070);
        ctl.SetAxisColor(0x008C00);
        ctl.SetGridColor(0x004800);
        ctl.SetYAutoScale(false);
        ctl.SetXAutoScale(false);
        ctl.SetYLabelScale(1.0);
        ctl.SetYMax(18.0);
        ctl.SetYMin(-18.0);
        ctl.SetXMax(3840.0);
        ctl.SetXMin(966.0);
        ctl.SetVertTickLength(0);
        ctl.SetHorzTickLength(0);
        ctl.SetFFTNuimber(TFFTNumber::n4096);
        ctl.SetSampleRate(TSampleRate::n96000);
        if (phase) {
            ctl.SetNumHorzGrid(7);
            ctl.SetYLabel(QString());
            ctl.SetYLabelScale(10.0);
        }
        plot.SetPhaseMode(phase);
        BuildPeqCurve(plot, Channel, bands);
        BuildHpCurve(plot, Channel, xover);
        BuildLpCurve(plot, Channel, xover);
        for (int b = 0; b < 9; ++b)
            plot.DrawMarker(b, static_cast<float>(bands.GetGainValue(b)), Plot::MarkerBand);
        // Other channels' totals: shifted copies of this one.
        const auto& total = plot.Section(Plot::TotalSection)->curve;
        std::array<double, FilterCurve::PointCount> overlay {};
        for (int k = 0; k < OverlayCount; ++k) {
            for (std::size_t i = 0; i < overlay.size(); ++i)
                overlay[i] = total[(i + 97 * static_cast<std::size_t>(k + 1)) % overlay.size()] * (0.3 + 0.1 * k)
                    + 1.5 * k - 6.0;
            ctl.FFTDraw(overlay.data(), FilterCurve::PointCount, Plot::FirstOverlaySection + k,
                        ChannelColors[static_cast<std::size_t>(k % 8)], 0);
        }
        Select(3);
        plot.DrawSum(Channel);
        ctl.UpdateCurvePage();
    }

    // What the band editor's change does: the band, its marker, the highlight, the total, the page.
    void EditBand(int band, double freqHz)
    {
        const double gain = bands.GetGainValue(band);
        const double q = bands.GetQValue(band);
        plot.Section(band)->SetFilter(gain, freqHz, q, CurvePeak);
        plot.DrawMarker(band, static_cast<float>(gain), Plot::MarkerBand);
        plot.ShowSelected(0, band, static_cast<float>(gain), static_cast<float>(q), true);
        plot.DrawSum(Channel);
        ctl.UpdateCurvePage();
    }

    void Select(int band)
    {
        plot.ShowSelected(bands.GetTypeValue(band), band, static_cast<float>(bands.GetGainValue(band)),
                          static_cast<float>(bands.GetQValue(band)), true);
    }

    // One paint of the control, as the window system asks for it.
    void Repaint() { ctl.render(&shown); }

    bool app { (EnsureGuiApp(), true) };
    LMyFFTDrawPhase ctl { nullptr };
    Plot plot { &ctl };
    NineBands bands;
    Crossover xover;
    QImage shown { 1070, 255, QImage::Format_RGB32 };
};

} // namespace scene
