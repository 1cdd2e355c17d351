#pragma once
// A font as the class library describes it (face name, size at 96 DPI, style, colour, charset),
// resolved to the fonts Debian installs through one fixed mapping of Windows face names.

#include "platform/core/TSet.h"
#include "platform/ui/TGraphics.h"

#include <QFont>
#include <QString>

#include <cstdint>

namespace vcl {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

using TFontCharset = std::uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset GB2312_CHARSET = 134;

// The Debian family that stands in for a Windows face name (case-insensitive): Arial, Times New
// Roman and Courier New become Liberation Sans, Serif and Mono; Tahoma, Verdana and MS Sans Serif
// become DejaVu Sans; the Chinese faces become WenQuanYi Micro Hei. Other names pass unchanged.
QString DebianFontFamily(const QString& windowsName);

class TFont : public TGraphicsObject
{
public:
    static constexpr int PixelsPerInch = 96;

    TFont() = default;

    void Assign(TPersistent* Source) override;
    // Charset, Color, Height, Name, Size (not stored: Height carries it) and Style.
    const TPropertyTable* PublishedProperties() const override;

    // The Windows face name as the program set it (not the mapped family).
    const QString& Name() const { return m_name; }
    void SetName(const QString& value);
    // Points at 96 DPI: Size = -Height * 72 / 96, rounded (8 points is Height -11).
    int Size() const;
    void SetSize(int value);
    // Negative: character height in pixels without internal leading; positive: cell height.
    int Height() const { return m_height; }
    void SetHeight(int value);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TFontCharset Charset() const { return m_charset; }
    void SetCharset(TFontCharset value);

    // The Qt font to draw and measure with: mapped family, pixel size, style, no antialiasing.
    QFont QtFont() const;

private:
    QString m_name { QStringLiteral("Tahoma") };
    int m_height { -11 };
    TFontStyles m_style;
    TColor m_color { clWindowText };
    TFontCharset m_charset { DEFAULT_CHARSET };
};

} // namespace vcl
