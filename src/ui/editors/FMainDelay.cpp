// Delay editor: fader, typed entry, the marker on its dash line, and the display unit.

#include "ui/editors/EditorNames.h"

#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"

#include <algorithm>

using namespace editors;

namespace editors {

// Delay text of a sample count in unit 0 ms, 1 m, 2 ft; empty for an unknown unit.
QString DelayText(int samples, int unit)
{
    const long double s = samples;
    switch (unit) {
    case 0: return QString::asprintf("%4.3f ms", static_cast<double>(s * (1.0L / 96)));
    case 1: return QString::asprintf("%4.3f m", static_cast<double>(s * 343.5L * (1.0L / 96) * 0.001L));
    case 2: return QString::asprintf("%4.3f ft", static_cast<double>(s * 343.5L * (1.0L / 96) * 3.2808L * 0.001L));
    default: return {};
    }
}

// The first n of the line's 132 dashes; nothing for n <= 0.
QString Dashes(int n)
{
    return QString(std::clamp(n, 0, 132), QLatin1Char('-'));
}

} // namespace editors

namespace {

struct DelayParts
{
    TAdvTrackBar* Fader;
    TCurvyEdit* Edit;
    vcl::TControl* Marker;
    vcl::TControl* Line;
    vcl::TControl* Time;
    bool Complete() const { return Fader && Edit && Marker && Line && Time; }
};

DelayParts PartsOf(const TfmMain* f, int ch)
{
    return { Find<TAdvTrackBar>(f, QStringLiteral("isDelay"), ch), Find<TCurvyEdit>(f, QStringLiteral("cvdDelay"), ch),
             Find<vcl::TControl>(f, QStringLiteral("imDelay"), ch), Find<vcl::TControl>(f, QStringLiteral("lbDelayLine"), ch),
             Find<vcl::TControl>(f, QStringLiteral("lbFftDelayTime"), ch) };
}

int MarkerLeft(const DelayParts& p)
{
    if (p.Fader->Max() <= 0)
        return 40;
    return static_cast<int>(static_cast<long long>(p.Fader->Position()) * (p.Line->Width() - 90) / p.Fader->Max() + 40);
}

void PlaceTime(const DelayParts& p)
{
    p.Time->SetLeft(p.Marker->Left() + p.Marker->Width());
    p.Time->SetTop(p.Marker->Top() + p.Marker->Height() / 4);
}

// The model's delay unit, clamped to ft (2) when a device or file holds a larger value.
int Unit(const TfmMain& f) { return f.UnitControl ? std::min<int>(f.UnitControl->GetDelayUnit(), 2) : 0; }

bool OnMarker(const DelayParts& p, int x, int y)
{
    return std::abs(x + 25 - p.Marker->Left()) < 15 && std::abs(y - p.Line->Height() / 2) < 15;
}

} // namespace

void TfmMain::isDelayInAChange(vcl::TObject* Sender)
{
    if (SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!fader)
        return;
    const int ch = static_cast<int>(fader->Tag());
    const DelayParts p = PartsOf(this, ch);
    if (!p.Complete())
        return;
    p.Marker->SetLeft(MarkerLeft(p));
    PlaceTime(p);
    const QString text = DelayText(p.Fader->Position(), Unit(*this));
    p.Edit->SetText(text);
    p.Time->SetCaption(text);
    PlaceTime(p);
    if (UnitControl)
        UnitControl->SetDelay(ch, static_cast<std::uint16_t>(p.Fader->Position()));
    ShowGroupDelay(ch, p.Fader->Position(), p.Marker->Left());
}

void TfmMain::ShowGroupDelay(int ch, int samples, int markerLeft)
{
    SuppressGuard guard(*this);
    const QString text = DelayText(samples, Unit(*this));
    const int mask = GroupMaskOf(ch);
    const int first = ch < 2 ? 0 : 2;
    for (int b = 0; b < (ch < 2 ? 2 : 6); ++b) {
        if (!(mask & (1 << b)))
            continue;
        const int m = first + b;
        if (m >= 2)
            PlaceDelayLine(m);
        const DelayParts p = PartsOf(this, m);
        if (!p.Complete())
            return;
        p.Marker->SetLeft(markerLeft);
        p.Time->SetLeft(p.Marker->Left() + p.Marker->Width());
        p.Line->SetCaption(Dashes((markerLeft - 40) / 6));
        p.Edit->SetText(text);
        p.Time->SetCaption(text);
        p.Fader->SetPosition(samples);
    }
}

