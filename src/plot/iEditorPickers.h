#pragma once
// Picker controls of the property editors: each opens its dialog when clicked, keeps the chosen
// value, tells the owning editor form and fires OnChange. A cancelled dialog changes nothing.

#include "plot/iEditorBasicComponents.h"

#include "platform/core/TStringList.h"
#include "platform/ui/TCustomControl.h"

#include <memory>
#include <utility>

class TiComponentEditorColorPicker : public vcl::TCustomControl
{
public:
    explicit TiComponentEditorColorPicker(vcl::TComponent* AOwner);

    vcl::TColor Color() const { return FColor; }
    // Repaints; fires no OnChange.
    void SetColor(vcl::TColor Value);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Disable();
    void Enable();
    vcl::TButton* Button() const { return FButton; }

    vcl::TNotifyEvent OnChange;

protected:
    void Paint() override;
    void DblClick() override;

private:
    void ChooseColor();

    vcl::TButton* FButton;
    vcl::TColor FColor { vcl::clRed };
};

class TiComponentEditorFontPicker : public TiComponentEditorButton
{
public:
    explicit TiComponentEditorFontPicker(vcl::TComponent* AOwner);
    // The picked font (the button's own caption font is the control's).
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(vcl::TFont* Value) { FFont->Assign(Value); }
    void Click() override;

    vcl::TNotifyEvent OnChange;

private:
    std::unique_ptr<vcl::TFont> FFont;
};

class TiComponentEditorOpenPicker : public TiComponentEditorButton
{
public:
    explicit TiComponentEditorOpenPicker(vcl::TComponent* AOwner);
    void Click() override;

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
    const vcl::TStrings* Files() const { return FFiles.get(); }

    vcl::TNotifyEvent OnChange;

private:
    void ChooseFile();

    QString FFileName;
    QString FFilter;
    QString FDefaultExt;
    QString FDefaultDir;
    bool FFileMustExist { false };
    bool FAllowMultiSelect { false };
    std::unique_ptr<vcl::TStringList> FFiles;
};

class TiComponentEditorSavePicker : public TiComponentEditorButton
{
public:
    explicit TiComponentEditorSavePicker(vcl::TComponent* AOwner);
    void Click() override;
    // The save dialog; the default folder is offered on the first call only, later calls start
    // where the dialog was left.
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

    vcl::TNotifyEvent OnChange;

private:
    QString FFileName;
    QString FFilter;
    int FFilterIndex { 1 };
    QString FDefaultExt;
    QString FDefaultDir;
    bool FDefaultDirUsed { false };
};

class TiValueConverterEditForm;

enum class TiValueConverterPageType { ivcptInterval, ivcptDateTime, ivcptPrice32nd };

class TiComponentEditorValueConverterPicker : public TiComponentEditorButton
{
public:
    explicit TiComponentEditorValueConverterPicker(vcl::TComponent* AOwner);
    ~TiComponentEditorValueConverterPicker() override;
    // OnClick, then the value converter on the associate's number (DateTime without one).
    void Click() override;

    double DateTime() const { return FDateTime; }
    void SetDateTime(double Value) { FDateTime = Value; }
    TiComponentEditorEdit* Associate() const { return FAssociate; }
    // Sits at the associate's right edge with its top and height.
    void SetAssociate(TiComponentEditorEdit* Value);
    TiValueConverterPageType DefaultPage() const { return FDefaultPage; }
    void SetDefaultPage(TiValueConverterPageType Value) { FDefaultPage = Value; }
    const TFormTranslationMethod& TranslationMethod() const { return FTranslationMethod; }
    void SetTranslationMethod(TFormTranslationMethod Value) { FTranslationMethod = std::move(Value); }

    vcl::TNotifyEvent OnChange;

protected:
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

private:
    void RunConverter();

    double FDateTime { 0.0 };
    TiComponentEditorEdit* FAssociate { nullptr };
    TiValueConverterPageType FDefaultPage { TiValueConverterPageType::ivcptInterval };
    TFormTranslationMethod FTranslationMethod;
};

// The value converter a picker has open (nullptr while none is).
TiValueConverterEditForm* iOpenValueConverterForm();

// A folder path (ending in the separator) offered to a file dialog as "<folder>Untitled".
QString iPickerStartName(const QString& FileName);
