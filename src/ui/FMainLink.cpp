// The main window's send path, the transports' notifications, the traffic traces and the entries of
// the controller's network client socket.

#include "ui/FMain.h"

#include "device/LCmd.h"
#include "platform/core/AnsiCodec.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/WindowMessages.h"
#include "transport/LCommProc.h"
#include "transport/LNetProc.h"
#include "transport/LNetSocketGlue.h"
#include "transport/LUsbProc.h"
#include "transport/TransportMessages.h"
#include "ui/FHidData.h"

namespace {

// The main window as the transports see it: frames are sent to its handle and wait until handled
// (cancelled when the transport stops), failures are posted, writes and traces are handed on.
class MainTransportHost : public LTransportHost
{
public:
    MainTransportHost(TfmMain& form, vcl::HWND handle, NetworkSocketLink& network)
        : Form(form), Handle(handle), Network(network)
    {
    }

    int GetDeviceId() const override { return Form.GetDeviceId(); }

    bool DeliverFrame(unsigned message, const BytePacket& frame, std::uint32_t elapsedMs,
                      const vcl::TCancelSignal& cancel) override
    {
        bool handled = false;
        vcl::SendMessage(Handle, message, reinterpret_cast<vcl::WPARAM>(&frame), static_cast<vcl::LPARAM>(elapsedMs),
                         cancel, &handled);
        return handled;
    }

    void PostCommEvent(std::uint32_t code, std::uint32_t param) override { PostCommEventFrom(0, code, param); }
    // The reporting transport rides in the upper half of wParam (see TfmMain::CommEventSource).
    void PostCommEventFrom(std::uint32_t source, std::uint32_t code, std::uint32_t param) override
    {
        const auto wParam = static_cast<vcl::WPARAM>(code) | (static_cast<vcl::WPARAM>(source) << 32);
        vcl::PostMessage(Handle, UM_COMM_EVENT, wParam, static_cast<vcl::LPARAM>(param));
    }

    void UsbWrite(const std::uint8_t* data, unsigned count) override
    {
        if (Form.UsbWriteHandler)
            Form.UsbWriteHandler(data, count);
    }
    // Straight to the controller's socket glue, which queues the frame and returns at once.
    void NetWrite(const std::uint8_t* data, unsigned count) override { Network.Write(data, count); }
    void TraceComWrite(const std::uint8_t* data, unsigned count) override { Form.TraceComWrite(data, count); }
    void TraceComRead(const std::uint8_t* data, unsigned count) override { Form.TraceComRead(data, count); }
    void TraceIgnoredFrame(const char* route, const std::uint8_t* data, unsigned count) override
    {
        const std::string name(route);
        const auto source = name == "COM" ? TfmMain::TraceSource::Com
                                          : name == "USB" ? TfmMain::TraceSource::Usb : TfmMain::TraceSource::Net;
        Form.PostTrace(source, LNetSocketGlue::HexLine((name + " IGNORED ").c_str(), data, count));
    }

private:
    TfmMain& Form;
    vcl::HWND Handle;
    NetworkSocketLink& Network;
};

} // namespace

void TfmMain::EnsureLink()
{
    if (UiCalls)
        return;
    UiCalls = std::make_unique<vcl::TThreadCallQueue>();
    LinkHostImpl = std::make_unique<MainTransportHost>(*this, Handle(), Controller.NetworkLink());
}

LTransportHost* TfmMain::TransportHost()
{
    EnsureLink();
    return LinkHostImpl.get();
}

void TfmMain::SetDeviceId(int id)
{
    if (id < 1 || id > 254)
        return;
    Controller.SetDeviceId(id);
    if (vcl::TLabel* label = Shell().IdLabel)
        label->SetCaption(QStringLiteral("ID : %1").arg(id));
}

void TfmMain::TraceComWrite(const std::uint8_t* data, unsigned count)
{
    PostTrace(TraceSource::Com, LNetSocketGlue::HexLine("COM W ", data, count));
}

void TfmMain::TraceComRead(const std::uint8_t* data, unsigned count)
{
    PostTrace(TraceSource::Com, LNetSocketGlue::HexLine("COM R ", data, count));
}

void TfmMain::PostTrace(TraceSource source, std::string line)
{
    auto add = [this, source, line = std::move(line)] {
        const bool open = (source == TraceSource::Usb && Controller.Usb()) || (source == TraceSource::Com && Controller.Com())
                          || (source == TraceSource::Net && Controller.Net());
        if (!open || !fmHidData || !fmHidData->Visible())
            return;
        fmHidData->AddTrafficLine(QString::fromStdString(line));
    };
    if (vcl::IsUiThread()) {
        add();
        return;
    }
    if (UiCalls) // made on the user-interface thread before any transport exists
        UiCalls->Post(std::move(add));
}

std::string TfmMain::WideToAnsi(const QString& text) const
{
    const auto bytes = vcl::AnsiCodec::Encode(text);
    return std::string(bytes.begin(), bytes.end());
}

void TfmMain::Dispatch(vcl::TMessage& Message)
{
    switch (Message.Msg) {
    case UM_RX_FRAME:
        // WParam points at the transport's frame, valid while this runs; the round-trip time is unused.
        OnReplyFrame(*reinterpret_cast<const BytePacket*>(Message.WParam));
        break;
    case UM_RX_FRAME_STRAY:
        OnStrayFrame(*reinterpret_cast<const BytePacket*>(Message.WParam));
        break;
    case UM_COMM_EVENT:
        OnCommEvent(Message); // passes the message on itself
        break;
    default:
        vcl::TForm::Dispatch(Message);
        break;
    }
}

void TfmMain::PrepareNetwork()
{
    EnsureLink();
    Controller.NetworkLink().Open(); // an active socket is left alone
}

void TfmMain::ClientSocketConnecting(vcl::TClientSocket&)
{
    Controller.NetworkLink().OnConnecting();
}

void TfmMain::ClientSocketConnect(vcl::TClientSocket&)
{
    Controller.NetworkLink().OnConnect();
}

void TfmMain::ClientSocketRead(vcl::TClientSocket&)
{
    Controller.NetworkLink().OnRead();
}

void TfmMain::ClientSocketError(vcl::TClientSocket&, vcl::TErrorEvent, int& ErrorCode)
{
    NetworkSocketLink::OnError(ErrorCode);
}
