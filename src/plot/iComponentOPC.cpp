// OPC items bound to a control's published properties: incoming values written into the bound
// property, changes of a bound property sent out, and the item list's questions answered.

#include "plot/iVCLComponent.h"

#include "platform/core/NumberUtils.h"
#include "platform/core/PublishedProperties.h"
#include "platform/core/TFiler.h"
#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"

using namespace vcl;
using namespace iopc;

namespace {

// A copy that owns its own string.
Variant CopyOf(const Variant& Value)
{
    Variant copy = Value;
    if (Value.vt == vtBstr)
        copy.bstr = OleStringAlloc(Value.bstr, OleStringLength(Value.bstr));
    return copy;
}

// The value as text, as property conversions take it.
QString TextOf(const Variant& Value)
{
    switch (Value.vt) {
    case vtBstr:
        return Value.bstr ? QString::fromUtf16(Value.bstr, OleStringLength(Value.bstr)) : QString();
    case vtBool:
        return Value.boolVal ? QStringLiteral("True") : QStringLiteral("False");
    case vtR4:
    case vtR8:
    case vtDate:
        return FloatToStr(iOPCVariantToDouble(Value));
    case vtI8:
        return QString::number(Value.i8);
    case vtUI8:
        return QString::number(Value.ui8);
    case vtEmpty:
        return QString();
    default:
        return QString::number(static_cast<std::int64_t>(iOPCVariantToDouble(Value)));
    }
}

TiOPCPropertyKind OpcKindOf(TPropertyKind Kind)
{
    switch (Kind) {
    case TPropertyKind::Integer:
    case TPropertyKind::Set:
    case TPropertyKind::Color:
        return TiOPCPropertyKind::tkInteger;
    case TPropertyKind::Boolean:
    case TPropertyKind::Enumeration:
        return TiOPCPropertyKind::tkEnumeration;
    case TPropertyKind::Float:
        return TiOPCPropertyKind::tkFloat;
    case TPropertyKind::String:
        return TiOPCPropertyKind::tkUString;
    default:
        return TiOPCPropertyKind::tkUnknown;
    }
}

// Depth first through the writable published properties with their dotted names.
const TPropertyInfo* FindByPath(TPersistent* Instance, const QString& Prefix, const QString& Path)
{
    const TPropertyTable* table = Instance ? PropertyTableOf(*Instance) : nullptr;
    if (!table)
        return nullptr;
    for (const TPropertyInfo& prop : table->Properties()) {
        const QString fullName = Prefix.trimmed().isEmpty() ? prop.Name : Prefix + u'.' + prop.Name;
        if (prop.Kind == TPropertyKind::Object) {
            if (const TPropertyInfo* found = FindByPath(GetObjectProp(*Instance, prop.Name), fullName, Path))
                return found;
            continue;
        }
        if (prop.IsWritable() && fullName.compare(Path, Qt::CaseInsensitive) == 0)
            return &prop;
    }
    return nullptr;
}

} // namespace

TiOPCItemManager* TiVCLComponent::OPCItemManager()
{
    if (!FOPCItemManager) {
        FOPCItemManager = std::make_unique<TiOPCItemManager>();
        FOPCItemManager->SetOwner(this);
        FOPCItemManager->OnGetDesigning = [this](TObject*, bool& Designing) { Designing = IsDesigning(); };
        FOPCItemManager->OnNewData = [this](TObject* Sender) { OPCNewData(dynamic_cast<TiOPCItem*>(Sender)); };
        FOPCItemManager->OnGetType = [this](const QString& PropertyName, TiOPCPropertyKind& Kind) {
            Kind = GetPropertyTypeKind(PropertyName);
        };
    }
    return FOPCItemManager.get();
}

int TiVCLComponent::OPCAddItem() { return OPCItemManager()->Add(); }
int TiVCLComponent::OPCItemCount() { return OPCItemManager()->Count(); }
void TiVCLComponent::OPCRemoveAllItems() { OPCItemManager()->Clear(); }
void TiVCLComponent::OPCDeleteItem(int Index) { OPCItemManager()->Delete(Index); }
void TiVCLComponent::OPCItemActivate(int Index) { OPCItemManager()->Item(Index)->Activate(); }
void TiVCLComponent::OPCItemDeactivate(int Index) { OPCItemManager()->Item(Index)->Deactivate(); }
void TiVCLComponent::OPCItemUpdateResume(int Index) { OPCItemManager()->Item(Index)->UpdateResume(); }
void TiVCLComponent::OPCItemUpdateSuspend(int Index) { OPCItemManager()->Item(Index)->UpdateSuspend(); }
void TiVCLComponent::OPCItemLoaded(int Index) { OPCItemManager()->Item(Index)->Loaded(); }
void TiVCLComponent::SetOPCItemData(int Index, const Variant& Value) { OPCItemManager()->Item(Index)->SetData(Value); }

