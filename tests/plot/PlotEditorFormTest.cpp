// The plot's property editor opened from the plot's toolbar and used as a user uses it: every page
// changes its object through clicks and keys on the editor's window.

#include "PlotEditorTestSupport.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotLabel.h"
#include "plot/iPlotLayoutViewer.h"
#include "plot/iPlotLegend.h"
#include "plot/iPlotLimit.h"
#include "plot/iPlot.h"
#include "plot/iPlotStripChannel.h"
#include "plot/iPlotTable.h"

#include "platform/ui/TLabel.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

using namespace vcl;
using ptest::PlotEditorTest;

TEST_F(PlotEditorTest, TheToolBarsEditButtonOpensTheModalEditorLoadedFromThePlotAndItRemembersItsPages)
{
    plot->SetEditorFormStyle(TiPlotFormStyle::ipfsModal);
    plot->SetTitleText(QStringLiteral("Levels"));
    plot->SetUpdateFrameRate(42);
    int opened = 0;
    int closed = 0;
    plot->OnAfterOpenEditor = [&](TObject*) { ++opened; };
    plot->OnAfterCloseEditor = [&](TObject*) { ++closed; };
    QString seenTitle;
    QString seenRate;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        editor = plot->Master()->EditorForm();
        ASSERT_NE(editor, nullptr);
        modal = editor->Modal();
        seenTitle = Find<TiComponentEditorEdit>(QStringLiteral("TitleTextEdit"))->Text();
        seenRate = Find<TiComponentEditorEdit>(QStringLiteral("UpdateFrameRateEdit"))->Text();
        ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("Channels"));
        editor->Close();
    });
    ClickEditButton();
    EXPECT_TRUE(modal);
    EXPECT_EQ(seenTitle, QStringLiteral("Levels"));
    EXPECT_EQ(seenRate, QStringLiteral("42"));
    EXPECT_EQ(plot->Master()->EditorForm(), nullptr) << "a modal editor goes when it closes";
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(closed, 1);

    int shownPage = -1;
    QTimer::singleShot(0, [&] {
        editor = plot->Master()->EditorForm();
        shownPage = Find<TiComponentEditorPageControl>(QStringLiteral("MainPageControl"))->ActivePageIndex();
        editor->Close();
    });
    ClickEditButton();
    EXPECT_EQ(shownPage, 2) << "opened again on the Channels page";
}

namespace {

// One change on one page, as a user makes it, and what the plot then holds.
struct PageEdit
{
    const char* Page;
    const char* Tab; // on the page's own page control; nullptr: the first tab
    const char* Control;
    const char* Typed; // nullptr: a click (check box)
    std::function<QString(TiXYPlot*)> Result;
    const char* Expected;
};

QString Num(double V) { return QString::number(V); }

} // namespace

