#include "plot/iEditorBasicComponents.h"

#include "plot/iGPCanvas.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/VirtualKeys.h"

#include <QDateTime>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace vcl;

namespace {

// Detaches a handler for the lifetime of the guard and puts it back on every exit path.
template <class Handler>
class DetachedHandler
{
public:
    explicit DetachedHandler(Handler& handler) : m_handler(handler), m_saved(std::exchange(handler, nullptr)) {}
    ~DetachedHandler() { m_handler = std::move(m_saved); }
    DetachedHandler(const DetachedHandler&) = delete;
    DetachedHandler& operator=(const DetachedHandler&) = delete;

private:
    Handler& m_handler;
    Handler m_saved;
};

const char* const kDateTimeFormats[] = { "M/d/yyyy h:mm:ss AP", "M/d/yyyy h:mm AP", "M/d/yyyy H:mm:ss",
                                         "M/d/yyyy H:mm", "M/d/yyyy" };

bool TryTextToDateTime(const QString& Text, double& Value)
{
    if (TryStrToFloat(Text, Value))
        return true;
    for (const char* format : kDateTimeFormats) {
        const QDateTime parsed = QDateTime::fromString(Text, QString::fromLatin1(format));
        if (!parsed.isValid())
            continue;
        Value = static_cast<double>(QDate(1899, 12, 30).daysTo(parsed.date()))
            + parsed.time().msecsSinceStartOfDay() / MSecsPerDay;
        return true;
    }
    return false;
}

} // namespace

void iNotifyEditorForm(TComponent* Owner)
{
    if (auto* form = dynamic_cast<TiCustomEditorForm*>(Owner))
        form->UserChange();
}

// --- edit ---

TiComponentEditorEdit::TiComponentEditorEdit(TComponent* AOwner) : TEdit(AOwner)
{
    SetBounds(Left(), Top(), Width(), 21);
}

int TiComponentEditorEdit::AsInteger() const
{
    const QString text = Text().trimmed();
    int value = 0;
    return !text.isEmpty() && TryStrToInt(text, value) ? value : 0;
}

double TiComponentEditorEdit::AsFloat() const
{
    const QString text = Text().trimmed();
    double value = 0.0;
    if (text.isEmpty() || !TryStrToFloat(text, value) || !std::isfinite(value))
        return 0.0;
    return value;
}

double TiComponentEditorEdit::AsDateTime() const
{
    const QString text = Text().trimmed();
    double value = 0.0;
    if (!TryTextToDateTime(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    return value;
}

void TiComponentEditorEdit::WriteSilently(const QString& Text)
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> detached(OnChange);
    SetText(Text);
    FOriginalText = Text;
}

void TiComponentEditorEdit::SetAsInteger(int Value)
{
    WriteSilently(QString::number(Value));
}

void TiComponentEditorEdit::SetAsFloat(double Value)
{
    WriteSilently(FloatToStr(Value));
}

void TiComponentEditorEdit::SetAsDateTime(double Value)
{
    WriteSilently(FormatDateTime(QStringLiteral("c"), Value));
}

void TiComponentEditorEdit::SetAsString(const QString& Value)
{
    WriteSilently(Value);
}

void TiComponentEditorEdit::SetStringWithEvent(const QString& S)
{
    SetText(S);
    iNotifyEditorForm(Owner());
    CommitEdit();
}

void TiComponentEditorEdit::SetIntegerWithEvent(int I)
{
    SetStringWithEvent(QString::number(I));
}

void TiComponentEditorEdit::SetDoubleWithEvent(double D)
{
    SetStringWithEvent(FloatToStr(D));
}

void TiComponentEditorEdit::CommitEdit()
{
    if (Text() == FOriginalText)
        return;
    FOriginalText = Text();
    if (OnUpdate)
        OnUpdate(this);
    if (!FBlockingEvents)
        iNotifyEditorForm(Owner());
}

void TiComponentEditorEdit::Disable()
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> detached(OnChange);
    SetEnabled(false);
    SetText(QString());
    FOriginalText.clear();
}

void TiComponentEditorEdit::DisableNoClear()
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> detached(OnChange);
    SetEnabled(false);
}

void TiComponentEditorEdit::Enable()
{
    SetEnabled(true);
}

void TiComponentEditorEdit::SetEnabled(bool Value)
{
    TEdit::SetEnabled(Value);
    SetColor(Value ? clWindow : clBtnFace);
}

void TiComponentEditorEdit::KeyDown(WORD& Key, TShiftState)
{
    // Replaces the edit's own key-down handling: OnKeyDown is not fired.
    if (Key == VK_RETURN) {
        CommitEdit();
        Key = 0;
        SelectAll();
    }
}

void TiComponentEditorEdit::KeyPress(char16_t& Key)
{
    if (Key == u'\n') {
        Key = 0;
    } else if (Key == u'\r') {
        CommitEdit();
        Key = 0;
        SelectAll();
    } else if (Key == 27) {
        Key = 0;
        SetText(FOriginalText);
        SelectAll();
    }
    TEdit::KeyPress(Key);
}

