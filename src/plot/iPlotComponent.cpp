#include "plot/iPlotComponent.h"

#include "plot/iGPCanvas.h"

#include "platform/ui/TBitmap.h"

#include <QDateTime>
#include <QTimeZone>

using namespace vcl;

TiPlotComponent::TiPlotComponent(TComponent* AOwner)
    : TiCustomComponent(AOwner), FHintsFont(std::make_unique<TFont>()),
      FAnnotationDefaultFont(std::make_unique<TFont>())
{
    SetBounds(Left(), Top(), 500, 200);
    FBackGroundColor = clBlack;
    FBorderStyle = TiBevelStyle::ibsLowered;
    FUpdateFrameRate = 60;
    FAutoFrameRate = true;
    FMaster = std::make_unique<TiPlotMasterManager>(this);
    FMaster->OnChange = [this](TObject* s) { DoObjectChange(s); };
    FMaster->OnRemove = [this](TObject* s) { DoObjectRemove(s); };
    FMaster->OnInsert = [this](TObject* s) { DoObjectInsert(s); };
    FMaster->OnInvalidateNow = [this](TObject*) { InvalidateNow(); };
    EditPropertiesHook = [this] { FMaster->EditProperties(); };
    FPopupMenu = new TPopupMenu(this);
    FAnnotationDefaultFont->SetColor(clWhite);
    FMaster->SetUserCanEditObjects(true);
    OnInternalTimer = [this](TObject*) { HintTimerTick(); };
    // Hover hints and mouse cursors follow the mouse without a button held.
    setMouseTracking(true);
}

TiPlotComponent::~TiPlotComponent()
{
    FMouseDownObject = nullptr;
    FMaster->ObjectManager()->ShutDownSetup();
    FMaster->OnChange = nullptr;
    FMaster->OnRemove = nullptr;
    FMaster->OnInsert = nullptr;
    FMaster->OnInvalidateNow = nullptr;
    FMaster.reset();
}

// ---------------------------------------------------------------- notifications

void TiPlotComponent::FireKindEvent(TObject* AObject, bool Added)
{
    auto fire = [&](auto* manager, auto probe, const TiPlotObjectEvent& added, const TiPlotObjectEvent& removed) {
        if (!manager || !dynamic_cast<decltype(probe)>(AObject))
            return;
        const TiPlotObjectEvent& event = Added ? added : removed;
        if (event)
            event(this, manager->GetIndex(static_cast<TiPlotObject*>(AObject)));
    };
    fire(FMaster->ChannelManager(), static_cast<TiPlotChannelCustom*>(nullptr), OnAddChannel, OnRemoveChannel);
    fire(FMaster->XAxisManager(), static_cast<TiPlotXAxis*>(nullptr), OnAddXAxis, OnRemoveXAxis);
    fire(FMaster->YAxisManager(), static_cast<TiPlotYAxis*>(nullptr), OnAddYAxis, OnRemoveYAxis);
    fire(FMaster->DataCursorManager(), static_cast<TiPlotDataCursor*>(nullptr), OnAddDataCursor, OnRemoveDataCursor);
    fire(FMaster->DataViewManager(), static_cast<TiPlotDataView*>(nullptr), OnAddDataView, OnRemoveDataView);
    fire(FMaster->LegendManager(), static_cast<TiPlotLegend*>(nullptr), OnAddLegend, OnRemoveLegend);
    fire(FMaster->LimitManager(), static_cast<TiPlotLimit*>(nullptr), OnAddLimit, OnRemoveLimit);
    fire(FMaster->TableManager(), static_cast<TiPlotTable*>(nullptr), OnAddTable, OnRemoveTable);
    fire(FMaster->AnnotationManager(), static_cast<TiPlotAnnotation*>(nullptr), OnAddAnnotation, OnRemoveAnnotation);
}

void TiPlotComponent::DoObjectInsert(TObject* AObject)
{
    if (!FMaster)
        return; // the managers announce themselves while the master is being built
    FireKindEvent(AObject, true);
}

void TiPlotComponent::DoObjectRemove(TObject* AObject)
{
    if (FMouseDownObject == AObject)
        FMouseDownObject = nullptr;
    if (FLastMouseOverObject == AObject)
        FLastMouseOverObject = nullptr;
    if (FLastMouseClickObject == AObject)
        FLastMouseClickObject = nullptr;
    if (FLastHintObject == AObject)
        FLastHintObject = nullptr;
    if (FMaster)
        FireKindEvent(AObject, false);
}

void TiPlotComponent::DoObjectChange(TObject*) { InvalidateChange(); }

// ---------------------------------------------------------------- kinds

void TiPlotComponent::DeleteFrom(TiPlotObjectManagerCustom* Manager, int Index)
{
    TiPlotObject::Free(Manager->Items(Index));
    InvalidateNow();
}

