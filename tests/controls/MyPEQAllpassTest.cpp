#include "controls/MyPEQAllpass.h"
#include "controls/MyPEQGain.h"

#include "ControlsTestApp.h"

#include "device/Constants.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TUpDown.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>

#include <memory>

using namespace vcl;

namespace {

// An editor as the main window sets one up: 536 x 270, its rows, colours and one change handler.
struct EditorFixture
{
    explicit EditorFixture(int rows = 8)
    {
        controlstest::EnsureGuiApp();
        peq = std::make_unique<TMyPEQAllpass>(nullptr);
        peq->SetBounds(0, 0, 536, 270);
        peq->SetGroupStyle(rz::TGroupBoxStyle::gsCustom);
        peq->SetChannelNumber(rows);
        peq->SetUpdownVisable(false);
        peq->SetLabelColor(clBackground);
        peq->SetEditBackColor(clWhite);
        peq->SetBypassBackColor(clSilver);
        peq->OnChange = [this](TObject* Sender) {
            EXPECT_EQ(Sender, peq.get());
            ++changes;
        };
    }
    void Commit(TEdit* edit, const char* text)
    {
        edit->SetText(QString::fromUtf8(text));
        WORD key = VK_RETURN;
        edit->OnKeyDown(edit, key, TShiftState());
    }
    std::unique_ptr<TMyPEQAllpass> peq;
    int changes { 0 };
};

} // namespace

TEST(TMyPEQAllpass, RowsAreLaidOutForTheMainWindow)
{
    EditorFixture f;
    TMyPEQAllpass& p = *f.peq;
    EXPECT_EQ(p.FreqEdit(0)->Left(), 40);
    EXPECT_EQ(p.FreqEdit(0)->Top(), 22);
    EXPECT_EQ(p.FreqEdit(0)->Width(), 93);
    EXPECT_EQ(p.QEdit(0)->Left(), 141);
    EXPECT_EQ(p.GainEdit(0)->Left(), 242);
    EXPECT_EQ(p.TypeCombo(0)->Left(), 343);
    EXPECT_EQ(p.TypeCombo(0)->Width(), 101);
    EXPECT_EQ(p.TypeCombo(0)->Height(), 29);
    EXPECT_EQ(p.BypassButton(0)->Left(), 450);
    EXPECT_EQ(p.BypassButton(0)->Width(), 79);
    EXPECT_EQ(p.BypassButton(0)->Caption(), "   BYPASS   ");
    EXPECT_EQ(p.FreqEdit(7)->Top(), 22 + 7 * 29);
    EXPECT_EQ(p.BandLabel(7)->Top(), 23 + 7 * 29);
    EXPECT_EQ(p.BandLabel(7)->Left(), 12);
    EXPECT_EQ(p.BandLabel(7)->Caption(), "8");
    EXPECT_EQ(p.BandLabel(7)->Font()->Color(), BandColors[7]);
    EXPECT_EQ(p.BandLabel(7)->Font()->Size(), 12);
    EXPECT_FALSE(p.FreqEdit(8)->Visible());
    EXPECT_EQ(p.TypeCombo(8)->Top(), 10000);
    for (int row = 0; row < 8; ++row) {
        ASSERT_EQ(p.TypeCombo(row)->Items()->Count(), 7) << row;
        EXPECT_EQ(p.TypeCombo(row)->Items()->Strings(3), " Low Cut    ");
        EXPECT_EQ(p.TypeCombo(row)->ItemIndex(), 0) << "a layout selects entry 0";
        EXPECT_EQ(p.FreqEdit(row)->Color(), clWhite);
    }
    EXPECT_FALSE(p.TitleLabel(0)->Visible());
    EXPECT_EQ(p.FreqUpDown(0)->Parent(), nullptr) << "value holders are never shown";

    // nothing moves while the size stays; the next size change applies the new geometry
    p.SetTitleVisable(true);
    EXPECT_EQ(p.FreqEdit(1)->Top(), 22 + 29);
    p.SetBounds(0, 0, 536, 271);
    p.RePaint();
    EXPECT_EQ(p.FreqEdit(0)->Top(), 22 + 13);
    EXPECT_EQ(p.FreqEdit(1)->Top(), 22 + 13 + 28);
}

