#include "platform/os/OsVersion.h"

namespace vcl {

namespace {
TOsVersion g_version { 2, 6, 1 };
}

const TOsVersion& OsVersion()
{
    return g_version;
}

void SetOsVersion(const TOsVersion& Value)
{
    g_version = Value;
}

} // namespace vcl
