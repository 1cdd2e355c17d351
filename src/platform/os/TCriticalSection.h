#pragma once
// A critical section (recursive, as the kernel's is) and the guard that holds it for a scope.

#include <mutex>

namespace vcl {

class TCriticalSection
{
public:
    void Enter() { M.lock(); }
    void Leave() { M.unlock(); }
    bool TryEnter() { return M.try_lock(); }
    // BasicLockable, so standard guards work too.
    void lock() { M.lock(); }
    void unlock() { M.unlock(); }

private:
    std::recursive_mutex M;
};

class TCriticalSectionLock
{
public:
    explicit TCriticalSectionLock(TCriticalSection& cs) : Cs(cs) { Cs.Enter(); }
    ~TCriticalSectionLock() { Cs.Leave(); }
    TCriticalSectionLock(const TCriticalSectionLock&) = delete;
    TCriticalSectionLock& operator=(const TCriticalSectionLock&) = delete;

private:
    TCriticalSection& Cs;
};

} // namespace vcl
