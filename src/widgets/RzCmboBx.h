#pragma once
// The combo box of the panels and editors: state colours (focused, disabled, read-only), a
// read-only mode, wheel stepping that a handler can veto, list operations, and (TRzComboBox) a
// second list giving each item a value.

#include "platform/core/TStringList.h"

#include <algorithm>
#include "platform/ui/TComboBox.h"
#include "platform/ui/TTimer.h"
#include "widgets/RzCommon.h"
#include "widgets/RzFrameController.h"

class QComboBox;

namespace rz {

// Pause after which the list search starts afresh (milliseconds); read each time the timer is armed.
extern int SearchResetTimeout;

using TRzDeleteComboItemEvent = std::function<void(vcl::TObject* Sender, void* Item)>;

enum class TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
                                 odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit };
using TOwnerDrawState = vcl::TSet<TOwnerDrawStateItem>;
// Index -1 draws the edit area of a box with no item chosen.
using TDrawItemEvent = std::function<void(vcl::TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

class TRzCustomComboBox : public vcl::TComboBox, public IFrameControllerTarget
{
public:
    explicit TRzCustomComboBox(vcl::TComponent* AOwner, vcl::TComboBoxStyle style = vcl::TComboBoxStyle::csDropDown);
    ~TRzCustomComboBox() override;

    // The user's choice or typing (never a change made by code). These hide the platform
    // combo's members of the same name, which the box uses to learn of the user's actions.
    vcl::TNotifyEvent OnChange;
    vcl::TNotifyEvent OnSelect;
    vcl::TNotifyEvent OnMatch;
    vcl::TNotifyEvent OnNotInList;
    vcl::TNotifyEvent OnSelEndCancel;
    vcl::TNotifyEvent OnSelEndOk;
    TRzDeleteComboItemEvent OnDeleteItem;
    vcl::TNotifyEvent OnDropDown;
    vcl::TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;

    // Tab closes an open list, other keys but Backspace and Esc open a closed one.
    bool AutoDropDown() const { return FAutoDropDown; }
    void SetAutoDropDown(bool Value) { FAutoDropDown = Value; }
    // Typed characters stop at this many (0: no limit); text set by code is not cut.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value) { FMaxLength = std::max(0, Value); }
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool Value) { FShowFocus = Value; }
    bool DroppedDown() const;
    void SetDroppedDown(bool Value);
    // The width last given to the open list.
    int ActualDropDownWidth() const { return FActualDropDownWidth; }
    // The list's width by the rules: DropDownWidth, or the widest item (plus a scroll bar when the
    // list scrolls) plus 8, at least the box's width.
    int CalcDropDownWidth();
    // The owner-drawn item painter: the state colours, OnDrawItem or the item's text, the focus
    // rectangle.
    virtual void DrawItem(TCanvas& Canvas, int Index, TRect Rect, TOwnerDrawState State);
    // Without an OnDrawItem handler: the rectangle filled and the item's text.
    virtual void DefaultDrawItem(TCanvas& Canvas, int Index, TRect Rect, TOwnerDrawState State);
    bool IsOwnerDraw() const;
    // The platform's style change, then the item painter that style asks for.
    void SetStyle(vcl::TComboBoxStyle Value);
    // Width of the drop-down button strip.
    int ButtonWidth() const;

    bool AllowEdit() const { return FAllowEdit; }
    void SetAllowEdit(bool Value) { FAllowEdit = Value; }
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool Value) { FAutoComplete = Value; }
    bool BeepOnInvalidKey() const { return FBeepOnInvalidKey; }
    void SetBeepOnInvalidKey(bool Value) { FBeepOnInvalidKey = Value; }
    bool KeepSearchCase() const { return FKeepSearchCase; }
    void SetKeepSearchCase(bool Value) { FKeepSearchCase = Value; }
    bool TabOnEnter() const { return FTabOnEnter; }
    void SetTabOnEnter(bool Value) { FTabOnEnter = Value; }
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value) { FDropDownWidth = Value; }
    const QString& SearchString() const { return FSearchString; }
    void ClearSearchString() { FSearchString.clear(); }

    bool FlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool Value);
    TColor FlatButtonColor() const { return FFlatButtonColor; }
    void SetFlatButtonColor(TColor Value);
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor Value);
    TColor FrameHotColor() const { return FFrameHotColor; }
    void SetFrameHotColor(TColor Value);
    bool FrameHotTrack() const { return FFrameHotTrack; }
    void SetFrameHotTrack(bool Value);
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    void SetFrameHotStyle(TFrameStyle Value);
    TSides FrameSides() const { return FFrameSides; }
    void SetFrameSides(TSides Value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    bool FrameVisible() const { return FFrameVisible; }
    void SetFrameVisible(bool Value);
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    void SetFramingPreference(TFramingPreference Value);
    TRzFrameController* FrameController() const { return FFrameController.Get(); }
    void SetFrameController(TRzFrameController* Value) { FFrameController.Set(Value); }
    TRzFrameControllerNotifications FrameControllerNotifications() const override { return FFrameController.Notifications; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications Value) { FFrameController.Notifications = Value; }
    bool SetFrameControllerProperty(TRzFrameControllerProperty Kind, const TRzFrameController& Controller) override;

    TColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor Value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor Value);
    TColor ReadOnlyColor() const { return FReadOnlyColor; }
    void SetReadOnlyColor(TColor Value);
    bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    void SetReadOnlyColorOnFocus(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);

    // --- list operations on Items ---
    int Add(const QString& S);
    int AddObject(const QString& S, vcl::TObject* Obj);
    void Delete(int Index);
    void ClearItems();
    int IndexOf(const QString& S) const;
    void Insert(int Index, const QString& S);
    void InsertObject(int Index, const QString& S, vcl::TObject* Obj);
    int Count() const;
    bool FindItem(const QString& S);
    bool FindClosestItem(const QString& S);
    // First item (from 0) that starts with Text, ignoring case; -1 when none.
    virtual int FindPrefixItem(const QString& Text) const;
    // Sets the text without running search or completion.
    virtual void ForceText(const QString& Value);
    bool UseThemes() const;
    bool IsFocused() const { return FIsFocused; }

    // A framing property goes into a form only when no frame controller supplies it; Color not while
    // disabled (it then shows DisabledColor), FocusColor only when it differs from Color.
    template <TRzFrameControllerProperty K> bool IsFrameStored() const
    {
        return !FrameController() || !FrameControllerNotifications().Contains(K);
    }
    bool IsColorStored() const;
    bool IsFocusColorStored() const;
    // Items, ItemIndex and Text follow the published properties, so the index finds its item. Older
    // forms: "FrameFlat", "FrameFocusStyle" and "FrameFlatStyle" are read; none is written.
    void DefineProperties(vcl::TFiler& Filer) override;

    void Dispatch(vcl::TMessage& Message) override;
    // The list search's pause timer: forgets the typed text unless a character is being handled.
    void SearchTimerFired();