void TiVCLComponent::SetOPCItemComputerName(int Index, const QString& Value)
{
    OPCItemManager()->Item(Index)->SetComputerName(Value);
}
void TiVCLComponent::SetOPCItemServerName(int Index, const QString& Value)
{
    OPCItemManager()->Item(Index)->SetServerName(Value);
}
void TiVCLComponent::SetOPCItemItemName(int Index, const QString& Value)
{
    OPCItemManager()->Item(Index)->SetItemName(Value);
}
void TiVCLComponent::SetOPCItemPropertyName(int Index, const QString& Value)
{
    OPCItemManager()->Item(Index)->SetPropertyName(Value);
}
void TiVCLComponent::SetOPCItemAutoConnect(int Index, bool Value) { OPCItemManager()->Item(Index)->SetAutoConnect(Value); }
void TiVCLComponent::SetOPCItemUpdateRate(int Index, int Value) { OPCItemManager()->Item(Index)->SetUpdateRate(Value); }
QString TiVCLComponent::GetOPCItemComputerName(int Index) { return OPCItemManager()->Item(Index)->ComputerName(); }
QString TiVCLComponent::GetOPCItemServerName(int Index) { return OPCItemManager()->Item(Index)->ServerName(); }
QString TiVCLComponent::GetOPCItemItemName(int Index) { return OPCItemManager()->Item(Index)->ItemName(); }
QString TiVCLComponent::GetOPCItemPropertyName(int Index) { return OPCItemManager()->Item(Index)->PropertyName(); }
bool TiVCLComponent::GetOPCItemAutoConnect(int Index) { return OPCItemManager()->Item(Index)->AutoConnect(); }
int TiVCLComponent::GetOPCItemUpdateRate(int Index) { return OPCItemManager()->Item(Index)->UpdateRate(); }
Variant TiVCLComponent::GetOPCItemData(int Index) { return CopyOf(OPCItemManager()->Item(Index)->Data()); }
std::uint16_t TiVCLComponent::GetOPCItemQuality(int Index) { return OPCItemManager()->Item(Index)->Quality(); }
double TiVCLComponent::GetOPCItemTimeStamp(int Index) { return OPCItemManager()->Item(Index)->TimeStamp(); }

void TiVCLComponent::OPCNewData(TiOPCItem* Item)
{
    if (!Item || Item->PropertyName().isEmpty())
        return;
    const int index = OPCItemManager()->FindIndex(Item);
    Variant value = CopyOf(Item->Data());
    struct Done
    {
        bool& incoming;
        Variant& value;
        ~Done()
        {
            incoming = false;
            VariantClear(value);
        }
    } done { FOPCIncomingActive, value };
    if (OnBeforeNewOPCData)
        OnBeforeNewOPCData(this, index, value);
    FOPCIncomingActive = true;
    if (Item->QualityGood() && !OPCNewDataSpecial(Item->PropertyName(), value))
        SetPropertyByPath(this, QString(), TextOf(value), Item->PropertyName());
    if (OnNewOPCData)
        OnNewOPCData(this, index);
}

bool TiVCLComponent::OPCOutputData(const QString& PropertyName, const Variant& Value)
{
    if (FOPCIncomingActive) {
        FOPCIncomingActive = false;
        return false;
    }
    bool sent = false;
    TiOPCItemManager* items = OPCItemManager();
    for (int i = 0; i < items->Count(); ++i) {
        TiOPCItem* item = items->Item(i);
        if (item->Active() && item->PropertyName().compare(PropertyName, Qt::CaseInsensitive) == 0) {
            item->SetData(Value);
            sent = true;
        }
    }
    return sent;
}

TiOPCPropertyKind TiVCLComponent::GetPropertyTypeKind(const QString& PropertyName)
{
    const TPropertyInfo* prop = FindByPath(this, QString(), PropertyName);
    return prop ? OpcKindOf(prop->Kind) : TiOPCPropertyKind::tkUnknown;
}

void TiVCLComponent::DefineProperties(TFiler& Filer)
{
    TiComponent::DefineProperties(Filer);
    Filer.DefineProperty(
        QStringLiteral("OPCItems"), [this](TReader& Reader) { OPCItemManager()->ReadFromStream(Reader); },
        [this](TWriter& Writer) { OPCItemManager()->WriteToStream(Writer); },
        FOPCItemManager && FOPCItemManager->DoWriteToStream());
}