TEST(TMyPEQAllpass, NineRowsAndConstructionState)
{
    EditorFixture f(9);
    EXPECT_EQ(f.peq->FreqEdit(1)->Top(), 22 + 26);
    EXPECT_TRUE(f.peq->FreqEdit(8)->Visible());

    controlstest::EnsureGuiApp();
    TMyPEQAllpass fresh(nullptr);
    EXPECT_EQ(fresh.GetChannelNumber(), 50);
    EXPECT_EQ(fresh.Width(), 490);
    EXPECT_EQ(fresh.FreqEdit(3)->Text(), "3");
    EXPECT_EQ(fresh.QEdit(3)->Text(), "0.40");
    EXPECT_EQ(fresh.GainEdit(3)->Text(), "0dB");
    EXPECT_EQ(fresh.FreqEdit(3)->Top(), 15 + 7 * 3 + 7);
    EXPECT_EQ(fresh.TypeCombo(49)->ItemIndex(), 1) << "window creation selects entry 1";
    EXPECT_EQ(fresh.GetNowIndex(), 0);
    EXPECT_DOUBLE_EQ(fresh.GetFreqValue(0), 1000.0);
    EXPECT_DOUBLE_EQ(fresh.GetQValue(0), 0.4f);
    EXPECT_EQ(fresh.GetGainValue(0), 0.0);
    EXPECT_FALSE(fresh.GetBypassValue(0));

    fresh.SetChannelNumber(80);
    EXPECT_EQ(fresh.GetChannelNumber(), 50);
    fresh.SetChannelNumber(-1);
    EXPECT_EQ(fresh.GetChannelNumber(), 0);
    fresh.SetBounds(0, 0, 500, 300);
    fresh.RePaint(); // no rows: nothing to divide by
    EXPECT_FALSE(fresh.FreqEdit(0)->Visible());
}

TEST(TMyPEQAllpass, TypedEntry)
{
    EditorFixture f;
    struct Case
    {
        int field; // 0 frequency, 1 Q, 2 gain
        int row;
        const char* typed;
        const char* shown;
        int position; // of the field's up-down
    };
    const Case cases[] = {
        { 0, 2, "1kHz", "1.00KHz", 0 },     { 0, 2, "1.5k", "1.52KHz", 18 },  { 0, 2, "20000", "20.16KHz", 130 },
        { 0, 2, "100000", "20.16KHz", 130 }, { 0, 2, "10", "19.7Hz", -170 },  { 0, 2, "1,5k", "1.00KHz", 0 },
        { 0, 2, "500 Hz", "1.00KHz", 0 },    { 0, 2, "1.2.3", "1.00KHz", 0 }, { 0, 2, "", "1.00KHz", 0 },
        { 0, 2, "0.0", "19.7Hz", -170 },     { 1, 3, "200", "128.00", 100 },  { 1, 3, "0.3", "0.40", 0 },
        { 1, 3, "3", "3.00", 35 },           { 1, 3, "0", "3.00", 35 },       { 1, 3, "x", "3.00", 35 },
        { 2, 4, "3.47dB", "3.4dB", 34 },     { 2, 4, "-15", "-12dB", -120 },  { 2, 4, "5.", "-12dB", -120 },
        { 2, 4, "-", "-12dB", -120 },        { 2, 4, ".5", "0.5dB", 5 },      { 2, 4, "0", "0dB", 0 },
    };
    int expected = 0;
    for (const Case& c : cases) {
        TEdit* edit = c.field == 0 ? f.peq->FreqEdit(c.row) : c.field == 1 ? f.peq->QEdit(c.row) : f.peq->GainEdit(c.row);
        TUpDown* holder = c.field == 0 ? f.peq->FreqUpDown(c.row) : c.field == 1 ? f.peq->QUpDown(c.row) : f.peq->GainUpDown(c.row);
        f.Commit(edit, c.typed);
        EXPECT_EQ(edit->Text(), c.shown) << c.typed;
        EXPECT_EQ(holder->Position(), c.position) << c.typed;
        EXPECT_EQ(f.changes, ++expected) << "one notice per commit, refused or not: " << c.typed;
        EXPECT_EQ(f.peq->GetNowIndex(), c.row) << c.typed;
    }
    EXPECT_DOUBLE_EQ(f.peq->GetGainValue(4), 0.0);
    EXPECT_NEAR(f.peq->GetFreqValue(2), 19.69, 0.01);
    EXPECT_DOUBLE_EQ(f.peq->GetQValue(3), 3.0f);

    // leaving an unchanged edit commits too and makes its band current
    f.peq->QEdit(6)->OnExit(f.peq->QEdit(6));
    EXPECT_EQ(f.changes, expected + 1);
    EXPECT_EQ(f.peq->GetNowIndex(), 6);
    // a refused text comes back with the caret at its end
    f.Commit(f.peq->FreqEdit(1), "abc");
    EXPECT_EQ(f.peq->FreqEdit(1)->SelStart(), f.peq->FreqEdit(1)->Text().size());
}

