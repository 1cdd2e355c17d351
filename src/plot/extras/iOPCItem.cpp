#include "plot/extras/iOPCItem.h"

#include "plot/extras/iOPCBinding.h"
#include "plot/iComponent.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"
#include "platform/ui/EventGuard.h"

#include <cstring>

using namespace iopc;

namespace {

constexpr std::int32_t S_OK_ = 0;
constexpr std::int32_t E_NOINTERFACE_ = static_cast<std::int32_t>(0x80004002u);
// {7F440F9E-2014-4D28-8C84-83B938DBACC0}
constexpr unsigned char ItemCallbackIid[16] = { 0x9E, 0x0F, 0x44, 0x7F, 0x14, 0x20, 0x28, 0x4D,
                                                0x8C, 0x84, 0x83, 0xB9, 0x38, 0xDB, 0xAC, 0xC0 };

TiOPCBinding& Binding() { return TiOPCBinding::Instance(); }

// Scales a good value in place: Multiply by Factor, or add it.
void ScaleValue(Variant& Value, double Factor, bool Multiply)
{
    auto apply = [&](double v) { return Multiply ? v * Factor : v + Factor; };
    std::int64_t wide = 0;
    switch (Value.vt) {
    case vtI1: wide = Value.i1; break;
    case vtUI1: wide = Value.ui1; break;
    case vtI2: wide = Value.i2; break;
    case vtUI2: wide = Value.ui2; break;
    case vtI4: wide = Value.i4; break;
    case vtUI4:
    case vtI8:
    case vtUI8: {
        // Wide integers keep their range: scaled in 64 bits and stored back as an 8-byte integer.
        const double v = Value.vt == vtUI4 ? double(Value.ui4) : Value.vt == vtI8 ? double(Value.i8) : double(Value.ui8);
        const std::int64_t result = vcl::Round(apply(v));
        VariantClear(Value);
        Value.vt = vtI8;
        Value.i8 = result;
        return;
    }
    case vtR4:
    case vtR8: {
        const double result = apply(Value.vt == vtR4 ? double(Value.r4) : Value.r8);
        VariantClear(Value);
        Value.vt = vtR8;
        Value.r8 = result;
        return;
    }
    default:
        return;
    }
    const int result = vcl::RoundToInt(apply(double(wide)));
    VariantClear(Value);
    Value.vt = vtI4;
    Value.i4 = result;
}

} // namespace

double iOPCVariantToDouble(const Variant& Value)
{
    switch (Value.vt) {
    case vtI1: return Value.i1;
    case vtUI1: return Value.ui1;
    case vtI2: return Value.i2;
    case vtUI2: return Value.ui2;
    case vtI4: return Value.i4;
    case vtUI4: return Value.ui4;
    case vtI8: return double(Value.i8);
    case vtUI8: return double(Value.ui8);
    case vtR4: return Value.r4;
    case vtR8: return Value.r8;
    case vtDate: return Value.date;
    case vtBool: return Value.boolVal ? -1.0 : 0.0;
    default: return 0.0;
    }
}

// ---------------------------------------------------------------- the callback the library calls

namespace {

std::int32_t ItemQueryInterface(ItemCallback* Self, const void* Iid, void** Object)
{
    if (Iid && std::memcmp(Iid, ItemCallbackIid, sizeof ItemCallbackIid) == 0) {
        *Object = Self;
        return S_OK_;
    }
    if (Object)
        *Object = nullptr;
    return E_NOINTERFACE_;
}

std::int32_t ItemNoCount(ItemCallback*) { return -1; }

} // namespace

// ---------------------------------------------------------------- item

TiOPCItem::TiOPCItem() : FLife(std::make_shared<int>(0))
{
    static const ItemCallbackTable table {
        &ItemQueryInterface, &ItemNoCount, &ItemNoCount,
        [](ItemCallback* Self, std::int32_t) {
            auto* object = static_cast<CallbackObject*>(Self);
            TiOPCItem* item = object->Item;
            iOPCRunOnUiThread(object->Life, [item] { vcl::Guarded([item] { item->ReceiveData(); }); });
        },
    };
    FCallback.Table = &table;
    FCallback.Life = FLife;
    FCallback.Item = this;
}

TiOPCItem::~TiOPCItem()
{
    FLife.reset();
    try {
        Deactivate();
    } catch (...) {
    }
    VariantClear(FData);
}

vcl::TComponent* TiOPCItem::OwnerComponent() const { return FOwner ? FOwner->Owner() : nullptr; }

bool TiOPCItem::OwnerDesigning() const { return FOwner && FOwner->IsDesigning(); }

bool TiOPCItem::Active() const
{
    if (!FOwner || FOwner->IsDesigning() || OPCLibraryMissing())
        return false;
    return Binding().SignalGetActive(FSignalHandle);
}

bool TiOPCItem::UpdateSuspended() const
{
    if (OPCLibraryMissing() || FSignalHandle == 0)
        return false;
    return Binding().SignalGetUpdateSuspended(FSignalHandle);
}

void TiOPCItem::Reactivate()
{
    if (!OPCLibraryMissing() && Active())
        Activate();
}

void TiOPCItem::SetPropertyName(const QString& Value)
{
    FPropertyName = Value;
    if (FOwner && FOwner->OnGetType)
        FOwner->OnGetType(FPropertyName, FPropertyType);
}

void TiOPCItem::SetGroupName(const QString& Value)
{
    FGroupName = Value;
    if (!OPCLibraryMissing() && Active())
        Activate();
}

