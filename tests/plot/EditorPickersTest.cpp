// The editors' picker buttons clicked as a user clicks them, with the dialogs answered through the
// layer's seams: a pick is kept and reported once, a cancel changes and reports nothing.

#include "EditorTestSupport.h"

#include "plot/iEditorPickers.h"

#include "platform/ui/ColorFontDialogs.h"
#include "platform/ui/TOpenDialog.h"

#include <QTest>

#include <gtest/gtest.h>

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

} // namespace
