#pragma once
// Rounded edit box: a borderless platform edit inside an anti-aliased rounded panel, with an
// optional row of image buttons at the panel's ends.

#include "platform/core/TCollection.h"
#include "platform/ui/EditCharCase.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"

#include <QString>

#include <functional>
#include <memory>

class QLineEdit;
class QWidget;
class TAdvGDIPPicture;
namespace vcl { class TPopupMenu; }

enum class TControlPosition { cpLeftInControl, cpRightInControl, cpLeft, cpRight };
enum class TControlState { csNormal, csHover, csDown };

using TControlClickEvent = std::function<void(vcl::TObject* Sender, int Index)>;

class TCurvyControls;
class TCurvyControlPanel;

// What the image buttons need of an image list: the common image size and drawing one image.
class TCurvyImageList : public vcl::TComponent
{
public:
    using vcl::TComponent::TComponent;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Draw(vcl::TCanvas* Canvas, int X, int Y, int Index, bool Enabled) = 0;
};

// One image button of a rounded panel: its images, place and state.
class TCurvyControl : public vcl::TCollectionItem
{
public:
    explicit TCurvyControl(vcl::TCollection* Collection);
    ~TCurvyControl() override;

    // Copies the hint, image indexes, position and drop-down flag of another button.
    void Assign(vcl::TPersistent* Source) override;

    bool DropDown() const { return m_dropDown; }
    void SetDropDown(bool value);
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& value) { m_hint = value; }
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int value);
    int ImageIndexHover() const { return m_imageIndexHover; }
    void SetImageIndexHover(int value) { m_imageIndexHover = value; }
    int ImageIndexDown() const { return m_imageIndexDown; }
    void SetImageIndexDown(int value) { m_imageIndexDown = value; }
    TControlPosition Position() const { return m_position; }
    void SetPosition(TControlPosition value);
    vcl::TPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(vcl::TPopupMenu* value) { m_popupMenu = value; }
    // The pictures copy what they are given; their own change notice then changes the button.
    TAdvGDIPPicture* Picture() const { return m_picture.get(); }
    void SetPicture(TAdvGDIPPicture* value);
    TAdvGDIPPicture* PictureHover() const { return m_pictureHover.get(); }
    void SetPictureHover(TAdvGDIPPicture* value);
    TAdvGDIPPicture* PictureDown() const { return m_pictureDown.get(); }
    void SetPictureDown(TAdvGDIPPicture* value);

    TControlState State() const { return m_state; }
    void SetState(TControlState value) { m_state = value; }

protected:
    // A begin and end update on the collection, which raises its OnChange.
    void Changed();

private:
    bool m_dropDown { false };
    QString m_hint;
    int m_imageIndex { -1 };
    int m_imageIndexHover { -1 };
    int m_imageIndexDown { -1 };
    TControlPosition m_position { TControlPosition::cpRightInControl };
    vcl::TPopupMenu* m_popupMenu { nullptr };
    std::unique_ptr<TAdvGDIPPicture> m_picture;
    std::unique_ptr<TAdvGDIPPicture> m_pictureHover;
    std::unique_ptr<TAdvGDIPPicture> m_pictureDown;
    TControlState m_state { TControlState::csNormal };
};

// The image buttons of a rounded panel, with the widths they take at each end.
class TCurvyControls : public vcl::TCollection
{
public:
    explicit TCurvyControls(TCurvyControlPanel* Owner);
    ~TCurvyControls() override;

    TCurvyControl* Add();
    TCurvyControl* Insert(int Index);
    TCurvyControl* Items(int Index) const;

    // Width and height of a button: its picture (plus 2 in width) or else the image list's size
    // (plus 2); a drop-down arrow adds 5 to the width.
    vcl::TSize GetControlSize(const TCurvyControl* Control) const;
    // Sums the button widths per position; the right-inside sum starts at 2.
    void RecalcSizes();

    int LeftOutside() const { return m_leftOutside; }
    int LeftInside() const { return m_leftInside; }
    int RightOutside() const { return m_rightOutside; }
    int RightInside() const { return m_rightInside; }
    int ImageWidth() const { return m_imageWidth; }
    int ImageHeight() const { return m_imageHeight; }
    void SetImageSize(int Width, int Height);

