// The main window's shared pages: Gain, Comp, Delay, Matrix and Gate, each an upper and a lower box.

#include "ui/FMainLayoutBuilder.h"
#include "ui/FMainLayoutParts.h"

namespace layout {

void Builder::GainPage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftGain"), 0, 0, 1112, 284, BoxColor);
    Label(up, QStringLiteral("lbFftGainIn"), QString(), 10, 3);
    Label(up, QStringLiteral("lbFftGainOut"), QString(), 566, 3);
    AddOverlayToggles(F, up, editors::GainInPlot, 120, 0);
    AddOverlayToggles(F, up, editors::GainOutPlot, 700, 0);
    Range(Add<LMyFFTDrawPhase>(up, QStringLiteral("fftDrawGainIn"), 8, 22, 546, 255, 0));
    Range(Add<LMyFFTDrawPhase>(up, QStringLiteral("fftDrawGainOut"), 560, 22, 546, 255, 0));

    auto* lo = Box(Main, QStringLiteral("rzgParamGain"), 20, 292, 1072, 290, ParamColor);
    Label(lo, QStringLiteral("lbGainInput"), QString(), 12, 6);
    Label(lo, QStringLiteral("lbGainOutput"), QString(), 290, 6);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const int x = ch < 2 ? 12 + ch * 130 : 290 + (ch - 2) * 130;
        Label(lo, QStringLiteral("lbGainBackupName") + sfx, sfx, x + 4, 26, 0, ch);
        Fader(lo, QStringLiteral("isGainBackup") + sfx, x + 20, 60, 26, 126, ch, -280, 120, 6);
        Meter(lo, QStringLiteral("pbLevelBackup") + sfx, x + 68, 56, 18, 160, ch, ch < 2 ? 9 : 8);
        if (ch >= 2)
            Meter(lo, QStringLiteral("pbLimitBackup") + sfx, x + 92, 56, 18, 18, ch, 1);
        Edit(lo, QStringLiteral("cvdGainBackup") + sfx, x, 226, 84, ch, QStringLiteral("+0.0dB"), true);
        Button(lo, QStringLiteral("rzbMuteBackup") + sfx, QString(), x, 254, 50, 26, ch, 0, true);
        Button(lo, QStringLiteral("rzbPhaseBackup") + sfx, QString(), x + 54, 254, 62, 26, ch, 0, true);
    }
}

void Builder::CompPage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftComp"), 0, 0, 1112, 284, BoxColor);
    up->SetVisible(false);
    Label(up, QStringLiteral("lbCompName"), QString(), 10, 6, 538);
    TiXYPlot* plot = editors::CreateTransferPlot(&F, up, QStringLiteral("ipComp"), 8, 22, 620, 230);
    editors::RefillTransferPlot(*plot, { { 20, 20 }, { -10, -10 }, { -10, -10 }, { -100, -100 } }, { 19.8, 20.4 });
    Label(up, QStringLiteral("lbHeadCompOut"), QStringLiteral("Out 1"), 646, 6, 0, 2);
    Meter(up, QStringLiteral("pbLevelCompOut"), 650, 28, 22, 210, 2, 8);
    Meter(up, QStringLiteral("pbLimitCompOut"), 684, 28, 22, 22, 2, 1);
    Scale(up, QStringLiteral("lbScaleComp"), 712, { "Limit", "12", "5", "0", "-5", "-15", "-30", "-60", "-90" });

    auto* lo = Box(Main, QStringLiteral("rzgParamComp"), 20, 292, 1072, 290, ParamColor);
    lo->SetVisible(false);
    for (int ch = 2; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const int x = 8 + (ch - 2) * 177;
        constexpr int column = 54; // room for "+20.0dB", "1000ms" and "Threshold" in the narrow face
        Label(lo, QStringLiteral("lbComp") + sfx, sfx, x + 4, 4, 0, ch);
        const char* const faders[] = { "Threshold", "Attack", "Release" };
        const int mins[] = { -180, 0, 9 };
        const int maxs[] = { 40, 998, 2999 };
        const char* const texts[] = { "+0.0dB", "1ms", "10ms" };
        const int starts[] = { 40, 50, 499 };
        for (int i = 0; i < 3; ++i) {
            const QString q = QString::fromLatin1(faders[i]);
            auto* caption = Label(lo, QStringLiteral("lbComp") + q + sfx, QString(), x + i * column, 22, column, ch, DimText);
            caption->Font()->SetName(QString::fromLatin1(skin::ValueFont));
            caption->SetAlignment(vcl::TAlignment::taCenter);
            Fader(lo, QStringLiteral("isComp") + q + sfx, x + i * column + 12, 40, 27, 150, ch, mins[i], maxs[i], 10, starts[i]);
            Edit(lo, QStringLiteral("cvdComp") + q + sfx, x + i * column, 194, column, ch, QString::fromLatin1(texts[i]), false);
        }
        // The limiter lamp above the level meter, both beside the three columns.
        Meter(lo, QStringLiteral("pbLimitComp") + sfx, x + 3 * column + 2, 40, 12, 10, ch, 1);
        Meter(lo, QStringLiteral("pbLevelComp") + sfx, x + 3 * column + 2, 52, 12, 138, ch, 8);
        const char* const steps[] = { "Ratio", "Knee" };
        for (int i = 0; i < 2; ++i) {
            const QString q = QString::fromLatin1(steps[i]);
            const int xx = x + i * 86;
            Label(lo, QStringLiteral("lbComp") + q + sfx, QString(), xx, 222, 80, ch, DimText);
            Edit(lo, QStringLiteral("cvdComp") + q + sfx, xx, 240, 58, ch, QString(), false);
            auto* ud = Add<vcl::TUpDown>(lo, QStringLiteral("udComp") + q + sfx, xx + 60, 240, 18, 24, ch);
            ud->SetMin(0);
            ud->SetMax(i == 0 ? 15 : 12);
            skin::DressUpDown(*ud);
        }
    }
}

