#include "plot/extras/iOPCUiThread.h"

#include "platform/os/TThreadCallQueue.h"

#include <QCoreApplication>
#include <QThread>

#include <mutex>

namespace {

std::mutex QueueMutex;
vcl::TThreadCallQueue* Queue = nullptr; // lives to the process's end once made

bool OnUiThread() { return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread(); }

} // namespace

void iOPCPrepareUiThread()
{
    std::lock_guard<std::mutex> lock(QueueMutex);
    if (!Queue && OnUiThread())
        Queue = new vcl::TThreadCallQueue;
}

void iOPCRunOnUiThread(std::weak_ptr<int> Life, std::function<void()> Call)
{
    if (OnUiThread()) {
        if (!Life.expired())
            Call();
        return;
    }
    std::lock_guard<std::mutex> lock(QueueMutex);
    if (!Queue)
        return; // nothing registered from the user-interface thread: nobody to notify
    Queue->Post([Life = std::move(Life), Call = std::move(Call)] {
        if (!Life.expired())
            Call();
    });
}
