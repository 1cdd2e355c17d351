// The editors' picker buttons clicked as a user clicks them, with the dialogs answered through the
// layer's seams: a pick is kept and reported once, a cancel changes and reports nothing.

#include "EditorTestSupport.h"

#include "plot/iEditorPickers.h"
#include "plot/iValueConverterEdit.h"

#include "platform/ui/ColorFontDialogs.h"
#include "platform/ui/TOpenDialog.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace vcl;

namespace {

class EditorPickersTest : public ptest::EditorFormTest
{
protected:
    EditorPickersTest() : ptest::EditorFormTest(300, 200) {}
    void ClickAt(TControl* control, int X, int Y)
    {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, QPoint(control->Left() + X, control->Top() + Y));
        ptest::Settle();
    }
    template <class Picker>
    Picker* Place(int X, int Y)
    {
        auto* picker = new Picker(form);
        picker->SetParent(form);
        picker->SetBounds(X, Y, picker->Width(), picker->Height());
        picker->OnChange = [this](TObject*) { ++changes; };
        return picker;
    }

    int changes { 0 };
};

TEST_F(EditorPickersTest, ColourPickerKeepsAPickAndIgnoresACancel)
{
    auto* picker = Place<TiComponentEditorColorPicker>(10, 10);
    picker->SetColor(clBlue);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(picker->Button()->Left(), 47 - 21);
    Show();

    std::optional<TColor> answer;
    std::optional<TColor> offered;
    TColorDialogSeam seam([&](TColor initial) {
        offered = initial;
        return answer;
    });
    ClickAt(picker, 35, 10); // the "..." button
    EXPECT_EQ(offered, clBlue);
    EXPECT_EQ(picker->Color(), clBlue);
    EXPECT_EQ(changes + form->userChanges, 0);

    answer = TColor(0x00204080);
    ClickAt(picker, 35, 10);
    EXPECT_EQ(picker->Color(), TColor(0x00204080));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form->userChanges, 1);
    EXPECT_EQ(picker->grab().toImage().pixelColor(10, 10), QColor(0x80, 0x40, 0x20));
}

TEST_F(EditorPickersTest, FontPickerTakesTheChosenFont)
{
    auto* picker = Place<TiComponentEditorFontPicker>(10, 10);
    Show();
    TFontDialogSeam seam([](TFont& font) {
        font.SetName(QStringLiteral("Times New Roman"));
        font.SetHeight(-20);
        return true;
    });
    ClickAt(picker, 20, 10);
    EXPECT_EQ(picker->Font()->Name(), "Times New Roman");
    EXPECT_EQ(picker->Font()->Height(), -20);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form->userChanges, 1);
}

TEST_F(EditorPickersTest, SavePickerOffersUntitledInAFolderAndItsDefaultFolderOnce)
{
    auto* picker = Place<TiComponentEditorSavePicker>(10, 10);
    picker->SetFileName(QStringLiteral("/data/logs/"));
    picker->SetDefaultDir(QStringLiteral("/data"));
    picker->SetFilter(QStringLiteral("Log files|*.log"));
    Show();
    std::optional<QString> answer;
    TFileDialogRequest asked;
    TFileDialogSeam seam([&](const TFileDialogRequest& request) {
        asked = request;
        return answer;
    });
    ClickAt(picker, 20, 10);
    EXPECT_EQ(asked.FileName, "/data/logs/Untitled");
    EXPECT_EQ(asked.InitialDir, "/data");
    EXPECT_EQ(picker->FileName(), "/data/logs/");
    EXPECT_EQ(changes, 0);

    answer = QStringLiteral("/data/logs/night");
    ClickAt(picker, 20, 10);
    EXPECT_EQ(asked.InitialDir, ".");
    EXPECT_EQ(picker->FileName(), "/data/logs/night.log");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form->userChanges, 1);
}

TEST_F(EditorPickersTest, OpenPickerKeepsEveryChosenFile)
{
    auto* picker = Place<TiComponentEditorOpenPicker>(10, 10);
    picker->SetAllowMultiSelect(true);
    Show();
    TFileDialogSeam seam([](const TFileDialogRequest&) {
        return std::optional<QString>(QStringLiteral("/data") + QChar(u'\0') + "a.csv" + QChar(u'\0') + "b.csv");
    });
    ClickAt(picker, 20, 10);
    EXPECT_EQ(picker->FileName(), "/data/a.csv");
    ASSERT_EQ(picker->Files()->Count(), 2);
    EXPECT_EQ(picker->Files()->Strings(1), "/data/b.csv");
    EXPECT_EQ(changes, 1);
}

