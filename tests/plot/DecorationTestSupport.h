#pragma once
// A fixture for the plot's decorations: an XY plot on a form under fixed text metrics (6 pixels a
// character, 10 high) and a black canvas to draw objects on through their own draw routines.

#include "PlotTestSupport.h"

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
    vcl::TColor Pixel(int x, int y) { return bitmap->Canvas()->Pixels(x, y); }

    vcl::TTextMetricsOverride metrics { Fixed() };
    vcl::TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
    std::unique_ptr<vcl::TBitmap> bitmap;
};

} // namespace ptest
