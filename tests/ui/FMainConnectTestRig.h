#pragma once
// The real main window over loopback TCP to the device emulator, with the model, the progress,
// message, search and lock windows it drives, and helpers that answer modal windows.

#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "platform/os/SerialPortList.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TOpenDialog.h"
#include "support/DeviceEmulator.h"
#include "support/EmulatorLinks.h"
#include "support/Patience.h"
#include "support/PaintWarningsFail.h"
#include "support/TestTransportHost.h"
#include "transport/LCommProc.h"
#include "transport/LNetProc.h"
#include "transport/LUsbProc.h"
#include "controller/AckState.h"
#include "ui/FInformation.h"
#include "ui/FLockPassWord.h"
#include "ui/FMain.h"
#include "ui/FNetWorkScan.h"
#include "ui/FProcess.h"
#include "ui/MainLinkViews.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>
#include "support/DeviceControllerProbe.h"

namespace seqtest {

inline bool SpinUntil(const std::function<bool()>& pred, int ms = patience::OuterLimitMs)
{
    return TestTransportHost::SpinUntil(pred, ms);
}

// Answers a window each time it runs modally: act runs once per modal display.
class ModalAnswer
{
public:
    ModalAnswer(vcl::TForm* form, std::function<void(vcl::TForm&)> act) : Form(form), Act(std::move(act))
    {
        Timer.setInterval(5);
        QObject::connect(&Timer, &QTimer::timeout, [this] {
            // A display not answered yet: modal with no result set.
            if (!Form->Modal()) {
                Seen = false;
                return;
            }
            if (Seen || Form->ModalResult() != vcl::mrNone)
                return;
            ++Count;
            Act(*Form);
            // A display the answer closed is done; the next one may follow before a tick sees it go.
            Seen = Form->ModalResult() == vcl::mrNone;
        });
        Timer.start();
    }
    int Count { 0 };

private:
    vcl::TForm* Form;
    std::function<void(vcl::TForm&)> Act;
    bool Seen { false };
    QTimer Timer;
};

inline std::vector<std::uint8_t> Codes(const std::vector<BytePacket>& frames)
{
    std::vector<std::uint8_t> codes;
    for (const auto& f : frames)
        codes.push_back(f.size() > 5 ? f[5] : 0);
    return codes;
}

struct Rig
{
    // withSearch: the real connection search dialog is there (it reacts to results on its own).
    explicit Rig(bool withSearch = false)
    {
        vcl::SetSerialPortOverride(std::vector<vcl::TSerialPortEntry> {});
        // The window's own creation builds the model, its road to the window and the curve sets.
        app.CreateForm(fmMain);
        form = fmMain;
        form->tmStartConnect->SetEnabled(false); // the rig connects by itself
        unit = form->Controller.Model();
        app.CreateForm(fmProcess);
        app.CreateForm(fmInformation);
        app.CreateForm(fmLockPassWord);
        // No search result yet. Set before the search dialog exists: handed to the dialog, a result arms
        // its verdict timer, which 100 ms later ends a connect that has not been answered by then.
        LinkViews::SearchSetConnectResult(0);
        if (withSearch)
            app.CreateForm(fmNetwork);
        form->DeviceIp = 0x7F000001;
        form->Controller.NetworkLink().SetEndpoint("127.0.0.1", server.Port());
        form->PrepareNetwork();
        EXPECT_TRUE(SpinUntil([&] { return server.HasClient() && form->Controller.NetworkLink().ClientSocket().Connected(); }));
    }
    ~Rig()
    {
        for (auto* t : { form->tmInLevelDet, form->tmDisconnect, form->tmLinkBroken, form->tmUpload, form->tmLockPrompt,
                         form->tmProcessShow, form->tmComScan })
            t->SetEnabled(false);
        auto drop = [](auto*& t) {
            if (t) {
                t->Close();
                delete t;
                t = nullptr;
            }
        };
        drop(DeviceControllerProbe(form->Controller).CommProc());
        drop(DeviceControllerProbe(form->Controller).UsbProc());
        drop(DeviceControllerProbe(form->Controller).NetProc());
        fmMain = nullptr;
        fmProcess = nullptr;
        fmInformation = nullptr;
        fmLockPassWord = nullptr;
        fmNetwork = nullptr;
        vcl::SetSerialPortOverride(std::nullopt);
    }

    // Connect, identify and upload; true once level polling runs.
    bool ConnectAndUpload()
    {
        form->ConnectNet();
        return SpinUntil([&] { return form->tmInLevelDet->Enabled() && !fmProcess->Visible(); }) && Quiet();
    }

    // The closing keep-alive of a step is acknowledged: an acknowledge still on its way would run
    // the next operation's first step, as every acknowledge runs the recorded step.
    bool Quiet()
    {
        auto idle = [&] { return form->Controller.Net() && !form->Controller.Net()->IsBusy() && form->Controller.Net()->QueueSnapshot().empty(); };
        for (int tries = 0; tries < 50; ++tries) {
            if (SpinUntil(idle)) {
                TestTransportHost::Spin(20);
                if (idle())
                    return true;
            }
        }
        return false;
    }

    testsupport::PaintWarningsFail paintWarnings; // first: it watches the window's whole life
    int argc { 1 };
    char name[9] { "test_seq" };
    char* argv[2] { name, nullptr };
    vcl::TApplication app { argc, argv };
    DeviceEmulator emu;
    EmulatorTcpServer server { emu };
    TfmMain* form { nullptr }; // owned by app
    LUnitControl* unit { nullptr }; // the window's own model
};

} // namespace seqtest
