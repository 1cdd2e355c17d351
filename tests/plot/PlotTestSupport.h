#pragma once
// Shared helpers of the plot tests: one application, fixed text metrics, a hand-set repaint clock,
// a form that holds the control under test, whole files and the message a call raises.

#include "plot/iPlotMasterManager.h"
#include "plot/iUpdateClock.h"

#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TextMetrics.h"

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace ptest {

inline vcl::TApplication& App()
{
    static int argc = 1;
    static char name[] = "test_plot";
    static char* argv[] = { name, nullptr };
    static vcl::TApplication* app = new vcl::TApplication(argc, argv); // lives to the process's end
    return *app;
}

// 6 pixels a character, 10 high.
class FixedMetrics : public vcl::ITextMetrics
{
public:
    vcl::TSize TextExtent(const vcl::TFont&, const QString& text) const override
    {
        return vcl::TSize(6 * static_cast<int>(text.size()), 10);
    }
};

inline std::shared_ptr<const vcl::ITextMetrics> Fixed() { return std::make_shared<FixedMetrics>(); }

// The repaint clock, moved by hand in milliseconds.
class ManualClock
{
public:
    ManualClock() : m_override([this] { return m_days; }) {}
    void AdvanceMs(double ms) { m_days += ms / 86400000.0; }

private:
    double m_days { 1000.0 };
    TiUpdateClockOverride m_override;
};

// Lets every posted paint happen.
inline void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Runs the event loop until `done` holds or a generous deadline passes.
template <typename Pred>
bool WaitFor(Pred done, int deadlineMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > deadlineMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

inline void Mouse(QWidget* w, QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF local(x, y);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, local, w->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                  modifiers);
    QApplication::sendEvent(w, &e);
}

// A file's whole content; empty when it cannot be read.
inline QByteArray ReadAll(const QString& FileName)
{
    QFile file(FileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces a file's content; a test failure when it cannot be opened for writing.
inline void WriteAll(const QString& FileName, const QByteArray& Bytes)
{
    QFile file(FileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
}

// The message of the exception the call raises, or "<no exception>".
inline QString MessageOf(const std::function<void()>& Call)
{
    try {
        Call();
    } catch (const vcl::Exception& e) {
        return e.Message();
    }
    return QStringLiteral("<no exception>");
}

// A master manager on its own panel: the managers, objects and layout without a plot control.
class MasterManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App();
        owner = std::make_unique<vcl::TPanel>(nullptr);
        master = std::make_unique<TiPlotMasterManager>(owner.get());
    }
    void TearDown() override
    {
        master.reset();
        owner.reset();
    }
    std::unique_ptr<vcl::TPanel> owner;
    std::unique_ptr<TiPlotMasterManager> master;
};

} // namespace ptest
