// The page control: tabs that wrap onto more rows, tabs a sheet can lose, and the sheet a click or
// an arrow key shows.
#include "ApplicationTestEnv.h"

#include "platform/ui/TForm.h"
#include "platform/ui/TPageControl.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

void Press(QWidget* w, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

struct Pages
{
    Pages(int Width, int Count)
    {
        control = new TPageControl(&form);
        control->SetParent(&form);
        control->SetBounds(0, 0, Width, 200);
        for (int i = 0; i < Count; ++i) {
            auto* sheet = new TTabSheet(&form);
            sheet->SetCaption(QStringLiteral("Sheet %1").arg(i));
            sheet->SetPageControl(control);
        }
        form.Show();
        QApplication::processEvents();
    }
    bool appReady { (uitest::App(), true) }; // before the form
    TForm form { nullptr };
    TPageControl* control;
};

QPoint Centre(const TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

} // namespace

TEST(PageControl, AClickOnATabShowsItsSheetAndReportsTheChange)
{
    Pages p(400, 3);
    int changes = 0;
    p.control->OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(p.control->ActivePageIndex(), 0);
    Press(p.control, Centre(p.control->TabRect(2)));
    EXPECT_EQ(p.control->ActivePageIndex(), 2);
    EXPECT_TRUE(p.control->Pages(2)->isVisible());
    EXPECT_FALSE(p.control->Pages(0)->isVisible());
    EXPECT_EQ(changes, 1);
    p.control->SetActivePageIndex(1); // the program's choice is not reported
    EXPECT_EQ(changes, 1);
}

TEST(PageControl, TabsThatDoNotFitWrapAndTheSheetsStartBelowThem)
{
    Pages one(1000, 6);
    const int tab = one.control->TabRect(0).Width(); // every caption is as wide
    Pages narrow(2 * tab + tab / 2, 6);
    EXPECT_EQ(narrow.control->TabHeight(), 3 * one.control->TabHeight()) << "two tabs a row";
    EXPECT_EQ(narrow.control->TabRect(2).Top, narrow.control->TabRect(3).Top);
    EXPECT_GT(narrow.control->TabRect(2).Top, narrow.control->TabRect(1).Top);
    EXPECT_GE(narrow.control->Pages(0)->y(), narrow.control->TabHeight());
}

TEST(PageControl, ASheetWithoutATabIsPassedOverByTheArrowKeys)
{
    Pages p(400, 3);
    p.control->Pages(1)->SetTabVisible(false);
    EXPECT_TRUE(p.control->TabRect(1).IsEmpty());
    EXPECT_EQ(p.control->TabAt(Centre(p.control->TabRect(2)).x(), Centre(p.control->TabRect(2)).y()),
              p.control->Pages(2));
    p.control->SetFocus();
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(p.control, &right);
    EXPECT_EQ(p.control->ActivePageIndex(), 2);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(p.control, &left);
    EXPECT_EQ(p.control->ActivePageIndex(), 0);
}