TEST(TMyPEQAllpass, SettersWriteValuesAndNotifyOnce)
{
    EditorFixture f;
    TMyPEQAllpass& p = *f.peq;
    p.SetFreqValue(1, 1100);
    EXPECT_EQ(p.FreqUpDown(1)->Position(), 4);
    EXPECT_EQ(p.FreqEdit(1)->Text(), "1.10KHz");
    p.SetFreqValue(1, 1195);
    EXPECT_EQ(p.FreqUpDown(1)->Position(), 8);
    p.SetQValue(1, 35.9);
    EXPECT_EQ(p.QEdit(1)->Text(), "3.00");
    EXPECT_DOUBLE_EQ(p.GetQValue(1), 3.0f);
    p.SetGainValue(1, -3.47);
    EXPECT_EQ(p.GainUpDown(1)->Position(), -34);
    EXPECT_EQ(p.GainEdit(1)->Text(), "-3.47dB");
    p.SetTypeValue(1, 5);
    EXPECT_EQ(p.GetTypeValue(1), 5);
    p.SetBypassValue(1, true);
    EXPECT_TRUE(p.GetBypassValue(1));
    EXPECT_EQ(p.BypassButton(1)->Color(), PeqBandEditor::BypassedColor);
    EXPECT_EQ(p.BypassButton(0)->Color(), clSilver);
    EXPECT_EQ(f.changes, 6);
    EXPECT_EQ(p.GetNowIndex(), 0) << "setters do not move the current band";

    struct ParamCase
    {
        double db;
        int tenths;
        const char* shown;
    };
    const ParamCase params[] = { { -3.4, -34, "-3.4dB" }, { 3.4, 34, "3.4dB" }, { 3.47, 35, "3.47dB" }, { 3.45, 34, "3.45dB" }, { 3.46, 35, "3.46dB" } };
    for (const ParamCase& c : params) {
        const int before = f.changes;
        p.SetEqParamValue(2, 2000, 16, c.db, 2, false);
        EXPECT_EQ(p.GainUpDown(2)->Position(), c.tenths) << c.db;
        EXPECT_EQ(p.GainEdit(2)->Text(), c.shown) << c.db;
        EXPECT_EQ(f.changes, before + 1) << c.db;
    }
    EXPECT_EQ(p.FreqEdit(2)->Text(), "2.00KHz");
    EXPECT_DOUBLE_EQ(p.GetQValue(2), 1.0);
    EXPECT_EQ(p.GetTypeValue(2), 2);

    // out of range: a Q index stays within the table, a band outside the rows is left alone
    p.SetQValue(3, 250);
    EXPECT_EQ(p.QUpDown(3)->Position(), 100);
    EXPECT_EQ(p.QEdit(3)->Text(), "128.00");
    const int before = f.changes;
    p.SetGainValue(60, 1.0);
    p.SetEqParamValue(-1, 1000, 0, 0, 0, false);
    EXPECT_EQ(f.changes, before);
    EXPECT_EQ(p.GetFreqValue(60), 0.0);
    EXPECT_EQ(p.GetTypeValue(60), -1);
    // a gain beyond the grid is stored as given
    p.SetGainValue(3, 20.0);
    EXPECT_EQ(p.GainUpDown(3)->Position(), 200);
}

