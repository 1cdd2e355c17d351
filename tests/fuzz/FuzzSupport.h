#pragma once
// What the fuzz programs share: a reader that takes its choices from the fuzzer's bytes, a
// scratch file for readers that open files by name, a GUI application for the text engines, and
// a check that stops the run with a message when a reader breaks a promise.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace fuzz {

// Takes numbers and byte runs off the front of the input; past its end everything reads as 0/empty.
class Input
{
public:
    explicit Input(std::span<const std::uint8_t> data) : m_data(data) {}
    Input(const std::uint8_t* data, std::size_t size) : m_data(data, size) {}

    bool Empty() const { return m_at >= m_data.size(); }
    std::uint8_t Byte();
    std::uint16_t Word();
    // Up to `max` bytes, the count taken from the input first.
    std::vector<std::uint8_t> Bytes(std::size_t max);
    std::vector<std::uint8_t> Rest();

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_at { 0 };
};

// Stops the run (a finding) with the message when the condition does not hold.
void Require(bool condition, const char* message);

// Writes the bytes to a file of the given extension (".bmp", ...) in a private scratch folder
// and returns its path; each call replaces the previous content.
std::string ScratchFile(std::span<const std::uint8_t> bytes, const std::string& extension = ".bin");

// Creates the application object the fonts and text documents need (offscreen), once.
void EnsureGuiApplication();

} // namespace fuzz
