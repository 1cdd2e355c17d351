#pragma once
// A fixture for the plot's decorations: an XY plot on a form under fixed text metrics (6 pixels a
// character, 10 high) and a black canvas to draw objects on through their own draw routines.

#include "PlotTestSupport.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotDataView.h"
#include "plot/iXYPlot.h"

#include "platform/ui/TBitmap.h"

#include <memory>

namespace ptest {

class DecorationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App();
        form = new vcl::TForm(nullptr);
        form->SetBounds(0, 0, 600, 400);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
        bitmap = std::make_unique<vcl::TBitmap>();
        bitmap->SetSize(400, 300);
        bitmap->Canvas()->Brush()->SetColor(vcl::clBlack);
        bitmap->Canvas()->FillRect(vcl::TRect(0, 0, 400, 300));
    }
    void TearDown() override
    {
        bitmap.reset();
        delete form;
    }
    vcl::TCanvas* Canvas() { return bitmap->Canvas(); }
    // X-Axis 1 maps 0..100 to x 10..110, Y-Axis 1 to y 110..10; data view 0 is (10, 10, 110, 110).
    void PlaceAxes();
    vcl::TColor Pixel(int x, int y) { return bitmap->Canvas()->Pixels(x, y); }

    vcl::TTextMetricsOverride metrics { Fixed() };
    vcl::TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
    std::unique_ptr<vcl::TBitmap> bitmap;
};

inline void DecorationTest::PlaceAxes()
{
    TiPlotAxis* x = plot->XAxis(0);
    x->SetDrawRect(vcl::TRect(10, 110, 110, 140));
    x->CalcScaleRect(Canvas());
    TiPlotAxis* y = plot->YAxis(0);
    y->SetDrawRect(vcl::TRect(0, 10, 30, 110));
    y->CalcScaleRect(Canvas());
    plot->DataView(0)->SetDrawRect(vcl::TRect(10, 10, 110, 110));
}

} // namespace ptest