TEST_F(PlotEditorTest, AChangeOnEachPageReachesItsObject)
{
    ASSERT_NE(OpenEditor(), nullptr);
    const PageEdit edits[] = {
        { "Control", nullptr, "UpdateFrameRateEdit", "30", [](TiXYPlot* p) { return Num(p->UpdateFrameRate()); }, "30" },
        { "Control", "Print", "PrintDocumentNameEdit", "Levels", [](TiXYPlot* p) { return p->PrintDocumentName(); },
          "Levels" },
        { "Channels", nullptr, "ChannelNameEdit", "Left", [](TiXYPlot* p) { return p->Channel(0)->Name(); }, "Left" },
        { "Channels", "Trace", "ChannelTraceLineWidthEdit", "3",
          [](TiXYPlot* p) { return Num(p->Channel(0)->TraceLineWidth()); }, "3" },
        { "Cursors", nullptr, "DataCursorPointer1PositionEdit", "25",
          [](TiXYPlot* p) { return Num(p->DataCursor(0)->Pointer1Position()); }, "25" },
        { "Limits", nullptr, "LimitLineWidthEdit", "4", [](TiXYPlot* p) { return Num(p->Limit(0)->LineWidth()); }, "4" },
        { "Labels", nullptr, "LabelCaptionEdit", "Peak", [](TiXYPlot* p) { return p->Label(0)->Caption(); }, "Peak" },
        { "X-Axes", nullptr, "XAxisSpanEdit", "50", [](TiXYPlot* p) { return Num(p->XAxis(0)->Span()); }, "50" },
        { "Y-Axes", "Title", "YAxisTitleEdit", "dB", [](TiXYPlot* p) { return p->YAxis(0)->Title(); }, "dB" },
        { "Legend", nullptr, "LegendColumnSpacingEdit", "2",
          [](TiXYPlot* p) { return Num(p->Legend(0)->ColumnSpacing()); }, "2" },
        { "Tables", nullptr, "TableRowsMaxEdit", "7", [](TiXYPlot* p) { return Num(p->Table(0)->RowsMax()); }, "7" },
        { "ToolBar", nullptr, "ToolBarShowCopyButtonCheckBox", nullptr,
          [](TiXYPlot* p) { return Num(p->ToolBar(0)->ShowCopyButton()); }, "0" },
        { "Data View", nullptr, "DataViewGridShowCheckBox", nullptr,
          [](TiXYPlot* p) { return Num(p->DataView(0)->GridShow()); }, "0" },
    };
    const QHash<QString, QString> pageControls { { "Control", "ControlPageControl" }, { "Channels", "ChannelPageControl" },
                                                 { "Y-Axes", "YAxisPageControl" } };
    for (const PageEdit& e : edits) {
        SCOPED_TRACE(e.Control);
        ShowTab(QStringLiteral("MainPageControl"), QString::fromLatin1(e.Page));
        if (e.Tab)
            ShowTab(pageControls.value(QString::fromLatin1(e.Page)), QString::fromLatin1(e.Tab));
        if (e.Typed)
            Type(QString::fromLatin1(e.Control), QString::fromLatin1(e.Typed));
        else
            Click(Find<TControl>(QString::fromLatin1(e.Control)));
        EXPECT_EQ(e.Result(plot), QString::fromLatin1(e.Expected));
    }
}

TEST_F(PlotEditorTest, ListsAndTypedFormatsReachTheAxis)
{
    ASSERT_NE(OpenEditor(), nullptr);
    ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("X-Axes"));
    ShowTab(QStringLiteral("XAxisPageControl"), QStringLiteral("Labels"));
    StepDown(QStringLiteral("XAxisLabelsFormatStyleComboBox"), 3);
    EXPECT_EQ(plot->XAxis(0)->LabelsFormatStyle(), TiPlotTextFormat::iptfDateTime) << "the fourth item";
    Type(QStringLiteral("XAxisDateTimeFormatComboBox"), QStringLiteral("hh:nn"));
    EXPECT_EQ(plot->XAxis(0)->DateTimeFormat(), QStringLiteral("hh:nn")) << "a format that is not in the list";

    ShowTab(QStringLiteral("XAxisPageControl"), QStringLiteral("Tracking"));
    StepDown(QStringLiteral("XAxisTrackingAlignFirstStyleComboBox"), 0);
    auto* align = Find<TiComponentEditorComboBox>(QStringLiteral("XAxisTrackingAlignFirstStyleComboBox"));
    EXPECT_EQ(align->Text(), QStringLiteral("Auto")) << "the X axis aligns its first value automatically";
    QTest::keyClick(editor->windowHandle(), Qt::Key_Up); // "Max"
    ptest::Settle();
    EXPECT_EQ(plot->XAxis(0)->TrackingAlignFirstStyle(), TiPlotAlignFirstStyle::ipafsMax);
}

TEST_F(PlotEditorTest, CartesianChildAxisListsOfferTheOtherKindsNames)
{
    plot->AddXAxis();
    ASSERT_NE(OpenEditor(), nullptr);
    auto names = [this](const char* Combo) {
        auto* combo = Find<TiComponentEditorComboBox>(QString::fromLatin1(Combo));
        combo->OnDropDown(combo);
        return combo->Items()->ToStringList();
    };
    EXPECT_EQ(names("XAxisCartesianChildRefAxisNameComboBox"), (QStringList { "<None>", "Y-Axis 1" }));
    EXPECT_EQ(names("YAxisCartesianChildRefAxisNameComboBox"), (QStringList { "<None>", "X-Axis 1", "X-Axis 2" }));
    EXPECT_EQ(names("DataViewGridXAxisNameComboBox"), (QStringList { "<None>", "X-Axis 1", "X-Axis 2", "<All>" }));
    EXPECT_EQ(names("DataCursorChannelNameComboBox"), (QStringList { "<All>", "Channel 1" }));
}

