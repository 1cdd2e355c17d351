// Compressor/limiter editor of the outputs: faders, up-downs, typed entries and the transfer curve.

#include "ui/editors/CompEditor.h"

#include "platform/core/SoftAssert.h"
#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorText.h"
#include "ui/editors/TransferPlot.h"
#include "ui/editors/TypedEntry.h"

#include "device/Constants.h"
#include "device/LUnitControl.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/TUpDown.h"
#include "plot/iXYPlot.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"

#include <algorithm>
#include <cmath>

namespace editors {

CompCurve CompCurvePoints(int thresholdPos, int knee, int ratioIndex)
{
    const float k = static_cast<float>(knee);
    const float t = static_cast<float>(thresholdPos) * 0.5f;
    float a = 0, b = 0;
    if (ratioIndex != LimiterRatio) {
        const float r = static_cast<float>(CompRatioValues[static_cast<std::size_t>(std::clamp(ratioIndex, 0, LimiterRatio))]);
        a = (20 - t) / r;
        b = k / r;
    }
    return { { { 20.0, t + a }, { t + k, t + b }, { t - k, t - k }, { -100.0, -100.0 } },
             { static_cast<double>(t) + 0.2, static_cast<double>(t) - 0.4 } };
}

namespace {

QString RatioText(int index)
{
    return index == LimiterRatio ? QStringLiteral("Limit")
                                 : QStringLiteral("1:") + QString::fromStdString(CompRatioLabels[static_cast<std::size_t>(std::clamp(index, 0, LimiterRatio))]);
}

// The ratio text as the up-downs and the group display write it.
QString RatioStepText(int v)
{
    return v == LimiterRatio ? QStringLiteral("Limit") : QStringLiteral("1:") + QString::fromStdString(CompRatioLabels[static_cast<std::size_t>(v & 15)]);
}

std::size_t At(CompField f) { return static_cast<std::size_t>(f); }

} // namespace

void CompEditor::SetParam(int ch, CompField field, int value)
{
    LUnitControl* model = Model();
    if (!model || !IsOutput(ch))
        return;
    CompParams comp = model->GetOutComp(ch);
    switch (field) {
    case CompField::Threshold: {
        {
            SuppressGuard guard(m_ctx.SuppressSend);
            Of(ch).CompFaders[At(CompField::Threshold)]->SetPosition(value);
        }
        comp.Threshold = static_cast<std::uint16_t>(value + 180);
        break;
    }
    case CompField::Attack: comp.Attack = static_cast<std::uint16_t>(value); break;
    case CompField::Release: comp.Release = static_cast<std::uint16_t>(value); break;
    case CompField::Ratio: comp.Ratio = static_cast<std::uint8_t>(value); break;
    case CompField::Knee: comp.Knee = static_cast<std::uint8_t>(value); break;
    }
    if (!m_ctx.SuppressSend)
        model->SetOutComp(ch, comp);
}

// The edited output becomes the selected one, its curve follows on the next tick, the model and
// its link group take the value.
void CompEditor::TouchChannel(int ch, CompField field, int value)
{
    m_ctx.Timers.CompDisp->SetEnabled(true);
    m_dispChannel = m_selected = ch;
    SetParam(ch, field, value);
    ShowGroupComp(m_selected, field, value);
}

void CompEditor::FaderChange(vcl::TObject* Sender, CompField field)
{
    if (m_ctx.SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!ZQ9_EXPECT(fader))
        return;
    TouchChannel(static_cast<int>(fader->Tag()), field, fader->Position());
}

void CompEditor::UpDownChange(vcl::TObject* Sender, CompField field, int v)
{
    if (m_ctx.SuppressSend)
        return;
    auto* ud = dynamic_cast<vcl::TUpDown*>(Sender);
    if (!ZQ9_EXPECT(ud) || v < ud->Min() || v > ud->Max())
        return;
    const int ch = static_cast<int>(ud->Tag());
    if (!ZQ9_EXPECT(IsOutput(ch)) || (field != CompField::Ratio && field != CompField::Knee))
        return;
    TCurvyEdit* edit = Of(ch).CompEdits[At(field)];
    if (field == CompField::Ratio)
        edit->SetText(v == ud->Max() ? QStringLiteral("Limit") : QStringLiteral("1:") + QString::fromStdString(CompRatioLabels[static_cast<std::size_t>(v & 15)]));
    else
        edit->SetText(QString::asprintf("%ddB", v));
    TouchChannel(ch, field, v);
}

void CompEditor::DrawCurve(int ch)
{
    if (!IsOutput(ch))
        return;
    const ChannelControls& c = Of(ch);
    const vcl::TUpDown* ratio = c.CompRatio;
    const int ratioIndex = ratio->Position() == ratio->Max() ? LimiterRatio : ratio->Position();
    const CompCurve points = CompCurvePoints(c.CompFaders[At(CompField::Threshold)]->Position(), c.CompKnee->Position(), ratioIndex);
    RefillTransferPlot(*m_controls.CompPlot, points.Curve, points.Dot);
    const QString out = QStringLiteral("Out ") + QChar(u'1' + (ch - FirstOutput));
    m_controls.CompName->SetCaption(out + QStringLiteral("  ") + m_ctx.Window.Text(QStringLiteral("SID_COMP")));
    m_controls.CompHead->SetCaption(out);
    m_selected = ch;
}

void CompEditor::Entry(vcl::TObject* Sender, CompField field)
{
    auto* edit = dynamic_cast<TCurvyEdit*>(Sender);
    const int ch = edit ? static_cast<int>(edit->Tag()) : -1;
    if (!ZQ9_EXPECT(IsOutput(ch)))
        return;
    const ChannelControls& c = Of(ch);
    const std::string text = edit->Text().toLatin1().toStdString();
    if (At(field) < CompFaderCount) {
        edit->SetText(QString());
        FaderEntry(*edit, *c.CompFaders[At(field)], text, field == CompField::Threshold);
        return;
    }
    vcl::TUpDown* ud = field == CompField::Ratio ? c.CompRatio : c.CompKnee;
    edit->SetText(QString());
    if (field == CompField::Knee) {
        double v = 0;
        if (ParseSignedEntry(text, 0, 12, v) && v != ud->Position()) {
            const int k = static_cast<int>(std::trunc(v));
            if (k != ud->Position()) {
                ud->SetPosition(k);
                UpDownChange(ud, CompField::Knee, ud->Position());
            }
            edit->SetText(QString::asprintf("%ddB", ud->Position()));
            return;
        }
        edit->SetText(QString::asprintf("%ddB", ud->Position()));
        CaretToEnd(*edit);
        return;
    }
    const int m = ParseRatioEntry(text);
    if (m >= 0) {
        if (m != ud->Position()) {
            ud->SetPosition(m);
            UpDownChange(ud, CompField::Ratio, ud->Position());
        }
        edit->SetText(RatioText(m));
        return;
    }
    edit->SetText(RatioText(ud->Position()));
    CaretToEnd(*edit);
}

void CompEditor::ShowGroupComp(int ch, CompField field, int value)
{
    if (!IsOutput(ch))
        return;
    SuppressGuard guard(m_ctx.SuppressSend);
    ForEachGroupMember(Model(), ch, [&](int m) {
        const ChannelControls& c = Of(m);
        switch (field) {
        case CompField::Threshold:
            c.CompFaders[At(field)]->SetPosition(value);
            c.CompEdits[At(field)]->SetText(HalfDbText(value));
            break;
        case CompField::Attack:
        case CompField::Release:
            c.CompFaders[At(field)]->SetPosition(value);
            c.CompEdits[At(field)]->SetText(QString::asprintf("%3dms", value + 1));
            break;
        case CompField::Ratio:
        case CompField::Knee:
            if (m == ch) // the edited channel's own handler wrote its box
                break;
            (field == CompField::Ratio ? c.CompRatio : c.CompKnee)->SetPosition(value);
            c.CompEdits[At(field)]->SetText(field == CompField::Ratio ? RatioStepText(value) : QString::asprintf("%ddB", value));
            break;
        }
    });
}

} // namespace editors
