#include "plot/iValueConverterEdit.h"

#include "plot/iValueConverter.h"

#include "platform/core/DateTime.h"

using namespace vcl;

namespace {

constexpr int kFieldLabelWidth = 50;
constexpr int kFieldEditWidth = 50;

} // namespace

TiValueConverterEditForm::TiValueConverterEditForm(TComponent* AOwner) : TiCustomEditorForm(AOwner)
{
    SetCaption(QStringLiteral("Value Converter"));
    SetBounds(Left(), Top(), 269, 264);
    // A dialog border fixes the size it finds.
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poScreenCenter);

    PageControl = new TiComponentEditorPageControl(this);
    PageControl->SetParent(this);
    PageControl->SetBounds(8, 8, 253, 163);
    IntervalTabSheet = new TTabSheet(this);
    IntervalTabSheet->SetCaption(QStringLiteral("Interval"));
    IntervalTabSheet->SetPageControl(PageControl);
    DateTimeTabSheet = new TTabSheet(this);
    DateTimeTabSheet->SetCaption(QStringLiteral("Date/Time"));
    DateTimeTabSheet->SetPageControl(PageControl);
    Price32TabSheet = new TTabSheet(this);
    Price32TabSheet->SetCaption(QStringLiteral("Price 32nds"));
    Price32TabSheet->SetPageControl(PageControl);

    ValueEdit = new TiComponentEditorEdit(this);
    ValueEdit->SetParent(this);
    ValueEdit->SetBounds(8, 179, 253, 21);

    BuildIntervalPage();
    BuildDateTimePage();
    BuildPricePage();
    BuildButtons();
    PageControl->SetActivePage(IntervalTabSheet);
    SetValue(0.0);
}

TiComponentEditorEdit* TiValueConverterEditForm::AddField(TTabSheet* Page, const QString& Caption, int Left, int Top,
                                                          TiUpDown*& UpDown, int Max, int Increment)
{
    auto* label = new TLabel(this);
    label->SetParent(Page);
    label->SetCaption(Caption);
    label->SetBounds(Left, Top + 3, kFieldLabelWidth, label->Height());
    auto* edit = new TiComponentEditorEdit(this);
    edit->SetParent(Page);
    edit->SetBounds(Left + kFieldLabelWidth, Top, kFieldEditWidth, 21);
    UpDown = new TiUpDown(this);
    UpDown->SetParent(Page);
    UpDown->SetMax(Max);
    UpDown->SetIncrement(Increment);
    UpDown->SetAssociate(edit);
    return edit;
}

void TiValueConverterEditForm::BuildIntervalPage()
{
    TTabSheet* page = IntervalTabSheet;
    WeeksEdit = AddField(page, QStringLiteral("Weeks"), 8, 8, iUpDown4, 0);
    DaysEdit = AddField(page, QStringLiteral("Days"), 8, 36, DaysUpDown, 0);
    HoursEdit = AddField(page, QStringLiteral("Hours"), 8, 64, HoursUpDown, 23);
    MinutesEdit = AddField(page, QStringLiteral("Minutes"), 130, 8, MinutesUpDown, 59);
    SecondsEdit = AddField(page, QStringLiteral("Seconds"), 130, 36, SecondsUpDown, 59);
    MilliSecondsEdit = AddField(page, QStringLiteral("mSec"), 130, 64, MilliSecondsUpDown, 999, 100);
    WeeksEdit->OnUpdate = [this](TObject*) { WeeksUpdate(); };
    for (TiComponentEditorEdit* edit : { DaysEdit, HoursEdit, MinutesEdit, SecondsEdit, MilliSecondsEdit })
        edit->OnUpdate = [this](TObject*) { IntervalFieldUpdate(); };

    iComponentEditorButton1 = new TiComponentEditorButton(this);
    iComponentEditorButton1->SetParent(page);
    iComponentEditorButton1->SetCaption(QStringLiteral("Set All To 0"));
    iComponentEditorButton1->SetBounds(8, 96, 100, 25);
    iComponentEditorButton1->OnClick = [this](TObject*) { SetValue(0.0); };
}

