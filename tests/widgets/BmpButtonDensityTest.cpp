// The bitmap button on a screen of device pixel ratio 2: its face is composed as finely as the
// screen, so the caption is drawn at device resolution in the place it has at ratio 1.
#include "WidgetTestSupport.h"

#include "platform/ui/TForm.h"
#include "support/RenderedAtRatio.h"
#include "widgets/RzBmpBtn.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace vcl;
using namespace rz;

namespace {

bool Ink(QRgb p)
{
    return qRed(p) + qGreen(p) + qBlue(p) < 200; // the black caption on the button face
}

TEST(BmpButtonDensity, CaptionIsSharpAndInPlace)
{
    wtest::App();
    TForm form(nullptr);
    auto* button = new TRzBmpButton(&form);
    button->SetParent(&form);
    button->SetButtonBorder(TButtonBorder::bbNone);
    button->SetBounds(0, 0, 80, 24);
    button->SetCaption(QStringLiteral("Bypass"));
    button->Font()->SetColor(clBlack);

    const QImage single = RenderedAtRatio(*button, 1);
    const QImage doubled = single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage sharp = RenderedAtRatio(*button, 2);
    int ink = 0;
    int stray = 0;
    for (int y = 0; y < sharp.height(); ++y)
        for (int x = 0; x < sharp.width(); ++x) {
            if (!Ink(sharp.pixel(x, y)))
                continue;
            ++ink;
            bool near = false;
            for (int v = std::max(0, y - 3); v <= std::min(sharp.height() - 1, y + 3) && !near; ++v)
                for (int u = std::max(0, x - 3); u <= std::min(sharp.width() - 1, x + 3) && !near; ++u)
                    near = Ink(doubled.pixel(u, v));
            stray += near ? 0 : 1;
        }
    EXPECT_GT(ink, 50);
    EXPECT_EQ(stray, 0) << "the caption stands where it stands at ratio 1";
    EXPECT_NE(sharp, doubled) << "the caption is not the doubled one";
    EXPECT_EQ(RenderedAtRatio(*button, 1), single);
}

} // namespace
