#include "plot/extras/iOPCBinding.h"

#include "platform/core/Exception.h"

using namespace iopc;

namespace {

// Every export, in the order of the library's table; those the plot never calls are looked up too.
const char* const ExportNames[] = {
    "SignalAdd", "SignalRemove", "SignalSuspend", "SignalResume", "SignalGetActive", "SignalGetUpdateSuspended",
    "SignalGetGroupHandle", "SignalSendData", "SignalGetDataNow", "SignalGetData", "SignalGetTimeStamp",
    "SignalGetQuality", "EditorSessionStart", "EditorSessionStop", "EditorComputerBranchOpen",
    "EditorComputerBranchClose", "EditorComputerBranchGetItemCount", "EditorComputerBranchGetItemData",
    "EditorServerSetup", "EditorServerGetCount", "EditorServerGetData", "EditorItemSetup", "EditorItemGetBrowseType",
    "EditorItemSetPath", "EditorItemGetBranchItems", "EditorItemGetQualifiedName", "GroupAdd", "GroupDelete",
    "GroupResume", "GroupSuspend", "GroupGetCount", "GroupGetHandleByName", "GroupGetName", "GroupGetComputerName",
    "GroupGetOPCServerName", "GroupGetUpdateRate", "GroupSetUpdateRate", "GroupGetHandle",
    "CloseAllServerConnections", "ServerConnectionGetCount", "ServerConnectionGetName",
    "ServerConnectionGetGroupCount", "ServerConnectionGetGroupName", "ServerConnectionReconnect",
    "ServerConnectionDisconnect", "ManagerCreated", "ManagerAddItem", "ManagerDestroyed", "GetLastCallErrorString",
};

// A temporary OLE string for one call.
class OleArgument
{
public:
    explicit OleArgument(const QString& Text)
        : m_text(OleStringAlloc(reinterpret_cast<const char16_t*>(Text.utf16()), static_cast<std::uint32_t>(Text.size())))
    {
    }
    ~OleArgument() { OleStringFree(m_text); }
    OleArgument(const OleArgument&) = delete;
    OleArgument& operator=(const OleArgument&) = delete;
    operator OleString() const { return m_text; }

private:
    OleString m_text;
};

// Takes an OLE string handed out by the library and releases it.
QString TakeOleString(OleString& Text)
{
    const QString result = Text ? QString::fromUtf16(Text, OleStringLength(Text)) : QString();
    OleStringFree(Text);
    Text = nullptr;
    return result;
}

QString LibraryFileName() { return QString::fromStdString(vcl::ModuleFileName(LibraryName)); }

} // namespace

TiOPCBinding& TiOPCBinding::Instance()
{
    static TiOPCBinding binding;
    return binding;
}

TiOPCBinding::TiOPCBinding()
{
    if (!vcl::LoadModule(FHandle, LibraryName))
        return;
    for (const char* name : ExportNames) {
        const std::string text(name);
        FEntries[text] = vcl::GetModuleSymbol(FHandle, std::u16string(text.begin(), text.end()));
    }
}

TiOPCBinding::~TiOPCBinding()
{
    if (FHandle != 0)
        vcl::UnloadModule(FHandle);
}

bool OPCLibraryMissing() { return !TiOPCBinding::Instance().Loaded(); }

template <typename Fn>
Fn TiOPCBinding::Entry(const char* Name) const
{
    if (!Loaded())
        throw vcl::Exception(QStringLiteral("Zarvik OPC DLL Not Found."));
    const auto it = FEntries.find(Name);
    if (it == FEntries.end() || !it->second)
        throw vcl::Exception(QStringLiteral("Function \"%1\" not found in \"%2\".")
                                 .arg(QString::fromLatin1(Name), LibraryFileName()));
    return reinterpret_cast<Fn>(it->second);
}

void TiOPCBinding::CheckLastError()
{
    const QString text = GetLastCallErrorString();
    if (!text.isEmpty())
        throw vcl::Exception(text);
}

int TiOPCBinding::SignalAdd(const QString& ComputerName, const QString& ServerName, const QString& ItemName,
                            const QString& GroupName, int UpdateRate, bool Suspended, std::uint16_t ValueType,
                            ItemCallback* Callback)
{
    auto fn = Entry<SignalAddFn>("SignalAdd");
    OleArgument computer(ComputerName), server(ServerName), item(ItemName), group(GroupName);
    std::int32_t handle = 0;
    fn(&handle, computer, server, item, group, UpdateRate, Suspended ? 1 : 0, ValueType, Callback);
    CheckLastError();
    return handle;
}

void TiOPCBinding::SignalRemove(int Handle)
{
    Entry<SignalHandleFn>("SignalRemove")(Handle);
    CheckLastError();
}

void TiOPCBinding::SignalSuspend(int Handle)
{
    Entry<SignalHandleFn>("SignalSuspend")(Handle);
    CheckLastError();
}

