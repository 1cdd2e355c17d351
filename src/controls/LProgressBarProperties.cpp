// The published properties of the level meter: the panel's, then the meter's in the order a form
// sets them. Position follows the zone counts and the range, so a stored position is clamped to the
// stored range and lights the stored segments. Each declared default is the value the meter starts
// with, so every value a form keeps reads back as it was written.

#include "controls/LProgressBar.h"

#include "widgets/ControlProperties.h"

using namespace vcl;

const TPropertyTable* LProgressBar::PublishedProperties() const
{
    using P = LProgressBar;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("LProgressBar"), widgets::ControlPublishedProperties())
            .Enum(QStringLiteral("Alignment"), { "taLeftJustify", "taRightJustify", "taCenter" }, &TPanel::Alignment,
                  &TPanel::SetAlignment)
            .Default(TAlignment::taCenter)
            .Enum(QStringLiteral("BevelInner"), { "bvNone", "bvLowered", "bvRaised", "bvSpace" }, &TPanel::BevelInner,
                  &TPanel::SetBevelInner)
            .Default(TPanelBevel::bvLowered)
            .Enum(QStringLiteral("BevelOuter"), { "bvNone", "bvLowered", "bvRaised", "bvSpace" }, &TPanel::BevelOuter,
                  &TPanel::SetBevelOuter)
            .Default(TPanelBevel::bvLowered)
            .Integer(QStringLiteral("BevelWidth"), &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1)
            .Integer(QStringLiteral("BorderWidth"), &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0)
            .String(QStringLiteral("Caption"), &TControl::Caption, &TControl::SetCaption).Default(QString())
            .Color(QStringLiteral("Color"), &TControl::Color, &TControl::SetColor).Default(TColor(0))
            .Color(QStringLiteral("FirstColor"), &P::FirstColor, &P::SetFirstColor).Default(TColor(128))
            .Color(QStringLiteral("SecondColor"), &P::SecondColor, &P::SetSecondColor).Default(TColor(32896))
            .Color(QStringLiteral("ThirdColor"), &P::ThirdColor, &P::SetThirdColor).Default(TColor(32768))
            .Integer(QStringLiteral("FirstNum"), &P::FirstNum, &P::SetFirstNum).Default(1)
            .Integer(QStringLiteral("SecondNum"), &P::SecondNum, &P::SetSecondNum).Default(1)
            .Integer(QStringLiteral("ThirdNum"), &P::ThirdNum, &P::SetThirdNum).Default(3)
            .Integer(QStringLiteral("Max"), &P::Max, &P::SetMax).Default(100)
            .Integer(QStringLiteral("Min"), &P::Min, &P::SetMin).Default(0)
            .Integer(QStringLiteral("Position"), &P::Position, &P::SetPosition).Default(0)
            .Color(QStringLiteral("LFirstColor"), &P::LFirstColor, &P::SetLFirstColor).Default(TColor(255))
            .Color(QStringLiteral("LSecondColor"), &P::LSecondColor, &P::SetLSecondColor).Default(TColor(65535))
            .Color(QStringLiteral("LThirdColor"), &P::LThirdColor, &P::SetLThirdColor).Default(TColor(65280))
            .Build();
    return &table;
}
