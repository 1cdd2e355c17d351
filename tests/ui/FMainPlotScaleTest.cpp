// The main window's response plots place their frequency grid and labels on the same scale as the
// curves: a band's peak stands under the label of its frequency.
#include "device/Constants.h"
#include "device/LUnitControl.h"
#include "platform/ui/TApplication.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "ui/AppForms.h"
#include "ui/FMain.h"
#include "NoDeviceProgram.h"
#include "widgets/RzBmpBtn.h"
#include "platform/ui/TTimer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using WindowRig = NoDeviceProgram;

// Column spans [first, last] of the label texts on the X-label page, left to right.
std::vector<std::pair<int, int>> LabelColumns(const QImage& page, vcl::TColor background)
{
    std::vector<std::pair<int, int>> spans;
    const QRgb bg = 0xFF000000u | (vcl::GetRValue(background) << 16) | (vcl::GetGValue(background) << 8)
        | vcl::GetBValue(background);
    int gap = 1000;
    for (int x = 0; x < page.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < page.height() && !ink; ++y)
            ink = (page.pixel(x, y) | 0xFF000000u) != bg;
        if (ink) {
            if (gap > 4)
                spans.emplace_back(x, x);
            spans.back().second = x;
            gap = 0;
        } else {
            ++gap;
        }
    }
    return spans;
}

// The column where a curve of that colour reaches highest on the plot page.
int PeakColumn(const QImage& page, vcl::TColor colour)
{
    const QRgb want = 0xFF000000u | (vcl::GetRValue(colour) << 16) | (vcl::GetGValue(colour) << 8) | vcl::GetBValue(colour);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if ((page.pixel(x, y) | 0xFF000000u) == want)
                return x;
    return -1;
}

TEST(FMainPlotScale, APeakAt1kHzStandsUnderThe1kHzLabel)
{
    WindowRig r;
    PeqBand band;
    band.Freq = 170; // 1000 Hz
    band.Gain = 240; // +12 dB
    band.Q = 60;
    band.Type = 0; // peak
    fmMain->Controller.Model()->SetPeq(0, 4, band, false);
    fmMain->RefreshAll();
    dynamic_cast<rz::TRzBmpButton*>(fmMain->FindComponent(QStringLiteral("rzbMenuInA")))->Click();
    auto* plot = dynamic_cast<LMyFFTDrawPhase*>(fmMain->FindComponent(QStringLiteral("fftDrawInA")));
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->SampleRate(), TSampleRate::n96000);
    (void)plot->grab(); // the paint the window system would ask for

    const int peak = PeakColumn(plot->PlotPage()->Bitmap.Image(), ChannelColors[0]);
    ASSERT_GE(peak, 0);
    // Both pages start at the same column of the control.
    ASSERT_EQ(plot->PlotPage()->Place.Left, plot->XLabelPage()->Place.Left);
    const auto labels = LabelColumns(plot->XLabelPage()->Bitmap.Image(), plot->Color());
    ASSERT_EQ(labels.size(), 10u); // 20Hz 50Hz 100Hz 200Hz 500Hz 1KHz 2KHz 5KHz 10KHz 20KHz
    const auto& oneKilohertz = labels[5];
    const int centre = (oneKilohertz.first + oneKilohertz.second) / 2;
    EXPECT_NEAR(peak, centre, 3) << "1KHz label spans " << oneKilohertz.first << ".." << oneKilohertz.second;
}

} // namespace
