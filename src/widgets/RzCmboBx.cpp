#include "widgets/RzCmboBx.h"

#include "platform/ui/EventGuard.h"

#include "platform/ui/VirtualKeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace rz {

using namespace vcl;

int SearchResetTimeout = 1500;

TRzCustomComboBox::TRzCustomComboBox(TComponent* AOwner, TComboBoxStyle style) : TComboBox(AOwner, style)
{
    FTimer.SetEnabled(false);
    FTimer.SetInterval(static_cast<unsigned>(SearchResetTimeout));
    FTimer.OnTimer = [this](TObject*) { SearchTimerFired(); };
    // The platform combo reports only the user's actions through these two.
    TComboBox::OnSelect = [this](TObject*) { UserPicked(); };
    TComboBox::OnChange = [this](TObject*) { UserEdited(); };
    if (QComboBox* combo = Combo())
        combo->installEventFilter(this);
    WatchListWindow();
    // The box completes typed text itself, and has a window colour of its own.
    TComboBox::SetAutoComplete(false);
    SetColor(clWindow);
    FNormalColor = clWindow;
    FFocusColor = clWindow;
}

TRzCustomComboBox::~TRzCustomComboBox()
{
    if (QComboBox* combo = Combo())
        combo->removeEventFilter(this);
}

QComboBox* TRzCustomComboBox::Combo() const
{
    return qobject_cast<QComboBox*>(Inner());
}

// A pick from the list: the platform's click, then the change.
void TRzCustomComboBox::UserPicked()
{
    FPickedSinceDrop = true;
    if (OnSelect)
        OnSelect(this);
    Click();
    SelEndOk();
}

void TRzCustomComboBox::UserEdited()
{
    Change();
}

void TRzCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TRzCustomComboBox::Match()
{
    if (OnMatch)
        OnMatch(this);
}

void TRzCustomComboBox::NotInList()
{
    if (OnNotInList)
        OnNotInList(this);
}

void TRzCustomComboBox::SelEndCancel()
{
    if (OnSelEndCancel)
        OnSelEndCancel(this);
}

void TRzCustomComboBox::SelEndOk()
{
    if (OnSelEndOk)
        OnSelEndOk(this);
}

void TRzCustomComboBox::Click()
{
    TComboBox::Click();
}

#define RZC_SET_INVALIDATE(Field, Value) \
    if ((Field) == (Value))              \
        return;                          \
    (Field) = (Value);                   \
    Invalidate()

void TRzCustomComboBox::SetFlatButtons(bool Value) { RZC_SET_INVALIDATE(FFlatButtons, Value); }
void TRzCustomComboBox::SetFlatButtonColor(TColor Value) { RZC_SET_INVALIDATE(FFlatButtonColor, Value); }
void TRzCustomComboBox::SetFrameColor(TColor Value) { RZC_SET_INVALIDATE(FFrameColor, Value); }
void TRzCustomComboBox::SetFrameHotColor(TColor Value) { RZC_SET_INVALIDATE(FFrameHotColor, Value); }
void TRzCustomComboBox::SetFrameHotStyle(TFrameStyle Value) { RZC_SET_INVALIDATE(FFrameHotStyle, Value); }
void TRzCustomComboBox::SetFrameSides(TSides Value) { RZC_SET_INVALIDATE(FFrameSides, Value); }
void TRzCustomComboBox::SetFrameStyle(TFrameStyle Value) { RZC_SET_INVALIDATE(FFrameStyle, Value); }

void TRzCustomComboBox::SetFrameHotTrack(bool Value)
{
    if (FFrameHotTrack == Value)
        return;
    FFrameHotTrack = Value;
    if (Value) {
        SetFrameVisible(true);
        if (!ComponentState().Contains(TComponentStateItem::csLoading))
            SetFrameSides(sdAllSides);
    }
    Invalidate();
}