void TiOPCBinding::SignalResume(int Handle)
{
    Entry<SignalHandleFn>("SignalResume")(Handle);
    CheckLastError();
}

bool TiOPCBinding::SignalGetActive(int Handle)
{
    std::uint8_t value = 0;
    Entry<SignalGetFlagFn>("SignalGetActive")(Handle, &value);
    CheckLastError();
    return value != 0;
}

bool TiOPCBinding::SignalGetUpdateSuspended(int Handle)
{
    std::uint8_t value = 0;
    Entry<SignalGetFlagFn>("SignalGetUpdateSuspended")(Handle, &value);
    CheckLastError();
    return value != 0;
}

void TiOPCBinding::SignalSendData(int Handle, const Variant& Value)
{
    auto fn = Entry<SignalSendDataFn>("SignalSendData");
    Variant copy = Value;
    if (Value.vt == vtBstr)
        copy.bstr = OleStringAlloc(Value.bstr, OleStringLength(Value.bstr));
    struct Release
    {
        Variant& v;
        ~Release() { VariantClear(v); }
    } release { copy };
    fn(Handle, &copy);
    CheckLastError();
}

void TiOPCBinding::SignalGetDataNow(int Handle)
{
    Entry<SignalHandleFn>("SignalGetDataNow")(Handle);
    CheckLastError();
}

void TiOPCBinding::SignalGetData(int Handle, Variant& Value)
{
    auto fn = Entry<SignalGetDataFn>("SignalGetData");
    Variant received {};
    fn(Handle, &received);
    try {
        CheckLastError();
    } catch (...) {
        VariantClear(received);
        throw;
    }
    VariantClear(Value);
    Value = received;
}

void TiOPCBinding::SignalGetTimeStamp(int Handle, double& Value)
{
    double received = 0;
    Entry<SignalGetTimeStampFn>("SignalGetTimeStamp")(Handle, &received);
    CheckLastError();
    Value = received;
}

void TiOPCBinding::SignalGetQuality(int Handle, std::uint16_t& Value)
{
    std::uint16_t received = 0;
    Entry<SignalGetQualityFn>("SignalGetQuality")(Handle, &received);
    CheckLastError();
    Value = received;
}

void TiOPCBinding::GroupAdd(int& Handle, const QString& Name, const QString& ComputerName, const QString& ServerName,
                            int UpdateRate, ManagerCallback* Callback)
{
    auto fn = Entry<GroupAddFn>("GroupAdd");
    OleArgument name(Name), computer(ComputerName), server(ServerName);
    std::int32_t handle = 0;
    fn(&handle, name, computer, server, UpdateRate, Callback);
    CheckLastError();
    Handle = handle;
}

void TiOPCBinding::GroupDelete(int Handle)
{
    Entry<GroupHandleFn>("GroupDelete")(Handle);
    CheckLastError();
}

void TiOPCBinding::GroupResume(int Handle)
{
    Entry<GroupHandleFn>("GroupResume")(Handle);
    CheckLastError();
}

void TiOPCBinding::GroupSuspend(int Handle)
{
    Entry<GroupHandleFn>("GroupSuspend")(Handle);
    CheckLastError();
}

void TiOPCBinding::GroupSetUpdateRate(int Handle, int Rate)
{
    Entry<GroupSetUpdateRateFn>("GroupSetUpdateRate")(Handle, Rate);
    CheckLastError();
}

void TiOPCBinding::CloseAllServerConnections()
{
    Entry<NoArgumentFn>("CloseAllServerConnections")();
    CheckLastError();
}

int TiOPCBinding::ServerConnectionGetCount()
{
    const int count = Entry<CountFn>("ServerConnectionGetCount")();
    CheckLastError();
    return count;
}

QString TiOPCBinding::ServerConnectionGetName(int Index)
{
    OleString name = nullptr;
    Entry<ServerConnectionGetNameFn>("ServerConnectionGetName")(&name, Index);
    QString text = TakeOleString(name);
    CheckLastError();
    return text;
}

bool TiOPCBinding::ManagerCreated()
{
    const auto it = FEntries.find("ManagerCreated");
    if (!Loaded() || it == FEntries.end() || !it->second)
        return false;
    const bool result = reinterpret_cast<ManagerCreatedFn>(it->second)() != 0;
    CheckLastError();
    return result;
}

void TiOPCBinding::ManagerDestroyed()
{
    const auto it = FEntries.find("ManagerDestroyed");
    if (!Loaded() || it == FEntries.end() || !it->second)
        return;
    reinterpret_cast<NoArgumentFn>(it->second)();
    CheckLastError();
}

QString TiOPCBinding::GetLastCallErrorString()
{
    const auto it = FEntries.find("GetLastCallErrorString");
    if (!Loaded() || it == FEntries.end() || !it->second)
        return QString();
    OleString text = nullptr;
    reinterpret_cast<GetLastCallErrorStringFn>(it->second)(&text);
    return TakeOleString(text);
}
