#pragma once
// One application object for the control, form and message tests, and a message-box recorder.

#include "support/Patience.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TApplication.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <vector>

namespace uitest {

inline vcl::TApplication& App()
{
    static int argc = 1;
    static char name[] = "test_platform_ui";
    static char* argv[] = { name, nullptr };
    static vcl::TApplication* app = new vcl::TApplication(argc, argv); // lives to the process's end
    return *app;
}

// Records every message box and answers it with `answer`.
struct MessageBoxRecorder
{
    explicit MessageBoxRecorder(int answer = vcl::IDOK)
        : seam([this, answer](const vcl::TMessageBoxRequest& r) {
              boxes.push_back(r);
              return answer;
          })
    {
    }
    std::vector<vcl::TMessageBoxRequest> boxes;
    vcl::TMessageBoxSeam seam;
};

// Handles events until `done` holds or the time runs out.
template <typename Pred>
bool SpinUntil(Pred done, int ms = patience::OuterLimitMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace uitest
