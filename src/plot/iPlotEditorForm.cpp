// The editor form's frame: its main pages and object lists, loading a page from the object selected
// in its list, enabling by name prefix, the name choosers and the lists' life with the plot.

#include "plot/iPlotEditorForm.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotLabel.h"
#include "plot/iPlotLayoutViewer.h"
#include "plot/iPlotLegend.h"
#include "plot/iPlotLimit.h"
#include "plot/iPlotMasterManager.h"
#include "plot/iPlotStripChannel.h"
#include "plot/iPlotTable.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/Exception.h"

using namespace vcl;

struct TiPlotEditorForm::KindInfo
{
    const TiEditorPageSpec& (*Spec)();
    QString ListName;
    QString AddButtonName;    // empty: the list is hidden and has no buttons
    QString RemoveButtonName;
    TiPlotObjectManagerCustom* (*Manager)(const TiPlotMasterManager&);
    int (TiPlotMasterManager::*Add)();
    // The colour of the entry's box; nullptr: no box.
    TColor (*BoxColor)(const TiPlotObject*);
};

namespace {

template <typename M, M* (TiPlotMasterManager::*Get)() const>
TiPlotObjectManagerCustom* ManagerOf(const TiPlotMasterManager& Master)
{
    return (Master.*Get)();
}

TColor ChannelColor(const TiPlotObject* o) { return static_cast<const TiPlotChannelCustom*>(o)->Color(); }
TColor CursorColor(const TiPlotObject* o) { return static_cast<const TiPlotDataCursor*>(o)->Color(); }
TColor LimitColor(const TiPlotObject* o) { return static_cast<const TiPlotLimit*>(o)->Color(); }
TColor AxisFontColor(const TiPlotObject* o) { return static_cast<const TiPlotAxis*>(o)->LabelsFont()->Color(); }

// The main pages in tab order; the Control and Layout pages have no list.
const char* const kMainPages[] = { "Control", "Layout", "Channels", "Cursors", "Limits", "Labels",
                                   "X-Axes",  "Y-Axes", "Legend",   "Tables",  "ToolBar", "Data View" };
constexpr TiEditorObjectKind kMainPageKinds[] = {
    TiEditorObjectKind::Count,      TiEditorObjectKind::Count,  TiEditorObjectKind::Channel,
    TiEditorObjectKind::DataCursor, TiEditorObjectKind::Limit,  TiEditorObjectKind::Label,
    TiEditorObjectKind::XAxis,      TiEditorObjectKind::YAxis,  TiEditorObjectKind::Legend,
    TiEditorObjectKind::Table,      TiEditorObjectKind::ToolBar, TiEditorObjectKind::DataView,
};

constexpr int kFormWidth = 576;
constexpr int kFormHeight = 272;
constexpr int kListWidth = 112;

} // namespace

