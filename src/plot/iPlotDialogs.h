#pragma once
// The plot library's colour, font, open and save dialogs over the system's, with the library's own
// rules: the owner window, the default folder, multiple selection and extension completion.

#include "platform/core/TColor.h"
#include "platform/core/TComponent.h"
#include "platform/core/TStringList.h"
#include "platform/ui/TFont.h"

#include <QString>
#include <QStringList>

#include <memory>

// The files of a multiple selection given as the dialog's strings: one string is the full path;
// otherwise the first is the folder and each further string a name in it, or an absolute path.
QStringList iParseMultiSelection(const QStringList& Parts);

// The file patterns of a "description|pattern|..." filter: the parts that begin with "*".
QStringList iFilterPatterns(const QString& Filter);
// The extension the chosen pattern gives (".txt" for "*.txt"); empty when FilterIndex (1-based)
// names no pattern.
QString iFilterExtension(const QString& Filter, int FilterIndex);
// FileName with the chosen pattern's extension added, unless the name already ends in it or the
// pattern is "*.*".
QString iCompleteSaveExtension(const QString& FileName, const QString& Filter, int FilterIndex);

class TiColorDialog : public vcl::TComponent
{
public:
    using vcl::TComponent::TComponent;
    // Raises EInvalidCast unless the owner is a windowed control; false (nothing changed) on Cancel.
    bool Execute();
    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor Value) { FColor = Value; }

private:
    vcl::TColor FColor { 0 };
};

class TiFontDialog : public vcl::TComponent
{
public:
    explicit TiFontDialog(vcl::TComponent* AOwner);
    // Raises EInvalidCast unless the owner is a windowed control; false (nothing changed) on Cancel.
    bool Execute();
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(vcl::TFont* Value) { FFont->Assign(Value); }

private:
    std::unique_ptr<vcl::TFont> FFont;
};

class TiOpenDialog : public vcl::TComponent
{
public:
    explicit TiOpenDialog(vcl::TComponent* AOwner);
    // False without an owning form (nothing shown) or on Cancel.
    bool Execute();

    QString FileName() const { return FFileName; }
    void SetFileName(const QString& Value) { FFileName = Value; }
    QString Filter() const { return FFilter; }
    void SetFilter(const QString& Value) { FFilter = Value; }
    QString DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString& Value) { FDefaultExt = Value; }
    QString DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const QString& Value) { FDefaultDir = Value; }
    bool FileMustExist() const { return FFileMustExist; }
    void SetFileMustExist(bool Value) { FFileMustExist = Value; }
    bool AllowMultiSelect() const { return FAllowMultiSelect; }
    void SetAllowMultiSelect(bool Value) { FAllowMultiSelect = Value; }
    vcl::TStrings* Files() const { return FFiles.get(); }

private:
    QString FFileName;
    QString FFilter;
    QString FDefaultExt;
    QString FDefaultDir;
    bool FFileMustExist { false };
    bool FAllowMultiSelect { false };
    std::unique_ptr<vcl::TStringList> FFiles;
};

class TiSaveDialog : public vcl::TComponent
{
public:
    using vcl::TComponent::TComponent;
    // False without an owning form (nothing shown) or on Cancel; on OK FileName carries the
    // chosen pattern's extension.
    bool Execute();

    QString FileName() const { return FFileName; }
    void SetFileName(const QString& Value) { FFileName = Value; }
    QString Filter() const { return FFilter; }
    void SetFilter(const QString& Value) { FFilter = Value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    QString DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString& Value) { FDefaultExt = Value; }
    QString DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const QString& Value) { FDefaultDir = Value; }
    QString ReturnExt() const { return FReturnExt; }

private:
    QString FFileName;
    QString FFilter;
    int FFilterIndex { 1 };
    QString FDefaultExt;
    QString FDefaultDir;
    QString FReturnExt;
};
