#include "controls/MyPEQ.h"

#include "ControlsTestApp.h"

#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TUpDown.h"
#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include <memory>

using namespace vcl;

namespace {

struct SimpleFixture
{
    SimpleFixture()
    {
        controlstest::EnsureGuiApp();
        peq = std::make_unique<TMyPEQ>(nullptr);
        peq->OnChange = [this](TObject* Sender) {
            EXPECT_EQ(Sender, peq.get());
            ++changes;
        };
    }
    // Types into an edit and presses Enter.
    void Type(TEdit* edit, const char* text)
    {
        edit->SetText(QString::fromUtf8(text));
        WORD key = VK_RETURN;
        edit->OnKeyDown(edit, key, TShiftState());
    }
    std::unique_ptr<TMyPEQ> peq;
    int changes { 0 };
};

} // namespace

TEST(TMyPEQ, NewControlShowsFifteenDefaultRows)
{
    SimpleFixture f;
    EXPECT_EQ(f.peq->GetChannelNumber(), 15);
    for (int row = 0; row < 15; ++row) {
        EXPECT_EQ(f.peq->FreqEdit(row)->Text(), "1.00KHz");
        EXPECT_EQ(f.peq->QEdit(row)->Text(), "1.26");
        EXPECT_EQ(f.peq->GainEdit(row)->Text(), "0dB");
        EXPECT_EQ(f.peq->TypeCombo(row)->ItemIndex(), 1) << "window creation selects Low Shelf";
        EXPECT_EQ(f.peq->TypeCombo(row)->Items()->Count(), 3);
        EXPECT_EQ(f.peq->NumberLabel(row)->Caption(), QString::number(row + 1));
    }
    // q = 81, r = 10 at 490 x 220
    EXPECT_EQ(f.peq->FreqEdit(0)->Left(), 40);
    EXPECT_EQ(f.peq->FreqEdit(0)->Top(), 27);
    EXPECT_EQ(f.peq->QEdit(0)->Left(), 133);
    EXPECT_EQ(f.peq->GainEdit(1)->Left(), 226);
    EXPECT_EQ(f.peq->GainEdit(1)->Top(), 38);
    EXPECT_EQ(f.peq->TypeCombo(0)->Left(), 319);
    EXPECT_EQ(f.peq->BypassBox(0)->Left(), 412);
    EXPECT_EQ(f.peq->FreqUpDown(0)->Left(), 40 + 81 - 22);

    f.peq->SetChannelNumber(4);
    f.peq->SetBounds(0, 0, 500, 220);
    f.peq->RePaint();
    EXPECT_EQ(f.peq->TypeCombo(0)->ItemIndex(), 0) << "a new layout selects Peak";
    EXPECT_TRUE(f.peq->FreqEdit(3)->Visible());
    EXPECT_FALSE(f.peq->FreqEdit(4)->Visible());
    EXPECT_EQ(f.peq->FreqEdit(4)->Top(), 10000);
    EXPECT_EQ(f.peq->NumberLabel(0)->Height(), 18) << "few rows laid out again";
    EXPECT_EQ(f.changes, 0);
}

TEST(TMyPEQ, TypedEntryStoresOrRestores)
{
    SimpleFixture f;
    struct Case
    {
        int field; // 0 frequency, 1 Q, 2 gain
        const char* typed;
        const char* shown;
        double value;
    };
    const Case cases[] = {
        { 0, "2.5k", "2.52KHz", 2519.8421 },  { 0, "20000hz", "20.16KHz", 20158.737 },
        { 0, "0", "20.16KHz", 20158.737 },    { 0, "1.2.3", "20.16KHz", 20158.737 },
        { 1, "3", "3.00", 3.0 },               { 1, "0", "3.00", 3.0 },
        { 2, "-20dB", "-12dB", -12.0 },        { 2, "3.75", "3.5dB", 3.5 },
        { 2, "5.", "3.5dB", 3.5 },             { 2, "abc", "3.5dB", 3.5 },
    };
    int expectedChanges = 0;
    for (const Case& c : cases) {
        TEdit* edit = c.field == 0 ? f.peq->FreqEdit(2) : c.field == 1 ? f.peq->QEdit(2) : f.peq->GainEdit(2);
        f.Type(edit, c.typed);
        EXPECT_EQ(edit->Text(), c.shown) << c.typed;
        const double v = c.field == 0 ? f.peq->GetFreqValue(2) : c.field == 1 ? f.peq->GetQValue(2) : f.peq->GetGainValue(2);
        EXPECT_NEAR(v, c.value, 1e-3) << c.typed;
        EXPECT_EQ(f.changes, ++expectedChanges) << "one notice per commit: " << c.typed;
    }
    EXPECT_EQ(f.peq->GainEdit(2)->SelStart(), 5) << "caret at the end of a restored text";
    // leaving the edit commits the same way
    f.peq->GainEdit(2)->SetText("1");
    f.peq->GainEdit(2)->OnExit(f.peq->GainEdit(2));
    EXPECT_EQ(f.peq->GainEdit(2)->Text(), "1dB");
}

