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

std::uint64_t& Generation()
{
    static std::uint64_t generation = 0;
    return generation;
}

// What a measure depends on: the Qt font is made from the face name, height and style alone.
struct FontKey
{
    QString name;
    int height { 0 };
    std::uint64_t style { 0 };

    bool operator==(const FontKey&) const = default;
};

size_t qHash(const FontKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.name, key.height, key.style);
}

using Extents = QHash<QString, TSize>;

} // namespace

// The measures of each font by text. Texts come in runs of one font (an axis measures all its
// labels), so the font of the last look-up is kept at hand and only the text is hashed.
struct TQtTextMetrics::Cache
{
    static constexpr qsizetype Bound = 8192;
    std::mutex lock;
    QHash<FontKey, Extents> fonts;
    qsizetype count { 0 };
    FontKey lastFont;
    Extents* last { nullptr };

    // The measures of Font, made when missing. Under the lock.
    Extents& For(const TFont& Font)
    {
        if (last && lastFont.height == Font.Height() && lastFont.style == Font.Style().Bits()
            && lastFont.name == Font.Name())
            return *last;
        lastFont = FontKey { Font.Name(), Font.Height(), Font.Style().Bits() };
        last = &fonts[lastFont];
        return *last;
    }

    void Insert(const TFont& Font, const QString& Text, TSize Extent)
    {
        if (count >= Bound) {
            fonts.clear();
            last = nullptr;
            count = 0;
        }
        Extents& extents = For(Font);
        if (!extents.contains(Text))
            ++count;
        extents.insert(Text, Extent);
    }
};

TQtTextMetrics::TQtTextMetrics()
    : m_cache(std::make_unique<Cache>())
{
}

TQtTextMetrics::~TQtTextMetrics() = default;

TSize TQtTextMetrics::TextExtent(const TFont& font, const QString& text) const
{
    {
        const std::lock_guard<std::mutex> hold(m_cache->lock);
        const Extents& extents = m_cache->For(font);
        const auto found = extents.constFind(text);
        if (found != extents.constEnd())
            return *found;
    }
    const QFontMetrics metrics(font.QtFont());
    const TSize extent { metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent() };
    const std::lock_guard<std::mutex> hold(m_cache->lock);
    m_cache->Insert(font, text, extent);
    return extent;
}

const ITextMetrics& TextMetrics()
{
    return *Current();
}

std::uint64_t TextMetricsGeneration() { return Generation(); }

TTextMetricsOverride::TTextMetricsOverride(std::shared_ptr<const ITextMetrics> metrics)
    : m_previous(Current())
{
    if (metrics)
        Current() = std::move(metrics);
    ++Generation();
}

TTextMetricsOverride::~TTextMetricsOverride()
{
    Current() = std::move(m_previous);
    ++Generation();
}

} // namespace vcl
