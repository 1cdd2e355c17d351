// Form creation order and the main form; Terminate ending a modal loop and Run.
#include "ApplicationTestEnv.h"

#include "platform/ui/TForm.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

std::vector<QString> g_created;

struct FormA : TForm
{
    explicit FormA(TComponent* owner) : TForm(owner)
    {
        OnCreate = [](TObject* s) { g_created.push_back(static_cast<TForm*>(s)->ClassName()); };
    }
};
struct FormB : TForm
{
    explicit FormB(TComponent* owner) : TForm(owner)
    {
        OnCreate = [](TObject* s) { g_created.push_back(static_cast<TForm*>(s)->ClassName()); };
    }
};

FormA* formA = nullptr;
FormB* formB = nullptr;

// The application object is shared by the whole test program; this test builds its own and
// gives the shared one back afterwards.
TEST(ApplicationTest, CreateFormOrderMainFormRunAndTerminate)
{
    uitest::App();
    TApplication* shared = Application;
    int argc = 1;
    char name[] = "app";
    char* argv[] = { name, nullptr };
    {
        TApplication app(argc, argv);
        app.SetTitle(QStringLiteral("ZQ9 test"));
        FormA* seenDuringCreate = nullptr;
        app.CreateForm(formA);
        formA->OnCreate = nullptr;
        app.CreateForm(formB);
        formB->OnShow = [&](TObject*) { seenDuringCreate = formA; };
        const std::vector<QString> expected { "FormA", "FormB" };
        EXPECT_EQ(g_created, expected);
        EXPECT_EQ(app.MainForm(), formA);
        EXPECT_EQ(formA->Owner(), &app);

        // A modal dialog is open when the main form closes: the dialog ends, then Run returns.
        TModalResult dialogResult = mrNone;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] { formA->Close(); });
            dialogResult = formB->ShowModal();
        });
        app.Run();
        EXPECT_TRUE(app.Terminated());
        EXPECT_EQ(dialogResult, mrCancel);
        EXPECT_EQ(seenDuringCreate, formA);
        EXPECT_TRUE(formA->Visible()); // Run showed the main form
    }
    EXPECT_EQ(Application, nullptr);
    Application = shared;
}

TEST(ApplicationTest, TerminateBeforeRunShowsNothing)
{
    uitest::App();
    TApplication* shared = Application;
    int argc = 1;
    char name[] = "app";
    char* argv[] = { name, nullptr };
    {
        TApplication app(argc, argv);
        TForm* main = nullptr;
        app.CreateForm(main);
        app.SetShowMainForm(false);
        app.Terminate();
        app.Run();
        EXPECT_FALSE(main->Visible());
    }
    Application = shared;
}

} // namespace