TEST(TMyPEQAllpass, CurrentBandHighlight)
{
    EditorFixture f;
    TMyPEQAllpass& p = *f.peq;
    const TColor normal = p.NormalEditColor();
    ASSERT_NE(normal, PeqBandEditor::HighlightColor);
    auto colourOf = [&](int row) { return p.FreqEdit(row)->Font()->Color(); };

    p.SetNowIndex(3);
    EXPECT_EQ(colourOf(3), PeqBandEditor::HighlightColor);
    EXPECT_EQ(p.GainEdit(3)->Font()->Color(), PeqBandEditor::HighlightColor);
    p.SetNowIndex(5);
    EXPECT_EQ(colourOf(3), normal);
    EXPECT_EQ(colourOf(5), PeqBandEditor::HighlightColor);
    p.SetNowIndex(-1);
    EXPECT_EQ(colourOf(5), normal);
    EXPECT_EQ(p.GetNowIndex(), 5);

    // a user edit moves the current band; SetNowIndex of it then clears the previous one
    p.SetNowIndex(2);
    f.Commit(p.GainEdit(6), "1");
    p.SetNowIndex(6);
    EXPECT_EQ(colourOf(2), normal);
    EXPECT_EQ(colourOf(6), PeqBandEditor::HighlightColor);

    p.SetNowIndex(15); // not a row of an 8-band editor: nothing highlighted
    EXPECT_EQ(p.GetNowIndex(), 15);
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(colourOf(row), normal) << row;
    p.SetNowIndex(-1);
    EXPECT_EQ(p.GetNowIndex(), 15);
}

TEST(TMyPEQAllpass, ListsButtonsAndMouse)
{
    EditorFixture f;
    TMyPEQAllpass& p = *f.peq;
    // bypass button toggles, colours and notifies
    p.BypassButton(4)->Click();
    EXPECT_TRUE(p.GetBypassValue(4));
    EXPECT_EQ(p.BypassButton(4)->Color(), PeqBandEditor::BypassedColor);
    EXPECT_EQ(p.GetNowIndex(), 4);
    p.BypassButton(4)->Click();
    EXPECT_FALSE(p.GetBypassValue(4));
    EXPECT_EQ(p.BypassButton(4)->Color(), clSilver);
    EXPECT_EQ(f.changes, 2);

    // a click into an edit makes its band current and reports the editor, without a change notice
    TObject* clicked = nullptr;
    p.OnEditMouseDown = [&](TObject* Sender, TMouseButton, TShiftState, int, int) { clicked = Sender; };
    p.QEdit(7)->OnMouseDown(p.QEdit(7), TMouseButton::mbLeft, TShiftState(), 3, 4);
    EXPECT_EQ(clicked, &p);
    EXPECT_EQ(p.GetNowIndex(), 7);
    EXPECT_EQ(f.changes, 2);

    // the wheel over a list goes to the handler with the list as sender
    TObject* wheeled = nullptr;
    p.OnPeqTypeMouseWheel = [&](TObject* Sender, TShiftState, int, TPoint, bool& Handled) {
        wheeled = Sender;
        Handled = true;
    };
    bool handled = false;
    p.TypeCombo(1)->OnMouseWheel(p.TypeCombo(1), TShiftState(), 120, TPoint(), handled);
    EXPECT_EQ(wheeled, p.TypeCombo(1));
    EXPECT_TRUE(handled);

    // a user pick of a type
    p.TypeCombo(2)->SetItemIndex(6);
    p.TypeCombo(2)->OnChange(p.TypeCombo(2));
    EXPECT_EQ(p.GetTypeValue(2), 6);
    EXPECT_EQ(p.GetNowIndex(), 2);
    EXPECT_EQ(f.changes, 3);

    // language switch keeps every band's type
    for (int i = 0; i < 7; ++i)
        p.SetEqTypeString(QStringLiteral("T%1").arg(i), i);
    p.SetEqTypeString(QStringLiteral("ignored"), 7);
    p.SetBypassString(QStringLiteral("BYPASS"));
    EXPECT_EQ(p.TypeCombo(2)->Items()->Strings(3), " Low Cut    ") << "nothing refreshed before ChangeLanguage";
    p.ChangeLanguage();
    EXPECT_EQ(p.TypeCombo(2)->Items()->Strings(3), "T3");
    EXPECT_EQ(p.TypeCombo(2)->Items()->Count(), 7);
    EXPECT_EQ(p.GetTypeValue(2), 6);
    EXPECT_EQ(p.BypassButton(0)->Caption(), "BYPASS");

    // without a change handler, no recolouring
    p.OnChange = nullptr;
    p.SetBypassValue(0, true);
    EXPECT_TRUE(p.GetBypassValue(0));
    EXPECT_EQ(p.BypassButton(0)->Color(), clSilver);
}