protected:
    virtual void Change();
    virtual void Match();
    virtual void NotInList();
    virtual void SelEndCancel();
    virtual void SelEndOk();
    virtual void DropDown();
    virtual void CloseUp();
    // The frame, border and button drawn over the system combo.
    virtual void PaintOver(TCanvas& Canvas);
    virtual void InvalidKeyBeep();
    virtual void AutoCompleteList(const QString& Text);
    virtual bool AutoCompleteEdit(const QString& Text);
    void ApplyTextSearch();
    void KeyPress(char16_t& Key) override;
    void Click() override;
    virtual void UpdateColors();
    virtual void SetHotState(bool MouseFlag, bool Value);
    virtual bool DoMouseWheelDown();
    virtual bool DoMouseWheelUp();
    bool DoMouseWheel(vcl::TShiftState Shift, int WheelDelta, vcl::TPoint MousePos) override;
    void ColorChanged() override;
    void DoEnter() override;
    void DoExit() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
    QComboBox* Combo() const;

private:
    void UserPicked();
    void UserEdited();
    bool ListSearchKey(QKeyEvent* Event);
    bool EditCompletionKey(QKeyEvent* Event);
    bool EditBackspace(QKeyEvent* Event);
    // Hands a key to the edit field without reporting it (again), its letters in CharCase's case.
    bool PassToEdit(QKeyEvent* Event);
    // Reports a key (OnKeyDown, OnKeyPress, the form's dialog keys) and, unless a handler ate
    // it, hands it to the edit field.
    bool ReportAndPass(QKeyEvent* Event);
    void PostTab();
    void WatchListWindow();
    void ListShown();
    void ListHidden();
    void ApplyItemDrawing();
    void PaintButton(TCanvas& Canvas, TRect Button);
    void PaintFrame(TCanvas& Canvas);
    void PaintEditItem(TCanvas& Canvas);
    bool HotState() const { return FInControl || FOverControl; }

    bool FAutoComplete { true };
    bool FAllowEdit { true };
    bool FBeepOnInvalidKey { true };
    bool FFlatButtons { false };
    TColor FFlatButtonColor { vcl::clBtnFace };
    bool FUpdatingColor { false };
    TColor FDisabledColor { vcl::clBtnFace };
    TColor FReadOnlyColor { vcl::clInfoBk };
    bool FReadOnlyColorOnFocus { false };
    TColor FFocusColor { vcl::clWindow };
    TColor FNormalColor { vcl::clWindow };
    TColor FFrameColor { vcl::clBtnShadow };
    TColor FFrameHotColor { vcl::clBtnShadow };
    bool FFrameHotTrack { false };
    TFrameStyle FFrameHotStyle { TFrameStyleEx::fsFlatBold };
    TSides FFrameSides { sdAllSides };
    TFrameStyle FFrameStyle { TFrameStyleEx::fsFlat };
    bool FFrameVisible { false };
    TFramingPreference FFramingPreference { TFramingPreference::fpXPThemes };
    bool FKeepSearchCase { false };
    QString FSearchString;
    int FDropDownWidth { 0 };
    bool FTabOnEnter { false };
    bool FReadOnly { false };
    bool FInControl { false };
    bool FOverControl { false };
    bool FIsFocused { false };
    int FKeyCount { 0 };
    vcl::TTimer FTimer { nullptr };
    bool FTyping { false };
    bool FEnterPressed { false };
    bool FPassingKey { false }; // a key on its way to the edit field through the combo
    bool FAutoDropDown { false };
    int FMaxLength { 0 };
    int FItemHeight { 16 };
    bool FShowFocus { true };
    int FActualDropDownWidth { 0 };
    bool FPickedSinceDrop { false };
    QWidget* FListWindow { nullptr };
    TCanvas FCanvas;
    TRzFrameControllerLink FFrameController { *this };
};

