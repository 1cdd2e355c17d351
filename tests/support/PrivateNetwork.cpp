#include "support/PrivateNetwork.h"

#include <gtest/gtest.h>

#include <ifaddrs.h>
#include <net/if.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace testsupport {

bool InPrivateNetwork()
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return false;
    bool onlyLoopback = true;
    for (ifaddrs* a = list; a; a = a->ifa_next) {
        if (a->ifa_addr && !(a->ifa_flags & IFF_LOOPBACK))
            onlyLoopback = false;
    }
    freeifaddrs(list);
    return onlyLoopback;
}

namespace {

// Set in the program run again inside the namespace made for it, so that it never tries twice.
constexpr const char* MadeMarker = "ZQ9_PRIVATE_NETWORK_MADE";

std::vector<std::string> OwnArguments()
{
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> args;
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = all.find('\0', start);
        args.push_back(all.substr(start, end - start));
        start = end == std::string::npos ? all.size() : end + 1;
    }
    return args;
}

std::string OwnProgram()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, std::size_t(n)) : std::string();
}

// Replaces this process with itself under `unshare -n` (and -r where it is no root), loopback up.
// Returns only when that could not be started.
void RunAgainInNewNetworkNamespace()
{
    std::vector<std::string> args = OwnArguments();
    const std::string program = OwnProgram();
    if (args.empty() || program.empty())
        return;
    args[0] = program;
    std::vector<std::string> command { "unshare" };
    if (geteuid() != 0)
        command.push_back("-r");
    command.insert(command.end(), { "-n", "--", "sh", "-c", "ip link set lo up && exec \"$0\" \"$@\"" });
    command.insert(command.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : command)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    setenv(MadeMarker, "1", 1);
    std::fflush(nullptr);
    execvp("unshare", argv.data());
    unsetenv(MadeMarker);
}

class PrivateNetworkEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (InPrivateNetwork())
            return;
        std::fprintf(stderr, "These tests may dial the device's default address and could not make a private "
                             "network namespace of their own: run them with unshare -n, loopback up.\n");
        std::exit(2);
    }
};

} // namespace

void RequirePrivateNetwork()
{
    if (!InPrivateNetwork() && !std::getenv(MadeMarker))
        RunAgainInNewNetworkNamespace();
    ::testing::AddGlobalTestEnvironment(new PrivateNetworkEnvironment);
}

} // namespace testsupport
