// The editor form's actions: writing a page into its object, the title, the plot's own page,
// adding and removing objects, channel statistics, files, logs, copying the default label format,
// the Layout page's menu, activation and closing.

#include "plot/iPlotEditorForm.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotLabel.h"
#include "plot/iPlotMasterManager.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TFont.h"

using namespace vcl;

// ---------------------------------------------------------------- applying

void TiPlotEditorForm::ApplyEdit(TiEditorObjectKind Kind, const std::function<void(const QString&)>& Trace)
{
    TiPlotObject* object = Selected(Kind);
    if (!object)
        return;
    Page(Kind).Apply(*object, IsStripChannel(object), Trace);
    AfterApply(Kind, object);
}

void TiPlotEditorForm::AfterApply(TiEditorObjectKind Kind, TiPlotObject* Object)
{
    switch (Kind) {
    case TiEditorObjectKind::ToolBar:
    case TiEditorObjectKind::Legend:
    case TiEditorObjectKind::XAxis:
    case TiEditorObjectKind::YAxis:
    case TiEditorObjectKind::DataView:
    case TiEditorObjectKind::Channel: UpdateAll(); break;
    case TiEditorObjectKind::DataCursor:
    case TiEditorObjectKind::Limit: UpdateEdit(Kind); break;
    case TiEditorObjectKind::Label: {
        UpdateEdit(Kind);
        if (ListBox(Kind)->ItemIndex() != 0)
            break;
        // The first label is the plot's title: the Control page shows it too.
        auto* label = static_cast<TiPlotLabel*>(Object);
        Control<TiComponentEditorCheckBox>(QStringLiteral("TitleVisibleCheckBox"))->SetAsBoolean(label->Visible());
        Control<TiComponentEditorEdit>(QStringLiteral("TitleTextEdit"))->SetAsString(label->Caption());
        Control<TiComponentEditorEdit>(QStringLiteral("TitleMarginEdit"))->SetAsFloat(label->MarginBottom());
        Control<TiComponentEditorFontPicker>(QStringLiteral("TitleFontPicker"))->SetFont(label->Font());
        break;
    }
    default: break; // a table reloads nothing
    }
}

void TiPlotEditorForm::TitleChange()
{
    if (!Master || !Master->LabelManager() || Master->LabelManager()->Count() == 0)
        return;
    auto* title = static_cast<TiPlotLabel*>(Master->LabelManager()->Items(0));
    title->SetVisible(Control<TiComponentEditorCheckBox>(QStringLiteral("TitleVisibleCheckBox"))->AsBoolean());
    title->SetCaption(Control<TiComponentEditorEdit>(QStringLiteral("TitleTextEdit"))->AsString());
    title->SetMarginBottom(Control<TiComponentEditorEdit>(QStringLiteral("TitleMarginEdit"))->AsFloat());
    title->SetFont(Control<TiComponentEditorFontPicker>(QStringLiteral("TitleFontPicker"))->Font());
    UpdateLabelEdit();
}

