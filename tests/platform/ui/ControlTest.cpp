// Owner and parent lifetimes, alignment, and the own Visible/Enabled flags.
#include "ApplicationTestEnv.h"

#include "platform/ui/TCustomControl.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TWinControl.h"

#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class Box : public TWinControl
{
public:
    using TWinControl::TWinControl;
    std::vector<UINT> notices;
    void Dispatch(TMessage& m) override
    {
        if (m.Msg >= CM_BASE)
            notices.push_back(m.Msg);
        TWinControl::Dispatch(m);
    }
};

// Counts live instances so a test can see who was freed.
class Probe : public TGraphicControl
{
public:
    explicit Probe(TComponent* owner, int* live) : TGraphicControl(owner), m_live(live) { ++*m_live; }
    ~Probe() override { --*m_live; }

private:
    int* m_live;
};

class ControlTest : public ::testing::Test
{
protected:
    void SetUp() override { uitest::App(); }
};

TEST_F(ControlTest, OwnerFreesOwnedAndParentFreesChildrenOwnedElsewhere)
{
    int live = 0;
    auto* owner = new Box(nullptr);
    auto* panel = new Box(owner);
    panel->SetParent(owner);
    auto* ownedInPanel = new Probe(owner, &live); // owned by owner, shown on panel
    ownedInPanel->SetParent(panel);
    auto* unownedChild = new Probe(nullptr, &live); // no owner: its parent frees it
    unownedChild->SetParent(panel);
    ASSERT_EQ(live, 2);
    EXPECT_EQ(panel->ControlCount(), 2);

    delete ownedInPanel; // freed by hand: leaves both the owner's list and the parent's
    EXPECT_EQ(live, 1);
    EXPECT_EQ(panel->ControlCount(), 1);
    EXPECT_EQ(owner->ComponentCount(), 1);

    delete owner; // frees the panel it owns, and the panel its unowned child
    EXPECT_EQ(live, 0);
}

TEST_F(ControlTest, ParentFreedFirstLeavesOwnerConsistent)
{
    int live = 0;
    auto* owner = new Box(nullptr);
    auto* container = new Box(nullptr);
    auto* probe = new Probe(owner, &live);
    probe->SetParent(container);
    delete container; // the child goes with its parent and leaves its owner's list
    EXPECT_EQ(live, 0);
    EXPECT_EQ(owner->ComponentCount(), 0);
    delete owner;
}

TEST_F(ControlTest, AlignLaysOutEdgesThenClientAndFollowsResize)
{
    Box parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    auto* top = new Box(&parent);
    top->SetHeight(10);
    top->SetAlign(TAlign::alTop);
    top->SetParent(&parent);
    auto* bottom = new Box(&parent);
    bottom->SetHeight(20);
    bottom->SetAlign(TAlign::alBottom);
    bottom->SetParent(&parent);
    auto* left = new Box(&parent);
    left->SetWidth(30);
    left->SetAlign(TAlign::alLeft);
    left->SetParent(&parent);
    auto* right = new Box(&parent);
    right->SetWidth(40);
    right->SetAlign(TAlign::alRight);
    right->SetParent(&parent);
    auto* client = new Box(&parent);
    client->SetAlign(TAlign::alClient);
    client->SetParent(&parent);

    struct Case { TControl* c; TRect r; };
    const Case before[] = {
        { top, Rect(0, 0, 200, 10) }, { bottom, Rect(0, 80, 200, 100) }, { left, Rect(0, 10, 30, 80) },
        { right, Rect(160, 10, 200, 80) }, { client, Rect(30, 10, 160, 80) },
    };
    for (const Case& k : before)
        EXPECT_EQ(k.c->BoundsRect(), k.r);

    parent.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(client->BoundsRect(), Rect(30, 10, 260, 180));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 180, 300, 200));

    top->Hide(); // a hidden aligned control gives its room back
    EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 30, 180));
}

TEST_F(ControlTest, VisibleAndEnabledAreOwnFlagsWithNotices)
{
    Box parent(nullptr);
    auto* child = new Box(&parent);
    child->SetParent(&parent);
    parent.SetVisible(false);
    parent.SetEnabled(false);
    EXPECT_TRUE(child->Visible());
    EXPECT_TRUE(child->Enabled());
    EXPECT_FALSE(child->isEnabled()); // effective state follows the parent
    EXPECT_FALSE(child->CanFocus());

    child->notices.clear();
    child->SetVisible(false);
    child->SetEnabled(false);
    child->SetVisible(false); // no change, no notice
    const std::vector<UINT> expected { CM_VISIBLECHANGED, CM_ENABLEDCHANGED };
    EXPECT_EQ(child->notices, expected);
    parent.SetEnabled(true);
    EXPECT_FALSE(child->Enabled());
    EXPECT_FALSE(child->isEnabled());
}

TEST_F(ControlTest, ParentColorFollowsUntilOwnColourSet)
{
    Box parent(nullptr);
    auto* child = new Box(&parent);
    child->SetParent(&parent);
    parent.SetColor(clRed);
    EXPECT_EQ(child->Color(), clRed);
    EXPECT_TRUE(child->ParentColor());
    child->SetColor(clBlue);
    parent.SetColor(clLime);
    EXPECT_EQ(child->Color(), clBlue);
    EXPECT_FALSE(child->ParentColor());
}

} // namespace

namespace {

TEST_F(ControlTest, DoubleClickArrivesAsTheLibraryDeliversIt)
{
    Box box(nullptr);
    box.SetBounds(0, 0, 50, 50);
    std::vector<QString> seen;
    box.OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int x, int y) {
        seen.push_back(QStringLiteral("down%1 %2,%3").arg(s.Contains(TShiftStateItem::ssDouble) ? "+dbl" : "").arg(x).arg(y));
    };
    box.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { seen.push_back("up"); };
    box.OnClick = [&](TObject*) { seen.push_back("click"); };
    box.OnDblClick = [&](TObject*) { seen.push_back("dblclick"); };
    auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(5, 6), QPointF(5, 6), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    const std::vector<QString> expected { "down 5,6", "up", "click", "dblclick", "down+dbl 5,6", "up" };
    EXPECT_EQ(seen, expected);
}

} // namespace
