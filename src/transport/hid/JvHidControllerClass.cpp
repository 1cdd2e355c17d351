#include "transport/hid/JvHidControllerClass.h"

QString HidErrorString(hidapi::NTSTATUS Status)
{
    const uint32_t s = uint32_t(Status);
    if (((s >> 16) & 0xFF) != 0x11 || (s & 0xC0000000u) == 0)
        return {};
    static const struct
    {
        uint32_t status;
        const char* text;
    } texts[] = {
        {0x80110001, "device not plugged in"},
        {0xC0110001, "invalid preparsed data"},
        {0xC0110002, "invalid report type"},
        {0xC0110003, "invalid report length"},
        {0xC0110004, "usage not found"},
        {0xC0110005, "value out of range"},
        {0xC0110006, "bad logical or physical values"},
        {0xC0110007, "buffer too small"},
        {0xC0110008, "internal error"},
        {0xC0110009, "8042 key translation impossible"},
        {0xC011000A, "incompatible report ID"},
        {0xC011000B, "not a value array"},
        {0xC011000C, "is a value array"},
        {0xC011000D, "data index not found"},
        {0xC011000E, "data index out of range"},
        {0xC011000F, "button not pressed"},
        {0xC0110010, "report does not exist"},
        {0xC0110020, "not implemented"},
    };
    for (const auto& t : texts)
        if (t.status == s)
            return QStringLiteral("HID Error: ") + QString::fromLatin1(t.text);
    return QStringLiteral("HID Error: unknown HID error %1").arg(QString::number(s, 16).toUpper());
}

void HidError(hidapi::NTSTATUS Status)
{
    const QString text = HidErrorString(Status);
    if (!text.isEmpty())
        throw EHidClientError(text);
}

hidapi::NTSTATUS HidCheck(hidapi::NTSTATUS Status)
{
    if (Status != hidapi::HIDP_STATUS_SUCCESS)
        HidError(Status);
    return Status;
}
