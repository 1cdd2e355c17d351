// Rows of the band editor that are first used late look and hold what they would have had if they
// had been there from the start: after a layout, language changes, window creation, a size change or none.
#include "controls/MyPEQAllpass.h"

#include "ControlsTestApp.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TShape.h"
#include "platform/ui/TUpDown.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace vcl;

namespace {

// Everything a row shows or holds, as text, for comparing two editors row by row.
std::string RowState(TMyPEQAllpass& peq, int i)
{
    std::string s;
    auto control = [&s](const char* what, TControl* c) {
        s += std::string(what) + ":" + (c->Visible() ? "v" : "h") + std::to_string(c->Left()) + ","
            + std::to_string(c->Top()) + "," + std::to_string(c->Width()) + "," + std::to_string(c->Height()) + " ";
    };
    control("label", peq.BandLabel(i));
    control("freq", peq.FreqEdit(i));
    control("q", peq.QEdit(i));
    control("gain", peq.GainEdit(i));
    control("type", peq.TypeCombo(i));
    control("bypass", peq.BypassButton(i));
    control("fud", peq.FreqUpDown(i));
    control("qud", peq.QUpDown(i));
    control("gud", peq.GainUpDown(i));
    s += std::to_string(peq.BandLabel(i)->Font()->Color()) + "|";
    s += peq.BandLabel(i)->Caption().toStdString() + "|" + peq.FreqEdit(i)->Text().toStdString() + "|"
        + peq.QEdit(i)->Text().toStdString() + "|" + peq.GainEdit(i)->Text().toStdString() + "|"
        + peq.BypassButton(i)->Caption().toStdString() + "|" + std::to_string(peq.TypeCombo(i)->ItemIndex()) + "|";
    for (TControl* c : { static_cast<TControl*>(peq.FreqEdit(i)), static_cast<TControl*>(peq.QEdit(i)),
                         static_cast<TControl*>(peq.GainEdit(i)), static_cast<TControl*>(peq.TypeCombo(i)),
                         static_cast<TControl*>(peq.BypassButton(i)) })
        s += std::to_string(c->Color()) + "/" + std::to_string(c->Font()->Color()) + " ";
    for (int k = 0; k < peq.TypeCombo(i)->Items()->Count(); ++k)
        s += peq.TypeCombo(i)->Items()->Strings(k).toStdString() + ";";
    s += std::to_string(peq.GetFreqValue(i)) + "|" + std::to_string(peq.GetQValue(i)) + "|"
        + std::to_string(peq.GetGainValue(i)) + "|" + std::to_string(peq.GetTypeValue(i));
    return s;
}

// The band values as the curves read them, without touching a control.
std::string RowValues(const PeqBandEditor& peq, int i)
{
    return std::to_string(peq.GetFreqValue(i)) + "|" + std::to_string(peq.GetQValue(i)) + "|"
        + std::to_string(peq.GetGainValue(i)) + "|" + std::to_string(peq.GetTypeValue(i)) + "|"
        + std::to_string(peq.GetBypassValue(i)) + "|" + std::to_string(peq.NormalEditColor());
}

void TouchEveryRow(TMyPEQAllpass& peq)
{
    for (int i = 0; i < PeqBandEditor::MaxRows; ++i)
        (void)peq.BandLabel(i);
}

// A window dragged to many sizes, switched between languages and band counts on the way, up-downs
// shown for a while.
void ManyResizesAndLanguageChanges(TMyPEQAllpass& p)
{
    for (int k = 0; k < 120; ++k) {
        p.SetChannelNumber(k % 3 == 0 ? 6 : 10);
        p.SetBounds(0, 0, 500 + k, 200 + (k * 7) % 90);
        p.RePaint();
        if (k % 5 == 0) {
            p.SetEqTypeString(k % 10 == 0 ? QStringLiteral("Glocke") : QStringLiteral("Peak EQ"), 0);
            p.SetBypassString(k % 10 == 0 ? QStringLiteral("AUS") : QStringLiteral("OFF"));
            p.ChangeLanguage();
        }
        if (k == 40)
            p.SetUpdownVisable(true);
        if (k == 80)
            p.SetUpdownVisable(false);
    }
}

} // namespace