void TiPlotEditorForm::GeneralChanged()
{
    if (Master)
        Master->BasicPropertyChanged();
    Control<TiComponentEditorSavePicker>(QStringLiteral("ControlLogFileNamePicker"))
        ->SetFileName(Control<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"))->Text());
}

// ---------------------------------------------------------------- adding and removing

void TiPlotEditorForm::RemoveObject(TiEditorObjectKind Kind)
{
    ListBox(Kind)->DeleteSelectedObject();
    if (Kind == TiEditorObjectKind::XAxis || Kind == TiEditorObjectKind::YAxis)
        UpdateChannelEdit();
    if (Kind == TiEditorObjectKind::Channel)
        ClearChannelStats();
    UpdateEdit(Kind);
}

// ---------------------------------------------------------------- channel statistics

namespace {

const char* const kStatsDisplays[] = { "ChannelStatsCountLabel",         "ChannelStatsCapacityLabel",
                                       "ChannelStatsMemoryLabel",        "ChannelStatsDataPointSizeLabel",
                                       "ChannelStatsMaxDataPointsLabel", "ChannelStatsXMinLabel",
                                       "ChannelStatsXMaxLabel",          "ChannelStatsXMeanLabel",
                                       "ChannelStatsYMinLabel",          "ChannelStatsYMaxLabel",
                                       "ChannelStatsYMeanLabel" };

} // namespace

void TiPlotEditorForm::ClearChannelStats()
{
    const QString text = Selected(TiEditorObjectKind::Channel) ? QStringLiteral("Click Refresh") : QString();
    for (const char* name : kStatsDisplays)
        Control<TLabel>(QString::fromLatin1(name))->SetCaption(text);
}

void TiPlotEditorForm::RefreshChannelStats()
{
    auto* channel = dynamic_cast<TiPlotChannelCustom*>(Selected(TiEditorObjectKind::Channel));
    if (!channel)
        return;
    auto show = [this](int Index, const QString& Text) {
        Control<TLabel>(QString::fromLatin1(kStatsDisplays[Index]))->SetCaption(Text);
    };
    show(0, QString::number(channel->Count()));
    show(1, QString::number(channel->Capacity()));
    show(2, QString::number(channel->MemoryUsed()) + QStringLiteral(" Bytes"));
    show(3, QString::number(channel->DataPointSize()) + QStringLiteral(" Bytes"));
    show(4, QString::number(channel->MaxDataPoints()));
    channel->ReCalcRunningMinMaxMean();
    TiPlotAxis* x = channel->XAxis();
    TiPlotAxis* y = channel->YAxis();
    auto text = [](TiPlotAxis* Axis, double Value) { return Axis ? Axis->GetLabelText(Value) : FloatToStr(Value); };
    show(5, text(x, channel->RunningXMin()));
    show(6, text(x, channel->RunningXMax()));
    show(7, text(x, channel->RunningXMean()));
    show(8, text(y, channel->RunningYMin()));
    show(9, text(y, channel->RunningYMax()));
    show(10, text(y, channel->RunningYMean()));
}

// ---------------------------------------------------------------- buttons and pickers

void TiPlotEditorForm::WireActions()
{
    auto click = [this](const char* Name, std::function<void()> Action) {
        Control<TiComponentEditorButton>(QString::fromLatin1(Name))->OnClick = [Action](TObject*) { Action(); };
    };
    click("ChannelStatsRefreshButton", [this] { RefreshChannelStats(); });
    click("ControlLogActivateButton", [this] {
        PlotComponent->LogActivate(false);
        Master->BasicPropertyChanged();
    });
    click("ControlLogDeactivateButton", [this] {
        PlotComponent->LogDeactivate();
        Master->BasicPropertyChanged();
    });
    click("ChannelLogActivateButton", [this] {
        if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(Selected(TiEditorObjectKind::Channel)))
            channel->LogActivate(false);
        UpdateChannelEdit();
    });
    click("ChannelLogDeactivateButton", [this] {
        if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(Selected(TiEditorObjectKind::Channel)))
            channel->LogDeactivate();
        UpdateChannelEdit();
    });
    WireFilePickers();
    WireCopyDefaultButtons();
}