    vcl::TNotifyEvent OnChange;

protected:
    void Update(vcl::TCollectionItem* Item) override;

private:
    TCurvyControlPanel* m_panel;
    int m_leftOutside { 0 };
    int m_leftInside { 0 };
    int m_rightOutside { 0 };
    int m_rightInside { 0 };
    int m_imageWidth { 0 };
    int m_imageHeight { 0 };
};

// A panel drawn as an anti-aliased rounded rectangle with a border and an inner shadow line.
class TCurvyPanel : public vcl::TCustomControl
{
public:
    explicit TCurvyPanel(vcl::TComponent* AOwner);
    ~TCurvyPanel() override;

    int Rounding() const { return m_rounding; }
    virtual void SetRounding(int value);
    vcl::TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(vcl::TColor value);
    vcl::TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(vcl::TColor value);
    int LeftIndent() const { return m_leftIndent; }
    int RightIndent() const { return m_rightIndent; }

protected:
    // Repaints at once after a colour change.
    virtual void PanelChanged();
    void ColorChanged() override;
    void Paint() override;
    // The rounded body, border and shadow line.
    void PaintPanel();

    int m_leftIndent { 0 };
    int m_rightIndent { 0 };

private:
    int m_rounding { 8 };
    vcl::TColor m_borderColor { 0x808080 };
    vcl::TColor m_shadowColor { 0xD9D9D9 };
};

// A rounded panel with a row of image buttons inside or outside its ends.
class TCurvyControlPanel : public TCurvyPanel
{
public:
    explicit TCurvyControlPanel(vcl::TComponent* AOwner);
    ~TCurvyControlPanel() override;

    TCurvyControls* Controls() const { return m_controls.get(); }
    TCurvyImageList* Images() const { return m_images; }
    void SetImages(TCurvyImageList* value);
    QString Version() const { return QStringLiteral("1.0.3.1"); }
    void SetVersion(const QString&) {}

    // Finds the button whose span holds x strictly inside (a later one wins); -1 for none.
    // With Draw set, every button is drawn at its place on the way.
    int ScanControls(bool Draw, int X, int* HitLeft = nullptr);

    TControlClickEvent OnControlClick;

protected:
    virtual void DoControlClick(int Index);
    // Places the inner control between the buttons; nothing here.
    virtual void LayoutInnerControl() {}
    // Sums, indents and layout after a change of the buttons or the image list.
    void ControlsChanged();
    void DrawControl(TCurvyControl* Control, int X, int Y);

    void Paint() override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
    bool event(QEvent* event) override;

    // The button part of the mouse handling, after the inherited part.
    void ButtonsMouseDown(int X);
    void ButtonsMouseUp(int X);
    void ButtonsMouseMove(int X);

private:
    friend class TCurvyControls;
    std::unique_ptr<TCurvyControls> m_controls;
    TCurvyImageList* m_images { nullptr };
};

// The platform edit with a grey cue text shown while it is empty.
class TEmptyEdit : public vcl::TEdit
{
public:
    explicit TEmptyEdit(vcl::TComponent* AOwner);
    ~TEmptyEdit() override;

    const QString& EmptyText() const { return m_emptyText; }
    void SetEmptyText(const QString& value);

    vcl::TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(vcl::TAlignment value);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool value) { m_autoSelect = value; }
    // False keeps the selection, and shows it, while the focus is elsewhere.
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool value);
    // Typed letters become upper or lower case; text set by the program stays as given.
    vcl::TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(vcl::TEditCharCase value) { m_charCase = value; }
    // Kept for forms only: Linux has no OEM code page apart from the text's own, so there is nothing
    // to convert typed characters through.
    bool OEMConvert() const { return m_oemConvert; }
    void SetOEMConvert(bool value) { m_oemConvert = value; }
    bool NumbersOnly() const { return m_numbersOnly; }
    void SetNumbersOnly(bool value) { m_numbersOnly = value; }
    QString TextHint() const;
    void SetTextHint(const QString& value);

    QLineEdit* LineEdit() const { return m_line; }
    // The cue is showing: the text is empty and the cue is not.
    bool CueShown() const;

protected:
    // Paints the cue after the edit's own painting, applies AutoSelect on focus and reports
    // mouse moves over the edit.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // With NumbersOnly, typed characters other than digits are refused.
    void KeyPress(char16_t& Key) override;

