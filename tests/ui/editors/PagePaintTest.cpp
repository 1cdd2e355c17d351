// Every page shown by a click on its button paints without a paint inside a paint: the band editors
// build their rows as their page is shown, never while painting. The run at scale 2 (its own CTest
// entry) is where a fault here crashed rather than logged.

#include "EditorRig.h"
#include "WindowInput.h"

#include "controls/PeqEdit.h"
#include "ui/FMainLayoutNames.h"

#include <gtest/gtest.h>

using namespace edtest;

namespace {

// The band editor's frequency, Q and gain boxes that are on screen.
int VisibleBandBoxes(const TMyPEQAllpass& peq)
{
    int n = 0;
    for (const QWidget* w : peq.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (const auto* e = dynamic_cast<const PeqEdit*>(w))
            n += e->isVisible() ? 1 : 0;
    return n;
}

} // namespace

TEST(PagePaint, EveryPageShowsAndPaintsWithItsBandRowsBuilt)
{
    EditorRig rig;
    ShowWindow(*rig.Form);
    for (int page = 0; page < layout::PageCount; ++page) {
        SCOPED_TRACE(layout::PageButtonName(page).toStdString());
        ShowPageByClick(*rig.Form, layout::PageButtonName(page));
        rig.Form->repaint(); // the whole window at once, as an expose paints it
        QApplication::processEvents();
        if (page < layout::ChannelCount) {
            auto* peq = rig.Get<TMyPEQAllpass>(QStringLiteral("peqPeq") + layout::ChannelSuffix(page));
            ASSERT_NE(peq, nullptr);
            EXPECT_EQ(VisibleBandBoxes(*peq), 3 * peq->GetChannelNumber()) << "one row of boxes per band";
        }
    }
    // A page shown again and the window resized lay the rows out again without a paint inside a paint.
    ShowPageByClick(*rig.Form, layout::PageButtonName(0));
    rig.Form->SetBounds(rig.Form->Left(), rig.Form->Top(), rig.Form->Width() + 120, rig.Form->Height() + 60);
    rig.Form->repaint();
    QApplication::processEvents();
}

TEST(PagePaint, HiddenPagesBuildNoBandRowsAtStart)
{
    EditorRig rig;
    ShowWindow(*rig.Form);
    // The editors of the channel pages out of sight at start have built none of their rows.
    int hidden = 0;
    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        auto* peq = rig.Get<TMyPEQAllpass>(QStringLiteral("peqPeq") + layout::ChannelSuffix(ch));
        ASSERT_NE(peq, nullptr);
        if (peq->isVisible())
            continue;
        ++hidden;
        int built = 0;
        for (const QWidget* w : peq->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            built += dynamic_cast<const PeqEdit*>(w) ? 1 : 0;
        EXPECT_EQ(built, 0) << layout::ChannelSuffix(ch).toStdString();
    }
    EXPECT_GE(hidden, layout::ChannelCount - 1);
}
