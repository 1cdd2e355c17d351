// The main window's USB glue: claiming the ZQ9 through the HID controller, output reports from
// the USB worker, input reports to the USB transport, and the device going away.

#include "ui/FMain.h"

#include "platform/ui/Dialogs.h"
#include "transport/LUsbProc.h"
#include "transport/hid/HidUsbReport.h"
#include "transport/hid/TJvHidDeviceController.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int ZQ9VendorId = 0x0168;
constexpr int ZQ9ProductId = 0x0821;

bool IsZQ9(const TJvHidDevice* dev)
{
    return dev && dev->Attributes().VendorID == ZQ9VendorId && dev->Attributes().ProductID == ZQ9ProductId;
}

std::string UsbTrace(const char* prefix, std::uint8_t reportId, const std::uint8_t* data, unsigned count)
{
    char b[8];
    std::snprintf(b, sizeof b, "%02X  ", reportId);
    std::string line = std::string(prefix) + b;
    for (unsigned i = 0; i < count; ++i) {
        std::snprintf(b, sizeof b, "%02X ", data[i]);
        line += b;
    }
    return line;
}

} // namespace

void TfmMain::SetUpUsb()
{
    if (HidCtl)
        return;
    HidCtlOwner = {new TJvHidDeviceController(nullptr), [](TJvHidDeviceController* c) { delete c; }};
    HidCtl = HidCtlOwner.get();
    HidCtl->SetName(QStringLiteral("HidCtl"));
    // Assigned while loading, as from the form file: the first pass comes from the posted notice.
    HidCtl->Loading();
    HidCtl->SetOnEnumerate([this](TJvHidDevice* dev, int idx) { return HidCtlEnumerate(dev, idx); });
    HidCtl->SetOnDeviceChange(vcl::Method(this, &TfmMain::HidCtlDeviceChange));
    HidCtl->SetOnDeviceData(vcl::Method(this, &TfmMain::HidCtlDeviceData));
    HidCtl->SetOnDeviceDataError(vcl::Method(this, &TfmMain::HidCtlDeviceDataError));
    HidCtl->SetOnDeviceUnplug(vcl::Method(this, &TfmMain::HidCtlDeviceUnplug));
    HidCtl->Loaded();
    UsbWriteHandler = [this](const std::uint8_t* data, unsigned n) { UsbWrite(data, n); };
}

void TfmMain::UsbWrite(const std::uint8_t* data, unsigned n)
{
    if (!Controller.Usb())
        return;
    {
        // The device cannot be checked in (and freed) while a report is on its way.
        std::lock_guard guard(UsbDeviceLock);
        if (!HidDevice)
            return;
        HidUsbReport::WriteFrame(HidDevice, data, n);
    }
    PostTrace(TraceSource::Usb, UsbTrace("USB W ", 0, data, n));
}

void TfmMain::HidCtlDeviceData(TJvHidDevice*, std::uint8_t ReportID, const std::uint8_t* Data, std::uint16_t Size)
{
    // Only the frame's bytes that arrived go on: byte 4 + 8, at most the report's data.
    const unsigned count = HidUsbReport::FrameBytes(Data, Size);
    std::uint8_t buffer[HidUsbReport::MaxReceiveBlock];
    std::memcpy(buffer, Data, count);
    std::string line = UsbTrace("USB R ", ReportID, buffer, count);
    if (Controller.Usb())
        Controller.Usb()->ReceiveBytes(buffer, count);
    PostTrace(TraceSource::Usb, std::move(line));
}

bool TfmMain::HidCtlEnumerate(TJvHidDevice* HidDev, int Idx)
{
    if (IsZQ9(HidDev)) {
        TJvHidDevice* dev = nullptr;
        if (HidCtl->CheckOutByIndex(dev, Idx)) {
            std::lock_guard guard(UsbDeviceLock);
            HidDevice = dev;
            lbStatus->SetCaption(QStringLiteral("Detect HID"));
        }
    }
    return true;
}

void TfmMain::HidCtlDeviceChange(vcl::TObject*)
{
    HidCtl->Enumerate();
}

void TfmMain::HidCtlDeviceUnplug(TJvHidDevice* HidDev)
{
    if (!IsZQ9(HidDev))
        return;
    {
        std::lock_guard guard(UsbDeviceLock);
        if (HidDevice == HidDev)
            HidDevice = nullptr;
    }
    if (HidCtl)
        HidCtl->CheckIn(HidDev);
    if (Visible() && lbStatus->Caption() == QStringLiteral("Detect HID"))
        lbStatus->SetCaption(QStringLiteral("OffLine"));
    if (Controller.Usb())
        tmLinkBroken->SetEnabled(true);
}

void TfmMain::HidCtlDeviceDataError(TJvHidDevice*, std::uint32_t Error)
{
    vcl::MessageDlg(QStringLiteral("READ ERROR: ") + QString::fromLocal8Bit(std::strerror(int(Error))),
                    vcl::TMsgDlgType::mtInformation, vcl::TMsgDlgButtons {vcl::TMsgDlgBtn::mbOK});
}
