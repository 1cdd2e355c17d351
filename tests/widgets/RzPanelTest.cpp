// The panel's dotted-line grid and the group box's flat and underline styles, checked pixel by
// pixel against the geometry they are drawn by.
#include "WidgetTestSupport.h"

#include "platform/ui/TBitmap.h"
#include "widgets/RzCommon.h"
#include "widgets/RzPanel.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vcl;
using namespace rz;

namespace {

class RzPanelTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }
};

// Grid lines one pixel before each multiple of the grid size, counted from the frame's inner
// corner; along each line every second pixel, from the pixel after its start.
TEST_F(RzPanelTest, DottedGridLinesAlternateFromThePixelAfterTheirStart)
{
    for (TFrameStyleEx frame : { TFrameStyleEx::fsNone, TFrameStyleEx::fsFlat, TFrameStyleEx::fsRaised }) {
        SCOPED_TRACE(int(frame));
        TRzPanel p(nullptr);
        p.SetBounds(0, 0, 35, 27);
        p.SetBorderOuter(frame);
        p.SetColor(clWhite);
        p.SetShowGrid(true);
        p.SetGridColor(clBlue);
        p.SetGridStyle(TGridStyle::gsDottedLines);
        p.SetGridXSize(8);
        p.SetGridYSize(6);
        const int inset = frame == TFrameStyleEx::fsNone ? 0 : frame == TFrameStyleEx::fsFlat ? 1 : 2;
        const int L = inset, T = inset, R = 35 - inset, B = 27 - inset;
        const QImage img = wtest::Render(&p);
        auto onVertical = [&](int x) { return (x - L + 1) % 8 == 0 && x - L + 1 >= 8 && x - L + 1 <= R - L; };
        auto onHorizontal = [&](int y) { return (y - T + 1) % 6 == 0 && y - T + 1 >= 6 && y - T + 1 <= B - T; };
        int wrong = 0, dots = 0;
        for (int y = T; y < B; ++y)
            for (int x = L; x < R; ++x) {
                const bool dot = (onVertical(x) && y > T && (y - T - 1) % 2 == 0)
                                 || (onHorizontal(y) && x > L && (x - L - 1) % 2 == 0);
                dots += dot;
                wrong += wtest::Pixel(img, x, y) != (dot ? clBlue : clWhite);
            }
        EXPECT_GT(dots, 50);
        EXPECT_EQ(wrong, 0);
    }
}

// A group box of 100 x 60 with a caption "Ab" in a 1-pixel frame of FlatColor (adjustment 0).
class GroupBoxStyleTest : public RzPanelTest
{
protected:
    static constexpr int W = 100, H = 60;

    struct Geometry
    {
        int h;      // text height of "Pp"
        int cx, cy; // caption extent
    };

    TRzGroupBox* Make(TRzPanel& parent, TGroupBoxStyle style, const QString& caption)
    {
        parent.SetColor(clYellow);
        parent.SetBorderOuter(TFrameStyleEx::fsNone);
        parent.SetBounds(0, 0, 200, 200);
        auto* g = new TRzGroupBox(&parent);
        g->SetParent(&parent);
        g->SetBounds(0, 0, W, H);
        g->SetColor(clWhite);
        g->SetFlatColor(clBlue);
        g->SetFlatColorAdjustment(0);
        g->SetGroupStyle(style);
        g->CaptionFont()->SetColor(clBlack);
        g->SetCaption(caption);
        return g;
    }

    static Geometry Measure(TRzGroupBox& g)
    {
        TBitmap b;
        b.SetSize(1, 1);
        b.Canvas()->Font()->Assign(g.CaptionFont());
        const TSize ext = b.Canvas()->TextExtent(StripAccelerators(g.Caption()));
        return { b.Canvas()->TextHeight(QStringLiteral("Pp")), ext.cx, ext.cy };
    }

