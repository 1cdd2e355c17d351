#include "transport/hid/TJvHidDevice.h"

#include "transport/hid/Hid.h"
#include "transport/hid/TJvHidDeviceController.h"
#include "transport/hid/TJvHidDeviceReadThread.h"
#include "transport/hid/TJvHidPnPInfo.h"

#include <cerrno>
#include <cstring>
#include <thread>

using namespace hidapi;
using hidraw::NodeAccess;

namespace
{

constexpr ULONG StringBufferBytes = 508;  // 254 characters and the terminator

using Lock = std::lock_guard<std::recursive_mutex>;

} // namespace

TJvHidDevice::Node::~Node()
{
    hidraw::CloseNode(fd);
}

TJvHidDevice::TJvHidDevice()
{
    throw EControllerError(QString::fromLatin1(JvHidTexts::DirectDeviceCreation));
}

TJvHidDevice::TJvHidDevice(TJvHidPnPInfo* PnPInfo, TJvHidDeviceController* Controller)
    : FMyController(Controller), FPnPInfo(PnPInfo)
{
    if (Controller) {
        FData = Controller->OnDeviceData();
        FUnplug = Controller->OnDeviceUnplug();
    }
    FHidFileHandle = OpenSynchronous();
    if (!FHidFileHandle) {
        delete FPnPInfo;
        throw EControllerError(QString::fromLatin1(JvHidTexts::DeviceCannotBeOpened));
    }
    FAttributes.Size = sizeof(HIDD_ATTRIBUTES);
    if (!HidD_GetAttributes || !HidD_GetAttributes(FHidFileHandle->fd, &FAttributes)) {
        FHidFileHandle.reset();
        delete FPnPInfo;
        throw EControllerError(QString::fromLatin1(JvHidTexts::DeviceCannotBeIdentified));
    }
    CloseFile();
}

TJvHidDevice::~TJvHidDevice()
{
    Retire();
    delete FPnPInfo;
}

void TJvHidDevice::Retire()
{
    if (FRetired)
        return;
    FRetired = true;
    const TJvHidDataEvent keptData = FData;
    const TJvHidPlugEvent keptUnplug = FUnplug;
    SetDataEvent(nullptr);
    FUnplug = nullptr;
    CloseAllFiles();
    {
        Lock guard(FLock);
        if (FPreparsedData && HidD_FreePreparsedData)
            HidD_FreePreparsedData(FPreparsedData);
        FPreparsedData = nullptr;
    }
    if (FMyController && FMyController->TakeOutOfList(this, keptData, keptUnplug))
        FPnPInfo = nullptr;  // handed over to the fresh device in this one's place
    FMyController = nullptr;
}

TJvHidDevice::NodePtr TJvHidDevice::OpenPath(NodeAccess Access) const
{
    if (!FPnPInfo)
        return nullptr;
    const int fd = hidraw::OpenNode(FPnPInfo->DevicePath().toStdString(), Access);
    if (fd < 0)
        return nullptr;
    auto node = std::make_shared<Node>();
    node->fd = fd;
    node->numbered = hidraw::NodeUsesReportIds(fd);
    return node;
}

TJvHidDevice::NodePtr TJvHidDevice::OpenSynchronous()
{
    NodePtr node = OpenPath(NodeAccess::ReadWrite);
    FHasReadWriteAccess = node != nullptr;
    if (!node)
        node = OpenPath(NodeAccess::None);
    return node;
}

int TJvHidDevice::HidFileHandle() const
{
    Lock guard(FLock);
    return FHidFileHandle ? FHidFileHandle->fd : -1;
}

int TJvHidDevice::HidOverlappedRead() const
{
    Lock guard(FLock);
    return FHidOverlappedRead ? FHidOverlappedRead->fd : -1;
}

int TJvHidDevice::HidOverlappedWrite() const
{
    Lock guard(FLock);
    return FHidOverlappedWrite ? FHidOverlappedWrite->fd : -1;
}

bool TJvHidDevice::OpenFile()
{
    Lock guard(FLock);
    if (IsAccessible() && !FHidFileHandle) {
        FHidFileHandle = OpenSynchronous();
        if (FHidFileHandle) {
            if (FNumInputBuffers != 0 && HidD_SetNumInputBuffers)
                HidD_SetNumInputBuffers(FHidFileHandle->fd, ULONG(FNumInputBuffers));
            ULONG count = 0;
            if (HidD_GetNumInputBuffers && HidD_GetNumInputBuffers(FHidFileHandle->fd, &count))
                FNumInputBuffers = int(count);
        }
    }
    return FHidFileHandle != nullptr;
}

