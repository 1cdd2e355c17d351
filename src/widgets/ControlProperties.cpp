#include "widgets/ControlProperties.h"

namespace widgets {

using namespace vcl;

const TPropertyTable* ControlPublishedProperties()
{
    static const TPropertyTable table =
        TPropertyTableBuilder<TControl>(QStringLiteral("TControl"), nullptr)
            .Integer(QStringLiteral("Left"), &TControl::Left, &TControl::SetLeft)
            .Integer(QStringLiteral("Top"), &TControl::Top, &TControl::SetTop)
            .Integer(QStringLiteral("Width"), &TControl::Width, &TControl::SetWidth)
            .Integer(QStringLiteral("Height"), &TControl::Height, &TControl::SetHeight)
            .Enum(QStringLiteral("Align"), { "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom" },
                  &TControl::Align, &TControl::SetAlign)
            .Default(TAlign::alNone)
            .Integer(QStringLiteral("Cursor"), &TControl::Cursor, &TControl::SetCursor).Default(crDefault)
            .String(QStringLiteral("Hint"), &TControl::Hint, &TControl::SetHint).Default(QString())
            .Boolean(QStringLiteral("ShowHint"), &TControl::ShowHint, &TControl::SetShowHint).Default(false)
            .Integer(QStringLiteral("Tag"), &TComponent::Tag, &TComponent::SetTag).Default(0)
            .Boolean(QStringLiteral("Visible"), &TControl::Visible, &TControl::SetVisible).Default(true)
            .Boolean(QStringLiteral("Enabled"), &TControl::Enabled, &TControl::SetEnabled).Default(true)
            .Build();
    return &table;
}

} // namespace widgets
