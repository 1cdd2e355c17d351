// Delay editor: fader, typed entry, the marker on its dash line, and the display unit.

#include "ui/editors/DelayEditor.h"

#include "platform/core/SoftAssert.h"
#include "ui/editors/EditorText.h"

#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"

#include <algorithm>

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

namespace {

// The marker's left edge for the fader's position: 40 at no delay, the line's end at the maximum.
int MarkerLeft(const ChannelControls& c)
{
    if (c.Delay->Max() <= 0)
        return 40;
    return static_cast<int>(static_cast<long long>(c.Delay->Position()) * (c.DelayLine->Width() - 90) / c.Delay->Max() + 40);
}

void PlaceTime(const ChannelControls& c)
{
    c.DelayTime->SetLeft(c.DelayMarker->Left() + c.DelayMarker->Width());
    c.DelayTime->SetTop(c.DelayMarker->Top() + c.DelayMarker->Height() / 4);
}

bool OnMarker(const ChannelControls& c, int x, int y)
{
    return std::abs(x + 25 - c.DelayMarker->Left()) < 15 && std::abs(y - c.DelayLine->Height() / 2) < 15;
}

} // namespace

// The model's delay unit, clamped to ft (2) when a device or file holds a larger value.
int DelayEditor::Unit() const
{
    return Model() ? std::min<int>(Model()->GetDelayUnit(), DelayUnitCount - 1) : 0;
}

void DelayEditor::FaderChange(vcl::TObject* Sender)
{
    if (m_ctx.SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    const int ch = ChannelOf(fader);
    if (!ZQ9_EXPECT(fader) || !IsChannel(ch))
        return;
    const ChannelControls& c = Of(ch);
    c.DelayMarker->SetLeft(MarkerLeft(c));
    PlaceTime(c);
    const QString text = DelayText(c.Delay->Position(), Unit());
    c.DelayEdit->SetText(text);
    c.DelayTime->SetCaption(text);
    PlaceTime(c);
    if (Model())
        Model()->SetDelay(ch, static_cast<std::uint16_t>(c.Delay->Position()));
    ShowGroupDelay(ch, c.Delay->Position(), c.DelayMarker->Left());
}

void DelayEditor::ShowGroupDelay(int ch, int samples, int markerLeft)
{
    SuppressGuard guard(m_ctx.SuppressSend);
    const QString text = DelayText(samples, Unit());
    ForEachGroupMember(Model(), ch, [&](int m) {
        if (IsOutput(m))
            PlaceLine(m);
        const ChannelControls& c = Of(m);
        c.DelayMarker->SetLeft(markerLeft);
        c.DelayTime->SetLeft(c.DelayMarker->Left() + c.DelayMarker->Width());
        c.DelayLine->SetCaption(Dashes((markerLeft - 40) / 6));
        c.DelayEdit->SetText(text);
        c.DelayTime->SetCaption(text);
        c.Delay->SetPosition(samples);
    });
}

void DelayEditor::PlaceLine(int ch)
{
    if (!IsChannel(ch))
        return;
    const ChannelControls& c = Of(ch);
    PlaceTime(c);
    c.DelayLine->SetCaption(Dashes((c.DelayMarker->Left() - 40) / 6));
}

void DelayEditor::UnitClick(vcl::TObject* Sender)
{
    const int unit = ChannelOf(Sender);
    if (!ZQ9_EXPECT(dynamic_cast<vcl::TComponent*>(Sender)))
        return;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const ChannelControls& c = Of(ch);
        const QString text = DelayText(c.Delay->Position(), unit);
        c.DelayEdit->SetText(text);
        c.DelayTime->SetCaption(text);
    }
    if (!m_ctx.SuppressSend && Model())
        Model()->SetDelayUnit(static_cast<std::uint16_t>(unit));
}

void DelayEditor::LineMouseDown(vcl::TObject* Sender, int x, int y)
{
    const int ch = ChannelOf(Sender);
    if (dynamic_cast<vcl::TControl*>(Sender) && IsChannel(ch) && OnMarker(Of(ch), x, y))
        m_drag = 1;
}

void DelayEditor::LineMouseMove(vcl::TObject* Sender, int x, int y)
{
    auto* line = dynamic_cast<vcl::TControl*>(Sender);
    const int ch = ChannelOf(Sender);
    if (!ZQ9_EXPECT(line) || !IsChannel(ch))
        return;
    const ChannelControls& c = Of(ch);
    if (m_drag != 1) {
        line->SetCursor(OnMarker(c, x, y) ? vcl::crHandPoint : vcl::crDefault);
        return;
    }
    const int span = c.DelayLine->Width() - 90;
    if (span <= 0)
        return;
    const int clipped = std::min(x, c.DelayLine->Width() - 75) - 15;
    c.Delay->SetPosition(static_cast<int>(static_cast<double>(clipped) * c.Delay->Max() / span));
    c.DelayLine->SetCaption(Dashes(clipped / 6));
}

void DelayEditor::LineMouseUp()
{
    m_drag = 0;
}

void DelayEditor::Entry(vcl::TObject* Sender)
{
    auto* edit = dynamic_cast<TCurvyEdit*>(Sender);
    const int ch = ChannelOf(Sender);
    if (!ZQ9_EXPECT(edit) || !IsChannel(ch))
        return;
    TAdvTrackBar* fader = Of(ch).Delay;
    std::string text = edit->Text().toLatin1().toStdString();
    const int unit = Unit();
    static const std::vector<std::string> suffixes[DelayUnitCount] = { { "ms", "Ms", "mS", "MS" }, { "m", "M" }, { "ft", "Ft", "fT", "FT" } };
    if (unit >= 0 && unit < DelayUnitCount)
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
        const int s = std::clamp(DelayToSamples(std::clamp(value, -1.0e6, 1.0e6), unit), fader->Min(), fader->Max());
        fader->SetPosition(s);
        edit->SetText(DelayText(fader->Position(), unit));
        return;
    }
    edit->SetText(DelayText(fader->Position(), unit));
    edit->Perform(0x0100, vcl::VK_END); // key down and up of End: the caret goes to the end
    edit->Perform(0x0101, vcl::VK_END);
}

} // namespace editors
