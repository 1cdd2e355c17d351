// The overlay toggles, the view switches and the shared fader look of the main window.

#include "ui/FMainLayoutParts.h"

#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "ui/FMain.h"
#include "ui/FMainLayoutNames.h"
#include "ui/Skin.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/RzPanel.h"
#include "widgets/VrButtons.h"

namespace layout {

namespace {

constexpr int ToggleWidth = 52;
constexpr int ToggleHeight = 20;

// 'A', 'B' for the inputs, '1'..'6' for the outputs.
QChar Letter(int ch)
{
    return ch < 2 ? QChar(u'A' + ch) : QChar(u'1' + (ch - 2));
}

// "InA" .. "Out6" for a channel plot, "Gain" for the Gain page's two plots.
QString PlotSuffix(int plot)
{
    return plot < ChannelCount ? ChannelSuffix(plot) : QStringLiteral("Gain");
}

QString GroupName(int plot)
{
    if (plot < ChannelCount)
        return QStringLiteral("rzgFftShowCh") + ChannelSuffix(plot);
    return plot == 8 ? QStringLiteral("rzgFftShowChIn") : QStringLiteral("rzgFftShowChOut");
}

} // namespace

void AddOverlayToggles(TfmMain& form, vcl::TWinControl* box, int plot, int left, int top)
{
    const bool inputs = plot < 2 || plot == 8;
    const int first = inputs ? 0 : 2, last = inputs ? 1 : 7;
    const int count = plot < ChannelCount ? last - first : last - first + 1;
    auto* group = new rz::TRzGroupBox(&form);
    group->SetName(GroupName(plot));
    group->SetParent(box);
    group->SetBounds(left, top, count * (ToggleWidth + 2) + 2, ToggleHeight + 2);
    group->SetColor(box->Color());
    group->SetTag(plot < ChannelCount ? plot : 0);
    int x = 1;
    for (int c = first; c <= last; ++c) {
        if (c == plot)
            continue;
        auto* toggle = new vr::TVrPowerButton(&form);
        toggle->SetName(QStringLiteral("vrbShow") + Letter(c) + PlotSuffix(plot));
        toggle->SetParent(group);
        toggle->SetBounds(x, 1, ToggleWidth, ToggleHeight);
        toggle->SetTag(c);
        toggle->SetCaption(ChannelSuffix(c));
        // The channel's colour is the lamp's; the caption stays light on the dark face.
        skin::DressPowerButton(*toggle, skin::RgbOf(ChannelColor(c)));
        toggle->SetActive(plot >= ChannelCount && (c == 0 || c == 2));
        x += ToggleWidth + 2;
    }
}

void AddViewSwitch(TfmMain& form, vcl::TWinControl* box, int ch, int left, int top)
{
    auto* panel = new vcl::TPanel(&form);
    panel->SetParent(box);
    panel->SetBounds(left, top, 130, ToggleHeight);
    panel->SetColor(box->Color());
    panel->SetBevelOuter(vcl::TPanelBevel::bvNone);
    const struct { const char* name; const char* caption; vcl::TColor colour; } views[] = {
        { "rbShowGain", "Mag", 0x00FFFF },
        { "rbShowPhase", "Phase", 0xC0C0C0 },
    };
    int x = 0;
    vcl::TRadioButton* magnitude = nullptr;
    for (const auto& v : views) {
        auto* rb = new vcl::TRadioButton(&form);
        if (!magnitude)
            magnitude = rb; // the first switch
        rb->SetName(QString::fromLatin1(v.name) + ChannelSuffix(ch));
        rb->SetParent(panel);
        rb->SetBounds(x, 0, 64, ToggleHeight);
        rb->SetTag(ch);
        rb->SetCaption(QString::fromLatin1(v.caption));
        rb->Font()->SetColor(v.colour);
        skin::DressRadio(*rb);
        x += 66;
    }
    magnitude->SetChecked(true);
}

void ApplyMainFaderLook(TAdvTrackBar& f)
{
    f.SetShowFocus(true);
    f.SetTrackHint(false);
    f.SetColor(vcl::clNone);
    f.SetColorTo(vcl::clNone);
    f.SetColorDisabled(vcl::clNone);
    f.SetColorDisabledTo(vcl::clNone);
    f.SetBorderColor(vcl::clNone);
    f.SetBorderColorDisabled(vcl::clNone);
    f.SetDirection(TGradientDirection::gdHorizontal);

    TTrackBarSlider* s = f.Slider();
    s->SetSize(3);
    s->SetColor(vcl::clWhite);
    s->SetColorTo(vcl::clBlack);
    s->SetBorderColor(vcl::clMedGray);
    s->SetColorDisabled(vcl::clBlack);
    s->SetColorDisabledTo(vcl::clBlack);
    s->SetBorderColorDisabled(vcl::clBlack);
    s->SetColorCompleted(vcl::clNone);
    s->SetColorCompletedTo(vcl::clNone);
    s->SetColorCompletedDisabled(vcl::clNone);
    s->SetColorCompletedDisabledTo(vcl::clNone);
    s->SetDirection(TGradientDirection::gdHorizontal);

    TTrackBarThumb* t = f.Thumb();
    t->SetShape(TThumbShape::tsPointer);
    t->SetSize(16);
    t->SetWidth(29);
    t->SetGradient(TGDIPGradient::ggVertical);
    t->SetGradientMirror(TGDIPGradient::ggRadial);
    t->SetColorDisabled(vcl::clBlack);
    t->SetColorDisabledTo(vcl::clBlack);
    t->SetColorMirrorDisabled(vcl::clBlack);
    t->SetColorMirrorDisabledTo(vcl::clBlack);
    t->SetBorderColorDisabled(vcl::clBlack);

    f.TickMark()->SetStyle(TTickStyle::tsNone);
    f.TickMark()->SetColor(vcl::clBlack);
    f.TickMark()->SetColorDisabled(vcl::clBlack);
    f.TickMark()->Font()->SetName(QStringLiteral("Tahoma"));
    f.TickMark()->Font()->SetHeight(-11);
    f.Buttons()->SetVisible(false);
    f.TrackLabel()->SetVisible(false);
    f.TrackLabel()->SetFormat(QStringLiteral("Pos: %d"));
    f.TrackLabel()->Font()->SetName(QStringLiteral("Tahoma"));
    f.TrackLabel()->Font()->SetHeight(-11);
}

} // namespace layout
