#pragma once
// One OPC binding of one control property (TiOPCItem) and the owned list of such bindings that
// every plot control and channel carries (TiOPCItemManager).

#include "plot/extras/iOPCLibraryAbi.h"
#include "plot/extras/iOPCUiThread.h"
#include "plot/iPlotTypes.h"

#include "platform/core/TPersistent.h"

#include <QString>

#include <memory>
#include <vector>

namespace vcl {
class TComponent;
class TReader;
class TWriter;
}

class TiOPCItemManager;

// Run-time kind of the property an item feeds; the string kinds ask the server for text.
enum class TiOPCPropertyKind { tkUnknown, tkInteger, tkFloat, tkEnumeration, tkString, tkLString, tkWString, tkUString };

using TOPCItemGetDataTypeEvent = std::function<void(const QString& PropertyName, TiOPCPropertyKind& Kind)>;

// The value as a number: integers, reals, dates and Booleans convert, anything else is 0.
double iOPCVariantToDouble(const iopc::Variant& Value);

class TiOPCItem : public vcl::TPersistent
{
public:
    TiOPCItem();
    // Deactivates, swallowing every error.
    ~TiOPCItem() override;
    // The stored settings, in stream order (iOPCItemStreaming.cpp).
    const vcl::TPropertyTable* PublishedProperties() const override;

    const QString& PropertyName() const { return FPropertyName; }
    void SetPropertyName(const QString& Value);
    TiOPCPropertyKind PropertyType() const { return FPropertyType; }
    const QString& GroupName() const { return FGroupName; }
    void SetGroupName(const QString& Value);
    const QString& ComputerName() const { return FComputerName; }
    void SetComputerName(const QString& Value);
    const QString& ServerName() const { return FServerName; }
    void SetServerName(const QString& Value);
    const QString& ItemName() const { return FItemName; }
    void SetItemName(const QString& Value);
    double Scalar() const { return FScalar; }
    void SetScalar(double Value) { FScalar = Value; }
    double Offset() const { return FOffset; }
    void SetOffset(double Value) { FOffset = Value; }
    int UpdateRate() const { return FUpdateRate; }
    void SetUpdateRate(int Value);
    bool UpdateSuspended() const;
    bool AutoConnect() const { return FAutoConnect; }
    void SetAutoConnect(bool Value);
    bool AutoError() const { return FAutoError; }
    void SetAutoError(bool Value);

    const iopc::Variant& Data() const { return FData; }
    // Writes the value to the server (also for an inactive item); Data itself does not change.
    void SetData(const iopc::Variant& Value);
    double TimeStamp() const { return FTimeStamp; }
    std::uint16_t Quality() const { return FQuality; }
    bool Active() const;
    bool QualityGood() const { return (FQuality & 0xC0) == 0xC0; }
    TiOPCItemManager* Owner() const { return FOwner; }
    void SetOwner(TiOPCItemManager* Value) { FOwner = Value; }
    int SignalHandle() const { return FSignalHandle; }

    void Activate() { DoActivate(false); }
    void ActivateSuspend() { DoActivate(true); }
    void Deactivate();
    void UpdateSuspend();
    void UpdateResume();
    // After the item was read from a stream; never raises.
    void Loaded();
    // Refreshes and returns the value at once, without scaling or events.
    iopc::Variant GetDataNow(std::uint16_t& Quality);
    // What DataChanged runs: read value, time stamp and quality, scale a good value, notify.
    void ReceiveData();
    iopc::ItemCallback* Callback() { return &FCallback; }

private:
    struct CallbackObject : iopc::ItemCallback
    {
        std::weak_ptr<int> Life;
        TiOPCItem* Item { nullptr };
    };
    void DoActivate(bool Suspended);
    void Reactivate();
    void UpdateErrorState();
    bool OwnerDesigning() const;
    vcl::TComponent* OwnerComponent() const;

    QString FPropertyName;
    TiOPCPropertyKind FPropertyType { TiOPCPropertyKind::tkUnknown };
    QString FGroupName;
    QString FServerName;
    QString FComputerName { QStringLiteral("Local") };
    QString FItemName;
    bool FAutoConnect { true };
    int FUpdateRate { 500 };
    double FScalar { 0.0 };
    double FOffset { 0.0 };
    int FSignalHandle { 0 };
    iopc::Variant FData {};
    double FTimeStamp { 0.0 };
    std::uint16_t FQuality { 0 };
    TiOPCItemManager* FOwner { nullptr };
    bool FAutoError { false };
    TiOPCLifeToken FLife;
    CallbackObject FCallback;
};

class TiOPCItemManager : public vcl::TObject
{
public:
    TiOPCItemManager() = default;
    ~TiOPCItemManager() override { Clear(); }

    int Count() const { return static_cast<int>(FList.size()); }
    // The list's index error outside 0..Count-1.
    TiOPCItem* Item(int Index) const;
    int Add();
    void Delete(int Index);
    void Clear();
    int FindIndex(const TiOPCItem* Item) const;
    bool IsDesigning() const;
    bool DoWriteToStream() const { return Count() > 0; }
    // The items as one collection value of the owning control's "OPCItems" property; a read
    // replaces the items and runs each one's Loaded.
    void WriteToStream(vcl::TWriter& Writer) const;
    void ReadFromStream(vcl::TReader& Reader);
    vcl::TComponent* Owner() const { return FOwner; }
    void SetOwner(vcl::TComponent* Value) { FOwner = Value; }

    TGetDesigningEvent OnGetDesigning;
    vcl::TNotifyEvent OnNewData;
    TOPCItemGetDataTypeEvent OnGetType;

private:
    std::vector<std::unique_ptr<TiOPCItem>> FList;
    vcl::TComponent* FOwner { nullptr };
};
