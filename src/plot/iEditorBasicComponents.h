#pragma once
// The controls of the plot library's property editors. They share one contract with their form:
// values the program writes raise no change events, values the user changes call the form's
// UserChange and fire the control's events, and Disable blanks the value as well as greying it.

#include "plot/iCheckBox.h"
#include "plot/iRadioGroup.h"

#include "platform/core/TColor.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/TPageControl.h"
#include "platform/ui/TPaintBox.h"
#include "platform/ui/TTimer.h"

#include <cstdint>
#include <functional>
#include <memory>

class TiCustomEditorForm : public vcl::TForm
{
public:
    using vcl::TForm::TForm;
    // Called once for each change the user makes in one of the form's editor controls.
    virtual void UserChange() {}
};

// The owner's UserChange, when the owner is an editor form.
void iNotifyEditorForm(vcl::TComponent* Owner);

// Translates the texts of a form the editors open (the plot's translation table does it).
using TFormTranslationMethod = std::function<void(vcl::TForm* AForm)>;

class TiComponentEditorEdit : public vcl::TEdit
{
public:
    explicit TiComponentEditorEdit(vcl::TComponent* AOwner);

    // Reads never raise: an empty or non-numeric text reads as 0.
    int AsInteger() const;
    double AsFloat() const;
    // A date-time text or a plain number; any other text raises EConvertError.
    double AsDateTime() const;
    QString AsString() const { return Text(); }
    // Silent writes: no OnChange, no OnUpdate, no UserChange.
    void SetAsInteger(int Value);
    void SetAsFloat(double Value);
    void SetAsDateTime(double Value);
    void SetAsString(const QString& Value);

    // The text as the user would set it: OnChange, the form's UserChange, then the commit.
    void SetStringWithEvent(const QString& S);
    void SetIntegerWithEvent(int I);
    void SetDoubleWithEvent(double D);
    // A text that differs from the last committed one fires OnUpdate (and UserChange unless silent).
    void CommitEdit();

    void Disable();
    void DisableNoClear();
    void Enable();
    void SetEnabled(bool Value) override;

    QString OriginalText() const { return FOriginalText; }
    vcl::TNotifyEvent OnUpdate;

protected:
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void DoExit() override;

private:
    void WriteSilently(const QString& Text);

    bool FBlockingEvents { false };
    QString FOriginalText;
};

// Makes Value the associate edit of Control (the previous one forgotten, both followed for their
// freeing) and places Control against the edit's right edge at its height. Nothing moves for nullptr.
void iAttachAssociate(vcl::TControl& Control, TiComponentEditorEdit*& Associate, TiComponentEditorEdit* Value);

class TiUpDown : public vcl::TGraphicControl
{
public:
    explicit TiUpDown(vcl::TComponent* AOwner);
    ~TiUpDown() override;

    TiComponentEditorEdit* Associate() const { return FAssociate; }
    // Sits at the associate's right edge with its top and height.
    void SetAssociate(TiComponentEditorEdit* Value);
    int Min() const { return FMin; }
    void SetMin(int Value) { FMin = static_cast<std::int16_t>(Value); }
    int Max() const { return FMax; }
    void SetMax(int Value) { FMax = static_cast<std::int16_t>(Value); }
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }

    int AsInteger() const;
    // Min and Max both 0 mean no limit.
    void SetAsInteger(int Value) { SetSpinValue(Value); }

    void Disable();
    void Enable();

    // The step repeat runs while a button is held.
    bool Repeating() const { return FTimer->Enabled(); }
    vcl::TRect UpButtonRect() const { return FUpButtonRect; }
    vcl::TRect DownButtonRect() const { return FDownButtonRect; }

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
    void SizeChanged() override;

