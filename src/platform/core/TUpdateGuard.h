#pragma once
// Holds an object's BeginUpdate for the life of a scope and ends it on every exit path.

namespace vcl {

template <typename T>
class TUpdateGuard
{
public:
    explicit TUpdateGuard(T& target) : m_target(target) { m_target.BeginUpdate(); }
    explicit TUpdateGuard(T* target) : TUpdateGuard(*target) {}
    ~TUpdateGuard() { m_target.EndUpdate(); }
    TUpdateGuard(const TUpdateGuard&) = delete;
    TUpdateGuard& operator=(const TUpdateGuard&) = delete;

private:
    T& m_target;
};

} // namespace vcl