TEST_F(PlotEditorTest, WithoutDataCursorsTheirPageIsDisabledAndAddStillWorks)
{
    plot->DeleteDataCursor(0);
    ASSERT_NE(OpenEditor(), nullptr);
    ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("Cursors"));
    auto* name = Find<TiComponentEditorEdit>(QStringLiteral("DataCursorNameEdit"));
    EXPECT_FALSE(name->Enabled());
    EXPECT_FALSE(Find<TControl>(QStringLiteral("DataCursorRemoveButton"))->Enabled());
    EXPECT_FALSE(Find<TControl>(QStringLiteral("DataCursorStyleComboBox"))->Enabled());
    ASSERT_TRUE(Find<TControl>(QStringLiteral("iDataCursorAddButton"))->Enabled());

    Click(Find<TControl>(QStringLiteral("iDataCursorAddButton")));
    ASSERT_EQ(plot->DataCursorCount(), 1);
    EXPECT_TRUE(name->Enabled());
    EXPECT_EQ(name->Text(), plot->DataCursor(0)->Name());
    EXPECT_TRUE(Find<TControl>(QStringLiteral("DataCursorRemoveButton"))->Enabled());
}

TEST_F(PlotEditorTest, AddingAndRemovingChannelsKeepsTheListAndThePageInStep)
{
    ASSERT_NE(OpenEditor(), nullptr);
    ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("Channels"));
    auto* tabs = Find<TiComponentEditorPageControl>(QStringLiteral("ChannelPageControl"));
    QStringList shown;
    for (int i = 0; i < tabs->PageCount(); ++i)
        if (tabs->Pages(i)->TabVisible())
            shown << tabs->Pages(i)->Caption();
    EXPECT_EQ(shown, (QStringList { "General", "Trace", "Marker", "File I/O", "Stats" })) << "an XY plot's channels";
    EXPECT_FALSE(Find<TControl>(QStringLiteral("ChannelFastDrawEnabledCheckBox"))->isVisible());
    auto* list = Find<TiComponentEditorListBox>(QStringLiteral("ChannelListBox"));
    auto* name = Find<TiComponentEditorEdit>(QStringLiteral("ChannelNameEdit"));
    Click(Find<TControl>(QStringLiteral("iChannelAddButton")));
    ASSERT_EQ(plot->ChannelCount(), 2);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(name->Text(), plot->Channel(1)->Name());

    Click(Find<TControl>(QStringLiteral("ChannelRemoveButton")));
    EXPECT_EQ(plot->ChannelCount(), 1);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(name->Text(), plot->Channel(0)->Name());
    Click(Find<TControl>(QStringLiteral("ChannelRemoveButton")));
    EXPECT_EQ(plot->ChannelCount(), 0);
    EXPECT_FALSE(name->Enabled());
    EXPECT_TRUE(name->Text().isEmpty());
    EXPECT_FALSE(Find<TControl>(QStringLiteral("ChannelRemoveButton"))->Enabled());
}

TEST_F(PlotEditorTest, TheTitleIsTheFirstLabelOnBothPages)
{
    ASSERT_NE(OpenEditor(), nullptr);
    ShowTab(QStringLiteral("ControlPageControl"), QStringLiteral("Title"));
    Type(QStringLiteral("TitleTextEdit"), QStringLiteral("Gate"));
    EXPECT_EQ(plot->Label(0)->Caption(), QStringLiteral("Gate"));
    EXPECT_EQ(Find<TiComponentEditorEdit>(QStringLiteral("LabelCaptionEdit"))->Text(), QStringLiteral("Gate"));

    ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("Labels"));
    EXPECT_FALSE(Find<TControl>(QStringLiteral("LabelRemoveButton"))->Enabled()) << "the title stays";
    Type(QStringLiteral("LabelCaptionEdit"), QStringLiteral("Compressor"));
    EXPECT_EQ(Find<TiComponentEditorEdit>(QStringLiteral("TitleTextEdit"))->Text(), QStringLiteral("Compressor"));
    auto* list = Find<TiComponentEditorListBox>(QStringLiteral("LabelListBox"));
    list->SetItemIndex(1);
    list->OnClick(list);
    EXPECT_TRUE(Find<TControl>(QStringLiteral("LabelRemoveButton"))->Enabled());
}

