// The published properties of the band editor: the group box's, then its own. Each declared default
// is the value the editor starts with, so a form keeps every value that differs from a new editor's
// and reads it back as it was written.

#include "controls/PeqBandEditor.h"

#include "platform/core/PublishedProperties.h"

using namespace vcl;

const TPropertyTable* PeqBandEditor::PublishedProperties() const
{
    using P = PeqBandEditor;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("PeqBandEditor"), rz::TRzGroupBox::PublishedProperties())
            .Event(QStringLiteral("OnChange"))
            .Boolean(QStringLiteral("UpdownVisable"), &P::GetUpdownVisable, &P::SetUpdownVisable).Default(false)
            .Boolean(QStringLiteral("TitleVisable"), &P::GetTitleVisable, &P::SetTitleVisable).Default(false)
            .Integer(QStringLiteral("TopBottomSpace"), &P::GetTopBottomSpace, &P::SetTopBottomSpace).Default(15)
            .Integer(QStringLiteral("ChannelNumber"), &P::GetChannelNumber, &P::SetChannelNumber)
            .Default(MaxRows)
            .Color(QStringLiteral("LabelColor"), &P::GetLabelColor, &P::SetLabelColor).Default(TColor(0))
            .Color(QStringLiteral("EditBackColor"), &P::GetEditBackColor, &P::SetEditBackColor).Default(TColor(0))
            .Color(QStringLiteral("BypassBackColor"), &P::GetBypassBackColor, &P::SetBypassBackColor)
            .Default(TColor(0))
            .Event(QStringLiteral("OnEditMouseDown"))
            .Event(QStringLiteral("OnPeqTypeMouseWheel"))
            .Build();
    return &table;
}