void TiComponentEditorEdit::DoExit()
{
    TEdit::DoExit();
    CommitEdit();
}

// --- spinner ---

TiUpDown::TiUpDown(TComponent* AOwner) : TGraphicControl(AOwner), FTimer(std::make_unique<TTimer>(nullptr))
{
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject*) { RepeatStep(); };
    SetBounds(Left(), Top(), 15, 21);
    UpdateButtonRects();
}

TiUpDown::~TiUpDown()
{
    FTimer->SetEnabled(false);
    if (FAssociate)
        FAssociate->RemoveFreeNotification(this);
}

void iAttachAssociate(vcl::TControl& Control, TiComponentEditorEdit*& Associate, TiComponentEditorEdit* Value)
{
    if (Associate)
        Associate->RemoveFreeNotification(&Control);
    Associate = Value;
    if (!Associate)
        return;
    Associate->FreeNotification(&Control);
    Control.SetBounds(Associate->Left() + Associate->Width(), Associate->Top(), Control.Width(), Associate->Height());
}

void TiUpDown::SetAssociate(TiComponentEditorEdit* Value)
{
    iAttachAssociate(*this, FAssociate, Value);
}

void TiUpDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FAssociate)
        FAssociate = nullptr;
}

int TiUpDown::AsInteger() const
{
    return FAssociate ? FAssociate->AsInteger() : 0;
}

void TiUpDown::SetSpinValue(int Value)
{
    if (!FAssociate)
        return;
    if (FMin != 0 || FMax != 0) {
        Value = std::min(Value, static_cast<int>(FMax));
        Value = std::max(Value, static_cast<int>(FMin));
    }
    if (FUserGenerated)
        FAssociate->SetIntegerWithEvent(Value);
    else
        FAssociate->SetAsInteger(Value);
}

void TiUpDown::Disable()
{
    SetEnabled(false);
    if (FAssociate)
        FAssociate->Disable();
    Invalidate();
}

void TiUpDown::Enable()
{
    SetEnabled(true);
    if (FAssociate)
        FAssociate->Enable();
    Invalidate();
}

void TiUpDown::SizeChanged()
{
    TGraphicControl::SizeChanged();
    UpdateButtonRects();
}

void TiUpDown::UpdateButtonRects()
{
    const int H = Height();
    const int W = Width();
    const int half = (H - 1) / 2;
    FUpButtonRect = TRect(0, 0, W, half);
    FDownButtonRect = TRect(0, H - half, W, H);
}

void TiUpDown::UpdatePressed()
{
    const TPoint p(FMouseDownX, FMouseDownY);
    FUpButtonPressed = FMouseDown && FUpButtonRect.Contains(p);
    FDownButtonPressed = FMouseDown && FDownButtonRect.Contains(p);
}

void TiUpDown::Paint()
{
    UpdateButtonRects();
    TCanvas* canvas = Canvas();
    const int s = std::min(Height() / 2, Width()) / 7;
    const TColor arrow = Enabled() ? clBlack : TColor(0x808080);
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(ClientRect());
    const auto drawButton = [&](const TRect& rect, bool pressed, bool up) {
        iDrawEdge(canvas, rect, pressed ? 0 : 1);
        const int cx = (rect.Left + rect.Right) / 2;
        const int cy = (rect.Top + rect.Bottom) / 2;
        canvas->Pen()->SetColor(arrow);
        canvas->Brush()->SetColor(arrow);
        if (up)
            canvas->Polygon({ TPoint(cx - 2 * s, cy + s), TPoint(cx, cy - s), TPoint(cx + 2 * s, cy + s) });
        else
            canvas->Polygon({ TPoint(cx - 2 * s, cy - s), TPoint(cx + 2 * s, cy - s), TPoint(cx, cy + s) });
    };
    drawButton(FUpButtonRect, FUpButtonPressed, true);
    drawButton(FDownButtonRect, FDownButtonPressed, false);
}

void TiUpDown::Step()
{
    TFlagGuard user(FUserGenerated);
    const int value = AsInteger();
    SetSpinValue(FUpButtonPressed ? value + FIncrement : value - FIncrement);
}

void TiUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    FMouseDown = true;
    FMouseDownX = X;
    FMouseDownY = Y;
    UpdatePressed();
    FFirstTimerMessage = true;
    FTimer->SetInterval(500);
    FTimer->SetEnabled(true);
    Step();
    Invalidate();
}

void TiUpDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    FMouseDownX = X;
    FMouseDownY = Y;
    if (FMouseDown) {
        UpdatePressed();
        Invalidate();
    }
}

void TiUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    FTimer->SetEnabled(false);
    FMouseDown = false;
    UpdatePressed();
    Invalidate();
}