const TiPlotEditorForm::KindInfo& TiPlotEditorForm::Info(TiEditorObjectKind Kind)
{
    using M = TiPlotMasterManager;
    static const KindInfo kinds[] = {
        { iEditorToolBarPage, "ToolBarListBox", "", "", ManagerOf<TiPlotToolBarManager, &M::ToolBarManager>,
          &M::AddToolBar, nullptr },
        { iEditorLegendPage, "LegendListBox", "", "", ManagerOf<TiPlotLegendManager, &M::LegendManager>, &M::AddLegend,
          nullptr },
        { iEditorXAxisPage, "XAxisListBox", "XAxesAddButton", "XAxisRemoveButton",
          ManagerOf<TiPlotXAxisManager, &M::XAxisManager>, &M::AddXAxis, AxisFontColor },
        { iEditorYAxisPage, "YAxisListBox", "YAxesAddButton", "YAxisRemoveButton",
          ManagerOf<TiPlotYAxisManager, &M::YAxisManager>, &M::AddYAxis, AxisFontColor },
        { iEditorChannelPage, "ChannelListBox", "iChannelAddButton", "ChannelRemoveButton",
          ManagerOf<TiPlotChannelManager, &M::ChannelManager>, &M::AddChannel, ChannelColor },
        { iEditorDataViewPage, "DataViewListBox", "", "", ManagerOf<TiPlotDataViewManager, &M::DataViewManager>,
          &M::AddDataView, nullptr },
        { iEditorDataCursorPage, "DataCursorListBox", "iDataCursorAddButton", "DataCursorRemoveButton",
          ManagerOf<TiPlotDataCursorManager, &M::DataCursorManager>, &M::AddDataCursor, CursorColor },
        { iEditorLimitPage, "LimitListBox", "iLimitAddButton", "LimitRemoveButton",
          ManagerOf<TiPlotLimitManager, &M::LimitManager>, &M::AddLimit, LimitColor },
        { iEditorLabelPage, "LabelListBox", "iLabelAddButton", "LabelRemoveButton",
          ManagerOf<TiPlotLabelManager, &M::LabelManager>, &M::AddLabel, nullptr },
        { iEditorTablePage, "TableListBox", "iTableAddButton", "TableRemoveButton",
          ManagerOf<TiPlotTableManager, &M::TableManager>, &M::AddTable, nullptr },
    };
    return kinds[static_cast<size_t>(Kind)];
}

void TiPlotEditorForm::ThrowMissing(const QString& Name)
{
    throw Exception(QStringLiteral("The plot editor has no control %1").arg(Name));
}

TiPlotEditorForm::TiPlotEditorForm(TComponent* AOwner) : TiCustomEditorForm(AOwner)
{
    SetName(QStringLiteral("iPlotEditorForm"));
    SetCaption(QStringLiteral("Plot"));
    SetBounds(0, 0, kFormWidth, kFormHeight);
    FMainPageControl = new TiComponentEditorPageControl(this);
    FMainPageControl->SetName(QStringLiteral("MainPageControl"));
    FMainPageControl->SetParent(this);
    FMainPageControl->SetBounds(0, 0, kFormWidth, kFormHeight);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : kMainPages) {
        auto* sheet = new TTabSheet(this);
        sheet->SetCaption(QString::fromLatin1(caption));
        sheet->SetPageControl(FMainPageControl);
        sheets.push_back(sheet);
    }
    FLayoutSheet = sheets[1];
    FLayoutViewer = new TiPlotLayoutViewer(this);
    FLayoutViewer->SetName(QStringLiteral("LayoutViewer"));
    FLayoutViewer->SetParent(FLayoutSheet);
    FLayoutViewer->SetBounds(4, 4, FLayoutSheet->Width() - 8, FLayoutSheet->Height() - 8);
    FLayoutViewer->OnChange = [this](TObject*) { UpdateAll(); };
    FLayoutViewer->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int X, int Y) {
        FRightClickObject = FLayoutViewer->GetMouseOverBlock(X, Y);
    };
    const TRect whole(2, 2, sheets[0]->Width() - 2, sheets[0]->Height() - 2);
    FControlPage = std::make_unique<TiPlotEditorPage>(iEditorControlPage(), this, sheets[0], whole,
                                                      [this](const TiEditorControlSpec& Spec) {
                                                          if (Spec.Property.startsWith(QLatin1String("Title")))
                                                              TitleChange();
                                                          else
                                                              GeneralChanged();
                                                      });
    for (size_t i = 2; i < sheets.size(); ++i)
        BuildListPage(kMainPageKinds[i], sheets[i]);
    FMainPageControl->SetActivePageIndex(0);
    BuildLayoutPopupMenu();
    FLayoutViewer->SetPopupMenu(FLayoutPopupMenu);
    WireActions();
    OnActivate = [this](TObject*) { Activated(); };
    FormCreate();
}

void TiPlotEditorForm::FormCreate()
{
    SetBorderStyle(TFormBorderStyle::bsDialog);
}