void TiPlotEditorForm::WireFilePickers()
{
    auto onOpen = [this](const char* Name, std::function<void(const QString&)> Action) {
        auto* picker = Control<TiComponentEditorOpenPicker>(QString::fromLatin1(Name));
        picker->OnChange = [picker, Action](TObject*) { Action(picker->FileName()); };
    };
    auto onSave = [this](const char* Name, std::function<void(const QString&)> Action) {
        auto* picker = Control<TiComponentEditorSavePicker>(QString::fromLatin1(Name));
        picker->OnChange = [picker, Action](TObject*) { Action(picker->FileName()); };
    };
    auto channel = [this] { return dynamic_cast<TiPlotChannelCustom*>(Selected(TiEditorObjectKind::Channel)); };
    onOpen("ControlPropertiesLoadPicker", [this](const QString& f) {
        PlotComponent->LoadPropertiesFromFile(f);
        UpdateAll();
    });
    onSave("ControlPropertiesSavePicker", [this](const QString& f) { PlotComponent->SavePropertiesToFile(f); });
    onOpen("ControlDataLoadPicker", [this](const QString& f) {
        PlotComponent->ClearAllData();
        PlotComponent->LoadDataFromFile(f);
    });
    onSave("ControlDataSavePicker", [this](const QString& f) { PlotComponent->SaveDataToFile(f); });
    onOpen("ControlAnnotationsLoadPicker", [this](const QString& f) { PlotComponent->LoadAnnotationsFromFile(f); });
    onSave("ControlAnnotationsSavePicker", [this](const QString& f) { PlotComponent->SaveAnnotationsToFile(f); });
    onSave("ChannelPropertiesSavePicker", [channel](const QString& f) {
        if (TiPlotChannelCustom* c = channel())
            c->SavePropertiesToFile(f);
    });
    onOpen("ChannelPropertiesLoadPicker", [this, channel](const QString& f) {
        if (TiPlotChannelCustom* c = channel())
            c->LoadPropertiesFromFile(f);
        ListBox(TiEditorObjectKind::Channel)->Invalidate();
    });
    onSave("ChannelDataSavePicker", [channel](const QString& f) {
        if (TiPlotChannelCustom* c = channel())
            c->SaveDataToFile(f);
    });
    onOpen("ChannelDataLoadPicker", [channel](const QString& f) {
        if (TiPlotChannelCustom* c = channel())
            c->LoadDataFromFile(f, true);
    });
    onSave("ChannelLogFileNamePicker", [this](const QString& f) {
        Control<TiComponentEditorEdit>(QStringLiteral("ChannelLogFileNameEdit"))->SetAsString(f);
        ApplyEdit(TiEditorObjectKind::Channel);
    });
    onSave("ControlLogFileNamePicker", [this](const QString& f) {
        Control<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"))->SetAsString(f);
        Master->BasicPropertyChanged();
    });
}

void TiPlotEditorForm::WireCopyDefaultButtons()
{
    for (const QString& prefix : { QStringLiteral("XAxis"), QStringLiteral("YAxis") })
        for (const QString& kind : { QStringLiteral("Cursor"), QStringLiteral("Legend") })
            Control<TiComponentEditorButton>(prefix + kind + QStringLiteral("CopyDefaultButton"))->OnClick =
                [this, prefix, kind](TObject*) { CopyDefaultFormat(prefix, kind); };
}

// The (Default) label tab's format into the Cursor or Legend tab, then the axis page is applied.
void TiPlotEditorForm::CopyDefaultFormat(const QString& Prefix, const QString& Kind)
{
    auto combo = [this, &Prefix](const QString& Name) {
        return Control<TiComponentEditorComboBox>(Prefix + Name + QStringLiteral("ComboBox"));
    };
    auto edit = [this, &Prefix](const QString& Name) {
        return Control<TiComponentEditorEdit>(Prefix + Name + QStringLiteral("Edit"));
    };
    combo(Kind + QStringLiteral("FormatStyle"))->SetAsInteger(combo(QStringLiteral("LabelsFormatStyle"))->AsInteger());
    combo(Kind + QStringLiteral("DateTimeFormat"))->SetAsString(combo(QStringLiteral("DateTimeFormat"))->AsString());
    combo(Kind + QStringLiteral("PrecisionStyle"))
        ->SetAsInteger(combo(QStringLiteral("LabelsPrecisionStyle"))->AsInteger());
    edit(Kind + QStringLiteral("Precision"))->SetAsInteger(edit(QStringLiteral("LabelsPrecision"))->AsInteger());
    edit(Kind + QStringLiteral("MinLength"))->SetAsFloat(edit(QStringLiteral("LabelsMinLength"))->AsFloat());
    Control<TiComponentEditorCheckBox>(Prefix + Kind + QStringLiteral("MinLengthAutoAdjustCheckBox"))
        ->SetAsBoolean(
            Control<TiComponentEditorCheckBox>(Prefix + QStringLiteral("LabelsMinLengthAutoAdjustCheckBox"))->AsBoolean());
    ApplyEdit(Prefix == QLatin1String("XAxis") ? TiEditorObjectKind::XAxis : TiEditorObjectKind::YAxis);
}

// ---------------------------------------------------------------- activation and closing

void TiPlotEditorForm::Activated()
{
    if (FormStyle() == TFormStyle::fsStayOnTop)
        UpdateAll();
}

void TiPlotEditorForm::DoClose(TCloseAction& Action)
{
    FIsClosing = true;
    TiCustomEditorForm::DoClose(Action);
}
