// Typed entries: the parsers of threshold, ratio and time texts and their writing onto a fader.

#include "ui/editors/TypedEntry.h"

#include "ui/editors/EditorConstants.h"
#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorText.h"

#include "device/Constants.h"
#include "device/ValueGrids.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"

#include <algorithm>
#include <cmath>

namespace editors {

namespace {

void CutSpellings(std::string& text, std::initializer_list<const char*> spellings)
{
    for (const char* s : spellings)
        if (text.find(s) != std::string::npos)
            text.resize(text.size() >= 2 ? text.size() - 2 : 0);
}

bool ToNumber(const std::string& text, double& v)
{
    bool ok = false;
    v = QString::fromStdString(text).toDouble(&ok);
    return ok && std::isfinite(v);
}

} // namespace

bool ParseSignedEntry(std::string text, double lo, double hi, double& value)
{
    CutSpellings(text, { "dB", "DB", "db", "Db" });
    if (text.empty() || text == "-" || text == ".")
        return false;
    if (text.find_first_not_of("0123456789.-+") != std::string::npos)
        return false;
    if (std::count(text.begin(), text.end(), '.') > 1 || std::count(text.begin(), text.end(), '-') > 1)
        return false;
    const auto dot = text.find('.');
    if (dot != std::string::npos) {
        if (dot + 1 >= text.size())
            return false;
        const char d = text[dot + 1];
        if (d > '5') {
            text.resize(dot + 2);
        } else if (d < '5') {
            double whole = 0;
            if (!ToNumber(text.substr(0, dot), whole))
                return false; // ".4": no digits before the point
            // Clamped while still a real number, so a huge entry converts to a value in range.
            text = std::to_string(static_cast<long long>(std::clamp(std::trunc(whole), lo, hi)));
        }
    }
    double v = 0;
    if (!ToNumber(text, v)) // a sign that is not in front, a repeated "+"
        return false;
    value = std::clamp(v, lo, hi);
    return true;
}

int ParseRatioEntry(std::string text)
{
    CutSpellings(text, { "dB", "DB", "db", "Db" });
    if (text.empty() || text == ":" || text == ".")
        return -1;
    if (text.find_first_not_of("0123456789:.") != std::string::npos)
        return -1;
    if (std::count(text.begin(), text.end(), '.') > 1 || std::count(text.begin(), text.end(), ':') > 1)
        return -1;
    if (text.find(':') != std::string::npos) {
        if (text[0] != '1' || text.size() < 3)
            return -1;
        text = text.substr(2);
    }
    const auto dot = text.find('.');
    if ((dot == std::string::npos ? 0 : dot + 1) >= text.size())
        return -1;
    double v = 0;
    if (!ToNumber(text, v))
        return -1;
    for (int m = 0; m <= LimiterRatio; ++m)
        if (v <= CompRatioValues[static_cast<std::size_t>(m)])
            return m;
    return LimiterRatio;
}

bool ParseMsEntry(std::string text, int& ms)
{
    CutSpellings(text, { "ms", "Ms", "mS", "MS" });
    if (text.empty() || !IsNumberText(text) || text.find('.') != std::string::npos)
        return false;
    double v = 0;
    if (!ToNumber(text, v) || v > 1e9)
        return false;
    ms = static_cast<int>(v);
    return true;
}

void CaretToEnd(TCurvyEdit& edit)
{
    edit.Perform(0x0100, vcl::VK_END); // key down
    edit.Perform(0x0101, vcl::VK_END); // key up
}

void FaderEntry(TCurvyEdit& edit, TAdvTrackBar& fader, const std::string& text, bool threshold)
{
    if (threshold) {
        double v = 0;
        if (ParseSignedEntry(text, -90, 20, v) && v * 2 != fader.Position()) {
            fader.SetPosition(static_cast<int>(std::trunc(v * 2)));
            edit.SetText(HalfDbText(fader.Position()));
            return;
        }
        edit.SetText(HalfDbText(fader.Position()));
    } else {
        int ms = 0;
        if (ParseMsEntry(text, ms)) {
            ms = std::clamp(ms, fader.Min() + 1, fader.Max() + 1);
            if (ms != fader.Position() + 1) {
                fader.SetPosition(ms - 1);
                edit.SetText(QString::number(fader.Position() + 1) + QStringLiteral("ms"));
                return;
            }
        }
        edit.SetText(QString::number(fader.Position() + 1) + QStringLiteral("ms"));
    }
    CaretToEnd(edit);
}

} // namespace editors