void TiPlotComponent::RemoveAllFrom(TiPlotObjectManagerCustom* Manager)
{
    Manager->Clear();
    InvalidateNow();
}

#define ZQ9_PLOT_KIND(Kind, Manager, Class)                                                                         \
    int TiPlotComponent::Add##Kind() { return FMaster->Add##Kind(); }                                               \
    void TiPlotComponent::Delete##Kind(int Index) { DeleteFrom(FMaster->Manager(), Index); }                        \
    Class* TiPlotComponent::Get##Kind##ByName(const QString& Name) const                                           \
    {                                                                                                               \
        return FMaster->Manager()->GetByName(Name);                                                                 \
    }                                                                                                               \
    int TiPlotComponent::Get##Kind##IndexByName(const QString& Name) const                                         \
    {                                                                                                               \
        return FMaster->Manager()->GetIndexByName(Name);                                                            \
    }

ZQ9_PLOT_KIND(XAxis, XAxisManager, TiPlotXAxis)
ZQ9_PLOT_KIND(YAxis, YAxisManager, TiPlotYAxis)
ZQ9_PLOT_KIND(DataView, DataViewManager, TiPlotDataView)
ZQ9_PLOT_KIND(DataCursor, DataCursorManager, TiPlotDataCursor)
ZQ9_PLOT_KIND(Legend, LegendManager, TiPlotLegend)
ZQ9_PLOT_KIND(Table, TableManager, TiPlotTable)
ZQ9_PLOT_KIND(ToolBar, ToolBarManager, TiPlotToolBar)
ZQ9_PLOT_KIND(Limit, LimitManager, TiPlotLimit)
#undef ZQ9_PLOT_KIND

void TiPlotComponent::RemoveAllXAxes() { RemoveAllFrom(FMaster->XAxisManager()); }
void TiPlotComponent::RemoveAllYAxes() { RemoveAllFrom(FMaster->YAxisManager()); }
void TiPlotComponent::RemoveAllDataViews() { RemoveAllFrom(FMaster->DataViewManager()); }
void TiPlotComponent::RemoveAllDataCursors() { RemoveAllFrom(FMaster->DataCursorManager()); }
void TiPlotComponent::RemoveAllLegends() { RemoveAllFrom(FMaster->LegendManager()); }
void TiPlotComponent::RemoveAllTables() { RemoveAllFrom(FMaster->TableManager()); }
void TiPlotComponent::RemoveAllToolBars() { RemoveAllFrom(FMaster->ToolBarManager()); }
void TiPlotComponent::RemoveAllLimits() { RemoveAllFrom(FMaster->LimitManager()); }

int TiPlotComponent::AddChannel() { return FMaster->AddChannel(); }
void TiPlotComponent::DeleteChannel(int Index) { DeleteFrom(FMaster->ChannelManager(), Index); }
void TiPlotComponent::RemoveAllChannels() { RemoveAllFrom(FMaster->ChannelManager()); }

TiPlotChannelCustom* TiPlotComponent::GetChannelByName(const QString& Name) const
{
    return dynamic_cast<TiPlotChannelCustom*>(FMaster->ChannelManager()->GetObjectByName(Name));
}

int TiPlotComponent::GetChannelIndexByName(const QString& Name) const
{
    return FMaster->ChannelManager()->GetIndexByName(Name);
}

int TiPlotComponent::AddLabel() { return FMaster->AddLabel(); }

void TiPlotComponent::DeleteLabel(int Index)
{
    if (Index == 0)
        throw Exception(QStringLiteral("Label Index 0 can not be Deleted (Resevered for Title)"));
    TiPlotObject::Free(FMaster->LabelManager()->Items(Index));
}

void TiPlotComponent::RemoveAllLabels()
{
    while (FMaster->LabelManager()->Count() > 1)
        TiPlotObject::Free(FMaster->LabelManager()->Items(1));
}

TiPlotLabel* TiPlotComponent::GetLabelByName(const QString& Name) const
{
    return FMaster->LabelManager()->GetByName(Name);
}

int TiPlotComponent::GetLabelIndexByName(const QString& Name) const
{
    return FMaster->LabelManager()->GetIndexByName(Name);
}

int TiPlotComponent::AddAnnotation()
{
    const int index = FMaster->AddAnnotation();
    TiPlotAnnotation* annotation = Annotation(index);
    annotation->SetBrushStyle(FAnnotationDefaultBrushStlye);
    annotation->SetBrushColor(FAnnotationDefaultBrushColor);
    annotation->SetPenStyle(FAnnotationDefaultPenStlye);
    annotation->SetPenColor(FAnnotationDefaultPenColor);
    annotation->SetPenWidth(FAnnotationDefaultPenWidth);
    annotation->SetReference(FAnnotationDefaultReference);
    annotation->SetReferencePositionX(FAnnotationDefaultReferencePositionX);
    annotation->SetReferencePositionY(FAnnotationDefaultReferencePositionY);
    annotation->SetReferenceSizeX(FAnnotationDefaultReferenceSizeX);
    annotation->SetReferenceSizeY(FAnnotationDefaultReferenceSizeY);
    annotation->SetFont(FAnnotationDefaultFont.get());
    return index;
}

