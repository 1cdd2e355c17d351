#pragma once
// The main window's page and channel naming shared by its layout, pages and texts.

#include "device/Constants.h"
#include "ui/editors/EditorConstants.h"

#include <QString>

namespace layout {

// Menu items and the text keys of their captions, in the menu's order ("Connected" follows the
// link state and is captioned apart).
struct MenuText { const char* item; const char* key; };
inline constexpr MenuText MenuTexts[] = {
    { "File", "SID_FILE" },
    { "Open", "SID_OPEN" },
    { "Save", "SID_SAVE" },
    { "Upload", "SID_UPLOAD" },
    { "Download", "SID_DOWNLOAD" },
    { "FactoryDefault", "SID_RETRUN_FACTORY" },
    { "Exit", "SID_EXIT" },
    { "Link", "SID_LINK" },
    { "Copy", "SID_COPY" },
    { "Lock", "SID_LOCK" },
    { "SettingID", "SID_SET_ID" },
    { "NetworkSetup", "SID_SET_NETWORK" },
    { "TestTone", "SID_TEST_TONE" },
    { "ChNameList", "SID_CH_NAME_LIST" },
    { "LanguageSel", "SID_LANGUAGE" },
    { "ChineseSimplified", "SID_CHINESE_SIMPLIFIED" },
    { "ChineseTraditional", "SID_CHINESE_TRODITIONAL" },
    { "English", "SID_ENGLISH" },
    { "Help", "SID_HELP" },
    { "Rs232Code", "SID_RS232_CODE" },
    { "LockSetup", "SID_LOCK_SETUP" },
    { "BlockDiagram", "SID_BLOCK" },
    { "Connect", "SID_CONNECT" },
    { "ConnectHelp", "SID_CONNECT_HELP" },
    { "About", "SID_ABOUT" },
};


inline constexpr int PageCount = editors::PageCount;
inline constexpr int ChannelCount = editors::ChannelCount;
// The channel name's column on the Matrix page: the longest name (8 characters) in the narrow face.
inline constexpr int NameWidth = 80;

// "InA", "InB", "Out1" .. "Out6" for channel 0..7.
inline QString ChannelSuffix(int ch)
{
    return ch < 2 ? QStringLiteral("In") + QChar(u'A' + ch) : QStringLiteral("Out") + QChar(u'1' + (ch - 2));
}

// The page buttons: the channel pages by suffix, then Comp, Delay, Gain, Matrix, Gate.
inline QString PageButtonName(int page)
{
    static const char* const fixed[] = { "Comp", "Delay", "Gain", "Matrix", "Gate" };
    return QStringLiteral("rzbMenu") + (page < ChannelCount ? ChannelSuffix(page) : QString::fromLatin1(fixed[page - 8]));
}

// The page's box suffix: the channel suffix, or the page's own name.
inline QString PageBoxSuffix(int page)
{
    return PageButtonName(page).mid(7);
}

inline vcl::TColor ChannelColor(int ch)
{
    return ch >= 0 && ch < static_cast<int>(ChannelColors.size()) ? ChannelColors[static_cast<std::size_t>(ch)] : 0xFFFFFF;
}

// The crossover slope choices, item index 0..19.
inline constexpr const char* SlopeNames[20] = { "BW -6",  "BL -6",  "BW -12", "BL -12", "LK -12", "BW -18", "BL -18",
                                               "BW -24", "BL -24", "LK -24", "BW -30", "BL -30", "BW -36", "BL -36",
                                               "LK -36", "BW -42", "BL -42", "BW -48", "BL -48", "LK -48" };

// Rows of the Delay page at extra height h: output c (2..7) at (h / 7) * (c - 1) + step * c - base,
// input c (0, 1) at (h / 4) * (c + 1) + step * c + base.
enum class DelayRow { Marker, Line, Time };
inline int DelayRowTop(DelayRow row, int c, int h)
{
    struct StepBase { int outStep, outBase, inStep, inBase; };
    static constexpr StepBase rules[] = { { 36, 64, 91, 51 }, { 36, 64, 91, 41 }, { 36, 58, 91, 57 } };
    const StepBase& r = rules[static_cast<int>(row)];
    return c >= 2 ? (h / 7) * (c - 1) + r.outStep * c - r.outBase : (h / 4) * (c + 1) + r.inStep * c + r.inBase;
}

// Block-diagram rows of the Matrix page at extra height h.
inline int MatrixRowTop(int c, int h)
{
    return c >= 2 ? (h / 7) * (c - 1) + 40 * c - 50 : (h / 4) * (c + 1) + 120 * c + 70;
}

// Scale label k (1..9) beside the Comp and Gate pages' meters: it moves by (h * k) / 9.
inline int MeterScaleTop(int k, int h)
{
    return (h * k) / 9 + 20 + (k - 1) * 26;
}

} // namespace layout
