// Routing matrix toggles and the routing lines of the block diagram.

#include "EditorRig.h"

#include "device/McsCodes.h"
#include "ui/editors/EditorMath.h"

#include <gtest/gtest.h>

using namespace edtest;

TEST(EditorMatrix, LinesMoveDownWithTheWindow)
{
    const std::array<int, 6> masks { 1, 0, 2, 0, 0, 3 };
    const auto lines = editors::MatrixLines(masks, 97, 140);
    ASSERT_EQ(lines.size(), 4u);
    // InA first: Out1 and Out6; then InB: Out3 and Out6.
    EXPECT_EQ((std::array<int, 5> { lines[0].Input, lines[0].X1, lines[0].Y1, lines[0].X2, lines[0].Y2 }),
              (std::array<int, 5> { 0, 0, 41, 97, 20 }));
    EXPECT_EQ(lines[1].Y2, 206 + 120);
    EXPECT_EQ(lines[2].Y1, 166 + 70);
    EXPECT_EQ(lines[2].Y2, 83 + 60);
    EXPECT_EQ(lines[3].Y2, 206 + 120);
    EXPECT_TRUE(editors::MatrixLines({}, 97, 0).empty());
}

TEST(EditorMatrix, ToggleStoresOnlyItsOutput)
{
    EditorRig rig;
    rig.Form->SuppressSend = true;
    rig.Model.SetLink(4, 0b1100); // Out3 masters Out4: matrix masks are not shared
    rig.Model.SetLink(5, 0);
    rig.Model.SetMatrix(4, 1);
    rig.Model.SetMatrix(5, 1);
    rig.Form->SuppressSend = false;
    auto* b = rig.Get<rz::TRzBmpButton>("rzbBMatrixOut3");
    b->SetDown(true);
    b->Click();
    EXPECT_EQ(rig.Model.GetMatrix(4), 3);
    EXPECT_EQ(rig.Model.GetMatrix(5), 1);
    ASSERT_FALSE(rig.SentOf(MCS_CMD_MATRIX).empty());
    EXPECT_EQ(rig.SentOf(MCS_CMD_MATRIX).back().GetPayload()[0], 4);
    b->SetDown(false);
    b->Click();
    EXPECT_EQ(rig.Model.GetMatrix(4), 1);
}
