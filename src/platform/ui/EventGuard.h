#pragma once
// The catch at event dispatch: an exception from a handler is shown by the application object and
// the event loop goes on, so no exception ever unwinds through Qt.

#include <utility>

namespace vcl {

class TObject;

// Call only inside a catch block: shows the exception in flight through Application.
void HandleCurrentException(TObject* sender = nullptr) noexcept;

template <typename F>
void Guarded(F&& fn, TObject* sender = nullptr) noexcept
{
    try {
        std::forward<F>(fn)();
    } catch (...) {
        HandleCurrentException(sender);
    }
}

} // namespace vcl
