#pragma once
// The per-kind lists of plot objects: default names, kind defaults, look-ups by index and name,
// the channel colour sequence, and the object manager that sees every object and routes input to
// the selected ones.

#include "plot/iPlotAnnotation.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotLabel.h"
#include "plot/iPlotLegend.h"
#include "plot/iPlotLimit.h"
#include "plot/iPlotObjects.h"
#include "plot/iPlotTable.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/Exception.h"

#include <QString>

#include <vector>

namespace vcl {
class TReader;
class TWriter;
}

class TiPlotObjectManagerCustom : public vcl::TObject
{
public:
    // Checks owner and callbacks; the manager is announced afterwards by Announce.
    TiPlotObjectManagerCustom(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                              vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    // Reports OnRemove (Clear runs first in the owning managers).
    ~TiPlotObjectManagerCustom() override;

    // Tells the insert handler about this manager (the master manager learns its managers so).
    virtual void Announce();

    int Count() const { return static_cast<int>(FList.size()); }
    // Raises the list index error outside 0..Count-1.
    TiPlotObject* Items(int Index) const;
    vcl::TWinControl* Owner() const { return FOwner; }

    virtual TiPlotObject* CreateObject() = 0;
    virtual QString GetBaseName() const = 0;
    virtual void NotificationRemove(vcl::TObject* Sender);
    virtual void NotificationInsert(vcl::TObject* Sender) = 0;
    virtual void NotificationRename(TiPlotObject* Sender);
    virtual void NotificationSetFocus(TiPlotObject* Sender);
    // The base owns nothing: empty.
    virtual void Clear() {}
    // Takes the entry out without freeing the object.
    void Delete(int Index);

    // Appends unless already held.
    void InsertObject(TiPlotObject* AObject);
    // The base name, a blank and one more than the largest number among the names "<base><number>".
    QString GetNextName() const;
    int GetIndex(const TiPlotObject* AObject) const;
    // Letter case ignored; the first match; nullptr / -1 when there is none.
    TiPlotObject* GetObjectByName(const QString& Value) const;
    int GetIndexByName(const QString& Value) const;
    bool DoWriteToStream() const { return Count() > 0; }
    // The objects as one collection value, each item its stored published properties.
    void WriteToStream(vcl::TWriter& Writer) const;
    // Clears the manager, then creates, reads and announces one object per item; another value
    // where the collection belongs is passed over and leaves the manager empty.
    void ReadFromStream(vcl::TReader& Reader);

    vcl::TNotifyEvent OnChange;
    vcl::TNotifyEvent OnInsert;
    vcl::TNotifyEvent OnRemove;
    vcl::TNotifyEvent OnRename;

protected:
    virtual void DoObjectRemoved(TiPlotObject* AObject) {}
    // The object at Index checked as the kind T (the platform's invalid-cast error otherwise).
    template <typename T>
    T* ItemAs(int Index) const;

    std::vector<TiPlotObject*> FList;
    vcl::TWinControl* FOwner { nullptr };
};

template <typename T>
T* TiPlotObjectManagerCustom::ItemAs(int Index) const
{
    TiPlotObject* item = Items(Index);
    T* typed = dynamic_cast<T*>(item);
    if (!typed)
        throw vcl::EInvalidCast(QStringLiteral("Invalid class typecast"));
    return typed;
}

// A manager that owns its objects: Clear and the destructor free them.
class TiPlotObjectOwnedManager : public TiPlotObjectManagerCustom
{
public:
    using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;
    ~TiPlotObjectOwnedManager() override;

    void Clear() override;
    void NotificationRemove(vcl::TObject* Sender) override;
    void NotificationInsert(vcl::TObject* Sender) override;

protected:
    // True for objects of the manager's kind.
    virtual bool IsKind(const TiPlotObject* AObject) const = 0;
    // Kind defaults for a new object that has just received its default name.
    virtual void FillDefaults(TiPlotObject* AObject) {}
};

// One typed manager per kind: creates its kind, names it and answers look-ups as the kind.
template <typename T>
class TiPlotTypedManager : public TiPlotObjectOwnedManager
{
public:
    using TiPlotObjectOwnedManager::TiPlotObjectOwnedManager;
    T* Item(int Index) const { return this->template ItemAs<T>(Index); }
    T* GetByName(const QString& Value) const { return dynamic_cast<T*>(GetObjectByName(Value)); }
    TiPlotObject* CreateObject() override
    {
        return new T(FOwner, OnChange, OnInsert, OnRemove, OnRename);
    }

protected:
    bool IsKind(const TiPlotObject* AObject) const override { return dynamic_cast<const T*>(AObject) != nullptr; }
};

class TiPlotToolBarManager : public TiPlotTypedManager<TiPlotToolBar>
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("Toolbar"); }
};

class TiPlotLegendManager : public TiPlotTypedManager<TiPlotLegend>
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("Legend"); }
};

class TiPlotTableManager : public TiPlotTypedManager<TiPlotTable>
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("Table"); }
};

class TiPlotXAxisManager : public TiPlotTypedManager<TiPlotXAxis>
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("X-Axis"); }

protected:
    void FillDefaults(TiPlotObject* AObject) override;
};

class TiPlotYAxisManager : public TiPlotTypedManager<TiPlotYAxis>
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("Y-Axis"); }

