// Growing the window: the page area, its boxes and plots take the room above the design size.

#include "ui/FMain.h"

#include "responseplot/LMyFFTDrawPhase.h"
#include "ui/FMainLayoutNames.h"
#include "widgets/AdvTrackBar.h"

namespace {

constexpr int DesignWidth = 1118;
constexpr int DesignHeight = 720;

vcl::TControl* Plain(LMyFFTDrawPhase* plot)
{
    return plot;
}

} // namespace

void TfmMain::FormResize(vcl::TObject* Sender)
{
    (void)Sender;
    // Below the design size the content keeps its places under scroll bars; the rules act only in a
    // direction where the window is at least its design size, where the content lies unscrolled.
    if (Scroller)
        Scroller->Fit();
    ApplyResizeRules();
    if (Scroller)
        Scroller->Fit(); // the rules may have changed how far the content reaches
}

// Longer than most: one pass over the window's controls that applies the resize rules in the order they
// are listed, kind by kind, so a reader checks each rule against its neighbour in one place.
void TfmMain::ApplyResizeRules()
{
    const MainShellControls& ui = Shell();
    vcl::TControl* main = ui.MainArea;
    if (!main)
        return;
    if (Height() >= DesignHeight) {
        const int h = Height() - DesignHeight;
        ExtraHeight = h;
        main->SetHeight(h + 629);
        for (int p = 0; p < layout::PageCount; ++p) {
            vcl::TControl* up = ui.PageUppers[static_cast<std::size_t>(p)];
            vcl::TControl* lo = ui.PageLowers[static_cast<std::size_t>(p)];
            if (!up || !lo)
                return;
            up->SetHeight(h + 284);
            lo->SetTop(h + 292);
        }
        for (const MainShellControls::Channel& c : ui.Channels) {
            if (!c.Plot || !c.LevelPanel)
                return;
            c.Plot->SetHeight(h + 255);
            c.LevelPanel->SetHeight(h + 247);
        }
        for (vcl::TControl* plot : { Plain(ui.GainInPlot), Plain(ui.GainOutPlot) })
            if (plot)
                plot->SetHeight(h + 255);
        for (vcl::TControl* panel : { ui.DelayInPanel, ui.DelayOutPanel })
            if (panel)
                panel->SetHeight(h + 234 + 21);
        for (vcl::TControl* plot : { ui.CompPlot, ui.GatePlot })
            if (plot)
                plot->SetHeight(h + 230);
        if (vcl::TControl* pb = ui.Matrix) {
            pb->SetTop(h / 9 + 42);
            pb->SetHeight(h + 206);
        }
        for (int ch = 0; ch < layout::ChannelCount; ++ch) {
            const MainShellControls::Channel& c = ui.Channels[static_cast<std::size_t>(ch)];
            const int top = layout::MatrixRowTop(ch, h);
            if (c.MatrixRow)
                c.MatrixRow->SetTop(top);
            for (vcl::TControl* b : c.Routes)
                if (b)
                    b->SetTop(top + 2);
        }
        ResizeDelayRows(h);
        ResizePageMeters(h);
        if (ui.PresetBar)
            ui.PresetBar->SetTop(h + 626);
    }
    if (Width() >= DesignWidth) {
        const int w = Width() - DesignWidth;
        if (rzbMenuLink)
            rzbMenuLink->SetLeft(w + 1040);
        if (ui.FunctionBar)
            ui.FunctionBar->SetWidth(w + 1115);
        main->SetWidth(w + 1112);
        for (int p = 0; p < layout::PageCount; ++p) {
            vcl::TControl* up = ui.PageUppers[static_cast<std::size_t>(p)];
            vcl::TControl* lo = ui.PageLowers[static_cast<std::size_t>(p)];
            if (!up || !lo)
                return;
            up->SetWidth(w + 1112);
            lo->SetLeft(w / 2 + 20);
        }
        for (const MainShellControls::Channel& c : ui.Channels) {
            if (!c.Plot || !c.LevelPanel)
                return;
            c.Plot->SetWidth(w + 1004);
            c.LevelPanel->SetLeft(w + 1020);
        }
        vcl::TControl* const leftOnes[] = { Plain(ui.GainInPlot), ui.DelayInPanel };
        vcl::TControl* const rightOnes[] = { Plain(ui.GainOutPlot), ui.DelayOutPanel };
        for (int i = 0; i < 2; ++i) {
            if (vcl::TControl* l = leftOnes[i])
                l->SetWidth(w / 2 + 546);
            if (vcl::TControl* r = rightOnes[i]) {
                r->SetLeft(w / 2 + 560);
                r->SetWidth(w / 2 + 546);
            }
        }
        if (ui.CompPlot)
            ui.CompPlot->SetWidth(w + 620);
        if (ui.CompName)
            ui.CompName->SetWidth(w + 538);
        if (ui.GatePlot)
            ui.GatePlot->SetWidth(w + 904);
        if (ui.GateName)
            ui.GateName->SetWidth(w + 856);
        // Each page meter, its lamp and its scale stay right of their widened transfer plot.
        for (vcl::TControl* c : { ui.CompHead, ui.CompMeter, ui.CompLamp, ui.GateHead, ui.GateMeter })
            if (c)
                c->SetLeft(DesignOf(c).Left + w);
        for (const auto* scale : { &ui.CompScale, &ui.GateScale })
            for (vcl::TControl* c : *scale)
                if (c)
                    c->SetLeft(DesignOf(c).Left + w);
        if (ui.PresetBar)
            ui.PresetBar->SetLeft(w / 2 + 10);
        SpreadDiagram(w);
    }
    PlaceDelayMarkers();
    main->SetVisible(false);
    main->SetVisible(true);
    for (int ch = 0; ch < layout::ChannelCount; ++ch)
        PlaceDelayLine(ch);
}

