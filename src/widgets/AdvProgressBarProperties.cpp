// The published properties of the progress bar, in declaration order. A property equal to its
// initial value is left out of a form, except the ones the progress window always writes: those
// declare no default. The range comes before Position, so a form's position is read into the range
// the form gives rather than clamped to the initial one.

#include "widgets/AdvProgressBar.h"

#include "widgets/ControlProperties.h"

using namespace vcl;

const TPropertyTable* TAdvProgressBar::PublishedProperties() const
{
    using P = TAdvProgressBar;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TAdvProgressBar"), widgets::ControlPublishedProperties())
            .Set(QStringLiteral("Anchors"), ZQ9_ANCHOR_KINDS, &TControl::Anchors, &TControl::SetAnchors)
            .Default(DefaultAnchors)
            .Object(QStringLiteral("Constraints"), &TControl::Constraints)
            .Integer(QStringLiteral("Min"), &P::Min, &P::SetMin).Default(0)
            .Integer(QStringLiteral("Max"), &P::Max, &P::SetMax).Default(100)
            .Integer(QStringLiteral("Position"), &P::Position, &P::SetPosition)
            .Color(QStringLiteral("Level0Color"), &P::LevelColorOf<0>, &P::SetLevelColorOf<0>).Default(TColor(0x00FF00))
            .Color(QStringLiteral("Level0ColorTo"), &P::LevelColorToOf<0>, &P::SetLevelColorToOf<0>)
            .Color(QStringLiteral("Level1Color"), &P::LevelColorOf<1>, &P::SetLevelColorOf<1>).Default(TColor(0x00FFFF))
            .Color(QStringLiteral("Level1ColorTo"), &P::LevelColorToOf<1>, &P::SetLevelColorToOf<1>)
            .Color(QStringLiteral("Level2Color"), &P::LevelColorOf<2>, &P::SetLevelColorOf<2>)
            .Color(QStringLiteral("Level2ColorTo"), &P::LevelColorToOf<2>, &P::SetLevelColorToOf<2>)
            .Color(QStringLiteral("Level3Color"), &P::LevelColorOf<3>, &P::SetLevelColorOf<3>).Default(TColor(0x0000FF))
            .Color(QStringLiteral("Level3ColorTo"), &P::LevelColorToOf<3>, &P::SetLevelColorToOf<3>)
            .Integer(QStringLiteral("Level1Perc"), &P::Level1Perc, &P::SetLevel1Perc)
            .Integer(QStringLiteral("Level2Perc"), &P::Level2Perc, &P::SetLevel2Perc)
            .Color(QStringLiteral("Level0BkColor"), &P::LevelBkColorOf<0>, &P::SetLevelBkColorOf<0>).Default(clNone)
            .Color(QStringLiteral("Level1BkColor"), &P::LevelBkColorOf<1>, &P::SetLevelBkColorOf<1>).Default(clNone)
            .Color(QStringLiteral("Level2BkColor"), &P::LevelBkColorOf<2>, &P::SetLevelBkColorOf<2>).Default(clNone)
            .Color(QStringLiteral("BackgroundColor"), &P::BackgroundColor, &P::SetBackgroundColor)
            .Default(TColor(0xFFFFFF))
            .Color(QStringLiteral("BorderColor"), &P::BorderColor, &P::SetBorderColor).Default(TColor(0x808080))
            .Boolean(QStringLiteral("ShowBorder"), &P::ShowBorder, &P::SetShowBorder)
            .Boolean(QStringLiteral("Rounded"), &P::Rounded, &P::SetRounded).Default(true)
            .Enum(QStringLiteral("Orientation"), { "goHorizontal", "goVertical" }, &P::Orientation, &P::SetOrientation)
            .Default(TGaugeOrientation::goHorizontal)
            .Boolean(QStringLiteral("Stacked"), &P::Stacked, &P::SetStacked).Default(false)
            .Boolean(QStringLiteral("CompletionSmooth"), &P::CompletionSmooth, &P::SetCompletionSmooth).Default(false)
            .Boolean(QStringLiteral("ShowGradient"), &P::ShowGradient, &P::SetShowGradient).Default(true)
            .Integer(QStringLiteral("Steps"), &P::Steps, &P::SetSteps).Default(8)
            .Boolean(QStringLiteral("ShowPosition"), &P::ShowPosition, &P::SetShowPosition).Default(true)
            .Boolean(QStringLiteral("ShowPercentage"), &P::ShowPercentage, &P::SetShowPercentage).Default(true)
            .String(QStringLiteral("Format"), &P::Format, &P::SetFormat)
            .Object(QStringLiteral("Font"), &P::Font)
            .Boolean(QStringLiteral("Infinite"), &P::Infinite, &P::SetInfinite).Default(false)
            .Boolean(QStringLiteral("Animated"), &P::Animated, &P::SetAnimated).Default(false)
            .Integer(QStringLiteral("InfiniteInterval"), &P::InfiniteInterval, &P::SetInfiniteInterval).Default(50)
            .String(QStringLiteral("Version"), &P::Version, &P::SetVersion).Default(QStringLiteral("1.2.0.1"))
            .Event(QStringLiteral("OnMouseDown"))
            .Event(QStringLiteral("OnMouseUp"))
            .Event(QStringLiteral("OnMouseMove"))
            .Build();
    return &table;
}
