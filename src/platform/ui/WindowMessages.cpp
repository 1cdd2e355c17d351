#include "platform/ui/WindowMessages.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/TWinControl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <unordered_map>

namespace vcl {

namespace detail {
struct SendSync
{
    std::mutex mutex;
    std::condition_variable cv;
    bool cancelled = false;
};
} // namespace detail

namespace {

std::mutex g_tableMutex;
std::unordered_map<HWND, TWinControl*> g_table;
HWND g_nextHandle = 0x10000;

// Qt's event queue hands an event from a worker to the UI thread under a lock the thread checker
// cannot see. Every posted message event is therefore built under this lock, and the UI thread
// takes it before it reads an event, so the hand-over is ordered for the checker as it is for Qt.
std::mutex g_handoverMutex;

void TakeHandover()
{
    std::lock_guard lock(g_handoverMutex);
}

enum class SendState { Queued, Running, Done, Withdrawn };

// One synchronous delivery shared by the waiting thread and the queued event.
struct SendRequest
{
    std::shared_ptr<detail::SendSync> sync;
    TMessage message;
    SendState state = SendState::Queued;
    bool handled = false;
};

const QEvent::Type kMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class MessageEvent : public QEvent
{
public:
    MessageEvent(HWND handle, const TMessage& m, std::shared_ptr<SendRequest> request)
        : QEvent(kMessageEvent), m_handle(handle), m_message(m), m_request(std::move(request))
    {
    }
    // An event discarded undelivered (queue torn down) releases its waiting sender.
    ~MessageEvent() override
    {
        TakeHandover(); // an event dropped undelivered was never read on this thread
        if (m_request)
            Finish(false, 0);
    }

    void Deliver()
    {
        if (m_request) {
            std::lock_guard lock(m_request->sync->mutex);
            if (m_request->state != SendState::Queued) {
                m_request.reset(); // withdrawn by a stopping sender
                return;
            }
            m_request->state = SendState::Running;
        }
        TWinControl* target = FindControl(m_handle);
        LRESULT result = 0;
        bool handled = false;
        if (target) {
            Guarded([&] {
                result = target->Perform(m_message.Msg, m_message.WParam, m_message.LParam);
                handled = true;
            });
        }
        if (m_request)
            Finish(handled, result);
    }

private:
    void Finish(bool handled, LRESULT result)
    {
        {
            std::lock_guard lock(m_request->sync->mutex);
            if (m_request->state == SendState::Queued || m_request->state == SendState::Running) {
                m_request->state = SendState::Done;
                m_request->handled = handled;
                m_request->message.Result = result;
            }
        }
        m_request->sync->cv.notify_all();
        m_request.reset();
    }

    HWND m_handle;
    TMessage m_message;
    std::shared_ptr<SendRequest> m_request;
};

// Lives on the UI thread and hands queued messages to their windows.
class MessageDispatcher : public QObject
{
public:
    bool event(QEvent* e) override
    {
        TakeHandover();
        if (e->type() == kMessageEvent) {
            static_cast<MessageEvent*>(e)->Deliver();
            return true;
        }
        return QObject::event(e);
    }
};

std::atomic<MessageDispatcher*> g_dispatcher { nullptr };

MessageDispatcher* Dispatcher()
{
    return g_dispatcher.load(std::memory_order_acquire);
}

void EnsureDispatcher()
{
    if (Dispatcher())
        return;
    // Created on the UI thread; kept for the process's life so workers never see it vanish.
    auto* d = new MessageDispatcher;
    if (QCoreApplication::instance())
        d->moveToThread(QCoreApplication::instance()->thread());
    g_dispatcher.store(d, std::memory_order_release);
}

LRESULT DeliverNow(HWND handle, const TMessage& m, bool* handled)
{
    TWinControl* target = FindControl(handle);
    LRESULT result = 0;
    bool done = false;
    if (target) {
        Guarded([&] {
            result = target->Perform(m.Msg, m.WParam, m.LParam);
            done = true;
        });
    }
    if (handled)
        *handled = done;
    return result;
}

} // namespace

TCancelSignal::TCancelSignal() : m_sync(std::make_shared<detail::SendSync>()) {}
TCancelSignal::~TCancelSignal() = default;

void TCancelSignal::Cancel()
{
    {
        std::lock_guard lock(m_sync->mutex);
        m_sync->cancelled = true;
    }
    m_sync->cv.notify_all();
}

void TCancelSignal::Reset()
{
    std::lock_guard lock(m_sync->mutex);
    m_sync->cancelled = false;
}

bool TCancelSignal::IsCancelled() const
{
    std::lock_guard lock(m_sync->mutex);
    return m_sync->cancelled;
}

bool IsUiThread()
{
    auto* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

HWND AllocateWindowHandle(TWinControl* control)
{
    EnsureDispatcher();
    std::lock_guard lock(g_tableMutex);
    HWND h = g_nextHandle++;
    g_table.emplace(h, control);
    return h;
}

void ReleaseWindowHandle(HWND handle)
{
    std::lock_guard lock(g_tableMutex);
    g_table.erase(handle);
}

TWinControl* FindControl(HWND handle)
{
    std::lock_guard lock(g_tableMutex);
    auto it = g_table.find(handle);
    return it == g_table.end() ? nullptr : it->second;
}

bool IsWindow(HWND handle)
{
    std::lock_guard lock(g_tableMutex);
    return g_table.count(handle) != 0;
}

bool PostMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MessageDispatcher* d = Dispatcher();
    if (!d || !IsWindow(handle))
        return false;
    MessageEvent* event = nullptr;
    {
        std::lock_guard lock(g_handoverMutex);
        event = new MessageEvent(handle, TMessage { msg, wParam, lParam, 0 }, nullptr);
    }
    QCoreApplication::postEvent(d, event);
    return true;
}

LRESULT SendMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TCancelSignal never;
    return SendMessage(handle, msg, wParam, lParam, never, nullptr);
}

LRESULT SendMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam, const TCancelSignal& cancel,
                    bool* handled)
{
    const TMessage m { msg, wParam, lParam, 0 };
    if (handled)
        *handled = false;
    if (IsUiThread())
        return DeliverNow(handle, m, handled);

    MessageDispatcher* d = Dispatcher();
    if (!d || !IsWindow(handle))
        return 0;
    {
        std::lock_guard lock(cancel.m_sync->mutex);
        if (cancel.m_sync->cancelled)
            return 0;
    }
    std::shared_ptr<SendRequest> request;
    MessageEvent* event = nullptr;
    {
        std::lock_guard lock(g_handoverMutex);
        request = std::make_shared<SendRequest>();
        request->sync = cancel.m_sync;
        request->message = m;
        event = new MessageEvent(handle, m, request);
    }
    QCoreApplication::postEvent(d, event);

    std::unique_lock lock(request->sync->mutex);
    request->sync->cv.wait(lock, [&] {
        return request->state == SendState::Done
               || (request->sync->cancelled && request->state == SendState::Queued);
    });
    if (request->state != SendState::Done) {
        request->state = SendState::Withdrawn;
        return 0;
    }
    if (handled)
        *handled = request->handled;
    return request->message.Result;
}

} // namespace vcl
