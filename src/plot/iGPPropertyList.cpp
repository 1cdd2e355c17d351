#include "plot/iGPPropertyList.h"

#include "platform/core/AnsiCodec.h"
#include "platform/core/NumberUtils.h"
#include "platform/core/PublishedProperties.h"
#include "platform/core/TStrings.h"
#include "platform/core/TWriter.h"

using namespace vcl;

namespace {

constexpr qsizetype kMaxLine = 255;

// The text as the 8-bit code page keeps it.
QString ThroughCodePage(const QString& text) { return AnsiCodec::Decode(AnsiCodec::EncodeToByteArray(text)); }

QString EscapedString(const QString& text)
{
    QString value = text.left(kMaxLine);
    value.replace(u'\r', QStringLiteral("#13"));
    value = value.left(kMaxLine);
    value.replace(u'\n', QStringLiteral("#10"));
    return value.left(kMaxLine);
}

QString UnescapedString(QString text)
{
    text.replace(QStringLiteral("#13"), QStringLiteral("\r"), Qt::CaseInsensitive);
    text.replace(QStringLiteral("#10"), QStringLiteral("\n"), Qt::CaseInsensitive);
    return text;
}

bool IsExcluded(const TStrings* excludeList, const QString& path)
{
    return excludeList && excludeList->IndexOf(path) >= 0;
}

void AddLine(TStrings* list, const QString& path, const QString& value)
{
    const QString line = ThroughCodePage(path.left(kMaxLine)) + QStringLiteral(" = ") + ThroughCodePage(value.left(kMaxLine));
    list->Add(line.left(kMaxLine));
}

} // namespace

QChar iLocalDecimalSeparator() { return FloatToStr(1.1).at(1); }

void iSaveObjectToStringList(TPersistent* Instance, const QString& Prefix, TStrings* List, bool OnlyNonDefault,
                             const TStrings* ExcludeList)
{
    if (!Instance || !List)
        return;
    const TPropertyTable* table = PropertyTableOf(*Instance);
    if (!table)
        return;
    for (const TPropertyInfo& prop : table->Properties()) {
        if (!prop.IsWritable() || !IsStoredProp(*Instance, prop))
            continue;
        const QString path = Prefix.trimmed().isEmpty() ? prop.Name : Prefix + u'.' + prop.Name;
        if (IsExcluded(ExcludeList, path))
            continue;
        switch (prop.Kind) {
        case TPropertyKind::Object:
            iSaveObjectToStringList(iGetObjectProperty(Instance, prop.Name), path, List, OnlyNonDefault, ExcludeList);
            break;
        case TPropertyKind::Method:
        case TPropertyKind::ClassRef:
            break;
        case TPropertyKind::Float:
            AddLine(List, path, FloatToStr(std::get<double>(GetPropValue(*Instance, prop))));
            break;
        case TPropertyKind::String:
            AddLine(List, path, EscapedString(GetPropText(*Instance, prop)));
            break;
        default: // the ordinal kinds
            if (OnlyNonDefault && IsDefaultPropValue(*Instance, prop))
                break;
            AddLine(List, path, GetPropText(*Instance, prop));
            break;
        }
    }
}

void iStripObjectPrefix(const QString& ObjectName, QString& Path, QString& Prefix)
{
    Prefix.clear();
    if (ObjectName.isEmpty())
        return;
    const qsizetype dot = Path.indexOf(u'.');
    if (dot < 0)
        return;
    const QString found = Path.left(dot).trimmed();
    if (found.compare(ObjectName, Qt::CaseInsensitive) != 0)
        return;
    Prefix = found;
    Path = Path.mid(dot + 1);
}

void iLoadObjectFromStringList(TPersistent* Instance, const QString& ObjectName, TStrings* List)
{
    const QChar separator = iLocalDecimalSeparator();
    while (List && List->Count() > 0) {
        const QString line = List->Get(0);
        const qsizetype eq = line.indexOf(u'=');
        QString name = (eq < 0 ? line : line.left(eq)).trimmed();
        const QString value = eq < 0 ? QString() : line.mid(eq + 1).trimmed();
        QString prefix;
        iStripObjectPrefix(ObjectName, name, prefix);
        if (prefix != ObjectName)
            return; // the next object's block
        iSetPropertyFromText(Instance, name, value, separator);
        List->Delete(0);
    }
}

void iSetPropertyFromText(TPersistent* Instance, const QString& Path, const QString& Value, QChar DecimalSeparator)
{
    if (!Instance)
        return;
    const qsizetype dot = Path.indexOf(u'.');
    if (dot >= 0) {
        if (TPersistent* inner = iGetObjectProperty(Instance, Path.left(dot).trimmed()))
            iSetPropertyFromText(inner, Path.mid(dot + 1).trimmed(), Value, DecimalSeparator);
        return;
    }
    const TPropertyInfo* prop = FindPublishedProperty(*Instance, Path);
    if (!prop || !prop->IsWritable())
        return;
    switch (prop->Kind) {
    case TPropertyKind::Float: {
        // Saved with either separator: the first foreign one counts as the decimal point.
        QString text = Value;
        const qsizetype foreign = text.indexOf(DecimalSeparator == u',' ? u'.' : u',');
        if (foreign >= 0)
            text[foreign] = DecimalSeparator == u',' ? u',' : u'.';
        if (DecimalSeparator == u',')
            text.replace(u',', u'.');
        SetPropValue(*Instance, *prop, StrToFloat(text));
        break;
    }
    case TPropertyKind::String:
        SetPropValue(*Instance, *prop, UnescapedString(Value));
        break;
    case TPropertyKind::Object:
    case TPropertyKind::ClassRef:
    case TPropertyKind::Method:
        break;
    default:
        SetPropValue(*Instance, *prop, static_cast<std::int64_t>(StrToInt64(Value)));
        break;
    }
}

void iSplitNameValue(const QString& Text, const QString& Separator, QString& Name, QString& Value)
{
    const qsizetype at = Text.indexOf(Separator);
    if (at < 0 || Separator.isEmpty()) {
        Name.clear();
        Value.clear();
        return;
    }
    Name = Text.left(at).trimmed();
    Value = Text.mid(at + Separator.size()).trimmed();
}

bool iExtractNameValue(const QString& Name, QString& Value, TStrings* List)
{
    for (int i = 0; List && i < List->Count(); ++i) {
        const QString line = List->Get(i);
        const qsizetype eq = line.indexOf(u'=');
        const QString name = (eq < 0 ? line : line.left(eq)).trimmed();
        Value = eq < 0 ? QString() : line.mid(eq + 1);
        if (name.compare(Name, Qt::CaseInsensitive) == 0) {
            List->Delete(i);
            return true;
        }
    }
    return false;
}

TPersistent* iGetObjectProperty(TPersistent* Instance, const QString& PropertyName)
{
    return Instance ? GetObjectProp(*Instance, PropertyName) : nullptr;
}

void iWriteObjectProperties(TWriter& Writer, const TPersistent* Instance)
{
    if (!Instance)
        return;
    try {
        Writer.WriteProperties(*Instance);
    } catch (const Exception&) {
    }
}
