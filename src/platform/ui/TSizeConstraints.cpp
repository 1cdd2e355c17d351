#include "platform/ui/TSizeConstraints.h"

#include "platform/core/PublishedProperties.h"

#include <algorithm>

namespace vcl {

int TSizeConstraints::Constrain(int value, int min, int max)
{
    if (min > 0 && value < min)
        return min;
    if (max > 0 && value > max)
        return max;
    return value;
}

void TSizeConstraints::Assign(TPersistent* Source)
{
    auto* other = dynamic_cast<TSizeConstraints*>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    m_minWidth = other->m_minWidth;
    m_minHeight = other->m_minHeight;
    m_maxWidth = other->m_maxWidth;
    m_maxHeight = other->m_maxHeight;
    Change();
}

void TSizeConstraints::SetMinimum(int& minimum, int& maximum, int value)
{
    value = std::max(0, value);
    if (value == minimum)
        return;
    minimum = value;
    if (maximum > 0 && maximum < value)
        maximum = value;
    Change();
}

void TSizeConstraints::SetMaximum(int& maximum, int& minimum, int value)
{
    value = std::max(0, value);
    if (value == maximum)
        return;
    maximum = value;
    if (value > 0 && minimum > value)
        minimum = value;
    Change();
}

void TSizeConstraints::Change()
{
    if (OnChange)
        OnChange(this);
}

const TPropertyTable* TSizeConstraints::PublishedProperties() const
{
    using C = TSizeConstraints;
    static const TPropertyTable table =
        TPropertyTableBuilder<C>(QStringLiteral("TSizeConstraints"), TPersistent::PublishedProperties())
            .Integer(QStringLiteral("MaxHeight"), &C::MaxHeight, &C::SetMaxHeight).Range(0, 65535).Default(0)
            .Integer(QStringLiteral("MaxWidth"), &C::MaxWidth, &C::SetMaxWidth).Range(0, 65535).Default(0)
            .Integer(QStringLiteral("MinHeight"), &C::MinHeight, &C::SetMinHeight).Range(0, 65535).Default(0)
            .Integer(QStringLiteral("MinWidth"), &C::MinWidth, &C::SetMinWidth).Range(0, 65535).Default(0)
            .Build();
    return &table;
}

} // namespace vcl
