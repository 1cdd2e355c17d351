#include "plot/iPlotMasterManager.h"

#include "platform/core/SoftAssert.h"
#include "plot/iPlotEditorForm.h"

#include <utility>

using namespace vcl;

TiPlotMasterManager::TiPlotMasterManager(TWinControl* AOwner) : FOwner(AOwner)
{
    CreateManager<TiPlotObjectManager>();
    CreateManager<TiPlotToolBarManager>();
    CreateManager<TiPlotLegendManager>();
    CreateManager<TiPlotTableManager>();
    CreateManager<TiPlotChannelManager>();
    CreateManager<TiPlotDataCursorManager>();
    CreateManager<TiPlotDataViewManager>();
    CreateManager<TiPlotXAxisManager>();
    CreateManager<TiPlotYAxisManager>();
    CreateManager<TiPlotLimitManager>();
    CreateManager<TiPlotLabelManager>();
    CreateManager<TiPlotAnnotationManager>();
    CreateManager<TiPlotLayoutManager>();
    for (TiPlotAxisBoundManager* bound : { static_cast<TiPlotAxisBoundManager*>(FChannelManager),
                                           static_cast<TiPlotAxisBoundManager*>(FDataViewManager),
                                           static_cast<TiPlotAxisBoundManager*>(FLimitManager) }) {
        bound->SetXAxisManager(FXAxisManager);
        bound->SetYAxisManager(FYAxisManager);
    }
    FDataCursorManager->SetChannelManager(FChannelManager);
    FDataCursorManager->SetDataViewManager(FDataViewManager);
    FChannelManager->SetChannelClass(FChannelClass);
    // The table's entries announce themselves; the table itself needs no further routing.
    FTranslationManager = std::make_unique<TiPlotTranslationManager>(
        [this](TObject* s) {
            if (FTranslationManager)
                FTranslationManager->NotificationInsert(s);
        },
        [this](TObject* s) {
            if (FTranslationManager)
                FTranslationManager->NotificationRemove(s);
        });
    FUserCanEditObjects = true;
}

template <typename M>
M* TiPlotMasterManager::CreateManager()
{
    auto* manager = new M(FOwner, [this](TObject* s) { ObjectChange(s); }, [this](TObject* s) { ObjectInsert(s); },
                          [this](TObject* s) { ObjectRemove(s); }, [this](TObject* s) { ObjectRename(s); });
    manager->Announce(); // the insert handler stores it in its field
    return manager;
}

TiPlotMasterManager::~TiPlotMasterManager()
{
    delete std::exchange(FEditorForm, nullptr);
    // Each field is cleared before its manager goes, so no notification reaches a manager being freed.
    FTranslationManager.reset();
    auto release = [](auto*& field) { delete std::exchange(field, nullptr); };
    release(FToolBarManager);
    release(FLegendManager);
    release(FTableManager);
    release(FChannelManager);
    release(FXAxisManager);
    release(FYAxisManager);
    release(FDataViewManager);
    release(FDataCursorManager);
    release(FLimitManager);
    release(FLabelManager);
    release(FAnnotationManager);
    release(FPlotObjectManager);
    release(FLayoutManager);
}

std::vector<TiPlotObjectManagerCustom*> TiPlotMasterManager::KindManagers() const
{
    std::vector<TiPlotObjectManagerCustom*> managers;
    for (TiPlotObjectManagerCustom* m : std::initializer_list<TiPlotObjectManagerCustom*> {
             FToolBarManager, FLegendManager, FTableManager, FXAxisManager, FYAxisManager, FChannelManager,
             FDataViewManager, FDataCursorManager, FLimitManager, FLabelManager, FAnnotationManager })
        if (m)
            managers.push_back(m);
    return managers;
}

