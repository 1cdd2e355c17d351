#pragma once
// The string list: kept in insertion order or sorted, optionally owning its objects, with change notices.

#include "platform/core/TStrings.h"

#include <functional>
#include <vector>

namespace vcl {

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings
{
public:
    using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

    TStringList() = default;
    explicit TStringList(bool OwnsObjects) : m_ownsObjects(OwnsObjects) {}
    ~TStringList() override;

    int Count() const override { return static_cast<int>(m_items.size()); }
    QString Get(int Index) const override;
    // Raises EStringListError on a sorted list.
    void Put(int Index, const QString& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    // Raises EStringListError "Operation not allowed on sorted list" on a sorted list.
    void Insert(int Index, const QString& S) override;
    void InsertObject(int Index, const QString& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    // On a sorted list the string goes to its place; an equal string is ignored (dupIgnore),
    // refused with EStringListError (dupError) or placed before the equal ones (dupAccept).
    int Add(const QString& S) override;
    int AddObject(const QString& S, TObject* AObject) override;
    int IndexOf(const QString& S) const override;
    void Exchange(int Index1, int Index2) override;
    void Assign(TPersistent* Source) override;

    // Binary search of a sorted list: true when found; Index is the match or the insertion place.
    virtual bool Find(const QString& S, int& Index) const;
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const { return m_sorted; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return m_duplicates; }
    void SetDuplicates(TDuplicates Value) { m_duplicates = Value; }
    bool CaseSensitive() const { return m_caseSensitive; }
    void SetCaseSensitive(bool Value);
    bool OwnsObjects() const { return m_ownsObjects; }
    void SetOwnsObjects(bool Value) { m_ownsObjects = Value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    // Without case (the default): case-folded order; with case: the same order, lower case first
    // between strings that differ only in case.
    virtual int CompareStrings(const QString& S1, const QString& S2) const;
    virtual void Changed();
    virtual void Changing();
    void SetUpdateState(bool Updating) override;
    void InsertItem(int Index, const QString& S, TObject* AObject);

private:
    struct Item
    {
        QString string;
        TObject* object { nullptr };
    };
    void checkIndex(int Index) const;

    std::vector<Item> m_items;
    bool m_sorted { false };
    TDuplicates m_duplicates { TDuplicates::dupIgnore };
    bool m_caseSensitive { false };
    bool m_ownsObjects { false };
};

} // namespace vcl
