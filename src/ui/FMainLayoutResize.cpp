// Growing the window: the page area, its boxes and plots take the room above the design size.

#include "ui/FMain.h"

#include "ui/FMainLayoutNames.h"

namespace {

constexpr int DesignWidth = 1118;
constexpr int DesignHeight = 720;

} // namespace

void TfmMain::FormResize(vcl::TObject* Sender)
{
    (void)Sender;
    auto find = [this](const QString& name) { return dynamic_cast<vcl::TControl*>(FindComponent(name)); };
    const bool smaller = Width() < DesignWidth || Height() < DesignHeight;
    (void)smaller; // the platform form scrolls by itself once its client is smaller than its content

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
        for (int ch = 2; ch < layout::ChannelCount; ++ch) {
            const QString sfx = layout::ChannelSuffix(ch);
            const int top = (h / 7) * (ch - 1) + 40 * ch - 50 - 20;
            if (auto* row = find(QStringLiteral("plMatrix") + sfx))
                row->SetTop(top - 2);
            if (auto* a = find(QStringLiteral("rzbAMatrix") + sfx))
                a->SetTop(top);
            if (auto* b = find(QStringLiteral("rzbBMatrix") + sfx))
                b->SetTop(top);
        }
        for (int ch = 0; ch < 2; ++ch) {
            if (auto* row = find(QStringLiteral("plMatrix") + layout::ChannelSuffix(ch)))
                row->SetTop((h / 4) * (ch + 1) + 120 * ch + 70 - 36);
        }
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
        if (auto* preset = find(QStringLiteral("rzgPreset")))
            preset->SetLeft(w / 2 + 10);
    }
    main->SetVisible(false);
    main->SetVisible(true);
}
