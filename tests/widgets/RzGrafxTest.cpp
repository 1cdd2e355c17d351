// Gradient directions drawn by bands, mirrored quarters and the platform's rectangle gradient, and
// transparent controls showing what their parents paint behind them.
#include "WidgetTestSupport.h"

#include "platform/ui/ParentImage.h"
#include "platform/ui/TBitmap.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzGrafx.h"
#include "widgets/RzPanel.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

using D = TGradientDirection;

// Black to white: a pixel's red channel tells how far along the ramp it lies.
enum class Level { Start, Stop, Between };

struct Probe
{
    int ex, ey; // eighths of (W - 1) and (H - 1)
    Level level;
};

struct DirectionCase
{
    D direction;
    const char* name;
    std::vector<Probe> probes;
    bool mirrored;    // left-right and top-bottom halves match pixel for pixel
    bool rowsUniform; // every row one colour
    bool colsUniform; // every column one colour
};

bool Matches(int red, Level level)
{
    switch (level) {
    case Level::Start: return red <= 40;
    case Level::Stop: return red >= 215;
    case Level::Between: return red >= 60 && red <= 195;
    }
    return false;
}

class RzGrafxTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }

    static QImage Gradient(D direction, int w, int h)
    {
        TBitmap b;
        b.SetSize(w, h);
        b.Canvas()->Brush()->SetColor(clRed); // anything left unpainted shows as red
        b.Canvas()->FillRect(TRect(0, 0, w, h));
        FillGradient(*b.Canvas(), TRect(0, 0, w, h), direction, clBlack, clWhite, 1);
        return b.Image().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(RzGrafxTest, EachDirectionPlacesItsColoursAndStaysSymmetric)
{
    const std::vector<DirectionCase> cases = {
        { D::gdDiagonalDown, "diagonal down",
          { { 0, 0, Level::Start }, { 8, 8, Level::Stop }, { 8, 0, Level::Between }, { 0, 8, Level::Between },
            { 4, 4, Level::Between } },
          false, false, false },
        { D::gdHorizontalCenter, "horizontal centre",
          { { 0, 0, Level::Start }, { 4, 4, Level::Stop }, { 8, 4, Level::Stop }, { 4, 8, Level::Start },
            { 4, 2, Level::Between }, { 4, 6, Level::Between } },
          false, true, false },
        { D::gdVerticalEnd, "vertical end",
          { { 0, 4, Level::Start }, { 8, 0, Level::Stop }, { 4, 8, Level::Between } }, false, false, true },
        { D::gdVerticalCenter, "vertical centre",
          { { 0, 0, Level::Start }, { 4, 4, Level::Stop }, { 4, 8, Level::Stop }, { 8, 4, Level::Start },
            { 2, 4, Level::Between }, { 6, 4, Level::Between } },
          false, false, true },
        // A bar of the stop colour along the middle row, half the width long.
        { D::gdHorizontalBox, "horizontal box",
          { { 4, 4, Level::Stop }, { 3, 4, Level::Stop }, { 5, 4, Level::Stop }, { 0, 4, Level::Start },
            { 8, 4, Level::Start }, { 4, 0, Level::Start }, { 4, 8, Level::Start }, { 4, 2, Level::Between } },
          true, false, false },
        // A bar along the middle column, half the height long.
        { D::gdVerticalBox, "vertical box",
          { { 4, 4, Level::Stop }, { 4, 3, Level::Stop }, { 4, 5, Level::Stop }, { 0, 4, Level::Start },
            { 8, 4, Level::Start }, { 4, 0, Level::Start }, { 4, 8, Level::Start }, { 2, 4, Level::Between } },
          true, false, false },
        // A block of the stop colour over the middle half in both directions.
        { D::gdBigSquareBox, "big square box",
          { { 4, 4, Level::Stop }, { 3, 3, Level::Stop }, { 5, 5, Level::Stop }, { 3, 5, Level::Stop },
            { 0, 0, Level::Start }, { 8, 8, Level::Start }, { 0, 8, Level::Start }, { 8, 0, Level::Start },
            { 1, 4, Level::Between } },
          true, false, false },
        { D::gdSquareBox, "square box",
          { { 4, 4, Level::Stop }, { 0, 4, Level::Start }, { 4, 0, Level::Start }, { 2, 4, Level::Between } }, true,
          false, false },
    };
    for (const QSize size : { QSize(64, 32), QSize(63, 31), QSize(40, 50) }) {
        const int W = size.width(), H = size.height();
        for (const DirectionCase& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << " " << W << "x" << H);
            const QImage img = Gradient(c.direction, W, H);
            auto red = [&](int x, int y) { return qRed(img.pixel(x, y)); };
            int unpainted = 0;
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    const QRgb p = img.pixel(x, y);
                    unpainted += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
                }
            EXPECT_EQ(unpainted, 0);
            for (const Probe& p : c.probes) {
                const int x = (W - 1) * p.ex / 8, y = (H - 1) * p.ey / 8;
                EXPECT_TRUE(Matches(red(x, y), p.level)) << "at " << x << "," << y << " red " << red(x, y);
            }
            int asymmetric = 0, uneven = 0;
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    if (c.mirrored)
                        asymmetric += img.pixel(x, y) != img.pixel(W - 1 - x, y)
                                      || img.pixel(x, y) != img.pixel(x, H - 1 - y);
                    if (c.rowsUniform)
                        uneven += img.pixel(x, y) != img.pixel(0, y);
                    if (c.colsUniform)
                        uneven += img.pixel(x, y) != img.pixel(x, 0);
                }
            EXPECT_EQ(asymmetric, 0);
            EXPECT_EQ(uneven, 0);
            // From the start edge toward the stop colour the ramp never turns back.
            const bool boxLike = c.mirrored;
            if (boxLike || c.direction == D::gdDiagonalDown) {
                int previous = -1, turns = 0;
                for (int t = 0; t <= 16; ++t) {
                    const int x = boxLike ? (W - 1) / 2 * t / 16 : (W - 1) * t / 16;
                    const int y = boxLike ? (H - 1) / 2 * t / 16 : (H - 1) * t / 16;
                    turns += red(x, y) < previous;
                    previous = red(x, y);
                }
                EXPECT_EQ(turns, 0);
            }
        }
    }
}

