#include "StateFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

StateFileRead ReadStateFile(const std::string& path)
{
    StateFileRead r;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (errno != ENOENT)
            r.Error = "cannot read the state " + path + ": " + std::strerror(errno);
        return r;
    }
    std::ostringstream text;
    text << in.rdbuf();
    r.State = DeviceState::Load(text.str());
    if (!r.State)
        r.Error = "the state " + path + " is not a device state written by this program";
    return r;
}

std::string WriteStateFile(const std::string& path, const DeviceState& state)
{
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return "cannot write the state " + temporary + ": " + std::strerror(errno);
        out << state.Save();
        out.flush();
        if (!out)
            return "cannot write the state " + temporary + ": " + std::strerror(errno);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        return "cannot replace the state " + path + ": " + reason;
    }
    return {};
}
