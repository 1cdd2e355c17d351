#include "responseplot/LMyFFTTypes.h"

void TPlotList::Changed()
{
    static std::uint64_t next = 0;
    m_generation = ++next;
}

TPlotList::TPlotList(const TPlotList& other)
{
    Changed();
    for (const TPlotListMember* m = other.Head(); m != nullptr; m = m->Next.get()) {
        auto copy = std::make_unique<TPlotListMember>();
        copy->X = m->X;
        copy->Y = m->Y;
        copy->Color = m->Color;
        copy->Style = m->Style;
        copy->NumPoints = m->NumPoints;
        copy->Id = m->Id;
        copy->Next = std::move(m_head);
        m_head = std::move(copy);
    }
}

TPlotList::~TPlotList()
{
    Clear();
}

bool TPlotList::Add(const double* x, const double* y, int n, int id, vcl::TColor colour, TMyPlotStyle style)
{
    Changed();
    const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
    if (TPlotListMember* m = FindMember(id)) {
        m->X.assign(x, x + count);
        m->Y.assign(y, y + count);
        m->NumPoints = static_cast<int>(count);
        return true;
    }
    auto m = std::make_unique<TPlotListMember>();
    m->X.assign(x, x + count);
    m->Y.assign(y, y + count);
    m->NumPoints = static_cast<int>(count);
    m->Id = id;
    m->Color = colour;
    m->Style = style;
    m->Next = std::move(m_head);
    m_head = std::move(m);
    return false;
}

const TPlotListMember* TPlotList::Find(int id) const
{
    return FindMember(id);
}

TPlotListMember* TPlotList::FindToChange(int id)
{
    TPlotListMember* m = FindMember(id);
    if (m)
        Changed();
    return m;
}

TPlotListMember* TPlotList::FindMember(int id) const
{
    for (TPlotListMember* m = m_head.get(); m != nullptr; m = m->Next.get())
        if (m->Id == id)
            return m;
    return nullptr;
}

bool TPlotList::Remove(int id)
{
    for (std::unique_ptr<TPlotListMember>* link = &m_head; *link; link = &(*link)->Next) {
        if ((*link)->Id == id) {
            Changed();
            std::unique_ptr<TPlotListMember> gone = std::move(*link);
            *link = std::move(gone->Next);
            return true;
        }
    }
    return false;
}

void TPlotList::Clear()
{
    // Unlinked one by one, so a long list never recurses.
    Changed();
    while (m_head)
        m_head = std::move(m_head->Next);
}

void TPlotList::Append(const TPlotList& other)
{
    for (const TPlotListMember* m = other.Head(); m != nullptr; m = m->Next.get())
        Add(m->X.data(), m->Y.data(), m->NumPoints, m->Id, m->Color, m->Style);
}
