#pragma once
// One HID device interface: identity, handles opened on demand, reports, and its read thread.

#include "platform/core/TObject.h"
#include "platform/hid/HidApi.h"
#include "platform/hid/HidNode.h"
#include "transport/hid/JvHidControllerClass.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class TJvHidPnPInfo;
class TJvHidDeviceReadThread;

enum class TJvHidOpenExMode { omhRead, omhWrite };

// Runs when an overlapped transfer completes: error (0 or an errno), bytes moved, the device.
using TJvHidCompletionRoutine = void (*)(uint32_t ErrorCode, uint32_t BytesTransferred, TJvHidDevice* Device);

// Result of an alertable wait that ended because an overlapped transfer completed.
constexpr uint32_t WAIT_IO_COMPLETION = 0xC0;

// The name of a language the device's strings come in, or "unknown Locale ID $XXXX".
QString HidLanguageName(uint16_t LanguageId);

class TJvHidDevice : public vcl::TObject
{
public:
    // Devices are made by their controller only: raises EControllerError.
    TJvHidDevice();
    ~TJvHidDevice() override;

    const hidapi::HIDD_ATTRIBUTES& Attributes() const { return FAttributes; }
    hidapi::HIDP_CAPS Caps() { return GetCaps(); }
    hidapi::HIDP_CAPS GetCaps();
    bool HasReadWriteAccess() const { return FHasReadWriteAccess; }
    int HidFileHandle() const;
    int HidOverlappedRead() const;
    int HidOverlappedWrite() const;
    uint32_t HidOverlappedReadResult() { return GetOverlappedReadResult(); }
    uint32_t HidOverlappedWriteResult() { return GetOverlappedWriteResult(); }
    bool IsCheckedOut() const { return FIsCheckedOut; }
    bool IsPluggedIn() const { return FIsPluggedIn; }
    bool IsAccessible() const { return FIsPluggedIn && (FIsCheckedOut || FIsEnumerated); }
    TJvHidPnPInfo* PnPInfo() const { return FPnPInfo; }
    TJvHidDeviceController* Controller() const { return FMyController; }

    hidapi::PHIDP_PREPARSED_DATA PreparsedData() { return GetPreparsedData(); }
    hidapi::PHIDP_PREPARSED_DATA GetPreparsedData();
    QString ProductName() { return GetProductName(); }
    QString VendorName() { return GetVendorName(); }
    QString SerialNumber() { return GetSerialNumber(); }
    QString GetProductName();
    QString GetVendorName();
    QString GetSerialNumber();
    QStringList LanguageStrings() { return GetLanguageStrings(); }
    QStringList GetLanguageStrings();
    std::vector<uint16_t> PhysicalDescriptor() { return GetPhysicalDescriptor(); }
    std::vector<uint16_t> GetPhysicalDescriptor();
    hidapi::HIDD_CONFIGURATION Configuration() { return GetConfiguration(); }
    hidapi::HIDD_CONFIGURATION GetConfiguration();
    void SetConfiguration(const hidapi::HIDD_CONFIGURATION& Config);
    QString GetDeviceStringUnicode(uint8_t Idx);
    QByteArray GetDeviceStringAnsi(uint8_t Idx);
    hidapi::HIDP_LINK_COLLECTION_NODE GetLinkCollectionNode(uint16_t Idx);

