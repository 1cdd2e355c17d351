// Plot object base classes: constructor checks, rename and selection notifications, span clamps,
// sort-key texts and the plot button's clicks and auto-repeat.

#include "PlotTestSupport.h"

#include "plot/iPlotButton.h"
#include "plot/iPlotObjects.h"

#include "platform/core/Exception.h"
#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace vcl;

namespace {

// Records the notifications of the objects it wires.
struct Recorder
{
    std::vector<QString> log;
    TNotifyEvent Hook(const char* what)
    {
        return [this, what](TObject*) { log.push_back(QString::fromLatin1(what)); };
    }
};

class PlotObjectsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        owner = std::make_unique<TPanel>(nullptr);
    }

    std::unique_ptr<TiPlotLayoutObject> NewLayoutObject()
    {
        return std::make_unique<TiPlotLayoutObject>(owner.get(), rec.Hook("change"), rec.Hook("insert"),
                                                    rec.Hook("remove"), rec.Hook("rename"));
    }

    std::unique_ptr<TPanel> owner;
    Recorder rec;
};

TEST_F(PlotObjectsTest, ManagerObjectsInsistOnOwnerAndEveryCallbackInOrder)
{
    const TNotifyEvent ok = [](TObject*) {};
    struct Case { bool owner, change, insert, remove, rename; const char* message; };
    const Case cases[] = {
        { false, false, false, false, false, "Owner must be assigned" },
        { true, false, false, false, false, "OnChange event handler can not be null" },
        { true, true, false, true, true, "OnInsert event handler can not be null" },
        { true, true, true, false, true, "OnRemove event handler can not be null" },
        { true, true, true, true, false, "AOnRename event handler can not be null" },
    };
    for (const Case& c : cases) {
        try {
            TiPlotManagerObject object(c.owner ? owner.get() : nullptr, c.change ? ok : nullptr, c.insert ? ok : nullptr,
                                       c.remove ? ok : nullptr, c.rename ? ok : nullptr);
            ADD_FAILURE() << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
        }
    }
    TiPlotObject plain(nullptr, nullptr, nullptr, nullptr, nullptr); // the base checks nothing
    plain.SetName(QStringLiteral("works"));
    EXPECT_EQ(plain.Name(), QStringLiteral("works"));
}

TEST_F(PlotObjectsTest, RenameReportsOnceAndRemembersTheOldName)
{
    auto object = NewLayoutObject();
    object->SetName(QStringLiteral("Axis"));
    object->SetName(QStringLiteral("Time"));
    object->SetName(QStringLiteral("Time")); // unchanged: nothing
    EXPECT_EQ(object->NameOld(), QStringLiteral("Axis"));
    EXPECT_EQ(rec.log, (std::vector<QString> { "rename", "change", "rename", "change" }));
}

TEST_F(PlotObjectsTest, DestructionReportsRemovalThenLayoutChange)
{
    auto object = NewLayoutObject();
    object->OnLayoutChange = rec.Hook("layout");
    object->NotifyInsert();
    TiPlotObject::Free(object.release());
    EXPECT_EQ(rec.log, (std::vector<QString> { "insert", "layout", "remove", "layout", "change" }));
}

TEST_F(PlotObjectsTest, DisablingASelectedObjectDeselectsIt)
{
    auto object = NewLayoutObject();
    int focusReports = 0;
    object->OnSetFocus = [&](TObject*) { ++focusReports; };
    object->SetUserSelected(true);
    EXPECT_EQ(focusReports, 1);
    object->SetEnabled(false);
    EXPECT_FALSE(object->UserSelected());
    object->SetUserSelected(false);
    EXPECT_EQ(focusReports, 1);
}

