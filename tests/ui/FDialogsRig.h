#pragma once
// The main window over loopback to the emulator (seqtest::Rig) with every dialog of the preset,
// name, link, test-signal, lock and small-dialog families created on it.

#include "FMainConnectTestRig.h"

#include "ui/FAbout.h"
#include "ui/FChNameList.h"
#include "ui/FChannelName.h"
#include "ui/FCopy.h"
#include "ui/FExit.h"
#include "ui/FFactory.h"
#include "ui/FHidData.h"
#include "ui/FLinkSel.h"
#include "ui/FLockSetup.h"
#include "ui/FMemo.h"
#include "ui/FPeqRst.h"
#include "ui/FRecallPreset.h"
#include "ui/FRs232CodeDoc.h"
#include "ui/FRs232CodeDocEnglish.h"
#include "ui/FStoreName.h"
#include "ui/FStorePreset.h"
#include "ui/FTest.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/RzBmpBtn.h"

namespace dlgtest {

// The payload of a request frame (after the 6 header bytes, before the 3 trailing bytes).
inline BytePacket Payload(const BytePacket& frame)
{
    return BytePacket(frame.begin() + 6, frame.end() - 3);
}

// Payloads of the requests with this code, in order.
inline std::vector<BytePacket> PayloadsOf(const DeviceEmulator& emu, std::uint8_t code)
{
    std::vector<BytePacket> out;
    for (const auto& f : emu.Requests())
        if (f.size() > 8 && f[5] == code)
            out.push_back(Payload(f));
    return out;
}

struct DialogRig : seqtest::Rig
{
    DialogRig()
    {
        app.CreateForm(fmRecallPreset);
        app.CreateForm(fmStorePreset);
        app.CreateForm(fmStoreName);
        app.CreateForm(fmChannelName);
        app.CreateForm(fmChNameList);
        app.CreateForm(fmTest);
        app.CreateForm(fmLockSetup);
        app.CreateForm(fmLinkSel);
        app.CreateForm(fmCopy);
        app.CreateForm(fmExit);
        app.CreateForm(fmFactory);
        app.CreateForm(fmPeqRst);
        app.CreateForm(fmAbout);
        app.CreateForm(fmHidData);
        app.CreateForm(fmMemo);
    }
    ~DialogRig()
    {
        fmLockPassWord->tmCheck->SetEnabled(false);
        fmLockSetup->tmClose->SetEnabled(false);
    }
    // Every channel single.
    static constexpr std::array<std::uint16_t, 8> Singles { 1, 2, 1, 2, 4, 8, 16, 32 };

    // The device's current program holds these link masks, as it would after a user linked channels
    // on its front panel; the window learns them by reading the device.
    void DeviceLinks(const std::array<std::uint16_t, 8>& masks)
    {
        for (int ch = 0; ch < 8; ++ch) {
            const std::size_t at = ch < 2 ? 16 + 78 * static_cast<std::size_t>(ch) + 76
                                          : 172 + 86 * static_cast<std::size_t>(ch - 2) + 84;
            emu.SetProgramByte(at, static_cast<std::uint8_t>(masks[static_cast<std::size_t>(ch)] & 0xFF));
            emu.SetProgramByte(at + 1, static_cast<std::uint8_t>(masks[static_cast<std::size_t>(ch)] >> 8));
        }
    }

    // Online: connected, identified and the settings read (every channel single unless the device
    // holds other links); the requests recorded from here on.
    bool Online(const std::array<std::uint16_t, 8>& links = Singles)
    {
        DeviceLinks(links);
        if (!ConnectAndUpload())
            return false;
        emu.ClearRecords();
        return true;
    }
};

} // namespace dlgtest
