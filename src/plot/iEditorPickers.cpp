#include "plot/iEditorPickers.h"

#include "plot/iPlotDialogs.h"
#include "plot/iValueConverterEdit.h"

#include "platform/ui/TCanvas.h"

using namespace vcl;

namespace {

constexpr int kColorButtonWidth = 21;

// The converter form open right now; one at a time, since it is modal.
TiValueConverterEditForm* g_openConverter = nullptr;

// The common ending of a pick: the owning form hears of it, the control repaints, OnChange fires.
void FinishPick(TControl* Picker, const TNotifyEvent& OnChange)
{
    iNotifyEditorForm(Picker->Owner());
    Picker->Invalidate();
    if (OnChange)
        OnChange(Picker);
}

} // namespace

QString iPickerStartName(const QString& FileName)
{
    return FileName.endsWith(QLatin1Char('/')) ? FileName + QStringLiteral("Untitled") : FileName;
}

// --- colour ---

TiComponentEditorColorPicker::TiComponentEditorColorPicker(TComponent* AOwner)
    : TCustomControl(AOwner), FButton(new TButton(this))
{
    FButton->SetParent(this);
    FButton->SetCaption(QStringLiteral("..."));
    TFontStyles bold;
    bold.Include(TFontStyle::fsBold);
    FButton->Font()->SetStyle(bold);
    FButton->OnClick = [this](TObject*) { ChooseColor(); };
    SetBounds(Left(), Top(), 47, 21);
}

void TiComponentEditorColorPicker::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    Invalidate();
}

void TiComponentEditorColorPicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FButton)
        FButton->SetBounds(AWidth - kColorButtonWidth, 0, kColorButtonWidth, AHeight);
}

void TiComponentEditorColorPicker::Disable()
{
    SetEnabled(false);
    FButton->SetEnabled(false);
    Invalidate();
}

void TiComponentEditorColorPicker::Enable()
{
    SetEnabled(true);
    FButton->SetEnabled(true);
    Invalidate();
}

void TiComponentEditorColorPicker::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetStyle(TPenStyle::psSolid);
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas->Brush()->SetColor(Enabled() ? FColor : clBtnFace);
    canvas->Rectangle(0, 0, Width() - FButton->Width() - 1, Height());
}

void TiComponentEditorColorPicker::DblClick()
{
    TCustomControl::DblClick();
    ChooseColor();
}

void TiComponentEditorColorPicker::ChooseColor()
{
    TiColorDialog dialog(this);
    dialog.SetColor(FColor);
    if (!dialog.Execute())
        return;
    FColor = dialog.Color();
    FinishPick(this, OnChange);
}

// --- font ---

TiComponentEditorFontPicker::TiComponentEditorFontPicker(TComponent* AOwner)
    : TiComponentEditorButton(AOwner), FFont(std::make_unique<TFont>())
{
    SetCaption(QStringLiteral("Font"));
    SetBounds(Left(), Top(), 75, 25);
}

void TiComponentEditorFontPicker::Click()
{
    TiComponentEditorButton::Click();
    TiFontDialog dialog(this);
    dialog.SetFont(FFont.get());
    if (!dialog.Execute())
        return;
    FFont->Assign(dialog.Font());
    FinishPick(this, OnChange);
}

// --- open ---

TiComponentEditorOpenPicker::TiComponentEditorOpenPicker(TComponent* AOwner)
    : TiComponentEditorButton(AOwner), FFiles(std::make_unique<TStringList>())
{
    SetCaption(QStringLiteral("Open"));
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

void TiComponentEditorOpenPicker::Click()
{
    TiComponentEditorButton::Click();
    ChooseFile();
}

void TiComponentEditorOpenPicker::ChooseFile()
{
    TiOpenDialog dialog(this);
    dialog.SetFileMustExist(FFileMustExist);
    dialog.SetFileName(iPickerStartName(FFileName));
    dialog.SetFilter(FFilter);
    dialog.SetDefaultExt(FDefaultExt);
    dialog.SetDefaultDir(FDefaultDir);
    dialog.SetAllowMultiSelect(FAllowMultiSelect);
    if (!dialog.Execute())
        return;
    FFileName = dialog.FileName();
    FFiles->Assign(dialog.Files());
    FinishPick(this, OnChange);
}

// --- save ---

TiComponentEditorSavePicker::TiComponentEditorSavePicker(TComponent* AOwner) : TiComponentEditorButton(AOwner)
{
    SetCaption(QStringLiteral("Save"));
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

void TiComponentEditorSavePicker::Click()
{
    TiComponentEditorButton::Click();
    Execute();
}

bool TiComponentEditorSavePicker::Execute()
{
    TiSaveDialog dialog(this);
    dialog.SetFileName(iPickerStartName(FFileName));
    dialog.SetFilter(FFilter);
    dialog.SetFilterIndex(FFilterIndex);
    dialog.SetDefaultExt(FDefaultExt);
    if (!FDefaultDirUsed) {
        dialog.SetDefaultDir(FDefaultDir);
        FDefaultDirUsed = true;
    }
    if (!dialog.Execute())
        return false;
    FFileName = dialog.FileName();
    FinishPick(this, OnChange);
    return true;
}

// --- value converter ---

TiValueConverterEditForm* iOpenValueConverterForm()
{
    return g_openConverter;
}

TiComponentEditorValueConverterPicker::TiComponentEditorValueConverterPicker(TComponent* AOwner)
    : TiComponentEditorButton(AOwner)
{
    SetCaption(QStringLiteral("..."));
    SetBounds(Left(), Top(), 21, 21);
    SetTabStop(true);
}

TiComponentEditorValueConverterPicker::~TiComponentEditorValueConverterPicker()
{
    if (FAssociate)
        FAssociate->RemoveFreeNotification(this);
}

void TiComponentEditorValueConverterPicker::SetAssociate(TiComponentEditorEdit* Value)
{
    iAttachAssociate(*this, FAssociate, Value);
}

void TiComponentEditorValueConverterPicker::Notification(TComponent* AComponent, TOperation Operation)
{
    TiComponentEditorButton::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FAssociate)
        FAssociate = nullptr;
}

void TiComponentEditorValueConverterPicker::Click()
{
    TiComponentEditorButton::Click();
    RunConverter();
}

void TiComponentEditorValueConverterPicker::RunConverter()
{
    const auto form = std::make_unique<TiValueConverterEditForm>(this);
    struct OpenForm
    {
        explicit OpenForm(TiValueConverterEditForm* f) { g_openConverter = f; }
        ~OpenForm() { g_openConverter = nullptr; }
        OpenForm(const OpenForm&) = delete;
        OpenForm& operator=(const OpenForm&) = delete;
    } open(form.get());
    switch (FDefaultPage) {
    case TiValueConverterPageType::ivcptInterval: form->PageControl->SetActivePage(form->IntervalTabSheet); break;
    case TiValueConverterPageType::ivcptDateTime: form->PageControl->SetActivePage(form->DateTimeTabSheet); break;
    case TiValueConverterPageType::ivcptPrice32nd: form->PageControl->SetActivePage(form->Price32TabSheet); break;
    }
    if (FTranslationMethod)
        FTranslationMethod(form.get());
    form->SetValue(FAssociate ? FAssociate->AsFloat() : FDateTime);
    if (form->ShowModal() != mrOk)
        return;
    FDateTime = form->Value();
    // The associate's own event path tells the editor form of the change.
    if (FAssociate)
        FAssociate->SetDoubleWithEvent(FDateTime);
    if (OnChange)
        OnChange(this);
}
