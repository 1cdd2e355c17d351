#pragma once
// UTF-8 text to the zero-terminated UTF-16 buffers our HID and setup libraries hand out.

#include <cstdint>
#include <cstring>
#include <string>

namespace hidraw
{

inline std::u16string ToUtf16(const std::string& s)
{
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        uint32_t c = uint8_t(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + size_t(extra) >= s.size() + (extra == 0 ? 1 : 0)) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        if (extra > 0)
            c &= 0x3Fu >> extra;
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            uint8_t b = uint8_t(s[i + size_t(k)]);
            if ((b & 0xC0) != 0x80)
                ok = false;
            c = (c << 6) | (b & 0x3F);
        }
        i += ok ? size_t(extra) + 1 : 1;
        if (!ok) {
            out.push_back(u'\uFFFD');
        } else if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(char16_t(0xD800 + (c >> 10)));
            out.push_back(char16_t(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(char16_t(c));
        }
    }
    return out;
}

// Copies text and its terminator into a byte buffer; false when it does not fit.
inline bool CopyUtf16(const std::u16string& text, void* buffer, size_t bytes)
{
    const size_t need = (text.size() + 1) * sizeof(char16_t);
    if (!buffer || bytes < need)
        return false;
    std::memcpy(buffer, text.c_str(), need);
    return true;
}

} // namespace hidraw
