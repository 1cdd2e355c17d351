// The controls the band editors and the main window build on: group box painting and client area,
// the combo's user-only change and wheel veto, push button and power button clicks, labels.
#include "WidgetTestSupport.h"

#include "platform/ui/TForm.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"
#include "widgets/RzPanel.h"
#include "widgets/VrButtons.h"

#include <QComboBox>

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

class EditorControlsTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }
};

// A band editor: a group box that paints itself first, then its own marks.
class BandEditor : public TRzGroupBox
{
public:
    using TRzGroupBox::TRzGroupBox;
    int paints = 0;

protected:
    void Paint() override
    {
        TRzGroupBox::Paint();
        ++paints;
        Canvas()->SetPixels(3, 3, clBlue);
    }
};

TEST_F(EditorControlsTest, TransparentCustomGroupBoxShowsParentAndEndsWithOnPaint)
{
    TRzPanel parent(nullptr);
    parent.SetBounds(0, 0, 100, 80);
    parent.SetBorderOuter(TFrameStyleEx::fsNone);
    parent.SetColor(clRed);
    auto* box = new BandEditor(&parent);
    box->SetParent(&parent);
    box->SetBounds(10, 10, 50, 40);
    box->SetGroupStyle(TGroupBoxStyle::gsCustom);
    box->SetTransparent(true);
    box->SetCaption(QString());
    int onPaint = 0;
    box->OnPaint = [&](TObject*) {
        ++onPaint;
        box->Canvas()->SetPixels(1, 1, clLime);
    };
    const QImage img = wtest::Render(box);
    EXPECT_EQ(onPaint, 1);
    EXPECT_EQ(box->paints, 1);
    EXPECT_EQ(wtest::Pixel(img, 1, 1), clLime);
    EXPECT_EQ(wtest::Pixel(img, 3, 3), clBlue);
    // No frame, no fill: the parent's red everywhere else, edges included.
    for (auto [x, y] : { std::pair { 0, 0 }, { 49, 39 }, { 25, 20 }, { 0, 39 } })
        EXPECT_EQ(wtest::Pixel(img, x, y), clRed) << x << "," << y;
}

TEST_F(EditorControlsTest, OpaqueCustomGroupBoxFillsWithItsColour)
{
    TRzGroupBox box(nullptr);
    box.SetBounds(0, 0, 40, 30);
    box.SetGroupStyle(TGroupBoxStyle::gsCustom);
    box.SetColor(clYellow);
    const QImage img = wtest::Render(&box);
    EXPECT_EQ(wtest::Pixel(img, 0, 0), clYellow);
    EXPECT_EQ(wtest::Pixel(img, 39, 29), clYellow);
}

TEST_F(EditorControlsTest, GroupBoxDefaultsAndRepaintWithoutParent)
{
    TRzGroupBox box(nullptr);
    EXPECT_EQ(box.GroupStyle(), TGroupBoxStyle::gsFlat);
    EXPECT_EQ(box.Height(), 105);
    EXPECT_EQ(box.BorderOuter(), TFrameStyleEx::fsNone);
    EXPECT_EQ(box.Alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(box.AlignmentVertical(), TAlignmentVertical::avTop);
    box.SetTransparent(true);
    box.Repaint(); // no parent: nothing to copy, no crash
    (void)wtest::Render(&box);
}

TEST_F(EditorControlsTest, CustomGroupBoxReservesCaptionLineAndTwoPixels)
{
    TRzGroupBox box(nullptr);
    box.SetBounds(0, 0, 100, 100);
    box.SetGroupStyle(TGroupBoxStyle::gsCustom);
    auto* child = new TRzPanel(&box);
    child->SetParent(&box);
    child->SetAlign(TAlign::alClient);
    EXPECT_EQ(child->BoundsRect(), TRect(2, 2, 98, 98));
    box.SetCaption(QStringLiteral("Band"));
    box.Realign();
    const int h = box.Canvas()->TextHeight(QStringLiteral("Yy"));
    EXPECT_EQ(child->BoundsRect(), TRect(2, 2 + h, 98, 98));
}

TEST_F(EditorControlsTest, ComboChangesOnlyOnUserPickAndWheelCanBeVetoed)
{
    TRzComboBox combo(nullptr);
    combo.SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* s : { "Peak", "Low shelf", "High shelf" })
        combo.Items()->Add(QString::fromLatin1(s));
    int changes = 0;
    combo.OnChange = [&](TObject*) { ++changes; };
    combo.SetItemIndex(1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(combo.ItemIndex(), 1);
    combo.SetItemIndex(7);
    EXPECT_EQ(combo.ItemIndex(), -1); // no such entry: nothing selected

    combo.SetItemIndex(0);
    auto* inner = combo.findChild<QComboBox*>();
    ASSERT_NE(inner, nullptr);
    wtest::Key(inner, QEvent::KeyPress, Qt::Key_Down);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(changes, 1);

    bool veto = true;
    int wheels = 0;
    combo.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& handled) {
        ++wheels;
        handled = veto;
    };
    wtest::Wheel(inner, -120);
    EXPECT_EQ(wheels, 1);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(changes, 1);

    veto = false;
    wtest::Wheel(inner, -120); // down: next item, then Click and Change
    EXPECT_EQ(combo.ItemIndex(), 2);
    EXPECT_EQ(changes, 2);
    wtest::Wheel(inner, -120); // at the last item nothing moves
    EXPECT_EQ(combo.ItemIndex(), 2);
    EXPECT_EQ(changes, 2);
    combo.SetItemIndex(0);
    wtest::Wheel(inner, 120); // up at the first item: stays, no events
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(changes, 2);

    combo.ClearItems();
    EXPECT_EQ(combo.Items()->Count(), 0);
}

