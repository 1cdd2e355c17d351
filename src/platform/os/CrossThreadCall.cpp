#include "platform/os/CrossThreadCall.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace vcl {

namespace detail {
struct CallSync
{
    std::mutex mutex;
    std::condition_variable cv;
    bool cancelled = false;
};
} // namespace detail

namespace {

// Qt's event queue hands an event from a worker to the UI thread under a lock the thread checker
// cannot see. Every posted call event is therefore built under this lock, and the UI thread takes
// it before it reads an event, so the hand-over is ordered for the checker as it is for Qt.
std::mutex g_handoverMutex;

void TakeHandover()
{
    std::lock_guard lock(g_handoverMutex);
}

enum class CallState { Queued, Running, Done, Withdrawn };

// One waited-for call shared by the waiting thread and the queued event.
struct WaitedCall
{
    std::shared_ptr<detail::CallSync> sync;
    CallState state = CallState::Queued;
    bool ran = false;
};

const QEvent::Type kCallEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class CallEvent : public QEvent
{
public:
    CallEvent(std::function<void()> call, std::shared_ptr<WaitedCall> waited)
        : QEvent(kCallEvent), m_call(std::move(call)), m_waited(std::move(waited))
    {
    }
    // An event discarded undelivered (queue torn down) releases its waiting caller.
    ~CallEvent() override
    {
        TakeHandover(); // an event dropped undelivered was never read on this thread
        if (m_waited)
            Finish(false);
    }

    void Deliver()
    {
        if (m_waited) {
            std::lock_guard lock(m_waited->sync->mutex);
            if (m_waited->state != CallState::Queued) {
                m_waited.reset(); // withdrawn by a stopping caller
                return;
            }
            m_waited->state = CallState::Running;
        }
        try {
            m_call();
        } catch (...) {
            if (m_waited)
                Finish(true);
            throw;
        }
        if (m_waited)
            Finish(true);
    }

private:
    void Finish(bool ran)
    {
        {
            std::lock_guard lock(m_waited->sync->mutex);
            if (m_waited->state == CallState::Queued || m_waited->state == CallState::Running) {
                m_waited->state = CallState::Done;
                m_waited->ran = ran;
            }
        }
        m_waited->sync->cv.notify_all();
        m_waited.reset();
    }

    std::function<void()> m_call;
    std::shared_ptr<WaitedCall> m_waited;
};

// Lives on the UI thread and runs the queued calls.
class CallDispatcher : public QObject
{
public:
    bool event(QEvent* e) override
    {
        TakeHandover();
        if (e->type() == kCallEvent) {
            static_cast<CallEvent*>(e)->Deliver();
            return true;
        }
        return QObject::event(e);
    }
};

std::atomic<CallDispatcher*> g_dispatcher { nullptr };
std::mutex g_dispatcherMutex;

// Made on first use and kept for the process's life, so workers never see it vanish.
CallDispatcher* Dispatcher()
{
    if (CallDispatcher* d = g_dispatcher.load(std::memory_order_acquire))
        return d;
    std::lock_guard lock(g_dispatcherMutex);
    if (CallDispatcher* d = g_dispatcher.load(std::memory_order_acquire))
        return d;
    auto* app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    auto* d = new CallDispatcher;
    d->moveToThread(app->thread());
    g_dispatcher.store(d, std::memory_order_release);
    return d;
}

void Queue(CallDispatcher* d, std::function<void()> call, std::shared_ptr<WaitedCall> waited)
{
    CallEvent* event = nullptr;
    {
        std::lock_guard lock(g_handoverMutex);
        event = new CallEvent(std::move(call), std::move(waited));
    }
    QCoreApplication::postEvent(d, event);
}

} // namespace

TCancelSignal::TCancelSignal() : m_sync(std::make_shared<detail::CallSync>()) {}
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

bool PostToUiThread(std::function<void()> call)
{
    CallDispatcher* d = Dispatcher();
    if (!d)
        return false;
    Queue(d, std::move(call), nullptr);
    return true;
}

bool CallOnUiThread(std::function<void()> call, const TCancelSignal& cancel)
{
    if (IsUiThread()) {
        call();
        return true;
    }
    CallDispatcher* d = Dispatcher();
    if (!d)
        return false;
    {
        std::lock_guard lock(cancel.m_sync->mutex);
        if (cancel.m_sync->cancelled)
            return false;
    }
    auto waited = std::make_shared<WaitedCall>();
    waited->sync = cancel.m_sync;
    Queue(d, std::move(call), waited);

    std::unique_lock lock(waited->sync->mutex);
    waited->sync->cv.wait(lock, [&] {
        return waited->state == CallState::Done
               || (waited->sync->cancelled && waited->state == CallState::Queued);
    });
    if (waited->state != CallState::Done) {
        waited->state = CallState::Withdrawn;
        return false;
    }
    return waited->ran;
}

} // namespace vcl