void TiPlotComponent::DeleteAnnotation(int Index) { DeleteFrom(FMaster->AnnotationManager(), Index); }
void TiPlotComponent::RemoveAllAnnotations() { RemoveAllFrom(FMaster->AnnotationManager()); }

TiPlotAnnotation* TiPlotComponent::GetAnnotationByName(const QString& Name) const
{
    return FMaster->AnnotationManager()->GetByName(Name);
}

int TiPlotComponent::GetAnnotationIndexByName(const QString& Name) const
{
    return FMaster->AnnotationManager()->GetIndexByName(Name);
}

// ---------------------------------------------------------------- layout

void TiPlotComponent::DisableLayoutManager() { FMaster->LayoutManager()->SetEnabled(false); }

void TiPlotComponent::EnableLayoutManager() { FMaster->LayoutManager()->SetEnabled(true); }

void TiPlotComponent::RefreshLayoutManager()
{
    DisableLayoutManager();
    EnableLayoutManager();
}

void TiPlotComponent::ReCalcLayout()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    TBitmap scratch;
    scratch.SetSize(Width(), Height());
    iPaintTo(scratch.Canvas());
}

double TiPlotComponent::GetNow() const
{
    // Days since 1899-12-30, local time.
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), now.timeZone());
    return double(epoch.daysTo(now)) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

int TiPlotComponent::DataViewZHorz() const { return FMaster->LayoutManager()->DataViewHorz()->ZOrder(); }

void TiPlotComponent::SetDataViewZHorz(int Value) { FMaster->LayoutManager()->DataViewHorz()->SetZOrder(Value); }

int TiPlotComponent::DataViewZVert() const { return FMaster->LayoutManager()->DataViewVert()->ZOrder(); }

void TiPlotComponent::SetDataViewZVert(int Value) { FMaster->LayoutManager()->DataViewVert()->SetZOrder(Value); }

// ---------------------------------------------------------------- settings

void TiPlotComponent::SetHintsFont(const TFont* Value)
{
    if (Value)
        FHintsFont->Assign(const_cast<TFont*>(Value));
}

void TiPlotComponent::SetAnnotationDefaultFont(const TFont* Value)
{
    if (Value)
        FAnnotationDefaultFont->Assign(const_cast<TFont*>(Value));
}

bool TiPlotComponent::TitleVisible() const { return LabelCount() > 0 && Label(0)->Visible(); }

void TiPlotComponent::SetTitleVisible(bool Value)
{
    if (LabelCount() > 0)
        Label(0)->SetVisible(Value);
}

QString TiPlotComponent::TitleText() const { return LabelCount() > 0 ? Label(0)->Caption() : QString(); }

void TiPlotComponent::SetTitleText(const QString& Value)
{
    if (LabelCount() > 0)
        Label(0)->SetCaption(Value);
}

TFont* TiPlotComponent::TitleFont() const { return LabelCount() > 0 ? Label(0)->Font() : Font(); }

void TiPlotComponent::SetTitleFont(const TFont* Value)
{
    if (LabelCount() > 0)
        Label(0)->SetFont(Value);
}

double TiPlotComponent::TitleMargin() const { return LabelCount() > 0 ? Label(0)->MarginBottom() : 0.0; }

void TiPlotComponent::SetTitleMargin(double Value)
{
    if (LabelCount() > 0)
        Label(0)->SetMarginBottom(Value);
}

void TiPlotComponent::SetLogFileName(const QString& Value)
{
    if (FLogFileName == Value)
        return;
    if (FLoggingActive)
        throw Exception(QStringLiteral("Log File Name can not be changed while logging is active."));
    FLogFileName = Value;
}

void TiPlotComponent::SetBackGroundGradientDirection(TiFillDirection Value)
{
    if (FBackGroundGradientDirection == Value)
        return;
    FBackGroundGradientDirection = Value;
    InvalidateChange();
}

void TiPlotComponent::SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator Value)
{
    if (FDataFileColumnSeparator == Value)
        return;
    if (FLoggingActive)
        throw Exception(QStringLiteral("Data File Column Seperator can not be changed while logging active"));
    FDataFileColumnSeparator = Value;
}

void TiPlotComponent::SetDataFileFormat(TiPlotDataFileFormat Value)
{
    if (FLoggingActive)
        throw Exception(QStringLiteral("Data File Format can not be changed while logging active"));
    FDataFileFormat = Value;
}
