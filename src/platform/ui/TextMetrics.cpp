#include "platform/ui/TextMetrics.h"

#include "platform/ui/TFont.h"

#include <QFontMetrics>
#include <QHash>

#include <cstdint>
#include <mutex>

namespace vcl {

namespace {

std::shared_ptr<const ITextMetrics>& Current()
{
    static std::shared_ptr<const ITextMetrics> current = std::make_shared<TQtTextMetrics>();
    return current;
}

// What a measure depends on: the Qt font is made from the face name, height and style alone.
struct ExtentKey
{
    QString name;
    int height;
    std::uint64_t style;
    QString text;

    bool operator==(const ExtentKey&) const = default;
};

size_t qHash(const ExtentKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.name, key.height, key.style, key.text);
}

} // namespace

struct TQtTextMetrics::Cache
{
    static constexpr qsizetype Bound = 8192;
    std::mutex lock;
    QHash<ExtentKey, TSize> extents;
};

TQtTextMetrics::TQtTextMetrics()
    : m_cache(std::make_unique<Cache>())
{
}

TQtTextMetrics::~TQtTextMetrics() = default;

TSize TQtTextMetrics::TextExtent(const TFont& font, const QString& text) const
{
    ExtentKey key { font.Name(), font.Height(), font.Style().Bits(), text };
    {
        const std::lock_guard<std::mutex> hold(m_cache->lock);
        const auto found = m_cache->extents.constFind(key);
        if (found != m_cache->extents.constEnd())
            return *found;
    }
    const QFontMetrics metrics(font.QtFont());
    const TSize extent { metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent() };
    const std::lock_guard<std::mutex> hold(m_cache->lock);
    if (m_cache->extents.size() >= Cache::Bound)
        m_cache->extents.clear();
    m_cache->extents.insert(std::move(key), extent);
    return extent;
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
