#include "widgets/ControlProperties.h"

#include "platform/core/TComponent.h"
#include "platform/core/TReader.h"
#include "platform/core/TStrings.h"
#include "platform/core/TWriter.h"

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

void DefineStrings(TFiler& Filer, const QString& Name, TStrings& Strings)
{
    Filer.DefineProperty(
        Name,
        [&Strings](TReader& Reader) {
            Reader.ReadListBegin();
            Strings.BeginUpdate();
            Strings.Clear();
            while (!Reader.EndOfList())
                Strings.Add(Reader.ReadString());
            Strings.EndUpdate();
            Reader.ReadListEnd();
        },
        [&Strings](TWriter& Writer) {
            Writer.WriteListBegin();
            for (int i = 0; i < Strings.Count(); ++i)
                Writer.WriteString(Strings.Strings(i));
            Writer.WriteListEnd();
        },
        Strings.Count() > 0);
}

void DefineReference(TFiler& Filer, const QString& Name, TComponent& Self, TComponent* Current,
                     std::function<void(TComponent*)> Set)
{
    Filer.DefineProperty(
        Name,
        [&Self, Set](TReader& Reader) {
            const QString name = Reader.ReadIdent();
            if (name.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0) {
                Set(nullptr);
                return;
            }
            Reader.AtEnd([&Self, Set, name] {
                TComponent* found = Self.Owner() ? Self.Owner()->FindComponent(name) : nullptr;
                Set(found ? found : Self.FindComponent(name));
            });
        },
        [Current](TWriter& Writer) { Writer.WriteIdent(Current->Name()); }, Current && !Current->Name().isEmpty());
}

void DefineObsolete(TFiler& Filer, const QString& Name)
{
    Filer.DefineProperty(Name, [](TReader& Reader) { Reader.SkipValue(); }, nullptr, false);
}

} // namespace widgets