TEST_F(PlotEditorTest, RenamingAnAxisFollowsIntoTheChannelsChooserAndAGoneNameLeavesNoChoice)
{
    ASSERT_NE(OpenEditor(), nullptr);
    auto* chooser = Find<TiComponentEditorComboBox>(QStringLiteral("ChannelXAxisNameComboBox"));
    EXPECT_EQ(chooser->Text(), QStringLiteral("X-Axis 1"));
    ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("X-Axes"));
    Type(QStringLiteral("XAxisNameEdit"), QStringLiteral("Time"));
    EXPECT_EQ(plot->XAxis(0)->Name(), QStringLiteral("Time"));
    EXPECT_EQ(chooser->Text(), QStringLiteral("Time"));
    EXPECT_EQ(plot->Channel(0)->XAxisName(), QStringLiteral("Time"));

    auto* cursorChannel = Find<TiComponentEditorComboBox>(QStringLiteral("DataCursorChannelNameComboBox"));
    cursorChannel->SetAsString(QStringLiteral("Gone"));
    editor->DataCursorChannelNameComboBoxDropDown(cursorChannel);
    EXPECT_EQ(cursorChannel->ItemIndex(), -1);
}

TEST_F(PlotEditorTest, TheLimitsPageWritesInItsFixedOrder)
{
    ASSERT_NE(OpenEditor(), nullptr);
    QStringList written;
    editor->ApplyEdit(TiEditorObjectKind::Limit, [&](const QString& p) { written << p; });
    EXPECT_EQ(written, (QStringList { "Name", "Visible", "UserCanMove", "PopupEnabled", "ClipToAxes", "Layer", "Style",
                                      "Line1Position", "Line2Position", "FillStyle", "LineStyle", "LineWidth", "Color",
                                      "XAxisName", "YAxisName" }));
}

TEST_F(PlotEditorTest, SpinnersStepByTheirIncrementUpToTheirLimit)
{
    ASSERT_NE(OpenEditor(), nullptr);
    ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("Channels"));
    ShowTab(QStringLiteral("ChannelPageControl"), QStringLiteral("Marker"));
    plot->Channel(0)->SetMarkersTurnOffLimit(19950);
    editor->UpdateChannelEdit();
    auto* spinner = Find<TiUpDown>(QStringLiteral("ChannelMarkersTurnOffLimitUpDown"));
    const QPoint up((spinner->UpButtonRect().Left + spinner->UpButtonRect().Right) / 2,
                    (spinner->UpButtonRect().Top + spinner->UpButtonRect().Bottom) / 2);
    ClickAt(spinner, up);
    EXPECT_EQ(plot->Channel(0)->MarkersTurnOffLimit(), 20000);
    ClickAt(spinner, up);
    EXPECT_EQ(plot->Channel(0)->MarkersTurnOffLimit(), 20000) << "stops at 20000";
}

TEST_F(PlotEditorTest, RefreshShowsTheChannelsStatistics)
{
    for (int i = 1; i <= 3; ++i)
        plot->Channel(0)->AddXY(i, i * 10);
    ASSERT_NE(OpenEditor(), nullptr);
    ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("Channels"));
    ShowTab(QStringLiteral("ChannelPageControl"), QStringLiteral("Stats"));
    auto* count = Find<TLabel>(QStringLiteral("ChannelStatsCountLabel"));
    EXPECT_EQ(count->Caption(), QStringLiteral("Click Refresh"));
    Click(Find<TControl>(QStringLiteral("ChannelStatsRefreshButton")));
    EXPECT_EQ(count->Caption(), QStringLiteral("3"));
    EXPECT_EQ(Find<TLabel>(QStringLiteral("ChannelStatsYMaxLabel"))->Caption(), plot->YAxis(0)->GetLabelText(30));
}

