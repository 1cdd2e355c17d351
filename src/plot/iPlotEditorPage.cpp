// Loading an editor page from an object's published properties and writing it back.

#include "plot/iPlotEditorPage.h"

#include "plot/iEditorPickers.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"
#include "platform/ui/TFont.h"

#include <algorithm>

using namespace vcl;

namespace {

bool HasValue(TiEditorKind Kind)
{
    switch (Kind) {
    case TiEditorKind::Group:
    case TiEditorKind::Button:
    case TiEditorKind::OpenPicker:
    case TiEditorKind::SavePicker:
    case TiEditorKind::Display: return false;
    default: return true;
    }
}

// The property the control edits; a table naming a property the object does not publish is a
// fault of the editor, reported at once rather than skipped.
const TPropertyInfo& PropertyOf(const TPersistent& Object, const QString& Name)
{
    const TPropertyInfo* info = FindPublishedProperty(Object, Name);
    if (!info) {
        const TPropertyTable* table = PropertyTableOf(Object);
        throw EPropertyError(QStringLiteral("The editor edits %1, which %2 does not publish")
                                 .arg(Name, table ? table->ClassName() : QStringLiteral("the object")));
    }
    return *info;
}

bool SameValue(const TPropertyValue& A, const TPropertyValue& B)
{
    return A == B;
}

} // namespace

const TiPlotEditorPage::Bound* TiPlotEditorPage::Find(const QString& Property) const
{
    for (const Bound& b : m_bound)
        if (HasValue(b.Spec->Kind) && b.Spec->Property.compare(Property, Qt::CaseInsensitive) == 0)
            return &b;
    return nullptr;
}

bool TiPlotEditorPage::Applies(const Bound& B, bool Strip) const
{
    const int stripFlags = TiEditorFlag::StripOnly | TiEditorFlag::StripValueOnly;
    return HasValue(B.Spec->Kind) && (Strip || !(B.Flags & stripFlags));
}

void TiPlotEditorPage::Load(const TPersistent& Object, bool Strip) const
{
    for (const Bound& b : m_bound)
        if (Applies(b, Strip))
            LoadOne(b, Object);
}

void TiPlotEditorPage::LoadOne(const Bound& B, const TPersistent& Object) const
{
    using published_detail::FloatOf;
    using published_detail::OrdinalOf;
    using published_detail::StringOf;
    const TPropertyInfo& prop = PropertyOf(Object, B.Spec->Property);
    const TPropertyValue value = GetPropValue(Object, prop);
    switch (B.Spec->Kind) {
    case TiEditorKind::Check: static_cast<TiComponentEditorCheckBox*>(B.Control)->SetAsBoolean(OrdinalOf(value) != 0); break;
    case TiEditorKind::Number:
        static_cast<TiComponentEditorEdit*>(B.Control)
            ->SetAsFloat(std::holds_alternative<double>(value) ? FloatOf(value) : static_cast<double>(OrdinalOf(value)));
        break;
    case TiEditorKind::Integer:
        static_cast<TiComponentEditorEdit*>(B.Control)
            ->SetAsInteger(std::holds_alternative<double>(value) ? SaturateToInt(FloatOf(value))
                                                                  : static_cast<int>(OrdinalOf(value)));
        break;
    case TiEditorKind::Text: static_cast<TiComponentEditorEdit*>(B.Control)->SetAsString(StringOf(value)); break;
    case TiEditorKind::List: {
        int index = static_cast<int>(OrdinalOf(value));
        const auto& ordinals = B.Spec->Ordinals;
        if (!ordinals.empty()) {
            const auto at = std::find(ordinals.begin(), ordinals.end(), index);
            index = at == ordinals.end() ? -1 : static_cast<int>(at - ordinals.begin());
        }
        static_cast<TiComponentEditorComboBox*>(B.Control)->SetAsInteger(index);
        break;
    }
    case TiEditorKind::EditList:
    case TiEditorKind::NameList: static_cast<TiComponentEditorComboBox*>(B.Control)->SetAsString(StringOf(value)); break;
    case TiEditorKind::Radio:
        static_cast<TiComponentEditorRadioGroup*>(B.Control)->SetAsInteger(static_cast<int>(OrdinalOf(value)));
        break;
    case TiEditorKind::Color:
        static_cast<TiComponentEditorColorPicker*>(B.Control)->SetColor(static_cast<TColor>(OrdinalOf(value)));
        break;
    case TiEditorKind::Font:
        if (auto* font = dynamic_cast<TFont*>(published_detail::ObjectOf(value)))
            static_cast<TiComponentEditorFontPicker*>(B.Control)->SetFont(font);
        break;
    default: break;
    }
}

