#pragma once
// Shared set-up of the HID layer tests: a Qt application (widgets for the main window's glue), the library folder, event pumping.

#include "support/Patience.h"
#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

namespace hidtest
{

inline void EnsureApp()
{
    static int argc = 1;
    static char name[] = "test_transport_hid";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)app;
    setenv("ZQ9_LIBRARY_DIR", ZQ9_HID_LIBRARY_DIR, 1);
}

// Runs the event loop until pred holds or timeoutMs passes; returns pred().
inline bool PumpUntil(const std::function<bool()>& pred, int timeoutMs = patience::OuterLimitMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

inline void PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

} // namespace hidtest
