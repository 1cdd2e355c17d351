// Anchors and size limits as a real window is resized, the Ctl3D flags passed down to children, and a
// tab order set before a control has its parent.
#include "ApplicationTestEnv.h"

#include "platform/ui/TForm.h"
#include "platform/ui/TPanel.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

using enum TAnchorKind;

// A shown form of client size 400 x 300, resized as the window system resizes it.
class ControlLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        uitest::App();
        form = std::make_unique<TForm>(nullptr);
        form->SetClientWidth(400);
        form->SetClientHeight(300);
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // A panel on the form, as the windows create theirs.
    TPanel* AddPanel(const TRect& bounds)
    {
        auto* panel = new TPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBoundsRect(bounds);
        return panel;
    }

    void ResizeClientTo(int width, int height)
    {
        const int frameW = form->Width() - form->ClientWidth();
        const int frameH = form->Height() - form->ClientHeight();
        form->resize(width + frameW, height + frameH);
        ASSERT_TRUE(uitest::SpinUntil([&] { return form->ClientWidth() == width && form->ClientHeight() == height; }));
    }

    std::unique_ptr<TForm> form;
};

TEST_F(ControlLayout, EachAnchorCombinationFollowsTheResizedWindowAndComesBack)
{
    const TRect start(50, 40, 150, 100); // centre (100, 70)
    struct Case
    {
        const char* what;
        TAnchors anchors;
        TRect grown; // client 500 x 360
    };
    const Case cases[] = {
        { "left top (default)", { akLeft, akTop }, start },
        { "right bottom", { akRight, akBottom }, TRect(150, 100, 250, 160) },
        { "all four stretch", { akLeft, akTop, akRight, akBottom }, TRect(50, 40, 250, 160) },
        { "left right, no vertical", { akLeft, akRight }, TRect(50, 54, 250, 114) },
        { "top right", { akTop, akRight }, TRect(150, 40, 250, 100) },
        { "left top bottom", { akLeft, akTop, akBottom }, TRect(50, 40, 150, 160) },
        { "none keeps the centre's proportion", {}, TRect(75, 54, 175, 114) },
        { "bottom only", { akBottom }, TRect(75, 100, 175, 160) },
    };
    std::vector<TPanel*> panels;
    for (const Case& c : cases) {
        TPanel* p = AddPanel(start);
        p->SetAnchors(c.anchors);
        panels.push_back(p);
    }
    ResizeClientTo(500, 360);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(panels[i]->BoundsRect(), cases[i].grown) << cases[i].what;
    ResizeClientTo(400, 300);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(panels[i]->BoundsRect(), start) << cases[i].what;
    // Moved by the program, a control follows the window from its new place.
    panels[1]->SetBounds(10, 10, 30, 30);
    ResizeClientTo(420, 310);
    EXPECT_EQ(panels[1]->BoundsRect(), TRect(30, 20, 60, 50));
}

TEST_F(ControlLayout, AlignPlacesTheControlWhateverItsAnchors)
{
    const TAnchors all { akLeft, akTop, akRight, akBottom };
    TPanel* top = AddPanel(TRect(0, 0, 50, 30));
    top->SetAnchors(all);
    top->SetAlign(TAlign::alTop);
    TPanel* right = AddPanel(TRect(0, 0, 40, 50));
    right->SetAnchors({ akLeft, akTop });
    right->SetAlign(TAlign::alRight);
    ResizeClientTo(500, 360);
    EXPECT_EQ(top->BoundsRect(), TRect(0, 0, 500, 30));
    EXPECT_EQ(right->BoundsRect(), TRect(460, 30, 500, 360));
    // Back to alNone, the anchors work from where alignment left the control.
    top->SetAlign(TAlign::alNone);
    ResizeClientTo(450, 400);
    EXPECT_EQ(top->BoundsRect(), TRect(0, 0, 450, 70));
}

TEST_F(ControlLayout, ConstraintsClampEverySizeChange)
{
    TPanel* p = AddPanel(TRect(50, 40, 150, 100));
    p->SetAnchors({ akLeft, akTop, akRight, akBottom });
    p->Constraints()->SetMaxWidth(150);
    p->Constraints()->SetMinHeight(50);
    ResizeClientTo(500, 360);
    EXPECT_EQ(p->BoundsRect(), TRect(50, 40, 200, 160)); // stretched 200 wide, held to 150
    ResizeClientTo(400, 260);
    EXPECT_EQ(p->BoundsRect(), TRect(50, 40, 150, 90)); // 20 high, held to 50
    ResizeClientTo(400, 300);
    EXPECT_EQ(p->BoundsRect(), TRect(50, 40, 150, 100)); // the rule kept the unclamped place

    // SetBounds by the program, and a limit set applies at once.
    p->SetBounds(0, 0, 500, 10);
    EXPECT_EQ(p->BoundsRect(), TRect(0, 0, 150, 50));
    p->Constraints()->SetMaxHeight(40); // below the minimum: the minimum follows
    EXPECT_EQ(p->Constraints()->MinHeight(), 40);
    EXPECT_EQ(p->Height(), 40);
    p->Constraints()->SetMinWidth(170); // above the maximum: the maximum follows
    EXPECT_EQ(p->Constraints()->MaxWidth(), 170);
    EXPECT_EQ(p->Width(), 170);

    // Alignment is clamped too.
    TPanel* client = AddPanel(TRect(0, 0, 10, 10));
    client->Constraints()->SetMaxWidth(120);
    client->SetAlign(TAlign::alClient);
    EXPECT_EQ(client->Width(), 120);
    EXPECT_EQ(client->Height(), 300);
}

TEST_F(ControlLayout, Ctl3DComesFromTheParentWhileParentCtl3D)
{
    TPanel* outer = AddPanel(TRect(0, 0, 200, 200));
    auto* inner = new TPanel(form.get());
    inner->SetParent(outer);
    EXPECT_TRUE(inner->Ctl3D());
    EXPECT_TRUE(inner->ParentCtl3D());

    form->SetCtl3D(false);
    EXPECT_FALSE(form->ParentCtl3D());
    EXPECT_FALSE(outer->Ctl3D());
    EXPECT_FALSE(inner->Ctl3D());
    EXPECT_TRUE(inner->ParentCtl3D());

    outer->SetCtl3D(true); // its own value from now on
    EXPECT_FALSE(outer->ParentCtl3D());
    EXPECT_TRUE(inner->Ctl3D());
    outer->SetParentCtl3D(true);
    EXPECT_FALSE(outer->Ctl3D());
    EXPECT_FALSE(inner->Ctl3D());

    // A control given a parent takes the parent's value.
    auto* late = new TPanel(form.get());
    EXPECT_TRUE(late->Ctl3D());
    late->SetParent(outer);
    EXPECT_FALSE(late->Ctl3D());
}

TEST_F(ControlLayout, TabOrderSetBeforeTheParentIsTakenWithIt)
{
    TPanel* a = AddPanel(TRect(0, 0, 10, 10));
    TPanel* b = AddPanel(TRect(0, 0, 10, 10));
    auto* c = new TPanel(form.get());
    EXPECT_EQ(c->TabOrder(), -1);
    c->SetTabOrder(0);
    c->SetParent(form.get());
    EXPECT_EQ(c->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    EXPECT_EQ(b->TabOrder(), 2);
}

} // namespace
