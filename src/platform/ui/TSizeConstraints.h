#pragma once
// The smallest and largest size a control may take; 0 means no limit on that side.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"

namespace vcl {

class TSizeConstraints : public TPersistent
{
public:
    TSizeConstraints() = default;

    void Assign(TPersistent* Source) override;
    // MaxHeight, MaxWidth, MinHeight, MinWidth, each left out of a form while 0.
    const TPropertyTable* PublishedProperties() const override;

    int MinWidth() const { return m_minWidth; }
    int MinHeight() const { return m_minHeight; }
    int MaxWidth() const { return m_maxWidth; }
    int MaxHeight() const { return m_maxHeight; }
    // A minimum above the maximum raises the maximum with it, a maximum below the minimum lowers
    // the minimum: the limits never cross.
    void SetMinWidth(int value) { SetMinimum(m_minWidth, m_maxWidth, value); }
    void SetMinHeight(int value) { SetMinimum(m_minHeight, m_maxHeight, value); }
    void SetMaxWidth(int value) { SetMaximum(m_maxWidth, m_minWidth, value); }
    void SetMaxHeight(int value) { SetMaximum(m_maxHeight, m_minHeight, value); }

    // True when no side has a limit.
    bool Empty() const { return m_minWidth == 0 && m_minHeight == 0 && m_maxWidth == 0 && m_maxHeight == 0; }
    // The size clamped to the limits.
    int ConstrainWidth(int width) const { return Constrain(width, m_minWidth, m_maxWidth); }
    int ConstrainHeight(int height) const { return Constrain(height, m_minHeight, m_maxHeight); }

    // A limit changed.
    TNotifyEvent OnChange;

private:
    static int Constrain(int value, int min, int max);
    // One side's limit set, the other limit of that side moved along where they would cross.
    void SetMinimum(int& minimum, int& maximum, int value);
    void SetMaximum(int& maximum, int& minimum, int value);
    void Change();

    int m_minWidth { 0 };
    int m_minHeight { 0 };
    int m_maxWidth { 0 };
    int m_maxHeight { 0 };
};

} // namespace vcl