TiPlotEditorForm::~TiPlotEditorForm()
{
    if (PlotComponent && PlotComponent->OnAfterCloseEditor)
        PlotComponent->OnAfterCloseEditor(this);
}

void TiPlotEditorForm::BuildListPage(TiEditorObjectKind Kind, TTabSheet* Sheet)
{
    const KindInfo& info = Info(Kind);
    const size_t k = static_cast<size_t>(Kind);
    FMainPages[k] = Sheet;
    auto* list = new TiComponentEditorListBox(this);
    list->SetName(info.ListName);
    list->SetParent(Sheet);
    list->FreeObject = [](TObject* o) { TiPlotObject::Free(dynamic_cast<TiPlotObject*>(o)); };
    list->OnClick = [this, Kind](TObject*) {
        if (Kind == TiEditorObjectKind::Channel)
            ClearChannelStats();
        UpdateEdit(Kind);
    };
    list->OnGetData = [Kind, list](TObject*, int Index, bool& DrawColorBox, TColor& AColor, QString& AText) {
        const auto* object = dynamic_cast<const TiPlotObject*>(list->Items()->Objects(Index));
        const auto boxColor = Info(Kind).BoxColor;
        DrawColorBox = boxColor && object;
        if (!object)
            return;
        AText = object->Name();
        if (boxColor)
            AColor = boxColor(object);
    };
    FLists[k] = list;
    const bool listVisible = !info.AddButtonName.isEmpty();
    list->SetVisible(listVisible);
    TRect area(2, 2, Sheet->Width() - 2, Sheet->Height() - 2);
    if (listVisible) {
        list->SetBounds(4, 4, kListWidth, Sheet->Height() - 40);
        auto* add = new TiComponentEditorButton(this);
        add->SetName(info.AddButtonName);
        add->SetParent(Sheet);
        add->SetCaption(QStringLiteral("Add"));
        add->SetBounds(4, Sheet->Height() - 32, kListWidth / 2 - 2, 25);
        add->OnClick = [this, Kind](TObject*) { AddObject(Kind); };
        auto* remove = new TiComponentEditorButton(this);
        remove->SetName(info.RemoveButtonName);
        remove->SetParent(Sheet);
        remove->SetCaption(QStringLiteral("Remove"));
        remove->SetBounds(4 + kListWidth / 2 + 2, Sheet->Height() - 32, kListWidth / 2 - 2, 25);
        remove->SetEnabled(false);
        remove->OnClick = [this, Kind](TObject*) { RemoveObject(Kind); };
        area.Left = kListWidth + 8;
    }
    FPages[k] = std::make_unique<TiPlotEditorPage>(info.Spec(), this, Sheet, area,
                                                   [this, Kind](const TiEditorControlSpec&) { ApplyEdit(Kind); });
    for (const TiPlotEditorPage::Bound& b : FPages[k]->Controls())
        if (b.Spec->Kind == TiEditorKind::NameList) {
            auto* combo = static_cast<TiComponentEditorComboBox*>(b.Control);
            combo->OnDropDown = [this, combo, names = b.Spec->Names](TObject*) { FillNames(combo, names); };
        }
}

void TiPlotEditorForm::AddObject(TiEditorObjectKind Kind)
{
    if (!Master)
        return;
    (Master->*Info(Kind).Add)(); // the master manager lists the new object here
    ListBox(Kind)->SelectLast();
    if (Kind == TiEditorObjectKind::Channel)
        ClearChannelStats();
    UpdateEdit(Kind);
}

TiComponentEditorListBox* TiPlotEditorForm::ListBox(TiEditorObjectKind Kind) const
{
    return FLists[static_cast<size_t>(Kind)];
}

TTabSheet* TiPlotEditorForm::MainPage(TiEditorObjectKind Kind) const
{
    return FMainPages[static_cast<size_t>(Kind)];
}