void TiUpDown::RepeatStep()
{
    if (FFirstTimerMessage) {
        FFirstTimerMessage = false;
        FTimer->SetInterval(50);
    }
    Step();
}

// --- check box ---

void TiComponentEditorCheckBox::SetAsBoolean(bool Value)
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> detached(OnClick);
    SetChecked(Value);
}

void TiComponentEditorCheckBox::Disable()
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> detached(OnClick);
    SetEnabled(false);
    SetChecked(false);
}

void TiComponentEditorCheckBox::DoChange()
{
    TiCheckBox::DoChange();
    if (IsLoading())
        return;
    if (!FBlockingEvents)
        iNotifyEditorForm(Owner());
    if (OnClick)
        OnClick(this);
}

// --- radio group ---

void TiComponentEditorRadioGroup::SetAsInteger(int Value)
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> click(OnClick);
    DetachedHandler<TNotifyEvent> change(OnChange);
    SetItemIndex(Value);
}

void TiComponentEditorRadioGroup::Disable()
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> detached(OnClick);
    SetEnabled(false);
    SetItemIndex(-1);
}

void TiComponentEditorRadioGroup::DoChange()
{
    TiRadioGroup::DoChange();
    // A pick with the mouse is the user's click on the group.
    if (!IsLoading() && UserGenerated())
        ItemClick();
}

void TiComponentEditorRadioGroup::ItemClick()
{
    TiRadioGroup::Click();
    if (!FBlockingEvents)
        iNotifyEditorForm(Owner());
}

// --- combo box ---

TiComponentEditorComboBox::TiComponentEditorComboBox(TComponent* AOwner) : TComboBox(AOwner)
{
    // The user's pick of an item; the program's own writes do not come this way.
    OnSelect = [this](TObject*) { Click(); };
}

void TiComponentEditorComboBox::SetAsInteger(int Value)
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> detached(OnChange);
    SetItemIndex(Value);
}

void TiComponentEditorComboBox::SetAsString(const QString& Value)
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> detached(OnChange);
    SetText(Value);
}

void TiComponentEditorComboBox::Disable()
{
    TFlagGuard blocking(FBlockingEvents);
    DetachedHandler<TNotifyEvent> detached(OnChange);
    SetEnabled(false);
    SetColor(clBtnFace);
    SetItemIndex(-1);
    SetText(QString());
}

void TiComponentEditorComboBox::Enable()
{
    SetEnabled(true);
    SetColor(clWindow);
}

void TiComponentEditorComboBox::Click()
{
    // OnClick is not fired here: the combo reports its change through OnChange.
    if (!FBlockingEvents)
        iNotifyEditorForm(Owner());
}

// --- list box ---

TiComponentEditorListBox::TiComponentEditorListBox(TComponent* AOwner) : TListBox(AOwner)
{
    SetTabStop(true);
    SetSorted(false);
}

void TiComponentEditorListBox::SelectLast()
{
    SetItemIndex(Count() - 1);
}

void TiComponentEditorListBox::KeepSelection(int Index)
{
    if (Count() == 0)
        return;
    SetItemIndex(std::min(Index, Count() - 1));
}

void TiComponentEditorListBox::DeleteSelectedObject()
{
    const int index = ItemIndex();
    if (Count() == 0 || index < 0)
        return;
    TObject* object = Items()->Objects(index);
    Items()->Delete(index);
    if (FreeObject)
        FreeObject(object);
    else
        delete object;
    KeepSelection(index);
}

void TiComponentEditorListBox::DeleteObjectIndex(TObject* AObject)
{
    for (int i = 0; i < Count(); ++i) {
        if (Items()->Objects(i) != AObject)
            continue;
        const int selected = ItemIndex();
        Items()->Delete(i);
        KeepSelection(selected < 0 ? i : selected);
        return;
    }
}

int TiComponentEditorListBox::ItemHeight() const
{
    return std::max(1, QFontMetrics(font()).height());
}

void TiComponentEditorListBox::DropSelectedAt(int Y)
{
    const int selected = ItemIndex();
    if (selected < 0 || Count() == 0)
        return;
    const int target = std::min((Y + TopIndex() * ItemHeight()) / ItemHeight(), Count() - 1);
    if (target == selected || target < 0)
        return;
    Items()->Move(selected, target);
    SetItemIndex(target);
    if (OnItemMove)
        OnItemMove(this);
}

void TiComponentEditorListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TListBox::MouseDown(Button, Shift, X, Y);
    FDragging = Button == TMouseButton::mbLeft && ItemIndex() >= 0;
    FDragStartY = Y;
}

void TiComponentEditorListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TListBox::MouseUp(Button, Shift, X, Y);
    const bool dropped = FDragging && Button == TMouseButton::mbLeft && std::abs(Y - FDragStartY) >= ItemHeight();
    FDragging = false;
    if (dropped)
        DropSelectedAt(Y);
}
