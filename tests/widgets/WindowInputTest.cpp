// Buttons under input that enters at the top-level window: grabs, masks, focus and the form's
// dialog keys and accelerators work as the window system delivers them.
#include "WidgetTestSupport.h"

#include "platform/images/BmpCodec.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzButton.h"
#include "widgets/RzPanel.h"
#include "widgets/VrButtons.h"

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

class WindowInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wtest::App();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 320, 240);
        form->SetColor(clYellow);
    }

    void Show() { ASSERT_TRUE(wtest::ShowActive(form.get())); }

    std::unique_ptr<TForm> form;
};

// A red 10 x 10 square at (5, 5) on teal, the transparent colour (bottom-left pixel).
void Square(TBitmap& b)
{
    b.SetSize(20, 20);
    b.Canvas()->Brush()->SetColor(clTeal);
    b.Canvas()->FillRect(TRect(0, 0, 20, 20));
    b.Canvas()->Brush()->SetColor(clRed);
    b.Canvas()->FillRect(TRect(5, 5, 15, 15));
}

TEST_F(WindowInputTest, ShapeButtonPaintsItsShapeAndTakesClicksOnlyThere)
{
    auto* shape = new TRzShapeButton(form.get());
    shape->SetParent(form.get());
    TBitmap src;
    Square(src);
    shape->SetBitmap(&src);
    shape->SetBounds(40, 40, 0, 0); // sized to the bitmap
    int clicks = 0, formDowns = 0;
    shape->OnClick = [&](TObject*) { ++clicks; };
    form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++formDowns; };
    Show();

    const QImage seen = form->grab().toImage();
    const QPoint inside = wtest::InWindow(shape, 10, 10), corner = wtest::InWindow(shape, 1, 1);
    EXPECT_EQ(FromQColor(seen.pixelColor(inside)), clRed);
    EXPECT_EQ(FromQColor(seen.pixelColor(corner)), clYellow); // the form shows around the shape

    wtest::WinClick(shape, 1, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(formDowns, 1); // the transparent corner belongs to the form
    wtest::WinClick(shape, 10, 10);
    EXPECT_EQ(clicks, 1);
    shape->SetPreciseClick(false);
    wtest::WinClick(shape, 1, 1);
    EXPECT_EQ(clicks, 2);
}

TEST(ShapeButtonFormData, ThirtyTwoBitImagesUseThePlainBitmapHeader)
{
    wtest::App();
    TRzShapeButton plate(nullptr);
    plate.SetBevelWidth(0);
    plate.SetBorderStyle(TRzBorderStyle::bsNone);
    TBitmap src;
    src.SetSize(69, 230);
    src.Canvas()->Brush()->SetColor(clNavy);
    src.Canvas()->FillRect(TRect(0, 0, 69, 230));
    src.Canvas()->SetPixels(3, 4, clWhite);
    plate.SetBitmap(&src);
    QByteArray up, down;
    ASSERT_TRUE(plate.WriteBitmapUp(up));
    ASSERT_TRUE(plate.WriteBitmapDown(down));
    EXPECT_EQ(up.size(), 63534);
    EXPECT_EQ(down.size(), 63534);
    EXPECT_EQ(static_cast<unsigned char>(up[14]), 40); // the information header's size
    EXPECT_EQ(static_cast<unsigned char>(up[28]), 32);
    const QImage back = BmpCodec::Decode(up);
    EXPECT_EQ(back.size(), QSize(69, 230));
    EXPECT_EQ(FromQColor(back.pixelColor(3, 4)), clWhite);
    EXPECT_EQ(FromQColor(back.pixelColor(60, 200)), clNavy);
}

TEST_F(WindowInputTest, PowerButtonDraggedOutBeforeReleaseChangesNothing)
{
    auto* power = new vr::TVrPowerButton(form.get());
    power->SetParent(form.get());
    power->SetBounds(10, 10, 47, 16);
    power->SetCaption("Out1");
    int clicks = 0;
    power->OnClick = [&](TObject*) { ++clicks; };
    Show();

    wtest::WinPress(power, 5, 5);
    wtest::WinMove(power, 150, 100);
    wtest::WinRelease(power, 150, 100);
    EXPECT_FALSE(power->Active());
    EXPECT_EQ(clicks, 0);

    wtest::WinPress(power, 5, 5);
    wtest::WinMove(power, 150, 100);
    wtest::WinMove(power, 20, 8); // back in before the release
    wtest::WinRelease(power, 20, 8);
    EXPECT_TRUE(power->Active());
    EXPECT_EQ(clicks, 1);
}

TEST_F(WindowInputTest, EnterAndEscReachTheDefaultAndCancelButtons)
{
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 100, 21);
    auto* ok = new TRzButton(form.get());
    ok->SetParent(form.get());
    ok->SetBounds(10, 60, 75, 25);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = new TRzButton(form.get());
    cancel->SetParent(form.get());
    cancel->SetBounds(100, 60, 75, 25);
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    int okClicks = 0, cancelClicks = 0;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    cancel->OnClick = [&](TObject*) { ++cancelClicks; };
    Show();
    wtest::WinClick(edit, 5, 5);
    ASSERT_TRUE(edit->Focused());

    wtest::WinKey(form.get(), Qt::Key_Return);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(form->ModalResult(), mrOk);
    wtest::WinKey(form.get(), Qt::Key_Escape);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_EQ(form->ModalResult(), mrCancel);
}

TEST_F(WindowInputTest, AcceleratorsClickButtonsAndFocusAGroupBoxChild)
{
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 100, 21);
    auto* apply = new TRzButton(form.get());
    apply->SetParent(form.get());
    apply->SetBounds(10, 60, 75, 25);
    apply->SetCaption("&Apply");
    auto* bmp = new TRzBmpButton(form.get());
    bmp->SetParent(form.get());
    bmp->SetBounds(100, 60, 60, 25);
    bmp->SetCaption("&Bypass");
    auto* power = new vr::TVrPowerButton(form.get());
    power->SetParent(form.get());
    power->SetBounds(170, 60, 60, 16);
    power->SetCaption("&Show");
    auto* box = new TRzGroupBox(form.get());
    box->SetParent(form.get());
    box->SetBounds(10, 100, 200, 80);
    box->SetCaption("&Gate");
    auto* inBox = new TEdit(form.get());
    inBox->SetParent(box);
    inBox->SetBounds(10, 30, 80, 21);
    int applied = 0, bypassed = 0, shown = 0;
    apply->OnClick = [&](TObject*) { ++applied; };
    bmp->OnClick = [&](TObject*) { ++bypassed; };
    power->OnClick = [&](TObject*) { ++shown; };
    Show();
    wtest::WinClick(edit, 5, 5);

    wtest::WinType(form.get(), "a"); // an edit keeps plain characters
    EXPECT_EQ(edit->Text(), "a");
    EXPECT_EQ(applied, 0);
    wtest::WinKey(form.get(), Qt::Key_A, Qt::AltModifier);
    wtest::WinKey(form.get(), Qt::Key_B, Qt::AltModifier);
    wtest::WinKey(form.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(bypassed, 1);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(power->Active());
    EXPECT_EQ(edit->Text(), "a");
    wtest::WinKey(form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(inBox->Focused());
}

} // namespace
