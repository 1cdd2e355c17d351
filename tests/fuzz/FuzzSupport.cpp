#include "FuzzSupport.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fuzz {

std::uint8_t Input::Byte()
{
    return Empty() ? 0 : m_data[m_at++];
}

std::uint16_t Input::Word()
{
    const std::uint16_t low = Byte();
    return static_cast<std::uint16_t>(low | (Byte() << 8));
}

std::vector<std::uint8_t> Input::Bytes(std::size_t max)
{
    const std::size_t wanted = max == 0 ? 0 : Word() % (max + 1);
    const std::size_t count = std::min(wanted, m_data.size() - std::min(m_at, m_data.size()));
    std::vector<std::uint8_t> out(m_data.begin() + static_cast<std::ptrdiff_t>(m_at),
                                  m_data.begin() + static_cast<std::ptrdiff_t>(m_at + count));
    m_at += count;
    return out;
}

std::vector<std::uint8_t> Input::Rest()
{
    const std::size_t from = std::min(m_at, m_data.size());
    m_at = m_data.size();
    return { m_data.begin() + static_cast<std::ptrdiff_t>(from), m_data.end() };
}

void Require(bool condition, const char* message)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", message);
    std::abort();
}

namespace {

// Made once and removed at exit; the name is never freed, so the exit handler can still use it.
const std::string& scratchFolder()
{
    static const std::string* folder = [] {
        const char* base = std::getenv("TMPDIR");
        auto* made = new std::string(std::string(base && *base ? base : "/tmp") + "/zq9-fuzz-XXXXXX");
        Require(mkdtemp(made->data()) != nullptr, "cannot create a scratch folder");
        std::atexit([] { std::filesystem::remove_all(*folder); });
        return made;
    }();
    return *folder;
}

} // namespace

std::string ScratchFile(std::span<const std::uint8_t> bytes, const std::string& extension)
{
    const std::string path = scratchFolder() + "/input" + extension;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    Require(out.good(), "cannot write the scratch file");
    return path;
}

void EnsureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zq9-fuzz";
    static char* argv[] = { name, nullptr };
    new QGuiApplication(argc, argv); // lives as long as the process
}

} // namespace fuzz