// The converter opens modally; Answer runs on it once it shows, and the form is closed with Cancel
// afterwards whatever the answer did, so a failing check cannot leave the loop running.
class ValueConverterPickerTest : public EditorPickersTest
{
protected:
    void SetUp() override
    {
        EditorPickersTest::SetUp();
        edit = new TiComponentEditorEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 50, 80, 21);
        edit->OnUpdate = [this](TObject*) { ++updates; };
        picker = Place<TiComponentEditorValueConverterPicker>(0, 0);
        picker->SetAssociate(edit);
    }
    void OpenAndAnswer(const std::function<void(TiValueConverterEditForm*)>& Answer)
    {
        QTimer::singleShot(0, [Answer] {
            TiValueConverterEditForm* converter = iOpenValueConverterForm();
            if (!converter)
                return;
            ptest::Settle();
            Answer(converter);
            if (converter->Modal() && converter->ModalResult() == mrNone)
                converter->SetModalResult(mrCancel);
        });
        ClickAt(picker, 10, 10);
    }
    static void ClickOn(TiValueConverterEditForm* converter, QWidget* control, int X, int Y)
    {
        QTest::mouseClick(converter->windowHandle(), Qt::LeftButton, {}, control->mapTo(converter, QPoint(X, Y)));
        ptest::Settle();
    }

    TiComponentEditorEdit* edit { nullptr };
    TiComponentEditorValueConverterPicker* picker { nullptr };
    int updates { 0 };
};

TEST_F(ValueConverterPickerTest, OpensOnItsPageWithTheAssociatesValueAndOkWritesItBackWithEvents)
{
    EXPECT_EQ(picker->Left(), 90);
    EXPECT_EQ(picker->Top(), 50);
    EXPECT_EQ(picker->Height(), edit->Height());
    edit->SetAsString(QStringLiteral("1.5"));
    picker->SetDefaultPage(TiValueConverterPageType::ivcptDateTime);
    TForm* translated = nullptr;
    picker->SetTranslationMethod([&](TForm* AForm) { translated = AForm; });
    Show();

    QString shownPage;
    QString days;
    QString hours;
    OpenAndAnswer([&](TiValueConverterEditForm* converter) {
        shownPage = converter->PageControl->ActivePage()->Caption();
        days = converter->DaysEdit->Text();
        hours = converter->HoursEdit->Text();
        // 18 hours instead of 12, typed on the interval page.
        const TRect tab = converter->PageControl->TabRect(converter->IntervalTabSheet->PageIndex());
        ClickOn(converter, converter->PageControl, tab.Left + 5, tab.Top + 5);
        ClickOn(converter, converter->HoursEdit, 5, 5);
        QTest::keyClick(converter->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(converter->windowHandle(), '1');
        QTest::keyClick(converter->windowHandle(), '8');
        QTest::keyClick(converter->windowHandle(), Qt::Key_Return);
        ClickOn(converter, converter->OkButton, 10, 10);
    });
    EXPECT_NE(translated, nullptr);
    EXPECT_EQ(iOpenValueConverterForm(), nullptr);
    EXPECT_EQ(shownPage, "Date/Time");
    EXPECT_EQ(days, "1");
    EXPECT_EQ(hours, "12");
    EXPECT_EQ(edit->Text(), "1.75");
    EXPECT_DOUBLE_EQ(picker->DateTime(), 1.75);
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_GE(form->userChanges, 1);
}

TEST_F(ValueConverterPickerTest, CancelChangesNothing)
{
    edit->SetAsString(QStringLiteral("1.5"));
    Show();
    OpenAndAnswer([&](TiValueConverterEditForm* converter) {
        converter->SetValue(9.0);
        ClickOn(converter, converter->CancelButton, 10, 10);
    });
    EXPECT_EQ(edit->Text(), "1.5");
    EXPECT_EQ(updates + changes + form->userChanges, 0);

    // Without an associate the picker converts its own DateTime.
    picker->SetAssociate(nullptr);
    picker->SetDateTime(2.25);
    double offered = 0;
    OpenAndAnswer([&](TiValueConverterEditForm* converter) {
        offered = converter->Value();
        ClickOn(converter, converter->OkButton, 10, 10);
    });
    EXPECT_DOUBLE_EQ(offered, 2.25);
    EXPECT_EQ(changes, 1);
}

} // namespace
