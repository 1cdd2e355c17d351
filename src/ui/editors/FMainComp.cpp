// Compressor/limiter editor of the outputs, and the typed entries of the compressor and gate boxes.

#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorNames.h"
#include "plot/iXYPlot.h"
#include "ui/editors/TransferPlot.h"

#include "device/Constants.h"
#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TUpDown.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"

#include <algorithm>
#include <cmath>

using namespace editors;

namespace editors {

CompCurve CompCurvePoints(int thresholdPos, int knee, int ratioIndex)
{
    const float k = static_cast<float>(knee);
    const float t = static_cast<float>(thresholdPos) * 0.5f;
    float a = 0, b = 0;
    if (ratioIndex != 15) {
        const float r = static_cast<float>(CompRatioValues[static_cast<std::size_t>(std::clamp(ratioIndex, 0, 15))]);
        a = (20 - t) / r;
        b = k / r;
    }
    return { { { 20.0, t + a }, { t + k, t + b }, { t - k, t - k }, { -100.0, -100.0 } },
             { static_cast<double>(t) + 0.2, static_cast<double>(t) - 0.4 } };
}

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
    for (int m = 0; m < 16; ++m)
        if (v <= CompRatioValues[static_cast<std::size_t>(m)])
            return m;
    return 15;
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

} // namespace editors

namespace {

const char* const CompQuantity[] = { "Threshold", "Attack", "Release", "Ratio", "Knee" };

QString RatioText(int index)
{
    return index == 15 ? QStringLiteral("Limit") : QStringLiteral("1:") + QString::fromStdString(CompRatioLabels[static_cast<std::size_t>(std::clamp(index, 0, 15))]);
}

void CaretToEnd(TCurvyEdit* edit)
{
    edit->Perform(0x0100, vcl::VK_END);
    edit->Perform(0x0101, vcl::VK_END);
}

// A typed threshold (half-dB steps) or time (ms, one more than the fader position) onto its fader.
// The edit then shows the fader's value; an entry that changed nothing leaves the caret at the end.
void FaderEntry(TCurvyEdit* edit, TAdvTrackBar* fader, const std::string& text, bool threshold)
{
    if (threshold) {
        double v = 0;
        if (ParseSignedEntry(text, -90, 20, v) && v * 2 != fader->Position()) {
            fader->SetPosition(static_cast<int>(std::trunc(v * 2)));
            edit->SetText(HalfDbText(fader->Position()));
            return;
        }
        edit->SetText(HalfDbText(fader->Position()));
    } else {
        int ms = 0;
        if (ParseMsEntry(text, ms)) {
            ms = std::clamp(ms, fader->Min() + 1, fader->Max() + 1);
            if (ms != fader->Position() + 1) {
                fader->SetPosition(ms - 1);
                edit->SetText(QString::number(fader->Position() + 1) + QStringLiteral("ms"));
                return;
            }
        }
        edit->SetText(QString::number(fader->Position() + 1) + QStringLiteral("ms"));
    }
    CaretToEnd(edit);
}

} // namespace

void TfmMain::SetCompParam(int ch, int field, int value)
{
    if (!UnitControl || ch < 2 || ch > 7)
        return;
    CompParams comp = UnitControl->GetOutComp(ch);
    switch (field) {
    case 0: {
        auto* fader = Find<TAdvTrackBar>(this, QStringLiteral("isCompThreshold"), ch);
        if (!fader)
            return;
        {
            SuppressGuard guard(*this);
            fader->SetPosition(value);
        }
        comp.Threshold = static_cast<std::uint16_t>(value + 180);
        break;
    }
    case 1: comp.Attack = static_cast<std::uint16_t>(value); break;
    case 2: comp.Release = static_cast<std::uint16_t>(value); break;
    case 3: comp.Ratio = static_cast<std::uint8_t>(value); break;
    case 4: comp.Knee = static_cast<std::uint8_t>(value); break;
    default: return;
    }
    if (!SuppressSend)
        UnitControl->SetOutComp(ch, comp);
}

void TfmMain::CompFaderChange(vcl::TObject* Sender, int field)
{
    if (SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!fader)
        return;
    const int ch = static_cast<int>(fader->Tag());
    tmCompDisp->SetEnabled(true);
    CompDispChannel = ch;
    CompChannel = ch;
    SetCompParam(ch, field, fader->Position());
    ShowGroupComp(CompChannel, field, fader->Position());
}

void TfmMain::isCompThresholdOut1Change(vcl::TObject* Sender) { CompFaderChange(Sender, 0); }
void TfmMain::isCompAttackOut1Change(vcl::TObject* Sender) { CompFaderChange(Sender, 1); }
void TfmMain::isCompReleaseOut1Change(vcl::TObject* Sender) { CompFaderChange(Sender, 2); }

