#include "platform/os/DynLib.h"

#include <cstdlib>
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

namespace vcl
{

namespace
{

std::string Narrow(const std::u16string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

std::string ExecutableDir()
{
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    std::string p(path, size_t(n));
    auto slash = p.find_last_of('/');
    return slash == std::string::npos ? std::string() : p.substr(0, slash);
}

} // namespace

std::string ModuleFileName(const std::u16string& name)
{
    const std::string narrow = Narrow(name);
    const std::string lower = Lower(narrow);
    if (lower == "hid.dll" || lower == "hid")
        return "libzq9hid.so";
    if (lower == "setupapi.dll" || lower == "setupapi")
        return "libzq9setupapi.so";
    return narrow;
}

bool LoadModule(TModuleHandle& handle, const std::u16string& name)
{
    if (handle != 0)
        return true;
    const std::string file = ModuleFileName(name);
    void* lib = nullptr;
    if (file.find('/') != std::string::npos) {
        lib = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    } else if (const char* dir = std::getenv("ZQ9_LIBRARY_DIR"); dir && *dir) {
        lib = dlopen((std::string(dir) + "/" + file).c_str(), RTLD_NOW | RTLD_LOCAL);
    } else {
        const std::string beside = ExecutableDir() + "/" + file;
        if (access(beside.c_str(), F_OK) == 0)
            lib = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            lib = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    handle = reinterpret_cast<TModuleHandle>(lib);
    return handle != 0;
}

void UnloadModule(TModuleHandle& handle)
{
    if (handle != 0)
        dlclose(reinterpret_cast<void*>(handle));
    handle = 0;
}

void* GetModuleSymbol(TModuleHandle handle, const std::u16string& name)
{
    if (handle == 0)
        return nullptr;
    return dlsym(reinterpret_cast<void*>(handle), Narrow(name).c_str());
}

void* GetModuleSymbolEx(TModuleHandle handle, const std::u16string& name, bool& accu)
{
    void* address = GetModuleSymbol(handle, name);
    accu = accu && address != nullptr;
    return address;
}

} // namespace vcl
