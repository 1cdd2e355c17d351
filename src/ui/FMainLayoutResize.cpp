// Growing the window: the page area, its boxes and plots take the room above the design size.

#include "ui/FMain.h"

#include "ui/FMainLayoutNames.h"
#include "widgets/AdvTrackBar.h"

namespace {

constexpr int DesignWidth = 1118;
constexpr int DesignHeight = 720;

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
    auto find = [this](const QString& name) { return dynamic_cast<vcl::TControl*>(FindComponent(name)); };

    auto* main = find(QStringLiteral("rzgMain"));
    if (!main)
        return;
    if (Height() >= DesignHeight) {
        const int h = Height() - DesignHeight;
        ExtraHeight = h;
        main->SetHeight(h + 629);
        for (int p = 0; p < layout::PageCount; ++p) {
            const QString sfx = layout::PageBoxSuffix(p);
            auto* up = find(QStringLiteral("rzgFft") + sfx);
            auto* lo = find(QStringLiteral("rzgParam") + sfx);
            if (!up || !lo)
                return;
            up->SetHeight(h + 284);
            lo->SetTop(h + 292);
        }
        for (int ch = 0; ch < layout::ChannelCount; ++ch) {
            const QString sfx = layout::ChannelSuffix(ch);
            auto* plot = find(QStringLiteral("fftDraw") + sfx);
            auto* level = find(QStringLiteral("plLevel") + sfx);
            if (!plot || !level)
                return;
            plot->SetHeight(h + 255);
            level->SetHeight(h + 247);
        }
        for (const char* name : { "fftDrawGainIn", "fftDrawGainOut" }) {
            if (auto* plot = find(QString::fromLatin1(name)))
                plot->SetHeight(h + 255);
        }
        for (const char* name : { "plDelayIn", "plDelayOut" }) {
            if (auto* panel = find(QString::fromLatin1(name)))
                panel->SetHeight(h + 234 + 21);
        }
        for (const char* name : { "ipComp", "ipGate" }) {
            if (auto* plot = find(QString::fromLatin1(name)))
                plot->SetHeight(h + 230);
        }
        if (auto* pb = find(QStringLiteral("pbMatrix"))) {
            pb->SetTop(h / 9 + 42);
            pb->SetHeight(h + 206);
        }
        for (int ch = 0; ch < layout::ChannelCount; ++ch) {
            const QString sfx = layout::ChannelSuffix(ch);
            const int top = layout::MatrixRowTop(ch, h);
            if (auto* row = find(QStringLiteral("plMatrix") + sfx))
                row->SetTop(top);
            for (const char* route : { "rzbAMatrix", "rzbBMatrix" })
                if (auto* b = find(QString::fromLatin1(route) + sfx))
                    b->SetTop(top + 2);
        }
        ResizeDelayRows(h);
        ResizePageMeters(h);
        if (auto* preset = find(QStringLiteral("rzgPreset")))
            preset->SetTop(h + 626);
    }
    if (Width() >= DesignWidth) {
        const int w = Width() - DesignWidth;
        if (rzbMenuLink)
            rzbMenuLink->SetLeft(w + 1040);
        if (auto* bar = find(QStringLiteral("rzgFunction")))
            bar->SetWidth(w + 1115);
        main->SetWidth(w + 1112);
        for (int p = 0; p < layout::PageCount; ++p) {
            const QString sfx = layout::PageBoxSuffix(p);
            auto* up = find(QStringLiteral("rzgFft") + sfx);
            auto* lo = find(QStringLiteral("rzgParam") + sfx);
            if (!up || !lo)
                return;
            up->SetWidth(w + 1112);
            lo->SetLeft(w / 2 + 20);
        }
        for (int ch = 0; ch < layout::ChannelCount; ++ch) {
            const QString sfx = layout::ChannelSuffix(ch);
            auto* plot = find(QStringLiteral("fftDraw") + sfx);
            auto* level = find(QStringLiteral("plLevel") + sfx);
            if (!plot || !level)
                return;
            plot->SetWidth(w + 1004);
            level->SetLeft(w + 1020);
        }
        const char* const leftOnes[] = { "fftDrawGainIn", "plDelayIn" };
        const char* const rightOnes[] = { "fftDrawGainOut", "plDelayOut" };
        for (int i = 0; i < 2; ++i) {
            if (auto* l = find(QString::fromLatin1(leftOnes[i])))
                l->SetWidth(w / 2 + 546);
            if (auto* r = find(QString::fromLatin1(rightOnes[i]))) {
                r->SetLeft(w / 2 + 560);
                r->SetWidth(w / 2 + 546);
            }
        }
        if (auto* ip = find(QStringLiteral("ipComp")))
            ip->SetWidth(w + 620);
        if (auto* lb = find(QStringLiteral("lbCompName")))
            lb->SetWidth(w + 538);
        if (auto* ip = find(QStringLiteral("ipGate")))
            ip->SetWidth(w + 904);
        if (auto* lb = find(QStringLiteral("lbGateName")))
            lb->SetWidth(w + 856);
        // Each page meter, its lamp and its scale stay right of their widened transfer plot.
        for (const char* name : { "lbHeadCompOut", "pbLevelCompOut", "pbLimitCompOut", "lbHeadGateIn", "pbLevelGateIn" })
            if (auto* c = find(QString::fromLatin1(name)))
                c->SetLeft(DesignOf(c).Left + w);
        for (const char* stem : { "lbScaleComp", "lbScaleGate" })
            for (int k = 1; k <= 9; ++k)
                if (auto* c = find(QString::fromLatin1(stem) + QString::number(k)))
                    c->SetLeft(DesignOf(c).Left + w);
        if (auto* preset = find(QStringLiteral("rzgPreset")))
            preset->SetLeft(w / 2 + 10);
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
        const QString sfx = layout::ChannelSuffix(ch);
        auto* marker = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("imDelay") + sfx));
        auto* line = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("lbDelayLine") + sfx));
        auto* time = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("lbFftDelayTime") + sfx));
        if (!marker || !line || !time)
            return;
        marker->SetTop(layout::DelayRowTop(layout::DelayRow::Marker, ch, h));
        line->SetTop(layout::DelayRowTop(layout::DelayRow::Line, ch, h));
        time->SetTop(layout::DelayRowTop(layout::DelayRow::Time, ch, h));
        // The row's channel name stays beside its marker.
        if (auto* name = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("lbFftDelayName") + sfx)))
            name->SetTop(marker->Top() + 8);
    }
}

