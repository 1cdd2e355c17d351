// The value converter's form typed into as a user types (real mouse and keys on its window): a
// committed field writes the value back and the other views follow it. Set ZQ9_PICTURE_DIR to keep
// a picture of each page.

#include "PlotTestSupport.h"

#include "plot/iValueConverterEdit.h"

#include "platform/core/DateTime.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace vcl;

namespace {

class ValueConverterFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TiValueConverterEditForm(nullptr);
        form->SetLeft(0);
        form->SetTop(0);
    }
    void TearDown() override
    {
        Application->OnException = nullptr;
        delete form;
    }
    void Show()
    {
        form->Show();
        form->activateWindow();
        ptest::Settle();
    }
    QWindow* Window() const { return form->windowHandle(); }
    QPoint At(QWidget* control, int X, int Y) const { return control->mapTo(form, QPoint(X, Y)); }
    void Click(QWidget* control, int X, int Y)
    {
        QTest::mouseClick(Window(), Qt::LeftButton, {}, At(control, X, Y));
        ptest::Settle();
    }
    void PickPage(TTabSheet* page)
    {
        const TRect tab = form->PageControl->TabRect(page->PageIndex());
        Click(form->PageControl, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
        ASSERT_EQ(form->PageControl->ActivePage(), page);
    }
    // Replaces the edit's text as typed and commits it with Enter.
    void Enter(TiComponentEditorEdit* edit, const QString& text)
    {
        Click(edit, 5, 5);
        QTest::keyClick(Window(), Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : text)
            QTest::keyClick(Window(), c.toLatin1());
        QTest::keyClick(Window(), Qt::Key_Return);
        ptest::Settle();
    }

    TiValueConverterEditForm* form { nullptr };
};

TEST_F(ValueConverterFormTest, IntervalFieldsGiveTheValueAndEveryViewFollows)
{
    Show();
    EXPECT_EQ(form->PageControl->ActivePage(), form->IntervalTabSheet);
    Enter(form->DaysEdit, QStringLiteral("1"));
    Enter(form->HoursEdit, QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(form->Value(), 1.5);
    EXPECT_EQ(form->ValueEdit->Text(), "1.5");
    EXPECT_EQ(form->WeeksEdit->Text(), "0");
    EXPECT_EQ(form->PriceIntegerEdit->Text(), "1");
    EXPECT_EQ(form->Price32ndsEdit->Text(), "16");
    EXPECT_EQ(form->Price256thsEdit->Text(), "0");
    EXPECT_DOUBLE_EQ(form->FDatePicker->DateTime(), 1.0);
    EXPECT_DOUBLE_EQ(form->FTimePicker->DateTime(), 0.5);

    // Whole weeks keep the time of day and drop the odd days.
    Enter(form->WeeksEdit, QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(form->Value(), 14.5);
    EXPECT_EQ(form->DaysEdit->Text(), "14");

    // The spinner steps by the user's hand too: one more hour.
    const TRect up = form->HoursUpDown->UpButtonRect();
    Click(form->HoursUpDown, (up.Left + up.Right) / 2, (up.Top + up.Bottom) / 2);
    EXPECT_NEAR(form->Value(), 14.5 + 1.0 / 24, 1e-12);
}

TEST_F(ValueConverterFormTest, PriceFieldsWriteOnlyTheValue)
{
    Show();
    PickPage(form->Price32TabSheet);
    Enter(form->PriceIntegerEdit, QStringLiteral("2"));
    Enter(form->Price32ndsEdit, QStringLiteral("3"));
    Enter(form->Price256thsEdit, QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(form->Value(), 2 + 3.0 / 32 + 1.0 / 256);
    EXPECT_EQ(form->DaysEdit->Text(), "0");

    // 2.1 lies between 2 + 25/256 and 2 + 26/256: the lower one shows.
    form->SetValue(2.1);
    EXPECT_EQ(form->PriceIntegerEdit->Text(), "2");
    EXPECT_EQ(form->Price32ndsEdit->Text(), "3");
    EXPECT_EQ(form->Price256thsEdit->Text(), "1");
    EXPECT_EQ(form->ValueEdit->Text(), "2.1");
}

TEST_F(ValueConverterFormTest, AnHourOutOfRangeRaisesTheConversionErrorAndKeepsTheValue)
{
    Show();
    form->SetValue(1.5);
    std::optional<QString> raised;
    Application->OnException = [&](TObject*, const Exception& E) {
        if (dynamic_cast<const EConvertError*>(&E))
            raised = E.Message();
    };
    Enter(form->HoursEdit, QStringLiteral("25"));
    ASSERT_TRUE(raised.has_value());
    EXPECT_DOUBLE_EQ(form->Value(), 1.5);
    EXPECT_EQ(form->ValueEdit->Text(), "1.5");
    EXPECT_EQ(form->DaysEdit->Text(), "1");
}

TEST_F(ValueConverterFormTest, DateTimePageButtonsAndPickersSetTheValue)
{
    TWallClockOverride clock([] { return 45000.75; });
    Show();
    PickPage(form->DateTimeTabSheet);
    Click(form->SetNowButton, 10, 10);
    EXPECT_DOUBLE_EQ(form->Value(), 45000.75);
    EXPECT_DOUBLE_EQ(form->FDatePicker->DateTime(), 45000.0);
    EXPECT_DOUBLE_EQ(form->FTimePicker->DateTime(), 0.75);

    // Up on the time picker's hour: the day stays, the time moves an hour on.
    Click(form->FTimePicker, 4, 10);
    QTest::keyClick(Window(), Qt::Key_Up);
    ptest::Settle();
    EXPECT_NEAR(form->Value(), 45000.75 + 1.0 / 24, 1e-9);
    EXPECT_EQ(form->HoursEdit->Text(), "19");

    PickPage(form->IntervalTabSheet);
    Click(form->iComponentEditorButton1, 10, 10);
    EXPECT_DOUBLE_EQ(form->Value(), 0.0);
    EXPECT_EQ(form->HoursEdit->Text(), "0");
}

TEST_F(ValueConverterFormTest, PictureOfEachPage)
{
    Show();
    form->SetValue(45000.75);
    const QByteArray dir = qgetenv("ZQ9_PICTURE_DIR");
    for (TTabSheet* page : { form->IntervalTabSheet, form->DateTimeTabSheet, form->Price32TabSheet }) {
        PickPage(page);
        const QImage image = form->grab().toImage();
        EXPECT_EQ(image.size(), QSize(269, 264));
        // Every field sits inside the form, clear of the value edit below the pages.
        for (int i = 0; i < page->ControlCount(); ++i) {
            const TControl* control = page->Controls(i);
            EXPECT_LE(control->Left() + control->Width(), page->Width()) << page->Caption().toStdString();
            EXPECT_LE(control->Top() + control->Height(), page->Height()) << page->Caption().toStdString();
        }
        if (!dir.isEmpty())
            image.save(QDir(QString::fromLocal8Bit(dir))
                           .filePath(QStringLiteral("value-converter-%1.png").arg(page->PageIndex())));
    }
}

} // namespace
