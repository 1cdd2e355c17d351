#pragma once
// Decides on which side of the data view each layout object sits and in which stacking order, by
// one ZOrder per object on each axis of stacking, and keeps the four side lists that the layout pass
// turns into rectangles.

#include "plot/iPlotManagers.h"

#include <utility>
#include <vector>

// The data view's stand-in on one axis of stacking: objects with a smaller ZOrder lie below
// (left of) the data view, larger ones above (right of) it.
class TiPlotDataViewLayout : public TiPlotLayoutObject
{
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
};

class TiPlotDataViewHorz : public TiPlotDataViewLayout
{
public:
    using TiPlotDataViewLayout::TiPlotDataViewLayout;
};

class TiPlotDataViewVert : public TiPlotDataViewLayout
{
public:
    using TiPlotDataViewLayout::TiPlotDataViewLayout;
};

enum class TiInsertDirection { iidMerge, iidBelow, iidAbove };

// One side of the data view: entries sorted by their key (ZOrder, then rounded StartPercent, three
// digits each); an entry added with a key equal to others goes before them.
class TiLayoutSideList
{
public:
    int Count() const { return static_cast<int>(m_entries.size()); }
    const QString& Strings(int Index) const { return m_entries.at(static_cast<std::size_t>(Index)).first; }
    TiPlotLayoutObject* Objects(int Index) const { return m_entries.at(static_cast<std::size_t>(Index)).second; }
    int IndexOfObject(const TiPlotLayoutObject* Object) const;
    void Add(const QString& Key, TiPlotLayoutObject* Object);
    void Delete(int Index) { m_entries.erase(m_entries.begin() + Index); }
    void Clear() { m_entries.clear(); }

private:
    std::vector<std::pair<QString, TiPlotLayoutObject*>> m_entries;
};

class TiPlotLayoutManager : public TiPlotObjectManagerCustom
{
public:
    // Creates both placeholders (ZOrder 1, named "Data View").
    TiPlotLayoutManager(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                        vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotLayoutManager() override;

    // Announces the manager, then its placeholders with the manager disabled; ends enabled.
    void Announce() override;

    QString GetBaseName() const override { return QStringLiteral("Layout Object"); }
    TiPlotObject* CreateObject() override;
    void NotificationInsert(vcl::TObject* Sender) override;

    TiPlotDataViewHorz* DataViewHorz() const { return FDataViewHorz; }
    TiPlotDataViewVert* DataViewVert() const { return FDataViewVert; }
    bool Enabled() const { return FEnabled; }
    // Enabling rebuilds the side lists without touching any ZOrder.
    void SetEnabled(bool Value);
    bool XYAxesReverse() const { return FXYAxesReverse; }
    // Re-stacks the axes on their new sides (when enabled).
    void SetXYAxesReverse(bool Value);

    const TiLayoutSideList& TopList() const { return FTopList; }
    const TiLayoutSideList& BottomList() const { return FBottomList; }
    const TiLayoutSideList& LeftList() const { return FLeftList; }
    const TiLayoutSideList& RightList() const { return FRightList; }
    int TopUniqueCount() const { return FTopUniqueCount; }
    int BottomUniqueCount() const { return FBottomUniqueCount; }
    int LeftUniqueCount() const { return FLeftUniqueCount; }
    int RightUniqueCount() const { return FRightUniqueCount; }

    void InsertZOrder(TiPlotLayoutObject* NewObject, int DesiredZOrder, TiInsertDirection InsertDirection);
    void RemoveZOrder(TiPlotLayoutObject* AObject);
    int VisibleCount(const TiLayoutSideList& AList) const;
    void UpdateSideLists();

protected:
    void DoObjectRemoved(TiPlotObject* AObject) override;

private:
    std::vector<TiPlotLayoutObject*> Peers(const TiPlotLayoutObject* Object) const;
    static QString SideKey(const TiPlotLayoutObject* Object);
    static int UniqueCount(const TiLayoutSideList& List);

    bool FXYAxesReverse { false };
    TiPlotDataViewHorz* FDataViewHorz { nullptr };
    TiPlotDataViewVert* FDataViewVert { nullptr };
    bool FEnabled { false };
    bool FUpdating { false };
    bool FUpdateOccured { false };
    TiLayoutSideList FTopList;
    TiLayoutSideList FBottomList;
    TiLayoutSideList FLeftList;
    TiLayoutSideList FRightList;
    int FLeftUniqueCount { 0 };
    int FRightUniqueCount { 0 };
    int FBottomUniqueCount { 0 };
    int FTopUniqueCount { 0 };
};
