#include "platform/ui/TextMetrics.h"

#include "platform/ui/TFont.h"

#include <QFontMetrics>

namespace vcl {

namespace {

std::shared_ptr<const ITextMetrics>& Current()
{
    static std::shared_ptr<const ITextMetrics> current = std::make_shared<TQtTextMetrics>();
    return current;
}

} // namespace

TSize TQtTextMetrics::TextExtent(const TFont& font, const QString& text) const
{
    const QFontMetrics metrics(font.QtFont());
    return { metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent() };
}

const ITextMetrics& TextMetrics()
{
    return *Current();
}

TTextMetricsOverride::TTextMetricsOverride(std::shared_ptr<const ITextMetrics> metrics)
    : m_previous(Current())
{
    if (metrics)
        Current() = std::move(metrics);
}

TTextMetricsOverride::~TTextMetricsOverride()
{
    Current() = std::move(m_previous);
}

} // namespace vcl
