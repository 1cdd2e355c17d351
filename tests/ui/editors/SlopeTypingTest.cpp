// A crossover slope typed on the shown main window: the keys go where the window system sends
// them, and the completed slope reaches the device.

#include "EditorRig.h"

#include "device/McsCodes.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace edtest;

namespace {

QPoint InWindow(QWidget* w, int x, int y) { return w->mapTo(w->window(), QPoint(x, y)); }

void Click(QWidget* w, int x, int y)
{
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(w, x, y));
}

} // namespace

TEST(EditorCrossover, TypingLIntoASlopeBoxSendsLinkwitzRiley12)
{
    EditorRig rig;
    rig.Form->SetVisible(true);
    rig.Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.Form));
    Click(rig.Get<rz::TRzBmpButton>("rzbMenuOut1"), 5, 5); // the Out1 page, as a user opens it
    auto* bypass = rig.Get<rz::TRzBmpButton>("rzbLowCutBypassOut1");
    if (bypass->Down())
        Click(bypass, 3, 3);
    ASSERT_FALSE(bypass->Down());
    auto* slope = rig.Get<rz::TRzComboBox>("rzcLowCutSlopOut1");
    ASSERT_TRUE(slope->Visible() && slope->isVisible());
    Click(slope, 8, slope->Height() / 2);
    ASSERT_TRUE(slope->Focused());
    rig.Tap.Sent.clear();

    QTest::keyClick(rig.Form->windowHandle(), Qt::Key_A, Qt::ControlModifier); // the whole text selected
    QTest::keyClick(rig.Form->windowHandle(), 'l');
    EXPECT_EQ(slope->Text(), "LK -12");
    EXPECT_EQ(slope->ItemIndex(), 4);
    const auto sent = rig.SentOf(MCS_CMD_HIGH_PASS);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().GetPayload()[3], 5);
    EXPECT_EQ(rig.Model.GetHpLp(2).HpSlope, 5);
}
