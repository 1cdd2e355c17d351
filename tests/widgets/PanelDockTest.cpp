// A panel that is a dock site: its dock manager lays the docked controls out under their own
// caption bars and undocks one by its close glyph.
#include "WidgetTestSupport.h"

#include "platform/ui/TForm.h"
#include "widgets/RzPanel.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

TEST(PanelDock, GrabbersFollowThePanelsAlignmentAndCloseUndocks)
{
    wtest::App();
    TForm form(nullptr);
    form.SetBounds(50, 50, 400, 300);
    auto* site = new TRzPanel(&form);
    site->SetParent(&form);
    site->SetBorderOuter(TFrameStyleEx::fsNone);
    site->SetAlign(TAlign::alLeft);
    site->SetWidth(200);
    EXPECT_EQ(site->DockManager(), nullptr); // not a dock site yet
    site->SetDockSite(true);
    TRzPanelDockManager* dock = site->DockManager();
    ASSERT_NE(dock, nullptr);
    EXPECT_EQ(site->DockManager(), dock);

    auto* tools = new TRzPanel(&form);
    tools->SetCaption("Tools");
    tools->SetColor(clWhite);
    dock->InsertControl(tools);
    EXPECT_EQ(tools->Parent(), site);
    EXPECT_EQ(tools->BoundsRect(), TRect(0, 14, 200, 300)); // the grabber above it
    ASSERT_TRUE(wtest::ShowActive(&form));

    QImage img = site->grab().toImage();
    int bar = 0, text = 0;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 14; ++y) {
            const TColor c = FromQColor(img.pixelColor(x, y));
            bar += c == ColorToRGB(clActiveCaption) || c == ColorToRGB(clInactiveCaption);
            text += c == ColorToRGB(clCaptionText) || c == ColorToRGB(clInactiveCaptionText);
        }
    EXPECT_GT(bar, 2000);
    EXPECT_GT(text, 10); // the caption and the close glyph

    site->SetAlign(TAlign::alTop);
    dock->ResetBounds();
    EXPECT_EQ(tools->Left(), 14); // the grabber at the left
    EXPECT_EQ(tools->Top(), 0);

    const TRect close = dock->CloseRect(TRect(0, 0, tools->Left() + tools->Width(), tools->Height()));
    wtest::WinClick(site, close.Left + 5, close.Top + 5);
    EXPECT_FALSE(tools->Visible());
}