bool TJvHidDevice::OpenFileEx(TJvHidOpenExMode Mode)
{
    Lock guard(FLock);
    if (!IsAccessible())
        return false;
    if (Mode == TJvHidOpenExMode::omhRead) {
        if (!FHidOverlappedRead) {
            FHidOverlappedRead = OpenPath(NodeAccess::Read);
            if (FHidOverlappedRead) {
                if (FNumOverlappedBuffers != 0 && HidD_SetNumInputBuffers)
                    HidD_SetNumInputBuffers(FHidOverlappedRead->fd, ULONG(FNumOverlappedBuffers));
                ULONG count = 0;
                if (HidD_GetNumInputBuffers && HidD_GetNumInputBuffers(FHidOverlappedRead->fd, &count))
                    FNumOverlappedBuffers = int(count);
            }
        }
        return FHidOverlappedRead != nullptr;
    }
    if (!FHidOverlappedWrite)
        FHidOverlappedWrite = OpenPath(NodeAccess::Write);
    return FHidOverlappedWrite != nullptr;
}

void TJvHidDevice::CloseFile()
{
    Lock guard(FLock);
    FHidFileHandle.reset();
    FNumInputBuffers = 0;
}

void TJvHidDevice::CloseFileEx(TJvHidOpenExMode Mode)
{
    Lock guard(FLock);
    if (Mode == TJvHidOpenExMode::omhRead) {
        FHidOverlappedRead.reset();
        FNumOverlappedBuffers = 0;
        FOvlRead.pending = false;
        FOvlRead.node.reset();
    } else {
        FHidOverlappedWrite.reset();
        FOvlWrite.pending = false;
        FOvlWrite.node.reset();
    }
}

void TJvHidDevice::CloseAllFiles()
{
    CloseFile();
    CloseFileEx(TJvHidOpenExMode::omhRead);
    CloseFileEx(TJvHidOpenExMode::omhWrite);
}

bool TJvHidDevice::CheckOut()
{
    if (!FMyController || !FIsPluggedIn || FIsCheckedOut)
        return false;
    FIsCheckedOut = true;
    ++FMyController->FNumCheckedOutDevices;
    --FMyController->FNumCheckedInDevices;
    StartThread();
    return true;
}

void TJvHidDevice::DoUnplug()
{
    CloseAllFiles();
    FIsPluggedIn = false;
    // The handler may check the device in, which may free it: nothing here touches it afterwards.
    TJvHidPlugEvent handler = std::move(FUnplug);
    FUnplug = nullptr;
    if (handler)
        handler(this);
}

PHIDP_PREPARSED_DATA TJvHidDevice::GetPreparsedData()
{
    Lock guard(FLock);
    if (!FPreparsedData && OpenFile()) {
        if (HidD_GetPreparsedData && !HidD_GetPreparsedData(FHidFileHandle->fd, &FPreparsedData))
            FPreparsedData = nullptr;
        CloseFile();
    }
    return FPreparsedData;
}

HIDP_CAPS TJvHidDevice::GetCaps()
{
    HIDP_CAPS caps;
    std::memset(&caps, 0, sizeof caps);
    Lock guard(FLock);
    if (PHIDP_PREPARSED_DATA data = GetPreparsedData(); data && HidP_GetCaps)
        HidP_GetCaps(data, &caps);
    return caps;
}

bool TJvHidDevice::WriteFile(const void* Report, uint32_t ToWrite, uint32_t& BytesWritten)
{
    BytesWritten = 0;
    NodePtr node;
    {
        Lock guard(FLock);
        if (!OpenFile())
            return false;
        node = FHidFileHandle;
    }
    const ssize_t n = hidraw::WriteReport(node->fd, static_cast<const uint8_t*>(Report), ToWrite);
    if (n < 0)
        return false;
    BytesWritten = uint32_t(n);
    return true;
}

