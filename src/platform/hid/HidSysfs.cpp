#include "platform/hid/HidSysfs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <limits.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace hidraw
{

namespace
{

std::string Trim(std::string s)
{
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    return s;
}

std::string BaseName(const std::string& path)
{
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Walks up from the HID device towards the USB device for a descriptive attribute file.
std::string FindUpward(const std::string& dir, const char* file)
{
    char real[PATH_MAX];
    if (!realpath(dir.c_str(), real))
        return {};
    std::string d = real;
    for (int level = 0; level < 4 && d.size() > 1; ++level) {
        std::string text;
        if (ReadTextFile(d + "/" + file, text))
            return Trim(text);
        auto slash = d.find_last_of('/');
        if (slash == std::string::npos || slash == 0)
            break;
        d.resize(slash);
    }
    return {};
}

bool Describe(const std::string& nodeName, Interface& itf)
{
    const std::string root = Root();
    itf.nodeName = nodeName;
    itf.classDir = root + "/sys/class/hidraw/" + nodeName;
    itf.deviceDir = itf.classDir + "/device";
    std::string uevent;
    if (!ReadTextFile(itf.deviceDir + "/uevent", uevent))
        return false;
    std::string devName = nodeName;
    std::string nodeEvent;
    if (ReadTextFile(itf.classDir + "/uevent", nodeEvent)) {
        std::istringstream in(nodeEvent);
        for (std::string line; std::getline(in, line);)
            if (line.rfind("DEVNAME=", 0) == 0)
                devName = Trim(line.substr(8));
    }
    itf.devicePath = root + "/dev/" + devName;
    bool haveId = false;
    std::istringstream in(uevent);
    for (std::string line; std::getline(in, line);) {
        line = Trim(line);
        auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "HID_ID") {
            unsigned bus = 0, vid = 0, pid = 0;
            if (std::sscanf(value.c_str(), "%x:%x:%x", &bus, &vid, &pid) == 3) {
                itf.bus = uint16_t(bus);
                itf.vendor = uint16_t(vid);
                itf.product = uint16_t(pid);
                haveId = true;
            }
        } else if (key == "HID_NAME") {
            itf.name = value;
        } else if (key == "HID_UNIQ") {
            itf.uniq = value;
        } else if (key == "HID_PHYS") {
            itf.phys = value;
        } else if (key == "DRIVER") {
            itf.driver = value;
        }
    }
    if (!haveId)
        return false;
    char real[PATH_MAX];
    itf.instance = realpath(itf.deviceDir.c_str(), real) ? BaseName(real) : itf.nodeName;
    std::string version = FindUpward(itf.deviceDir, "bcdDevice");
    itf.version = version.empty() ? 0 : uint16_t(std::strtoul(version.c_str(), nullptr, 16));
    itf.manufacturer = FindUpward(itf.deviceDir, "manufacturer");
    itf.productName = FindUpward(itf.deviceDir, "product");
    itf.serial = FindUpward(itf.deviceDir, "serial");
    if (itf.productName.empty())
        itf.productName = itf.name;
    if (itf.serial.empty())
        itf.serial = itf.uniq;
    return true;
}

int NodeNumber(const std::string& name)
{
    return std::atoi(name.c_str() + std::min<size_t>(name.size(), 6));
}

} // namespace

std::string Root()
{
    const char* root = std::getenv("ZQ9_HID_ROOT");
    return root ? std::string(root) : std::string();
}

bool ReadTextFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

std::vector<Interface> Enumerate()
{
    std::vector<std::string> names;
    const std::string dir = Root() + "/sys/class/hidraw";
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string name = e->d_name;
            if (name.rfind("hidraw", 0) == 0)
                names.push_back(name);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NodeNumber(a) < NodeNumber(b); });
    std::vector<Interface> result;
    for (const auto& name : names) {
        Interface itf;
        if (Describe(name, itf))
            result.push_back(std::move(itf));
    }
    return result;
}

std::optional<Interface> FindByNodeName(const std::string& nodeName)
{
    Interface itf;
    if (nodeName.empty() || nodeName.find('/') != std::string::npos || !Describe(nodeName, itf))
        return std::nullopt;
    return itf;
}

std::optional<Interface> FindByHandle(int fd)
{
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0)
        return std::nullopt;
    std::string path;
    if (S_ISSOCK(st.st_mode)) {
        sockaddr_un addr {};
        socklen_t len = sizeof addr;
        if (getpeername(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0 || addr.sun_family != AF_UNIX)
            return std::nullopt;
        path.assign(addr.sun_path, strnlen(addr.sun_path, sizeof addr.sun_path));
    } else {
        char link[PATH_MAX];
        std::string proc = "/proc/self/fd/" + std::to_string(fd);
        ssize_t n = readlink(proc.c_str(), link, sizeof link - 1);
        if (n <= 0)
            return std::nullopt;
        path.assign(link, size_t(n));
    }
    return FindByNodeName(BaseName(path));
}

std::vector<uint8_t> ReadReportDescriptor(const Interface& itf)
{
    std::string bytes;
    if (!ReadTextFile(itf.deviceDir + "/report_descriptor", bytes))
        return {};
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

} // namespace hidraw
