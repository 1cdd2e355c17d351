// Noise-gate editor of the inputs: faders, typed entries and the transfer curve.

#include "ui/editors/GateEditor.h"

#include "platform/core/SoftAssert.h"
#include "ui/editors/EditorMath.h"
#include "ui/editors/EditorText.h"
#include "ui/editors/TransferPlot.h"
#include "ui/editors/TypedEntry.h"

#include "device/LUnitControl.h"
#include "platform/ui/TLabel.h"
#include "plot/iXYPlot.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"

namespace editors {

GateCurve GateCurvePoints(int thresholdPos)
{
    const double t = thresholdPos * 0.5;
    return { { { 20.0, 20.0 }, { t, t }, { t, -100.0 } }, { t + 0.2, t - 0.4 } };
}

namespace {

std::size_t At(GateField f) { return static_cast<std::size_t>(f); }

QString FieldText(GateField field, int pos)
{
    return field == GateField::Threshold ? HalfDbText(pos) : QString::asprintf("%dms", pos + 1);
}

} // namespace

void GateEditor::SetParam(int ch, GateField field, int value)
{
    LUnitControl* model = Model();
    if (!model || !IsInput(ch))
        return;
    GateParams gate = model->GetInGate(ch);
    const auto v = static_cast<std::uint16_t>(value);
    switch (field) {
    case GateField::Threshold: gate.Threshold = static_cast<std::uint16_t>(value + 180); break;
    case GateField::Attack: gate.Attack = v; break;
    case GateField::Release: gate.Release = v; break;
    case GateField::Hold: gate.Hold = v; break;
    }
    if (!m_ctx.SuppressSend)
        model->SetInGate(ch, gate);
}

void GateEditor::DrawCurveOnly(int ch)
{
    if (!IsInput(ch))
        return;
    const GateCurve points = GateCurvePoints(Of(ch).GateFaders[At(GateField::Threshold)]->Position());
    RefillTransferPlot(*m_controls.GatePlot, points.Curve, points.Dot);
    m_controls.GateName->SetCaption(QStringLiteral("In ") + ChannelLetter(ch) + QStringLiteral("  ")
                                    + m_ctx.Window.Text(QStringLiteral("SID_GATE")));
}

void GateEditor::Head(int ch)
{
    m_controls.GateHead->SetCaption(QStringLiteral("In ") + ChannelLetter(ch));
}

void GateEditor::DrawCurve(int ch)
{
    if (!IsInput(ch))
        return;
    DrawCurveOnly(ch);
    Head(ch);
    m_selected = ch;
}

void GateEditor::FaderChange(vcl::TObject* Sender, GateField field)
{
    if (m_ctx.SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    const int ch = ChannelOf(fader);
    if (!ZQ9_EXPECT(IsInput(ch)))
        return;
    m_selected = ch;
    const int pos = fader->Position();
    Of(ch).GateEdits[At(field)]->SetText(FieldText(field, pos));
    DrawCurveOnly(ch);
    if (field != GateField::Hold)
        Head(ch);
    SetParam(m_selected, field, pos);
    ShowGroupGate(m_selected, field, pos);
}

void GateEditor::Entry(vcl::TObject* Sender, GateField field)
{
    auto* edit = dynamic_cast<TCurvyEdit*>(Sender);
    const int ch = edit ? static_cast<int>(edit->Tag()) : -1;
    if (!ZQ9_EXPECT(IsInput(ch)))
        return;
    const std::string text = edit->Text().toLatin1().toStdString();
    edit->SetText(QString());
    // The compressor's threshold range although this fader stops at 0 dB: the fader clamps the rest.
    FaderEntry(*edit, *Of(ch).GateFaders[At(field)], text, field == GateField::Threshold);
}

void GateEditor::ShowGroupGate(int ch, GateField field, int value)
{
    if (!IsInput(ch))
        return;
    SuppressGuard guard(m_ctx.SuppressSend);
    const QString text = FieldText(field, value);
    ForEachGroupMember(Model(), ch, [&](int m) {
        Of(m).GateFaders[At(field)]->SetPosition(value);
        Of(m).GateEdits[At(field)]->SetText(text);
    });
}

} // namespace editors
