#include "platform/os/SerialPortList.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

namespace vcl {

namespace fs = std::filesystem;

namespace {

std::mutex SeamLock;
std::string SysfsRoot;
std::optional<std::vector<TSerialPortEntry>> Override;

std::string ReadFirstLine(const fs::path& p)
{
    std::ifstream in(p);
    std::string line;
    std::getline(in, line);
    return line;
}

// "ttyUSB12" -> ("ttyUSB", 12); names without a trailing number get -1.
std::pair<std::string, long> SplitName(const std::string& name)
{
    std::size_t i = name.size();
    while (i > 0 && std::isdigit(static_cast<unsigned char>(name[i - 1])))
        --i;
    if (i == name.size() || name.size() - i > 6)
        return { name, -1 };
    return { name.substr(0, i), std::stol(name.substr(i)) };
}

std::vector<TSerialPortEntry> ParseOverride(const std::string& text)
{
    std::vector<TSerialPortEntry> out;
    std::stringstream ss(text);
    std::string item;
    while (std::getline(ss, item, ';')) {
        const auto eq = item.find('=');
        if (eq == std::string::npos || item.compare(0, 3, "COM") != 0)
            continue;
        const std::string digits = item.substr(3, eq - 3);
        if (digits.empty() || digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), ::isdigit))
            continue;
        out.push_back({ item.substr(0, eq), item.substr(eq + 1), std::stoi(digits) });
    }
    return out;
}

std::vector<TSerialPortEntry> ReadSysfs(const std::string& root)
{
    const fs::path classDir = fs::path(root.empty() ? "/" : root) / "sys/class/tty";
    std::error_code ec;
    if (!fs::is_directory(classDir, ec))
        return {};

    // Consoles the kernel writes to ("tty0 ttyS0"): never offered as a device port.
    std::vector<std::string> consoles;
    {
        std::stringstream ss(ReadFirstLine(classDir / "console/active"));
        std::string c;
        while (ss >> c)
            consoles.push_back(c);
    }

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(classDir, ec)) {
        const std::string name = entry.path().filename().string();
        if (name == "console" || name == "tty" || name == "ptmx")
            continue;
        if (std::find(consoles.begin(), consoles.end(), name) != consoles.end())
            continue;
        if (!fs::exists(entry.path() / "device", ec))
            continue; // virtual terminals and pseudo-terminals have no device behind them
        const fs::path type = entry.path() / "type";
        if (fs::exists(type, ec) && ReadFirstLine(type) == "0")
            continue; // a UART slot with no port fitted
        names.push_back(name);
    }

    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto sa = SplitName(a), sb = SplitName(b);
        const bool onboardA = sa.first == "ttyS", onboardB = sb.first == "ttyS";
        if (onboardA != onboardB)
            return onboardA;
        if (sa.first != sb.first)
            return sa.first < sb.first;
        return sa.second < sb.second;
    });

    std::vector<TSerialPortEntry> out;
    int number = 0;
    for (const auto& n : names) {
        ++number;
        out.push_back({ "COM" + std::to_string(number), "/dev/" + n, number });
    }
    return out;
}

} // namespace

std::vector<TSerialPortEntry> ListSerialPorts()
{
    std::vector<TSerialPortEntry> ports;
    std::string root;
    {
        std::lock_guard lock(SeamLock);
        if (Override)
            ports = *Override;
        root = SysfsRoot;
    }
    if (ports.empty()) {
        if (const char* env = std::getenv("ZQ9_SERIAL_PORTS"))
            ports = ParseOverride(env);
        else
            return ReadSysfs(root);
    }
    std::stable_sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) { return a.Number < b.Number; });
    return ports;
}

std::string SerialPortPath(const std::string& name)
{
    std::string n = name;
    if (n.rfind("\\\\.\\", 0) == 0)
        n = n.substr(4);
    for (const auto& p : ListSerialPorts())
        if (p.Name == n)
            return p.Path;
    return {};
}

void SetSerialSysfsRoot(const std::string& root)
{
    std::lock_guard lock(SeamLock);
    SysfsRoot = root;
}

void SetSerialPortOverride(std::optional<std::vector<TSerialPortEntry>> ports)
{
    std::lock_guard lock(SeamLock);
    Override = std::move(ports);
}

} // namespace vcl
