#pragma once
// The one place where text is measured, behind an interface so that tests can plug fixed metrics.

#include "platform/core/Types.h"

#include <QString>

#include <cstdint>

#include <memory>

class QFont;

namespace vcl {

class TFont;

class ITextMetrics
{
public:
    virtual ~ITextMetrics() = default;
    // Width and height of one line of text in pixels; the height is the font's cell height
    // (ascent + descent) whatever the text is, as GDI measures it.
    virtual TSize TextExtent(const TFont& font, const QString& text) const = 0;

protected:
    ITextMetrics() = default;
};

// Measures with the font files the mapped font resolves to. Windows draw the same few texts in the same
// few fonts over and over, so each measure is kept (up to a bound) and given again for the same font
// and text.
class TQtTextMetrics : public ITextMetrics
{
public:
    TQtTextMetrics();
    ~TQtTextMetrics() override;
    TSize TextExtent(const TFont& font, const QString& text) const override;

private:
    struct Cache;
    std::unique_ptr<Cache> m_cache;
};

// The metrics in use: TQtTextMetrics unless a TTextMetricsOverride is alive.
const ITextMetrics& TextMetrics();
// Changes whenever other metrics come into use, so that measures kept elsewhere can tell they are old.
std::uint64_t TextMetricsGeneration();

// Installs other metrics for its lifetime and puts the previous ones back on every exit path.
class TTextMetricsOverride
{
public:
    explicit TTextMetricsOverride(std::shared_ptr<const ITextMetrics> metrics);
    ~TTextMetricsOverride();
    TTextMetricsOverride(const TTextMetricsOverride&) = delete;
    TTextMetricsOverride& operator=(const TTextMetricsOverride&) = delete;

private:
    std::shared_ptr<const ITextMetrics> m_previous;
};

} // namespace vcl