    int NumInputBuffers() const { return FNumInputBuffers; }
    void SetNumInputBuffers(int Num);
    int NumOverlappedBuffers() const { return FNumOverlappedBuffers; }
    void SetNumOverlappedBuffers(int Num);
    uint32_t MaxDataListLength() const { return FMaxDataListLength; }
    uint32_t MaxUsageListLength() const { return FMaxUsageListLength; }
    uint32_t MaxButtonListLength() const { return FMaxButtonListLength; }
    uint32_t ReportTypeParam() const { return FReportTypeParam; }
    void SetReportTypeParam(uint32_t Value);
    uint16_t UsagePageParam() const { return FUsagePageParam; }
    void SetUsagePageParam(uint16_t Value);
    uint16_t LinkCollectionParam() const { return FLinkCollectionParam; }
    void SetLinkCollectionParam(uint16_t Value) { FLinkCollectionParam = Value; }
    uint16_t UsageParam() const { return FUsageParam; }
    void SetUsageParam(uint16_t Value) { FUsageParam = Value; }
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t Value) { FTag = Value; }
    int ThreadSleepTime() const { return FThreadSleepTime; }
    void SetThreadSleepTime(int SleepTime);

    const TJvHidDataEvent& OnData() const { return FData; }
    void SetOnData(const TJvHidDataEvent& DataEvent) { SetDataEvent(DataEvent); }
    void SetDataEvent(const TJvHidDataEvent& DataEvent);
    const TJvHidDataErrorEvent& OnDataError() const { return FDataError; }
    void SetOnDataError(const TJvHidDataErrorEvent& Handler) { FDataError = Handler; }
    const TJvHidPlugEvent& OnUnplug() const { return FUnplug; }
    void SetOnUnplug(const TJvHidPlugEvent& Handler) { FUnplug = Handler; }

    bool OpenFile();
    bool OpenFileEx(TJvHidOpenExMode Mode);
    void CloseFile();
    void CloseFileEx(TJvHidOpenExMode Mode);
    bool CheckOut();
    void DoUnplug();

    // Safe from any thread: the handle used is kept open until the transfer returns.
    bool WriteFile(const void* Report, uint32_t ToWrite, uint32_t& BytesWritten);
    bool ReadFile(void* Report, uint32_t ToRead, uint32_t& BytesRead);
    bool ReadFileEx(void* Report, uint32_t ToRead, TJvHidCompletionRoutine CallBack);
    bool WriteFileEx(const void* Report, uint32_t ToWrite, TJvHidCompletionRoutine CallBack);
    uint32_t GetOverlappedReadResult();
    uint32_t GetOverlappedWriteResult();
    // Waits at most Ms for the outstanding read to complete; runs its completion routine and
    // returns WAIT_IO_COMPLETION when it did, 0 on time-out. Runs on the read thread.
    uint32_t SleepEx(int Ms);
    bool CancelIO(TJvHidOpenExMode Mode);
    bool FlushQueue();
    bool GetFeature(void* Report, uint32_t Size);
    bool SetFeature(void* Report, uint32_t Size);
    bool GetInputReport(void* Report, uint32_t Size);
    bool SetOutputReport(void* Report, uint32_t Size);

    void StartThread();
    void StopThread();
    bool HasThread() const { return FDataThread != nullptr; }

    // Parser queries: HIDP_STATUS_NULL when the device is not accessible.
    hidapi::NTSTATUS GetButtonCaps(hidapi::HIDP_BUTTON_CAPS* ButtonCaps, hidapi::USHORT& Count);
    hidapi::NTSTATUS GetSpecificButtonCaps(hidapi::HIDP_BUTTON_CAPS* ButtonCaps, hidapi::USHORT& Count);
    hidapi::NTSTATUS GetValueCaps(hidapi::HIDP_VALUE_CAPS* ValueCaps, hidapi::USHORT& Count);
    hidapi::NTSTATUS GetSpecificValueCaps(hidapi::HIDP_VALUE_CAPS* ValueCaps, hidapi::USHORT& Count);
    hidapi::NTSTATUS GetData(hidapi::HIDP_DATA* DataList, hidapi::ULONG& DataLength, char* Report,
                             hidapi::ULONG ReportLength);
    hidapi::NTSTATUS SetData(hidapi::HIDP_DATA* DataList, hidapi::ULONG& DataLength, char* Report,
                             hidapi::ULONG ReportLength);
    hidapi::NTSTATUS GetUsages(hidapi::USAGE* UsageList, hidapi::ULONG& UsageLength, char* Report,
                               hidapi::ULONG ReportLength);
    hidapi::NTSTATUS GetButtons(hidapi::USAGE* UsageList, hidapi::ULONG& UsageLength, char* Report,
                                hidapi::ULONG ReportLength);
    hidapi::NTSTATUS GetUsagesEx(hidapi::USAGE_AND_PAGE* UsageList, hidapi::ULONG& UsageLength, char* Report,
                                 hidapi::ULONG ReportLength);
    hidapi::NTSTATUS GetButtonsEx(hidapi::USAGE_AND_PAGE* UsageList, hidapi::ULONG& UsageLength, char* Report,
                                  hidapi::ULONG ReportLength);
    hidapi::NTSTATUS SetUsages(hidapi::USAGE* UsageList, hidapi::ULONG& UsageLength, char* Report,
                               hidapi::ULONG ReportLength);
    hidapi::NTSTATUS SetButtons(hidapi::USAGE* UsageList, hidapi::ULONG& UsageLength, char* Report,
                                hidapi::ULONG ReportLength);
    hidapi::NTSTATUS UnsetUsages(hidapi::USAGE* UsageList, hidapi::ULONG& UsageLength, char* Report,
                                 hidapi::ULONG ReportLength);
    hidapi::NTSTATUS UnsetButtons(hidapi::USAGE* UsageList, hidapi::ULONG& UsageLength, char* Report,
                                  hidapi::ULONG ReportLength);
    hidapi::NTSTATUS GetUsageValue(hidapi::ULONG& UsageValue, char* Report, hidapi::ULONG ReportLength);
    hidapi::NTSTATUS GetScaledUsageValue(hidapi::LONG& UsageValue, char* Report, hidapi::ULONG ReportLength);
    hidapi::NTSTATUS SetUsageValue(hidapi::ULONG UsageValue, char* Report, hidapi::ULONG ReportLength);
    hidapi::NTSTATUS SetScaledUsageValue(hidapi::LONG UsageValue, char* Report, hidapi::ULONG ReportLength);
    hidapi::NTSTATUS GetUsageValueArray(char* UsageValue, hidapi::USHORT UsageValueByteLength, char* Report,
                                        hidapi::ULONG ReportLength);
    hidapi::NTSTATUS SetUsageValueArray(char* UsageValue, hidapi::USHORT UsageValueByteLength, char* Report,
                                        hidapi::ULONG ReportLength);
    hidapi::NTSTATUS GetExtendedAttributes(hidapi::HIDP_REPORT_TYPE ReportType, hidapi::USHORT DataIndex,
                                           hidapi::HIDP_EXTENDED_ATTRIBUTES* Attributes,
                                           hidapi::ULONG& LengthAttributes);
    hidapi::NTSTATUS InitializeReportForID(hidapi::HIDP_REPORT_TYPE ReportType, uint8_t ReportID, char* Report,
                                           hidapi::ULONG ReportLength);