TiEditorObjectKind TiPlotEditorForm::KindOf(const TiPlotObject* Object)
{
    if (dynamic_cast<const TiPlotToolBar*>(Object)) return TiEditorObjectKind::ToolBar;
    if (dynamic_cast<const TiPlotLegend*>(Object)) return TiEditorObjectKind::Legend;
    if (dynamic_cast<const TiPlotXAxis*>(Object)) return TiEditorObjectKind::XAxis;
    if (dynamic_cast<const TiPlotYAxis*>(Object)) return TiEditorObjectKind::YAxis;
    if (dynamic_cast<const TiPlotChannelCustom*>(Object)) return TiEditorObjectKind::Channel;
    if (dynamic_cast<const TiPlotDataView*>(Object)) return TiEditorObjectKind::DataView;
    if (dynamic_cast<const TiPlotDataCursor*>(Object)) return TiEditorObjectKind::DataCursor;
    if (dynamic_cast<const TiPlotLimit*>(Object)) return TiEditorObjectKind::Limit;
    if (dynamic_cast<const TiPlotLabel*>(Object)) return TiEditorObjectKind::Label;
    if (dynamic_cast<const TiPlotTable*>(Object)) return TiEditorObjectKind::Table;
    return TiEditorObjectKind::Count; // annotations have no page
}

TiPlotObject* TiPlotEditorForm::Selected(TiEditorObjectKind Kind) const
{
    TiComponentEditorListBox* list = ListBox(Kind);
    const int index = list->ItemIndex();
    return index < 0 ? nullptr : dynamic_cast<TiPlotObject*>(list->Items()->Objects(index));
}

bool TiPlotEditorForm::IsStripChannel(const TiPlotObject* Object) const
{
    return dynamic_cast<const TiPlotChannel*>(Object) != nullptr;
}

// ---------------------------------------------------------------- loading

void TiPlotEditorForm::UpdateAll()
{
    for (TiEditorObjectKind kind : { TiEditorObjectKind::ToolBar, TiEditorObjectKind::Legend, TiEditorObjectKind::XAxis,
                                     TiEditorObjectKind::YAxis, TiEditorObjectKind::Channel, TiEditorObjectKind::DataView,
                                     TiEditorObjectKind::DataCursor, TiEditorObjectKind::Limit,
                                     TiEditorObjectKind::Label, TiEditorObjectKind::Table })
        UpdateEdit(kind);
}

void TiPlotEditorForm::UpdateEdit(TiEditorObjectKind Kind)
{
    const TiPlotEditorPage& page = Page(Kind);
    const bool axisPage = Kind == TiEditorObjectKind::XAxis || Kind == TiEditorObjectKind::YAxis;
    if (!axisPage)
        RefillNameCombos(Kind);
    TiPlotObject* object = Selected(Kind);
    if (Kind == TiEditorObjectKind::Channel)
        FPages[static_cast<size_t>(Kind)]->ShowStripParts(Master && Master->ChannelClass() == &TiPlotChannel::Construct);
    if (!object) {
        DisableControlsWithPrefix(page.Spec().Prefix);
        if (Kind == TiEditorObjectKind::Channel)
            ClearChannelStats();
        return;
    }
    EnableControlsWithPrefix(page.Spec().Prefix);
    if (axisPage)
        RefillNameCombos(Kind);
    page.Load(*object, IsStripChannel(object));
    AfterLoad(Kind, object);
    ListBox(Kind)->Invalidate();
}

void TiPlotEditorForm::AfterLoad(TiEditorObjectKind Kind, TiPlotObject* Object)
{
    if (Kind == TiEditorObjectKind::Label)
        Control<TControl>(QStringLiteral("LabelRemoveButton"))->SetEnabled(ListBox(Kind)->ItemIndex() != 0);
    if (Kind != TiEditorObjectKind::Channel)
        return;
    const bool logging = static_cast<TiPlotChannelCustom*>(Object)->LoggingActive();
    auto* edit = Control<TiComponentEditorEdit>(QStringLiteral("ChannelLogFileNameEdit"));
    if (logging)
        edit->DisableNoClear();
    else
        edit->Enable();
    Control<TControl>(QStringLiteral("ChannelLogFileNamePicker"))->SetEnabled(!logging);
    Control<TControl>(QStringLiteral("ChannelLogActivateButton"))->SetEnabled(!logging);
    Control<TControl>(QStringLiteral("ChannelLogDeactivateButton"))->SetEnabled(logging);
}