void TfmMain::PlaceDelayLine(int ch)
{
    const DelayParts p = PartsOf(this, ch);
    if (!p.Marker || !p.Line || !p.Time)
        return;
    PlaceTime(p);
    p.Line->SetCaption(Dashes((p.Marker->Left() - 40) / 6));
}

void TfmMain::rzbUnit0Click(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<vcl::TComponent*>(Sender);
    if (!button)
        return;
    const int unit = static_cast<int>(button->Tag());
    for (int ch = 0; ch < 8; ++ch) {
        const DelayParts p = PartsOf(this, ch);
        if (!p.Complete())
            return;
        const QString text = DelayText(p.Fader->Position(), unit);
        p.Edit->SetText(text);
        p.Time->SetCaption(text);
    }
    if (!SuppressSend && UnitControl)
        UnitControl->SetDelayUnit(static_cast<std::uint16_t>(unit));
}

void TfmMain::lbDelayLineInAMouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int X, int Y)
{
    auto* line = dynamic_cast<vcl::TControl*>(Sender);
    if (!line)
        return;
    const DelayParts p = PartsOf(this, static_cast<int>(line->Tag()));
    if (p.Marker && p.Line && OnMarker(p, X, Y))
        DelayDrag = 1;
}

void TfmMain::lbDelayLineInAMouseMove(vcl::TObject* Sender, vcl::TShiftState, int X, int Y)
{
    auto* line = dynamic_cast<vcl::TControl*>(Sender);
    if (!line)
        return;
    const DelayParts p = PartsOf(this, static_cast<int>(line->Tag()));
    if (!p.Complete())
        return;
    if (DelayDrag != 1) {
        line->SetCursor(OnMarker(p, X, Y) ? vcl::crHandPoint : vcl::crDefault);
        return;
    }
    const int span = p.Line->Width() - 90;
    if (span <= 0)
        return;
    const int x = std::min(X, p.Line->Width() - 75) - 15;
    p.Fader->SetPosition(static_cast<int>(static_cast<double>(x) * p.Fader->Max() / span));
    p.Line->SetCaption(Dashes(x / 6));
}

void TfmMain::lbDelayLineInAMouseUp(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    DelayDrag = 0;
}

void TfmMain::DelayEntry(vcl::TObject* Sender)
{
    auto* edit = dynamic_cast<TCurvyEdit*>(Sender);
    if (!edit)
        return;
    auto* fader = Find<TAdvTrackBar>(this, QStringLiteral("isDelay"), static_cast<int>(edit->Tag()));
    if (!fader)
        return;
    std::string text = edit->Text().toLatin1().toStdString();
    const int unit = Unit(*this);
    static const std::vector<std::string> suffixes[3] = { { "ms", "Ms", "mS", "MS" }, { "m", "M" }, { "ft", "Ft", "fT", "FT" } };
    if (unit >= 0 && unit <= 2)
        for (const std::string& sfx : suffixes[unit])
            if (text.find(sfx) != std::string::npos)
                text.resize(text.size() >= sfx.size() ? text.size() - sfx.size() : 0);
    bool valid = !text.empty() && IsNumberText(text);
    double value = 0;
    if (valid) {
        bool ok = false;
        value = QString::fromStdString(text).toDouble(&ok);
        valid = ok; // digits with two points pass the character check but are no number
    }
    edit->SetText(QString());
    if (valid) {
        // Clamped while still a real number: beyond the fader's range in any unit, never beyond an int.
        int s = DelayToSamples(std::clamp(value, -1.0e6, 1.0e6), unit);
        if (s <= fader->Min())
            s = fader->Min();
        if (s >= fader->Max())
            s = fader->Max();
        fader->SetPosition(s);
        edit->SetText(DelayText(fader->Position(), unit));
        return;
    }
    edit->SetText(DelayText(fader->Position(), unit));
    edit->Perform(0x0100, vcl::VK_END);
    edit->Perform(0x0101, vcl::VK_END);
}

void TfmMain::cvdDelayInBKeyDown(vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState)
{
    if (Key == 13)
        DelayEntry(Sender);
}

void TfmMain::cvdDelayInAExit(vcl::TObject* Sender) { DelayEntry(Sender); }
