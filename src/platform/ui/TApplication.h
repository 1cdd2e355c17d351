#pragma once
// The application object: title, form creation (the first form is the main form), the event loop
// until the main form closes, and the display of exceptions that reach an event handler's edge.

#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"
#include "platform/ui/TForm.h"

#include <functional>
#include <memory>
#include <vector>

class QApplication;
class QEventLoop;

namespace vcl {

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;

class TApplication : public TComponent
{
public:
    // Uses the running QApplication, or makes one from the arguments (kept for its lifetime).
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    void Initialize();
    QString Title() const { return m_title; }
    void SetTitle(const QString& value);
    bool MainFormOnTaskBar() const { return m_mainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool value) { m_mainFormOnTaskBar = value; }
    bool ShowMainForm() const { return m_showMainForm; }
    void SetShowMainForm(bool value) { m_showMainForm = value; }
    TForm* MainForm() const { return m_mainForm; }

    // Creates a T owned by the application, stores it in Reference before its OnCreate runs, and
    // makes it the main form when it is the first form.
    template <typename T>
    void CreateForm(T*& Reference)
    {
        Reference = nullptr;
        T* instance = new T(this);
        Reference = instance;
        instance->AfterConstruction();
        if (!m_mainForm)
            m_mainForm = instance;
    }

    // Shows the main form (unless ShowMainForm is off) and handles events until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    void ProcessMessages();
    // Waits for and handles at least one event.
    void HandleMessage();

    // Shows the exception in flight: OnException when assigned, else ShowException. EAbort is
    // silent. Call inside a catch block.
    void HandleException(TObject* Sender);
    // A message box with the message (a '.' added unless it ends in punctuation) and the title.
    void ShowException(const Exception* E);
    int MessageBox(const QString& Text, const QString& Caption, unsigned Flags);

    TExceptionEvent OnException;

private:
    friend class TForm;
    std::unique_ptr<QApplication> m_ownQt;
    QString m_title;
    bool m_mainFormOnTaskBar { false };
    bool m_showMainForm { true };
    bool m_terminated { false };
    TForm* m_mainForm { nullptr };
    QEventLoop* m_mainLoop { nullptr };
    std::vector<QEventLoop*> m_modalLoops;
};

// The one application object (set while a TApplication exists).
extern TApplication* Application;

} // namespace vcl
