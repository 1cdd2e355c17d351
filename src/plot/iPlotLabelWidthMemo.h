#pragma once
// The widest label an axis measured last, with all that it depended on: asked again for the same
// font, text metrics, minimum length and texts, the axis has its answer without measuring again.
// An axis measures its labels several times in each paint and mostly the same labels from paint
// to paint.

#include "platform/ui/TFont.h"
#include "platform/ui/TextMetrics.h"

#include <QString>

#include <cstdint>
#include <vector>

class TiPlotLabelWidthMemo
{
public:
    // Ticks: a range of pointers to objects with a Text, measured after the Sample.
    template <typename Ticks>
    bool Matches(const vcl::TFont& Font, double MinLength, const QString& Sample, const Ticks& TickList) const
    {
        if (!m_valid || m_metrics != vcl::TextMetricsGeneration() || m_height != Font.Height()
            || m_style != Font.Style().Bits() || m_minLength != MinLength || m_name != Font.Name()
            || m_texts.size() != TickList.size() + 1 || m_texts.front() != Sample)
            return false;
        std::size_t i = 1;
        for (const auto& tick : TickList)
            if (m_texts[i++] != tick->Text)
                return false;
        return true;
    }

    template <typename Ticks>
    void Keep(const vcl::TFont& Font, double MinLength, const QString& Sample, const Ticks& TickList, int Width)
    {
        m_valid = true;
        m_metrics = vcl::TextMetricsGeneration();
        m_name = Font.Name();
        m_height = Font.Height();
        m_style = Font.Style().Bits();
        m_minLength = MinLength;
        m_texts.clear();
        m_texts.push_back(Sample);
        for (const auto& tick : TickList)
            m_texts.push_back(tick->Text);
        m_width = Width;
    }

    int Width() const { return m_width; }

private:
    bool m_valid { false };
    std::uint64_t m_metrics { 0 };
    QString m_name;
    int m_height { 0 };
    std::uint64_t m_style { 0 };
    double m_minLength { 0 };
    std::vector<QString> m_texts;
    int m_width { 0 };
};