void Builder::DelayPage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftDelay"), 0, 0, 1112, 284, BoxColor);
    up->SetVisible(false);
    auto* left = Add<vcl::TPanel>(up, QStringLiteral("plDelayIn"), 8, 22, 546, 255);
    auto* right = Add<vcl::TPanel>(up, QStringLiteral("plDelayOut"), 560, 22, 546, 255);
    left->SetColor(vcl::clBlack);
    right->SetColor(vcl::clBlack);
    Label(up, QStringLiteral("lbFftDelayIn"), QString(), 10, 3);
    Label(up, QStringLiteral("lbFftDelayOut"), QString(), 566, 3);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const bool input = ch < 2;
        vcl::TPanel* panel = input ? left : right;
        // The row rules of the window's resizing at its design size: marker, line and time label.
        const int top = DelayRowTop(DelayRow::Marker, ch, 0);
        const int lineTop = DelayRowTop(DelayRow::Line, ch, 0);
        Label(panel, QStringLiteral("lbFftDelayName") + sfx, sfx, 4, top + 8, 0, ch, ChannelColor(ch));
        auto* line = Label(panel, QStringLiteral("lbDelayLine") + sfx, QString(), 40, lineTop, 475, ch, ChannelColor(ch));
        line->SetLayout(vcl::TTextLayout::tlCenter);
        line->SetHeight(2 * (top - lineTop) + 30); // centred on the marker
        auto* marker = Add<vcl::TPanel>(panel, QStringLiteral("imDelay") + sfx, 40, top, 30, 30, ch);
        marker->SetColor(ChannelColor(ch));
        Label(panel, QStringLiteral("lbFftDelayTime") + sfx, QStringLiteral("0.00ms"), 70, DelayRowTop(DelayRow::Time, ch, 0),
              0, ch);
    }

    auto* lo = Box(Main, QStringLiteral("rzgParamDelay"), 20, 292, 1072, 290, ParamColor);
    lo->SetVisible(false);
    Label(lo, QStringLiteral("lbDelayInput"), QString(), 12, 6);
    Label(lo, QStringLiteral("lbDelayOutput"), QString(), 260, 6);
    Label(lo, QStringLiteral("lbDelayUnit"), QString(), 920, 30);
    for (int u = 0; u < 3; ++u) {
        const char* const units[] = { "ms", "m", "ft" };
        auto* b = Button(lo, QStringLiteral("rzbUnit%1").arg(u), QString::fromLatin1(units[u]), 920, 52 + u * 34, 64, 28,
                         u, 1);
        b->SetDown(u == 0);
    }
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const int x = ch < 2 ? 12 + ch * 110 : 260 + (ch - 2) * 106;
        Label(lo, QString(), sfx, x + 4, 26, 0, ch);
        Fader(lo, QStringLiteral("isDelay") + sfx, x + 34, 56, 26, 180, ch, 0, 65280, 6);
        Edit(lo, QStringLiteral("cvdDelay") + sfx, x, 250, 96, ch, QStringLiteral("0.00ms"), false);
    }
}