void TfmMain::CompUpDownChange(vcl::TObject* Sender, int field, int v)
{
    if (SuppressSend)
        return;
    auto* ud = dynamic_cast<vcl::TUpDown*>(Sender);
    if (!ud || v < ud->Min() || v > ud->Max())
        return;
    const int ch = static_cast<int>(ud->Tag());
    auto* edit = Find<TCurvyEdit>(this, QStringLiteral("cvdComp") + QString::fromLatin1(CompQuantity[field]), ch);
    if (!edit)
        return;
    if (field == 3)
        edit->SetText(v == ud->Max() ? QStringLiteral("Limit") : QStringLiteral("1:") + QString::fromStdString(CompRatioLabels[static_cast<std::size_t>(v & 15)]));
    else
        edit->SetText(QString::asprintf("%ddB", v));
    tmCompDisp->SetEnabled(true);
    CompDispChannel = CompChannel = ch;
    SetCompParam(ch, field, v);
    ShowGroupComp(CompChannel, field, v);
}

void TfmMain::tmCompDispTimer(vcl::TObject*)
{
    tmCompDisp->SetEnabled(false);
    DrawCompCurve(CompDispChannel);
}

void TfmMain::DrawCompCurve(int ch)
{
    auto* threshold = Find<TAdvTrackBar>(this, QStringLiteral("isCompThreshold"), ch);
    auto* knee = Find<vcl::TUpDown>(this, QStringLiteral("udCompKnee"), ch);
    auto* ratio = Find<vcl::TUpDown>(this, QStringLiteral("udCompRatio"), ch);
    if (ch < 2 || ch > 7 || !threshold || !knee || !ratio)
        return;
    const int ratioIndex = ratio->Position() == ratio->Max() ? 15 : ratio->Position();
    const CompCurve points = CompCurvePoints(threshold->Position(), knee->Position(), ratioIndex);
    if (auto* plot = Find<TiXYPlot>(this, QStringLiteral("ipComp")))
        RefillTransferPlot(*plot, points.Curve, points.Dot);
    const QString out = QStringLiteral("Out ") + QChar(u'1' + (ch - 2));
    if (auto* name = Find<vcl::TLabel>(this, QStringLiteral("lbCompName")))
        name->SetCaption(out + QStringLiteral("  ") + GetSidText(QStringLiteral("SID_COMP")));
    if (auto* head = Find<vcl::TLabel>(this, QStringLiteral("lbHeadCompOut")))
        head->SetCaption(out);
    CompChannel = ch;
}

void TfmMain::CompMouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    if (auto* c = dynamic_cast<vcl::TComponent*>(Sender))
        DrawCompCurve(static_cast<int>(c->Tag()));
}

void TfmMain::cvdCompEntry(vcl::TObject* Sender, int field)
{
    auto* edit = dynamic_cast<TCurvyEdit*>(Sender);
    if (!edit || field < 0 || field > 4)
        return;
    const int ch = static_cast<int>(edit->Tag());
    const std::string text = edit->Text().toLatin1().toStdString();
    if (field <= 2) {
        auto* fader = Find<TAdvTrackBar>(this, QStringLiteral("isComp") + QString::fromLatin1(CompQuantity[field]), ch);
        if (!fader)
            return;
        edit->SetText(QString());
        FaderEntry(edit, fader, text, field == 0);
        return;
    }
    auto* ud = Find<vcl::TUpDown>(this, QStringLiteral("udComp") + QString::fromLatin1(CompQuantity[field]), ch);
    if (!ud)
        return;
    edit->SetText(QString());
    if (field == 4) {
        double v = 0;
        if (ParseSignedEntry(text, 0, 12, v) && v != ud->Position()) {
            const int k = static_cast<int>(std::trunc(v));
            if (k != ud->Position()) {
                ud->SetPosition(k);
                CompUpDownChange(ud, 4, ud->Position());
            }
            edit->SetText(QString::asprintf("%ddB", ud->Position()));
            return;
        }
        edit->SetText(QString::asprintf("%ddB", ud->Position()));
        CaretToEnd(edit);
        return;
    }
    const int m = ParseRatioEntry(text);
    if (m >= 0) {
        if (m != ud->Position()) {
            ud->SetPosition(m);
            CompUpDownChange(ud, 3, ud->Position());
        }
        edit->SetText(RatioText(m));
        return;
    }
    edit->SetText(RatioText(ud->Position()));
    CaretToEnd(edit);
}

void TfmMain::cvdGateEntry(vcl::TObject* Sender, int field)
{
    static const char* const names[] = { "Threshold", "Attack", "Release", "Hold" };
    auto* edit = dynamic_cast<TCurvyEdit*>(Sender);
    if (!edit || field < 0 || field > 3)
        return;
    const int ch = static_cast<int>(edit->Tag());
    auto* fader = Find<TAdvTrackBar>(this, QStringLiteral("isGate") + QString::fromLatin1(names[field]), ch);
    if (!fader)
        return;
    const std::string text = edit->Text().toLatin1().toStdString();
    edit->SetText(QString());
    // The compressor's threshold range although this fader stops at 0 dB: the fader clamps the rest.
    FaderEntry(edit, fader, text, field == 0);
}
