// Channel names on the block diagram's name labels and as the page buttons' hints.

#include "ui/FMain.h"

#include "device/LUnitControl.h"
#include "platform/core/AnsiCodec.h"
#include "platform/core/SoftAssert.h"
#include "platform/ui/TLabel.h"
#include "ui/FChannelName.h"
#include "ui/FMainLayoutNames.h"
#include "widgets/RzBmpBtn.h"

#include <algorithm>
#include <cstring>

std::array<std::uint8_t, 8> TfmMain::GetChannelName(int ch) const
{
    return Controller.Model() ? Controller.Model()->GetChannelName(ch) : std::array<std::uint8_t, 8> {};
}

void TfmMain::SetChannelName(int ch, const char* name)
{
    if (ch < 0 || ch >= layout::ChannelCount || !name)
        return;
    vcl::TControl* label = Shell().Channels[static_cast<std::size_t>(ch)].NameLabel;
    vcl::TControl* button = Shell().PageButtons[static_cast<std::size_t>(ch)];
    if (!ZQ9_EXPECT(label && button))
        return;
    // At most 8 bytes; a shorter name is NUL-padded, a name of 8 has no terminator.
    std::array<std::uint8_t, 8> bytes {};
    const std::size_t n = strnlen(name, bytes.size());
    std::copy_n(reinterpret_cast<const std::uint8_t*>(name), n, bytes.begin());
    const QString text = vcl::AnsiCodec::Decode(std::span<const std::uint8_t>(bytes.data(), n));
    label->SetCaption(text);
    button->SetHint(text);
    if (Controller.Model())
        Controller.Model()->SetChannelName(ch, bytes);
}

void TfmMain::lbMatrixChNameInAClick(vcl::TObject* Sender)
{
    auto* label = dynamic_cast<vcl::TLabel*>(Sender);
    if (!label || !fmChannelName)
        return;
    fmChannelName->SetChannel(static_cast<int>(label->Tag()));
    const auto bytes = vcl::AnsiCodec::Encode(label->Caption(), 8);
    fmChannelName->SetNameText(vcl::AnsiCodec::Decode(std::span<const std::uint8_t>(bytes.data(), bytes.size())));
    fmChannelName->ShowModal();
}