// ---------------------------------------------------------------- enabling by prefix

namespace {

void SetControlEnabled(TComponent* Component, bool Enabled)
{
    if (dynamic_cast<TPageControl*>(Component) || dynamic_cast<TTabSheet*>(Component) || dynamic_cast<TLabel*>(Component))
        return;
    auto both = [Enabled](auto* c) {
        if (Enabled)
            c->Enable();
        else
            c->Disable();
    };
    if (auto* c = dynamic_cast<TiComponentEditorComboBox*>(Component)) both(c);
    else if (auto* r = dynamic_cast<TiComponentEditorRadioGroup*>(Component)) both(r);
    else if (auto* e = dynamic_cast<TiComponentEditorEdit*>(Component)) both(e);
    else if (auto* b = dynamic_cast<TiComponentEditorCheckBox*>(Component)) both(b);
    else if (auto* p = dynamic_cast<TiComponentEditorColorPicker*>(Component)) both(p);
    else if (auto* u = dynamic_cast<TiUpDown*>(Component)) both(u);
    else if (auto* control = dynamic_cast<TControl*>(Component))
        control->SetEnabled(Enabled); // font pickers, list boxes, buttons and the rest
}

} // namespace

void TiPlotEditorForm::EnableControlsWithPrefix(const QString& Prefix)
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (Components(i)->Name().startsWith(Prefix, Qt::CaseInsensitive))
            SetControlEnabled(Components(i), true);
}

void TiPlotEditorForm::DisableControlsWithPrefix(const QString& Prefix)
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (Components(i)->Name().startsWith(Prefix, Qt::CaseInsensitive))
            SetControlEnabled(Components(i), false);
}

// ---------------------------------------------------------------- name choosers

void TiPlotEditorForm::FillNames(TiComponentEditorComboBox* Combo, TiEditorNames Names)
{
    if (!Master)
        return;
    const bool xAxes = Names == TiEditorNames::XAxes || Names == TiEditorNames::XAxesThenAll;
    const bool yAxes = Names == TiEditorNames::YAxes || Names == TiEditorNames::YAxesThenAll;
    TiPlotObjectManagerCustom* manager = xAxes ? static_cast<TiPlotObjectManagerCustom*>(Master->XAxisManager())
        : yAxes                                ? static_cast<TiPlotObjectManagerCustom*>(Master->YAxisManager())
                                               : static_cast<TiPlotObjectManagerCustom*>(Master->ChannelManager());
    if (!manager)
        return;
    TiPlotTranslationManager* translation = Master->TranslationManager();
    auto translated = [translation](const QString& Text) {
        return translation ? translation->FindReplacement(Text) : Text;
    };
    const QString remembered = Combo->Text();
    Combo->Items()->BeginUpdate();
    Combo->Items()->Clear();
    Combo->Items()->Add(translated(Names == TiEditorNames::AllThenChannels ? QStringLiteral("<All>")
                                                                          : QStringLiteral("<None>")));
    for (int i = 0; i < manager->Count(); ++i)
        Combo->Items()->Add(manager->Items(i)->Name());
    if (Names == TiEditorNames::XAxesThenAll || Names == TiEditorNames::YAxesThenAll)
        Combo->Items()->Add(translated(QStringLiteral("<All>")));
    Combo->Items()->EndUpdate();
    Combo->SetAsInteger(Combo->Items()->IndexOf(remembered));
}

void TiPlotEditorForm::RefillNameCombos(TiEditorObjectKind Kind)
{
    for (const TiPlotEditorPage::Bound& b : Page(Kind).Controls())
        if (b.Spec->Kind == TiEditorKind::NameList)
            FillNames(static_cast<TiComponentEditorComboBox*>(b.Control), b.Spec->Names);
}

