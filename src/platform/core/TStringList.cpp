#include "platform/core/TStringList.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <numeric>

namespace vcl {

namespace {
const QString kIndexError = QStringLiteral("List index out of bounds (%d)");
const QString kSortedError = QStringLiteral("Operation not allowed on sorted list");
const QString kDuplicateError = QStringLiteral("String list does not allow duplicates");
} // namespace

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    if (m_ownsObjects)
        for (Item& item : m_items)
            delete std::exchange(item.object, nullptr);
}

void TStringList::checkIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        Error(kIndexError, Index);
}

QString TStringList::Get(int Index) const
{
    checkIndex(Index);
    return m_items[static_cast<std::size_t>(Index)].string;
}

void TStringList::Put(int Index, const QString& S)
{
    if (m_sorted)
        throw EStringListError(kSortedError);
    checkIndex(Index);
    Changing();
    m_items[static_cast<std::size_t>(Index)].string = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const
{
    checkIndex(Index);
    return m_items[static_cast<std::size_t>(Index)].object;
}

void TStringList::PutObject(int Index, TObject* AObject)
{
    checkIndex(Index);
    Changing();
    Item& item = m_items[static_cast<std::size_t>(Index)];
    if (m_ownsObjects && item.object != AObject)
        delete item.object;
    item.object = AObject;
    Changed();
}

void TStringList::Insert(int Index, const QString& S)
{
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(int Index, const QString& S, TObject* AObject)
{
    if (m_sorted)
        throw EStringListError(kSortedError);
    if (Index < 0 || Index > Count())
        Error(kIndexError, Index);
    InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const QString& S, TObject* AObject)
{
    Changing();
    m_items.insert(m_items.begin() + Index, Item { S, AObject });
    Changed();
}

void TStringList::Delete(int Index)
{
    checkIndex(Index);
    Changing();
    TObject* object = m_items[static_cast<std::size_t>(Index)].object;
    m_items.erase(m_items.begin() + Index);
    if (m_ownsObjects)
        delete object;
    Changed();
}

void TStringList::Clear()
{
    if (m_items.empty())
        return;
    Changing();
    std::vector<Item> old;
    old.swap(m_items);
    if (m_ownsObjects)
        for (Item& item : old)
            delete item.object;
    Changed();
}

int TStringList::Add(const QString& S)
{
    return AddObject(S, nullptr);
}

int TStringList::AddObject(const QString& S, TObject* AObject)
{
    int index = Count();
    if (m_sorted && Find(S, index)) {
        switch (m_duplicates) {
        case TDuplicates::dupIgnore:
            return index;
        case TDuplicates::dupError:
            throw EStringListError(kDuplicateError);
        case TDuplicates::dupAccept:
            break;
        }
    }
    InsertItem(index, S, AObject);
    return index;
}

int TStringList::IndexOf(const QString& S) const
{
    if (!m_sorted) {
        for (int i = 0; i < Count(); ++i)
            if (CompareStrings(m_items[static_cast<std::size_t>(i)].string, S) == 0)
                return i;
        return -1;
    }
    int index = -1;
    return Find(S, index) ? index : -1;
}

void TStringList::Exchange(int Index1, int Index2)
{
    checkIndex(Index1);
    checkIndex(Index2);
    Changing();
    std::swap(m_items[static_cast<std::size_t>(Index1)], m_items[static_cast<std::size_t>(Index2)]);
    Changed();
}

void TStringList::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStringList*>(Source);
    if (source && source != this) {
        // Take the order rules first so the copied strings keep their order.
        m_sorted = false;
        TStrings::Assign(Source);
        m_caseSensitive = source->m_caseSensitive;
        m_duplicates = source->m_duplicates;
        m_sorted = source->m_sorted;
        return;
    }
    TStrings::Assign(Source);
}

bool TStringList::Find(const QString& S, int& Index) const
{
    bool found = false;
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        const int c = CompareStrings(m_items[static_cast<std::size_t>(mid)].string, S);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (m_duplicates != TDuplicates::dupAccept)
                    low = mid;
            }
        }
    }
    Index = low;
    return found;
}

void TStringList::Sort()
{
    CustomSort([](TStringList* list, int a, int b) {
        return list->CompareStrings(list->m_items[static_cast<std::size_t>(a)].string,
                                    list->m_items[static_cast<std::size_t>(b)].string);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare)
{
    if (m_items.size() < 2)
        return;
    Changing();
    // Sort positions, then rearrange: the comparer sees the list as it was.
    std::vector<int> order(m_items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(m_items.size());
    for (int i : order)
        sorted.push_back(std::move(m_items[static_cast<std::size_t>(i)]));
    m_items = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool Value)
{
    if (m_sorted == Value)
        return;
    if (Value)
        Sort();
    m_sorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (m_caseSensitive == Value)
        return;
    m_caseSensitive = Value;
    if (m_sorted)
        Sort();
}

int TStringList::CompareStrings(const QString& S1, const QString& S2) const
{
    const int folded = S1.compare(S2, Qt::CaseInsensitive);
    if (folded != 0 || !m_caseSensitive)
        return folded < 0 ? -1 : (folded > 0 ? 1 : 0);
    for (qsizetype i = 0; i < S1.size() && i < S2.size(); ++i) {
        const QChar a = S1[i];
        const QChar b = S2[i];
        if (a != b)
            return a.isLower() ? -1 : (b.isLower() ? 1 : (a < b ? -1 : 1));
    }
    return 0;
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

} // namespace vcl
