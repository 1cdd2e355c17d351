#pragma once
// An XY plot holding every kind of object on a shown form, its property editor opened as a user
// opens it (the toolbar's Edit button clicked on the plot's window), and real mouse and key input
// on the editor's window.

#include "PlotTestSupport.h"

#include "plot/iPlotEditorForm.h"
#include "plot/iPlotToolBar.h"
#include "plot/iXYPlot.h"

#include <QTest>
#include <QWindow>

namespace ptest {

class PlotEditorTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        App();
        form = new vcl::TForm(nullptr);
        form->SetBounds(0, 0, 640, 420);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
        plot->SetBounds(0, 0, 640, 420);
        plot->AddLimit();
        plot->AddTable();
        plot->AddLabel();
        plot->AddAnnotation();
        plot->SetUserCanAddRemoveChannels(true);
        plot->SetEditorFormStyle(TiPlotFormStyle::ipfsStayOnTop);
        form->Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form->windowHandle()));
        Settle();
    }
    void TearDown() override { delete form; }

    // A left click at a point of the widget, through its top-level window.
    static void ClickAt(QWidget* Widget, QPoint At)
    {
        ASSERT_TRUE(Widget->isVisible());
        QTest::mouseClick(Widget->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          Widget->mapTo(Widget->window(), At));
        Settle();
    }
    static void Click(QWidget* Widget) { ClickAt(Widget, QPoint(Widget->width() / 2, Widget->height() / 2)); }

    // The toolbar's Edit button pressed on the plot's window.
    void ClickEditButton()
    {
        const vcl::TRect r = plot->ToolBar(0)->ButtonOfType(TiPlotToolBarButtonType::iptbbtEdit)->DrawRect();
        ClickAt(plot, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    // Opens the stay-on-top editor from the toolbar and makes it the active window.
    TiPlotEditorForm* OpenEditor()
    {
        ClickEditButton();
        editor = plot->Master()->EditorForm();
        if (editor) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(editor->windowHandle()));
            editor->activateWindow();
            Settle();
        }
        return editor;
    }
    template <typename T>
    T* Find(const QString& Name) const
    {
        return editor->Control<T>(Name);
    }
    // Clicks the tab with the caption on the page control.
    void ShowTab(const QString& PageControl, const QString& Caption)
    {
        auto* pages = Find<TiComponentEditorPageControl>(PageControl);
        for (int i = 0; i < pages->PageCount(); ++i)
            if (pages->Pages(i)->Caption() == Caption) {
                const vcl::TRect r = pages->TabRect(pages->Pages(i));
                ClickAt(pages, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
                return;
            }
        FAIL() << "no tab " << Caption.toStdString();
    }
    // Clicks into the edit, replaces its text by typing and presses Enter.
    void Type(const QString& EditName, const QString& Text)
    {
        Click(Find<vcl::TControl>(EditName));
        QWindow* window = editor->windowHandle();
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
        for (QChar c : Text)
            QTest::keyClick(window, c.toLatin1());
        QTest::keyClick(window, Qt::Key_Return);
        Settle();
    }
    // Focuses the drop-down list and steps its choice down Count times with the arrow key.
    void StepDown(const QString& ComboName, int Count)
    {
        Click(Find<vcl::TControl>(ComboName));
        QWindow* window = editor->windowHandle();
        QTest::keyClick(window, Qt::Key_Escape); // the click opened the list; close it
        for (int i = 0; i < Count; ++i)
            QTest::keyClick(window, Qt::Key_Down);
        Settle();
    }

    vcl::TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
    TiPlotEditorForm* editor { nullptr };
};

} // namespace ptest
