#pragma once
// Keeps one read outstanding on a claimed device and hands each input report to the UI thread.

#include "platform/os/TThreadCallQueue.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class TJvHidDevice;

class TJvHidDeviceReadThread
{
public:
    // Threads are made by their device only: raises EControllerError.
    explicit TJvHidDeviceReadThread(bool CreateSuspended);
    ~TJvHidDeviceReadThread();

    uint32_t FErr = 0;
    TJvHidDevice* Device = nullptr;
    uint32_t NumBytesRead = 0;
    std::vector<uint8_t> Report;

private:
    friend class TJvHidDevice;

    // Created suspended on the UI thread; the hand-offs run on that thread.
    TJvHidDeviceReadThread(TJvHidDevice* Dev, uint16_t InputReportLength);
    void Resume();
    // UI thread: asks the thread to stop and waits for its end, running its pending hand-offs.
    void Stop();

    // Worker thread: the read loop.
    void Execute();
    // Worker thread: runs Method on the UI thread and waits until it has returned.
    void Synchronize(void (TJvHidDeviceReadThread::*Method)());
    // Sleeps Ms on the worker thread unless a stop is asked for first.
    void Pause(int Ms);
    void RunPending();
    void DoData();
    void DoDataError();

    std::unique_ptr<vcl::TThreadCallQueue> FUi;  // made on the UI thread; runs the hand-offs there
    std::thread FThread;
    std::mutex FMutex;
    std::condition_variable FCond;
    std::function<void()> FPending;
    bool FPendingDone = false;
    bool FPendingRunning = false;
    bool FFinished = false;
    std::atomic<bool> FTerminated { false };
};
