// The print preview and its settings dialog speak the plot's translation table, and the editors'
// page control keeps Enter and Escape while Tab still walks the form.

#include "EditorTestSupport.h"

#include "plot/iPlotOutputForms.h"
#include "plot/iPlotOutputHooks.h"
#include "plot/iPlotPrintPreview.h"
#include "plot/iXYPlot.h"

#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TPageControl.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

void ClickButton(TForm* Form, TButton* Button)
{
    QTest::mouseClick(Form->windowHandle(), Qt::LeftButton, {}, QPoint(Button->Left() + 5, Button->Top() + 5));
}

TEST(PreviewTranslation, PreviewAndItsSettingsShowTheTranslatedTexts)
{
    ptest::App();
    TForm form(nullptr);
    auto* plot = new TiXYPlot(&form);
    plot->SetParent(&form);
    plot->SetBounds(0, 0, 400, 300);
    const std::pair<const char*, const char*> table[] = {
        { "Untitled (Preview)", "Ohne Titel (Vorschau)" },
        { "Settings", "Einstellungen" },
        { "Close", "Schliessen" },
        { "Margin", "Rand" },
        { "Orientation", "Ausrichtung" },
        { "Landscape", "Querformat" },
        { "Paper Size", "Papierformat" },
        { "Letter", "Brief" },
        { "Cancel", "Abbrechen" },
    };
    for (const auto& [original, replacement] : table)
        plot->AddTranslation(QString::fromLatin1(original), QString::fromLatin1(replacement));
    iInstallPlotOutputForms();
    struct Uninstall
    {
        ~Uninstall() { TiPlotOutputHooks::ShowPreview = nullptr; }
    } uninstall;

    QStringList previewTexts, settingsTexts;
    QTimer::singleShot(0, [&] {
        auto* preview = dynamic_cast<TiPlotPreviewForm*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        previewTexts << preview->Caption() << preview->SettingsButton->Caption() << preview->CloseButton->Caption();
        QTimer::singleShot(0, [&] {
            auto* settings = dynamic_cast<TiPlotPreviewSettingsForm*>(QApplication::activeModalWidget());
            ASSERT_NE(settings, nullptr);
            settingsTexts << settings->Caption()
                          << dynamic_cast<TGroupBox*>(settings->PrintMarginLeftEdit->Parent())->Caption()
                          << settings->PrintOrientationRadioGroup->Caption()
                          << settings->PrintOrientationRadioGroup->Items()->Strings(1)
                          << settings->PrintPaperSizeComboBox->Items()->Strings(0)
                          << settings->PrintPaperSizeComboBox->Text() << settings->CancelButton->Caption();
            ClickButton(settings, settings->CancelButton);
        });
        ClickButton(preview, preview->SettingsButton);
        ClickButton(preview, preview->CloseButton);
    });
    plot->PreviewChart();
    EXPECT_EQ(previewTexts, QStringList({ "Ohne Titel (Vorschau)", "Einstellungen", "Schliessen" }));
    EXPECT_EQ(settingsTexts,
              QStringList({ "Einstellungen", "Rand", "Ausrichtung", "Querformat", "Brief", "Brief", "Abbrechen" }));
    EXPECT_EQ(plot->PrintDocumentName(), QStringLiteral("Untitled")) << "the cancelled dialog changed nothing";
}

class EditorPageKeysTest : public ptest::EditorFormTest
{
protected:
    EditorPageKeysTest() : ptest::EditorFormTest(400, 300) {}
    void SetUp() override
    {
        EditorFormTest::SetUp();
        before = Place<TEdit>(10, 10, 100, 21);
        pages = Place<TiComponentEditorPageControl>(10, 40, 200, 120);
        for (int i = 0; i < 2; ++i)
            (new TTabSheet(form))->SetPageControl(pages);
        pages->SetTabStop(true);
        after = Place<TEdit>(10, 170, 100, 21);
        ok = Place<TButton>(10, 200, 75, 25);
        ok->SetDefault(true);
        ok->OnClick = [this](TObject*) { ++okClicks; };
        cancel = Place<TButton>(90, 200, 75, 25);
        cancel->SetCancel(true);
        cancel->OnClick = [this](TObject*) { ++cancelClicks; };
        Show();
    }
    template <class Control>
    Control* Place(int X, int Y, int W, int H)
    {
        auto* control = new Control(form);
        control->SetParent(form);
        control->SetBounds(X, Y, W, H);
        return control;
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(form->windowHandle(), key, modifiers);
        ptest::Settle();
    }

    TEdit* before { nullptr };
    TiComponentEditorPageControl* pages { nullptr };
    TEdit* after { nullptr };
    TButton* ok { nullptr };
    TButton* cancel { nullptr };
    int okClicks { 0 };
    int cancelClicks { 0 };
};

TEST_F(EditorPageKeysTest, EnterAndEscapeStayWithThePagesWhileTabWalksTheForm)
{
    pages->SetFocus();
    ptest::Settle();
    ASSERT_TRUE(pages->Focused());
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_EQ(okClicks + cancelClicks, 0) << "the page control takes every key";
    Key(Qt::Key_Right);
    EXPECT_EQ(pages->ActivePageIndex(), 1) << "the arrows turn the pages";

    Key(Qt::Key_Tab);
    EXPECT_TRUE(after->Focused());
    pages->SetFocus();
    ptest::Settle();
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(before->Focused());

    // Elsewhere on the form Enter and Escape still reach the default and cancel buttons.
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 1);
}

} // namespace
