// zq9-device-emulator: the test suite's device emulator as a program of its own, serving TCP and
// optionally a serial pseudo-terminal, for trying the editor without a device.

#include "DemoDevice.h"
#include "EmulatorOptions.h"
#include "RequestLog.h"
#include "StateFile.h"

#include "support/DeviceEmulator.h"
#include "support/EmulatorLinks.h"

#include <chrono>
#include <cstdint>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// Waits up to 100 ms for a stop signal; true when one came.
bool StopSignalled(const sigset_t& stops)
{
    const timespec wait { 0, 100'000'000 };
    return sigtimedwait(&stops, nullptr, &wait) > 0;
}

FILE* OpenLog(const std::string& path)
{
    if (path.empty())
        return nullptr;
    if (path == "-")
        return stdout;
    return std::fopen(path.c_str(), "a");
}

int Serve(const EmulatorOptions& options, const sigset_t& stops)
{
    DeviceEmulator device;
    PrepareDemoDevice(device, options);
    if (!options.StatePath.empty()) {
        const StateFileRead kept = ReadStateFile(options.StatePath);
        if (!kept.Error.empty()) {
            std::fprintf(stderr, "zq9-device-emulator: %s\n", kept.Error.c_str());
            return 1;
        }
        if (kept.State)
            device.SetState(*kept.State);
    }
    // Written whenever what the device keeps changed, and once more at the end.
    std::uint64_t saved = device.StateGeneration() - 1;
    auto keepState = [&] {
        if (options.StatePath.empty() || device.StateGeneration() == saved)
            return;
        saved = device.StateGeneration();
        const std::string error = WriteStateFile(options.StatePath, device.State());
        if (!error.empty())
            std::fprintf(stderr, "zq9-device-emulator: %s\n", error.c_str());
    };
    keepState();

    FILE* log = OpenLog(options.LogPath);
    if (!options.LogPath.empty() && !log) {
        std::fprintf(stderr, "zq9-device-emulator: cannot write the log %s\n", options.LogPath.c_str());
        return 1;
    }
    std::unique_ptr<EmulatorTcpServer> tcp;
    if (options.Listen) {
        tcp = std::make_unique<EmulatorTcpServer>(device, options.ListenAddress, options.ListenPort);
        if (!tcp->Listening()) {
            std::fprintf(stderr, "zq9-device-emulator: %s\n", tcp->Error().c_str());
            return 1;
        }
        std::printf("serving %s:%u as device ID %u, \"%s\"\n", options.ListenAddress.c_str(), tcp->Port(),
                    options.DeviceId, options.Identity.c_str());
    }
    std::unique_ptr<EmulatorPty> pty;
    if (options.Pty) {
        pty = std::make_unique<EmulatorPty>(device);
        std::printf("serial %s\n", pty->SlavePath().c_str());
    }
    std::fflush(stdout);

    const auto start = Clock::now();
    std::size_t logged = 0;
    for (;;) {
        const bool stop = StopSignalled(stops);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        device.SetLevels(DemoLevels(seconds));
        keepState();
        if (log) {
            for (const auto& frame : device.RequestsFrom(logged)) {
                std::fputs(RequestLogLine(seconds, frame).c_str(), log);
                ++logged;
            }
            std::fflush(log);
        }
        if (stop)
            break;
    }
    if (log && log != stdout)
        std::fclose(log);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Stop signals are taken by the main loop; the serving threads started later inherit the mask.
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    sigaddset(&stops, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stops, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    const auto parsed = ParseEmulatorOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.Error.empty()) {
        std::fprintf(stderr, "zq9-device-emulator: %s\n%s", parsed.Error.c_str(), EmulatorUsage().c_str());
        return 2;
    }
    if (parsed.Options.Help) {
        std::fputs(EmulatorUsage().c_str(), stdout);
        return 0;
    }
    return Serve(parsed.Options, stops);
}
