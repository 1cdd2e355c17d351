// Connect and upload as the window does it, against the device emulator over loopback TCP (run it
// inside a private network namespace): the editor's own processor time for the whole sequence, from
// the connect until level polling runs, per request it sent. The emulator answers on a thread of its
// own, so its time is not counted; nor is time spent waiting for replies: the wait sleeps in the Qt
// loop until an event comes (the tests' helpers poll the loop instead, which would count the wait). Built where the tests are
// (the emulator is theirs): an optimised tree with -DZQ9_TESTS=ON -DZQ9_BENCH=ON.

#include "ui/FMainConnectTestRig.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <ctime>
#include <functional>
#include <memory>

namespace {

double ThreadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Runs the Qt loop until pred holds, asleep while nothing is due; a short tick looks at pred again.
bool SleepUntil(const std::function<bool()>& pred, int limitMs = 30000)
{
    QTimer tick;
    tick.start(1);
    QElapsedTimer waited;
    waited.start();
    while (!pred() && waited.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return pred();
}

// As the rig's ConnectAndUpload: true once level polling runs and the closing keep-alive is answered
// (an acknowledge still on its way would run the next operation's first step).
bool ConnectAndUpload(seqtest::Rig& rig)
{
    TfmMain& form = *rig.form;
    form.ConnectNet();
    if (!SleepUntil([&] { return form.tmInLevelDet->Enabled() && !fmProcess->Visible(); }))
        return false;
    const auto idle = [&] { return form.Controller.Net() && !form.Controller.Net()->IsBusy() && form.Controller.Net()->QueueSnapshot().empty(); };
    for (int tries = 0; tries < 50; ++tries) {
        if (SleepUntil(idle)) {
            SleepUntil([] { return false; }, 20);
            if (idle())
                return true;
        }
    }
    return false;
}

void BM_ConnectAndUploadPerRequest(benchmark::State& state)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    double busy = 0.0;
    double requests = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        auto rig = std::make_unique<seqtest::Rig>();
        // On screen, as the program has it: the refresh at the end of the upload repaints what it changed.
        rig->form->Show();
        seqtest::SpinUntil([&] { return rig->form->windowHandle() && rig->form->windowHandle()->isExposed(); });
        TestTransportHost::Spin(300); // its first paint done before the measure
        rig->emu.ClearRecords();
        state.ResumeTiming();
        const double start = ThreadSeconds();
        const bool done = ConnectAndUpload(*rig);
        busy += ThreadSeconds() - start;
        state.PauseTiming();
        requests += static_cast<double>(rig->emu.RequestCount());
        rig.reset();
        state.ResumeTiming();
        if (!done) {
            state.SkipWithError("the upload did not finish");
            return;
        }
    }
    state.counters["requests"] = benchmark::Counter(requests / static_cast<double>(state.iterations()));
    state.counters["editor_ms_per_request"] = benchmark::Counter(requests > 0 ? 1000.0 * busy / requests : 0.0);
}
BENCHMARK(BM_ConnectAndUploadPerRequest)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