private:
    void PaintCue();

    QLineEdit* m_line;
    QString m_emptyText;
    vcl::TAlignment m_alignment { vcl::TAlignment::taLeftJustify };
    bool m_autoSelect { true };
    bool m_hideSelection { true };
    vcl::TEditCharCase m_charCase { vcl::TEditCharCase::ecNormal };
    bool m_numbersOnly { false };
    bool m_oemConvert { false };
};

// The rounded edit box: typing happens in the inner edit, whose events come back as the box's
// own with the box as Sender; the height is always 24.
class TCurvyEdit : public TCurvyControlPanel
{
public:
    explicit TCurvyEdit(vcl::TComponent* AOwner);
    ~TCurvyEdit() override;

    TEmptyEdit* Edit() const { return m_edit; }

    // Position and width as given; the height is always 24.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Focuses the inner edit.
    void SetFocus() override;
    void SetRounding(int value) override;

    // --- forwarded to the inner edit ---
    vcl::TAlignment Alignment() const { return m_edit->Alignment(); }
    void SetAlignment(vcl::TAlignment value) { m_edit->SetAlignment(value); }
    bool AutoSelect() const { return m_edit->AutoSelect(); }
    void SetAutoSelect(bool value) { m_edit->SetAutoSelect(value); }
    vcl::TEditCharCase CharCase() const { return m_edit->CharCase(); }
    void SetCharCase(vcl::TEditCharCase value) { m_edit->SetCharCase(value); }
    const QString& EmptyText() const { return m_edit->EmptyText(); }
    void SetEmptyText(const QString& value) { m_edit->SetEmptyText(value); }
    bool Enabled() const { return m_edit->Enabled(); }
    void SetEnabled(bool value) override;
    bool HideSelection() const { return m_edit->HideSelection(); }
    void SetHideSelection(bool value) { m_edit->SetHideSelection(value); }
    bool OEMConvert() const { return m_edit->OEMConvert(); }
    void SetOEMConvert(bool value) { m_edit->SetOEMConvert(value); }
    int MaxLength() const { return m_edit->MaxLength(); }
    void SetMaxLength(int value) { m_edit->SetMaxLength(value); }
    bool NumbersOnly() const { return m_edit->NumbersOnly(); }
    void SetNumbersOnly(bool value) { m_edit->SetNumbersOnly(value); }
    char16_t PasswordChar() const { return m_edit->PasswordChar(); }
    void SetPasswordChar(char16_t value) { m_edit->SetPasswordChar(value); }
    bool ReadOnly() const { return m_edit->ReadOnly(); }
    void SetReadOnly(bool value) { m_edit->SetReadOnly(value); }
    bool TabStop() const { return m_edit->TabStop(); }
    void SetTabStop(bool value) { m_edit->SetTabStop(value); }
    int TabOrder() const { return m_edit->TabOrder(); }
    void SetTabOrder(int value) { m_edit->SetTabOrder(value); }
    QString TextHint() const { return m_edit->TextHint(); }
    void SetTextHint(const QString& value) { m_edit->SetTextHint(value); }
    int SelStart() const { return m_edit->SelStart(); }
    void SetSelStart(int value) { m_edit->SetSelStart(value); }
    int SelLength() const { return m_edit->SelLength(); }
    void SetSelLength(int value) { m_edit->SetSelLength(value); }
    void SelectAll() { m_edit->SelectAll(); }
    bool Focused() const { return m_edit->Focused(); }

    // The inner edit's change, with the box as Sender. The other events (OnClick, OnDblClick,
    // OnEnter, OnExit, OnKeyDown, OnKeyPress, OnKeyUp, OnMouseDown, OnMouseMove, OnMouseUp,
    // OnMouseEnter, OnMouseLeave) are the inherited members, raised from the inner edit only.
    vcl::TNotifyEvent OnChange;

    // Key-down and key-up messages sent to the box reach the inner edit (a caller moves the caret
    // to the end by an End key).
    void Dispatch(vcl::TMessage& Message) override;
    // A click on the panel itself raises nothing: OnClick comes from the inner edit.
    void Click() override {}

protected:
    void PanelChanged() override;
    void LayoutInnerControl() override;
    QString GetTextValue() const override;
    void SetTextValue(const QString& value) override;
    void FontChanged() override;
    void SizeChanged() override;
    QWidget* FocusWidget() override;

    // Mouse on the panel itself: only the image buttons act; the box's events come from the
    // inner edit.
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void DblClick() override {}
    void MouseEnter() override {}

private:
    void BindInnerEvents();

    TEmptyEdit* m_edit { nullptr };
};
