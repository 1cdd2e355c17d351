// What users do with the mouse and keys on the main window itself: dragging a delay marker along
// its line, and typing into the boxes that only show values.

#include "EditorRig.h"
#include "WindowInput.h"

#include "device/McsCodes.h"
#include "ui/FMainLayoutNames.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace edtest;

namespace {

// The delay the line's mouse rule gives for a drag to x (the line's coordinates).
int DragTarget(int x, int lineWidth, int max)
{
    const int clipped = std::min(x, lineWidth - 75) - 15;
    const long long position = static_cast<long long>(static_cast<double>(clipped) * max / (lineWidth - 90));
    return static_cast<int>(std::clamp<long long>(position, 0, max));
}

} // namespace

TEST(WindowEntry, DelayMarkerDragsAlongItsLine)
{
    EditorRig rig;
    ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuDelay"));
    QWindow* window = rig.Form->windowHandle();
    ASSERT_NE(window, nullptr);
    // Pressed at a point of the marker (its left edge + dx), dragged to x on the line, released.
    const struct { const char* ch; int dx; int toX; bool drags; } cases[] = {
        { "InA", 15, 200, true },    // the marker's middle, to the right
        { "InB", 2, 90, true },      // its left edge
        { "Out1", 28, 470, true },   // its right edge, past the line's end: the maximum
        { "Out3", 15, 300, true },
        { "Out6", 15, -50, true },   // left of the line's start: no delay
        { "Out2", 60, 300, false },  // the line beside the marker: no drag
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ch);
        const QString sfx = QString::fromLatin1(c.ch);
        auto* fader = rig.Get<TAdvTrackBar>(QStringLiteral("isDelay") + sfx);
        auto* marker = rig.Get<vcl::TControl>(QStringLiteral("imDelay") + sfx);
        auto* line = rig.Get<vcl::TControl>(QStringLiteral("lbDelayLine") + sfx);
        fader->SetPosition(sfx == QStringLiteral("Out6") ? 30000 : 6000); // the marker moves along
        const int before = fader->Position();
        rig.Tap.Sent.clear();
        const QPoint press = marker->mapTo(rig.Form, QPoint(c.dx, marker->height() / 2));
        const QPoint to = line->mapTo(rig.Form, QPoint(c.toX, line->height() / 2));
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, press);
        QTest::mouseMove(window, (press + to) / 2);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
        QApplication::processEvents();
        if (!c.drags) {
            EXPECT_EQ(fader->Position(), before);
            EXPECT_TRUE(rig.SentOf(MCS_CMD_DELAY).empty());
            continue;
        }
        const int expected = DragTarget(c.toX, line->Width(), fader->Max());
        EXPECT_EQ(fader->Position(), expected);
        EXPECT_EQ(rig.Model.GetDelay(fader->Tag()), expected);
        EXPECT_FALSE(rig.SentOf(MCS_CMD_DELAY).empty());
        EXPECT_EQ(marker->Left(), static_cast<int>(static_cast<long long>(expected) * (line->Width() - 90) / fader->Max() + 40));
        EXPECT_EQ(rig.Form->Editors().Delay().DragState(), 0) << "the release ends the drag";
    }
}

// Boxes that only show values: typing real keys into them changes neither the box nor anything else.
TEST(WindowEntry, ReadOnlyBoxesTakeNoTyping)
{
    EditorRig rig;
    const struct { const char* page; const char* stem; } boxes[] = {
        { nullptr, "cvdGain" },      { nullptr, "cvdEqFreq" },     { nullptr, "cvdEqBw" },
        { nullptr, "cvdEqGain" },    { nullptr, "cvdLowCutFreq" }, { nullptr, "cvdHighCutFreq" },
        { "rzbMenuGain", "cvdGainBackup" },
    };
    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        const QString sfx = layout::ChannelSuffix(ch);
        for (const auto& b : boxes) {
            const QString name = QString::fromLatin1(b.stem) + sfx;
            SCOPED_TRACE(name.toStdString());
            ShowPageByClick(*rig.Form, b.page ? QString::fromLatin1(b.page) : layout::PageButtonName(ch));
            auto* box = rig.Get<TCurvyEdit>(name);
            ASSERT_NE(box, nullptr);
            const QString shown = box->Text();
            rig.Tap.Sent.clear();
            ClickOnWindow(*rig.Form, box);
            for (const char* typed : { "1000", "nan" }) {
                KeyOnWindow(*rig.Form, Qt::Key_End);
                TypeOnWindow(*rig.Form, QString::fromLatin1(typed));
                KeyOnWindow(*rig.Form, Qt::Key_Return);
                EXPECT_EQ(box->Text(), shown) << typed;
            }
            KeyOnWindow(*rig.Form, Qt::Key_Backspace);
            KeyOnWindow(*rig.Form, Qt::Key_Delete);
            EXPECT_EQ(box->Text(), shown) << "erased";
            EXPECT_TRUE(box->ReadOnly());
            EXPECT_TRUE(rig.Tap.Sent.empty()) << "nothing sent";
        }
    }
}