TEST(TMyPEQGain, OffersFiveTypes)
{
    controlstest::EnsureGuiApp();
    TMyPEQGain p(nullptr);
    p.SetBounds(0, 0, 536, 270);
    p.SetChannelNumber(9);
    p.RePaint();
    ASSERT_EQ(p.TypeCombo(0)->Items()->Count(), 5);
    EXPECT_EQ(p.TypeCombo(0)->Items()->Strings(4), " High Cut   ");
    p.SetTypeValue(0, 5);
    EXPECT_EQ(p.GetTypeValue(0), -1);
    p.SetEqParamValue(0, 1000, 0, 3.47, 1, true);
    EXPECT_EQ(p.GainUpDown(0)->Position(), 35);
    EXPECT_TRUE(p.GetBypassValue(0));
}

TEST(TMyPEQAllpass, RendersItsRows)
{
    EditorFixture f;
    TMyPEQAllpass& p = *f.peq;
    p.SetColor(0, clBlack);
    p.SetEqParamValue(0, 1000, 20, -3.5, 0, false);
    p.SetEqParamValue(1, 125, 35, 6, 1, true);
    p.SetNowIndex(1);
    p.QWidget::show(); // shown, as on its page: the rows written out of sight are built then, never while painting
    QApplication::processEvents();
    const QImage image = controlstest::Render(&p);
    controlstest::SaveForReview(image, "peq_allpass_8.png");
    EXPECT_EQ(image.width(), 536);
    // the edit background of row 0 is white, the bypassed button of row 1 light red
    EXPECT_EQ(controlstest::PixelAt(image, 44, 30), clWhite);
    EXPECT_EQ(controlstest::PixelAt(image, 455, 22 + 29 + 10), PeqBandEditor::BypassedColor);
}

TEST(TMyPEQAllpass, RealKeysAndClicksReachTheBand)
{
    EditorFixture f;
    TMyPEQAllpass& p = *f.peq;
    int clicks = 0;
    p.OnEditMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++clicks; };
    QWidget* inner = p.GainEdit(5)->findChild<QWidget*>();
    ASSERT_NE(inner, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), inner->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(inner, &press);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(p.GetNowIndex(), 5);
    EXPECT_EQ(f.changes, 0);

    p.Show();
    p.GainEdit(3)->SetFocus(); // the key goes to the focused editor and bubbles up from it
    p.GainEdit(3)->SetText("2.5");
    QWidget* gain3 = p.GainEdit(3)->findChild<QWidget*>();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(gain3, &enter);
    EXPECT_EQ(p.GainEdit(3)->Text(), "2.5dB");
    EXPECT_EQ(p.GetNowIndex(), 3);
    EXPECT_EQ(f.changes, 1);
}
