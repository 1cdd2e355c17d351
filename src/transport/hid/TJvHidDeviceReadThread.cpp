#include "transport/hid/TJvHidDeviceReadThread.h"

#include "transport/hid/JvHidControllerClass.h"
#include "transport/hid/TJvHidDevice.h"

#include <cerrno>
#include <cstring>

TJvHidDeviceReadThread::TJvHidDeviceReadThread(bool)
{
    throw EControllerError(QString::fromLatin1(JvHidTexts::DirectThreadCreation));
}

TJvHidDeviceReadThread::TJvHidDeviceReadThread(TJvHidDevice* Dev, uint16_t InputReportLength)
    : Device(Dev), Report(InputReportLength, 0), FUi(std::make_unique<vcl::TThreadCallQueue>())
{
}

TJvHidDeviceReadThread::~TJvHidDeviceReadThread()
{
    if (FThread.joinable())
        Stop();
}

void TJvHidDeviceReadThread::Resume()
{
    FThread = std::thread([this] {
        Execute();
        std::lock_guard guard(FMutex);
        FFinished = true;
        FCond.notify_all();
    });
}

void TJvHidDeviceReadThread::Stop()
{
    FTerminated = true;
    {
        std::unique_lock lock(FMutex);
        FCond.notify_all();
        while (!FFinished) {
            if (FPending && !FPendingDone && !FPendingRunning) {
                lock.unlock();
                RunPending();
                lock.lock();
                continue;
            }
            FCond.wait_for(lock, std::chrono::milliseconds(20));
        }
    }
    if (FThread.joinable())
        FThread.join();
}

void TJvHidDeviceReadThread::Pause(int Ms)
{
    std::unique_lock lock(FMutex);
    FCond.wait_for(lock, std::chrono::milliseconds(Ms), [this] { return FTerminated.load(); });
}

void TJvHidDeviceReadThread::Execute()
{
    bool lastWasCompletion = true;
    const uint32_t length = uint32_t(Report.size());
    while (!FTerminated) {
        lastWasCompletion = true;
        std::memset(Report.data(), 0, Report.size());
        errno = 0;
        if (!Device->ReadFileEx(Report.data(), length, nullptr)) {
            FErr = uint32_t(errno);
            Synchronize(&TJvHidDeviceReadThread::DoDataError);
            // Retrying at once would spin as long as the device stays unreadable.
            Pause(Device->ThreadSleepTime());
            continue;
        }
        lastWasCompletion = false;
        while (!FTerminated) {
            if (Device->SleepEx(Device->ThreadSleepTime()) == WAIT_IO_COMPLETION) {
                lastWasCompletion = true;
                break;
            }
        }
        if (!FTerminated) {
            NumBytesRead = std::min<uint32_t>(Device->HidOverlappedReadResult(), length);
            if (NumBytesRead > 0)
                Synchronize(&TJvHidDeviceReadThread::DoData);
        }
    }
    if (!lastWasCompletion)
        Device->CancelIO(TJvHidOpenExMode::omhRead);
}

void TJvHidDeviceReadThread::Synchronize(void (TJvHidDeviceReadThread::*Method)())
{
    std::unique_lock lock(FMutex);
    FPending = [this, Method] { (this->*Method)(); };
    FPendingDone = false;
    FUi->Post([this] { RunPending(); });
    FCond.wait(lock, [this] { return FPendingDone; });
    FPending = nullptr;
}

void TJvHidDeviceReadThread::RunPending()
{
    std::function<void()> call;
    {
        std::lock_guard guard(FMutex);
        if (!FPending || FPendingDone || FPendingRunning)
            return;
        call = FPending;
        FPendingRunning = true;
    }
    call();
    std::lock_guard guard(FMutex);
    FPendingRunning = false;
    FPendingDone = true;
    FCond.notify_all();
}

void TJvHidDeviceReadThread::DoData()
{
    // Only what arrived is passed on: the report ID and the bytes after it.
    if (Device->OnData() && NumBytesRead > 0)
        Device->OnData()(Device, Report[0], Report.data() + 1, uint16_t(NumBytesRead - 1));
}

void TJvHidDeviceReadThread::DoDataError()
{
    if (Device->OnDataError())
        Device->OnDataError()(Device, FErr);
}