TEST_F(EditorControlsTest, ComboValuesFollowTheSelection)
{
    TRzComboBox combo(nullptr);
    combo.SetStyle(TComboBoxStyle::csDropDownList);
    combo.AddItemValue(QStringLiteral("One"), QStringLiteral("1"));
    combo.AddItemValue(QStringLiteral("Two"), QString());
    combo.SetValue(QStringLiteral("Two")); // an empty value stands for the item text
    EXPECT_EQ(combo.ItemIndex(), 1);
    combo.SetValue(QStringLiteral("1"));
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(combo.Value(), QStringLiteral("1"));
}

TEST_F(EditorControlsTest, RzButtonClicksOnlyOnReleaseInside)
{
    TForm form(nullptr);
    auto* b = new TRzButton(&form);
    b->SetParent(&form);
    b->SetThemeAware(false);
    b->SetCaption(QStringLiteral("Bypass"));
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    wtest::ClickAt(b, 5, 5);
    EXPECT_EQ(clicks, 1);
    // Dragged off the lower edge (the bottom row is outside) before release: no click.
    wtest::Press(b, 5, 5);
    EXPECT_TRUE(b->ShowDownVersion());
    wtest::Move(b, 5, b->Height());
    EXPECT_FALSE(b->ShowDownVersion());
    wtest::Release(b, 5, b->Height());
    EXPECT_EQ(clicks, 1);
    // Space down and up: one click.
    wtest::Key(b, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_TRUE(b->ShowDownVersion());
    wtest::Key(b, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(clicks, 2);
}

TEST_F(EditorControlsTest, RzButtonWritesModalResultBeforeOnClick)
{
    TForm form(nullptr);
    form.SetModalResult(mrCancel);
    auto* b = new TRzButton(&form);
    b->SetParent(&form);
    TModalResult seen = -1;
    b->OnClick = [&](TObject*) { seen = form.ModalResult(); };
    b->Click();
    EXPECT_EQ(seen, 0);
}

TEST_F(EditorControlsTest, RzButtonGroupsKeepOneDown)
{
    TRzPanel parent(nullptr);
    auto* a = new TRzButton(&parent);
    auto* b = new TRzButton(&parent);
    a->SetParent(&parent);
    b->SetParent(&parent);
    auto* loose = new TRzButton(&parent);
    loose->SetParent(&parent);
    loose->SetDown(true);
    EXPECT_FALSE(loose->Down()); // group 0 never goes down
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    wtest::ClickAt(a, 3, 3);
    EXPECT_TRUE(a->Down());
    wtest::ClickAt(b, 3, 3);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    wtest::ClickAt(a, 3, 3);
    wtest::ClickAt(a, 3, 3); // a down button without AllowAllUp stays down, still clicks
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(clicks, 3);
    b->SetAllowAllUp(true); // handed to the group
    EXPECT_TRUE(a->AllowAllUp());
    wtest::ClickAt(a, 3, 3);
    EXPECT_FALSE(a->Down());
}

TEST_F(EditorControlsTest, PowerButtonFlipsActiveBeforeOnClick)
{
    vr::TVrPowerButton p(nullptr);
    p.SetBounds(0, 0, 47, 16);
    std::vector<bool> seen;
    p.OnClick = [&](TObject*) { seen.push_back(p.Active()); };
    wtest::ClickAt(&p, 5, 5);
    wtest::ClickAt(&p, 5, 5);
    EXPECT_EQ(seen, (std::vector<bool> { true, false }));
    // Dragged out before release: unchanged, no click; back in: toggles.
    wtest::Press(&p, 5, 5);
    p.Perform(CM_MOUSELEAVE);
    wtest::Release(&p, 60, 5);
    EXPECT_FALSE(p.Active());
    wtest::Press(&p, 5, 5);
    p.Perform(CM_MOUSELEAVE);
    p.Perform(CM_MOUSEENTER);
    wtest::Release(&p, 5, 5);
    EXPECT_TRUE(p.Active());
    EXPECT_EQ(seen.size(), 3u);
    // Space toggles too; setting Active from code raises nothing.
    wtest::Key(&p, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    wtest::Key(&p, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(p.Active());
    p.SetActive(true);
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(p.Cursor(), vr::VrHandPointCursor);

}

TEST_F(EditorControlsTest, LabelDefaultsAndTransparentCentredText)
{
    TRzPanel parent(nullptr);
    parent.SetBounds(0, 0, 100, 40);
    parent.SetBorderOuter(TFrameStyleEx::fsNone);
    parent.SetColor(clWhite);
    auto* l = new TRzLabel(&parent);
    l->SetParent(&parent);
    l->SetAutoSize(false);
    l->SetTransparent(true);
    l->SetAlignment(TAlignment::taCenter);
    l->SetBounds(0, 0, 100, 20);
    l->SetCaption(QStringLiteral("W"));
    l->Font()->SetColor(clBlack);
    EXPECT_EQ(l->Width(), 100);
    QImage img(100, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    l->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    int minX = 100, maxX = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (wtest::Pixel(img, x, y) == clBlack) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    ASSERT_GE(maxX, 0);
    EXPECT_NEAR((minX + maxX) / 2.0, 50.0, 3.0);
}

} // namespace

namespace {

TEST_F(EditorControlsTest, PowerButtonFaceCentresLedAndCaption)
{
    vr::TVrPowerButton p(nullptr);
    p.SetColor(clBlack);
    p.SetBounds(0, 0, 47, 16);
    p.SetBevelWidth(0);
    p.SetOutlineWidth(0);
    p.Palette()->SetLow(clOlive);
    p.Palette()->SetHigh(clYellow);
    p.Font()->SetColor(clWhite);
    p.SetCaption(QStringLiteral("Out1"));
    const TRect led = p.ImageRect();
    const TRect text = p.TextBounds();
    EXPECT_EQ(led.Height(), 12);
    EXPECT_EQ(led.Top, (16 - 12 + 1) / 2);
    EXPECT_EQ(text.Left - led.Right, 5);
    EXPECT_LE(std::abs(led.Left - (47 - text.Right)), 1); // the group is centred
    QImage img = wtest::Render(&p);
    const int cx = led.Left + 6, cy = led.Top + 6;
    EXPECT_EQ(wtest::Pixel(img, cx, cy), clOlive);
    EXPECT_EQ(wtest::Pixel(img, led.Left + 1, led.Top + 1), clBlack); // the black ring
    EXPECT_EQ(wtest::Pixel(img, led.Left, led.Top), ColorToRGB(clBtnShadow));
    p.SetActive(true);
    img = wtest::Render(&p);
    EXPECT_EQ(wtest::Pixel(img, cx, cy), clYellow);
    p.SetEnabled(false);
    img = wtest::Render(&p);
    EXPECT_EQ(wtest::Pixel(img, cx, cy), clBlack); // the background colour
    int highlight = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = text.Left; x < 47; ++x)
            highlight += wtest::Pixel(img, x, y) == ColorToRGB(clBtnHighlight);
    EXPECT_GT(highlight, 0); // embossed caption
}

TEST_F(EditorControlsTest, LabelAngleRotationAndSharedBlinking)
{
    auto* a = new TRzLabel(nullptr);
    const struct
    {
        int in, stored;
    } angles[] = { { -90, 270 }, { 450, 90 }, { 360, 0 }, { -450, 270 }, { 45, 45 } };
    for (const auto& c : angles) {
        a->SetAngle(c.in);
        EXPECT_EQ(a->Angle(), c.stored) << c.in;
    }
    EXPECT_EQ(a->Rotation(), TRzLabelRotation::roFlat);
    a->SetCenterPoint(TCenterPoint::cpLowerLeft);
    a->SetRotation(TRzLabelRotation::roFlat);
    EXPECT_EQ(a->Angle(), 0);
    EXPECT_EQ(a->CenterPoint(), TCenterPoint::cpCenter);

    auto* b = new TRzLabel(nullptr);
    b->SetBlinkIntervalOn(250);
    EXPECT_EQ(a->BlinkIntervalOn(), 250u);
    ASSERT_NE(TRzBlinkingControlsList::Instance(), nullptr);
    b->SetBlinking(true);
    b->SetBlinkColor(clRed);
    TRzBlinkingControlsList::Instance()->TimerFired(); // phase bsOn: the font colour
    EXPECT_EQ(b->CurrentColor(), b->Font()->Color());
    TRzBlinkingControlsList::Instance()->TimerFired(); // phase bsOff: the blink colour
    EXPECT_EQ(b->CurrentColor(), clRed);
    EXPECT_EQ(a->CurrentColor(), a->Font()->Color()); // not blinking
    delete a;
    EXPECT_NE(TRzBlinkingControlsList::Instance(), nullptr);
    delete b;
    EXPECT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
}

TEST_F(EditorControlsTest, DisabledRaisedLabelDrawsOnlyGrayText)
{
    TRzLabel l(nullptr);
    l.SetAutoSize(false);
    l.SetBounds(0, 0, 60, 20);
    l.SetColor(clYellow);
    l.SetTextStyle(TTextStyle::tsRaised);
    l.SetCaption(QStringLiteral("Gain"));
    QImage img = wtest::Render(&l);
    auto count = [&](TColor c) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += wtest::Pixel(img, x, y) == ColorToRGB(c);
        return n;
    };
    EXPECT_GT(count(clBtnShadow), 0);
    l.SetEnabled(false);
    img = wtest::Render(&l);
    EXPECT_EQ(count(clBtnShadow), 0);
    EXPECT_EQ(count(clBtnHighlight), 0);
    EXPECT_GT(count(clGrayText), 0);
}

TEST_F(EditorControlsTest, LabelAutoSizeFitsTextAndFrame)
{
    TRzLabel l(nullptr);
    l.SetBorderOuter(TFrameStyleEx::fsFlat);
    l.SetCaption(QStringLiteral("Freq"));
    const TSize ext = l.Canvas()->TextExtent(QStringLiteral("Freq"));
    EXPECT_EQ(l.Width(), ext.cx + 2);
    EXPECT_EQ(l.Height(), ext.cy + 2);
    l.SetBounds(100, 0, l.Width(), l.Height());
    l.SetAlignment(TAlignment::taRightJustify);
    const int right = l.Left() + l.Width();
    l.SetCaption(QStringLiteral("Frequency"));
    EXPECT_EQ(l.Left() + l.Width(), right); // right-aligned labels keep their right edge
}

TEST_F(EditorControlsTest, RzButtonClassicFaceAndDisabledCaption)
{
    TRzButton b(nullptr);
    b.SetThemeAware(false);
    b.SetBounds(0, 0, 60, 24);
    QImage img = wtest::Render(&b);
    EXPECT_EQ(wtest::Pixel(img, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(wtest::Pixel(img, 59, 23), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(wtest::Pixel(img, 30, 2), ColorToRGB(clBtnFace));
    b.SetDefault(true); // the default button gets the window frame
    img = wtest::Render(&b);
    EXPECT_EQ(wtest::Pixel(img, 0, 0), ColorToRGB(clWindowFrame));
    EXPECT_EQ(wtest::Pixel(img, 1, 1), ColorToRGB(clBtnHighlight));

    const struct
    {
        TColor face, caption;
    } cases[] = { { clBtnFace, clGrayText }, { RGB(128, 128, 128), cl3DDkShadow } };
    for (const auto& c : cases) {
        TRzButton d(nullptr);
        d.SetThemeAware(false);
        d.SetBounds(0, 0, 60, 24);
        d.SetColor(c.face);
        d.SetCaption(QStringLiteral("Bypass"));
        d.SetEnabled(false);
        img = wtest::Render(&d);
        int n = 0;
        for (int y = 5; y < 19; ++y)
            for (int x = 5; x < 55; ++x)
                n += wtest::Pixel(img, x, y) == ColorToRGB(c.caption);
        EXPECT_GT(n, 0) << std::hex << c.face;
    }
}

} // namespace