TEST_F(PlotObjectsTest, SpanStaysInsideZeroToHundredAndAtLeastOnePercentWide)
{
    struct Case { double start0, stop0; bool setStart; double value; double start, stop; };
    const Case cases[] = {
        { 0, 100, true, 99.5, 99, 100 },
        { 0, 100, false, -5, 0, 1 },
        { 0, 100, true, -20, 0, 100 },
        { 0, 100, false, 250, 0, 100 },
        { 10, 40, true, 39.5, 39.5, 40.5 },
        { 30, 60, false, 30.2, 29.2, 30.2 },
    };
    for (const Case& c : cases) {
        auto object = NewLayoutObject();
        object->SetStartStopPercent(c.start0, c.stop0);
        if (c.setStart)
            object->SetStartPercent(c.value);
        else
            object->SetStopPercent(c.value);
        EXPECT_DOUBLE_EQ(object->StartPercent(), c.start) << c.value;
        EXPECT_DOUBLE_EQ(object->StopPercent(), c.stop) << c.value;
    }
}

TEST_F(PlotObjectsTest, SortKeyTextsArePaddedAndRoundHalfToEven)
{
    auto object = NewLayoutObject();
    object->SetZOrder(2);
    object->SetStartPercent(37.5);
    object->SetLayer(42);
    EXPECT_EQ(object->GetZOrderString() + object->GetStartPercentString(), QStringLiteral("002038"));
    EXPECT_EQ(object->GetLayerString(), QStringLiteral("000042"));
    object->SetStartPercent(36.5);
    EXPECT_EQ(object->GetStartPercentString(), QStringLiteral("036"));
}

TEST_F(PlotObjectsTest, LayoutObjectsHitTheirDrawRectLeftTopInclusive)
{
    auto object = NewLayoutObject();
    object->SetDrawRect(TRect(10, 20, 30, 40));
    EXPECT_TRUE(object->HitTest(10, 20));
    EXPECT_TRUE(object->HitTest(29, 39));
    EXPECT_FALSE(object->HitTest(30, 39));
    EXPECT_FALSE(object->HitTest(29, 40));
}

class PlotButtonTest : public PlotObjectsTest
{
protected:
    void SetUp() override
    {
        PlotObjectsTest::SetUp();
        button.SetDrawRect(TRect(0, 0, 20, 20));
        button.OnClick = [this](TObject*) { clicks.push_back(QStringLiteral("click")); };
        button.OnGroupClick = [this](TObject*) { clicks.push_back(QStringLiteral("group")); };
    }
    void Press() { button.iMouseDown(TMouseButton::mbLeft, {}, 5, 5, 0, 0, nullptr); }
    void Release(int x) { button.iMouseUp(TMouseButton::mbLeft, {}, x, 5, 0, 0, false, nullptr); }

    TiPlotButton button { nullptr, nullptr, nullptr, nullptr, nullptr };
    std::vector<QString> clicks;
};

TEST_F(PlotButtonTest, ReleaseInsideClicksGroupFirstOutsideNothing)
{
    Press();
    Release(5);
    EXPECT_EQ(clicks, (std::vector<QString> { "click" }));
    button.SetGroupIndex(1);
    Press();
    Release(5);
    Press();
    Release(25);
    EXPECT_EQ(clicks, (std::vector<QString> { "click", "group", "click" }));
}

TEST_F(PlotButtonTest, HeldButtonRepeatsUntilReleasedOrDisabled)
{
    button.SetTimerEnabled(true);
    Press();
    ASSERT_TRUE(button.RepeatRunning());
    ASSERT_TRUE(ptest::WaitFor([&] { return clicks.size() >= 3; }));
    Release(25); // outside: the repeats stay, no extra click
    const std::size_t held = clicks.size();
    EXPECT_FALSE(button.RepeatRunning());
    ptest::WaitFor([] { return false; }, 120);
    EXPECT_EQ(clicks.size(), held);

    button.OnClick = [this](TObject*) { button.SetEnabled(false); }; // disabling from the tick itself
    Press();
    ASSERT_TRUE(ptest::WaitFor([&] { return !button.Enabled(); }));
    EXPECT_FALSE(button.RepeatRunning());
}

TEST_F(PlotButtonTest, DownReportsInvalidateAndDownChangeOnlyOnChange)
{
    int invalidates = 0, downChanges = 0;
    button.OnInvalidate = [&](TObject*) { ++invalidates; };
    button.OnDownChange = [&](TObject*) { ++downChanges; };
    button.SetDown(true);
    button.SetDown(true);
    EXPECT_EQ(invalidates, 1);
    EXPECT_EQ(downChanges, 1);
}

} // namespace
