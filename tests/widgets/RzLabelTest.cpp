// Curved label text: each character stands on an ellipse about the chosen centre point, turned to
// face outward, the characters following one another clockwise.
#include "WidgetTestSupport.h"

#include "platform/ui/TBitmap.h"
#include "widgets/RzLabel.h"
#include "widgets/RzPanel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace vcl;
using namespace rz;

namespace {

struct Ink
{
    double height = 0; // of an upright "I"
    double stroke = 0;
};

class CurvedLabelTest : public ::testing::Test
{
protected:
    static constexpr int W = 160, H = 100;

    void SetUp() override
    {
        wtest::App();
        parent = std::make_unique<TRzPanel>(nullptr);
        parent->SetColor(clWhite);
        parent->SetBorderOuter(TFrameStyleEx::fsNone);
        parent->SetBounds(0, 0, 300, 300);
    }

    TRzLabel* Make(TCenterPoint centre, int angle, int borderWidth, const QString& caption)
    {
        auto* l = new TRzLabel(parent.get());
        l->SetParent(parent.get());
        l->SetAutoSize(false);
        l->SetBounds(0, 0, W, H);
        l->SetParentColor(false);
        l->SetColor(clWhite);
        l->SetBorderColor(clWhite);
        l->SetBorderWidth(borderWidth);
        l->Font()->SetSize(14);
        l->Font()->SetColor(clBlack);
        l->SetRotation(TRzLabelRotation::roCurve);
        l->SetAngle(angle);
        l->SetCenterPoint(centre);
        l->SetCaption(caption);
        return l;
    }

    // The upright "I" in the label's font, measured on a bitmap of our own.
    static Ink Upright(TRzLabel& l)
    {
        TBitmap b;
        b.SetSize(60, 60);
        TCanvas& c = *b.Canvas();
        c.Brush()->SetColor(clWhite);
        c.FillRect(TRect(0, 0, 60, 60));
        c.Font()->Assign(l.Font());
        c.Font()->SetColor(clBlack);
        c.TextOut(10, 10, QStringLiteral("I"));
        QRect box;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                if (c.Pixels(x, y) == clBlack)
                    box |= QRect(x, y, 1, 1);
        return { double(box.height()), double(box.width()) };
    }

    static int TextHeightYy(TRzLabel& l)
    {
        TBitmap b;
        b.SetSize(1, 1);
        b.Canvas()->Font()->Assign(l.Font());
        return b.Canvas()->TextHeight(QStringLiteral("Yy"));
    }

    std::unique_ptr<TRzPanel> parent;
};

// One "I" per case: its ink must be a stroke of the upright height centred half that height out
// from the anchor along the turned "up" direction, and no wider than the stroke across it.
TEST_F(CurvedLabelTest, CharacterStandsOnTheEllipseOfItsCentrePoint)
{
    struct Case
    {
        TCenterPoint centre;
        int angle, borderWidth;
        double cx, cy, rx, ry; // centre and radii for the given size and border width
    };
    const double b = 12; // twice the border width of the bordered case
    const Case cases[] = {
        { TCenterPoint::cpCenter, 0, 0, W / 2, H / 2, W / 2, H / 2 },
        { TCenterPoint::cpCenter, 90, 0, W / 2, H / 2, W / 2, H / 2 },
        { TCenterPoint::cpCenter, 270, 0, W / 2, H / 2, W / 2, H / 2 },
        { TCenterPoint::cpCenter, 0, 6, W / 2, H / 2, W / 2 - b, H / 2 - b },
        { TCenterPoint::cpUpperCenter, 180, 0, W / 2, 0, W / 2, H },
        { TCenterPoint::cpLowerCenter, 30, 0, W / 2, H, W / 2, H },
        { TCenterPoint::cpLeftCenter, 300, 0, 0, H / 2, W, H / 2 },
        { TCenterPoint::cpRightCenter, 45, 0, W, H / 2, W, H / 2 },
        { TCenterPoint::cpLowerLeft, 315, 0, 0, H, W, H },
        { TCenterPoint::cpUpperRight, 135, 0, W, 0, W, H },
        { TCenterPoint::cpLowerRight, 30, 6, W - 6, H - 6, W - b, H - b },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "centre " << int(c.centre) << " angle " << c.angle << " border "
                                        << c.borderWidth);
        TRzLabel* l = Make(c.centre, c.angle, c.borderWidth, QStringLiteral("I"));
        const Ink upright = Upright(*l);
        const int h = TextHeightYy(*l);
        const double theta = c.angle * std::numbers::pi / 180;
        const QPointF anchor(c.cx - std::round((c.rx - h) * std::sin(theta)),
                             c.cy - std::round((c.ry - h) * std::cos(theta)));
        const QPointF up(-std::sin(theta), -std::cos(theta)), across(std::cos(theta), -std::sin(theta));
        const QPointF centre = anchor + up * (upright.height / 2);
        const QImage img = wtest::Render(l);
        int pixels = 0;
        double alongMax = 0, acrossMax = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (wtest::Pixel(img, x, y) == clBlack) {
                    ++pixels;
                    const QPointF d = QPointF(x + 0.5, y + 0.5) - centre;
                    alongMax = std::max(alongMax, std::abs(d.x() * up.x() + d.y() * up.y()));
                    acrossMax = std::max(acrossMax, std::abs(d.x() * across.x() + d.y() * across.y()));
                }
        ASSERT_GT(pixels, 0);
        EXPECT_NEAR(alongMax, upright.height / 2, 2.0);
        EXPECT_LE(acrossMax, upright.stroke / 2 + 2.5);
        delete l;
    }
}

// Characters follow clockwise: each one (w + 2) / rx radians further, w the width of "w".
TEST_F(CurvedLabelTest, FollowingCharactersStepClockwise)
{
    TRzLabel* l = Make(TCenterPoint::cpCenter, 90, 0, QStringLiteral("IIIIIIII"));
    const int h = TextHeightYy(*l);
    TBitmap b;
    b.SetSize(1, 1);
    b.Canvas()->Font()->Assign(l->Font());
    const double step = (b.Canvas()->TextWidth(QStringLiteral("w")) + 2.0) / (W / 2);
    const QImage img = wtest::Render(l);
    std::vector<QPoint> ink;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (wtest::Pixel(img, x, y) == clBlack)
                ink.emplace_back(x, y);
    ASSERT_FALSE(ink.empty());
    const Ink upright = Upright(*l);
    const double reach = upright.height / 2 + upright.stroke + 2;
    std::vector<QPointF> centres;
    for (int k = 0; k < 8; ++k) {
        const double theta = std::numbers::pi / 2 - k * step;
        const QPointF anchor(W / 2 - std::round((W / 2 - h) * std::sin(theta)),
                             H / 2 - std::round((H / 2 - h) * std::cos(theta)));
        centres.push_back(anchor + QPointF(-std::sin(theta), -std::cos(theta)) * (upright.height / 2));
    }
    auto distance = [](QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); };
    for (const QPointF& c : centres) { // every character drawn where its turn puts it
        double nearest = 1e9;
        for (const QPoint& p : ink)
            nearest = std::min(nearest, distance(QPointF(p) + QPointF(0.5, 0.5), c));
        EXPECT_LE(nearest, 2.0) << c.x() << "," << c.y();
    }
    int stray = 0; // and nothing elsewhere
    for (const QPoint& p : ink) {
        double nearest = 1e9;
        for (const QPointF& c : centres)
            nearest = std::min(nearest, distance(QPointF(p) + QPointF(0.5, 0.5), c));
        stray += nearest > reach;
    }
    EXPECT_EQ(stray, 0);
}

} // namespace