    // Every pixel: blue exactly where `line` says, the background elsewhere outside the caption
    // rectangle `q`, no frame line inside it, and some text ink in it when there is a caption.
    static void Check(const QImage& img, const std::function<bool(int, int)>& line, QRect q, TColor background,
                      TColor ink)
    {
        int wrong = 0, lines = 0, inked = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const TColor p = wtest::Pixel(img, x, y);
                if (q.contains(x, y)) {
                    wrong += p == clBlue;
                    inked += p == ink;
                } else if (line(x, y)) {
                    ++lines;
                    wrong += p != clBlue;
                } else {
                    wrong += p != background;
                }
            }
        EXPECT_GE(lines, W);
        EXPECT_EQ(wrong, 0);
        if (!q.isEmpty()) {
            EXPECT_GT(inked, 0);
        }
    }
};

// gsFlat: a rectangle with its corners cut by one pixel, whose top line runs through the middle
// of the caption's line and stops 8 pixels from the edge where the caption is set into it.
TEST_F(GroupBoxStyleTest, FlatFrameHasCutCornersAndLeavesRoomForTheCaption)
{
    struct Case
    {
        const char* caption;
        TAlignment alignment;
        bool transparent, enabled;
    };
    const Case cases[] = {
        { "Ab", TAlignment::taLeftJustify, false, true },
        { "Ab", TAlignment::taRightJustify, false, true },
        { "&Ab", TAlignment::taLeftJustify, true, true },
        { "Ab", TAlignment::taLeftJustify, false, false },
        { "", TAlignment::taLeftJustify, false, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.caption << "' align " << int(c.alignment) << " transparent "
                                        << c.transparent << " enabled " << c.enabled);
        TRzPanel parent(nullptr);
        TRzGroupBox* g = Make(parent, TGroupBoxStyle::gsFlat, QString::fromLatin1(c.caption));
        g->SetAlignment(c.alignment);
        g->SetTransparent(c.transparent);
        g->SetEnabled(c.enabled);
        const Geometry m = Measure(*g);
        const int top = m.h / 2 - 1, bottom = H - 1, right = W - 1;
        QRect q;
        if (*c.caption)
            q = c.alignment == TAlignment::taRightJustify ? QRect(W - m.cx - 8, 0, m.cx, m.cy) : QRect(8, 0, m.cx, m.cy);
        if (!q.isEmpty()) {
            ASSERT_GT(q.bottom(), top); // the caption sits across the top line
        }
        auto line = [&](int x, int y) {
            const bool sides = (x == 0 || x == right) && y >= top + 2 && y < bottom - 1;
            const bool ends = (y == top || y == bottom) && x >= 2 && x < right - 1;
            const bool corners = (x == 1 || x == right - 1) && (y == top + 1 || y == bottom - 1);
            return sides || ends || corners;
        };
        Check(wtest::Render(g), line, q, c.transparent ? clYellow : clWhite,
              c.enabled ? clBlack : ColorToRGB(clGrayText));
    }
}

// gsUnderline: the caption in a band of its height plus 2 across the whole width, one line under
// the band, and no other frame.
TEST_F(GroupBoxStyleTest, UnderlineRunsTheFullWidthBelowTheCaption)
{
    for (TAlignment alignment : { TAlignment::taLeftJustify, TAlignment::taCenter, TAlignment::taRightJustify }) {
        for (bool transparent : { false, true }) {
            SCOPED_TRACE(testing::Message() << "align " << int(alignment) << " transparent " << transparent);
            TRzPanel parent(nullptr);
            TRzGroupBox* g = Make(parent, TGroupBoxStyle::gsUnderline, QStringLiteral("Ab"));
            g->SetAlignment(alignment);
            g->SetTransparent(transparent);
            const Geometry m = Measure(*g);
            const QRect q(0, 0, W, m.cy + 2);
            const QImage img = wtest::Render(g);
            Check(img, [&](int, int y) { return y == m.cy + 2; }, q, transparent ? clYellow : clWhite, clBlack);
            // The caption follows the alignment inside the band.
            QRect ink;
            for (int y = 0; y < q.height(); ++y)
                for (int x = 0; x < W; ++x)
                    if (wtest::Pixel(img, x, y) == clBlack)
                        ink |= QRect(x, y, 1, 1);
            const int slack = 3;
            if (alignment == TAlignment::taLeftJustify)
                EXPECT_LE(ink.left(), slack);
            else if (alignment == TAlignment::taRightJustify)
                EXPECT_GE(ink.right(), W - 1 - slack);
            else
                EXPECT_LE(std::abs(ink.center().x() - W / 2), slack);
        }
    }
}

} // namespace