TEST_F(PlotEditorTest, TheLayoutMenuOverNoObjectOffersOnlyTheFirstFourItems)
{
    ASSERT_NE(OpenEditor(), nullptr);
    ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("Layout"));
    TiPlotLayoutViewer* viewer = editor->LayoutViewer();
    editor->SetRightClickObject(plot->XAxis(0)); // as after an earlier press on the axis
    QPoint empty(-1, -1);
    for (int y = 2; y < viewer->height() && empty.x() < 0; y += 3)
        for (int x = 2; x < viewer->width() && empty.x() < 0; x += 3)
            if (!viewer->GetMouseOverBlock(x, y))
                empty = QPoint(x, y);
    ASSERT_GE(empty.x(), 0);
    QStringList enabled;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && action->isEnabled())
                enabled << QString(action->text()).remove(QLatin1Char('&')); // the keyboard marks aside
        menu->close();
    });
    QTest::mousePress(editor->windowHandle(), Qt::RightButton, Qt::NoModifier, viewer->mapTo(editor, empty));
    QTest::mouseRelease(editor->windowHandle(), Qt::RightButton, Qt::NoModifier, viewer->mapTo(editor, empty));
    ptest::Settle();
    EXPECT_EQ(editor->RightClickObject(), nullptr);
    EXPECT_EQ(enabled, (QStringList { "XY-Axes Reverse", "Add X-Axis", "Add Y-Axis", "Add Label" }));

    editor->SetRightClickObject(plot->XAxis(0));
    editor->LayoutPopupMenuPopup();
    EXPECT_TRUE(editor->Control<TMenuItem>(QStringLiteral("LayoutDeleteMenuItem"))->Enabled());
    editor->Control<TMenuItem>(QStringLiteral("LayoutEditMenuItem"))->Click();
    EXPECT_EQ(Find<TiComponentEditorPageControl>(QStringLiteral("MainPageControl"))->ActivePage()->Caption(),
              QStringLiteral("X-Axes"));
}

TEST_F(PlotEditorTest, AnObjectsEditMenuItemOpensItsPage)
{
    plot->Limit(0)->DoEditMenuItemClick();
    editor = plot->Master()->EditorForm();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Find<TiComponentEditorPageControl>(QStringLiteral("MainPageControl"))->ActivePage()->Caption(),
              QStringLiteral("Limits"));
    EXPECT_EQ(Find<TiComponentEditorEdit>(QStringLiteral("LimitNameEdit"))->Text(), plot->Limit(0)->Name());
}

TEST_F(PlotEditorTest, AStripChartChannelShowsAndTakesItsOwnTabs)
{
    plot->SetVisible(false);
    auto* strip = new TiPlot(form);
    strip->SetParent(form);
    strip->SetBounds(0, 0, 640, 420);
    strip->SetEditorFormStyle(TiPlotFormStyle::ipfsStayOnTop);
    ptest::Settle();
    const TRect r = strip->ToolBar(0)->ButtonOfType(TiPlotToolBarButtonType::iptbbtEdit)->DrawRect();
    ClickAt(strip, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    editor = strip->Master()->EditorForm();
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(editor->windowHandle(), nullptr) << "not shown";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor->windowHandle()));
    editor->activateWindow();
    ShowTab(QStringLiteral("MainPageControl"), QStringLiteral("Channels"));
    EXPECT_TRUE(Find<TControl>(QStringLiteral("ChannelFastDrawEnabledCheckBox"))->isVisible());
    ShowTab(QStringLiteral("ChannelPageControl"), QStringLiteral("Fill"));
    auto* channel = dynamic_cast<TiPlotChannel*>(strip->Channel(0));
    ASSERT_NE(channel, nullptr);
    const bool filled = channel->FillEnabled();
    Click(Find<TControl>(QStringLiteral("ChannelFillEnabledCheckBox")));
    EXPECT_EQ(channel->FillEnabled(), !filled);
}