void TiPlotMasterManager::ForEachKindObject(const std::function<void(TiPlotObject*)>& Fn) const
{
    for (TiPlotObjectManagerCustom* manager :
         std::initializer_list<TiPlotObjectManagerCustom*> { FChannelManager, FXAxisManager, FYAxisManager,
                                                              FDataViewManager, FToolBarManager, FLegendManager,
                                                              FTableManager, FDataCursorManager, FLimitManager,
                                                              FLabelManager, FAnnotationManager }) {
        if (!manager)
            continue;
        for (int i = 0; i < manager->Count(); ++i)
            Fn(manager->Items(i));
    }
}

// ---------------------------------------------------------------- notifications

void TiPlotMasterManager::ObjectInsert(TObject* Sender)
{
    if (auto* object = dynamic_cast<TiPlotObject*>(Sender)) {
        if (FPlotObjectManager)
            FPlotObjectManager->NotificationInsert(object);
        if (FLayoutManager && dynamic_cast<TiPlotLayoutObject*>(object))
            FLayoutManager->NotificationInsert(object);
        for (TiPlotObjectManagerCustom* manager : KindManagers())
            manager->NotificationInsert(object);
        object->OnSetFocus = [this](TObject* s) { ObjectSetFocus(s); };
        object->OnInvalidateNow = [this](TObject* s) {
            if (OnInvalidateNow)
                OnInvalidateNow(s);
        };
        object->SetUserCanEdit(FUserCanEditObjects);
        object->OnEdit = [this](TObject* s) { ObjectEdit(s); };
        object->SetXYAxesReversed(FXYAxesReverse);
        if (TiPlotEditorForm* editor = OpenEditor())
            editor->ObjectInserted(object);
    } else if (auto* manager = dynamic_cast<TiPlotObjectManagerCustom*>(Sender)) {
        if (auto* m = dynamic_cast<TiPlotObjectManager*>(manager)) FPlotObjectManager = m;
        else if (auto* m = dynamic_cast<TiPlotToolBarManager*>(manager)) FToolBarManager = m;
        else if (auto* m = dynamic_cast<TiPlotLegendManager*>(manager)) FLegendManager = m;
        else if (auto* m = dynamic_cast<TiPlotTableManager*>(manager)) FTableManager = m;
        else if (auto* m = dynamic_cast<TiPlotXAxisManager*>(manager)) FXAxisManager = m;
        else if (auto* m = dynamic_cast<TiPlotYAxisManager*>(manager)) FYAxisManager = m;
        else if (auto* m = dynamic_cast<TiPlotChannelManager*>(manager)) FChannelManager = m;
        else if (auto* m = dynamic_cast<TiPlotDataViewManager*>(manager)) FDataViewManager = m;
        else if (auto* m = dynamic_cast<TiPlotDataCursorManager*>(manager)) FDataCursorManager = m;
        else if (auto* m = dynamic_cast<TiPlotLimitManager*>(manager)) FLimitManager = m;
        else if (auto* m = dynamic_cast<TiPlotLabelManager*>(manager)) FLabelManager = m;
        else if (auto* m = dynamic_cast<TiPlotAnnotationManager*>(manager)) FAnnotationManager = m;
        else if (auto* m = dynamic_cast<TiPlotLayoutManager*>(manager)) FLayoutManager = m;
    }
    if (OnInsert)
        OnInsert(Sender);
}

void TiPlotMasterManager::ObjectRemove(TObject* Sender)
{
    if (OnRemove)
        OnRemove(Sender);
    if (auto* object = dynamic_cast<TiPlotObject*>(Sender)) {
        if (TiPlotEditorForm* editor = OpenEditor())
            editor->ObjectRemoved(object);
        if (FPlotObjectManager)
            FPlotObjectManager->NotificationRemove(Sender);
        if (FLayoutManager)
            FLayoutManager->NotificationRemove(Sender);
        for (TiPlotObjectManagerCustom* manager : KindManagers())
            manager->NotificationRemove(Sender);
    }
    auto clear = [Sender](auto*& field) {
        if (static_cast<TObject*>(field) == Sender)
            field = nullptr;
    };
    clear(FToolBarManager);
    clear(FLegendManager);
    clear(FTableManager);
    clear(FXAxisManager);
    clear(FYAxisManager);
    clear(FChannelManager);
    clear(FDataViewManager);
    clear(FDataCursorManager);
    clear(FLimitManager);
    clear(FLabelManager);
    clear(FAnnotationManager);
    clear(FLayoutManager);
    clear(FPlotObjectManager);
}