void TiPlotEditorForm::XAxisNameComboBoxDropDown(TiComponentEditorComboBox* Combo)
{
    FillNames(Combo, TiEditorNames::XAxes);
}

void TiPlotEditorForm::YAxisNameComboBoxDropDown(TiComponentEditorComboBox* Combo)
{
    FillNames(Combo, TiEditorNames::YAxes);
}

void TiPlotEditorForm::ChannelNameComboBoxDropDown(TiComponentEditorComboBox* Combo)
{
    FillNames(Combo, TiEditorNames::AllThenChannels);
}

void TiPlotEditorForm::DataViewGridXAxisNameComboBoxDropDown(TiComponentEditorComboBox* Combo)
{
    FillNames(Combo, TiEditorNames::XAxesThenAll);
}

void TiPlotEditorForm::DataViewGridYAxisNameComboBoxDropDown(TiComponentEditorComboBox* Combo)
{
    FillNames(Combo, TiEditorNames::YAxesThenAll);
}

void TiPlotEditorForm::DataCursorChannelNameComboBoxDropDown(TiComponentEditorComboBox* Combo)
{
    FillNames(Combo, TiEditorNames::AllThenChannels);
}

void TiPlotEditorForm::SetFormTranslationMethod(std::function<void(TForm*)> Method)
{
    FTranslationMethod = std::move(Method);
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* picker = dynamic_cast<TiComponentEditorValueConverterPicker*>(Components(i)))
            picker->SetTranslationMethod(FTranslationMethod);
}

// ---------------------------------------------------------------- the plot's objects come and go

void TiPlotEditorForm::ObjectInserted(TiPlotObject* Object)
{
    const TiEditorObjectKind kind = KindOf(Object);
    if (kind == TiEditorObjectKind::Count)
        return;
    TiComponentEditorListBox* list = ListBox(kind);
    list->Items()->AddObject(Object->Name(), Object);
    list->SelectLast();
    UpdateEdit(kind);
}

void TiPlotEditorForm::ObjectRemoved(TiPlotObject* Object)
{
    if (FRightClickObject == Object)
        FRightClickObject = nullptr;
    const TiEditorObjectKind kind = KindOf(Object);
    if (kind != TiEditorObjectKind::Count)
        ListBox(kind)->DeleteObjectIndex(Object);
}

void TiPlotEditorForm::ObjectRenamed(TiPlotObject* Object)
{
    const TiEditorObjectKind kind = KindOf(Object);
    QStringList choosers;
    TiEditorNames names = TiEditorNames::None;
    if (kind == TiEditorObjectKind::XAxis) {
        choosers = { "ChannelXAxisNameComboBox", "LimitXAxisNameComboBox", "DataViewGridXAxisNameComboBox" };
    } else if (kind == TiEditorObjectKind::YAxis) {
        choosers = { "ChannelYAxisNameComboBox", "LimitYAxisNameComboBox", "DataViewGridYAxisNameComboBox" };
    } else if (kind == TiEditorObjectKind::Channel) {
        choosers = { "DataCursorChannelNameComboBox" };
    }
    for (const QString& name : choosers) {
        auto* combo = Control<TiComponentEditorComboBox>(name);
        if (combo->Text() != Object->NameOld())
            continue;
        names = name.startsWith(QLatin1String("DataViewGrid"))
            ? (kind == TiEditorObjectKind::XAxis ? TiEditorNames::XAxesThenAll : TiEditorNames::YAxesThenAll)
            : name.startsWith(QLatin1String("DataCursor")) ? TiEditorNames::AllThenChannels
            : kind == TiEditorObjectKind::XAxis            ? TiEditorNames::XAxes
                                                           : TiEditorNames::YAxes;
        FillNames(combo, names);
        combo->SetAsString(Object->Name());
    }
}
