// The page control and the date-time picker used as a user uses them (real mouse and keys on the
// window): which changes raise OnChange, which page shows, which part of the value an edit keeps.
#include "ApplicationTestEnv.h"

#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TPageControl.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class PageControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        uitest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 300, 200);
    }
    void TearDown() override { delete form; }
    void Show()
    {
        form->Show();
        form->activateWindow();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    void Click(QWidget* control, int X, int Y)
    {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, control->mapTo(form, QPoint(X, Y)));
        QApplication::processEvents();
    }
    TTabSheet* AddPage(TPageControl* pages, const QString& caption)
    {
        auto* page = new TTabSheet(form);
        page->SetCaption(caption);
        page->SetPageControl(pages);
        return page;
    }

    TForm* form { nullptr };
};

TEST_F(PageControlTest, OnlyTheSelectedPageShowsAndATabClickIsTheUsersChange)
{
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 280, 180);
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    TTabSheet* first = AddPage(pages, QStringLiteral("First"));
    TTabSheet* second = AddPage(pages, QStringLiteral("Second"));
    TTabSheet* third = AddPage(pages, QStringLiteral("Third"));
    Show();
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_TRUE(first->Visible());
    EXPECT_FALSE(second->Visible());
    EXPECT_EQ(first->Top(), pages->TabHeight() + 2);
    EXPECT_EQ(pages->Pages(3), nullptr);

    pages->SetActivePageIndex(2);
    EXPECT_EQ(pages->ActivePage(), third);
    EXPECT_EQ(changes, 0);

    const TRect tab = pages->TabRect(1);
    Click(pages, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_TRUE(second->Visible());
    EXPECT_FALSE(third->Visible());
    EXPECT_EQ(changes, 1);

    // The shown page going away shows the page that takes its place.
    delete second;
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), third);
    EXPECT_EQ(third->PageIndex(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(PageControlTest, DateAndTimePickersEachEditTheirOwnPartOfTheValue)
{
    auto* date = new TDateTimePicker(form);
    date->SetParent(form);
    date->SetBounds(10, 10, 140, 21);
    auto* time = new TDateTimePicker(form);
    time->SetParent(form);
    time->SetKind(TDateTimeKind::dtkTime);
    time->SetBounds(10, 40, 140, 21);
    int changes = 0;
    date->OnChange = [&](TObject*) { ++changes; };
    time->OnChange = [&](TObject*) { ++changes; };
    Show();

    date->SetDateTime(45000.75);
    time->SetDateTime(45000.75);
    EXPECT_EQ(changes, 0);
    EXPECT_DOUBLE_EQ(date->Date(), 45000.0);
    EXPECT_DOUBLE_EQ(date->Time(), 0.75);

    // Up on the date's month section (its first field), 3/15/2023 to 4/15/2023: the time of day stays.
    Click(date, 4, 10);
    QTest::keyClick(form->windowHandle(), Qt::Key_Up);
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(date->Time(), 0.75);
    EXPECT_DOUBLE_EQ(date->Date(), 45000.0 + 31);

    // Up on the time's hour: the day stays.
    Click(time, 4, 10);
    QTest::keyClick(form->windowHandle(), Qt::Key_Up);
    EXPECT_EQ(changes, 2);
    EXPECT_DOUBLE_EQ(time->Date(), 45000.0);
    EXPECT_NEAR(time->Time(), 0.75 + 1.0 / 24, 1e-9);

    // Days before 1899-12-30 count backward, their time of day forward.
    date->SetDateTime(-1.25);
    EXPECT_DOUBLE_EQ(date->Date(), -1.0);
    EXPECT_DOUBLE_EQ(date->Time(), 0.25);
    EXPECT_EQ(DateTimeToQDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_DOUBLE_EQ(QDateTimeToDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

} // namespace