bool TJvHidDevice::ReadFile(void* Report, uint32_t ToRead, uint32_t& BytesRead)
{
    BytesRead = 0;
    NodePtr node;
    {
        Lock guard(FLock);
        if (!OpenFile())
            return false;
        node = FHidFileHandle;
    }
    const ssize_t n = hidraw::ReadReport(node->fd, static_cast<uint8_t*>(Report), ToRead, node->numbered);
    if (n <= 0)
        return false;
    BytesRead = uint32_t(n);
    return true;
}

bool TJvHidDevice::ReadFileEx(void* Report, uint32_t ToRead, TJvHidCompletionRoutine CallBack)
{
    Lock guard(FLock);
    // A handle whose stream has ended is opened afresh, which fails once the device has gone.
    if (FHidOverlappedRead && FHidOverlappedRead->broken)
        CloseFileEx(TJvHidOpenExMode::omhRead);
    if (!OpenFileEx(TJvHidOpenExMode::omhRead)) {
        if (errno == 0)
            errno = ENODEV;
        return false;
    }
    FOvlRead = Overlapped {FHidOverlappedRead, static_cast<uint8_t*>(Report), ToRead, CallBack, true, 0, 0};
    return true;
}

bool TJvHidDevice::WriteFileEx(const void* Report, uint32_t ToWrite, TJvHidCompletionRoutine CallBack)
{
    NodePtr node;
    {
        Lock guard(FLock);
        if (!OpenFileEx(TJvHidOpenExMode::omhWrite))
            return false;
        node = FHidOverlappedWrite;
    }
    const ssize_t n = hidraw::WriteReport(node->fd, static_cast<const uint8_t*>(Report), ToWrite);
    {
        Lock guard(FLock);
        FOvlWrite = Overlapped {node, nullptr, ToWrite, CallBack, false, n > 0 ? uint32_t(n) : 0,
                                n < 0 ? uint32_t(errno) : 0};
    }
    if (n < 0)
        return false;
    if (CallBack)
        CallBack(0, uint32_t(n), this);
    return true;
}

uint32_t TJvHidDevice::SleepEx(int Ms)
{
    NodePtr node;
    uint8_t* buffer = nullptr;
    uint32_t length = 0;
    {
        Lock guard(FLock);
        if (FOvlRead.pending) {
            node = FOvlRead.node;
            buffer = FOvlRead.buffer;
            length = FOvlRead.length;
        }
    }
    if (!node) {
        std::this_thread::sleep_for(std::chrono::milliseconds(Ms));
        return 0;
    }
    const int ready = hidraw::WaitReadable(node->fd, Ms);
    if (ready == 0)
        return 0;
    ssize_t n = -1;
    int error = errno;
    if (ready > 0) {
        n = hidraw::ReadReport(node->fd, buffer, length, node->numbered);
        error = n < 0 ? errno : ENODEV;
    }
    TJvHidCompletionRoutine routine = nullptr;
    uint32_t transferred = n > 0 ? uint32_t(n) : 0;
    {
        Lock guard(FLock);
        if (n <= 0)
            node->broken = true;
        if (!FOvlRead.pending || FOvlRead.node != node)
            return WAIT_IO_COMPLETION;  // cancelled meanwhile: the result is dropped
        FOvlRead.pending = false;
        FOvlRead.transferred = transferred;
        FOvlRead.error = n > 0 ? 0 : uint32_t(error);
        routine = FOvlRead.routine;
    }
    if (routine)
        routine(n > 0 ? 0 : uint32_t(error), transferred, this);
    return WAIT_IO_COMPLETION;
}

uint32_t TJvHidDevice::GetOverlappedReadResult()
{
    Lock guard(FLock);
    if (!FHidOverlappedRead || FOvlRead.pending || FOvlRead.node != FHidOverlappedRead)
        return 0;
    return FOvlRead.transferred;
}

uint32_t TJvHidDevice::GetOverlappedWriteResult()
{
    Lock guard(FLock);
    if (!FHidOverlappedWrite || FOvlWrite.pending)
        return 0;
    return FOvlWrite.transferred;
}

bool TJvHidDevice::CancelIO(TJvHidOpenExMode Mode)
{
    Lock guard(FLock);
    Overlapped& ovl = Mode == TJvHidOpenExMode::omhRead ? FOvlRead : FOvlWrite;
    const NodePtr& handle = Mode == TJvHidOpenExMode::omhRead ? FHidOverlappedRead : FHidOverlappedWrite;
    if (!handle)
        return false;
    ovl.pending = false;
    return true;
}