void TRzCustomComboBox::SetFrameVisible(bool Value)
{
    if (FFrameVisible == Value)
        return;
    FFrameVisible = Value;
    // Our own frame takes the place of the system's sunken edge.
    SetParentCtl3D(!Value);
    SetCtl3D(!Value);
    Invalidate();
}

void TRzCustomComboBox::SetFramingPreference(TFramingPreference Value)
{
    if (FFramingPreference == Value)
        return;
    FFramingPreference = Value;
    if (Value == TFramingPreference::fpCustomFraming)
        Invalidate();
}

void TRzCustomComboBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TComboBox::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove)
        FFrameController.Forget(AComponent);
}

bool TRzCustomComboBox::SetFrameControllerProperty(TRzFrameControllerProperty Kind, const TRzFrameController& C)
{
    using P = TRzFrameControllerProperty;
    switch (Kind) {
    case P::fcpFocusColor: SetFocusColor(C.FocusColor()); return true;
    case P::fcpDisabledColor: SetDisabledColor(C.DisabledColor()); return true;
    case P::fcpReadOnlyColor: SetReadOnlyColor(C.ReadOnlyColor()); return true;
    case P::fcpReadOnlyColorOnFocus: SetReadOnlyColorOnFocus(C.ReadOnlyColorOnFocus()); return true;
    case P::fcpFlatButtonColor: SetFlatButtonColor(C.FlatButtonColor()); return true;
    case P::fcpFlatButtons: SetFlatButtons(C.FlatButtons()); return true;
    case P::fcpFrameColor: SetFrameColor(C.FrameColor()); return true;
    case P::fcpFrameHotColor: SetFrameHotColor(C.FrameHotColor()); return true;
    case P::fcpFrameHotTrack: SetFrameHotTrack(C.FrameHotTrack()); return true;
    case P::fcpFrameHotStyle: SetFrameHotStyle(C.FrameHotStyle()); return true;
    case P::fcpFrameSides: SetFrameSides(C.FrameSides()); return true;
    case P::fcpFrameStyle: SetFrameStyle(C.FrameStyle()); return true;
    case P::fcpFrameVisible: SetFrameVisible(C.FrameVisible()); return true;
    case P::fcpFramingPreference: SetFramingPreference(C.FramingPreference()); return true;
    default: return false; // Color and ParentColor are set as any control's
    }
}

bool TRzCustomComboBox::UseThemes() const
{
    return FFramingPreference == TFramingPreference::fpXPThemes && ThemesActive();
}

void TRzCustomComboBox::SetDisabledColor(TColor Value)
{
    if (FDisabledColor == Value)
        return;
    FDisabledColor = Value;
    if (!Enabled())
        UpdateColors();
}

void TRzCustomComboBox::SetFocusColor(TColor Value)
{
    if (FFocusColor == Value)
        return;
    FFocusColor = Value;
    if (FIsFocused)
        UpdateColors();
}

void TRzCustomComboBox::SetReadOnlyColor(TColor Value)
{
    if (FReadOnlyColor == Value)
        return;
    FReadOnlyColor = Value;
    if (FReadOnly)
        UpdateColors();
}

void TRzCustomComboBox::SetReadOnlyColorOnFocus(bool Value)
{
    if (FReadOnlyColorOnFocus == Value)
        return;
    FReadOnlyColorOnFocus = Value;
    UpdateColors();
}

void TRzCustomComboBox::SetReadOnly(bool Value)
{
    if (FReadOnly == Value)
        return;
    FReadOnly = Value;
    if (QComboBox* combo = Combo(); combo && combo->lineEdit())
        combo->lineEdit()->setReadOnly(Value);
    UpdateColors();
    Invalidate();
}

