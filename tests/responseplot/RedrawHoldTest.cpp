// A plot told of many changes at once (the refresh after an upload) holds its drawing and paints
// once: what it shows then must be what the same calls made one by one show.

#include "responseplot/PlotScene.h"

#include <gtest/gtest.h>

namespace {

// Band edits, selections, a crossover rebuild, a removed and a new curve, the free text and the
// labels of every band, each ending with the page update the editors ask for.
void ManyChanges(scene::ChannelPlot& s)
{
    s.ctl.SetParameterDisplay(true);
    s.EditBand(2, 777.0);
    s.ctl.DrawTextA(1070 / 3, 255 / 4, 60, 0x0000FF, QStringLiteral("Times New Roman"), QStringLiteral("BYPASS"));
    s.EditBand(6, 4100.0);
    s.ctl.RemovePlot(Plot::FirstOverlaySection + 1);
    BuildHpCurve(s.plot, scene::ChannelPlot::Channel, s.xover);
    s.Select(7);
    s.plot.DrawSum(scene::ChannelPlot::Channel);
    s.ctl.UpdateCurvePage();
    s.plot.DrawCurve(Plot::FirstStageSection, 0x00FF00);
    s.ctl.UpdateCurvePage();
}

int DifferingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            differing += (x.pixel(col, row) & 0xFFFFFFu) != (y.pixel(col, row) & 0xFFFFFFu);
    return differing;
}

TEST(PlotRedrawHold, HeldChangesPaintAsTheSameChangesMadeOneByOne)
{
    for (const bool phase : { false, true }) {
        SCOPED_TRACE(phase ? "phase view" : "magnitude view");
        scene::ChannelPlot direct(phase);
        scene::ChannelPlot held(phase);
        direct.Repaint();
        held.Repaint();

        ManyChanges(direct);
        direct.Repaint();

        const QImage before = held.ctl.ScreenImage().Image().copy();
        held.ctl.HoldRedraws();
        held.ctl.HoldRedraws(); // holds nest: only the outer release paints
        ManyChanges(held);
        held.ctl.ReleaseRedraws();
        EXPECT_EQ(DifferingPixels(held.ctl.ScreenImage().Image(), before), 0) << "drawn while held";
        held.ctl.ReleaseRedraws();
        held.Repaint();

        EXPECT_EQ(DifferingPixels(held.shown, direct.shown), 0);
        EXPECT_EQ(DifferingPixels(held.ctl.ScreenImage().Image(), direct.ctl.ScreenImage().Image()), 0);
        EXPECT_EQ(DifferingPixels(held.ctl.PlotPage()->Bitmap.Image(), direct.ctl.PlotPage()->Bitmap.Image()), 0);
    }
}

// A release without a hold (an unbalanced caller) changes nothing and leaves later holds working.
TEST(PlotRedrawHold, AReleaseWithoutAHoldIsIgnored)
{
    scene::ChannelPlot s;
    s.Repaint();
    s.ctl.ReleaseRedraws();
    const QImage before = s.ctl.ScreenImage().Image().copy();
    s.ctl.HoldRedraws();
    s.EditBand(4, 2000.0);
    EXPECT_EQ(DifferingPixels(s.ctl.ScreenImage().Image(), before), 0);
    s.ctl.ReleaseRedraws();
    s.EditBand(4, 2100.0); // no longer held: drawn at once
    EXPECT_GT(DifferingPixels(s.ctl.ScreenImage().Image(), before), 0);
}

} // namespace
