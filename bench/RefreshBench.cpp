// The main window's refresh from the model at the end of an upload (the device's settings all
// arrived): every control written, every curve set rebuilt, the first bands selected. The window is
// shown as the program shows it; one refresh per iteration, on the start page and on a channel page,
// without and with the repaints it asks for.

#include "device/Constants.h"
#include "platform/ui/TApplication.h"
#include "ui/AppForms.h"
#include "ui/FMain.h"
#include "ui/FMainLayoutNames.h"
#include "ui/editors/EditorConstants.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdlib>

namespace {

TfmMain& ShownMainWindow()
{
    static TfmMain* form = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QTemporaryDir emptyRoot; // no HID devices
        setenv("ZQ9_HID_ROOT", emptyRoot.path().toLocal8Bit().constData(), 1);
        setenv("ZQ9_SERIAL_PORTS", "", 1);
        static int argc = 1;
        static char name[] = "zq9-editor";
        static char* argv[] = { name, nullptr };
        new vcl::TApplication(argc, argv);
        vcl::Application->Initialize();
        vcl::Application->SetTitle(QString::fromStdString(APP_TITLE + " " + APP_VERSION));
        CreateAppForms(*vcl::Application);
        fmMain->tmStartConnect->SetEnabled(false); // no device search here
        fmMain->Show();
        QElapsedTimer waited;
        waited.start();
        while ((fmMain->windowHandle() == nullptr || !fmMain->windowHandle()->isExposed()) && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return fmMain;
    }();
    return *form;
}

// The main window with the page of the benchmark's argument shown. Arg 0: the start (gain) page;
// arg 1: the first output's page.
TfmMain& WindowOnPage(const benchmark::State& state)
{
    TfmMain& form = ShownMainWindow();
    const int page = state.range(0) == 1 ? editors::FirstOutput : editors::GainPage;
    form.rzbMenuInAClick(form.FindComponent(layout::PageButtonName(page)));
    QCoreApplication::processEvents();
    return form;
}

// The refresh an upload ends with, sending held back as the upload does.
void RefreshAsAfterUpload(TfmMain& form)
{
    form.SuppressSend = true;
    form.RefreshAll();
    form.SuppressSend = false;
}

void BM_RefreshAfterUpload(benchmark::State& state)
{
    TfmMain& form = WindowOnPage(state);
    for (auto _ : state) {
        RefreshAsAfterUpload(form);
        state.PauseTiming();
        QCoreApplication::processEvents(); // the repaints the refresh asked for, outside the measure
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RefreshAfterUpload)->Arg(0)->Arg(1)->ArgName("channel_page")->Unit(benchmark::kMillisecond);

// The same with the repaints it brings: what the user waits for until the window shows the upload.
void BM_RefreshAfterUploadAndPaint(benchmark::State& state)
{
    TfmMain& form = WindowOnPage(state);
    for (auto _ : state) {
        RefreshAsAfterUpload(form);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RefreshAfterUploadAndPaint)->Arg(0)->Arg(1)->ArgName("channel_page")->Unit(benchmark::kMillisecond);

} // namespace