// The parent's gradient and its own OnPaint drawing, not its other children.
class ParentImageTest : public RzGrafxTest
{
protected:
    void SetUp() override
    {
        RzGrafxTest::SetUp();
        backOwner = std::make_unique<TRzPanel>(nullptr);
        TRzPanel& back = *backOwner;
        back.SetBounds(0, 0, 90, 70);
        back.SetBorderOuter(TFrameStyleEx::fsNone);
        back.SetVisualStyle(TRzVisualStyle::vsGradient);
        back.SetGradientColorStyle(TRzGradientColorStyle::gcsCustom);
        back.SetGradientColorStart(clNavy);
        back.SetGradientColorStop(clYellow);
        back.SetGradientDirection(D::gdDiagonalUp);
        back.OnPaint = [panel = &back](TObject*) {
            panel->Canvas()->Pen()->SetColor(clRed);
            panel->Canvas()->MoveTo(31, 0);
            panel->Canvas()->LineTo(31, 70);
        };
        sibling = new TRzPanel(&back); // lies under the transparent panel, which must not show it
        sibling->SetParent(&back);
        sibling->SetBounds(20, 12, 8, 8);
        sibling->SetColor(clLime);
        glass = new TRzPanel(&back);
        glass->SetParent(&back);
        glass->SetBounds(13, 7, 50, 40);
        glass->SetBorderOuter(TFrameStyleEx::fsNone);
        glass->SetTransparent(true);
    }

    // Every pixel of `img` (a control at `at` in `back`) equals the back panel's own picture there,
    // except where `skip` says the control draws something of its own.
    template <typename Skip>
    int Differences(const QImage& img, QPoint at, Skip skip)
    {
        const QImage behind = wtest::Render(backOwner.get());
        int differing = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (!skip(x, y))
                    differing += img.pixel(x, y) != behind.pixel(at.x() + x, at.y() + y);
        return differing;
    }

    std::unique_ptr<TRzPanel> backOwner;
    TRzPanel* sibling = nullptr;
    TRzPanel* glass = nullptr;
};

TEST_F(ParentImageTest, TransparentPanelsShowTheParentsPictureAtTheirOwnPlace)
{
    auto* inner = new TRzPanel(glass); // two levels of transparency
    inner->SetParent(glass);
    inner->SetBounds(5, 4, 30, 20);
    inner->SetBorderOuter(TFrameStyleEx::fsNone);
    inner->SetTransparent(true);
    const auto none = [](int, int) { return false; };
    EXPECT_EQ(Differences(wtest::Render(glass), QPoint(13, 7), none), 0);
    EXPECT_EQ(Differences(wtest::Render(inner), QPoint(18, 11), none), 0);
    // The parent's own line runs through both.
    EXPECT_EQ(wtest::Pixel(wtest::Render(glass), 31 - 13, 20), clRed);
    EXPECT_EQ(wtest::Pixel(wtest::Render(inner), 31 - 18, 10), clRed);
}

TEST_F(ParentImageTest, BorderlessBitmapButtonShowsThePictureThroughItsKeyColour)
{
    auto* button = new TRzBmpButton(glass);
    button->SetParent(glass);
    button->SetButtonSize(TBtnSize::bszNeither);
    button->SetBounds(3, 6, 24, 16);
    TBitmap up;
    up.SetSize(6, 4);
    up.Canvas()->Brush()->SetColor(clOlive); // the default key colour everywhere but one block
    up.Canvas()->FillRect(TRect(0, 0, 6, 4));
    up.Canvas()->Brush()->SetColor(clFuchsia);
    up.Canvas()->FillRect(TRect(2, 1, 4, 3));
    button->Bitmaps()->SetUp(&up);
    const QImage img = wtest::Render(button);
    // The image is centred: the opaque block at (9 + 2, 6 + 1).
    const auto block = [](int x, int y) { return x >= 11 && x < 13 && y >= 7 && y < 9; };
    EXPECT_EQ(Differences(img, QPoint(16, 13), block), 0);
    EXPECT_EQ(wtest::Pixel(img, 11, 7), clFuchsia);
    EXPECT_EQ(wtest::Pixel(img, 12, 8), clFuchsia);
}

TEST_F(ParentImageTest, ControlWithoutParentCopiesNothing)
{
    TRzPanel orphan(nullptr);
    orphan.SetBounds(0, 0, 10, 10);
    TBitmap target;
    target.SetSize(10, 10);
    target.Canvas()->Brush()->SetColor(clTeal);
    target.Canvas()->FillRect(TRect(0, 0, 10, 10));
    CopyParentImage(&orphan, *target.Canvas());
    EXPECT_EQ(target.Canvas()->Pixels(5, 5), clTeal);
}

} // namespace
