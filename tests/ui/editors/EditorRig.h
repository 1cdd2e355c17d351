#pragma once
// The main window as its layout builds it, over a model whose commands are recorded instead of sent.

#include "controls/LProgressBar.h"
#include "controls/MyPEQAllpass.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "device/LinkHost.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TUpDown.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "response/ResponseView.h"
#include "ui/FMain.h"
#include "ui/editors/EditorNames.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"
#include "widgets/VrButtons.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace edtest {

// One application per rig, gone with it, as the window tests do.
inline std::unique_ptr<vcl::TApplication> MakeApp()
{
    static int argc = 1;
    static char name[] = "test_ui_editors";
    static char* argv[] = { name, nullptr };
    return std::make_unique<vcl::TApplication>(argc, argv);
}

class RecordingHost : public LinkHost
{
public:
    explicit RecordingHost(TfmMain& f) : Form(f) {}
    void SendCommand(const LCmd& cmd, int, bool) override { Sent.push_back(cmd); }
    int GetDeviceId() const override { return 1; }
    bool IsSendSuppressed() const override { return Form.SuppressSend; }
    void MarkCurveStale(int) override {}
    std::vector<LCmd> Sent;

private:
    TfmMain& Form;
};

struct EditorRig
{
    EditorRig()
    {
        Form = std::make_unique<TfmMain>(nullptr);
        Host = std::make_unique<RecordingHost>(*Form);
        Model.SetLinkHost(Host.get());
        Form->UnitControl = &Model;
        // Each curve set on its plot control, as the window's creation makes them.
        static const char* const plotNames[] = { "fftDrawInA", "fftDrawInB", "fftDrawOut1", "fftDrawOut2", "fftDrawOut3",
                                                 "fftDrawOut4", "fftDrawOut5", "fftDrawOut6", "fftDrawGainIn", "fftDrawGainOut" };
        for (std::size_t i = 0; i < Curves.size(); ++i) {
            Curves[i] = std::make_unique<Plot>(dynamic_cast<ResponseView*>(Form->FindComponent(QString::fromLatin1(plotNames[i]))));
            Form->Plots[i] = Curves[i].get();
        }
    }

    // The window's own control of that name; a name the layout lacks fails the test.
    template <class T>
    T* Get(const QString& name) const
    {
        T* c = editors::Find<T>(Form.get(), name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }

    std::unique_ptr<vcl::TApplication> AppOwner { MakeApp() };
    LUnitControl Model;
    std::unique_ptr<TfmMain> Form;
    std::array<std::unique_ptr<Plot>, 10> Curves; // gone before the plot controls they draw on
    std::unique_ptr<RecordingHost> Host;

    // The commands of one code sent so far.
    std::vector<LCmd> SentOf(int code) const
    {
        std::vector<LCmd> out;
        for (const LCmd& c : Host->Sent)
            if (c.GetCommand() == code)
                out.push_back(c);
        return out;
    }
};

} // namespace edtest