// Design places of the controls that the resizing moves, taken the first time it runs.
const TfmMain::DesignPlace& TfmMain::DesignOf(vcl::TControl* c)
{
    auto [it, added] = DesignPlaces.try_emplace(c, DesignPlace { c->Left(), c->Top(), c->Width(), c->Height() });
    (void)added;
    return it->second;
}

void TfmMain::ResizeDelayRows(int h)
{
    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        const MainShellControls::Channel& c = Shell().Channels[static_cast<std::size_t>(ch)];
        if (!c.DelayMarker || !c.DelayLine || !c.DelayTime)
            return;
        c.DelayMarker->SetTop(layout::DelayRowTop(layout::DelayRow::Marker, ch, h));
        c.DelayLine->SetTop(layout::DelayRowTop(layout::DelayRow::Line, ch, h));
        c.DelayTime->SetTop(layout::DelayRowTop(layout::DelayRow::Time, ch, h));
        // The row's channel name stays beside its marker.
        if (c.DelayName)
            c.DelayName->SetTop(c.DelayMarker->Top() + 8);
    }
}

void TfmMain::ResizePageMeters(int h)
{
    for (vcl::TControl* meter : { Shell().CompMeter, Shell().GateMeter })
        if (meter) {
            const DesignPlace& d = DesignOf(meter);
            meter->SetTop(h / 9 + d.Top);
            meter->SetHeight((h * 8) / 9 + d.Height);
        }
    if (vcl::TControl* lamp = Shell().CompLamp) {
        lamp->SetTop(h / 9 + DesignOf(lamp).Top);
        lamp->SetHeight(h / 9 + 22);
    }
    for (const auto* scale : { &Shell().CompScale, &Shell().GateScale })
        for (std::size_t k = 0; k < scale->size(); ++k)
            if (vcl::TControl* label = (*scale)[k])
                label->SetTop(layout::MeterScaleTop(static_cast<int>(k) + 1, h));
}

// The block diagram spreads over a third of the extra width each: the input rows, the routing box,
// the output rows.
void TfmMain::SpreadDiagram(int w)
{
    if (vcl::TControl* pb = Shell().Matrix) {
        pb->SetLeft(w / 3 + 465);
        pb->SetWidth(w / 3 + 97);
    }
    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        const MainShellControls::Channel& c = Shell().Channels[static_cast<std::size_t>(ch)];
        const bool input = ch < 2;
        vcl::TControl* row = c.MatrixRow;
        if (!row)
            return;
        const DesignPlace& r = DesignOf(row);
        row->SetBounds(input ? r.Left : 2 * (w / 3) + r.Left, row->Top(), r.Width + w / 3,
                       row->Height());
        for (vcl::TControl* b : c.Routes)
            if (b)
                b->SetLeft(2 * (w / 3) + DesignOf(b).Left);
        for (std::size_t k = 0; k < c.Blocks.size(); ++k) {
            vcl::TControl* label = c.Blocks[k];
            if (!label)
                return;
            const DesignPlace& d = DesignOf(label);
            label->SetLeft(((w / 3) * static_cast<int>(k)) / 9 + d.Left);
            label->SetWidth((input ? w / 21 : w / 24) + d.Width);
        }
    }
    for (const MainShellControls::Channel& c : Shell().Channels)
        if (c.DelayLine)
            c.DelayLine->SetWidth(w / 2 + DesignOf(c.DelayLine).Width);
}

// Each channel's delay marker at its fader's place along its line, the time label beside it.
void TfmMain::PlaceDelayMarkers()
{
    for (const MainShellControls::Channel& c : Shell().Channels) {
        TAdvTrackBar* fader = c.Delay;
        vcl::TControl* marker = c.DelayMarker;
        vcl::TControl* line = c.DelayLine;
        vcl::TControl* time = c.DelayTime;
        if (!fader || !marker || !line || !time)
            return;
        if (fader->Max() > 0)
            marker->SetLeft(static_cast<int>(static_cast<long long>(fader->Position()) * (line->Width() - 90) / fader->Max() + 40));
        time->SetLeft(marker->Left() + 30);
        time->SetTop(marker->Top() + marker->Height() / 4);
    }
}