bool TJvHidDevice::FlushQueue()
{
    Lock guard(FLock);
    return OpenFile() && HidD_FlushQueue && HidD_FlushQueue(FHidFileHandle->fd);
}

bool TJvHidDevice::GetFeature(void* Report, uint32_t Size)
{
    Lock guard(FLock);
    return OpenFile() && HidD_GetFeature && HidD_GetFeature(FHidFileHandle->fd, Report, Size);
}

bool TJvHidDevice::SetFeature(void* Report, uint32_t Size)
{
    Lock guard(FLock);
    return OpenFile() && HidD_SetFeature && HidD_SetFeature(FHidFileHandle->fd, Report, Size);
}

bool TJvHidDevice::GetInputReport(void* Report, uint32_t Size)
{
    Lock guard(FLock);
    return HidD_GetInputReport && OpenFile() && HidD_GetInputReport(FHidFileHandle->fd, Report, Size);
}

bool TJvHidDevice::SetOutputReport(void* Report, uint32_t Size)
{
    Lock guard(FLock);
    return HidD_SetOutputReport && OpenFile() && HidD_SetOutputReport(FHidFileHandle->fd, Report, Size);
}

HIDD_CONFIGURATION TJvHidDevice::GetConfiguration()
{
    HIDD_CONFIGURATION config;
    std::memset(&config, 0, sizeof config);
    Lock guard(FLock);
    if (OpenFile() && HidD_GetConfiguration)
        HidD_GetConfiguration(FHidFileHandle->fd, &config, sizeof config);
    return config;
}

void TJvHidDevice::SetConfiguration(const HIDD_CONFIGURATION& Config)
{
    Lock guard(FLock);
    HIDD_CONFIGURATION copy = Config;
    if (OpenFile() && HidD_SetConfiguration)
        HidD_SetConfiguration(FHidFileHandle->fd, &copy, sizeof copy);
}

QString TJvHidDevice::GetVendorName()
{
    Lock guard(FLock);
    if (FVendorName.isEmpty() && OpenFile()) {
        char16_t buffer[StringBufferBytes / 2] = {};
        if (HidD_GetManufacturerString && HidD_GetManufacturerString(FHidFileHandle->fd, buffer, StringBufferBytes))
            FVendorName = QString::fromUtf16(buffer);
        CloseFile();
    }
    return FVendorName;
}

QString TJvHidDevice::GetProductName()
{
    Lock guard(FLock);
    if (FProductName.isEmpty() && OpenFile()) {
        char16_t buffer[StringBufferBytes / 2] = {};
        if (HidD_GetProductString && HidD_GetProductString(FHidFileHandle->fd, buffer, StringBufferBytes))
            FProductName = QString::fromUtf16(buffer);
        CloseFile();
    }
    return FProductName;
}

namespace
{

// The language-ID list (string index 0): the words up to the last one other than 0xFFFF.
std::vector<uint16_t> LanguageIds(int fd)
{
    uint16_t words[StringBufferBytes / 2];
    std::memset(words, 0xFF, sizeof words);
    if (!HidD_GetIndexedString || !HidD_GetIndexedString(fd, 0, words, StringBufferBytes))
        return {};
    int last = -1;
    for (int i = 0; i < int(StringBufferBytes / 2); ++i)
        if (words[i] != 0xFFFF)
            last = i;
    int length = last < 0 ? 0 : (words[last] != 0 ? last + 1 : last);
    return std::vector<uint16_t>(words, words + length);
}

} // namespace

QString HidLanguageName(uint16_t LanguageId)
{
    // The kernel reads every device string in US English, the one language we can name.
    if (LanguageId == 0x0409)
        return QStringLiteral("English (United States)");
    return QStringLiteral("unknown Locale ID $%1").arg(QString::number(LanguageId, 16).toUpper().rightJustified(4, u'0'));
}

QString TJvHidDevice::GetSerialNumber()
{
    Lock guard(FLock);
    if (FSerialNumber.isEmpty() && OpenFile()) {
        char16_t serial[StringBufferBytes / 2] = {};
        if (HidD_GetSerialNumberString && HidD_GetSerialNumberString(FHidFileHandle->fd, serial, StringBufferBytes)) {
            const std::vector<uint16_t> languages = LanguageIds(FHidFileHandle->fd);
            bool differs = false;
            for (size_t i = 0; i < languages.size(); ++i)
                differs = differs || uint16_t(serial[i]) != languages[i];
            if (differs)
                FSerialNumber = QString::fromUtf16(serial);
        }
        CloseFile();
    }
    return FSerialNumber;
}