TEST(PeqBandEditorRows, RowsFirstUsedLateMatchRowsUsedFromTheStart)
{
    controlstest::EnsureGuiApp();
    using Step = std::function<void(TMyPEQAllpass&)>;
    const std::vector<std::pair<const char*, Step>> histories = {
        { "as built", [](TMyPEQAllpass&) {} },
        { "nine rows laid out",
          [](TMyPEQAllpass& p) {
              p.SetBounds(0, 0, 560, 196);
              p.SetChannelNumber(9);
              p.RePaint();
          } },
        { "renamed and laid out twice",
          [](TMyPEQAllpass& p) {
              p.SetChannelNumber(8);
              p.SetEqTypeString(QStringLiteral("Peak EQ"), 0);
              p.SetBypassString(QStringLiteral("OFF"));
              p.ChangeLanguage();
              p.SetBounds(0, 0, 560, 196);
              p.RePaint();
              p.SetChannelNumber(12);
              p.SetBounds(0, 0, 600, 300);
              p.RePaint();
          } },
        { "coloured, some bands bypassed and selected",
          [](TMyPEQAllpass& p) {
              p.OnChange = [](TObject*) {};
              p.SetEditBackColor(0x202020);
              p.SetBypassBackColor(0x404040);
              p.SetEqParamValue(3, 1000.0, 2.0, 3.0, 1, true);
              p.SetNowIndex(4);
              p.SetNowIndex(6);
              p.SetChannelNumber(6);
              p.SetBypassBackColor(0x505050);
              p.SetEditBackColor(0x303030);
          } },
        { "renamed twice, never laid out",
          [](TMyPEQAllpass& p) {
              p.SetEqTypeString(QStringLiteral("Peak EQ"), 0);
              p.SetBypassString(QStringLiteral("OFF"));
              p.ChangeLanguage();
              p.SetChannelNumber(5);
              p.SetEqTypeString(QStringLiteral("Glocke"), 0);
              p.SetBypassString(QStringLiteral("AUS"));
              p.ChangeLanguage();
          } },
        { "dressed, laid out, renamed, laid out with fewer rows",
          [](TMyPEQAllpass& p) {
              p.SetRowDress([](PeqBandEditor& e, int b) {
                  if (b < 10) {
                      e.BandLabel(b)->Font()->SetColor(0x00FFFF);
                      e.BypassButton(b)->Font()->SetColor(0x0000FF);
                  }
              });
              p.SetChannelNumber(10);
              p.SetBounds(0, 0, 560, 196);
              p.RePaint();
              p.SetBypassString(QStringLiteral("OFF"));
              p.ChangeLanguage();
              p.SetChannelNumber(4);
              p.SetBounds(0, 0, 600, 300);
              p.RePaint();
          } },
        { "many resizes and language changes", ManyResizesAndLanguageChanges },
        { "font coloured, laid out, first band's text coloured, laid out again",
          [](TMyPEQAllpass& p) {
              p.Font()->SetColor(0x00C0C0);
              p.SetChannelNumber(9);
              p.SetBounds(0, 0, 560, 196);
              p.RePaint(); // the normal edit colour from the editor's font
              p.SetColor(0, 0x0000FF);
              p.SetBounds(0, 0, 600, 300);
              p.RePaint(); // and from the colour the first band was given
              p.Font()->SetColor(0x303030);
          } },
        { "values written between layouts and language changes, types out of range among them",
          [](TMyPEQAllpass& p) {
              p.OnChange = [](TObject*) {};
              p.SetChannelNumber(9);
              p.SetEqParamValue(2, 250.0, 40.0, -4.25, 3, true);
              p.SetTypeValue(4, 2);
              p.SetTypeValue(5, 12);
              p.SetBounds(0, 0, 560, 196);
              p.RePaint(); // lays out: every type list back to its first entry
              p.SetTypeValue(6, 4);
              p.SetFreqValue(7, 1234.0);
              p.SetQValue(7, 250.0);
              p.SetGainValue(8, 7.25);
              p.SetEqTypeString(QStringLiteral("Glocke"), 0);
              p.ChangeLanguage(); // keeps each selection
              p.SetTypeValue(30, 1); // a row out of use
              p.SetEqParamValue(3, 20000.0, -5.0, 15.0, -1, false);
              p.CreateWnd();
          } },
        { "laid out with up-downs for more rows than they were shown on, then without",
          [](TMyPEQAllpass& p) {
              p.SetChannelNumber(4);
              p.SetUpdownVisable(true);
              p.SetChannelNumber(10);
              p.SetBounds(0, 0, 560, 196);
              p.RePaint();
              p.SetChannelNumber(2);
              p.SetUpdownVisable(false);
              p.SetChannelNumber(10);
              p.SetBounds(0, 0, 600, 300);
              p.RePaint();
          } },
        { "renamed, window created again, renamed",
          [](TMyPEQAllpass& p) {
              p.SetBypassString(QStringLiteral("OFF"));
              p.ChangeLanguage();
              p.SetChannelNumber(7);
              p.CreateWnd();
              p.SetEqTypeString(QStringLiteral("Shelf"), 2);
              p.ChangeLanguage();
          } },
    };
    for (const auto& [name, history] : histories) {
        TMyPEQAllpass early(nullptr);
        TouchEveryRow(early);
        history(early);
        TMyPEQAllpass late(nullptr);
        history(late);
        for (int i = 0; i < PeqBandEditor::MaxRows; ++i)
            EXPECT_EQ(RowValues(late, i), RowValues(early, i)) << name << ", row " << i << " before it is built";
        for (int i = 0; i < PeqBandEditor::MaxRows; ++i)
            EXPECT_EQ(RowState(late, i), RowState(early, i)) << name << ", row " << i;
    }
}

