#include "platform/ui/TApplication.h"

#include "platform/ui/Dialogs.h"
#include "platform/ui/EventGuard.h"

#include <QApplication>
#include <QEventLoop>

#include <cstdio>

namespace vcl {

TApplication* Application = nullptr;

namespace {

// Last net for exceptions that escape a Qt handler of ours.
class GuardedQApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        bool result = false;
        Guarded([&] { result = QApplication::notify(receiver, event); });
        return result;
    }
};

} // namespace

TApplication::TApplication(int& argc, char** argv) : TComponent(nullptr)
{
    if (!QCoreApplication::instance())
        m_ownQt = std::make_unique<GuardedQApplication>(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    Application = this;
}

TApplication::~TApplication()
{
    // Forms hear OnDestroy and free their parts while they are whole, last created first.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (auto* form = dynamic_cast<TForm*>(Components(i)))
            form->DoDestroy();
    }
    while (ComponentCount() > 0) {
        TComponent* c = Components(ComponentCount() - 1);
        c->BeforeDestruction();
        delete c;
    }
    m_mainForm = nullptr;
    BeforeDestruction();
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize() {}

void TApplication::SetTitle(const QString& value)
{
    // Stored only: Qt would append a display name to every window's title.
    m_title = value;
}

void TApplication::Run()
{
    if (m_mainForm && m_showMainForm && !m_terminated)
        m_mainForm->Show();
    if (m_terminated)
        return;
    QEventLoop loop;
    m_mainLoop = &loop;
    loop.exec();
    m_mainLoop = nullptr;
}

void TApplication::Terminate()
{
    m_terminated = true;
    for (QEventLoop* loop : m_modalLoops)
        loop->exit();
    if (m_mainLoop)
        m_mainLoop->exit();
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleMessage()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TApplication::HandleException(TObject* Sender)
{
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(&e);
    } catch (const std::exception& e) {
        const Exception wrapped(QString::fromUtf8(e.what()));
        if (OnException)
            OnException(Sender, wrapped);
        else
            ShowException(&wrapped);
    } catch (...) {
        const Exception wrapped(QString {});
        if (OnException)
            OnException(Sender, wrapped);
        else
            ShowException(&wrapped);
    }
}

void TApplication::ShowException(const Exception* E)
{
    QString msg = E ? E->Message() : QString();
    if (!msg.isEmpty() && msg.back() > QLatin1Char('.'))
        msg += QLatin1Char('.');
    MessageBox(msg, m_title, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const QString& Text, const QString& Caption, unsigned Flags)
{
    return vcl::MessageBox(Text, Caption, Flags);
}

void HandleCurrentException(TObject* sender) noexcept
{
    try {
        if (Application) {
            Application->HandleException(sender);
            return;
        }
        try {
            throw;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
        } catch (...) {
            std::fprintf(stderr, "unknown exception\n");
        }
    } catch (...) {
        // Showing the exception failed; nothing more can be done at an event's edge.
    }
}

} // namespace vcl