protected:
    void FillDefaults(TiPlotObject* AObject) override;
};

// Managers whose new objects refer to the first X and Y axis.
class TiPlotAxisBoundManager
{
public:
    TiPlotXAxisManager* XAxisManager() const { return FXAxisManager; }
    void SetXAxisManager(TiPlotXAxisManager* Value) { FXAxisManager = Value; }
    TiPlotYAxisManager* YAxisManager() const { return FYAxisManager; }
    void SetYAxisManager(TiPlotYAxisManager* Value) { FYAxisManager = Value; }

protected:
    QString FirstXAxisName() const;
    QString FirstYAxisName() const;
    void ForgetManager(vcl::TObject* Sender);

    TiPlotXAxisManager* FXAxisManager { nullptr };
    TiPlotYAxisManager* FYAxisManager { nullptr };
};

class TiPlotChannelManager : public TiPlotObjectOwnedManager, public TiPlotAxisBoundManager
{
public:
    using TiPlotObjectOwnedManager::TiPlotObjectOwnedManager;
    QString GetBaseName() const override { return QStringLiteral("Channel"); }
    TiPlotObject* CreateObject() override;
    TiPlotChannelCustom* Item(int Index) const { return ItemAs<TiPlotChannelCustom>(Index); }

    TiPlotChannelCustomClass ChannelClass() const { return FChannelClass; }
    void SetChannelClass(TiPlotChannelCustomClass Value) { FChannelClass = Value; }
    // Red for the first channel; then the first palette colour that the channels use least.
    vcl::TColor GetNextChannelColor() const;

    void NotificationRemove(vcl::TObject* Sender) override;

protected:
    bool IsKind(const TiPlotObject* AObject) const override;
    void FillDefaults(TiPlotObject* AObject) override;

private:
    TiPlotChannelCustomClass FChannelClass { &TiXYPlotChannel::Construct };
};

class TiPlotDataViewManager : public TiPlotTypedManager<TiPlotDataView>, public TiPlotAxisBoundManager
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("Data View"); }
    void NotificationRemove(vcl::TObject* Sender) override;

protected:
    void FillDefaults(TiPlotObject* AObject) override;
};

class TiPlotDataCursorManager : public TiPlotTypedManager<TiPlotDataCursor>
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("Cursor"); }
    TiPlotChannelManager* ChannelManager() const { return FChannelManager; }
    void SetChannelManager(TiPlotChannelManager* Value) { FChannelManager = Value; }
    TiPlotDataViewManager* DataViewManager() const { return FDataViewManager; }
    void SetDataViewManager(TiPlotDataViewManager* Value) { FDataViewManager = Value; }
    void NotificationRemove(vcl::TObject* Sender) override;

protected:
    void FillDefaults(TiPlotObject* AObject) override;

private:
    TiPlotChannelManager* FChannelManager { nullptr };
    TiPlotDataViewManager* FDataViewManager { nullptr };
};

class TiPlotLimitManager : public TiPlotTypedManager<TiPlotLimit>, public TiPlotAxisBoundManager
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("Limit"); }
    void NotificationRemove(vcl::TObject* Sender) override;

protected:
    void FillDefaults(TiPlotObject* AObject) override;
};

class TiPlotLabelManager : public TiPlotTypedManager<TiPlotLabel>
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("Label"); }

protected:
    void FillDefaults(TiPlotObject* AObject) override;
};

// Annotations keep the name they are given: a new one stays unnamed.
class TiPlotAnnotationManager : public TiPlotTypedManager<TiPlotAnnotation>
{
public:
    using TiPlotTypedManager::TiPlotTypedManager;
    QString GetBaseName() const override { return QStringLiteral("Annotation"); }
    void NotificationInsert(vcl::TObject* Sender) override;
};

// Sees every plot object (owning none) and routes input to the user-selected ones.
class TiPlotObjectManager : public TiPlotObjectManagerCustom
{
public:
    using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;

    QString GetBaseName() const override { return QStringLiteral("n/a"); }
    // Raises: this manager creates nothing.
    TiPlotObject* CreateObject() override;
    void NotificationInsert(vcl::TObject* Sender) override;

    void ClearAllUserSelections();
    void SetShiftState(vcl::TShiftState Value);
    void MouseDownFocusObjects(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y, int ScreenX,
                               int ScreenY, vcl::TPopupMenu* PopupMenu);
    void MouseMoveFocusObjects(TiHintData& HintData, vcl::TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                               bool DblClickActive);
    void MouseUpFocusObjects(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                             bool DblClickActive, vcl::TPopupMenu* PopupMenu);
    void KeyDownFocusObjects(vcl::WORD& CharCode, vcl::TShiftState Shift, vcl::TPopupMenu* PopupMenu);
    // Every selected object gets the wheel; true when any of them took it.
    bool MouseWheelFocusObjects(int WheelDelta, vcl::TShiftState Shift, vcl::TPoint MousePos);
    // Unwires the remove, layout-change and change callbacks of every object before the plot goes.
    void ShutDownSetup();

private:
    std::vector<TiPlotObject*> Selected() const;
};

// The palette of channel colours, in the order new channels take them.
const std::vector<vcl::TColor>& iChannelPalette();