void TfmMain::ResizePageMeters(int h)
{
    for (const char* name : { "pbLevelCompOut", "pbLevelGateIn" })
        if (auto* meter = dynamic_cast<vcl::TControl*>(FindComponent(QString::fromLatin1(name)))) {
            const DesignPlace& d = DesignOf(meter);
            meter->SetTop(h / 9 + d.Top);
            meter->SetHeight((h * 8) / 9 + d.Height);
        }
    if (auto* lamp = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("pbLimitCompOut")))) {
        lamp->SetTop(h / 9 + DesignOf(lamp).Top);
        lamp->SetHeight(h / 9 + 22);
    }
    for (const char* stem : { "lbScaleComp", "lbScaleGate" })
        for (int k = 1; k <= 9; ++k)
            if (auto* label = dynamic_cast<vcl::TControl*>(FindComponent(QString::fromLatin1(stem) + QString::number(k))))
                label->SetTop(layout::MeterScaleTop(k, h));
}

// The block diagram spreads over a third of the extra width each: the input rows, the routing box,
// the output rows.
void TfmMain::SpreadDiagram(int w)
{
    if (auto* pb = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("pbMatrix")))) {
        pb->SetLeft(w / 3 + 465);
        pb->SetWidth(w / 3 + 97);
    }
    static const char* const inBlocks[] = { "ChName", "Gain", "HpLp", "Gate", "Peq", "Phase", "Delay" };
    static const char* const outBlocks[] = { "ChName", "Gain", "Comp", "Mute", "Peq", "Phase", "Xover", "Delay" };
    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        const QString sfx = layout::ChannelSuffix(ch);
        const bool input = ch < 2;
        auto* row = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("plMatrix") + sfx));
        if (!row)
            return;
        const DesignPlace& r = DesignOf(row);
        row->SetBounds(input ? r.Left : 2 * (w / 3) + r.Left, row->Top(), r.Width + w / 3,
                       row->Height());
        if (!input)
            for (const char* route : { "rzbAMatrix", "rzbBMatrix" })
                if (auto* b = dynamic_cast<vcl::TControl*>(FindComponent(QString::fromLatin1(route) + sfx)))
                    b->SetLeft(2 * (w / 3) + DesignOf(b).Left);
        const int blocks = input ? 7 : 8;
        for (int k = 0; k < blocks; ++k) {
            auto* label = dynamic_cast<vcl::TControl*>(
                FindComponent(QStringLiteral("lbMatrix") + QString::fromLatin1(input ? inBlocks[k] : outBlocks[k]) + sfx));
            if (!label)
                return;
            const DesignPlace& d = DesignOf(label);
            label->SetLeft(((w / 3) * k) / 9 + d.Left);
            label->SetWidth((input ? w / 21 : w / 24) + d.Width);
        }
    }
    for (int ch = 0; ch < layout::ChannelCount; ++ch)
        if (auto* line = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("lbDelayLine") + layout::ChannelSuffix(ch))))
            line->SetWidth(w / 2 + DesignOf(line).Width);
}

// Each channel's delay marker at its fader's place along its line, the time label beside it.
void TfmMain::PlaceDelayMarkers()
{
    for (int ch = 0; ch < layout::ChannelCount; ++ch) {
        const QString sfx = layout::ChannelSuffix(ch);
        auto* fader = dynamic_cast<TAdvTrackBar*>(FindComponent(QStringLiteral("isDelay") + sfx));
        auto* marker = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("imDelay") + sfx));
        auto* line = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("lbDelayLine") + sfx));
        auto* time = dynamic_cast<vcl::TControl*>(FindComponent(QStringLiteral("lbFftDelayTime") + sfx));
        if (!fader || !marker || !line || !time)
            return;
        if (fader->Max() > 0)
            marker->SetLeft(static_cast<int>(static_cast<long long>(fader->Position()) * (line->Width() - 90) / fader->Max() + 40));
        time->SetLeft(marker->Left() + 30);
        time->SetTop(marker->Top() + marker->Height() / 4);
    }
}
