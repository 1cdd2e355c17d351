#pragma once
// The operating-system version the program reports where the controls ask for one. Linux has no
// such number; the program presents one fixed version, which tests may replace.

namespace vcl {

struct TOsVersion
{
    int Platform; // 1 the consumer line, 2 the NT line
    int Major;
    int Minor;
};

// The NT line, 6.1, unless replaced.
const TOsVersion& OsVersion();
void SetOsVersion(const TOsVersion& Value);

// Replaces the version for its lifetime.
class TOsVersionOverride
{
public:
    explicit TOsVersionOverride(const TOsVersion& Value) : m_saved(OsVersion()) { SetOsVersion(Value); }
    ~TOsVersionOverride() { SetOsVersion(m_saved); }
    TOsVersionOverride(const TOsVersionOverride&) = delete;
    TOsVersionOverride& operator=(const TOsVersionOverride&) = delete;

private:
    TOsVersion m_saved;
};

} // namespace vcl