private:
    friend class TJvHidDeviceController;
    friend class TJvHidDeviceReadThread;

    // An open device node; the descriptor closes when the last user lets go of it.
    struct Node
    {
        int fd = -1;
        bool numbered = false;
        bool broken = false;  // a read met the end of the stream: the device went away
        ~Node();
    };
    using NodePtr = std::shared_ptr<Node>;

    struct Overlapped
    {
        NodePtr node;
        uint8_t* buffer = nullptr;
        uint32_t length = 0;
        TJvHidCompletionRoutine routine = nullptr;
        bool pending = false;
        uint32_t transferred = 0;
        uint32_t error = 0;
    };

    TJvHidDevice(TJvHidPnPInfo* PnPInfo, TJvHidDeviceController* Controller);
    NodePtr OpenPath(hidraw::NodeAccess Access) const;
    // Opens the synchronous handle read-write, or for attribute queries only.
    NodePtr OpenSynchronous();
    void CloseAllFiles();
    void GetMax();
    // Takes the device out of its controller's list (or puts a fresh device in its place);
    // runs once, from the destructor or earlier when the controller defers the delete.
    void Retire();
    bool ParserReady() const;

    TJvHidDeviceController* FMyController = nullptr;
    std::atomic<bool> FIsPluggedIn { true };
    std::atomic<bool> FIsCheckedOut { false };
    std::atomic<bool> FIsEnumerated { false };
    mutable std::recursive_mutex FLock;  // the three handles, the overlapped records and the cached data
    NodePtr FHidFileHandle;
    NodePtr FHidOverlappedRead;
    NodePtr FHidOverlappedWrite;
    Overlapped FOvlRead;
    Overlapped FOvlWrite;
    hidapi::HIDD_ATTRIBUTES FAttributes {};
    TJvHidPnPInfo* FPnPInfo = nullptr;
    QString FVendorName;
    QString FProductName;
    std::vector<uint16_t> FPhysicalDescriptor;
    hidapi::PHIDP_PREPARSED_DATA FPreparsedData = nullptr;
    QString FSerialNumber;
    QStringList FLanguageStrings;
    int FNumInputBuffers = 0;
    int FNumOverlappedBuffers = 0;
    std::atomic<int> FThreadSleepTime { 100 };
    std::vector<hidapi::HIDP_LINK_COLLECTION_NODE> FLinkCollection;
    uint32_t FMaxDataListLength = 0;
    uint32_t FMaxUsageListLength = 0;
    uint32_t FMaxButtonListLength = 0;
    uint32_t FReportTypeParam = 0;
    uint16_t FUsagePageParam = 0;
    uint16_t FLinkCollectionParam = 0;
    uint16_t FUsageParam = 0;
    TJvHidDataEvent FData;
    TJvHidDataErrorEvent FDataError;
    TJvHidPlugEvent FUnplug;
    bool FHasReadWriteAccess = false;
    std::unique_ptr<TJvHidDeviceReadThread> FDataThread;
    intptr_t FTag = 0;
    bool FRetired = false;
};
