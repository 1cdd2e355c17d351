// A PEQ gain typed into a band goes one way: the control's event straight to its editor, the model,
// the device controller's send path and the serial transport to the device, with no main window.

#include "controller/ControllerRig.h"

#include "controller/CommandTap.h"
#include "controls/MyPEQAllpass.h"
#include "device/CM_MCS.h"
#include "device/LCmd.h"
#include "device/ValueGrids.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TLabel.h"
#include "response/CurveStaleMarks.h"
#include "response/Plot.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "ui/editors/EditorSet.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <memory>
#include <vector>

namespace {

// The window around the editors, as far as a PEQ edit needs one: texts are their keys.
class BareWindow final : public editors::EditorWindow
{
public:
    QString Text(const QString& key) const override { return key; }
    int CurrentPage() const override { return 0; }
    bool InStartupRefresh() const override { return false; }
    int ExtraHeight() const override { return 0; }
    int LinkMaskOf(int) const override { return 0; }
    void ShowPreset(const QString&, const QString&) override {}
    void RefreshAll() override {}
    vcl::TColor CutTextColour(bool) const override { return vcl::clBlack; }
    void ShowChannelLinks(int, int) override {}
    void ShowWorkMode(int, int) override {}
    void ApplyLinks() override {}
    void AskPeqReset(int) override {}
    bool IsLinked() const override { return true; }
    int CurrentPreset() const override { return 0; }
    void CopyOnDevice(int, int, bool) override {}
    void RereadFromDevice() override {}
};

struct GuiFirst
{
    GuiFirst()
    {
        static int argc = 1;
        static char name[] = "test_ui_editors";
        static char* argv[] = { name, nullptr };
        App = std::make_unique<vcl::TApplication>(argc, argv);
    }
    std::unique_ptr<vcl::TApplication> App;
};

// InA's PEQ controls on a form of their own, handed to the editors over the device controller of
// a linked device emulator.
struct PeqPath
{
    PeqPath()
    {
        form.SetBounds(0, 0, 760, 420);
        peq = new TMyPEQAllpass(&form);
        peq->SetParent(&form);
        peq->SetBounds(10, 10, 536, 270);
        peq->SetChannelNumber(editors::BandCount(Ch));
        peq->SetTag(Ch);
        editors::ChannelControls& c = controls.Of(Ch);
        c.Peq = peq;
        c.Plot = new LMyFFTDrawPhase(&form);
        c.Plot->SetParent(&form);
        c.Plot->SetBounds(560, 10, 180, 120);
        c.Plot->SetTag(Ch);
        auto* help = new vcl::TLabel(&form);
        help->SetParent(&form);
        help->SetBounds(560, 140, 180, 20);
        c.BandHelp = help;
        for (int b = 0; b < editors::BandCount(Ch); ++b) {
            auto* band = new rz::TRzBmpButton(&form);
            band->SetParent(&form);
            band->SetBounds(10 + 40 * b, 290, 36, 20);
            band->SetTag(Ch);
            c.Bands[static_cast<std::size_t>(b)] = band;
        }
        for (int f = 0; f < editors::EqFieldCount; ++f) {
            auto* fader = new TAdvTrackBar(&form);
            fader->SetParent(&form);
            fader->SetBounds(10 + 120 * f, 320, 110, 30);
            fader->SetTag(Ch);
            c.EqFaders[static_cast<std::size_t>(f)] = fader;
            auto* edit = new TCurvyEdit(&form);
            edit->SetParent(&form);
            edit->SetBounds(10 + 120 * f, 360, 110, 24);
            edit->SetTag(Ch);
            c.EqEdits[static_cast<std::size_t>(f)] = edit;
        }
        // The editors take their controls as the window hands them over, once they are all made.
        set = std::make_unique<editors::EditorSet>(editors::EditorContext { window, rig.controller, suppress, plots, stale }, controls);
        set->BindHandlers();
        set->SetModel(&rig.model);
    }

    void Show()
    {
        form.Show();
        form.activateWindow();
        QApplication::processEvents();
    }
    void ClickOn(vcl::TControl* control)
    {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          control->mapTo(&form, QPoint(control->width() / 2, control->height() / 2)));
        QApplication::processEvents();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form.windowHandle(), static_cast<Qt::Key>(key), modifiers);
        QApplication::processEvents();
    }

    static constexpr int Ch = 0;
    GuiFirst gui;
    ControllerRig rig;
    vcl::TForm form { nullptr };
    TMyPEQAllpass* peq { nullptr };
    BareWindow window;
    bool suppress { false };
    std::array<Plot*, editors::PlotCount> plots {};
    CurveStaleMarks stale;
    editors::EditorControls controls;
    std::unique_ptr<editors::EditorSet> set;
};

TEST(PeqPath, TypedGainGoesFromTheControlToTheDeviceWithoutTheWindow)
{
    PeqPath p;
    ASSERT_TRUE(p.rig.Connect());
    p.rig.model.LoadDefaultPreset(); // every channel single, so the edit lands in InA's own band
    std::vector<BytePacket> handedToTheLink;
    TCommandTapSeam tap([&](const LCmd& cmd, int) { handedToTheLink.push_back(cmd.ToBytes(true)); });
    const std::size_t before = p.rig.emu.RequestCount();

    p.Show();
    ASSERT_TRUE(p.peq->GainEdit(3)->isVisible());
    p.ClickOn(p.peq->GainEdit(3));
    p.Key(Qt::Key_A, Qt::ControlModifier);
    for (const char key : { '2', '.', '5' })
        p.Key(key);
    p.Key(Qt::Key_Return);

    // The model holds the band, and exactly its command went to the link and reached the device.
    const PeqBand band = p.rig.model.GetPeq(PeqPath::Ch, 3);
    EXPECT_EQ(band.Gain, GainToIndex(2.5));
    const BytePacket expected = CM_MCS_PEQ(1, PeqPath::Ch, 3, band, false).ToBytes(true);
    ASSERT_EQ(handedToTheLink.size(), 1u);
    EXPECT_EQ(handedToTheLink.front(), expected);
    ASSERT_TRUE(ControllerRig::SpinUntil([&] { return p.rig.emu.RequestCount() > before; }));
    const std::vector<BytePacket> arrived = p.rig.emu.RequestsFrom(before);
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived.front(), expected);
    EXPECT_EQ(p.peq->GetNowIndex(), 3);
}

} // namespace
