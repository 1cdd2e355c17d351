#pragma once
// Open and save file dialogs behind one seam: tests install an answer and nothing is shown.

#include "platform/core/TComponent.h"
#include "platform/core/TSet.h"

#include <QString>

#include <functional>
#include <optional>

namespace vcl {

enum class TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
    ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;

struct TFileDialogRequest
{
    bool Save = false;
    QString Title;
    QString Filter; // "Text|*.txt|All|*.*"
    int FilterIndex = 1;
    QString FileName;
    QString InitialDir;
    QString DefaultExt;
    TOpenOptions Options;
};
// Returns the chosen file name, or nothing for Cancel. Several files chosen with ofAllowMultiSelect
// come as the folder and the names, each ended by a NUL character.
using TFileDialogHandler = std::function<std::optional<QString>(const TFileDialogRequest&)>;

// Installs a handler that answers every file dialog while it lives, then restores the previous.
class TFileDialogSeam
{
public:
    explicit TFileDialogSeam(TFileDialogHandler handler);
    ~TFileDialogSeam();
    TFileDialogSeam(const TFileDialogSeam&) = delete;
    TFileDialogSeam& operator=(const TFileDialogSeam&) = delete;

private:
    TFileDialogHandler m_previous;
};

class TOpenDialog : public TComponent
{
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    // Shows the dialog; true with FileName set when the user chose a file.
    virtual bool Execute();

    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& value) { m_fileName = value; }
    QString Filter() const { return m_filter; }
    void SetFilter(const QString& value) { m_filter = value; }
    int FilterIndex() const { return m_filterIndex; }
    void SetFilterIndex(int value) { m_filterIndex = value; }
    QString InitialDir() const { return m_initialDir; }
    void SetInitialDir(const QString& value) { m_initialDir = value; }
    QString DefaultExt() const { return m_defaultExt; }
    void SetDefaultExt(const QString& value) { m_defaultExt = value; }
    QString Title() const { return m_title; }
    void SetTitle(const QString& value) { m_title = value; }
    TOpenOptions Options() const { return m_options; }
    void SetOptions(TOpenOptions value) { m_options = value; }

protected:
    bool DoExecute(bool save);

private:
    QString m_fileName;
    QString m_filter;
    int m_filterIndex { 1 };
    QString m_initialDir;
    QString m_defaultExt;
    QString m_title;
    TOpenOptions m_options { TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing };
};

class TSaveDialog : public TOpenDialog
{
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    ~TSaveDialog() override { BeforeDestruction(); }
    bool Execute() override;
};

// "Text|*.txt|All|*.*" as Qt's name filters "Text (*.txt)", "All (*.*)".
QStringList QtNameFilters(const QString& filter);

} // namespace vcl
