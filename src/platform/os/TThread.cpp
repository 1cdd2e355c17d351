#include "platform/os/TThread.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <vector>

namespace vcl {

struct TThread::State
{
    std::mutex M;
    std::condition_variable Cv;
    bool Finished { false };
};

namespace {

// Joins abandoned threads: those already ended whenever another is abandoned, the rest at exit.
class ThreadKeeper
{
public:
    struct Entry
    {
        std::thread Thread;
        std::function<bool()> IsFinished;
    };

    void Add(Entry e)
    {
        std::lock_guard lock(M);
        for (auto it = Entries.begin(); it != Entries.end();) {
            if (it->IsFinished()) {
                it->Thread.join();
                it = Entries.erase(it);
            } else {
                ++it;
            }
        }
        Entries.push_back(std::move(e));
    }

    ~ThreadKeeper()
    {
        std::lock_guard lock(M);
        for (auto& e : Entries)
            if (e.Thread.joinable())
                e.Thread.join();
    }

private:
    std::mutex M;
    std::vector<Entry> Entries;
};

ThreadKeeper& Keeper()
{
    static ThreadKeeper keeper;
    return keeper;
}

} // namespace

TThread::~TThread()
{
    if (Thread.joinable())
        Thread.join();
}

bool TThread::Start(std::function<void()> body)
{
    if (Thread.joinable())
        return false;
    auto st = std::make_shared<State>();
    try {
        Thread = std::thread([st, body = std::move(body)] {
            body();
            std::lock_guard lock(st->M);
            st->Finished = true;
            st->Cv.notify_all();
        });
    } catch (const std::system_error&) {
        return false;
    }
    St = std::move(st);
    return true;
}

bool TThread::WaitFor(unsigned timeoutMs)
{
    if (!Thread.joinable())
        return true;
    {
        std::unique_lock lock(St->M);
        if (!St->Cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return St->Finished; }))
            return false;
    }
    Thread.join();
    return true;
}

bool TThread::Running() const
{
    if (!Thread.joinable() || !St)
        return false;
    std::lock_guard lock(St->M);
    return !St->Finished;
}

void TThread::Abandon()
{
    if (!Thread.joinable())
        return;
    auto st = St;
    Keeper().Add({ std::move(Thread), [st] {
                      std::lock_guard lock(st->M);
                      return st->Finished;
                  } });
    St.reset();
}

} // namespace vcl
