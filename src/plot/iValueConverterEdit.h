#pragma once
// The value converter: one number shown as a time interval, a calendar date and time, and a price
// in 32nds and 256ths. A committed field writes the value back and every view follows it.

#include "plot/iEditorBasicComponents.h"

#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

class TiValueConverterEditForm : public TiCustomEditorForm
{
public:
    explicit TiValueConverterEditForm(vcl::TComponent* AOwner);

    // The value edit's number; writing spreads it silently over every field of every page.
    double Value() const;
    void SetValue(double V);

    // The form's controls, named as the form names them.
    TiComponentEditorPageControl* PageControl { nullptr };
    vcl::TTabSheet* IntervalTabSheet { nullptr };
    vcl::TTabSheet* DateTimeTabSheet { nullptr };
    vcl::TTabSheet* Price32TabSheet { nullptr };
    TiComponentEditorEdit* ValueEdit { nullptr };
    vcl::TPanel* Panel2 { nullptr };
    TiComponentEditorButton* OkButton { nullptr };
    TiComponentEditorButton* CancelButton { nullptr };

    TiComponentEditorEdit* WeeksEdit { nullptr };
    TiUpDown* iUpDown4 { nullptr };
    TiComponentEditorEdit* DaysEdit { nullptr };
    TiUpDown* DaysUpDown { nullptr };
    TiComponentEditorEdit* HoursEdit { nullptr };
    TiUpDown* HoursUpDown { nullptr };
    TiComponentEditorEdit* MinutesEdit { nullptr };
    TiUpDown* MinutesUpDown { nullptr };
    TiComponentEditorEdit* SecondsEdit { nullptr };
    TiUpDown* SecondsUpDown { nullptr };
    TiComponentEditorEdit* MilliSecondsEdit { nullptr };
    TiUpDown* MilliSecondsUpDown { nullptr };
    TiComponentEditorButton* iComponentEditorButton1 { nullptr };

    vcl::TLabel* DatePickerLabel { nullptr };
    vcl::TLabel* TimePickerLabel { nullptr };
    TiComponentEditorButton* SetNowButton { nullptr };
    vcl::TDateTimePicker* FDatePicker { nullptr };
    vcl::TDateTimePicker* FTimePicker { nullptr };

    TiComponentEditorEdit* PriceIntegerEdit { nullptr };
    TiUpDown* iUpDown3 { nullptr };
    TiComponentEditorEdit* Price32ndsEdit { nullptr };
    TiUpDown* iUpDown1 { nullptr };
    TiComponentEditorEdit* Price256thsEdit { nullptr };
    TiUpDown* iUpDown2 { nullptr };

private:
    void BuildIntervalPage();
    void BuildDateTimePage();
    void BuildPricePage();
    void BuildButtons();
    // A labelled edit with its spinner at (Left, Top) of Page.
    TiComponentEditorEdit* AddField(vcl::TTabSheet* Page, const QString& Caption, int Left, int Top, TiUpDown*& UpDown,
                                    int Max, int Increment = 1);

    void IntervalFieldUpdate();
    void WeeksUpdate();
    void PriceFieldUpdate();
    void PickerChange();
};
