#include "platform/os/TThreadCallQueue.h"

#include <QSocketNotifier>

namespace vcl {

TThreadCallQueue::TThreadCallQueue()
    : Notifier(std::make_unique<QSocketNotifier>(Wake.Handle(), QSocketNotifier::Read))
{
    QObject::connect(Notifier.get(), &QSocketNotifier::activated, [this] { Drain(); });
}

TThreadCallQueue::~TThreadCallQueue() = default;

void TThreadCallQueue::Post(std::function<void()> call)
{
    {
        std::lock_guard lock(M);
        Calls.push_back(std::move(call));
    }
    Wake.SetEvent();
}

void TThreadCallQueue::Drain()
{
    Wake.TryConsume();
    for (;;) {
        std::function<void()> call;
        {
            std::lock_guard lock(M);
            if (Calls.empty())
                return;
            call = std::move(Calls.front());
            Calls.pop_front();
        }
        call();
    }
}

} // namespace vcl