private:
    void SetSpinValue(int Value);
    void UpdateButtonRects();
    void UpdatePressed();
    void Step();
    void RepeatStep();

    std::unique_ptr<vcl::TTimer> FTimer;
    bool FFirstTimerMessage { false };
    TiComponentEditorEdit* FAssociate { nullptr };
    std::int16_t FMin { 0 };
    std::int16_t FMax { 100 };
    int FIncrement { 1 };
    bool FMouseDown { false };
    int FMouseDownX { 0 };
    int FMouseDownY { 0 };
    bool FUpButtonPressed { false };
    bool FDownButtonPressed { false };
    vcl::TRect FUpButtonRect;
    vcl::TRect FDownButtonRect;
    bool FUserGenerated { false };
};

class TiComponentEditorCheckBox : public TiCheckBox
{
public:
    using TiCheckBox::TiCheckBox;
    bool AsBoolean() const { return Checked(); }
    // Fires OnChange but neither OnClick nor UserChange.
    void SetAsBoolean(bool Value);
    void Disable();
    void Enable() { SetEnabled(true); }

protected:
    void DoChange() override;
    // The change notification fires OnClick; the window's own click does not.
    void Click() override {}

private:
    bool FBlockingEvents { false };
};

class TiComponentEditorRadioGroup : public TiRadioGroup
{
public:
    using TiRadioGroup::TiRadioGroup;
    int AsInteger() const { return ItemIndex(); }
    // Fires nothing.
    void SetAsInteger(int Value);
    void Disable();
    void Enable() { SetEnabled(true); }

protected:
    // A pick of an item by the user is the group's click; a click elsewhere on the group is not.
    void DoChange() override;
    void Click() override {}

private:
    void ItemClick();

    bool FBlockingEvents { false };
};

class TiComponentEditorComboBox : public vcl::TComboBox
{
public:
    explicit TiComponentEditorComboBox(vcl::TComponent* AOwner);
    int AsInteger() const { return ItemIndex(); }
    void SetAsInteger(int Value);
    QString AsString() const { return Text(); }
    void SetAsString(const QString& Value);
    void Disable();
    void Enable();

protected:
    void Click() override;

private:
    bool FBlockingEvents { false };
};

using TiListBoxGetDataEvent =
    std::function<void(vcl::TObject* Sender, int Index, bool& DrawColorBox, vcl::TColor& AColor, QString& AText)>;

class TiComponentEditorListBox : public vcl::TListBox
{
public:
    explicit TiComponentEditorListBox(vcl::TComponent* AOwner);

    void SelectLast();
    // Deletes the selected item and frees its object; the selection stays at the same index.
    void DeleteSelectedObject();
    // Deletes the item holding AObject (not freed); the selection stays at the same index.
    void DeleteObjectIndex(vcl::TObject* AObject);
    // A drop of the selected item at Y of the list: moves it there and fires OnItemMove.
    void DropSelectedAt(int Y);

    TiListBoxGetDataEvent OnGetData;
    vcl::TNotifyEvent OnItemMove;
    // How DeleteSelectedObject frees an item's object (plain delete when unset); objects that must
    // report their removal while still whole free themselves through this.
    std::function<void(vcl::TObject*)> FreeObject;

protected:
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;

private:
    void KeepSelection(int Index);
    int ItemHeight() const;

    bool FDragging { false };
    int FDragStartY { 0 };
};

// The editors' page control; TabIndex is the page shown. It takes every key: the arrows turn the
// pages, Enter and Escape stay with it rather than pressing the form's default or cancel button,
// and Tab (Shift+Tab) moves the focus to the next (previous) control of the form's tab order, which
// the platform's focus chain does before a key reaches the control.
class TiComponentEditorPageControl : public vcl::TPageControl
{
public:
    using vcl::TPageControl::TPageControl;
    int TabIndex() const { return ActivePageIndex(); }
    void SetTabIndex(int Value) { SetActivePageIndex(Value); }

protected:
    bool WantsAllKeys() const override { return true; }
};

class TiComponentEditorButton : public vcl::TButton
{
public:
    using vcl::TButton::TButton;
};

class TiComponentEditorGroupBox : public vcl::TGroupBox
{
public:
    using vcl::TGroupBox::TGroupBox;
};

class TiPaintBox : public vcl::TPaintBox
{
public:
    using vcl::TPaintBox::TPaintBox;
};