QStringList TJvHidDevice::GetLanguageStrings()
{
    Lock guard(FLock);
    if (FLanguageStrings.isEmpty() && OpenFile()) {
        for (uint16_t id : LanguageIds(FHidFileHandle->fd))
            FLanguageStrings.append(HidLanguageName(id));
        CloseFile();
    }
    return FLanguageStrings;
}

std::vector<uint16_t> TJvHidDevice::GetPhysicalDescriptor()
{
    Lock guard(FLock);
    if (FPhysicalDescriptor.empty() && OpenFile()) {
        std::vector<uint16_t> buffer(2048);
        for (ULONG bytes = 0; bytes <= 4096; bytes += 2) {
            if (HidD_GetPhysicalDescriptor && HidD_GetPhysicalDescriptor(FHidFileHandle->fd, buffer.data(), bytes)) {
                FPhysicalDescriptor.assign(buffer.begin(), buffer.begin() + bytes / 2);
                break;
            }
            if (errno != ErrorInsufficientBuffer)
                break;
        }
        CloseFile();
    }
    return FPhysicalDescriptor;
}

QString TJvHidDevice::GetDeviceStringUnicode(uint8_t Idx)
{
    if (Idx == 0)
        return {};
    Lock guard(FLock);
    char16_t buffer[StringBufferBytes / 2] = {};
    if (OpenFile() && HidD_GetIndexedString && HidD_GetIndexedString(FHidFileHandle->fd, Idx, buffer, StringBufferBytes))
        return QString::fromUtf16(buffer);
    return {};
}

QByteArray TJvHidDevice::GetDeviceStringAnsi(uint8_t Idx)
{
    return GetDeviceStringUnicode(Idx).toLatin1();
}

HIDP_LINK_COLLECTION_NODE TJvHidDevice::GetLinkCollectionNode(uint16_t Idx)
{
    HIDP_LINK_COLLECTION_NODE node;
    std::memset(&node, 0, sizeof node);
    Lock guard(FLock);
    if (FLinkCollection.empty()) {
        ULONG count = GetCaps().NumberLinkCollectionNodes;
        if (count > 0 && HidP_GetLinkCollectionNodes) {
            std::vector<HIDP_LINK_COLLECTION_NODE> nodes(count);
            std::memset(nodes.data(), 0, nodes.size() * sizeof(HIDP_LINK_COLLECTION_NODE));
            if (HidP_GetLinkCollectionNodes(nodes.data(), &count, GetPreparsedData()) == HIDP_STATUS_SUCCESS) {
                nodes.resize(std::min<size_t>(count, nodes.size()));
                FLinkCollection = std::move(nodes);
            }
        }
    }
    if (Idx < FLinkCollection.size())
        node = FLinkCollection[Idx];
    return node;
}

void TJvHidDevice::SetNumInputBuffers(int Num)
{
    Lock guard(FLock);
    if (Num != FNumInputBuffers && OpenFile()) {
        if (HidD_SetNumInputBuffers)
            HidD_SetNumInputBuffers(FHidFileHandle->fd, ULONG(Num));
        ULONG count = 0;
        if (HidD_GetNumInputBuffers && HidD_GetNumInputBuffers(FHidFileHandle->fd, &count))
            FNumInputBuffers = int(count);
    }
}

void TJvHidDevice::SetNumOverlappedBuffers(int Num)
{
    Lock guard(FLock);
    if (Num != FNumOverlappedBuffers && OpenFileEx(TJvHidOpenExMode::omhRead)) {
        if (HidD_SetNumInputBuffers)
            HidD_SetNumInputBuffers(FHidOverlappedRead->fd, ULONG(Num));
        ULONG count = 0;
        if (HidD_GetNumInputBuffers && HidD_GetNumInputBuffers(FHidOverlappedRead->fd, &count))
            FNumOverlappedBuffers = int(count);
    }
}