void TiPlotEditorPage::Apply(TPersistent& Object, bool Strip, const std::function<void(const QString&)>& Trace) const
{
    auto write = [&](const QString& property) {
        const Bound* b = Find(property);
        if (!b || !Applies(*b, Strip))
            return;
        if (Trace)
            Trace(property);
        ApplyOne(*b, Object);
    };
    for (const QString& property : m_spec.ApplyOrder)
        write(property);
    if (Strip)
        for (const QString& property : m_spec.StripApplyOrder)
            write(property);
}

void TiPlotEditorPage::ApplyOne(const Bound& B, TPersistent& Object) const
{
    const TPropertyInfo& prop = PropertyOf(Object, B.Spec->Property);
    const bool floatProperty = prop.Kind == TPropertyKind::Float;
    TPropertyValue value;
    switch (B.Spec->Kind) {
    case TiEditorKind::Check:
        value = std::int64_t(static_cast<TiComponentEditorCheckBox*>(B.Control)->AsBoolean());
        break;
    case TiEditorKind::Number: {
        const double number = static_cast<TiComponentEditorEdit*>(B.Control)->AsFloat();
        value = floatProperty ? TPropertyValue(number) : TPropertyValue(std::int64_t(SaturateToInt(Round(number))));
        break;
    }
    case TiEditorKind::Integer: {
        const int number = static_cast<TiComponentEditorEdit*>(B.Control)->AsInteger();
        value = floatProperty ? TPropertyValue(double(number)) : TPropertyValue(std::int64_t(number));
        break;
    }
    case TiEditorKind::Text: value = static_cast<TiComponentEditorEdit*>(B.Control)->AsString(); break;
    case TiEditorKind::EditList:
    case TiEditorKind::NameList: value = static_cast<TiComponentEditorComboBox*>(B.Control)->AsString(); break;
    case TiEditorKind::List:
    case TiEditorKind::Radio: {
        const int index = B.Spec->Kind == TiEditorKind::List
            ? static_cast<TiComponentEditorComboBox*>(B.Control)->AsInteger()
            : static_cast<TiComponentEditorRadioGroup*>(B.Control)->AsInteger();
        if (index < 0 || index >= B.Spec->Items.size())
            return; // nothing chosen: the property keeps its value
        const int ordinal = B.Spec->Ordinals.empty() ? index : B.Spec->Ordinals[static_cast<size_t>(index)];
        if (!prop.ElementNames.isEmpty() && ordinal >= prop.ElementNames.size())
            return;
        value = std::int64_t(ordinal);
        break;
    }
    case TiEditorKind::Color:
        value = std::int64_t(static_cast<TiComponentEditorColorPicker*>(B.Control)->Color());
        break;
    case TiEditorKind::Font:
        SetPropValue(Object, prop, static_cast<TPersistent*>(static_cast<TiComponentEditorFontPicker*>(B.Control)->Font()));
        return;
    default: return;
    }
    // Setters with side effects (a ring buffer size, a log file name while logging) are reached
    // only by a value that changed.
    if (SameValue(GetPropValue(Object, prop), value))
        return;
    SetPropValue(Object, prop, value);
}
