#include "EmulatorOptions.h"

#include <charconv>

namespace {

bool ReadNumber(const std::string& text, long min, long max, long& out)
{
    if (text.empty())
        return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc {} && ptr == end && out >= min && out <= max;
}

// "ADDRESS[:PORT]" or "none".
std::string ReadListen(const std::string& value, EmulatorOptions& o)
{
    if (value == "none") {
        o.Listen = false;
        return {};
    }
    const auto colon = value.rfind(':');
    o.ListenAddress = value.substr(0, colon);
    if (colon != std::string::npos) {
        long port = 0;
        if (!ReadNumber(value.substr(colon + 1), 0, 65535, port))
            return "--listen: the port must be 0 to 65535: " + value;
        o.ListenPort = static_cast<std::uint16_t>(port);
    }
    if (o.ListenAddress.empty())
        return "--listen: an address is missing: " + value;
    o.Listen = true;
    return {};
}

// "N" or "N=NAME".
std::string ReadPreset(const std::string& value, EmulatorOptions& o)
{
    const auto eq = value.find('=');
    long number = 0;
    if (!ReadNumber(value.substr(0, eq), 1, 30, number))
        return "--preset: the preset number must be 1 to 30: " + value;
    StoredPresetOption p;
    p.Number = static_cast<int>(number);
    p.Name = eq == std::string::npos ? "Preset " + std::to_string(number) : value.substr(eq + 1);
    if (p.Name.size() > 14)
        return "--preset: a preset name has at most 14 characters: " + p.Name;
    o.Presets.push_back(p);
    return {};
}

std::string ReadOption(const std::string& name, const std::string& value, EmulatorOptions& o)
{
    if (name == "--listen")
        return ReadListen(value, o);
    if (name == "--id") {
        long id = 0;
        if (!ReadNumber(value, 1, 254, id))
            return "--id: the device ID must be 1 to 254: " + value;
        o.DeviceId = static_cast<std::uint8_t>(id);
        return {};
    }
    if (name == "--version") {
        if (value.empty() || value.size() > 32)
            return "--version: give the identity text, 1 to 32 characters";
        o.Identity = value;
        return {};
    }
    if (name == "--preset")
        return ReadPreset(value, o);
    if (name == "--log") {
        if (value.empty())
            return "--log: give a file name, or - for standard output";
        o.LogPath = value;
        return {};
    }
    if (name == "--state") {
        if (value.empty())
            return "--state: give a file name";
        o.StatePath = value;
        return {};
    }
    return "unknown option: " + name;
}

} // namespace

EmulatorOptionsResult ParseEmulatorOptions(const std::vector<std::string>& args)
{
    EmulatorOptionsResult r;
    for (std::size_t i = 0; i < args.size() && r.Error.empty(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            r.Options.Help = true;
            continue;
        }
        if (a == "--pty") {
            r.Options.Pty = true;
            continue;
        }
        std::string name = a, value;
        const auto eq = a.find('=');
        if (a.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            r.Error = a.rfind("--", 0) == 0 ? a + " needs a value" : "unknown argument: " + a;
            break;
        }
        r.Error = ReadOption(name, value, r.Options);
    }
    return r;
}

std::string EmulatorUsage()
{
    return "usage: zq9-device-emulator [options]\n"
           "Plays a ZQ9 processor for the editor, for development and demonstration.\n"
           "  --listen ADDRESS[:PORT]  serve TCP there (default 192.168.2.1:9761; port 0: any free\n"
           "                           port; \"none\": no network)\n"
           "  --id N                   device ID it answers to, 1 to 254 (default 1)\n"
           "  --version TEXT           identity it reports (default \"ZQ9 V010\")\n"
           "  --preset N[=NAME]        preset N (1 to 30) holds data, under NAME; repeatable\n"
           "  --state FILE             keep the device's settings and presets in FILE between runs;\n"
           "                           while FILE does not exist the device starts as the other\n"
           "                           options say, later runs start as the last one ended\n"
           "  --pty                    also serve a serial pseudo-terminal and print its path\n"
           "  --log FILE               write every request received to FILE (- for standard output)\n"
           "  -h, --help               this text\n"
           "It runs until interrupted (Ctrl+C) or terminated.\n";
}