void TJvHidDevice::GetMax()
{
    if (!IsAccessible())
        return;
    const auto type = HIDP_REPORT_TYPE(FReportTypeParam);
    if (HidP_MaxDataListLength)
        FMaxDataListLength = HidP_MaxDataListLength(type, GetPreparsedData());
    if (HidP_MaxUsageListLength) {
        FMaxUsageListLength = HidP_MaxUsageListLength(type, FUsagePageParam, GetPreparsedData());
        FMaxButtonListLength = FMaxUsageListLength;
    }
}

void TJvHidDevice::SetReportTypeParam(uint32_t Value)
{
    FReportTypeParam = Value;
    GetMax();
}

void TJvHidDevice::SetUsagePageParam(uint16_t Value)
{
    FUsagePageParam = Value;
    GetMax();
}

void TJvHidDevice::SetThreadSleepTime(int SleepTime)
{
    if (SleepTime >= 10 && SleepTime <= 10000)
        FThreadSleepTime = SleepTime;
}

void TJvHidDevice::SetDataEvent(const TJvHidDataEvent& DataEvent)
{
    if (!DataEvent)
        StopThread();
    FData = DataEvent;
    StartThread();
}

void TJvHidDevice::StartThread()
{
    if (!FData || !FIsPluggedIn || !FIsCheckedOut || !FHasReadWriteAccess || FDataThread)
        return;
    // A device without input reports has nothing to read.
    const uint16_t length = GetCaps().InputReportByteLength;
    if (length == 0)
        return;
    FDataThread.reset(new TJvHidDeviceReadThread(this, length));
    FDataThread->Resume();
}

void TJvHidDevice::StopThread()
{
    if (!FDataThread)
        return;
    FDataThread->Stop();
    FDataThread.reset();
}

bool TJvHidDevice::ParserReady() const
{
    return IsAccessible();
}

#define ZQ9_PARSER(call)                                                                                              \
    if (!ParserReady())                                                                                               \
        return HIDP_STATUS_NULL;                                                                                      \
    return call

namespace
{
template <typename F, typename... A>
NTSTATUS Call(F f, A... a)
{
    return f ? f(a...) : HIDP_STATUS_NOT_IMPLEMENTED;
}
} // namespace

