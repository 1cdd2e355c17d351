#include "support/PrivateNetwork.h"

#include <gtest/gtest.h>

#include <ifaddrs.h>
#include <net/if.h>

#include <cstdio>
#include <cstdlib>

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

class PrivateNetworkEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (InPrivateNetwork())
            return;
        std::fprintf(stderr, "These tests may dial the device's default address: run them inside a private "
                             "network namespace (scripts/test, or unshare -n with loopback up).\n");
        std::exit(2);
    }
};

} // namespace

void RequirePrivateNetwork()
{
    ::testing::AddGlobalTestEnvironment(new PrivateNetworkEnvironment);
}

} // namespace testsupport
