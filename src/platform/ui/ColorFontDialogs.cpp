#include "platform/ui/ColorFontDialogs.h"

#include "platform/ui/TFont.h"

#include <QColorDialog>
#include <QFontDialog>

#include <utility>

namespace vcl {

namespace {

TColorDialogHandler& ColorHandler()
{
    static TColorDialogHandler handler;
    return handler;
}

TFontDialogHandler& FontHandler()
{
    static TFontDialogHandler handler;
    return handler;
}

std::optional<TColor> ShowRealColorDialog(TColor Initial)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(Initial));
    if (!chosen.isValid())
        return std::nullopt;
    return FromQColor(chosen);
}

bool ShowRealFontDialog(TFont& Font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, Font.QtFont());
    if (!ok)
        return false;
    Font.SetName(chosen.family());
    if (chosen.pixelSize() > 0)
        Font.SetHeight(-chosen.pixelSize());
    else if (chosen.pointSize() > 0)
        Font.SetSize(chosen.pointSize());
    TFontStyles style;
    if (chosen.bold())
        style.Include(TFontStyle::fsBold);
    if (chosen.italic())
        style.Include(TFontStyle::fsItalic);
    if (chosen.underline())
        style.Include(TFontStyle::fsUnderline);
    if (chosen.strikeOut())
        style.Include(TFontStyle::fsStrikeOut);
    Font.SetStyle(style);
    return true;
}

} // namespace

TColorDialogSeam::TColorDialogSeam(TColorDialogHandler handler) : m_previous(std::move(ColorHandler()))
{
    ColorHandler() = std::move(handler);
}

TColorDialogSeam::~TColorDialogSeam()
{
    ColorHandler() = std::move(m_previous);
}

TFontDialogSeam::TFontDialogSeam(TFontDialogHandler handler) : m_previous(std::move(FontHandler()))
{
    FontHandler() = std::move(handler);
}

TFontDialogSeam::~TFontDialogSeam()
{
    FontHandler() = std::move(m_previous);
}

std::optional<TColor> RunColorDialog(TColor Initial)
{
    return ColorHandler() ? ColorHandler()(Initial) : ShowRealColorDialog(Initial);
}

bool RunFontDialog(TFont& Font)
{
    return FontHandler() ? FontHandler()(Font) : ShowRealFontDialog(Font);
}

} // namespace vcl
