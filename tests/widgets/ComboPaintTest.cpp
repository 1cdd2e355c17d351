// The combo box's own painting over the system combo: the flat button and its hot face, the
// custom frame, owner-drawn items, and its window colour.
#include "WidgetTestSupport.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "widgets/RzCmboBx.h"

#include <QComboBox>

#include <gtest/gtest.h>

using namespace vcl;
using namespace rz;

namespace {

class ComboPaintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wtest::App();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(50, 50, 300, 200);
        form->SetColor(clYellow);
        combo = new TRzComboBox(form.get());
        combo->SetParent(form.get());
        combo->SetBounds(20, 20, 100, 22);
        for (const char* s : { "BW -6", "BL -6", "LK -12" })
            combo->Items()->Add(QString::fromLatin1(s));
        combo->SetItemIndex(0);
        other = new TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(20, 100, 80, 21);
    }

    // The focus comes to the box by Tab: its hot state.
    void FocusByTab()
    {
        wtest::WinClick(other, 5, 5);
        wtest::WinKey(form.get(), Qt::Key_Tab);
        ASSERT_TRUE(combo->Focused());
    }

    QImage Seen() { return combo->grab().toImage(); }
    TColor At(const QImage& img, int x, int y) { return FromQColor(img.pixelColor(x, y)); }

    std::unique_ptr<TForm> form;
    TRzComboBox* combo = nullptr;
    TEdit* other = nullptr;
};

TEST_F(ComboPaintTest, KeepsTheWindowColourOfItsOwnUnderAColouredParent)
{
    EXPECT_EQ(combo->Color(), clWindow);
    EXPECT_FALSE(combo->ParentColor());
    combo->SetColor(0x00FFFFDF);
    form->SetColor(clRed);
    EXPECT_EQ(combo->Color(), 0x00FFFFDF);
}

TEST_F(ComboPaintTest, FlatButtonIsPlainUntilHotThenRaised)
{
    combo->SetColor(0x00FFFFDF);
    combo->SetFlatButtons(true);
    ASSERT_TRUE(wtest::ShowActive(form.get()));
    const int bw = combo->ButtonWidth();
    const TRect button(combo->Width() - bw - 2, 2, combo->Width() - 2, combo->Height() - 2);
    QImage img = Seen();
    EXPECT_EQ(At(img, button.Left + 1, button.Top + 1), 0x00FFFFDF); // filled with the box's colour
    int arrow = 0;
    for (int y = button.Top; y < button.Bottom; ++y)
        for (int x = button.Left; x < button.Right; ++x)
            arrow += At(img, x, y) == clBlack;
    EXPECT_GT(arrow, 6); // the small solid triangle

    FocusByTab(); // the hot, raised face
    img = Seen();
    EXPECT_EQ(At(img, button.Left, button.Top), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(img, button.Right - 1, button.Bottom - 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(img, button.Left + 2, button.Top + 2), ColorToRGB(clBtnFace));
}

TEST_F(ComboPaintTest, FrameStylesAndTheHotFrame)
{
    combo->SetFrameVisible(true);
    combo->SetFrameColor(clRed);
    combo->SetFrameHotColor(clBlue);
    ASSERT_TRUE(wtest::ShowActive(form.get()));
    QImage img = Seen();
    EXPECT_EQ(At(img, 0, 5), clRed); // fsFlat: one line on every side
    EXPECT_EQ(At(img, 50, combo->Height() - 1), clRed);
    EXPECT_NE(At(img, 1, 5), clRed);

    combo->SetFrameSides({ TSide::sdBottom });
    img = Seen();
    EXPECT_NE(At(img, 0, 5), clRed);
    EXPECT_EQ(At(img, 50, combo->Height() - 1), clRed);

    combo->SetFrameHotTrack(true); // all sides again, and fsFlatBold in blue while hot
    FocusByTab();
    img = Seen();
    EXPECT_EQ(At(img, 1, 5), clBlue);
    EXPECT_EQ(At(img, 0, 5), clBlue);
    wtest::WinClick(other, 5, 5);

    combo->SetFrameHotTrack(false);
    combo->SetFrameStyle(TFrameStyleEx::fsLowered); // a 3-D frame in the system colours
    img = Seen();
    EXPECT_EQ(At(img, 0, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(img, 1, 5), ColorToRGB(cl3DDkShadow));
}

TEST_F(ComboPaintTest, OwnerDrawnItemsPaintTheFaceAndTheList)
{
    combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    combo->SetItemIndex(2);
    std::vector<int> drawn;
    bool editArea = false;
    combo->OnDrawItem = [&](TWinControl*, int index, TRect, TOwnerDrawState state) {
        drawn.push_back(index);
        editArea = editArea || state.Contains(TOwnerDrawStateItem::odComboBoxEdit);
    };
    ASSERT_TRUE(wtest::ShowActive(form.get()));
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 2), drawn.end());
    EXPECT_TRUE(editArea);

    // Without a handler the item's text is drawn on the box's colour.
    combo->OnDrawItem = nullptr;
    combo->SetColor(clAqua);
    const QImage img = Seen();
    int aqua = 0, dark = 0;
    for (int y = 3; y < combo->Height() - 3; ++y)
        for (int x = 3; x < combo->Width() - combo->ButtonWidth() - 3; ++x) {
            aqua += At(img, x, y) == clAqua;
            dark += qGray(img.pixel(x, y)) < 100;
        }
    EXPECT_GT(aqua, 100);
    EXPECT_GT(dark, 10); // "LK -12"
}

TEST_F(ComboPaintTest, ItsOwnFrameTurnsTheSystemEdgeOffAndBackToTheParents)
{
    EXPECT_TRUE(combo->Ctl3D());
    EXPECT_TRUE(combo->ParentCtl3D());
    combo->SetFrameVisible(true);
    EXPECT_FALSE(combo->Ctl3D());
    EXPECT_FALSE(combo->ParentCtl3D());
    combo->SetFrameVisible(false);
    EXPECT_TRUE(combo->Ctl3D());
    EXPECT_TRUE(combo->ParentCtl3D()); // the parent's edge again, not one of its own
}

} // namespace
