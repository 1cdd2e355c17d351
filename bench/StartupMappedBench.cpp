// Start-up of the real program as a user sees it: from the start of the process until the X server
// maps its first top-level window, beside the same for the smallest Qt window program. Needs an X
// server (DISPLAY, e.g. Xvfb) and, as the program looks for its device, a private network namespace:
//   unshare -n bash -c 'ip link set lo up; Xvfb :77 & sleep 1; DISPLAY=:77 bench_startup_mapped
//       --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true'
// (one command line).
// Each iteration starts one process, waits for the map, then ends it.

#include <benchmark/benchmark.h>

#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct XcbCloser
{
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

// A connection told of every window mapped on the screen's root, kept for the whole run; a server
// just started may need a moment before it takes connections.
xcb_connection_t* RootMapWatch()
{
    static std::unique_ptr<xcb_connection_t, XcbCloser> c;
    for (int tries = 0; !c && tries < 50; ++tries) {
        c.reset(xcb_connect(nullptr, nullptr));
        if (xcb_connection_has_error(c.get())) {
            c.reset();
            usleep(100000);
        }
    }
    if (!c)
        return nullptr;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c.get())).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c.get(), screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c.get());
    return c.get();
}

// Drops the events of earlier runs.
void DrainEvents(xcb_connection_t* c)
{
    while (xcb_generic_event_t* e = xcb_poll_for_event(c))
        std::free(e);
}

// Waits for a top-level map (no pop-up menus or tool tips, which set override-redirect).
bool WaitForMap(xcb_connection_t* c, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const bool mapped = (e->response_type & 0x7F) == XCB_MAP_NOTIFY
                && !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
            std::free(e);
            if (mapped)
                return true;
        }
        if (xcb_connection_has_error(c))
            return false;
        pollfd p { xcb_get_file_descriptor(c), POLLIN, 0 };
        (void)poll(&p, 1, 5);
    }
    return false;
}

pid_t Spawn(const std::string& path)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    // No HID devices and no serial ports: the program's search finds nothing to open.
    static const std::string emptyRoot = [] {
        char dir[] = "/tmp/zq9-startup-XXXXXX";
        return std::string(mkdtemp(dir) ? dir : "/nonexistent");
    }();
    env.push_back("ZQ9_HID_ROOT=" + emptyRoot);
    env.push_back("ZQ9_SERIAL_PORTS=");
    std::vector<char*> envp;
    for (auto& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string arg0 = path;
    char* argv[] = { arg0.data(), nullptr };
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return -1;
    return pid;
}

void End(pid_t pid)
{
    kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

void StartUntilMappedOnX(benchmark::State& state, const char* program)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY: start Xvfb and set DISPLAY");
        return;
    }
    xcb_connection_t* c = RootMapWatch();
    if (!c) {
        state.SkipWithError("cannot open the X display");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        DrainEvents(c);
        state.ResumeTiming();
        const pid_t pid = Spawn(program);
        const bool mapped = pid > 0 && WaitForMap(c, std::chrono::seconds(30));
        state.PauseTiming();
        if (pid > 0)
            End(pid);
        usleep(200000); // the window's unmap and the server's clean-up stay out of the next start
        DrainEvents(c);
        state.ResumeTiming();
        if (!mapped) {
            state.SkipWithError("no window mapped within 30 s");
            return;
        }
    }
}

// ZQ9_BENCH_EDITOR names another build of the program to time in its place (an earlier one, to compare).
void Program(benchmark::State& state)
{
    const char* other = std::getenv("ZQ9_BENCH_EDITOR");
    StartUntilMappedOnX(state, other && *other ? other : ZQ9_EDITOR_PATH);
}
void MinimalQtWindow(benchmark::State& state) { StartUntilMappedOnX(state, ZQ9_MINIMAL_WINDOW_PATH); }

BENCHMARK(Program)->Name("StartUntilMappedOnX/program")->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(MinimalQtWindow)->Name("StartUntilMappedOnX/minimal_qt")->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
