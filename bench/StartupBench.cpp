// Start-up as the program runs it: the application, every window created, the main window shown,
// until the window system has it on screen. One start per run of this program (the windows are
// program-wide): pick one with --benchmark_filter and run it several times for a spread, inside a
// private network namespace.

#include "controls/MyPEQAllpass.h"
#include "device/Constants.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TTimer.h"
#include "ui/AppForms.h"
#include "ui/FMain.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdlib>

namespace {

void StartUntilMapped(benchmark::State& state)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir emptyRoot; // no HID devices
    setenv("ZQ9_HID_ROOT", emptyRoot.path().toLocal8Bit().constData(), 1);
    setenv("ZQ9_SERIAL_PORTS", "", 1);
    static int argc = 1;
    static char name[] = "zq9-editor";
    static char* argv[] = { name, nullptr };
    for (auto _ : state) {
        auto* app = new vcl::TApplication(argc, argv);
        vcl::Application->Initialize();
        vcl::Application->SetMainFormOnTaskBar(true);
        vcl::Application->SetTitle(QString::fromStdString(APP_TITLE + " " + APP_VERSION));
        CreateAppForms(*vcl::Application);
        fmMain->tmStartConnect->SetEnabled(false); // no device search here
        if (state.range(0) == 1) {
            // Every band editor's rows built up front, as start-up did before they were built on use.
            for (const char* ch : { "InA", "InB", "Out1", "Out2", "Out3", "Out4", "Out5", "Out6" })
                if (auto* peq = dynamic_cast<TMyPEQAllpass*>(fmMain->FindComponent(QStringLiteral("peqPeq") + QLatin1String(ch))))
                    for (int row = 0; row < PeqBandEditor::MaxRows; ++row)
                        (void)peq->BandLabel(row);
        }
        fmMain->Show();
        QElapsedTimer waited;
        waited.start();
        while ((fmMain->windowHandle() == nullptr || !fmMain->windowHandle()->isExposed()) && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        benchmark::DoNotOptimize(app);
        state.ResumeTiming();
    }
}
// 0: as the program starts; 1: with every band editor row built up front.
BENCHMARK(StartUntilMapped)->Arg(0)->Arg(1)->ArgName("all_rows")->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