void TRzCustomComboBox::UpdateColors()
{
    if (ComponentState().Contains(TComponentStateItem::csLoading))
        return;
    TFlagGuard guard(FUpdatingColor);
    TColor c = FNormalColor;
    if (!Enabled())
        c = FDisabledColor;
    else if (FIsFocused)
        c = FReadOnly && FReadOnlyColorOnFocus ? FReadOnlyColor : FFocusColor;
    else if (FReadOnly)
        c = FReadOnlyColor;
    SetColor(c);
}

// A colour set from outside becomes the normal colour; the focus colour follows it when it was
// the same.
void TRzCustomComboBox::ColorChanged()
{
    if (!FUpdatingColor) {
        if (FFocusColor == FNormalColor)
            FFocusColor = Color();
        FNormalColor = Color();
    }
    TComboBox::ColorChanged();
}

void TRzCustomComboBox::SetHotState(bool MouseFlag, bool Value)
{
    if (MouseFlag)
        FOverControl = Value;
    else
        FInControl = Value;
    if (FFlatButtons || FFrameHotTrack)
        Invalidate();
    UpdateColors();
}

void TRzCustomComboBox::DoEnter()
{
    FIsFocused = true;
    SetHotState(false, true);
    TComboBox::DoEnter();
}

void TRzCustomComboBox::DoExit()
{
    FIsFocused = false;
    FSearchString.clear();
    SetHotState(false, false);
    TComboBox::DoExit();
    if (Style() == TComboBoxStyle::csDropDown && !Text().isEmpty() && Items()->IndexOf(Text()) < 0)
        NotInList();
}

bool TRzCustomComboBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TComboBox::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    if (WheelDelta < 0)
        return DoMouseWheelDown();
    if (WheelDelta > 0)
        return DoMouseWheelUp();
    return false;
}

bool TRzCustomComboBox::DoMouseWheelDown()
{
    if (FReadOnly)
        return true;
    if (ItemIndex() < Items()->Count() - 1) {
        SetItemIndex(ItemIndex() + 1);
        Click();
        Change();
    }
    return true;
}

bool TRzCustomComboBox::DoMouseWheelUp()
{
    if (FReadOnly)
        return true;
    if (ItemIndex() < 1) {
        SetItemIndex(0);
        return true;
    }
    SetItemIndex(ItemIndex() - 1);
    Click();
    Change();
    return true;
}