TEST(TMyPEQ, SettersAndNotices)
{
    SimpleFixture f;
    f.peq->SetGainValue(0, 3.75f);
    EXPECT_EQ(f.peq->GainEdit(0)->Text(), "3.75dB");
    EXPECT_EQ(f.peq->GetGainValue(0), 3.5);
    EXPECT_EQ(f.changes, 1);

    f.peq->SetQValue(0, 16);
    EXPECT_EQ(f.peq->GetQValue(0), 1.0);
    EXPECT_EQ(f.peq->QEdit(0)->Text(), "1.00");
    EXPECT_EQ(f.changes, 1) << "SetQValue does not notify";

    f.peq->SetFreqValue(0, 1195.0f);
    EXPECT_EQ(f.peq->FreqUpDown(0)->Position(), 8);
    f.peq->SetFreqValue(1, 50000.0f);
    EXPECT_EQ(f.peq->FreqUpDown(1)->Position(), 130) << "limited by the up-down";
    EXPECT_EQ(f.peq->FreqEdit(1)->Text(), "20.16KHz");
    EXPECT_EQ(f.changes, 3);

    f.peq->SetTypeValue(3, 2);
    EXPECT_EQ(f.peq->GetTypeValue(3), 2);
    f.changes = 0;
    f.peq->SetBypassValue(3, true);
    EXPECT_TRUE(f.peq->GetBypassValue(3));
    EXPECT_EQ(f.changes, 2) << "the box's own click, then the setter";
    f.peq->SetBypassValue(3, true);
    EXPECT_EQ(f.changes, 3);

    f.peq->SetChannelNumber(40);
    EXPECT_EQ(f.peq->GetChannelNumber(), 15);
    f.peq->SetChannelNumber(-3);
    EXPECT_EQ(f.peq->GetChannelNumber(), 0);

    // bands outside the rows are ignored
    f.changes = 0;
    f.peq->SetGainValue(15, 1.0f);
    f.peq->SetColor(-1, clRed);
    EXPECT_EQ(f.peq->GetGainValue(15), 0.0);
    EXPECT_EQ(f.peq->GetTypeValue(99), -1);
    EXPECT_EQ(f.changes, 0);

    f.peq->SetColor(2, clRed);
    EXPECT_EQ(f.peq->QEdit(2)->Font()->Color(), clRed);
}

TEST(TMyPEQ, UpDownStepShowsTheNewValue)
{
    SimpleFixture f;
    f.peq->GainUpDown(0)->Step(TUDBtnType::btNext);
    EXPECT_EQ(f.peq->GainEdit(0)->Text(), "0.5dB");
    f.peq->QUpDown(0)->Step(TUDBtnType::btPrev);
    EXPECT_EQ(f.peq->QEdit(0)->Text(), "1.19");
    f.peq->FreqUpDown(0)->Step(TUDBtnType::btNext);
    EXPECT_EQ(f.peq->FreqEdit(0)->Text(), "1.02KHz");
    EXPECT_EQ(f.changes, 3);
}

TEST(TMyPEQ, TypingIsLimitedButProgramTextsShowWhole)
{
    SimpleFixture f;
    TEdit* edit = f.peq->FreqEdit(0);
    edit->SetText("");
    QWidget* inner = edit->findChild<QWidget*>();
    ASSERT_NE(inner, nullptr);
    for (const char* key : { "1", "2", "3", "4", "5", "6", "7", "8", "9" }) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromLatin1(key));
        QApplication::sendEvent(inner, &press);
    }
    EXPECT_EQ(edit->Text(), "1234567");
    f.peq->SetFreqValue(0, 20000.0f);
    EXPECT_EQ(edit->Text(), "20.16KHz");
}