void Builder::MatrixPage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftMatrix"), 0, 0, 1112, 284, BoxColor);
    up->SetVisible(false);
    const char* const inBlocks[] = { "ChName", "Gain", "HpLp", "Gate", "Peq", "Phase", "Delay" };
    const char* const inText[] = { "", "Gain", "HP/LP", "Gate", "PEQ", "Phase", "Delay" };
    const char* const outBlocks[] = { "ChName", "Gain", "Comp", "Mute", "Peq", "Phase", "Xover", "Delay" };
    const char* const outText[] = { "", "Gain", "Comp", "Mute", "PEQ", "Phase", "X-Over", "Delay" };
    for (int ch = 0; ch < 2; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        // Row centres meet the routing lines' start points on pbMatrix (top 42: InA at 41, InB at 166).
        auto* row = Add<vcl::TPanel>(up, QStringLiteral("plMatrix") + sfx, 8, 120 * ch + 70, 456, 30, ch);
        row->SetColor(BarColor);
        for (int k = 0; k < 7; ++k) {
            const QString caption = k == 0 ? sfx : QString::fromLatin1(inText[k]);
            const int left = k == 0 ? 6 : NameWidth + 10 + (k - 1) * 60;
            auto* lb = Label(row, QStringLiteral("lbMatrix") + QString::fromLatin1(inBlocks[k]) + sfx, caption, left, 7,
                             k == 0 ? NameWidth : 58, ch, k == 0 ? ChannelColor(ch) : TextColor);
            lb->SetAlignment(vcl::TAlignment::taCenter);
            if (k == 0)
                NameLabelClick(*lb);
        }
    }
    auto* pb = Add<vcl::TPaintBox>(up, QStringLiteral("pbMatrix"), 465, 42, 97, 206);
    (void)pb;
    for (int ch = 2; ch < ChannelCount; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        // Row centres meet the routing lines' end points on pbMatrix (Out1 at 0 .. Out6 at 206).
        const int top = 40 * ch - 50;
        Button(up, QStringLiteral("rzbAMatrix") + sfx, QStringLiteral("A"), 568, top + 2, 30, 26, 0, 0, true);
        Button(up, QStringLiteral("rzbBMatrix") + sfx, QStringLiteral("B"), 602, top + 2, 30, 26, 1, 0, true);
        auto* row = Add<vcl::TPanel>(up, QStringLiteral("plMatrix") + sfx, 640, top, 464, 30, ch);
        row->SetColor(BarColor);
        for (int k = 0; k < 8; ++k) {
            const QString caption = k == 0 ? sfx : QString::fromLatin1(outText[k]);
            const int left = k == 0 ? 4 : NameWidth + 8 + (k - 1) * 53;
            auto* lb = Label(row, QStringLiteral("lbMatrix") + QString::fromLatin1(outBlocks[k]) + sfx, caption, left, 7,
                             k == 0 ? NameWidth : 51, ch, k == 0 ? ChannelColor(ch) : TextColor);
            lb->SetAlignment(vcl::TAlignment::taCenter);
            if (k == 0)
                NameLabelClick(*lb);
        }
    }
    auto* lo = Box(Main, QStringLiteral("rzgParamMatrix"), 20, 292, 1072, 290, ParamColor);
    lo->SetVisible(false);
}

void Builder::GatePage()
{
    auto* up = Box(Main, QStringLiteral("rzgFftGate"), 0, 0, 1112, 284, BoxColor);
    up->SetVisible(false);
    Label(up, QStringLiteral("lbGateName"), QString(), 10, 6, 856);
    TiXYPlot* plot = editors::CreateTransferPlot(&F, up, QStringLiteral("ipGate"), 8, 22, 904, 230);
    editors::RefillTransferPlot(*plot, { { 20, 20 }, { -90, -90 }, { -90, -100 } }, { -89.8, -90.4 });
    Label(up, QStringLiteral("lbHeadGateIn"), QStringLiteral("In A"), 936, 6, 0, 0);
    Meter(up, QStringLiteral("pbLevelGateIn"), 940, 28, 22, 210, 0, 9);
    Scale(up, QStringLiteral("lbScaleGate"), 968, { "Clip", "12", "5", "0", "-5", "-20", "-30", "-60", "-90" });

    auto* lo = Box(Main, QStringLiteral("rzgParamGate"), 20, 292, 1072, 290, ParamColor);
    lo->SetVisible(false);
    const char* const quantities[] = { "Threshold", "Attack", "Hold", "Release" };
    const int mins[] = { -180, 0, 9, 9 };
    const int maxs[] = { 0, 998, 998, 2999 };
    const char* const texts[] = { "-90.0dB", "1ms", "10ms", "10ms" };
    const int starts[] = { 0, 50, 99, 499 };
    for (int ch = 0; ch < 2; ++ch) {
        const QString sfx = ChannelSuffix(ch);
        const int x = 60 + ch * 500;
        Label(lo, QStringLiteral("lbGate") + sfx, sfx + QStringLiteral(" Gate"), x + 60, 4, 0, ch);
        for (int i = 0; i < 4; ++i) {
            const QString q = QString::fromLatin1(quantities[i]);
            const int xx = x + i * 92;
            Label(lo, QStringLiteral("lbGate") + q + sfx, QString(), xx, 26, 88, ch, DimText);
            Fader(lo, QStringLiteral("isGate") + q + sfx, xx + 30, 46, 27, 180, ch, mins[i], maxs[i], 10, starts[i]);
            Edit(lo, QStringLiteral("cvdGate") + q + sfx, xx, 232, 84, ch, QString::fromLatin1(texts[i]), false);
        }
        Meter(lo, QStringLiteral("pbLevelGate") + sfx, x + 376, 46, 18, 180, ch, 9);
    }
}

} // namespace layout