TEST(PeqBandEditorRows, ResizesAndLanguageChangesKeepFewStepsForUnbuiltRows)
{
    controlstest::EnsureGuiApp();
    TMyPEQAllpass peq(nullptr);
    ManyResizesAndLanguageChanges(peq);
    // Window creation, the up-downs' last layout, and a layout and a language change for each band count.
    EXPECT_LE(peq.RowStepCount(), 6U);
    const std::size_t settled = peq.RowStepCount();
    ManyResizesAndLanguageChanges(peq);
    EXPECT_EQ(peq.RowStepCount(), settled);
}

namespace {

// An editor in a window of its own, laid out and filled as the main window fills a hidden page.
struct FilledWindow
{
    explicit FilledWindow(bool buildRowsFirst)
    {
        form->SetBounds(0, 0, 700, 300);
        peq = new TMyPEQAllpass(form.get());
        peq->SetParent(form.get());
        peq->SetBounds(10, 10, 560, 196);
        if (buildRowsFirst)
            TouchEveryRow(*peq);
        peq->SetChannelNumber(9);
        peq->OnChange = [](TObject*) {};
        peq->SetLabelColor(0x808080);
        peq->SetBypassBackColor(0x404040);
        for (int b = 0; b < 9; ++b)
            peq->SetEqParamValue(b, 100.0 * (b + 1), 10.0 * b, b - 4.5, b % 7, b % 3 == 0);
        peq->SetNowIndex(3);
    }
    void ShowAndWait() const
    {
        form->Show();
        QElapsedTimer waited;
        waited.start();
        while (!peq->isVisible() && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    // Every control the editor shows: where it is and what it says.
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> shown;
        for (int k = 0; k < peq->ControlCount(); ++k) {
            TControl* c = peq->Controls(k);
            if (c->isVisible())
                shown.push_back(std::to_string(c->Left()) + "," + std::to_string(c->Top()) + "," + std::to_string(c->Width())
                                + "," + std::to_string(c->Height()) + " " + c->metaObject()->className() + " "
                                + c->Text().toStdString() + " " + std::to_string(c->Color()) + "/"
                                + std::to_string(c->Font()->Color()));
        }
        std::sort(shown.begin(), shown.end());
        return shown;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TMyPEQAllpass* peq = nullptr;
};

} // namespace

TEST(PeqBandEditorRows, AnEditorOutOfSightIsFilledWithoutBuildingItsRowsAndShowsThemAsShown)
{
    controlstest::EnsureGuiApp();
    FilledWindow early(true);
    FilledWindow late(false);
    EXPECT_LT(late.peq->ControlCount(), early.peq->ControlCount() / 4) << "filling built the rows";
    early.ShowAndWait();
    late.ShowAndWait();
    ASSERT_TRUE(late.peq->isVisible());
    const std::vector<std::string> shown = late.Shown();
    EXPECT_EQ(shown, early.Shown());
    EXPECT_GE(shown.size(), 9U * 6U); // label, three edits, type list and bypass button of each band
}
