#include "plot/iLimitDataList.h"

#include "platform/core/Exception.h"

int TiLimitDataList::Add(double Value1, double Value2, double Value3)
{
    if (m_count == m_capacity) {
        int delta = 4;
        if (m_capacity > 64)
            delta = m_capacity / 4;
        else if (m_capacity > 8)
            delta = 16;
        SetCapacity(m_capacity + delta);
    }
    m_items[m_count] = TiLimitData { Value1, Value2, Value3 };
    return m_count++;
}

void TiLimitDataList::SetCapacity(int NewCapacity)
{
    if (NewCapacity > MaxListSize || NewCapacity < 0)
        throw vcl::Exception(QStringLiteral("Exceed Maximum List Size"));
    if (NewCapacity == m_capacity)
        return;
    m_items.resize(static_cast<std::size_t>(NewCapacity));
    m_items.shrink_to_fit();
    m_capacity = NewCapacity;
    if (m_count > NewCapacity)
        m_count = NewCapacity;
}

void TiLimitDataList::Clear()
{
    m_count = 0;
    SetCapacity(0);
}

const TiLimitData& TiLimitDataList::Item(int Index) const
{
    if (Index < 0 || Index >= m_count)
        throw vcl::Exception(QStringLiteral("Index out of Bounds"));
    return m_items[static_cast<std::size_t>(Index)];
}
