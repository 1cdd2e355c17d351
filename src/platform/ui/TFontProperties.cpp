#include "platform/core/PublishedProperties.h"
#include "platform/ui/TFont.h"

namespace vcl {

const TPropertyTable* TFont::PublishedProperties() const
{
    static const TPropertyTable table =
        TPropertyTableBuilder<TFont>(QStringLiteral("TFont"), TGraphicsObject::PublishedProperties())
            .Integer(QStringLiteral("Charset"), &TFont::Charset, &TFont::SetCharset).Range(0, 255)
            .Default(DEFAULT_CHARSET)
            .Color(QStringLiteral("Color"), &TFont::Color, &TFont::SetColor)
            .Integer(QStringLiteral("Height"), &TFont::Height, &TFont::SetHeight)
            .String(QStringLiteral("Name"), &TFont::Name, &TFont::SetName)
            .Integer(QStringLiteral("Size"), &TFont::Size, &TFont::SetSize).NotStored()
            .Set(QStringLiteral("Style"), { "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut" }, &TFont::Style,
                 &TFont::SetStyle).Default(TFontStyles {})
            .Build();
    return &table;
}

} // namespace vcl