void TiOPCItem::SetComputerName(const QString& Value)
{
    FComputerName = Value;
    Reactivate();
}

void TiOPCItem::SetServerName(const QString& Value)
{
    FServerName = Value;
    Reactivate();
}

void TiOPCItem::SetItemName(const QString& Value)
{
    FItemName = Value;
    Reactivate();
}

void TiOPCItem::SetUpdateRate(int Value)
{
    FUpdateRate = Value;
    Reactivate();
}

void TiOPCItem::SetAutoError(bool Value)
{
    if (FAutoError == Value)
        return;
    FAutoError = Value;
    if (Value)
        UpdateErrorState();
}

void TiOPCItem::SetAutoConnect(bool Value)
{
    FAutoConnect = Value;
    vcl::TComponent* component = OwnerComponent();
    if (OPCLibraryMissing() || !component)
        return;
    auto* control = dynamic_cast<TiComponent*>(component);
    // A component that is not a plot control counts as loading.
    if (!control || control->ComponentState().Contains(vcl::TComponentStateItem::csLoading))
        return;
    if (FAutoConnect)
        Activate();
}

void TiOPCItem::SetData(const Variant& Value)
{
    if (!OPCLibraryMissing())
        Binding().SignalSendData(FSignalHandle, Value);
}

void TiOPCItem::DoActivate(bool Suspended)
{
    if (OPCLibraryMissing() || !FOwner || FOwner->IsDesigning())
        return;
    if (FAutoError)
        UpdateErrorState();
    if (FSignalHandle != 0)
        Deactivate();
    if (FPropertyName.trimmed().isEmpty())
        return;
    if (FGroupName.trimmed().isEmpty() && FServerName.trimmed().isEmpty())
        return;
    if (FItemName.trimmed().isEmpty())
        return;
    if (Active())
        Deactivate();
    const bool text = FPropertyType == TiOPCPropertyKind::tkLString || FPropertyType == TiOPCPropertyKind::tkWString
        || FPropertyType == TiOPCPropertyKind::tkUString;
    iOPCPrepareUiThread();
    FSignalHandle = Binding().SignalAdd(FComputerName, FServerName, FItemName, FGroupName, FUpdateRate, Suspended,
                                        text ? vtBstr : vtEmpty, &FCallback);
}

void TiOPCItem::Deactivate()
{
    if (OPCLibraryMissing() || !FOwner || FOwner->IsDesigning())
        return;
    Binding().SignalRemove(FSignalHandle);
    FSignalHandle = 0;
}

void TiOPCItem::UpdateSuspend()
{
    if (!OPCLibraryMissing())
        Binding().SignalSuspend(FSignalHandle);
}

void TiOPCItem::UpdateResume()
{
    if (!OPCLibraryMissing())
        Binding().SignalResume(FSignalHandle);
}

void TiOPCItem::Loaded()
{
    try {
        if (FAutoError)
            UpdateErrorState();
        if (FAutoConnect && !OwnerDesigning())
            Activate();
    } catch (...) {
    }
}

Variant TiOPCItem::GetDataNow(std::uint16_t& Quality)
{
    Variant result {};
    if (OPCLibraryMissing())
        return result;
    Binding().SignalGetDataNow(FSignalHandle);
    Binding().SignalGetData(FSignalHandle, FData);
    Binding().SignalGetTimeStamp(FSignalHandle, FTimeStamp);
    Binding().SignalGetQuality(FSignalHandle, FQuality);
    Quality = FQuality;
    result = FData;
    if (FData.vt == vtBstr)
        result.bstr = OleStringAlloc(FData.bstr, OleStringLength(FData.bstr));
    return result;
}

void TiOPCItem::ReceiveData()
{
    Binding().SignalGetData(FSignalHandle, FData);
    Binding().SignalGetTimeStamp(FSignalHandle, FTimeStamp);
    Binding().SignalGetQuality(FSignalHandle, FQuality);
    if (QualityGood()) {
        if (FScalar != 0.0)
            ScaleValue(FData, FScalar, true);
        if (FOffset != 0.0)
            ScaleValue(FData, FOffset, false);
    }
    if (FAutoError)
        UpdateErrorState();
    if (FOwner && FOwner->OnNewData)
        FOwner->OnNewData(this);
}

void TiOPCItem::UpdateErrorState()
{
    auto* control = dynamic_cast<TiComponent*>(OwnerComponent());
    if (!control || !Active())
        return;
    control->SetErrorActive(!QualityGood());
}

// ---------------------------------------------------------------- manager

TiOPCItem* TiOPCItemManager::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw vcl::EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FList[static_cast<std::size_t>(Index)].get();
}

int TiOPCItemManager::Add()
{
    auto item = std::make_unique<TiOPCItem>();
    item->SetOwner(this);
    FList.push_back(std::move(item));
    return Count() - 1;
}

void TiOPCItemManager::Delete(int Index)
{
    Item(Index); // the index error
    FList.erase(FList.begin() + Index);
}

void TiOPCItemManager::Clear()
{
    while (!FList.empty())
        FList.erase(FList.begin());
}

int TiOPCItemManager::FindIndex(const TiOPCItem* Item) const
{
    for (int i = 0; i < Count(); ++i)
        if (FList[static_cast<std::size_t>(i)].get() == Item)
            return i;
    return -1;
}

bool TiOPCItemManager::IsDesigning() const
{
    bool designing = false;
    if (OnGetDesigning)
        OnGetDesigning(const_cast<TiOPCItemManager*>(this), designing);
    return designing;
}
