#pragma once
// The main window as the program creates it, with the commands it hands to the device recorded.

#include "plot/iXYPlot.h"
#include "ui/editors/EditorMath.h"
#include "controls/LProgressBar.h"
#include "controls/MyPEQAllpass.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "device/LinkHost.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/TUpDown.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "response/ResponseView.h"
#include "controller/CommandTap.h"
#include "ui/FMain.h"
#include "ui/editors/EditorSet.h"
#include "ui/editors/EditorText.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"
#include "widgets/VrButtons.h"
#include "support/PaintWarningsFail.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

namespace edtest {

// One application per rig, gone with it, as the window tests do. No test here sees the machine's
// HID devices or serial ports.
inline std::unique_ptr<vcl::TApplication> MakeApp()
{
    static QTemporaryDir emptyHidRoot;
    setenv("ZQ9_HID_ROOT", emptyHidRoot.path().toLocal8Bit().constData(), 1);
    setenv("ZQ9_SERIAL_PORTS", "", 1);
    static int argc = 1;
    static char name[] = "test_ui_editors";
    static char* argv[] = { name, nullptr };
    return std::make_unique<vcl::TApplication>(argc, argv);
}

// The commands the window hands to the device, recorded at its send path (no device is connected).
struct SentCommands
{
    std::vector<LCmd> Sent;
    TCommandTapSeam Seam { [this](const LCmd& cmd, int) { Sent.push_back(cmd); } };
};

// The main window as the program creates it: its creation builds the model, the model's road to
// the window and every curve set; the start-up search is held back.
inline TfmMain* CreateMainWindow(vcl::TApplication& app)
{
    app.CreateForm(fmMain);
    fmMain->tmStartConnect->SetEnabled(false);
    return fmMain;
}

// The points of a transfer plot's curve channel (channel 0) as the window left them.
inline std::vector<editors::XY> CurveOf(const TiXYPlot& Plot)
{
    std::vector<editors::XY> points;
    const TiXYPlotChannel* curve = Plot.Channel(0);
    for (int i = 0; i < curve->Count(); ++i)
        points.emplace_back(curve->GetX(i), curve->GetY(i));
    return points;
}

struct EditorRig
{
    // The window's own control of that name; a name the layout lacks fails the test.
    template <class T>
    T* Get(const QString& name) const
    {
        T* c = dynamic_cast<T*>(Form->FindComponent(name));
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }

    testsupport::PaintWarningsFail PaintWarnings; // first: it watches the window's whole life
    std::unique_ptr<vcl::TApplication> AppOwner { MakeApp() };
    TfmMain* Form { CreateMainWindow(*AppOwner) }; // owned by the application
    LUnitControl& Model { *Form->Controller.Model() };
    std::array<Plot*, 10>& Curves { Form->Plots };
    SentCommands Tap;

    // The commands of one code sent so far.
    std::vector<LCmd> SentOf(int code) const
    {
        std::vector<LCmd> out;
        for (const LCmd& c : Tap.Sent)
            if (c.GetCommand() == code)
                out.push_back(c);
        return out;
    }
};

} // namespace edtest
