// Rows of the band editor that are first used late look and hold what they would have had if they
// had been there from the start: after a layout, language changes, window creation, a size change or none.
#include "controls/MyPEQAllpass.h"

#include "ControlsTestApp.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TShape.h"
#include "platform/ui/TUpDown.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"

#include <gtest/gtest.h>

#include <functional>
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
