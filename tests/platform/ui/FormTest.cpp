// Modal loops, refusable closes, ModalResult on a non-modal form, and exceptions at dispatch.
#include "ApplicationTestEnv.h"

#include "platform/ui/TForm.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class FormTest : public ::testing::Test
{
protected:
    void SetUp() override { uitest::App(); }
};

TEST_F(FormTest, ModalLoopEndsWithModalResult)
{
    TForm form(nullptr);
    std::vector<QString> events;
    form.OnShow = [&](TObject*) { events.push_back("show"); };
    form.OnHide = [&](TObject*) { events.push_back("hide"); };
    form.OnClose = [&](TObject*, TCloseAction&) { events.push_back("close"); };
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(form.Modal());
        EXPECT_TRUE(form.Visible());
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Modal());
    const std::vector<QString> expected { "show", "close", "hide" };
    EXPECT_EQ(events, expected);
}

TEST_F(FormTest, CloseEndsModalLoopWithCancelAndRefusalKeepsItRunning)
{
    TForm form(nullptr);
    int queries = 0;
    form.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    QTimer::singleShot(0, [&] {
        form.Close(); // refused by OnCloseQuery: the loop goes on
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(form.Visible());
            EXPECT_EQ(form.ModalResult(), mrNone);
            form.Close();
        });
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);

    // OnClose with caNone refuses as well.
    int closes = 0;
    form.OnCloseQuery = nullptr;
    form.OnClose = [&](TObject*, TCloseAction& a) {
        if (++closes == 1)
            a = TCloseAction::caNone;
    };
    QTimer::singleShot(0, [&] {
        form.SetModalResult(mrYes);
        QTimer::singleShot(0, [&] { form.SetModalResult(mrNo); });
    });
    EXPECT_EQ(form.ShowModal(), mrNo);
    EXPECT_EQ(closes, 2);
}

TEST_F(FormTest, ModalResultOnNonModalFormDoesNothing)
{
    TForm form(nullptr);
    form.Show();
    form.SetModalResult(mrOk);
    uitest::SpinUntil([] { return false; }, 20);
    EXPECT_TRUE(form.Visible());
    form.Close(); // a form that is not the main form hides
    EXPECT_FALSE(form.Visible());
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation); // a visible window cannot go modal
}

TEST_F(FormTest, ExceptionInHandlerIsShownAndTheLoopGoesOn)
{
    uitest::MessageBoxRecorder boxes;
    const QString title = uitest::App().Title();
    TForm form(nullptr);
    int after = 0;
    QTimer::singleShot(0, [&] {
        form.OnResize = [](TObject*) { throw EConvertError(QStringLiteral("'x' is not a valid integer value")); };
        form.SetBounds(0, 0, 111, 99); // the handler throws inside the dispatch of SetBounds
        QTimer::singleShot(0, [&] {
            ++after;
            form.SetModalResult(mrOk);
        });
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(after, 1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].Text, QStringLiteral("'x' is not a valid integer value."));
    EXPECT_EQ(boxes.boxes[0].Caption, title);
    EXPECT_EQ(boxes.boxes[0].Flags, MB_OK | MB_ICONSTOP);
}

TEST_F(FormTest, NestedModalFormsUnwindInOrder)
{
    TForm outer(nullptr);
    TForm inner(nullptr);
    TModalResult innerResult = mrNone;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            outer.SetModalResult(mrAbort); // takes effect once the inner loop ends
            inner.SetModalResult(mrRetry);
        });
        innerResult = inner.ShowModal();
    });
    EXPECT_EQ(outer.ShowModal(), mrAbort);
    EXPECT_EQ(innerResult, mrRetry);
}

} // namespace
