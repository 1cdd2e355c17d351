#pragma once
// Event types: std::function members, and a comparable method record for code that must tell
// whether a handler is a given object's method.

#include <array>
#include <cstring>
#include <functional>
#include <type_traits>
#include <typeinfo>

namespace vcl {

class TObject;

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A bound member function that remembers which object and which member it calls, so two
// records compare equal exactly when they name the same method of the same object.
template <typename... Args>
class TMethod
{
public:
    TMethod() = default;
    template <typename C>
    TMethod(C* object, void (C::*member)(Args...)) : m_data(object), m_class(&typeid(C))
    {
        static_assert(sizeof member <= sizeof m_code, "member pointer larger than expected");
        std::memcpy(m_code.data(), &member, sizeof member);
        m_call = [](void* data, const std::array<unsigned char, 16>& code, Args... args) {
            void (C::*fn)(Args...);
            std::memcpy(&fn, code.data(), sizeof fn);
            (static_cast<C*>(data)->*fn)(std::forward<Args>(args)...);
        };
    }

    void operator()(Args... args) const
    {
        if (m_call)
            m_call(m_data, m_code, std::forward<Args>(args)...);
    }
    explicit operator bool() const { return m_call != nullptr; }
    void* Data() const { return m_data; }
    bool operator==(const TMethod& other) const
    {
        return m_data == other.m_data && m_code == other.m_code
            && (m_class == other.m_class || (m_class && other.m_class && *m_class == *other.m_class));
    }

private:
    void* m_data { nullptr };
    const std::type_info* m_class { nullptr };
    std::array<unsigned char, 16> m_code {};
    void (*m_call)(void*, const std::array<unsigned char, 16>&, Args...) { nullptr };
};

// Binds object->member as an event handler: edit->OnChange = Method(this, &TfmMain::cvdChange).
template <typename Obj, typename C, typename... Args>
    requires std::is_base_of_v<C, Obj>
TMethod<Args...> Method(Obj* object, void (C::*member)(Args...))
{
    return TMethod<Args...>(static_cast<C*>(object), member);
}

// True when the handler held by `event` is the method record `method`.
template <typename... Args>
bool SameMethod(const std::function<void(Args...)>& event, const TMethod<Args...>& method)
{
    const auto* held = event.template target<TMethod<Args...>>();
    return held && *held == method;
}

// True when both events hold the same method record (or both are empty).
template <typename... Args>
bool SameMethod(const std::function<void(Args...)>& a, const std::function<void(Args...)>& b)
{
    if (!a || !b)
        return !a && !b;
    const auto* ma = a.template target<TMethod<Args...>>();
    const auto* mb = b.template target<TMethod<Args...>>();
    return ma && mb && *ma == *mb;
}

} // namespace vcl