NTSTATUS TJvHidDevice::GetButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, USHORT& Count)
{
    ZQ9_PARSER(HidP_GetButtonCaps_(HIDP_REPORT_TYPE(FReportTypeParam), ButtonCaps, Count, GetPreparsedData()));
}
NTSTATUS TJvHidDevice::GetSpecificButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, USHORT& Count)
{
    ZQ9_PARSER(Call(HidP_GetSpecificButtonCaps, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam,
                    FLinkCollectionParam, FUsageParam, ButtonCaps, &Count, GetPreparsedData()));
}
NTSTATUS TJvHidDevice::GetValueCaps(HIDP_VALUE_CAPS* ValueCaps, USHORT& Count)
{
    ZQ9_PARSER(HidP_GetValueCaps_(HIDP_REPORT_TYPE(FReportTypeParam), ValueCaps, Count, GetPreparsedData()));
}
NTSTATUS TJvHidDevice::GetSpecificValueCaps(HIDP_VALUE_CAPS* ValueCaps, USHORT& Count)
{
    ZQ9_PARSER(Call(HidP_GetSpecificValueCaps, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam,
                    FLinkCollectionParam, FUsageParam, ValueCaps, &Count, GetPreparsedData()));
}
NTSTATUS TJvHidDevice::GetData(HIDP_DATA* DataList, ULONG& DataLength, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_GetData, HIDP_REPORT_TYPE(FReportTypeParam), DataList, &DataLength, GetPreparsedData(),
                    Report, ReportLength));
}
NTSTATUS TJvHidDevice::SetData(HIDP_DATA* DataList, ULONG& DataLength, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_SetData, HIDP_REPORT_TYPE(FReportTypeParam), DataList, &DataLength, GetPreparsedData(),
                    Report, ReportLength));
}
NTSTATUS TJvHidDevice::GetUsages(USAGE* UsageList, ULONG& UsageLength, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_GetUsages, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam, FLinkCollectionParam,
                    UsageList, &UsageLength, GetPreparsedData(), Report, ReportLength));
}
NTSTATUS TJvHidDevice::GetButtons(USAGE* UsageList, ULONG& UsageLength, char* Report, ULONG ReportLength)
{
    return GetUsages(UsageList, UsageLength, Report, ReportLength);
}
NTSTATUS TJvHidDevice::GetUsagesEx(USAGE_AND_PAGE* UsageList, ULONG& UsageLength, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_GetUsagesEx, HIDP_REPORT_TYPE(FReportTypeParam), FLinkCollectionParam, UsageList,
                    &UsageLength, GetPreparsedData(), Report, ReportLength));
}
NTSTATUS TJvHidDevice::GetButtonsEx(USAGE_AND_PAGE* UsageList, ULONG& UsageLength, char* Report, ULONG ReportLength)
{
    return GetUsagesEx(UsageList, UsageLength, Report, ReportLength);
}
NTSTATUS TJvHidDevice::SetUsages(USAGE* UsageList, ULONG& UsageLength, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_SetUsages, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam, FLinkCollectionParam,
                    UsageList, &UsageLength, GetPreparsedData(), Report, ReportLength));
}
NTSTATUS TJvHidDevice::SetButtons(USAGE* UsageList, ULONG& UsageLength, char* Report, ULONG ReportLength)
{
    return SetUsages(UsageList, UsageLength, Report, ReportLength);
}
NTSTATUS TJvHidDevice::UnsetUsages(USAGE* UsageList, ULONG& UsageLength, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_UnsetUsages, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam, FLinkCollectionParam,
                    UsageList, &UsageLength, GetPreparsedData(), Report, ReportLength));
}
NTSTATUS TJvHidDevice::UnsetButtons(USAGE* UsageList, ULONG& UsageLength, char* Report, ULONG ReportLength)
{
    return UnsetUsages(UsageList, UsageLength, Report, ReportLength);
}
NTSTATUS TJvHidDevice::GetUsageValue(ULONG& UsageValue, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_GetUsageValue, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam, FLinkCollectionParam,
                    FUsageParam, &UsageValue, GetPreparsedData(), Report, ReportLength));
}
NTSTATUS TJvHidDevice::GetScaledUsageValue(LONG& UsageValue, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_GetScaledUsageValue, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam,
                    FLinkCollectionParam, FUsageParam, &UsageValue, GetPreparsedData(), Report, ReportLength));
}
NTSTATUS TJvHidDevice::SetUsageValue(ULONG UsageValue, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_SetUsageValue, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam, FLinkCollectionParam,
                    FUsageParam, UsageValue, GetPreparsedData(), Report, ReportLength));
}
NTSTATUS TJvHidDevice::SetScaledUsageValue(LONG UsageValue, char* Report, ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_SetScaledUsageValue, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam,
                    FLinkCollectionParam, FUsageParam, UsageValue, GetPreparsedData(), Report, ReportLength));
}
NTSTATUS TJvHidDevice::GetUsageValueArray(char* UsageValue, USHORT UsageValueByteLength, char* Report,
                                          ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_GetUsageValueArray, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam,
                    FLinkCollectionParam, FUsageParam, UsageValue, UsageValueByteLength, GetPreparsedData(), Report,
                    ReportLength));
}
NTSTATUS TJvHidDevice::SetUsageValueArray(char* UsageValue, USHORT UsageValueByteLength, char* Report,
                                          ULONG ReportLength)
{
    ZQ9_PARSER(Call(HidP_SetUsageValueArray, HIDP_REPORT_TYPE(FReportTypeParam), FUsagePageParam,
                    FLinkCollectionParam, FUsageParam, UsageValue, UsageValueByteLength, GetPreparsedData(), Report,
                    ReportLength));
}

NTSTATUS TJvHidDevice::GetExtendedAttributes(HIDP_REPORT_TYPE ReportType, USHORT DataIndex,
                                             HIDP_EXTENDED_ATTRIBUTES* Attributes, ULONG& LengthAttributes)
{
    if (!HidP_GetExtendedAttributes)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidP_GetExtendedAttributes(ReportType, DataIndex, FPreparsedData, Attributes, &LengthAttributes);
}

NTSTATUS TJvHidDevice::InitializeReportForID(HIDP_REPORT_TYPE ReportType, uint8_t ReportID, char* Report,
                                             ULONG ReportLength)
{
    if (!HidP_InitializeReportForID)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidP_InitializeReportForID(ReportType, ReportID, FPreparsedData, Report, ReportLength);
}