void TiPlotMasterManager::ObjectRename(TObject* Sender)
{
    auto* object = dynamic_cast<TiPlotObject*>(Sender);
    if (!ZQ9_EXPECT(object))
        return;
    for (TiPlotObjectManagerCustom* manager : KindManagers())
        manager->NotificationRename(object);
    if (FLayoutManager)
        FLayoutManager->NotificationRename(object);
    if (TiPlotEditorForm* editor = OpenEditor())
        editor->ObjectRenamed(object);
}

void TiPlotMasterManager::ObjectChange(TObject*)
{
    if (OnChange)
        OnChange(this);
}

void TiPlotMasterManager::ObjectSetFocus(TObject* Sender)
{
    auto* object = dynamic_cast<TiPlotObject*>(Sender);
    if (!ZQ9_EXPECT(object))
        return;
    for (TiPlotObjectManagerCustom* manager : KindManagers())
        manager->NotificationSetFocus(object);
    if (FLayoutManager)
        FLayoutManager->NotificationSetFocus(object);
}

// ---------------------------------------------------------------- operations

int TiPlotMasterManager::AddObject(TiPlotObjectManagerCustom* Manager)
{
    TiPlotObject* object = Manager->CreateObject();
    object->NotifyInsert();
    return Manager->Count() - 1;
}

int TiPlotMasterManager::AddChannel() { return AddObject(FChannelManager); }
int TiPlotMasterManager::AddDataView() { return AddObject(FDataViewManager); }
int TiPlotMasterManager::AddDataCursor() { return AddObject(FDataCursorManager); }
int TiPlotMasterManager::AddXAxis() { return AddObject(FXAxisManager); }
int TiPlotMasterManager::AddYAxis() { return AddObject(FYAxisManager); }
int TiPlotMasterManager::AddLegend() { return AddObject(FLegendManager); }
int TiPlotMasterManager::AddTable() { return AddObject(FTableManager); }
int TiPlotMasterManager::AddToolBar() { return AddObject(FToolBarManager); }
int TiPlotMasterManager::AddLimit() { return AddObject(FLimitManager); }
int TiPlotMasterManager::AddLabel() { return AddObject(FLabelManager); }
int TiPlotMasterManager::AddAnnotation() { return AddObject(FAnnotationManager); }

void TiPlotMasterManager::ShowToolBars(bool Value)
{
    for (int i = 0; FToolBarManager && i < FToolBarManager->Count(); ++i)
        FToolBarManager->Items(i)->SetVisible(Value);
}

void TiPlotMasterManager::DeSelectAll()
{
    if (FPlotObjectManager)
        FPlotObjectManager->ClearAllUserSelections();
}

void TiPlotMasterManager::SetChannelClass(TiPlotChannelCustomClass Value)
{
    FChannelClass = Value;
    if (FChannelManager)
        FChannelManager->SetChannelClass(Value);
}

void TiPlotMasterManager::SetUserCanEditObjects(bool Value)
{
    FUserCanEditObjects = Value;
    ForEachKindObject([Value](TiPlotObject* object) { object->SetUserCanEdit(Value); });
}

void TiPlotMasterManager::SetXYAxesReverse(bool Value)
{
    FXYAxesReverse = Value;
    if (FLayoutManager)
        FLayoutManager->SetXYAxesReverse(Value);
    ForEachKindObject([Value](TiPlotObject* object) { object->SetXYAxesReversed(Value); });
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}