// The hosted combo's own wheel stepping and read-only presses are replaced by the box's rules.
bool TRzCustomComboBox::eventFilter(QObject* watched, QEvent* event)
{
    QComboBox* combo = Combo();
    if (watched == FListWindow && FListWindow) {
        if (event->type() == QEvent::Show)
            Guarded([this] { ListShown(); }, this);
        else if (event->type() == QEvent::Hide)
            Guarded([this] { ListHidden(); }, this);
        return false;
    }
    if (combo && watched == combo) {
        switch (event->type()) {
        case QEvent::Wheel: {
            auto* we = static_cast<QWheelEvent*>(event);
            const int delta = we->angleDelta().y();
            const TShiftState shift = ShiftStateFrom(we->modifiers(), we->buttons());
            const QPoint global = we->globalPosition().toPoint();
            Guarded([&] { DoMouseWheel(shift, delta, TPoint::fromQPoint(global)); }, this);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (FReadOnly)
                return true;
            break;
        case QEvent::Paint: {
            // The system combo first, then the box's own frame and button over it.
            static_cast<QObject*>(combo)->event(event);
            QPainter painter(combo);
            TCanvasPainterBinding binding(FCanvas, painter, TRect(0, 0, combo->width(), combo->height()));
            Guarded([&] { PaintOver(FCanvas); }, this);
            return true;
        }
        case QEvent::KeyPress:
            // An editable combo has the focus itself and hands keys to its edit field directly,
            // past any filter there: its keys are completed here, before the combo sees them.
            if (FPassingKey)
                return false;
            if (combo->isEditable())
                return EditCompletionKey(static_cast<QKeyEvent*>(event));
            return ListSearchKey(static_cast<QKeyEvent*>(event));
        default: break;
        }
    }
    if (combo && combo->lineEdit() && watched == combo->lineEdit()) {
        if (event->type() == QEvent::KeyPress && !FPassingKey)
            return EditCompletionKey(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::MouseButtonPress && FAutoComplete)
            FSearchString = Text();
    }
    return TComboBox::eventFilter(watched, event);
}

// --- search and completion ---

void TRzCustomComboBox::InvalidKeyBeep()
{
    if (FBeepOnInvalidKey)
        QApplication::beep();
}

void TRzCustomComboBox::SearchTimerFired()
{
    if (FKeyCount != 0)
        return;
    FTimer.SetEnabled(false);
    FSearchString.clear();
}

void TRzCustomComboBox::AutoCompleteList(const QString& Text)
{
    const int index = FindPrefixItem(Text);
    if (index < 0) {
        InvalidKeyBeep();
        return;
    }
    SetItemIndex(index);
    FSearchString = Text;
    Click();
    Change();
}

bool TRzCustomComboBox::AutoCompleteEdit(const QString& Text)
{
    QComboBox* combo = Combo();
    const int old = ItemIndex();
    const int index = FindPrefixItem(Text);
    if (index < 0 || !combo || !combo->lineEdit())
        return false;
    const QString item = Items()->Strings(index);
    {
        TFlagGuard typing(FTyping);
        if (FKeepSearchCase) {
            TFlagGuard sync(m_syncing);
            combo->lineEdit()->setText(Text + item.mid(Text.size()));
        } else {
            SetItemIndex(-1);
            SetItemIndex(index);
        }
    }
    Click();
    Change();
    // The caret after the typed part, the completed tail selected.
    QLineEdit* edit = combo->lineEdit();
    edit->setCursorPosition(edit->text().size());
    edit->cursorBackward(true, static_cast<int>(edit->text().size() - Text.size()));
    if (ItemIndex() != old)
        Match();
    return true;
}

void TRzCustomComboBox::ApplyTextSearch()
{
    QComboBox* combo = Combo();
    if (Style() != TComboBoxStyle::csDropDown || !combo || !combo->lineEdit())
        return;
    if (FEnterPressed) {
        FEnterPressed = false;
        return;
    }
    FSearchString = Text();
    const int index = FindPrefixItem(FSearchString);
    if (index < 0)
        return;
    const QString item = Items()->Strings(index);
    {
        TFlagGuard typing(FTyping);
        SetItemIndex(index);
    }
    QLineEdit* edit = combo->lineEdit();
    edit->setCursorPosition(item.size());
    edit->cursorBackward(true, static_cast<int>(item.size() - FSearchString.size()));
}

void TRzCustomComboBox::PostTab()
{
    if (QComboBox* combo = Combo())
        QApplication::postEvent(combo, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void TRzCustomComboBox::KeyPress(char16_t& Key)
{
    const QComboBox* combo = Combo();
    const bool dropped = combo && combo->view() && combo->view()->isVisible();
    if (FTabOnEnter && Key == u'\r' && !dropped) {
        Key = 0;
        PostTab();
        return;
    }
    if (Style() == TComboBoxStyle::csDropDown && FMaxLength > 0 && Key > 31 && combo && combo->lineEdit()
        && Text().size() >= FMaxLength && !combo->lineEdit()->hasSelectedText()) {
        InvalidKeyBeep();
        Key = 0;
        return;
    }
    TComboBox::KeyPress(Key);
    if (!FAutoDropDown || Key == 0)
        return;
    if (Key == u'\t')
        SetDroppedDown(false);
    else if (Key != u'\b' && Key != 27 && !dropped)
        SetDroppedDown(true);
}

// Keys of a list-style combo: navigation clears the typed text, characters search the list.
bool TRzCustomComboBox::ListSearchKey(QKeyEvent* Event)
{
    const int key = Event->key();
    const bool navigation = key == Qt::Key_Escape || key == Qt::Key_PageUp || key == Qt::Key_PageDown
                            || key == Qt::Key_End || key == Qt::Key_Home || key == Qt::Key_Left
                            || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
    if (FReadOnly)
        return true;
    if (navigation)
        FSearchString.clear();
    // OnKeyDown and OnKeyPress first; a handler may eat the key.
    if (TComboBox::eventFilter(Combo(), Event))
        return true;
    const QString text = Event->text();
    if (key == Qt::Key_Backspace) {
        QString copy = FSearchString;
        if (copy.isEmpty()) {
            InvalidKeyBeep();
            AutoCompleteList(copy);
        } else {
            copy.chop(1);
            if (!copy.isEmpty()) {
                AutoCompleteList(copy);
            } else {
                SetItemIndex(0);
                Click();
                Change();
                FSearchString.clear();
            }
        }
        return true;
    }
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() <= 255 && !(Event->modifiers() & Qt::ControlModifier)) {
        FKeyCount = 1;
        AutoCompleteList(FSearchString + text);
        FTimer.SetEnabled(false);
        FTimer.SetInterval(static_cast<unsigned>(SearchResetTimeout));
        FTimer.SetEnabled(true);
        FKeyCount = 0;
        return true;
    }
    return false;
}

bool TRzCustomComboBox::PassToEdit(QKeyEvent* Event)
{
    TFlagGuard passing(FPassingKey);
    PassTypedKey(Combo(), Event);
    return true;
}

bool TRzCustomComboBox::ReportAndPass(QKeyEvent* Event)
{
    if (HandleKeyPress(Event))
        return true;
    return PassToEdit(Event);
}

// Keys of the edit field: completion against the list while typing. True when the key is done
// with (swallowed, or already handed to the edit field).
bool TRzCustomComboBox::EditCompletionKey(QKeyEvent* Event)
{
    QComboBox* combo = Combo();
    QLineEdit* edit = combo->lineEdit();
    const int key = Event->key();
    const bool dropped = combo->view() && combo->view()->isVisible();
    if (!FAutoComplete)
        return ReportAndPass(Event);
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
        FTyping = true;
        FSearchString.clear();
        if (FReadOnly)
            return true;
        return ReportAndPass(Event);
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
        FSearchString = Text();
        return ReportAndPass(Event);
    case Qt::Key_Delete:
        if (!FAllowEdit && edit->selectedText() != edit->text())
            return true;
        FSearchString = Text();
        if (edit->hasSelectedText())
            FSearchString.remove(edit->selectionStart(), edit->selectedText().size());
        else
            FSearchString.remove(edit->cursorPosition(), 1);
        return ReportAndPass(Event);
    case Qt::Key_F4:
        if (FReadOnly)
            return true;
        return ReportAndPass(Event);
    default: break;
    }
    if (FReadOnly) {
        if (FTabOnEnter && (key == Qt::Key_Return || key == Qt::Key_Enter) && !dropped)
            PostTab();
        const bool copy = (Event->modifiers() & Qt::ControlModifier) && key == Qt::Key_C;
        return copy ? ReportAndPass(Event) : true;
    }
    if (key == Qt::Key_Backspace)
        return EditBackspace(Event);
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (dropped)
            SelEndOk();
        FEnterPressed = true;
        return ReportAndPass(Event);
    }
    if ((Event->modifiers() & Qt::ControlModifier) && (key == Qt::Key_V || key == Qt::Key_X)) {
        if (!FAllowEdit)
            return true;
        if (HandleKeyPress(Event))
            return true;
        PassToEdit(Event); // the edit cuts or pastes first, then the result is completed
        FSearchString = Text();
        AutoCompleteEdit(FSearchString);
        return true;
    }
    if (key == Qt::Key_Escape) {
        FSearchString.clear();
        return dropped ? ReportAndPass(Event) : true;
    }
    const QString typed = Event->text();
    if (typed.size() != 1 || typed[0].unicode() < 32 || (Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return ReportAndPass(Event);
    // OnKeyDown and OnKeyPress first; a handler may cancel the character.
    if (HandleKeyPress(Event))
        return true;
    QString search = FSearchString;
    int caret = edit->cursorPosition();
    if (edit->hasSelectedText() && edit->selectionStart() < search.size()) {
        search.remove(edit->selectionStart(), edit->selectedText().size());
        caret = edit->selectionStart();
    }
    const QString old = search; // what stays when the character completes nothing
    search.insert(std::min<int>(caret, static_cast<int>(search.size())), TypedInCase(typed));
    FSearchString = search;
    if (AutoCompleteEdit(search))
        return true;
    if (FAllowEdit) {
        {
            TFlagGuard typing(FTyping);
            TFlagGuard sync(m_syncing);
            edit->setText(old);
        }
        edit->setCursorPosition(std::min<int>(caret, static_cast<int>(old.size())));
        return PassToEdit(Event); // the edit inserts the character
    }
    InvalidKeyBeep();
    FSearchString = old;
    return true;
}

bool TRzCustomComboBox::EditBackspace(QKeyEvent* Event)
{
    QLineEdit* edit = Combo()->lineEdit();
    if (FSearchString.isEmpty()) {
        InvalidKeyBeep();
        return ReportAndPass(Event);
    }
    const int caret = edit->cursorPosition();
    if (caret >= FSearchString.size())
        FSearchString.chop(1);
    else if (edit->hasSelectedText() && FAllowEdit)
        FSearchString.remove(edit->selectionStart(), edit->selectedText().size());
    else if (FAllowEdit && caret > 0)
        FSearchString.remove(caret - 1, 1);
    Change();
    if (FSearchString.isEmpty()) {
        SetItemIndex(-1);
        if (FKeepSearchCase) {
            TFlagGuard sync(m_syncing);
            edit->clear();
        }
        Click();
        Change();
        return ReportAndPass(Event);
    }
    {
        TFlagGuard typing(FTyping);
        TFlagGuard sync(m_syncing);
        edit->setText(FSearchString);
    }
    if (!AutoCompleteEdit(FSearchString))
        edit->setCursorPosition(FSearchString.size());
    return true;
}

void TRzCustomComboBox::Dispatch(TMessage& Message)
{
    TComboBox::Dispatch(Message);
    if (Message.Msg == CM_TEXTCHANGED) {
        const QComboBox* combo = Combo();
        const bool dropped = combo && combo->view() && combo->view()->isVisible();
        if (FAutoComplete && !FTyping && !dropped)
            ApplyTextSearch();
        FTyping = false;
    }
    if (Message.Msg == CM_ENABLEDCHANGED)
        UpdateColors();
    else if (Message.Msg == CM_MOUSEENTER)
        SetHotState(true, true);
    else if (Message.Msg == CM_MOUSELEAVE)
        SetHotState(true, false);
}

int TRzCustomComboBox::Add(const QString& S) { return Items()->Add(S); }
int TRzCustomComboBox::AddObject(const QString& S, TObject* Obj) { return Items()->AddObject(S, Obj); }
int TRzCustomComboBox::IndexOf(const QString& S) const { return const_cast<TRzCustomComboBox*>(this)->Items()->IndexOf(S); }
void TRzCustomComboBox::Insert(int Index, const QString& S) { Items()->Insert(Index, S); }
void TRzCustomComboBox::InsertObject(int Index, const QString& S, TObject* Obj) { Items()->InsertObject(Index, S, Obj); }
int TRzCustomComboBox::Count() const { return const_cast<TRzCustomComboBox*>(this)->Items()->Count(); }

void TRzCustomComboBox::Delete(int Index)
{
    TObject* data = Index >= 0 && Index < Items()->Count() ? Items()->Objects(Index) : nullptr;
    Items()->Delete(Index);
    if (data && OnDeleteItem)
        OnDeleteItem(this, data);
}

void TRzCustomComboBox::ClearItems()
{
    while (Items()->Count() > 0)
        Delete(Items()->Count() - 1);
}

bool TRzCustomComboBox::FindItem(const QString& S)
{
    const int i = Items()->IndexOf(S);
    if (i >= 0)
        SetItemIndex(i);
    return i >= 0;
}

bool TRzCustomComboBox::FindClosestItem(const QString& S)
{
    const int i = FindPrefixItem(S);
    if (i >= 0)
        SetItemIndex(i);
    return i >= 0;
}

int TRzCustomComboBox::FindPrefixItem(const QString& Text) const
{
    auto* items = const_cast<TRzCustomComboBox*>(this)->Items();
    for (int i = 0; i < items->Count(); ++i)
        if (items->Strings(i).startsWith(Text, Qt::CaseInsensitive))
            return i;
    return -1;
}

void TRzCustomComboBox::ForceText(const QString& Value)
{
    if (Text() == Value)
        return;
    const bool saved = FAutoComplete;
    FAutoComplete = false;
    SetText(Value);
    FAutoComplete = saved;
}

// --- TRzComboBox ---

TRzComboBox::TRzComboBox(TComponent* AOwner, TComboBoxStyle style) : TRzCustomComboBox(AOwner, style)
{
    FValues.OnChange = [this](TObject*) { ResyncValue(); };
}

TRzComboBox::~TRzComboBox() = default;

void TRzComboBox::ClearItemsValues()
{
    ClearItems();
    FValues.Clear();
}

void TRzComboBox::AddItemValue(const QString& Item, const QString& Value)
{
    Items()->Add(Item);
    FValues.Add(Value);
}

void TRzComboBox::InsertItemValue(int Index, const QString& Item, const QString& Value)
{
    Items()->Insert(Index, Item);
    FValues.Insert(Index, Value);
}

void TRzComboBox::DeleteItemValue(int Index)
{
    Delete(Index);
    if (Index >= 0 && Index < FValues.Count())
        FValues.Delete(Index);
}

QString TRzComboBox::GetItemValue(int Index)
{
    if (Index >= 0 && Index < FValues.Count() && !FValues.Strings(Index).isEmpty())
        return FValues.Strings(Index);
    if (Index >= 0 && Index < Items()->Count())
        return Items()->Strings(Index);
    return QString();
}

QString TRzComboBox::GetSelectedValue()
{
    int index = -1;
    if (Style() == TComboBoxStyle::csDropDown || Style() == TComboBoxStyle::csSimple)
        index = Text().isEmpty() ? -1 : Items()->IndexOf(Text());
    else
        index = ItemIndex();
    if (index >= 0 && index < FValues.Count() && !FValues.Strings(index).isEmpty())
        return FValues.Strings(index);
    return Text();
}

void TRzComboBox::SelectByValue(const QString& V)
{
    if (V == FValue && !FForceSetValue)
        return;
    {
        TFlagGuard guard(FInSetValue);
        int found = -1;
        for (int i = 0; i < Items()->Count(); ++i)
            if (GetItemValue(i) == V) {
                found = i;
                break;
            }
        SetItemIndex(found);
    }
    FValue = V;
}

void TRzComboBox::Change()
{
    if (FInSetValue || FForceSetValue)
        return;
    TRzCustomComboBox::Change();
    if (ItemIndex() >= 0)
        SelectByValue(GetItemValue(ItemIndex()));
}

void TRzComboBox::Click()
{
    if (FInSetValue)
        return;
    TRzCustomComboBox::Click();
    if (ItemIndex() >= 0)
        SelectByValue(GetItemValue(ItemIndex()));
}

void TRzComboBox::ResyncValue()
{
    if (FForceSetValue)
        SelectByValue(GetSelectedValue());
}

} // namespace rz