class TRzComboBox : public TRzCustomComboBox
{
public:
    // A style other than the default saves building an edit field that setting the style would drop.
    explicit TRzComboBox(vcl::TComponent* AOwner, vcl::TComboBoxStyle style = vcl::TComboBoxStyle::csDropDown);
    ~TRzComboBox() override;

    const vcl::TPropertyTable* PublishedProperties() const override;
    // The combo's defined properties, then "Values".
    void DefineProperties(vcl::TFiler& Filer) override;

    vcl::TStringList* Values() { return &FValues; }
    void SetValues(vcl::TStrings* Value) { FValues.Assign(Value); }
    QString Value() { return GetSelectedValue(); }
    void SetValue(const QString& V) { SelectByValue(V); }

    void ClearItemsValues();
    void AddItemValue(const QString& Item, const QString& Value);
    void InsertItemValue(int Index, const QString& Item, const QString& Value);
    void DeleteItemValue(int Index);

    virtual QString GetItemValue(int Index);
    virtual QString GetSelectedValue();
    virtual void SelectByValue(const QString& V);

protected:
    void Change() override;
    void Click() override;

private:
    void ResyncValue();

    QString FValue;
    vcl::TStringList FValues;
    bool FInSetValue { false };
    bool FForceSetValue { false };
};

} // namespace rz