void TiValueConverterEditForm::BuildDateTimePage()
{
    TTabSheet* page = DateTimeTabSheet;
    const auto addPicker = [&](TLabel*& label, const QString& caption, int top, TDateTimeKind kind) {
        label = new TLabel(this);
        label->SetParent(page);
        label->SetAutoSize(false);
        label->SetCaption(caption);
        label->SetBounds(8, top, 30, 17);
        auto* picker = new TDateTimePicker(this);
        picker->SetParent(page);
        picker->SetKind(kind);
        picker->SetBounds(label->Left() + label->Width() + 5, label->Top() - 3, 137, 21);
        picker->OnChange = [this](TObject*) { PickerChange(); };
        return picker;
    };
    FDatePicker = addPicker(DatePickerLabel, QStringLiteral("Date"), 14, TDateTimeKind::dtkDate);
    FTimePicker = addPicker(TimePickerLabel, QStringLiteral("Time"), 44, TDateTimeKind::dtkTime);

    SetNowButton = new TiComponentEditorButton(this);
    SetNowButton->SetParent(page);
    SetNowButton->SetCaption(QStringLiteral("Now"));
    SetNowButton->SetBounds(43, 72, 75, 25);
    SetNowButton->OnClick = [this](TObject*) { SetValue(Now()); };
}

void TiValueConverterEditForm::BuildPricePage()
{
    TTabSheet* page = Price32TabSheet;
    PriceIntegerEdit = AddField(page, QStringLiteral("Integer"), 8, 8, iUpDown3, 10000);
    Price32ndsEdit = AddField(page, QStringLiteral("32nds"), 8, 36, iUpDown1, 31);
    Price256thsEdit = AddField(page, QStringLiteral("256ths"), 8, 64, iUpDown2, 7);
    for (TiComponentEditorEdit* edit : { PriceIntegerEdit, Price32ndsEdit, Price256thsEdit })
        edit->OnUpdate = [this](TObject*) { PriceFieldUpdate(); };
}

void TiValueConverterEditForm::BuildButtons()
{
    Panel2 = new TPanel(this);
    Panel2->SetParent(this);
    Panel2->SetBevelOuter(TPanelBevel::bvNone);
    Panel2->SetBounds(0, ClientHeight() - 41, ClientWidth(), 41);
    Panel2->SetAlign(TAlign::alBottom);
    OkButton = new TiComponentEditorButton(this);
    OkButton->SetParent(Panel2);
    OkButton->SetCaption(QStringLiteral("OK"));
    OkButton->SetModalResult(mrOk);
    OkButton->SetDefault(true);
    OkButton->SetBounds(102, 8, 75, 25);
    CancelButton = new TiComponentEditorButton(this);
    CancelButton->SetParent(Panel2);
    CancelButton->SetCaption(QStringLiteral("Cancel"));
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);
    CancelButton->SetBounds(186, 8, 75, 25);
}

double TiValueConverterEditForm::Value() const
{
    return ValueEdit->AsFloat();
}

void TiValueConverterEditForm::SetValue(double V)
{
    const TiValueConverterFields f = iSpreadValue(V);
    ValueEdit->SetAsFloat(f.Value);
    FDatePicker->SetDateTime(f.Date);
    FTimePicker->SetDateTime(f.Time);
    DaysEdit->SetAsInteger(f.Days);
    WeeksEdit->SetAsInteger(f.Weeks);
    HoursEdit->SetAsInteger(f.Hours);
    MinutesEdit->SetAsInteger(f.Minutes);
    SecondsEdit->SetAsInteger(f.Seconds);
    MilliSecondsEdit->SetAsInteger(f.MilliSeconds);
    PriceIntegerEdit->SetAsInteger(f.PriceInteger);
    Price32ndsEdit->SetAsInteger(f.Price32nds);
    Price256thsEdit->SetAsInteger(f.Price256ths);
}

void TiValueConverterEditForm::IntervalFieldUpdate()
{
    // Out-of-range fields raise the time encoding's conversion error before anything is written.
    SetValue(iIntervalValue(DaysEdit->AsInteger(), HoursEdit->AsInteger(), MinutesEdit->AsInteger(),
                            SecondsEdit->AsInteger(), MilliSecondsEdit->AsInteger()));
}

void TiValueConverterEditForm::WeeksUpdate()
{
    SetValue(iWeeksValue(WeeksEdit->AsInteger(), HoursEdit->AsInteger(), MinutesEdit->AsInteger(),
                         SecondsEdit->AsInteger(), MilliSecondsEdit->AsInteger()));
}

void TiValueConverterEditForm::PriceFieldUpdate()
{
    // Only the value follows; the other pages wait for the next value write.
    ValueEdit->SetAsFloat(
        iPriceValue(PriceIntegerEdit->AsInteger(), Price32ndsEdit->AsInteger(), Price256thsEdit->AsInteger()));
}

void TiValueConverterEditForm::PickerChange()
{
    SetValue(iDateTimeValue(FDatePicker->DateTime(), FTimePicker->DateTime()));
}
