// The published and defined form properties of the combo box: framing properties only where no frame
// controller supplies them, the items before the chosen index, and the readers of the properties
// older forms carried.

#include "widgets/RzCmboBx.h"

#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"
#include "widgets/ControlProperties.h"

using namespace vcl;

namespace rz {

using K = TRzFrameControllerProperty;

bool TRzCustomComboBox::IsColorStored() const
{
    return IsFrameStored<K::fcpColor>() && Enabled();
}

bool TRzCustomComboBox::IsFocusColorStored() const
{
    return IsFrameStored<K::fcpFocusColor>() && ColorToRGB(FocusColor()) != ColorToRGB(Color());
}

void TRzCustomComboBox::DefineProperties(TFiler& Filer)
{
    TComboBox::DefineProperties(Filer);
    widgets::DefineReference(Filer, QStringLiteral("FrameController"), *this, FrameController(),
                             [this](TComponent* c) { SetFrameController(dynamic_cast<TRzFrameController*>(c)); });
    widgets::DefineStrings(Filer, QStringLiteral("Items"), *Items());
    Filer.DefineProperty(
        QStringLiteral("ItemIndex"), [this](TReader& Reader) { SetItemIndex(Reader.ReadInteger()); },
        [this](TWriter& Writer) { Writer.WriteInteger(ItemIndex()); }, ItemIndex() != -1);
    Filer.DefineProperty(
        QStringLiteral("Text"), [this](TReader& Reader) { SetText(Reader.ReadString()); },
        [this](TWriter& Writer) { Writer.WriteString(Text()); }, !Text().isEmpty());
    Filer.DefineProperty(
        QStringLiteral("FrameFlat"),
        [this](TReader& Reader) {
            const bool flat = Reader.ReadBoolean();
            SetFrameHotTrack(flat);
            if (flat) {
                SetFrameStyle(TFrameStyleEx::fsStatus);
                SetFrameHotStyle(TFrameStyleEx::fsLowered);
            }
        },
        nullptr, false);
    Filer.DefineProperty(
        QStringLiteral("FrameFocusStyle"),
        [this](TReader& Reader) { SetFrameHotStyle(FrameStyleFromIdent(Reader.ReadIdent(), FrameHotStyle())); },
        nullptr, false);
    widgets::DefineObsolete(Filer, QStringLiteral("FrameFlatStyle"));
}

void TRzComboBox::DefineProperties(TFiler& Filer)
{
    TRzCustomComboBox::DefineProperties(Filer);
    widgets::DefineStrings(Filer, QStringLiteral("Values"), FValues);
}

const TPropertyTable* TRzComboBox::PublishedProperties() const
{
    using P = TRzCustomComboBox;
    using C = TRzComboBox;
    static const TPropertyTable table =
        TPropertyTableBuilder<C>(QStringLiteral("TRzComboBox"), widgets::ControlPublishedProperties())
            .Enum(QStringLiteral("Style"),
                  { "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable" },
                  &P::Style, &P::SetStyle)
            .Default(TComboBoxStyle::csDropDown)
            .Boolean(QStringLiteral("AllowEdit"), &P::AllowEdit, &P::SetAllowEdit).Default(true)
            .Boolean(QStringLiteral("AutoComplete"), &P::AutoComplete, &P::SetAutoComplete).Default(true)
            .Boolean(QStringLiteral("AutoCloseUp"), &TComboBox::AutoCloseUp, &TComboBox::SetAutoCloseUp).Default(false)
            .Boolean(QStringLiteral("AutoDropDown"), &P::AutoDropDown, &P::SetAutoDropDown).Default(false)
            .Boolean(QStringLiteral("BeepOnInvalidKey"), &P::BeepOnInvalidKey, &P::SetBeepOnInvalidKey).Default(true)
            .Enum(QStringLiteral("CharCase"), { "ecNormal", "ecUpperCase", "ecLowerCase" }, &TComboBox::CharCase,
                  &TComboBox::SetCharCase)
            .Default(TEditCharCase::ecNormal)
            .Integer(QStringLiteral("DropDownCount"), &P::DropDownCount, &P::SetDropDownCount).Default(8)
            .Integer(QStringLiteral("DropDownWidth"), &P::DropDownWidth, &P::SetDropDownWidth).Default(0)
            .Integer(QStringLiteral("ItemHeight"), &P::ItemHeight, &P::SetItemHeight)
            .Boolean(QStringLiteral("KeepSearchCase"), &P::KeepSearchCase, &P::SetKeepSearchCase).Default(false)
            .Integer(QStringLiteral("MaxLength"), &P::MaxLength, &P::SetMaxLength).Default(0)
            .Boolean(QStringLiteral("ReadOnly"), &P::ReadOnly, &P::SetReadOnly).Default(false)
            .Boolean(QStringLiteral("Sorted"), &P::Sorted, &P::SetSorted).Default(false)
            .Boolean(QStringLiteral("TabOnEnter"), &P::TabOnEnter, &P::SetTabOnEnter).Default(false)
            .String(QStringLiteral("TextHint"), &TComboBox::TextHint, &TComboBox::SetTextHint).Default(QString())
            .Color(QStringLiteral("Color"), &TControl::Color, &TControl::SetColor).Default(clWindow)
            .Stored(&C::IsColorStored)
            .Color(QStringLiteral("FocusColor"), &P::FocusColor, &P::SetFocusColor).Default(clWindow)
            .Stored(&C::IsFocusColorStored)
            .Color(QStringLiteral("DisabledColor"), &P::DisabledColor, &P::SetDisabledColor).Default(clBtnFace)
            .Stored(&C::IsFrameStored<K::fcpDisabledColor>)
            .Color(QStringLiteral("ReadOnlyColor"), &P::ReadOnlyColor, &P::SetReadOnlyColor).Default(clInfoBk)
            .Stored(&C::IsFrameStored<K::fcpReadOnlyColor>)
            .Boolean(QStringLiteral("ReadOnlyColorOnFocus"), &P::ReadOnlyColorOnFocus, &P::SetReadOnlyColorOnFocus)
            .Default(false)
            .Stored(&C::IsFrameStored<K::fcpReadOnlyColorOnFocus>)
            .Color(QStringLiteral("FlatButtonColor"), &P::FlatButtonColor, &P::SetFlatButtonColor).Default(clBtnFace)
            .Stored(&C::IsFrameStored<K::fcpFlatButtonColor>)
            .Boolean(QStringLiteral("FlatButtons"), &P::FlatButtons, &P::SetFlatButtons).Default(false)
            .Stored(&C::IsFrameStored<K::fcpFlatButtons>)
            .Color(QStringLiteral("FrameColor"), &P::FrameColor, &P::SetFrameColor).Default(clBtnShadow)
            .Stored(&C::IsFrameStored<K::fcpFrameColor>)
            .Color(QStringLiteral("FrameHotColor"), &P::FrameHotColor, &P::SetFrameHotColor).Default(clBtnShadow)
            .Stored(&C::IsFrameStored<K::fcpFrameHotColor>)
            .Boolean(QStringLiteral("FrameHotTrack"), &P::FrameHotTrack, &P::SetFrameHotTrack).Default(false)
            .Stored(&C::IsFrameStored<K::fcpFrameHotTrack>)
            .Enum(QStringLiteral("FrameHotStyle"), ZQ9_FRAME_STYLES, &P::FrameHotStyle, &P::SetFrameHotStyle)
            .Default(TFrameStyleEx::fsFlatBold)
            .Stored(&C::IsFrameStored<K::fcpFrameHotStyle>)
            .Set(QStringLiteral("FrameSides"), ZQ9_SIDES, &P::FrameSides, &P::SetFrameSides).Default(sdAllSides)
            .Stored(&C::IsFrameStored<K::fcpFrameSides>)
            .Enum(QStringLiteral("FrameStyle"), ZQ9_FRAME_STYLES, &P::FrameStyle, &P::SetFrameStyle)
            .Default(TFrameStyleEx::fsFlat)
            .Stored(&C::IsFrameStored<K::fcpFrameStyle>)
            .Boolean(QStringLiteral("FrameVisible"), &P::FrameVisible, &P::SetFrameVisible).Default(false)
            .Stored(&C::IsFrameStored<K::fcpFrameVisible>)
            .Enum(QStringLiteral("FramingPreference"), { "fpCustomFraming", "fpXPThemes" }, &P::FramingPreference,
                  &P::SetFramingPreference)
            .Default(TFramingPreference::fpXPThemes)
            .Stored(&C::IsFrameStored<K::fcpFramingPreference>)
            .Set(QStringLiteral("FrameControllerNotifications"), ZQ9_FRAME_CONTROLLER_PROPERTIES,
                 &P::FrameControllerNotifications, &P::SetFrameControllerNotifications)
            .Default(AllFrameControllerNotifications())
            .Object(QStringLiteral("Font"), &TControl::Font)
            .Boolean(QStringLiteral("TabStop"), &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true)
            .Event(QStringLiteral("OnChange"))
            .Event(QStringLiteral("OnMouseWheel"))
            .Build();
    return &table;
}

} // namespace rz
